// Alt with a letter in dialogs: the system keys reach PreTranslateMessage, and the dialog
// manager acts on the control whose mnemonic the letter is, in modal and modeless dialogs.

#include "vornui/platform/Button.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/Dialog.h"
#include "vornui/platform/Edit.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/Static.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kName = 100;
constexpr int kTide = 101;
constexpr int kMetres = 102;
constexpr int kFeet = 103;
constexpr int kSave = 104;

constexpr DialogItemTemplate kItems[] = {
    {"Static", "&Name:", 0xFFFF, WS_VISIBLE | SS_LEFT, 0, 7, 7, 40, 8},
    {"Edit", "", kName, WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 0, 50, 7, 100, 12},
    {"Button", "Apply &tide", kTide, WS_VISIBLE | BS_AUTOCHECKBOX | WS_TABSTOP, 0, 7, 25, 80, 10},
    {"Button", "&Metres", kMetres, WS_VISIBLE | BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0, 7,
     40, 50, 10},
    {"Button", "&Feet", kFeet, WS_VISIBLE | BS_AUTORADIOBUTTON, 0, 60, 40, 50, 10},
    {"Button", "&Save", kSave, WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, 0, 90, 60, 50,
     14},
    {"Button", "Cancel", IDCANCEL, WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, 0, 145, 60, 50, 14},
};

constexpr DialogTemplate kUnits{DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                0,
                                0,
                                0,
                                200,
                                80,
                                "Units",
                                "MS Shell Dlg",
                                8,
                                kItems,
                                static_cast<WORD>(std::size(kItems))};

// Remembers the system keys it is offered before the dialog manager sees them; Save ends
// the dialog with its id.
class UnitsDialog : public CDialog {
public:
    std::vector<std::pair<UINT, WPARAM>> m_systemKeys;

    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_SYSKEYDOWN || msg->message == WM_SYSCHAR ||
            msg->message == WM_SYSKEYUP)
            m_systemKeys.emplace_back(msg->message, msg->wParam);
        return CDialog::PreTranslateMessage(msg);
    }

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) == kSave) {
            EndDialog(kSave);
            return TRUE;
        }
        return CDialog::OnCommand(wParam, lParam);
    }
};

ModalAction Note(std::vector<int>& focus) {
    focus.push_back(GetDlgCtrlID(GetFocus()));
    return ModalAction::Acted;
}

} // namespace

TEST(DialogKeys, AltWithAMnemonicActsOnItsControlAfterPreTranslateMessage) {
    UnitsDialog dialog;
    ASSERT_TRUE(dialog.InitModalIndirect(&kUnits));
    std::vector<int> focus;
    int tide = -1;
    int feet = -1;
    CScriptedUser user;
    user.PressWith(MOD_ALT, 'N')
        .Then([&](HWND) { return Note(focus); })
        .PressWith(MOD_ALT, 'T')
        .Then([&](HWND) { return Note(focus); })
        .PressWith(MOD_ALT, 'F')
        .Then([&](HWND window) {
            tide = IsDlgButtonChecked(window, kTide);
            feet = IsDlgButtonChecked(window, kFeet);
            return Note(focus);
        })
        .Type("s"); // on a radio button, which takes no characters, a plain letter will do
    EXPECT_EQ(dialog.DoModal(), kSave);
    // The label hands the focus to the edit after it; the check box and radio button take
    // the focus and are clicked.
    EXPECT_EQ(focus, (std::vector<int>{kName, kTide, kFeet}));
    EXPECT_EQ(tide, BST_CHECKED);
    EXPECT_EQ(feet, BST_CHECKED);
    const std::vector<std::pair<UINT, WPARAM>> altN = {
        {WM_SYSKEYDOWN, VK_MENU}, {WM_SYSKEYDOWN, 'N'}, {WM_SYSCHAR, 'n'}, {WM_SYSKEYUP, 'N'}};
    ASSERT_GE(dialog.m_systemKeys.size(), altN.size());
    const std::vector<std::pair<UINT, WPARAM>> first(dialog.m_systemKeys.begin(),
                                                     dialog.m_systemKeys.begin() + 4);
    EXPECT_EQ(first, altN);
}

TEST(DialogKeys, AModelessDialogTakesTheSameKeysBetweenPumps) {
    UnitsDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(&kUnits));
    dialog.ShowWindow(SW_SHOW);
    CScriptedUser user;
    user.PressWith(MOD_ALT, 'T').PressWith(MOD_ALT, 'M');
    const HWND hwnd = dialog.m_hWnd;
    ASSERT_TRUE(
        user.ActIn(hwnd, [hwnd](MSG* msg) { return CWnd::WalkPreTranslateTree(hwnd, msg); }));
    EXPECT_EQ(dialog.IsDlgButtonChecked(kTide), BST_CHECKED);
    EXPECT_EQ(dialog.IsDlgButtonChecked(kMetres), BST_CHECKED);
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), kMetres);
    EXPECT_FALSE(dialog.m_systemKeys.empty());
    // A letter no control marks does nothing.
    CScriptedUser idle;
    idle.PressWith(MOD_ALT, 'Q');
    ASSERT_TRUE(idle.ActIn(hwnd));
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), kMetres);
    dialog.DestroyWindow();
}
