#include "tests/TestWindowClass.h"

#include "vornui/platform/DesktopInput.h"
#include "vornui/platform/Edit.h"
#include "vornui/platform/ProgressCtrl.h"
#include "vornui/platform/Resources.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/SpinButtonCtrl.h"
#include "vornui/platform/StatusBar.h"
#include "vornui/platform/StatusBarCtrl.h"
#include "vornui/platform/TabCtrl.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// A parent that writes down the notifications it gets and refuses changes when told to.
struct Parent {
    static std::vector<std::string>& Heard() {
        static std::vector<std::string> heard;
        return heard;
    }
    static bool& Refuse() {
        static bool refuse = false;
        return refuse;
    }
    static LRESULT Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NOTIFY) {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            std::string line = "notify " + std::to_string(static_cast<int>(header->code));
            if (header->code == UDN_DELTAPOS) {
                const auto* change = reinterpret_cast<const NMUPDOWN*>(lParam);
                line += " " + std::to_string(change->iPos) + "+" + std::to_string(change->iDelta);
            }
            Heard().push_back(line);
            return Refuse() ? TRUE : FALSE;
        }
        if (message == WM_VSCROLL)
            Heard().push_back("vscroll " + std::to_string(LOWORD(wParam)) + " " +
                              std::to_string(static_cast<SHORT>(HIWORD(wParam))));
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
};

class CommonControls : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(TestWindowClass("VornuiTestCommonParent", &Parent::Proc));
        Parent::Heard().clear();
        Parent::Refuse() = false;
        m_parent = CreateWindowEx(0, "VornuiTestCommonParent", "", WS_POPUP | WS_VISIBLE, 0, 0, 400,
                                  300, nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override { DestroyWindow(m_parent); }

    HWND Add(const char* className, DWORD style, CRect rect, int id) {
        return CreateWindowEx(0, className, "", WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                              rect.Width(), rect.Height(), m_parent,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
    }

    static void ClickAt(HWND hwnd, CPoint point) {
        ClientToScreen(hwnd, &point);
        PostMouseInput(GetCurrentThreadId(), WM_LBUTTONDOWN, point);
        PostMouseInput(GetCurrentThreadId(), WM_LBUTTONUP, point);
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessage(&msg);
    }

    static CRect RectIn(HWND hwnd, HWND parent) {
        RECT rect;
        GetWindowRect(hwnd, &rect);
        MapWindowPoints(nullptr, parent, reinterpret_cast<LPPOINT>(&rect), 2);
        return rect;
    }

    HWND m_parent = nullptr;
};

} // namespace

