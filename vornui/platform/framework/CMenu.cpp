#include "vornui/platform/CMenu.h"

#include "vornui/platform/Wnd.h"

#include <map>
#include <memory>

namespace {

// A temporary object stands in for a menu it does not own: it never destroys it.
struct TemporaryMenuDeleter {
    void operator()(CMenu* menu) const {
        menu->m_hMenu = nullptr;
        delete menu;
    }
};

// The menu objects of the calling thread: those attached by the program, and temporary
// ones made for handles nobody attached, dropped once their menu is gone.
struct MenuObjects {
    std::map<HMENU, CMenu*> permanent;
    std::map<HMENU, std::unique_ptr<CMenu, TemporaryMenuDeleter>> temporary;
};

MenuObjects& Objects() {
    thread_local MenuObjects objects;
    return objects;
}

void DropDeadTemporaries(MenuObjects& objects) {
    for (auto it = objects.temporary.begin(); it != objects.temporary.end();) {
        if (IsMenu(it->first))
            ++it;
        else
            it = objects.temporary.erase(it);
    }
}

} // namespace

CMenu::CMenu() = default;

CMenu::~CMenu() {
    DestroyMenu();
}

CMenu* CMenu::FromHandlePermanent(HMENU menu) {
    const MenuObjects& objects = Objects();
    const auto found = objects.permanent.find(menu);
    return found != objects.permanent.end() ? found->second : nullptr;
}

CMenu* CMenu::FromHandle(HMENU menu) {
    if (!IsMenu(menu))
        return nullptr;
    if (CMenu* attached = FromHandlePermanent(menu))
        return attached;
    MenuObjects& objects = Objects();
    DropDeadTemporaries(objects);
    auto& temporary = objects.temporary[menu];
    if (!temporary) {
        temporary.reset(new CMenu);
        temporary->m_hMenu = menu;
    }
    return temporary.get();
}

BOOL CMenu::Attach(HMENU menu) {
    if (m_hMenu || !IsMenu(menu))
        return FALSE;
    m_hMenu = menu;
    Objects().permanent[menu] = this;
    return TRUE;
}

HMENU CMenu::Detach() {
    const HMENU menu = std::exchange(m_hMenu, nullptr);
    if (menu) {
        MenuObjects& objects = Objects();
        if (const auto found = objects.permanent.find(menu);
            found != objects.permanent.end() && found->second == this)
            objects.permanent.erase(found);
    }
    return menu;
}

BOOL CMenu::CreateMenu() {
    return Attach(::CreateMenu());
}

BOOL CMenu::CreatePopupMenu() {
    return Attach(::CreatePopupMenu());
}

BOOL CMenu::DestroyMenu() {
    const HMENU menu = Detach();
    return menu && ::DestroyMenu(menu);
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR idOrPopup, LPCTSTR text) {
    return ::AppendMenu(m_hMenu, flags, idOrPopup, text);
}

BOOL CMenu::InsertMenu(UINT item, UINT flags, UINT_PTR idOrPopup, LPCTSTR text) {
    return ::InsertMenu(m_hMenu, item, flags, idOrPopup, text);
}

BOOL CMenu::ModifyMenu(UINT item, UINT flags, UINT_PTR idOrPopup, LPCTSTR text) {
    return ::ModifyMenu(m_hMenu, item, flags, idOrPopup, text);
}

BOOL CMenu::RemoveMenu(UINT item, UINT flags) {
    return ::RemoveMenu(m_hMenu, item, flags);
}

BOOL CMenu::DeleteMenu(UINT item, UINT flags) {
    return ::DeleteMenu(m_hMenu, item, flags);
}

UINT CMenu::GetMenuItemCount() const {
    return static_cast<UINT>(::GetMenuItemCount(m_hMenu));
}

UINT CMenu::GetMenuItemID(int position) const {
    return ::GetMenuItemID(m_hMenu, position);
}

int CMenu::GetMenuString(UINT item, LPTSTR text, int maxCount, UINT flags) const {
    return ::GetMenuString(m_hMenu, item, text, maxCount, flags);
}

int CMenu::GetMenuString(UINT item, CString& text, UINT flags) const {
    const int length = ::GetMenuString(m_hMenu, item, nullptr, 0, flags);
    ::GetMenuString(m_hMenu, item, text.GetBufferSetLength(length), length + 1, flags);
    text.ReleaseBuffer();
    return text.GetLength();
}

UINT CMenu::GetMenuState(UINT item, UINT flags) const {
    return ::GetMenuState(m_hMenu, item, flags);
}

UINT CMenu::CheckMenuItem(UINT item, UINT check) {
    return static_cast<UINT>(::CheckMenuItem(m_hMenu, item, check));
}

BOOL CMenu::CheckMenuRadioItem(UINT first, UINT last, UINT check, UINT flags) {
    return ::CheckMenuRadioItem(m_hMenu, first, last, check, flags);
}

UINT CMenu::EnableMenuItem(UINT item, UINT enable) {
    return static_cast<UINT>(::EnableMenuItem(m_hMenu, item, enable));
}

CMenu* CMenu::GetSubMenu(int position) const {
    return FromHandle(::GetSubMenu(m_hMenu, position));
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect) {
    return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner ? owner->m_hWnd : nullptr, rect);
}

BOOL CMenu::TrackPopupMenuEx(UINT flags, int x, int y, CWnd* owner, LPTPMPARAMS params) {
    return ::TrackPopupMenuEx(m_hMenu, flags, x, y, owner ? owner->m_hWnd : nullptr, params);
}
