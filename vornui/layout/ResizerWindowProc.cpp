// The hooked window's side of the resizer: the subclassing, the messages it handles before
// the window's own procedure sees them, and the moving of the controls.

#include "vornui/layout/CWndResizer.h"
#include "vornui/layout/ResizerArithmetic.h"
#include "vornui/platform/InputCodes.h"
#include "vornui/platform/Menu.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowDC.h"
#include "vornui/platform/WindowMessages.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/WindowStyles.h"

#include <algorithm>
#include <climits>
#include <unordered_map>

using resizer::HeightOf;
using resizer::Saturate;
using resizer::WidthOf;

namespace {

std::unordered_map<HWND, CWndResizer*>& ResizerMap() {
    static std::unordered_map<HWND, CWndResizer*> map;
    return map;
}

// The client rectangle widened to the whole scrollable area and shifted by the scrolling.
CRect TrueClientRect(CWnd* wnd) {
    CRect rect;
    wnd->GetClientRect(&rect);
    const DWORD style = wnd->GetStyle();
    if (style & WS_HSCROLL) {
        int minimum = 0;
        int maximum = 0;
        wnd->GetScrollRange(SB_HORZ, &minimum, &maximum);
        rect.right = Saturate(rect.left + 0LL + maximum);
        const int position = wnd->GetScrollPos(SB_HORZ);
        rect.SetRect(Saturate(rect.left - 0LL - position), rect.top,
                     Saturate(rect.right - 0LL - position), rect.bottom);
    }
    if (style & WS_VSCROLL) {
        int minimum = 0;
        int maximum = 0;
        wnd->GetScrollRange(SB_VERT, &minimum, &maximum);
        rect.bottom = Saturate(rect.top + 0LL + maximum);
        const int position = wnd->GetScrollPos(SB_VERT);
        rect.SetRect(rect.left, Saturate(rect.top - 0LL - position), rect.right,
                     Saturate(rect.bottom - 0LL - position));
    }
    return rect;
}

// Limits far beyond any screen are held where the frame arithmetic cannot overflow.
CSize WindowSizeFor(CSize client, DWORD style, BOOL menu, DWORD exStyle) {
    constexpr long kBound = INT_MAX / 4;
    CRect rect(0, 0, std::clamp<long>(client.cx, -kBound, kBound),
               std::clamp<long>(client.cy, -kBound, kBound));
    AdjustWindowRectEx(&rect, style, menu, exStyle);
    return rect.Size();
}

// Moves the edge being dragged so that the extent lies within the limits.
void HoldExtent(LONG& moving, LONG fixed, int sign, long long minimum, long long maximum) {
    const long long extent = sign * (moving - 0LL - fixed);
    if (extent < minimum)
        moving = Saturate(fixed + sign * minimum);
    if (sign * (moving - 0LL - fixed) > maximum)
        moving = Saturate(fixed + sign * maximum);
}

template <class Visit>
void EachPanel(CWndResizer::CPanel* panel, const Visit& visit) {
    visit(panel);
    for (CWndResizer::CPanel* child : panel->Children)
        EachPanel(child, visit);
}

// Where a control goes, held within a range to which the window manager can add origins.
struct Placement {
    int x;
    int y;
    int cx;
    int cy;
};

constexpr long long kPlacementBound = INT_MAX / 4;

Placement PlacementOf(const CRect& rect) {
    const auto held = [](long long value) {
        return static_cast<int>(std::clamp(value, -kPlacementBound, kPlacementBound));
    };
    return Placement{held(rect.left), held(rect.top), held(WidthOf(rect)), held(HeightOf(rect))};
}

CPoint PointOf(LPARAM lParam) {
    return CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
}

} // namespace

BOOL CWndResizer::Hook(CWnd* parent) {
    return HookAt(parent, nullptr);
}

BOOL CWndResizer::Hook(CWnd* parent, CSize& size) {
    return HookAt(parent, &size);
}

