#include "vornui/platform/FrameWnd.h"

#include "vornui/platform/CMenu.h"
#include "vornui/platform/CmdUI.h"
#include "vornui/platform/View.h"
#include "vornui/platform/WinApp.h"
#include "vornui/platform/internal/FrameOrViewClass.h"

namespace {

// Whether `hwnd` belongs to `frame`: the frame owns it, directly or through its owners.
bool OwnedBy(HWND frame, HWND hwnd) {
    for (HWND owner = ::GetWindow(hwnd, GW_OWNER); owner; owner = ::GetWindow(owner, GW_OWNER))
        if (owner == frame)
            return true;
    return false;
}

// Updates the items of `menu` as the command route of `frame` says; a submenu is updated
// through its first item, and never disabled for want of a handler.
void UpdateMenuItems(CFrameWnd& frame, CMenu& menu, BOOL autoEnable) {
    CCmdUI state;
    state.m_pMenu = &menu;
    state.m_nIndexMax = menu.GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = menu.GetMenuItemID(static_cast<int>(state.m_nIndex));
        if (state.m_nID == 0)
            continue; // a separator
        if (state.m_nID == static_cast<UINT>(-1)) {
            state.m_pSubMenu = menu.GetSubMenu(static_cast<int>(state.m_nIndex));
            if (!state.m_pSubMenu)
                continue;
            state.m_nID = state.m_pSubMenu->GetMenuItemID(0);
            if (state.m_nID == 0 || state.m_nID == static_cast<UINT>(-1))
                continue;
            state.DoUpdate(&frame, FALSE);
        } else {
            state.m_pSubMenu = nullptr;
            // The window menu's commands are the system's: they are never auto-disabled.
            state.DoUpdate(&frame, autoEnable && state.m_nID < 0xF000);
        }
        // A handler may have added or removed items: stay on the item just updated.
        const UINT count = menu.GetMenuItemCount();
        if (count < state.m_nIndexMax) {
            state.m_nIndex -= state.m_nIndexMax - count;
            while (state.m_nIndex < count &&
                   menu.GetMenuItemID(static_cast<int>(state.m_nIndex)) == state.m_nID)
                ++state.m_nIndex;
        }
        state.m_nIndexMax = count;
    }
}

} // namespace

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

CFrameWnd::CFrameWnd() = default;

CFrameWnd::~CFrameWnd() = default;

BOOL CFrameWnd::Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect,
                       CWnd* parent, DWORD exStyle) {
    const bool byDefault = EqualRect(&rect, &rectDefault);
    const int width = byDefault ? CW_USEDEFAULT : rect.right - rect.left;
    const int height = byDefault ? CW_USEDEFAULT : rect.bottom - rect.top;
    return CreateEx(exStyle, className, windowName, style, rect.left, rect.top, width, height,
                    parent ? parent->m_hWnd : nullptr, nullptr);
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& create) {
    if (!create.lpszClass)
        create.lpszClass = FrameOrViewClass();
    create.dwExStyle |= WS_EX_CLIENTEDGE;
    return TRUE;
}

void CFrameWnd::PostNcDestroy() {
    delete this;
}

void CFrameWnd::RecalcLayout(BOOL) {
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST);
}

void CFrameWnd::SetActiveView(CView* view, BOOL) {
    m_pViewActive = view;
    if (view && ::GetFocus() != view->m_hWnd && ::GetActiveWindow() == m_hWnd)
        view->SetFocus();
}

void CFrameWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    if (type != SIZE_MINIMIZED)
        RecalcLayout();
}

BOOL CFrameWnd::OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) {
    if (m_pViewActive && m_pViewActive->OnCmdMsg(id, code, extra, handlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(id, code, extra, handlerInfo))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(id, code, extra, handlerInfo);
}

void CFrameWnd::OnInitMenuPopup(CMenu* popupMenu, UINT index, BOOL systemMenu) {
    CWnd::OnInitMenuPopup(popupMenu, index, systemMenu);
    if (!systemMenu && popupMenu)
        UpdateMenuItems(*this, *popupMenu, m_bAutoMenuEnable);
}

void CFrameWnd::BeginModalState() {
    if (m_nModalDepth++ != 0)
        return;
    for (HWND hwnd = ::GetWindow(::GetDesktopWindow(), GW_CHILD); hwnd;
         hwnd = ::GetWindow(hwnd, GW_HWNDNEXT)) {
        if (hwnd != m_hWnd && ::IsWindowEnabled(hwnd) && FromHandlePermanent(hwnd) &&
            OwnedBy(m_hWnd, hwnd)) {
            ::EnableWindow(hwnd, FALSE);
            m_disabledByModal.push_back(hwnd);
        }
    }
}

void CFrameWnd::EndModalState() {
    if (m_nModalDepth == 0 || --m_nModalDepth != 0)
        return;
    for (HWND hwnd : m_disabledByModal)
        if (::IsWindow(hwnd))
            ::EnableWindow(hwnd, TRUE);
    m_disabledByModal.clear();
}

void CFrameWnd::OnEnable(BOOL enable) {
    CWnd::OnEnable(enable);
    if (::GetWindow(m_hWnd, GW_OWNER) || (GetStyle() & WS_CHILD))
        return; // only a frame nobody owns keeps its windows in step
    if (!enable && !InModalState()) {
        m_bModalDisabled = true;
        BeginModalState();
    } else if (enable && m_bModalDisabled) {
        m_bModalDisabled = false;
        EndModalState();
    }
}
