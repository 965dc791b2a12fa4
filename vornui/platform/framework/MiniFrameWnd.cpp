#include "vornui/platform/MiniFrameWnd.h"

#include "vornui/platform/ControlBar.h"

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)

namespace {

constexpr DWORD kFloatingStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;

} // namespace

CMiniFrameWnd::CMiniFrameWnd() = default;

CMiniFrameWnd::~CMiniFrameWnd() = default;

BOOL CMiniFrameWnd::PreCreateWindow(CREATESTRUCT& create) {
    CFrameWnd::PreCreateWindow(create);
    create.dwExStyle = (create.dwExStyle & ~WS_EX_CLIENTEDGE) | WS_EX_TOOLWINDOW;
    return TRUE;
}

void CFrameWnd::FloatControlBar(CControlBar* bar, CPoint point, DWORD style) {
    if (!bar || !bar->m_hWnd)
        return;
    CString title;
    bar->GetWindowText(title);
    const bool horizontal = !(style & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT));
    CRect window(CPoint(0, 0), bar->CalcFixedLayout(FALSE, horizontal));
    ::AdjustWindowRectEx(&window, kFloatingStyle, FALSE, WS_EX_TOOLWINDOW);
    window.OffsetRect(point - window.TopLeft());
    auto* floating = new CMiniFrameWnd;
    if (!floating->CreateEx(WS_EX_TOOLWINDOW, nullptr, title, kFloatingStyle, window, this, 0)) {
        delete floating;
        return;
    }
    bar->SetParent(floating);
    floating->RecalcLayout();
    floating->ShowWindow(SW_SHOWNA);
    RecalcLayout();
}