TEST_F(CommonControls, ATabClickAsksTheParentThenTellsIt) {
    const HWND tab = Add(WC_TABCONTROL, 0, CRect(10, 10, 210, 110), 60);
    for (const char* title : {"Serial", "UDP", "TCP"}) {
        TCITEM item{TCIF_TEXT, 0, 0, const_cast<char*>(title), 0, -1, 0};
        SendMessage(tab, TCM_INSERTITEM, 99, reinterpret_cast<LPARAM>(&item)); // appends
    }
    EXPECT_EQ(SendMessage(tab, TCM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessage(tab, TCM_SETCURSEL, 0, 0), -1);
    EXPECT_TRUE(Parent::Heard().empty());

    RECT area{0, 0, 200, 100};
    SendMessage(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    EXPECT_EQ(CRect(area), CRect(4, 24, 196, 96));
    SendMessage(tab, TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&area));
    EXPECT_EQ(CRect(area), CRect(0, 0, 200, 100));

    RECT third;
    ASSERT_TRUE(SendMessage(tab, TCM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&third)));
    Parent::Refuse() = true;
    ClickAt(tab, CRect(third).CenterPoint());
    EXPECT_EQ(SendMessage(tab, TCM_GETCURSEL, 0, 0), 0);
    Parent::Refuse() = false;
    ClickAt(tab, CRect(third).CenterPoint());
    EXPECT_EQ(SendMessage(tab, TCM_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(Parent::Heard(),
              (std::vector<std::string>{"notify -552", "notify -552", "notify -551"}));
    char text[16];
    TCITEM item{TCIF_TEXT, 0, 0, text, sizeof text, 0, 0};
    ASSERT_TRUE(SendMessage(tab, TCM_GETITEM, 2, reinterpret_cast<LPARAM>(&item)));
    EXPECT_STREQ(text, "TCP");
    EXPECT_TRUE(SendMessage(tab, TCM_DELETEITEM, 2, 0));
    EXPECT_EQ(SendMessage(tab, TCM_GETCURSEL, 0, 0), -1);
}

TEST_F(CommonControls, AnUpDownMovesItsBuddysNumberAndSitsAtItsEdge) {
    const HWND edit = Add("Edit", WS_BORDER, CRect(10, 10, 110, 32), 70);
    const HWND spin = Add(UPDOWN_CLASS, UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT,
                          CRect(0, 0, 16, 10), 71);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessage(spin, UDM_GETBUDDY, 0, 0)), edit);
    EXPECT_EQ(RectIn(edit, m_parent), CRect(10, 10, 94, 32));
    EXPECT_EQ(RectIn(spin, m_parent), CRect(94, 10, 110, 32));
    EXPECT_EQ(SendMessage(spin, UDM_GETRANGE, 0, 0), MAKELONG(0, 100)); // 100 down to 0

    SendMessage(spin, UDM_SETRANGE32, 0, 5000);
    SendMessage(spin, UDM_SETPOS32, 0, 1200);
    char text[16];
    GetWindowText(edit, text, sizeof text);
    EXPECT_STREQ(text, "1,200");

    ClickAt(spin, CPoint(8, 2)); // the upper arrow
    EXPECT_EQ(SendMessage(spin, UDM_GETPOS32, 0, 0), 1201);
    EXPECT_EQ(Parent::Heard(),
              (std::vector<std::string>{"notify -722 1200+1", "vscroll 4 1201", "vscroll 8 1201"}));
    Parent::Refuse() = true;
    ClickAt(spin, CPoint(8, 20)); // the lower arrow, refused
    EXPECT_EQ(SendMessage(spin, UDM_GETPOS32, 0, 0), 1201);

    // A position typed into the buddy is the position.
    SetWindowText(edit, "42");
    BOOL error = TRUE;
    EXPECT_EQ(SendMessage(spin, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&error)), 42);
    EXPECT_FALSE(error);
    SetWindowText(edit, "deep");
    EXPECT_EQ(HIWORD(SendMessage(spin, UDM_GETPOS, 0, 0)), 1);
}

TEST_F(CommonControls, AProgressBarStaysInItsRangeAndStepsRoundAgain) {
    const HWND bar = Add(PROGRESS_CLASS, PBS_SMOOTH, CRect(10, 10, 210, 23), 80);
    PBRANGE range{};
    SendMessage(bar, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
    EXPECT_EQ(range.iLow, 0);
    EXPECT_EQ(range.iHigh, 100);
    EXPECT_EQ(SendMessage(bar, PBM_SETPOS, 150, 0), 0);
    EXPECT_EQ(SendMessage(bar, PBM_GETPOS, 0, 0), 100);
    EXPECT_EQ(SendMessage(bar, PBM_SETSTEP, 30, 0), 10);
    EXPECT_EQ(SendMessage(bar, PBM_SETPOS, 80, 0), 100);
    EXPECT_EQ(SendMessage(bar, PBM_STEPIT, 0, 0), 80);
    EXPECT_EQ(SendMessage(bar, PBM_GETPOS, 0, 0), 10); // 110 is past the end: round again
    EXPECT_EQ(SendMessage(bar, PBM_SETRANGE, 0, MAKELPARAM(0, 5)), MAKELONG(0, 100));
    EXPECT_EQ(SendMessage(bar, PBM_GETPOS, 0, 0), 5);
    EXPECT_EQ(SendMessage(bar, PBM_DELTAPOS, static_cast<WPARAM>(-2), 0), 5);
    EXPECT_EQ(SendMessage(bar, PBM_GETPOS, 0, 0), 3);

    // Over the whole int range nothing overflows: deltas clamp, steps round again.
    SendMessage(bar, PBM_SETRANGE32, static_cast<WPARAM>(INT_MIN), INT_MAX);
    SendMessage(bar, PBM_SETPOS, static_cast<WPARAM>(INT_MAX - 1), 0);
    SendMessage(bar, PBM_DELTAPOS, static_cast<WPARAM>(INT_MAX), 0);
    EXPECT_EQ(SendMessage(bar, PBM_GETPOS, 0, 0), INT_MAX);
    SendMessage(bar, PBM_SETSTEP, 3, 0);
    SendMessage(bar, PBM_STEPIT, 0, 0);
    EXPECT_EQ(SendMessage(bar, PBM_GETPOS, 0, 0), INT_MIN + 3);
    SendMessage(bar, PBM_SETSTEP, static_cast<WPARAM>(-5), 0);
    SendMessage(bar, PBM_STEPIT, 0, 0);
    EXPECT_EQ(SendMessage(bar, PBM_GETPOS, 0, 0), INT_MAX - 2); // before the start: from the end
}

TEST_F(CommonControls, AStatusBarLinesTheBottomAndFollowsItsParent) {
    const HWND status = Add(STATUSCLASSNAME, SBARS_SIZEGRIP, CRect(0, 0, 0, 0), 0xE801);
    EXPECT_EQ(RectIn(status, m_parent), CRect(0, 278, 400, 300));
    int edges[] = {100, 250, -1};
    EXPECT_TRUE(SendMessage(status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges)));
    EXPECT_TRUE(
        SendMessage(status, SB_SETTEXT, 1 | SBT_NOBORDERS, reinterpret_cast<LPARAM>("Ready")));
    char text[16];
    EXPECT_EQ(SendMessage(status, SB_GETTEXT, 1, reinterpret_cast<LPARAM>(text)),
              MAKELONG(5, SBT_NOBORDERS));
    EXPECT_STREQ(text, "Ready");
    RECT part;
    ASSERT_TRUE(SendMessage(status, SB_GETRECT, 2, reinterpret_cast<LPARAM>(&part)));
    EXPECT_EQ(CRect(part), CRect(252, 2, 400, 20));
    int read[3] = {};
    EXPECT_EQ(SendMessage(status, SB_GETPARTS, 3, reinterpret_cast<LPARAM>(read)), 3);
    EXPECT_EQ(read[1], 250);

    MoveWindow(m_parent, 0, 0, 500, 200, TRUE);
    SendMessage(status, WM_SIZE, SIZE_RESTORED, MAKELPARAM(500, 200));
    EXPECT_EQ(RectIn(status, m_parent), CRect(0, 178, 500, 200));
}