// The root takes the window's true client rectangle, or `designed` as its size; the grip
// takes the root's bottom-right corner.
BOOL CWndResizer::HookAt(CWnd* parent, const CSize* designed) {
    if (!parent || !::IsWindow(parent->GetSafeHwnd()) || m_pHookedWnd ||
        ResizerMap().count(parent->GetSafeHwnd()))
        return FALSE;
    m_pHookedWnd = parent;
    m_pRootPanel.m_pHookedWnd = parent;
    CRect client = TrueClientRect(parent);
    if (designed)
        client.SetRect(client.left, client.top, Saturate(client.left + 0LL + designed->cx),
                       Saturate(client.top + 0LL + designed->cy));
    m_pRootPanel.SetRect(client.left, client.top, client.right, client.bottom);
    const CRect gripRect(Saturate(client.right - 0LL - GetSystemMetrics(SM_CXHSCROLL)),
                         Saturate(client.bottom - 0LL - GetSystemMetrics(SM_CYVSCROLL)),
                         client.right, client.bottom);
    auto* grip = new CGripperPanel(&gripRect); // owned by the root
    grip->Anchor = anchorRight | anchorBottom;
    m_pRootPanel.AddChild(grip);
    const HWND hwnd = parent->GetSafeHwnd();
    ResizerMap()[hwnd] = this;
    m_pfnWndProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtr(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc)));
    return TRUE;
}

BOOL CWndResizer::Unhook() {
    if (!m_pHookedWnd)
        return FALSE;
    const HWND hwnd = m_pHookedWnd->GetSafeHwnd();
    if (m_pSplitterPanel)
        ReleaseSplitter();
    SetWindowLongPtr(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnWndProc));
    ResizerMap().erase(hwnd);
    std::vector<CPanel*> children;
    children.swap(m_pRootPanel.Children);
    for (CPanel* child : children)
        delete child;
    m_pHookedWnd = nullptr;
    m_pRootPanel.m_pHookedWnd = nullptr;
    m_pfnWndProc = nullptr;
    return TRUE;
}

LRESULT CWndResizer::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto found = ResizerMap().find(hwnd);
    if (found == ResizerMap().end())
        return DefWindowProc(hwnd, message, wParam, lParam);
    CWndResizer& resizer = *found->second;
    const WNDPROC previous = resizer.m_pfnWndProc;
    switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
        resizer.OnMouseMove(static_cast<UINT>(wParam), PointOf(lParam));
        break;
    case WM_LBUTTONDOWN:
        resizer.OnLButtonDown(PointOf(lParam));
        break;
    case WM_SIZING:
        resizer.OnSizing(static_cast<UINT>(wParam), reinterpret_cast<LPRECT>(lParam));
        break;
    case WM_SIZE:
    case WM_HSCROLL:
    case WM_VSCROLL:
        resizer.OnSize();
        break;
    case WM_PAINT:
        resizer.OnPaint();
        break;
    case WM_DESTROY:
        resizer.Unhook();
        break;
    default:
        break;
    }
    return CallWindowProc(previous, hwnd, message, wParam, lParam);
}

void CWndResizer::OnSize() {
    const CRect client = TrueClientRect(m_pHookedWnd);
    m_pRootPanel.SetRect(client.left, client.top, client.right, client.bottom);
    const long long width = WidthOf(m_pRootPanel);
    const long long height = HeightOf(m_pRootPanel);
    if (width < m_pRootPanel.MinSize.cx)
        m_pRootPanel.right = Saturate(m_pRootPanel.left + 0LL + m_pRootPanel.MinSize.cx);
    if (width > m_pRootPanel.MaxSize.cx)
        m_pRootPanel.right = Saturate(m_pRootPanel.left + 0LL + m_pRootPanel.MaxSize.cx);
    if (height < m_pRootPanel.MinSize.cy)
        m_pRootPanel.bottom = Saturate(m_pRootPanel.top + 0LL + m_pRootPanel.MinSize.cy);
    if (height > m_pRootPanel.MaxSize.cy)
        m_pRootPanel.bottom = Saturate(m_pRootPanel.top + 0LL + m_pRootPanel.MaxSize.cy);
    m_pRootPanel.OnResized();
    ResizeUI(&m_pRootPanel);
}

