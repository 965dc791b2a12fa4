#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/WinApp.h"
#include "vornui/platform/WindowStyles.h"
#include "vornui/reporting/KProgressDlg.h"
#include "vornui/resources/ReportingIds.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

// The host: an application whose main window owns the progress dialogs, and which hears
// what is posted to it.
class Host : public CWnd {
public:
    std::vector<UINT> heard;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message >= WM_APP)
            heard.push_back(message);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class ProgressDialog : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_main.CreateEx(0, nullptr, "Survey", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                    600, 400, nullptr, nullptr));
        m_app.m_pMainWnd = &m_main;
    }
    void TearDown() override {
        m_app.m_pMainWnd = nullptr;
        m_main.DestroyWindow();
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    CWinApp m_app{"Survey"};
    Host m_main;
    CScriptedUser m_user; // acts in the modeless dialogs through queued input
};

CString Text(const CWnd& dialog, int id) {
    CString text;
    dialog.GetDlgItemText(id, text);
    return text;
}

int BarPos(const CWnd& dialog) {
    return static_cast<int>(dialog.SendDlgItemMessage(IDC_PROGRESS_BAR, PBM_GETPOS));
}

} // namespace

TEST_F(ProgressDialog, AWorkerLoopHearsTheCancelOnceAndTheOwnerIsGivenBack) {
    KProgressDlg dialog(TRUE);
    EXPECT_EQ(dialog.SetPos(3), -1); // no window yet
    ASSERT_TRUE(dialog.Create(nullptr));
    EXPECT_FALSE(m_main.IsWindowEnabled());
    EXPECT_TRUE(dialog.IsWindowVisible());
    EXPECT_EQ(CString("Processing"), [&] {
        CString caption;
        dialog.GetWindowText(caption);
        return caption;
    }());
    EXPECT_TRUE(dialog.GetDlgItem(IDCANCEL)->IsWindowEnabled());

    dialog.SetRange(0, 1000);
    std::vector<int> cancelledAt;
    for (int i = 0; i < 300; ++i) {
        dialog.SetPos(i);
        if (i == 100)
            m_user.Click(IDCANCEL).QueueIn(dialog.m_hWnd);
        if (dialog.IsCancelled())
            cancelledAt.push_back(i);
    }
    // The click is handled in the poll at 100 and reported by the next one, once.
    EXPECT_EQ(cancelledAt, std::vector<int>{101});
    EXPECT_EQ(Text(dialog, IDC_PROGRESS_VALUE), "29%");
    EXPECT_TRUE(dialog.IsWindowVisible()); // a host's own dialog stays until destroyed
    EXPECT_FALSE(m_main.IsWindowEnabled());

    EXPECT_TRUE(dialog.DestroyWindow());
    EXPECT_TRUE(m_main.IsWindowEnabled());
    EXPECT_EQ(dialog.DestroyWindow(), 0);
    EXPECT_EQ(dialog.IsCancelled(), 0);
}

TEST_F(ProgressDialog, WithoutCancelTheButtonIsDisabledAndEscapeDoesNothing) {
    KProgressDlg dialog(FALSE);
    ASSERT_TRUE(dialog.Create(&m_main));
    EXPECT_FALSE(dialog.GetDlgItem(IDCANCEL)->IsWindowEnabled());
    dialog.SetFocus();
    m_user.Press(VK_ESCAPE).QueueIn(dialog.m_hWnd);
    EXPECT_EQ(dialog.IsCancelled(), 0);
    EXPECT_EQ(dialog.IsCancelled(), 0);
    EXPECT_TRUE(dialog.IsWindowVisible());

    // An owner the host disabled itself stays disabled.
    dialog.DestroyWindow();
    m_main.EnableWindow(FALSE);
    KProgressDlg second(TRUE);
    ASSERT_TRUE(second.Create(&m_main));
    second.DestroyWindow();
    EXPECT_FALSE(m_main.IsWindowEnabled());
}

