#include "vornui/platform/MessageBoxWindow.h"

#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/DialogManager.h"
#include "vornui/platform/Icons.h"
#include "vornui/platform/InputCodes.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/Static.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPosition.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string TextOf(HWND window) {
    char text[256] = {};
    GetWindowText(window, text, sizeof text);
    return text;
}

CRect PlaceIn(HWND box, HWND child) {
    CRect place;
    GetWindowRect(child, &place);
    ScreenToClient(box, reinterpret_cast<POINT*>(&place.left));
    ScreenToClient(box, reinterpret_cast<POINT*>(&place.right));
    return place;
}

std::vector<HWND> StaticsOf(HWND box) {
    std::vector<HWND> statics;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[32] = {};
        GetClassName(child, name, sizeof name);
        if (std::string(name) == "Static")
            statics.push_back(child);
    }
    return statics;
}

} // namespace

TEST(MessageBoxWindow, ButtonsEndTheBoxWithTheirIdsAndEscapeOnlyWhereTheBoxCanBeCancelled) {
    {
        CScriptedUser user;
        user.Click(IDNO);
        EXPECT_EQ(ShowMessageBoxWindow(MessageBoxRequest{nullptr, "Overwrite line 12?", "Save",
                                                         MB_YESNOCANCEL | MB_ICONQUESTION}),
                  IDNO);
        EXPECT_EQ(user.DialogsShown(), std::vector<CString>{CString("Save")});
    }
    {
        CScriptedUser user; // Enter presses the default button
        user.Press(VK_RETURN);
        EXPECT_EQ(ShowMessageBoxWindow(
                      MessageBoxRequest{nullptr, "Stop?", "Log", MB_YESNOCANCEL | MB_DEFBUTTON2}),
                  IDNO);
    }
    {
        CScriptedUser user; // Escape on a box of OK alone is OK
        user.Press(VK_ESCAPE);
        EXPECT_EQ(ShowMessageBoxWindow(MessageBoxRequest{nullptr, "Done.", "Log", MB_OK}), IDOK);
    }
    {
        CScriptedUser user; // Yes or No has to be answered: Escape does nothing
        user.Press(VK_ESCAPE).Click(IDYES);
        EXPECT_EQ(ShowMessageBoxWindow(MessageBoxRequest{nullptr, "Keep?", "Log", MB_YESNO}),
                  IDYES);
    }
}

TEST(MessageBoxWindow, ShowsItsIconBesideTheTextAndItsButtonsCentredBelow) {
    const HWND box = CreateMessageBoxWindow(
        MessageBoxRequest{nullptr, "Line 12 exists.\nOverwrite it?", "Save",
                          MB_YESNOCANCEL | MB_ICONWARNING | MB_HELP | MB_DEFBUTTON2});
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(IsWindowVisible(box));
    EXPECT_EQ(TextOf(box), "Save");

    const std::vector<HWND> statics = StaticsOf(box);
    ASSERT_EQ(statics.size(), 2u);
    const HWND icon = (GetWindowLongPtr(statics[0], GWL_STYLE) & SS_TYPEMASK) == SS_ICON
                          ? statics[0]
                          : statics[1];
    const HWND text = icon == statics[0] ? statics[1] : statics[0];
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessage(icon, STM_GETICON, 0, 0)),
              LoadIcon(nullptr, IDI_WARNING));
    EXPECT_EQ(TextOf(text), "Line 12 exists.\nOverwrite it?");
    EXPECT_GE(PlaceIn(box, text).left, PlaceIn(box, icon).right);
    EXPECT_GT(PlaceIn(box, text).Height(), PlaceIn(box, icon).Height() / 2); // two lines

    CRect client;
    GetClientRect(box, &client);
    const std::vector<std::pair<int, std::string>> buttons = {
        {IDYES, "&Yes"}, {IDNO, "&No"}, {IDCANCEL, "Cancel"}, {IDHELP, "&Help"}};
    int previousRight = 0;
    for (const auto& [id, label] : buttons) {
        const HWND button = GetDlgItem(box, id);
        ASSERT_NE(button, nullptr) << label;
        EXPECT_EQ(TextOf(button), label);
        const CRect place = PlaceIn(box, button);
        EXPECT_GT(place.left, previousRight);
        EXPECT_GE(place.top, std::max(PlaceIn(box, text).bottom, PlaceIn(box, icon).bottom));
        EXPECT_LE(place.bottom, client.bottom);
        previousRight = place.right;
    }
    const int leftMargin = PlaceIn(box, GetDlgItem(box, IDYES)).left;
    EXPECT_NEAR(leftMargin, client.right - previousRight, 1);
    EXPECT_EQ(GetFocus(), GetDlgItem(box, IDNO));
    EXPECT_EQ(GetWindowLongPtr(GetDlgItem(box, IDNO), GWL_STYLE) & BS_TYPEMASK,
              BS_DEFPUSHBUTTON);

    CScriptedUser user; // a modeless box ends by going away
    user.Click(IDCANCEL);
    ASSERT_TRUE(user.ActIn(box, [box](MSG* msg) { return IsDialogMessage(box, msg) != 0; }));
    EXPECT_FALSE(IsWindow(box));
}