void CWndResizer::OnSizing(UINT side, LPRECT rect) {
    if (!rect || side < WMSZ_LEFT || side > WMSZ_BOTTOMRIGHT)
        return;
    const HWND hwnd = m_pHookedWnd->GetSafeHwnd();
    const DWORD style = m_pHookedWnd->GetStyle();
    const DWORD exStyle = m_pHookedWnd->GetExStyle();
    const BOOL menu = ::GetMenu(hwnd) != nullptr;
    const CSize minimum = WindowSizeFor(m_pRootPanel.MinSize, style, menu, exStyle);
    const CSize maximum = WindowSizeFor(m_pRootPanel.MaxSize, style, menu, exStyle);
    if (side == WMSZ_LEFT || side == WMSZ_TOPLEFT || side == WMSZ_BOTTOMLEFT)
        HoldExtent(rect->left, rect->right, -1, minimum.cx, maximum.cx);
    if (side == WMSZ_RIGHT || side == WMSZ_TOPRIGHT || side == WMSZ_BOTTOMRIGHT)
        HoldExtent(rect->right, rect->left, 1, minimum.cx, maximum.cx);
    if (side == WMSZ_TOP || side == WMSZ_TOPLEFT || side == WMSZ_TOPRIGHT)
        HoldExtent(rect->top, rect->bottom, -1, minimum.cy, maximum.cy);
    if (side == WMSZ_BOTTOM || side == WMSZ_BOTTOMLEFT || side == WMSZ_BOTTOMRIGHT)
        HoldExtent(rect->bottom, rect->top, 1, minimum.cy, maximum.cy);
}

void CWndResizer::OnPaint() {
    CPaintDC dc(m_pHookedWnd);
    EachPanel(&m_pRootPanel, [&dc](CPanel* panel) {
        if (auto* visual = dynamic_cast<CVisualPanel*>(panel); visual && visual->m_bVisible)
            visual->Draw(&dc);
    });
}

BOOL CWndResizer::InvokeOnResized(bool resizeToMin) {
    if (!m_pHookedWnd)
        return FALSE;
    OnSize();
    if (!resizeToMin)
        return TRUE;
    const CSize size = WindowSizeFor(m_pRootPanel.MinSize, m_pHookedWnd->GetStyle(), FALSE,
                                     m_pHookedWnd->GetExStyle());
    CRect window;
    m_pHookedWnd->GetWindowRect(&window);
    if (m_pHookedWnd->GetStyle() & WS_CHILD)
        m_pHookedWnd->GetParent()->ScreenToClient(&window);
    m_pHookedWnd->MoveWindow(window.left, window.top, size.cx, size.cy);
    m_pHookedWnd->CenterWindow();
    return TRUE;
}

// Plain controls move in one batch and repaint together; controls that hold other panels
// move afterwards, one by one, so that they paint over what they hold.
void CWndResizer::ResizeUI(CPanel* panel) {
    if (!m_pHookedWnd)
        return;
    const HWND hwnd = m_pHookedWnd->GetSafeHwnd();
    std::vector<std::pair<HWND, const CRect*>> plain;
    std::vector<std::pair<HWND, const CRect*>> containers;
    EachPanel(panel, [&](CPanel* each) {
        const auto* control = dynamic_cast<CUIPanel*>(each);
        if (!control)
            return;
        const HWND window = ::GetDlgItem(hwnd, static_cast<int>(control->m_uID));
        if (window) // a control destroyed since its panel was made is left out
            (control->m_bOle ? containers : plain).emplace_back(window, control);
    });
    if (!plain.empty()) {
        HDWP batch = BeginDeferWindowPos(static_cast<int>(plain.size()));
        for (const auto& [window, rect] : plain) {
            const Placement place = PlacementOf(*rect);
            batch = DeferWindowPos(batch, window, nullptr, place.x, place.y, place.cx, place.cy,
                                   SWP_NOZORDER | SWP_NOACTIVATE);
        }
        EndDeferWindowPos(batch);
        ::InvalidateRect(hwnd, panel, FALSE);
    }
    for (const auto& [window, rect] : containers)
        ::MoveWindow(window, rect->left, rect->top, Saturate(WidthOf(*rect)),
                     Saturate(HeightOf(*rect)), TRUE);
    if (m_pPropCtrl && m_pPropCtrlReference && ::IsWindow(m_pPropCtrl->GetSafeHwnd()) &&
        ::IsWindow(m_pPropCtrlReference->GetSafeHwnd())) {
        CRect area;
        m_pPropCtrlReference->GetClientRect(&area);
        MapWindowPoints(m_pPropCtrlReference->GetSafeHwnd(),
                        ::GetParent(m_pPropCtrl->GetSafeHwnd()), reinterpret_cast<LPPOINT>(&area),
                        2);
        m_pPropCtrl->MoveWindow(&area, TRUE);
    }
}