TEST_F(ProgressDialog, ValueTextAndBarFollowThePositionForAnyRange) {
    KProgressDlg dialog(TRUE);
    ASSERT_TRUE(dialog.Create(&m_main));
    EXPECT_EQ(Text(dialog, IDC_PROGRESS_VALUE), " 0 %"); // untouched until the first position
    struct Case {
        int lower, upper, pos;
        const char* text;
        int bar;
    };
    const Case cases[] = {
        {0, 100, 42, "42%", 42},
        {0, 100, 100, "100%", 100},
        {0, 100, 150, "50%", 100},
        {0, 100, -5, "0%", 0},
        {100, 0, 100, "0%", 0},
        {100, 0, 0, "100%", 100},
        {7, 7, 7, "0%", 7},
        {0, 400, 100, "25%", 100},
        {INT_MIN, INT_MAX, 0, "50%", 0},
        {INT_MIN, INT_MAX, INT_MAX, "100%", INT_MAX},
        {INT_MAX, INT_MIN, INT_MIN, "100%", INT_MAX},
        {0, 1, INT_MAX, "0%", 1},
    };
    for (const Case& c : cases) {
        dialog.SetRange(c.lower, c.upper);
        dialog.SetPos(c.pos);
        EXPECT_EQ(Text(dialog, IDC_PROGRESS_VALUE), c.text)
            << c.lower << ".." << c.upper << " " << c.pos;
        EXPECT_EQ(BarPos(dialog), c.bar) << c.lower << ".." << c.upper << " " << c.pos;
    }
    EXPECT_EQ(dialog.CurrentProgressPos(), 0);

    dialog.SetRange(0, 100);
    EXPECT_EQ(dialog.SetPos(10), 1);
    EXPECT_EQ(dialog.SetStep(20), 5);
    EXPECT_EQ(dialog.StepIt(), 10);
    EXPECT_EQ(Text(dialog, IDC_PROGRESS_VALUE), "30%");
    EXPECT_EQ(dialog.OffsetPos(12), 30);
    EXPECT_EQ(Text(dialog, IDC_PROGRESS_VALUE), "42%");
    EXPECT_EQ(dialog.CurrentProgressPos(), 42);
    EXPECT_EQ(dialog.IsACounter(), 0);

    // A step that changes nothing a person sees repaints nothing.
    dialog.SetRange(0, 100000);
    dialog.SetPos(50000);
    dialog.IsCancelled(); // paints what changed
    const auto nothingToPaint = [&] {
        for (const HWND window : {dialog.m_hWnd, ::GetDlgItem(dialog.m_hWnd, IDC_PROGRESS_BAR),
                                  ::GetDlgItem(dialog.m_hWnd, IDC_PROGRESS_VALUE)})
            if (::GetUpdateRect(window, nullptr, FALSE))
                return false;
        return true;
    };
    ASSERT_TRUE(nothingToPaint());
    dialog.SetPos(50001);
    EXPECT_TRUE(nothingToPaint());
    dialog.SetPos(60000);
    EXPECT_FALSE(nothingToPaint());

    // A bar the host destroyed is no bar.
    ::DestroyWindow(::GetDlgItem(dialog.m_hWnd, IDC_PROGRESS_BAR));
    EXPECT_EQ(dialog.SetPos(50), -1);
    EXPECT_EQ(dialog.StepIt(), -1);
    EXPECT_EQ(dialog.OffsetPos(1), -1);
    EXPECT_EQ(dialog.SetStep(1), -1);
}

TEST_F(ProgressDialog, ACounterShowsTheRawPosition) {
    KProgressDlg dialog(TRUE);
    ASSERT_TRUE(dialog.CreateCounter(&m_main));
    EXPECT_EQ(dialog.IsACounter(), 1);
    EXPECT_FALSE(dialog.GetDlgItem(IDC_PROGRESS_BAR)->IsWindowVisible());
    dialog.SetPos(1234);
    EXPECT_EQ(Text(dialog, IDC_PROGRESS_VALUE), "1234");
    EXPECT_EQ(dialog.CurrentProgressPos(), 1234);
    dialog.SetPos(INT_MIN);
    EXPECT_EQ(Text(dialog, IDC_PROGRESS_VALUE), "-2147483648");
}

