#include "tests/TestWindowClass.h"
#include "tests/WindowSpy.h"

#include "vornui/platform/Button.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/Wnd.h"

#include <gtest/gtest.h>

namespace {

// A frame window object that records the handlers the framework calls.
class RecordingFrame : public CWnd {
public:
    std::vector<std::string> calls;
    std::vector<UINT> commands;
    int timerTicks = 0;
    bool deleted = false;

protected:
    int OnCreate(LPCREATESTRUCT create) override {
        calls.push_back(std::string("OnCreate ") + create->lpszName);
        return CWnd::OnCreate(create);
    }
    void OnSize(UINT, int cx, int cy) override {
        calls.push_back("OnSize " + std::to_string(cx) + "x" + std::to_string(cy));
    }
    void OnTimer(UINT_PTR id) override {
        if (++timerTicks == 2)
            KillTimer(id);
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (CWnd::OnCommand(wParam, lParam))
            return TRUE;
        commands.push_back(LOWORD(wParam));
        return TRUE;
    }
    void OnDestroy() override {
        calls.push_back("OnDestroy");
        CWnd::OnDestroy();
    }
    void PostNcDestroy() override { calls.push_back("PostNcDestroy"); }
};

// A button that handles its own clicks unless told to let the parent have them too.
class SelfHandlingButton : public CButton {
public:
    int clicks = 0;
    bool passOn = false;

protected:
    BOOL OnReflectedCommand(UINT code) override {
        if (code != BN_CLICKED)
            return FALSE;
        ++clicks;
        return passOn ? FALSE : TRUE;
    }
};

} // namespace

TEST(Wnd, HandlersRunInTheFrameworkOrderAndDefaultsReachTheOldProcedure) {
    RecordingFrame frame;
    ASSERT_TRUE(frame.CreateEx(0, TestWindowClass("VornuiTestWndFrame"), "Survey",
                               WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200), nullptr, 0));
    EXPECT_EQ(CWnd::FromHandlePermanent(frame.m_hWnd), &frame);
    EXPECT_EQ(CWnd::FromHandle(frame.m_hWnd), &frame);
    EXPECT_EQ(frame.calls, (std::vector<std::string>{"OnCreate Survey", "OnSize 292x169"}));
    CString text;
    frame.GetWindowText(text);
    EXPECT_EQ(text, "Survey"); // WM_SETTEXT reached the class procedure through Default()

    frame.calls.clear();
    frame.SetTimer(3, 10, nullptr);
    MSG msg;
    while (frame.timerTicks < 2 && GetMessage(&msg, nullptr, 0, 0))
        DispatchMessage(&msg);
    EXPECT_FALSE(frame.KillTimer(3)); // OnTimer already killed it

    frame.ModifyStyle(WS_THICKFRAME, WS_BORDER | WS_DLGFRAME, SWP_FRAMECHANGED);
    EXPECT_EQ(frame.GetStyle() & WS_THICKFRAME, 0u);
    CRect client;
    frame.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 294, 171)); // a dialog frame of 3 instead of 4

    const HWND hwnd = frame.m_hWnd;
    frame.DestroyWindow();
    EXPECT_EQ(frame.m_hWnd, nullptr);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(frame.calls,
              (std::vector<std::string>{"OnSize 294x171", "OnDestroy", "PostNcDestroy"}));
}

TEST(Wnd, ControlNotificationsAreReflectedToTheControlFirst) {
    RecordingFrame frame;
    ASSERT_TRUE(frame.CreateEx(0, TestWindowClass("VornuiTestWndFrame"), "Frame",
                               WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr,
                               0));
    SelfHandlingButton button;
    ASSERT_TRUE(button.Create("Go", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 80, 30),
                              &frame, 77));
    button.SendMessage(BM_CLICK);
    EXPECT_EQ(button.clicks, 1);
    EXPECT_TRUE(frame.commands.empty());
    button.passOn = true;
    button.SendMessage(BM_CLICK);
    EXPECT_EQ(button.clicks, 2);
    EXPECT_EQ(frame.commands, std::vector<UINT>{77});

    // A window without an object gets a temporary one, owned by the window.
    const HWND plain = CreateWindowEx(0, "Button", "Plain", WS_CHILD | WS_VISIBLE, 0, 40, 50, 20,
                                      frame.m_hWnd, reinterpret_cast<HMENU>(78), nullptr, nullptr);
    CWnd* temporary = CWnd::FromHandle(plain);
    EXPECT_EQ(CWnd::FromHandlePermanent(plain), nullptr);
    EXPECT_EQ(temporary, frame.GetDlgItem(78));
    EXPECT_EQ(temporary->GetParent(), &frame);
    SendMessage(plain, BM_CLICK, 0, 0);
    EXPECT_EQ(frame.commands, (std::vector<UINT>{77, 78}));
    frame.DestroyWindow();
    EXPECT_EQ(button.m_hWnd, nullptr);
}

TEST(Wnd, CenterWindowCentresOverTheOwnerInsideTheWorkArea) {
    RecordingFrame owner;
    ASSERT_TRUE(owner.CreateEx(0, TestWindowClass("VornuiTestWndFrame"), "Owner",
                               WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(100, 100, 500, 400), nullptr,
                               0));
    CWnd popup;
    ASSERT_TRUE(popup.CreateEx(0, TestWindowClass("VornuiTestWndFrame"), "Popup", WS_POPUP,
                               CRect(0, 0, 100, 50), &owner, 0));
    popup.CenterWindow();
    CRect rect;
    popup.GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect(250, 225, 350, 275));

    owner.MoveWindow(1800, 950, 400, 300);
    popup.CenterWindow();
    popup.GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect(1820, 990, 1920, 1040)); // pushed back into the work area
    popup.DestroyWindow();
    owner.DestroyWindow();
}
