// The IP address control as a person types into it, and as a program sets and reads it.

#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/Dialog.h"
#include "vornui/platform/IPAddressCtrl.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/WindowStyles.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>

namespace {

constexpr int kAddressId = 100;

constexpr DialogItemTemplate kItems[] = {
    {WC_IPADDRESS, "10.0.0.1", kAddressId, WS_VISIBLE | WS_TABSTOP, 0, 7, 7, 80, 13},
    {"Button", "OK", IDOK, WS_VISIBLE | WS_TABSTOP, 0, 7, 25, 50, 14},
};

constexpr DialogTemplate kDialog{
    WS_POPUP | WS_CAPTION | DS_MODALFRAME, 0, 0, 0, 100, 45, "Address", nullptr, 0, kItems,
    static_cast<WORD>(std::size(kItems))};

std::string Typed(const char* keys) {
    CScriptedUser user;
    std::string text;
    user.TypeInto(kAddressId, keys)
        .Then([&](HWND dialog) {
            char shown[32] = "";
            GetWindowText(GetDlgItem(dialog, kAddressId), shown, sizeof shown);
            text = shown;
            return ModalAction::Acted;
        })
        .Click(IDOK);
    CDialog dialog;
    dialog.InitModalIndirect(&kDialog);
    dialog.DoModal();
    return text;
}

} // namespace

TEST(IPAddressCtrl, TypedDigitsFillTheFieldsAndTheTextReadsAsAnAddress) {
    EXPECT_EQ(Typed("192.168.1.20"), "192.168.1.20");
    // A full field moves on by itself; a field cannot pass 255.
    EXPECT_EQ(Typed("19216812"), "192.168.12.0");
    EXPECT_EQ(Typed("256.1.2.3"), "255.1.2.3");
    EXPECT_EQ(Typed("300.1.2.3"), "30.0.1.23"); // 30 cannot grow: the next digit moves on
    EXPECT_EQ(Typed("10.1\b2.3.4"), "10.2.3.4");

    CScriptedUser user;
    DWORD packed = 0;
    int filled = -1;
    BOOL blank = TRUE, blankAfterClear = FALSE;
    user.Then([&](HWND dialog) {
            HWND address = GetDlgItem(dialog, kAddressId);
            filled = static_cast<int>(
                SendMessage(address, IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&packed)));
            blank = static_cast<BOOL>(SendMessage(address, IPM_ISBLANK, 0, 0));
            SendMessage(address, IPM_CLEARADDRESS, 0, 0);
            blankAfterClear = static_cast<BOOL>(SendMessage(address, IPM_ISBLANK, 0, 0));
            return ModalAction::Acted;
        })
        .Click(IDOK);
    CDialog dialog;
    dialog.InitModalIndirect(&kDialog);
    dialog.DoModal();
    EXPECT_EQ(filled, 4);
    EXPECT_EQ(packed, static_cast<DWORD>(MAKEIPADDRESS(10, 0, 0, 1)));
    EXPECT_FALSE(blank);
    EXPECT_TRUE(blankAfterClear);
}