TEST_F(ProgressDialog, TheSharedInstanceServesTwoUsersAndClosesAtOneHundred) {
    KProgressDlg::Create("Reading files", TRUE);
    KProgressDlg::Create("", FALSE);
    ASSERT_NE(KProgressDlg::g_pDlg, nullptr);
    EXPECT_EQ(KProgressDlg::g_nRef, 2);
    EXPECT_EQ(KProgressDlg::IsReferenced(), 1);
    const HWND shared = KProgressDlg::g_pDlg->m_hWnd;
    char caption[64];
    GetWindowText(shared, caption, sizeof caption);
    EXPECT_STREQ(caption, "Reading files");
    EXPECT_FALSE(m_main.IsWindowEnabled());

    EXPECT_EQ(KProgressDlg::SetMessage("Line 4"), 1);
    EXPECT_EQ(KProgressDlg::SetProgress(25, 100), 1);
    EXPECT_EQ(Text(*CWnd::FromHandle(shared), IDC_PROGRESS_VALUE), "25%");
    EXPECT_EQ(Text(*CWnd::FromHandle(shared), IDC_STATUS_TEXT), "Line 4");
    EXPECT_EQ(KProgressDlg::Release(), 0);
    EXPECT_TRUE(IsWindow(shared));
    EXPECT_EQ(KProgressDlg::SetProgress(100, 100), 0);
    EXPECT_FALSE(IsWindow(shared));
    EXPECT_EQ(KProgressDlg::g_pDlg, nullptr);
    EXPECT_EQ(KProgressDlg::g_nRef, 0);
    EXPECT_TRUE(m_main.IsWindowEnabled());
    EXPECT_EQ(KProgressDlg::SetProgress(1, 2), 0);
    EXPECT_EQ(KProgressDlg::SetMessage("late"), 0);
    EXPECT_EQ(KProgressDlg::IsProgressing(), 0);

    // Two users, the second release closes.
    KProgressDlg::CreateCounter("", TRUE);
    KProgressDlg::CreateCounter("", TRUE);
    EXPECT_EQ(KProgressDlg::SetProgress(100, 100), 1); // a counter never closes itself
    EXPECT_EQ(KProgressDlg::Release(), 0);
    EXPECT_NE(KProgressDlg::g_pDlg, nullptr);
    EXPECT_TRUE(KProgressDlg::Release());
    EXPECT_EQ(KProgressDlg::g_pDlg, nullptr);
    EXPECT_EQ(KProgressDlg::IsReferenced(), 0);
    EXPECT_TRUE(m_main.IsWindowEnabled());
}

TEST_F(ProgressDialog, CancelOnTheSharedInstanceEndsItInsideThePoll) {
    KProgressDlg::Create("", TRUE);
    const HWND shared = KProgressDlg::g_pDlg->m_hWnd;
    EXPECT_EQ(KProgressDlg::SetProgress(10, 100), 1);
    m_user.Click(IDCANCEL).QueueIn(shared);
    KProgressDlg::SetProgress(20, 100); // the click is handled in here
    EXPECT_FALSE(IsWindow(shared));
    EXPECT_EQ(KProgressDlg::g_pDlg, nullptr);
    EXPECT_EQ(KProgressDlg::g_nRef, 0);
    EXPECT_TRUE(m_main.IsWindowEnabled());
    EXPECT_EQ(KProgressDlg::IsProgressing(), 0);
    EXPECT_EQ(KProgressDlg::Release(), 0);

    // Escape cancels too.
    KProgressDlg::Create("", TRUE);
    ::SetFocus(GetDlgItem(KProgressDlg::g_pDlg->m_hWnd, IDCANCEL));
    m_user.Press(VK_ESCAPE).QueueIn(KProgressDlg::g_pDlg->m_hWnd);
    EXPECT_EQ(KProgressDlg::IsProgressing(), 1);
    EXPECT_EQ(KProgressDlg::IsProgressing(), 0);
    EXPECT_TRUE(m_main.IsWindowEnabled());
}

TEST_F(ProgressDialog, PollingDispatchesTheHostsMessagesAndKeepsAQuit) {
    KProgressDlg dialog(TRUE);
    ASSERT_TRUE(dialog.Create(&m_main));
    m_main.PostMessage(WM_APP + 1);
    m_main.PostMessage(WM_APP + 2);
    EXPECT_TRUE(m_main.heard.empty()); // nothing between polls
    EXPECT_EQ(dialog.IsCancelled(), 0);
    EXPECT_EQ(m_main.heard, (std::vector<UINT>{WM_APP + 1, WM_APP + 2}));

    PostQuitMessage(7);
    m_main.PostMessage(WM_APP + 3);
    EXPECT_EQ(dialog.IsCancelled(), 0);
    MSG msg{};
    bool quit = false;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
        if (msg.message == WM_QUIT) {
            quit = true;
            EXPECT_EQ(msg.wParam, 7u);
        }
    EXPECT_TRUE(quit);
}
