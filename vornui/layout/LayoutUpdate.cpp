// The window side of the layout: the rectangle it is laid out in, the size limits the tree
// sets a top-level dialog, and what laying out does to the window around the tree.

#include "vornui/layout/KLayoutMgr.h"
#include "vornui/layout/PaneWindows.h"
#include "vornui/platform/Dialog.h"
#include "vornui/platform/SpinButtonCtrl.h"
#include "vornui/platform/View.h"

#include <algorithm>

namespace {

bool IsTopLevelDialog(const CWnd& wnd) {
    return wnd.IsKindOf(RUNTIME_CLASS(CDialog)) && !(wnd.GetStyle() & WS_CHILD) && !wnd.IsIconic();
}

// The frame of a window at `window` around a layout rectangle `layout`.
CSize FrameAround(const CRect& window, const CRect& layout) {
    return CSize((window.right - layout.right) - (window.left + layout.left),
                 (window.bottom - layout.bottom) - (window.top + layout.top));
}

bool IsAlignedUpDown(HWND child) {
    char className[MAX_PATH + 1] = {};
    ::GetClassName(child, className, MAX_PATH);
    const LONG style = ::GetWindowLong(child, GWL_STYLE);
    return (style & WS_VISIBLE) && (style & (UDS_ALIGNRIGHT | UDS_ALIGNLEFT)) &&
           CString(className) == UPDOWN_CLASS;
}

} // namespace

CRect KLayoutMgr::GetRect() {
    CRect rc;
    m_pWnd->GetClientRect(&rc);
    return rc;
}

void KLayoutMgr::UpdateLayout(CPane root) {
    m_RootPane = root;
    UpdateLayout();
}

void KLayoutMgr::UpdateLayout() {
    if (!m_RootPane || !m_pWnd || !::IsWindow(m_pWnd->GetSafeHwnd()))
        return;
    if (IsTopLevelDialog(*m_pWnd)) {
        CRect window;
        m_pWnd->GetWindowRect(&window);
        if (CWnd* parent = m_pWnd->GetParent(); parent && parent->IsKindOf(RUNTIME_CLASS(CView))) {
            CRect view;
            parent->GetWindowRect(&view);
            window.OffsetRect(-view.left, -view.top);
        }
        const CSize frame = FrameAround(window, GetRect());
        const CSize minimum = MinimumWindowSize(frame);
        CSize maximum = MaximumWindowSize(frame);
        window.right = window.left + std::max<int>(window.Width(), minimum.cx);
        window.bottom = window.top + std::max<int>(window.Height(), minimum.cy);
        if (maximum.cx != -1)
            window.right =
                window.left + std::min<int>(window.Width(), std::max(minimum.cx, maximum.cx));
        if (maximum.cy != -1)
            window.bottom =
                window.top + std::min<int>(window.Height(), std::max(minimum.cy, maximum.cy));
        m_pWnd->MoveWindow(&window);
    }
    CRect rc = GetRect();
    rc.DeflateRect(m_sizeRootBorders.cx, m_sizeRootBorders.cy);
    Layout(rc);
    ReattachBuddies();
    m_pWnd->Invalidate(TRUE);
}

void KLayoutMgr::Layout(CRect& rcClient) {
    if (rcClient.Height() == 0 || rcClient.Width() == 0 || !m_RootPane)
        return;
    m_RootPane->resizeTo(rcClient);
}

CSize KLayoutMgr::MinimumWindowSize(CSize frame) {
    return CSize(m_RootPane->getMinConstrainHorz() + 2 * m_sizeRootBorders.cx + frame.cx,
                 m_RootPane->getMinConstrainVert() + 2 * m_sizeRootBorders.cy + frame.cy);
}

CSize KLayoutMgr::MaximumWindowSize(CSize frame) {
    const int width = m_RootPane->getMaxConstrainHorz();
    const int height = m_RootPane->getMaxConstrainVert();
    return CSize(width == -1 ? -1 : width + 2 * m_sizeRootBorders.cx + frame.cx,
                 height == -1 ? -1 : height + 2 * m_sizeRootBorders.cy + frame.cy);
}

void KLayoutMgr::LimitTracking(MINMAXINFO* info, CSize frame) {
    if (!m_RootPane)
        return;
    const CSize minimum = MinimumWindowSize(frame);
    info->ptMinTrackSize = POINT{minimum.cx, minimum.cy};
    const CSize maximum = MaximumWindowSize(frame);
    if (maximum.cx != -1)
        info->ptMaxTrackSize.x = info->ptMaxSize.x = maximum.cx;
    if (maximum.cy != -1)
        info->ptMaxTrackSize.y = info->ptMaxSize.y = maximum.cy;
}

void KLayoutMgr::ReattachBuddies() {
    for (HWND child = ::GetWindow(m_pWnd->GetSafeHwnd(), GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!IsAlignedUpDown(child))
            continue;
        if (const LRESULT buddy = ::SendMessage(child, UDM_GETBUDDY, 0, 0))
            ::SendMessage(child, UDM_SETBUDDY, static_cast<WPARAM>(buddy), 0);
    }
}
