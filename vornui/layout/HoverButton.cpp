#include "vornui/layout/HoverButton.h"

#include "vornui/platform/Blits.h"
#include "vornui/platform/CDC.h"
#include "vornui/platform/DesktopInput.h"
#include "vornui/platform/Images.h"

#include <cstdlib>

namespace {

constexpr int kStates = 3;
constexpr UINT_PTR kToolId = 1;
constexpr DWORD kHoverTime = 1;

enum State { kNormal, kHovering, kPressed };

} // namespace

IMPLEMENT_DYNAMIC(CHoverButton, CBitmapButton)

CHoverButton::CHoverButton() = default;

CHoverButton::~CHoverButton() = default;

BOOL CHoverButton::LoadBitmap(UINT bitmapId) {
    const LPCTSTR name = MAKEINTRESOURCE(bitmapId);
    CBitmap loaded;
    if (!loaded.Attach(static_cast<HBITMAP>(LoadImage(AfxFindResourceHandle(name, RT_BITMAP), name,
                                                      IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS))))
        return FALSE;
    BITMAP size{};
    if (!loaded.GetBitmap(&size) || size.bmWidth / kStates == 0)
        return FALSE;
    mybitmap.DeleteObject();
    mybitmap.Attach(static_cast<HBITMAP>(loaded.Detach()));
    m_ButtonSize = CSize(size.bmWidth / kStates, size.bmHeight);
    if (m_hWnd)
        SetWindowPos(nullptr, 0, 0, m_ButtonSize.cx, m_ButtonSize.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

void CHoverButton::InitToolTip() {
    if (m_ToolTip.m_hWnd || !m_hWnd)
        return;
    m_ToolTip.Create(this);
    m_ToolTip.Activate(FALSE);
}

void CHoverButton::SetToolTipText(const CString& text, BOOL activate) {
    InitToolTip();
    if (!m_ToolTip.m_hWnd)
        return;
    if (m_ToolTip.GetToolCount() == 0) {
        CRect client;
        GetClientRect(&client);
        m_ToolTip.AddTool(this, text, &client, kToolId);
    }
    m_ToolTip.UpdateTipText(text, this, kToolId);
    m_ToolTip.Activate(activate);
}

void CHoverButton::SetToolTipText(UINT textId, BOOL activate) {
    CString text;
    text.LoadString(textId);
    if (!text.IsEmpty())
        SetToolTipText(text, activate);
}

void CHoverButton::ActivateTooltip(BOOL activate) {
    InitToolTip();
    if (m_ToolTip.m_hWnd && m_ToolTip.GetToolCount() > 0)
        m_ToolTip.Activate(activate);
}

BOOL CHoverButton::PreTranslateMessage(MSG* msg) {
    if (m_ToolTip.m_hWnd)
        m_ToolTip.RelayEvent(msg);
    return CBitmapButton::PreTranslateMessage(msg);
}

void CHoverButton::OnMouseMove(UINT flags, CPoint point) {
    if (!m_bTracking) {
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE | TME_HOVER, m_hWnd, kHoverTime};
        m_bTracking = ::TrackMouseEvent(&track);
    }
    CBitmapButton::OnMouseMove(flags, point);
}

void CHoverButton::OnMouseHover(UINT, CPoint) {
    m_bHover = TRUE;
    Invalidate();
}

void CHoverButton::OnMouseLeave() {
    m_bTracking = FALSE;
    m_bHover = FALSE;
    Invalidate();
}

// The picture covers the button; erasing first would only make it flicker.
BOOL CHoverButton::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CHoverButton::DrawItem(LPDRAWITEMSTRUCT item) {
    CDC* dc = CDC::FromHandle(item->hDC);
    const int saved = dc->SaveDC();
    const CRect client(item->rcItem);
    const int state = (item->itemState & ODS_SELECTED) ? kPressed : m_bHover ? kHovering : kNormal;
    DrawState(*dc, client, state);
    dc->SetBkMode(TRANSPARENT);
    CRect text = client;
    dc->DrawText("...", 3, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc->RestoreDC(saved);
}

// One third of the strip, at its own size in the top-left corner.
void CHoverButton::DrawState(CDC& dc, const CRect& client, int state) {
    if (m_pImageBlock) {
        const auto width = static_cast<LONG>(m_pImageBlock[0]);
        const auto height = static_cast<LONG>(m_pImageBlock[1]);
        const int stateWidth = width / kStates;
        if (stateWidth <= 0 || height == 0)
            return;
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        const int rows = std::abs(static_cast<int>(height));
        StretchDIBits(dc.GetSafeHdc(), client.left, client.top, stateWidth, rows,
                      state * stateWidth, 0, stateWidth, rows, m_pImageBlock + 2, &info,
                      DIB_RGB_COLORS, SRCCOPY);
        return;
    }
    if (!mybitmap.GetSafeHandle())
        return;
    CDC source;
    source.CreateCompatibleDC(&dc);
    CBitmap* previous = source.SelectObject(&mybitmap);
    dc.BitBlt(client.left, client.top, m_ButtonSize.cx, m_ButtonSize.cy, &source,
              state * m_ButtonSize.cx, 0, SRCCOPY);
    source.SelectObject(previous);
}