bool CWndResizer::IsHookedWindowAt(CPoint point) const {
    CPoint screen(point);
    ::ClientToScreen(m_pHookedWnd->GetSafeHwnd(), &screen);
    return ::WindowFromPoint(screen) == m_pHookedWnd->GetSafeHwnd();
}

CWndResizer::CSpitterPanel* CWndResizer::SplitterAt(CPoint point) {
    CSpitterPanel* found = nullptr;
    EachPanel(&m_pRootPanel, [&](CPanel* panel) {
        auto* splitter = dynamic_cast<CSpitterPanel*>(panel);
        if (found || !splitter || !splitter->PtInRect(point))
            return;
        const auto* container = dynamic_cast<CSplitContainer*>(splitter->Parent);
        if (container && !container->m_IsSplitterFixed)
            found = splitter;
    });
    return found && IsHookedWindowAt(point) ? found : nullptr;
}

void CWndResizer::ReleaseSplitter() {
    ::ReleaseCapture();
    m_pSplitterPanel = nullptr;
    ::SetCursor(m_hOldCursor);
    m_hOldCursor = nullptr;
}

void CWndResizer::OnMouseMove(UINT flags, CPoint point) {
    if (m_pSplitterPanel && !(flags & MK_LBUTTON) &&
        (!m_pSplitterPanel->PtInRect(point) || !IsHookedWindowAt(point)))
        ReleaseSplitter();
    if (!m_pSplitterPanel && flags == 0) {
        CSpitterPanel* splitter = SplitterAt(point);
        if (!splitter)
            return;
        m_pSplitterPanel = splitter;
        m_pHookedWnd->SetCapture();
        const bool across = splitter->m_OrientationType == splitLeftRight;
        m_hOldCursor = ::SetCursor(LoadCursor(nullptr, across ? IDC_SIZEWE : IDC_SIZENS));
    } else if (m_pSplitterPanel && (flags & MK_LBUTTON)) {
        auto* container = static_cast<CSplitContainer*>(m_pSplitterPanel->Parent);
        const int old = container->GetSplitterPosition();
        const bool across = container->m_Orientation == splitLeftRight;
        container->SetSplitterPosition(
            Saturate((across ? point.x : point.y) - 0LL - m_splitterOffset));
        OnLButtonDown(point);
        if (container->GetSplitterPosition() != old)
            ResizeUI(container);
    }
}

// Where inside the splitter the mouse holds it.
void CWndResizer::OnLButtonDown(CPoint point) {
    if (!m_pSplitterPanel)
        return;
    const bool across = m_pSplitterPanel->m_OrientationType == splitLeftRight;
    const LONG at = across ? point.x : point.y;
    const LONG nearEdge = across ? m_pSplitterPanel->left : m_pSplitterPanel->top;
    const LONG farEdge = across ? m_pSplitterPanel->right : m_pSplitterPanel->bottom;
    m_splitterOffset = at < nearEdge ? 0 : Saturate(std::min(at, farEdge) - 0LL - nearEdge);
}
