#pragma once

// The framework's command user interface: one menu item or control that stands for a
// command, handed to the command's ON_UPDATE_COMMAND_UI handler so that the handler can
// enable, check or rename it without knowing which of the two it is.

#include "vornui/platform/Export.h"
#include "vornui/platform/Forward.h"
#include "vornui/platform/WinTypes.h"

class VORNUI_API CCmdUI {
public:
    CCmdUI();
    virtual ~CCmdUI();
    CCmdUI(const CCmdUI&) = delete;
    CCmdUI& operator=(const CCmdUI&) = delete;

    UINT m_nID = 0;
    UINT m_nIndex = 0;           // the item's position in m_pMenu
    CMenu* m_pMenu = nullptr;    // the menu that holds the item, or null for a control
    CMenu* m_pSubMenu = nullptr; // the submenu the item opens, if any
    CMenu* m_pParentMenu = nullptr;
    CWnd* m_pOther = nullptr; // the control, when it is not a menu item
    UINT m_nIndexMax = 0;
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;

    virtual void Enable(BOOL on = TRUE);
    virtual void SetCheck(int check = 1);
    virtual void SetRadio(BOOL on = TRUE);
    virtual void SetText(LPCTSTR text);
    // Lets the next command target in the route handle the update as well.
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Asks `target` for the update; with `disableIfNoHandler`, a command nobody carries
    // out is disabled.
    BOOL DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler);
};
