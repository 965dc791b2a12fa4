#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/Menu.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/internal/ScriptedInput.h"

#include <functional>

namespace {

HMENU MenuOf(HWND menuWindow) {
    return reinterpret_cast<HMENU>(SendMessage(menuWindow, MN_GETHMENU, 0, 0));
}

// What a person reads on the item: without the '&' marks and the accelerator.
CString VisibleText(HMENU menu, int position) {
    char text[256];
    GetMenuString(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    CString label(text);
    if (const int tab = label.Find('\t'); tab >= 0)
        label = label.Left(tab);
    CString visible;
    for (int index = 0; index < label.GetLength(); ++index) {
        if (label[index] == '&' && index + 1 < label.GetLength())
            ++index;
        visible += label[index];
    }
    return visible;
}

POINT BesideMenu(HWND menuWindow) {
    RECT window;
    GetWindowRect(menuWindow, &window);
    return POINT{window.left - 8, window.top - 8};
}

// Clicks the first item `matches` accepts, or beside the menu when there is none.
CScriptedUser::Step ClickItem(std::function<bool(HMENU, int)> matches) {
    return [matches = std::move(matches)](HWND menuWindow) {
        const HMENU menu = MenuOf(menuWindow);
        const int count = GetMenuItemCount(menu);
        for (int position = 0; position < count; ++position) {
            RECT item;
            if (matches(menu, position) &&
                GetMenuItemRect(nullptr, menu, static_cast<UINT>(position), &item)) {
                PostClick(menuWindow, CRect(item).CenterPoint());
                return ModalAction::Acted;
            }
        }
        PostClick(menuWindow, BesideMenu(menuWindow));
        return ModalAction::Acted;
    };
}

} // namespace

CScriptedUser& CScriptedUser::ChooseMenuItem(const char* text) {
    return Then(ClickItem([wanted = CString(text)](HMENU menu, int position) {
        return VisibleText(menu, position) == wanted;
    }));
}

CScriptedUser& CScriptedUser::ChooseMenuItem(UINT id) {
    return Then(
        ClickItem([id](HMENU menu, int position) { return GetMenuItemID(menu, position) == id; }));
}

CScriptedUser& CScriptedUser::DismissMenu() {
    return Then([](HWND menuWindow) {
        PostClick(menuWindow, BesideMenu(menuWindow));
        return ModalAction::Acted;
    });
}

ModalAction CScriptedUser::ActInPopupMenu(HWND menuWindow) {
    return ActInModalDialog(menuWindow);
}
