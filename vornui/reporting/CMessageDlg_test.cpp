#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/WinApp.h"
#include "vornui/platform/WindowStyles.h"
#include "vornui/reporting/CMessageDlg.h"
#include "vornui/reporting/IMessageReporter.h"
#include "vornui/resources/ReportingIds.h"

#include <gtest/gtest.h>

TEST(MessageWindow, ShowsTheTextKeepsEnterAndHidesOnEscapeOrClose) {
    CWinApp app("Survey");
    CScriptedUser user;
    CWnd main;
    ASSERT_TRUE(main.CreateEx(0, nullptr, "Survey", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 600,
                              400, nullptr, nullptr));
    app.m_pMainWnd = &main;
    {
        CMessageDlg notice;
        IMessageReporter& reporter = notice;
        ASSERT_EQ(reporter.Create(nullptr), 1);
        EXPECT_FALSE(main.IsWindowEnabled());
        EXPECT_TRUE(notice.IsWindowVisible());
        CString text;
        notice.GetWindowText(text);
        EXPECT_EQ(text, "Message");

        reporter.SetMessage("Reading line 12");
        notice.GetDlgItemText(IDC_STATUS_TEXT, text);
        EXPECT_EQ(text, "Reading line 12");

        notice.SetFocus();
        user.Press(VK_RETURN).QueueIn(notice.m_hWnd);
        reporter.PumpMessages();
        EXPECT_TRUE(notice.IsWindowVisible()); // Enter does nothing

        user.Press(VK_ESCAPE).QueueIn(notice.m_hWnd);
        reporter.PumpMessages();
        EXPECT_FALSE(notice.IsWindowVisible()); // the standard cancel hides it
        reporter.SetMessage("still safe");
        reporter.PumpMessages();
        EXPECT_TRUE(reporter.DestroyWindow());
        EXPECT_TRUE(main.IsWindowEnabled());
        reporter.SetMessage("after the end");
        reporter.PumpMessages();
        EXPECT_EQ(reporter.DestroyWindow(), 0);

        // The close box, and a quit met while pumping stays for the host's loop.
        ASSERT_EQ(notice.Create(&main), 1);
        notice.PostMessage(WM_CLOSE);
        PostQuitMessage(3);
        notice.PumpMessages();
        EXPECT_FALSE(notice.IsWindowVisible());
        MSG msg{};
        EXPECT_TRUE(PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
        EXPECT_EQ(msg.wParam, 3u);
    } // destroyed with the object
    EXPECT_TRUE(main.IsWindowEnabled());
    app.m_pMainWnd = nullptr;
    main.DestroyWindow();

    CMsgNullObj silent;
    EXPECT_EQ(silent.Create(nullptr), 1);
    silent.SetMessage("nobody sees this");
    silent.OnOK();
    silent.PumpMessages();
    EXPECT_EQ(silent.DestroyWindow(), 1);
}
