#include "tests/TestWindowClass.h"

#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/DialogManager.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/WindowStyles.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr WORD kSender = 200;
constexpr WORD kOk = IDOK;
constexpr UINT kAnswered = 1;
constexpr UINT kDeclined = 2;
constexpr UINT kCloses = 3;

constexpr DialogItemTemplate kItems[] = {
    {"Button", "OK", kOk, WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, 0, 5, 5, 40, 14},
};

constexpr DialogTemplate kDialog{
    WS_POPUP | WS_CAPTION, 0, 0, 0, 100, 60, "Notices", nullptr, 0, kItems, 1};

std::vector<UINT> g_notices;

// Answers kAnswered with 42 through DWLP_MSGRESULT, leaves kDeclined to the default
// processing after writing a result it does not stand by, and destroys its dialog on kCloses.
INT_PTR NoticeProc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_NOTIFY)
        return message == WM_INITDIALOG;
    const UINT code = reinterpret_cast<const NMHDR*>(lParam)->code;
    g_notices.push_back(code);
    switch (code) {
    case kAnswered:
        SetWindowLongPtr(dialog, DWLP_MSGRESULT, 42);
        return TRUE;
    case kDeclined:
        SetWindowLongPtr(dialog, DWLP_MSGRESULT, 7);
        return FALSE;
    case kCloses:
        DestroyWindow(dialog);
        return TRUE;
    default:
        return FALSE;
    }
}

// A child of `dialog` that tells it of `code`, as a control tells its parent.
LRESULT Notify(HWND dialog, HWND sender, UINT code) {
    NMHDR header{sender, kSender, code};
    return SendMessage(dialog, WM_NOTIFY, kSender, reinterpret_cast<LPARAM>(&header));
}

HWND Sender(HWND dialog) {
    return CreateWindowEx(0, TestWindowClass("VornuiTestNoticeSender"), "", WS_CHILD, 0, 0, 10, 10,
                          dialog, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kSender)), nullptr,
                          nullptr);
}

TEST(DialogManager, ANoticeIsAnsweredAsTheDialogProcedureSaysOrWithZero) {
    g_notices.clear();
    const HWND dialog = CreateDialogIndirectParam(nullptr, &kDialog, nullptr, NoticeProc, 0);
    ASSERT_NE(dialog, nullptr);
    const HWND sender = Sender(dialog);
    ASSERT_NE(sender, nullptr);
    EXPECT_EQ(Notify(dialog, sender, kAnswered), 42);
    EXPECT_EQ(Notify(dialog, sender, kDeclined), 0);
    EXPECT_EQ(Notify(dialog, sender, 99), 0);
    // A dialog that goes while it hears the notice answers nothing more.
    EXPECT_EQ(Notify(dialog, sender, kCloses), 0);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(Notify(dialog, sender, kAnswered), 0);
    EXPECT_EQ(g_notices, (std::vector<UINT>{kAnswered, kDeclined, 99, kCloses}));

    // Without a procedure of its own, every notice gets zero, and the dialog's own state is
    // still there for the messages that use it.
    const HWND plain = CreateDialogIndirectParam(nullptr, &kDialog, nullptr, nullptr, 0);
    ASSERT_NE(plain, nullptr);
    const HWND plainSender = Sender(plain);
    EXPECT_EQ(Notify(plain, plainSender, kAnswered), 0);
    EXPECT_EQ(SendMessage(plain, DM_GETDEFID, 0, 0), 0);
    EXPECT_EQ(SendMessage(plain, DM_SETDEFID, kOk, 0), TRUE);
    EXPECT_EQ(SendMessage(plain, DM_GETDEFID, 0, 0), MAKELRESULT(kOk, DC_HASDEFID));
    EXPECT_EQ(Notify(plain, plainSender, kDeclined), 0);
    EXPECT_TRUE(DestroyWindow(plain));
}

} // namespace
