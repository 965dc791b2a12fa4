#pragma once

// The framework's menu object: owns the HMENU it made or was given (DestroyMenu in its
// destructor), or stands in for one it does not own (FromHandle, GetSubMenu).

#include "vornui/platform/CString.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/Forward.h"
#include "vornui/platform/Menu.h"

class VORNUI_API CMenu {
public:
    CMenu();
    virtual ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;

    operator HMENU() const { return m_hMenu; }
    HMENU GetSafeHmenu() const { return m_hMenu; }

    // The object attached to `menu`; a temporary one, kept while the menu lives, when none is.
    static CMenu* FromHandle(HMENU menu);
    static CMenu* FromHandlePermanent(HMENU menu);
    BOOL Attach(HMENU menu);
    HMENU Detach();

    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    BOOL DestroyMenu();

    BOOL AppendMenu(UINT flags, UINT_PTR idOrPopup = 0, LPCTSTR text = nullptr);
    BOOL InsertMenu(UINT item, UINT flags, UINT_PTR idOrPopup = 0, LPCTSTR text = nullptr);
    BOOL ModifyMenu(UINT item, UINT flags, UINT_PTR idOrPopup = 0, LPCTSTR text = nullptr);
    BOOL RemoveMenu(UINT item, UINT flags);
    BOOL DeleteMenu(UINT item, UINT flags);

    UINT GetMenuItemCount() const;
    UINT GetMenuItemID(int position) const;
    int GetMenuString(UINT item, LPTSTR text, int maxCount, UINT flags) const;
    int GetMenuString(UINT item, CString& text, UINT flags) const;
    UINT GetMenuState(UINT item, UINT flags) const;
    UINT CheckMenuItem(UINT item, UINT check);
    BOOL CheckMenuRadioItem(UINT first, UINT last, UINT check, UINT flags);
    UINT EnableMenuItem(UINT item, UINT enable);
    CMenu* GetSubMenu(int position) const;

    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect = nullptr);
    BOOL TrackPopupMenuEx(UINT flags, int x, int y, CWnd* owner, LPTPMPARAMS params);
};
