#include "vornui/platform/ScrollView.h"

#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/WindowScrolling.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CScrollView, CView)

const SIZE CScrollView::sizeDefault = {0, 0};

namespace {

int Along(const CSize& size, int bar) {
    return bar == SB_HORZ ? size.cx : size.cy;
}

} // namespace

CScrollView::CScrollView() = default;

CScrollView::~CScrollView() = default;

void CScrollView::SetScrollSizes(int mapMode, SIZE sizeTotal, const SIZE& sizePage,
                                 const SIZE& sizeLine) {
    m_nMapMode = mapMode;
    m_totalDev = sizeTotal;
    m_pageDev = CSize(sizePage.cx ? sizePage.cx : sizeTotal.cx / 10,
                      sizePage.cy ? sizePage.cy : sizeTotal.cy / 10);
    m_lineDev = CSize(sizeLine.cx ? sizeLine.cx : m_pageDev.cx / 10,
                      sizeLine.cy ? sizeLine.cy : m_pageDev.cy / 10);
    if (m_hWnd)
        UpdateBars();
}

CPoint CScrollView::GetScrollPosition() const {
    return CPoint(GetScrollPos(SB_HORZ), GetScrollPos(SB_VERT));
}

void CScrollView::UpdateBars() {
    // The client area as it would be without bars decides which bars are needed.
    CRect client;
    GetClientRect(&client);
    const DWORD style = GetStyle();
    CSize room = client.Size();
    if (style & WS_VSCROLL)
        room.cx += GetSystemMetrics(SM_CXVSCROLL);
    if (style & WS_HSCROLL)
        room.cy += GetSystemMetrics(SM_CYHSCROLL);
    bool horizontal = m_totalDev.cx > room.cx;
    const bool vertical =
        m_totalDev.cy > room.cy - (horizontal ? GetSystemMetrics(SM_CYHSCROLL) : 0);
    horizontal =
        horizontal || (vertical && m_totalDev.cx > room.cx - GetSystemMetrics(SM_CXVSCROLL));
    ShowScrollBar(SB_HORZ, horizontal);
    ShowScrollBar(SB_VERT, vertical);
    GetClientRect(&client);
    for (int bar : {SB_HORZ, SB_VERT}) {
        SCROLLINFO info{sizeof info,
                        SIF_RANGE | SIF_PAGE,
                        0,
                        Along(m_totalDev, bar) - 1,
                        static_cast<UINT>(Along(client.Size(), bar)),
                        0,
                        0};
        SetScrollInfo(bar, &info);
    }
}

void CScrollView::OnSize(UINT type, int cx, int cy) {
    CView::OnSize(type, cx, cy);
    if (m_nMapMode)
        UpdateBars();
}

void CScrollView::OnHScroll(UINT code, UINT pos, CWnd*) {
    ScrollBy(SB_HORZ, code, pos);
}

void CScrollView::OnVScroll(UINT code, UINT pos, CWnd*) {
    ScrollBy(SB_VERT, code, pos);
}

void CScrollView::ScrollBy(int bar, UINT code, UINT trackPos) {
    const int old = GetScrollPos(bar);
    int pos = old;
    switch (code) {
    case SB_LINEUP:
        pos -= Along(m_lineDev, bar);
        break;
    case SB_LINEDOWN:
        pos += Along(m_lineDev, bar);
        break;
    case SB_PAGEUP:
        pos -= Along(m_pageDev, bar);
        break;
    case SB_PAGEDOWN:
        pos += Along(m_pageDev, bar);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        pos = static_cast<int>(trackPos);
        break;
    default:
        return;
    }
    SetScrollPos(bar, std::max(pos, 0));
    const int moved = GetScrollPos(bar) - old;
    if (moved)
        ::ScrollWindow(m_hWnd, bar == SB_HORZ ? -moved : 0, bar == SB_VERT ? -moved : 0, nullptr,
                       nullptr);
}
