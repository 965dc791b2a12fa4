#include "vornui/platform/ControlBars.h"

#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/Wnd.h"

void CWnd::RepositionBars(UINT firstId, UINT lastId, UINT leftOverId, UINT flags, LPRECT rectParam,
                          LPCRECT rectClient, BOOL stretch) {
    AFX_SIZEPARENTPARAMS layout{nullptr, {}, {0, 0}, stretch};
    if (flags != reposQuery)
        layout.hDWP = ::BeginDeferWindowPos(8);
    if (rectClient)
        layout.rect = *rectClient;
    else
        GetClientRect(&layout.rect);
    HWND leftOver = nullptr;
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        const UINT id = static_cast<UINT>(::GetDlgCtrlID(child));
        if (id == leftOverId)
            leftOver = child;
        else if (id >= firstId && id <= lastId)
            ::SendMessage(child, WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
    }
    if (flags == reposQuery) {
        if (rectParam)
            *rectParam = layout.rect;
        return;
    }
    if (flags == reposExtra && rectParam) {
        layout.rect.left += rectParam->left;
        layout.rect.top += rectParam->top;
        layout.rect.right -= rectParam->right;
        layout.rect.bottom -= rectParam->bottom;
    }
    if (leftOver && layout.hDWP)
        layout.hDWP =
            ::DeferWindowPos(layout.hDWP, leftOver, nullptr, layout.rect.left, layout.rect.top,
                             layout.rect.right - layout.rect.left,
                             layout.rect.bottom - layout.rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (layout.hDWP)
        ::EndDeferWindowPos(layout.hDWP);
}
