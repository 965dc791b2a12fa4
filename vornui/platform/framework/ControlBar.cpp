#include "vornui/platform/ControlBar.h"

#include "vornui/platform/FrameWnd.h"
#include "vornui/platform/MiniFrameWnd.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

CControlBar::CControlBar() = default;

CControlBar::~CControlBar() = default;

CSize CControlBar::CalcFixedLayout(BOOL stretch, BOOL horizontal) {
    CRect window;
    GetWindowRect(&window);
    if (!stretch)
        return window.Size();
    return horizontal ? CSize(32767, window.Height()) : CSize(window.Width(), 32767);
}

BOOL CControlBar::IsFloating() const {
    const CWnd* parent = GetParent();
    return parent && parent->IsKindOf(RUNTIME_CLASS(CMiniFrameWnd));
}

void CControlBar::OnSizeParent(AFX_SIZEPARENTPARAMS& layout) {
    if (!(GetStyle() & WS_VISIBLE))
        return;
    if (IsFloating()) { // the small frame is all the bar's
        const CRect all(layout.rect);
        layout.rect.right = layout.rect.left;
        if (layout.hDWP)
            layout.hDWP =
                ::DeferWindowPos(layout.hDWP, m_hWnd, nullptr, all.left, all.top, all.Width(),
                                 all.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    if (!(m_dwStyle & CBRS_ALIGN_ANY))
        return;
    const bool horizontal = (m_dwStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0;
    CRect strip(layout.rect);
    CSize size = CalcFixedLayout(layout.bStretch, horizontal);
    size.cx = std::min<LONG>(size.cx, strip.Width());
    size.cy = std::min<LONG>(size.cy, strip.Height());
    if (horizontal) {
        layout.sizeTotal.cy += size.cy;
        layout.sizeTotal.cx = std::max(layout.sizeTotal.cx, size.cx);
        if (m_dwStyle & CBRS_ALIGN_TOP) {
            layout.rect.top += size.cy;
        } else {
            strip.top = strip.bottom - size.cy;
            layout.rect.bottom -= size.cy;
        }
    } else {
        layout.sizeTotal.cx += size.cx;
        layout.sizeTotal.cy = std::max(layout.sizeTotal.cy, size.cy);
        if (m_dwStyle & CBRS_ALIGN_LEFT) {
            layout.rect.left += size.cx;
        } else {
            strip.left = strip.right - size.cx;
            layout.rect.right -= size.cx;
        }
    }
    strip.right = strip.left + size.cx;
    strip.bottom = strip.top + size.cy;
    if (layout.hDWP)
        layout.hDWP =
            ::DeferWindowPos(layout.hDWP, m_hWnd, nullptr, strip.left, strip.top, strip.Width(),
                             strip.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM: {
        // What the bar does not answer itself goes on to its frame.
        LRESULT result = 0;
        if (OnWndMsg(message, wParam, lParam, &result))
            return result;
        CWnd* owner = GetParent();
        return owner ? owner->SendMessage(message, wParam, lParam) : 0;
    }
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

BOOL CControlBar::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    switch (message) {
    case WM_SIZEPARENT:
        OnSizeParent(*reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam));
        *result = 0;
        return TRUE;
    case WM_IDLEUPDATECMDUI:
        if (CFrameWnd* frame = GetParentFrame(); frame && (GetStyle() & WS_VISIBLE))
            OnUpdateCmdUI(frame, static_cast<BOOL>(wParam));
        *result = 0;
        return TRUE;
    default:
        return CWnd::OnWndMsg(message, wParam, lParam, result);
    }
}
