#include "vornui/platform/Menu.h"

#include "vornui/platform/LastError.h"
#include "vornui/platform/internal/MenuRecord.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <unordered_set>

namespace {

struct MenuRegistry {
    std::mutex lock;
    std::unordered_set<HMENU> live;
};

MenuRegistry& Registry() {
    static MenuRegistry* const registry = new MenuRegistry; // handles outlive statics
    return *registry;
}

HMENU NewMenu(bool popup) {
    auto menu = std::make_unique<MenuTag>();
    menu->popup = popup;
    MenuRegistry& registry = Registry();
    std::lock_guard guard(registry.lock);
    return *registry.live.insert(menu.release()).first;
}

bool Unregister(HMENU menu) {
    MenuRegistry& registry = Registry();
    std::lock_guard guard(registry.lock);
    return registry.live.erase(menu) > 0;
}

constexpr UINT kStateBits = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_HILITE | MF_DEFAULT;
constexpr UINT kTypeBits = MF_SEPARATOR | MF_POPUP | MF_MENUBARBREAK | MF_MENUBREAK |
                           MFT_RADIOCHECK | MF_RIGHTJUSTIFY | MF_BITMAP | MF_OWNERDRAW;

// Fills `item` from the arguments of AppendMenu, InsertMenu and ModifyMenu.
bool SetItem(MenuItemRecord& item, UINT flags, UINT_PTR idOrPopup, LPCTSTR text) {
    if (flags & MF_POPUP) {
        const auto subMenu = reinterpret_cast<HMENU>(idOrPopup);
        if (!LiveMenu(subMenu))
            return false;
        item.subMenu = subMenu;
        item.id = idOrPopup;
    } else {
        item.subMenu = nullptr;
        item.id = idOrPopup;
    }
    item.flags = flags & (kStateBits | kTypeBits);
    const bool hasText = !(flags & (MF_SEPARATOR | MF_BITMAP | MF_OWNERDRAW));
    item.text = hasText && text ? text : "";
    return true;
}

MenuItemRecord* FindByCommand(HMENU& menu, UINT id) {
    MenuTag* record = LiveMenu(menu);
    if (!record)
        return nullptr;
    for (MenuItemRecord& item : record->items) {
        if (!item.subMenu && item.id == id && !(item.flags & MF_SEPARATOR))
            return &item;
        if (item.subMenu) {
            HMENU inner = item.subMenu;
            if (MenuItemRecord* found = FindByCommand(inner, id)) {
                menu = inner;
                return found;
            }
        }
    }
    return nullptr;
}

size_t IndexOf(const MenuTag& menu, const MenuItemRecord* item) {
    return static_cast<size_t>(item - menu.items.data());
}

// The item a state change names, with ERROR_MENU_ITEM_NOT_FOUND when it is not there.
MenuItemRecord* ItemToChange(HMENU menu, UINT item, UINT flags) {
    MenuItemRecord* found = FindMenuItem(menu, item, flags);
    if (!found && LiveMenu(menu))
        SetLastError(ERROR_MENU_ITEM_NOT_FOUND);
    return found;
}

BOOL TakeOut(HMENU menu, UINT item, UINT flags, bool destroySubMenu) {
    MenuItemRecord* found = ItemToChange(menu, item, flags);
    if (!found)
        return FALSE;
    MenuTag* record = LiveMenu(menu);
    const HMENU subMenu = found->subMenu;
    record->items.erase(record->items.begin() +
                        static_cast<std::ptrdiff_t>(IndexOf(*record, found)));
    if (destroySubMenu && subMenu)
        DestroyMenu(subMenu);
    return TRUE;
}

} // namespace

MenuTag* LiveMenu(HMENU menu) {
    if (menu) {
        MenuRegistry& registry = Registry();
        std::lock_guard guard(registry.lock);
        if (registry.live.count(menu))
            return menu;
    }
    SetLastError(ERROR_INVALID_MENU_HANDLE);
    return nullptr;
}

MenuItemRecord* FindMenuItem(HMENU& menu, UINT item, UINT flags) {
    MenuTag* record = LiveMenu(menu);
    if (!record)
        return nullptr;
    if (flags & MF_BYPOSITION)
        return item < record->items.size() ? &record->items[item] : nullptr;
    return FindByCommand(menu, item);
}

HMENU CreateMenu() {
    return NewMenu(false);
}

HMENU CreatePopupMenu() {
    return NewMenu(true);
}

BOOL DestroyMenu(HMENU menu) {
    if (!LiveMenu(menu) || !Unregister(menu))
        return FALSE;
    const std::unique_ptr<MenuTag> owned(menu);
    if (owned->window)
        MenuDestroyed(owned->window, menu);
    for (const MenuItemRecord& item : owned->items)
        if (item.subMenu)
            DestroyMenu(item.subMenu);
    return TRUE;
}

BOOL IsMenu(HMENU menu) {
    return LiveMenu(menu) != nullptr;
}

BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR idOrPopup, LPCTSTR text) {
    MenuTag* record = LiveMenu(menu);
    MenuItemRecord item;
    if (!record || !SetItem(item, flags, idOrPopup, text))
        return FALSE;
    record->items.push_back(item);
    return TRUE;
}

BOOL InsertMenu(HMENU menu, UINT item, UINT flags, UINT_PTR idOrPopup, LPCTSTR text) {
    MenuItemRecord inserted;
    if (!LiveMenu(menu) || !SetItem(inserted, flags, idOrPopup, text))
        return FALSE;
    HMENU holder = menu;
    const MenuItemRecord* before = FindMenuItem(holder, item, flags);
    MenuTag* record = LiveMenu(before ? holder : menu);
    const size_t at = before ? IndexOf(*record, before) : record->items.size();
    record->items.insert(record->items.begin() + static_cast<std::ptrdiff_t>(at), inserted);
    return TRUE;
}

BOOL ModifyMenu(HMENU menu, UINT item, UINT flags, UINT_PTR idOrPopup, LPCTSTR text) {
    MenuItemRecord* found = ItemToChange(menu, item, flags);
    MenuItemRecord changed;
    if (!found || !SetItem(changed, flags, idOrPopup, text))
        return FALSE;
    const HMENU previous = found->subMenu;
    changed.rect = found->rect;
    *found = changed;
    if (previous && previous != changed.subMenu)
        DestroyMenu(previous);
    return TRUE;
}

BOOL RemoveMenu(HMENU menu, UINT item, UINT flags) {
    return TakeOut(menu, item, flags, false);
}

BOOL DeleteMenu(HMENU menu, UINT item, UINT flags) {
    return TakeOut(menu, item, flags, true);
}

int GetMenuItemCount(HMENU menu) {
    const MenuTag* record = LiveMenu(menu);
    return record ? static_cast<int>(record->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
    const MenuItemRecord* item =
        position < 0 ? nullptr : FindMenuItem(menu, static_cast<UINT>(position), MF_BYPOSITION);
    if (!item || item->subMenu)
        return static_cast<UINT>(-1);
    return static_cast<UINT>(item->id);
}

int GetMenuString(HMENU menu, UINT item, LPTSTR text, int maxCount, UINT flags) {
    const MenuItemRecord* found = FindMenuItem(menu, item, flags);
    if (text && maxCount > 0)
        text[0] = '\0';
    if (!found)
        return 0;
    if (!text)
        return found->text.GetLength();
    if (maxCount <= 0)
        return 0;
    const int length = std::min(found->text.GetLength(), maxCount - 1);
    std::copy_n(found->text.GetString(), length, text);
    text[length] = '\0';
    return length;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
    const MenuItemRecord* found = FindMenuItem(menu, item, flags);
    if (!found)
        return static_cast<UINT>(-1);
    if (found->subMenu)
        return (static_cast<UINT>(GetMenuItemCount(found->subMenu)) << 8) | (found->flags & 0xFF);
    return found->flags;
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT check) {
    MenuItemRecord* found = ItemToChange(menu, item, check);
    if (!found)
        return static_cast<DWORD>(-1);
    const DWORD previous = found->flags & MF_CHECKED;
    found->flags = (found->flags & ~MF_CHECKED) | (check & MF_CHECKED);
    return previous;
}

BOOL EnableMenuItem(HMENU menu, UINT item, UINT enable) {
    MenuItemRecord* found = ItemToChange(menu, item, enable);
    if (!found)
        return -1;
    const BOOL previous = static_cast<BOOL>(found->flags & (MF_GRAYED | MF_DISABLED));
    found->flags =
        (found->flags & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
    return previous;
}

BOOL CheckMenuRadioItem(HMENU menu, UINT first, UINT last, UINT check, UINT flags) {
    HMENU holder = menu;
    const MenuItemRecord* from = FindMenuItem(holder, first, flags);
    HMENU lastHolder = menu;
    const MenuItemRecord* to = FindMenuItem(lastHolder, last, flags);
    if (!from || !to || holder != lastHolder)
        return FALSE;
    MenuTag* record = LiveMenu(holder);
    size_t begin = IndexOf(*record, from);
    size_t end = IndexOf(*record, to);
    if (begin > end)
        std::swap(begin, end);
    bool checked = false;
    for (size_t index = begin; index <= end; ++index) {
        MenuItemRecord& item = record->items[index];
        const UINT name =
            (flags & MF_BYPOSITION) ? static_cast<UINT>(index) : static_cast<UINT>(item.id);
        if (name == check && !item.subMenu && !(item.flags & MF_SEPARATOR)) {
            item.flags |= MFT_RADIOCHECK | MF_CHECKED;
            checked = true;
        } else {
            item.flags &= ~MF_CHECKED;
        }
    }
    return checked;
}

HMENU GetSubMenu(HMENU menu, int position) {
    const MenuItemRecord* item =
        position < 0 ? nullptr : FindMenuItem(menu, static_cast<UINT>(position), MF_BYPOSITION);
    return item ? item->subMenu : nullptr;
}
