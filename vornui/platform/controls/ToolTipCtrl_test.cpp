#include "vornui/platform/DesktopInput.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/ToolTipCtrl.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPosition.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT_PTR kDepthTool = 1;
constexpr UINT_PTR kSpeedTool = 2;
constexpr UINT kTipString = 4711;

// A window with two tools, left and right, that hands its mouse messages to the tooltip
// and hears when a tip shows and goes.
class Gauges : public CWnd {
public:
    Gauges() {
        CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, 100, 100, 200, 80, nullptr, nullptr);
        m_tip.Create(this);
        m_tip.SetDelayTime(TTDT_INITIAL, 5);
        m_tip.SetDelayTime(TTDT_RESHOW, 5);
        m_tip.SetDelayTime(TTDT_AUTOPOP, 60000);
        const CRect depth(0, 0, 100, 80);
        const CRect speed(100, 0, 200, 80);
        m_tip.AddTool(this, "Depth below keel", &depth, kDepthTool);
        m_tip.AddTool(this, "Speed over ground", &speed, kSpeedTool);
    }
    ~Gauges() override { DestroyWindow(); }

    BOOL PreTranslateMessage(MSG* msg) override {
        m_tip.RelayEvent(msg);
        return FALSE;
    }

    CToolTipCtrl m_tip;
    std::vector<std::pair<UINT, UINT_PTR>> m_notices; // code, tool

protected:
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT*) override {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->hwndFrom == m_tip.m_hWnd)
            m_notices.emplace_back(header->code, header->idFrom);
        return TRUE;
    }
};

class ToolTip : public testing::Test {
protected:
    bool Act(CScriptedUser& user) {
        const HWND hwnd = m_gauges.m_hWnd;
        return user.ActIn(hwnd, [hwnd](MSG* msg) { return CWnd::WalkPreTranslateTree(hwnd, msg); });
    }
    POINT OnScreen(POINT point) const {
        m_gauges.ClientToScreen(&point);
        return point;
    }
    bool Showing() const { return m_gauges.m_tip.IsWindowVisible() != FALSE; }
    std::string Shown() const {
        CString text;
        m_gauges.m_tip.GetWindowText(text);
        return text.GetString();
    }

    Gauges m_gauges;
};

} // namespace

TEST_F(ToolTip, RestingOverAToolShowsItsTipBelowThePointer) {
    CToolTipCtrl& tip = m_gauges.m_tip;
    EXPECT_FALSE(Showing());
    EXPECT_EQ(tip.GetStyle() & WS_POPUP, static_cast<DWORD>(WS_POPUP));
    CScriptedUser user;
    user.MouseMove(OnScreen(POINT{40, 30})).Rest(60);
    ASSERT_TRUE(Act(user));
    ASSERT_TRUE(Showing());
    EXPECT_EQ(Shown(), "Depth below keel");
    CRect shown;
    tip.GetWindowRect(&shown);
    const POINT pointer = OnScreen(POINT{40, 30});
    EXPECT_EQ(shown.left, pointer.x);
    EXPECT_GT(shown.top, pointer.y);
    EXPECT_GT(shown.Width(), 40);

    // Onto the other tool: its tip replaces the first.
    user.MouseMove(OnScreen(POINT{150, 30})).Rest(60);
    ASSERT_TRUE(Act(user));
    ASSERT_TRUE(Showing());
    EXPECT_EQ(Shown(), "Speed over ground");

    // A press takes it away at once.
    user.MouseDown(OnScreen(POINT{150, 30})).MouseUp(OnScreen(POINT{150, 30}));
    ASSERT_TRUE(Act(user));
    EXPECT_FALSE(Showing());
    EXPECT_EQ(m_gauges.m_notices, (std::vector<std::pair<UINT, UINT_PTR>>{{TTN_SHOW, kDepthTool},
                                                                          {TTN_POP, kDepthTool},
                                                                          {TTN_SHOW, kSpeedTool},
                                                                          {TTN_POP, kSpeedTool}}));
}

TEST_F(ToolTip, AnInactiveTooltipShowsNothing) {
    m_gauges.m_tip.Activate(FALSE);
    CScriptedUser user;
    user.MouseMove(OnScreen(POINT{40, 30})).Rest(60);
    ASSERT_TRUE(Act(user));
    EXPECT_FALSE(Showing());

    m_gauges.m_tip.Activate(TRUE);
    user.MouseMove(OnScreen(POINT{44, 30})).Rest(60);
    ASSERT_TRUE(Act(user));
    EXPECT_TRUE(Showing());
    m_gauges.m_tip.Activate(FALSE); // takes a shown tip away
    EXPECT_FALSE(Showing());
}

TEST_F(ToolTip, ToolsKeepTheirTextsAndTheDelaysFollowTheInitialOne) {
    CToolTipCtrl& tip = m_gauges.m_tip;
    EXPECT_EQ(tip.GetToolCount(), 2);
    CString text;
    tip.GetText(text, &m_gauges, kSpeedTool);
    EXPECT_EQ(text, "Speed over ground");
    tip.UpdateTipText("Speed through water", &m_gauges, kSpeedTool);
    tip.GetText(text, &m_gauges, kSpeedTool);
    EXPECT_EQ(text, "Speed through water");
    const CRect again(0, 0, 5, 5);
    EXPECT_FALSE(tip.AddTool(&m_gauges, "twice", &again, kSpeedTool));
    tip.DelTool(&m_gauges, kDepthTool);
    EXPECT_EQ(tip.GetToolCount(), 1);
    tip.GetText(text, &m_gauges, kDepthTool);
    EXPECT_EQ(text, "");

    // A long text comes back cut to the buffer; a string resource gives its text.
    const std::string longText(400, 'x');
    tip.UpdateTipText(longText.c_str(), &m_gauges, kSpeedTool);
    tip.GetText(text, &m_gauges, kSpeedTool);
    EXPECT_EQ(text.GetLength(), 255);
    const HMODULE module = CreateResourceModule("tooltip-tests");
    const StringResource string{kTipString, "Heading"};
    AddStringResources(module, &string, 1);
    const HINSTANCE previous = AfxGetResourceHandle();
    AfxSetResourceHandle(module);
    tip.UpdateTipText(kTipString, &m_gauges, kSpeedTool);
    AfxSetResourceHandle(previous);
    FreeResourceModule(module);
    tip.GetText(text, &m_gauges, kSpeedTool);
    EXPECT_EQ(text, "Heading");

    // The whole client area of a window is a tool when no rectangle is given.
    CWnd whole;
    whole.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, 10, 10, 30, 30, m_gauges.m_hWnd, nullptr);
    ASSERT_TRUE(tip.AddTool(&whole, "whole"));
    EXPECT_EQ(tip.GetToolCount(), 2);
    EXPECT_FALSE(tip.AddTool(nullptr, "none"));

    tip.SetDelayTime(200);
    EXPECT_EQ(tip.GetDelayTime(TTDT_INITIAL), 200);
    EXPECT_EQ(tip.GetDelayTime(TTDT_AUTOPOP), 2000);
    EXPECT_EQ(tip.GetDelayTime(TTDT_RESHOW), 40);
    tip.SetDelayTime(TTDT_AUTOPOP, 700);
    EXPECT_EQ(tip.GetDelayTime(TTDT_AUTOPOP), 700);
    tip.SetDelayTime(TTDT_AUTOPOP, -1);
    EXPECT_EQ(tip.GetDelayTime(TTDT_AUTOPOP), static_cast<int>(GetDoubleClickTime()) * 10);
    whole.DestroyWindow();
}