TEST_F(CommonControls, RepositionBarsGivesTheStatusBarItsStripAndTheRestToThePane) {
    CWnd* parent = CWnd::FromHandle(m_parent);
    const HWND pane = Add("Static", 0, CRect(0, 0, 10, 10), AFX_IDW_PANE_FIRST);
    const HMODULE strings = CreateResourceModule("status-strings");
    const StringResource numLock{0xE707, "NUM"};
    AddStringResources(strings, &numLock, 1);
    const HINSTANCE previous = AfxGetResourceHandle();
    AfxSetResourceHandle(strings);
    CStatusBar status;
    ASSERT_TRUE(status.Create(parent));
    const UINT indicators[] = {ID_SEPARATOR, 0xE707};
    ASSERT_TRUE(status.SetIndicators(indicators, 2));
    AfxSetResourceHandle(previous);
    FreeResourceModule(strings);
    EXPECT_EQ(status.GetPaneText(1), "NUM");
    status.SetPaneInfo(0, ID_SEPARATOR, SBPS_STRETCH | SBPS_NOBORDERS, 0);
    EXPECT_EQ(status.CommandToIndex(0xE707), 1);

    CRect left;
    parent->RepositionBars(AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, AFX_IDW_PANE_FIRST,
                           reposQuery, &left);
    EXPECT_EQ(left, CRect(0, 0, 400, 278));
    EXPECT_EQ(RectIn(pane, m_parent), CRect(0, 0, 10, 10)); // a query moves nothing
    parent->RepositionBars(AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, AFX_IDW_PANE_FIRST);
    EXPECT_EQ(RectIn(status.m_hWnd, m_parent), CRect(0, 278, 400, 300));
    EXPECT_EQ(RectIn(pane, m_parent), CRect(0, 0, 400, 278));

    // The stretching pane takes what the fixed one leaves.
    CRect first;
    CRect second;
    status.GetItemRect(0, &first);
    status.GetItemRect(1, &second);
    EXPECT_EQ(first.left, 0);
    EXPECT_EQ(second.right, 400);
    // "NUM" and its border gap, three average characters of the dialog font.
    EXPECT_EQ(second.Width(), 3 * MeasureFont("MS Shell Dlg", 8).averageWidth + 4);
    EXPECT_GT(first.Width(), 300);
    EXPECT_TRUE(status.SetPaneText(0, "Ready"));
    EXPECT_EQ(status.GetPaneText(0), "Ready");
}
