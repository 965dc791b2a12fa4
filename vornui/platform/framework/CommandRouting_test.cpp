#include "tests/TestWindowClass.h"

#include "vornui/platform/Button.h"
#include "vornui/platform/CMenu.h"
#include "vornui/platform/CmdUI.h"
#include "vornui/platform/DesktopInput.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/Wnd.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT kStart = 300;
constexpr UINT kStop = 301;
constexpr UINT kLayerFirst = 310;
constexpr UINT kLayerLast = 319;
constexpr UINT kLog = 325;
constexpr UINT kFix = 330;

// A window whose message map answers line commands, a range of layer commands and the
// Log button, and greys Stop while no line runs.
class LineWindow : public CWnd {
public:
    std::vector<std::string> done;
    bool running = false;

protected:
    void OnStart() {
        done.push_back("start");
        running = true;
    }
    void OnStop() {
        done.push_back("stop");
        running = false;
    }
    void OnLayer(UINT id) { done.push_back("layer " + std::to_string(id - kLayerFirst)); }
    void OnLogClicked() { done.push_back("log"); }
    void OnUpdateStop(CCmdUI* cmdUI) { cmdUI->Enable(running); }
    void OnUpdateStart(CCmdUI* cmdUI) {
        cmdUI->Enable(!running);
        cmdUI->SetCheck(running ? 1 : 0);
        cmdUI->SetText(running ? "Line &running" : "&Start line");
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(LineWindow, CWnd)
ON_COMMAND(kStart, &LineWindow::OnStart)
ON_COMMAND(kStop, &LineWindow::OnStop)
ON_COMMAND_RANGE(kLayerFirst, kLayerLast, &LineWindow::OnLayer)
ON_BN_CLICKED(kLog, &LineWindow::OnLogClicked)
ON_UPDATE_COMMAND_UI(kStart, &LineWindow::OnUpdateStart)
ON_UPDATE_COMMAND_UI(kStop, &LineWindow::OnUpdateStop)
END_MESSAGE_MAP()

// A derived map comes before its base's: Stop is answered here first.
class GuardedLineWindow : public LineWindow {
protected:
    void OnGuardedStop() { done.push_back("guarded stop"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(GuardedLineWindow, LineWindow)
ON_COMMAND(kStop, &GuardedLineWindow::OnGuardedStop)
END_MESSAGE_MAP()

void Create(CWnd& window) {
    ASSERT_TRUE(window.CreateEx(0, TestWindowClass("VornuiTestCommandTarget"), "Lines",
                                WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(50, 50, 450, 350), nullptr,
                                0));
}

void Pump() {
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
}

void ClickOn(const CWnd& control) {
    CRect rect;
    control.GetWindowRect(&rect);
    const DWORD thread = GetCurrentThreadId();
    PostMouseInput(thread, WM_MOUSEMOVE, rect.CenterPoint());
    PostMouseInput(thread, WM_LBUTTONDOWN, rect.CenterPoint());
    PostMouseInput(thread, WM_LBUTTONUP, rect.CenterPoint());
    Pump();
}

} // namespace

TEST(CommandRouting, MessageMapsAnswerCommandsUnlessTheyAreDisabled) {
    GuardedLineWindow window;
    Create(window);
    // A menu command (no control): carried out only while its update handler enables it.
    window.SendMessage(WM_COMMAND, MAKEWPARAM(kStop, 0), 0);
    window.SendMessage(WM_COMMAND, MAKEWPARAM(kStart, 0), 0);
    window.SendMessage(WM_COMMAND, MAKEWPARAM(kStart, 1), 0); // an accelerator
    window.SendMessage(WM_COMMAND, MAKEWPARAM(kStop, 0), 0);
    window.SendMessage(WM_COMMAND, MAKEWPARAM(kLayerFirst + 3, 0), 0);
    window.SendMessage(WM_COMMAND, MAKEWPARAM(kLayerLast + 1, 0), 0);
    EXPECT_EQ(window.done, (std::vector<std::string>{"start", "guarded stop", "layer 3"}));

    // A control's notification reaches the map with its code.
    CButton log;
    ASSERT_TRUE(log.Create("&Log", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 90, 34),
                           &window, kLog));
    window.done.clear();
    ClickOn(log);
    EXPECT_EQ(window.done, std::vector<std::string>{"log"});

    // Asked only where the handler is, the map runs nothing.
    AFX_CMDHANDLERINFO info{nullptr, {nullptr}};
    EXPECT_TRUE(window.OnCmdMsg(kLayerFirst, CN_COMMAND, nullptr, &info));
    EXPECT_EQ(info.pTarget, &window);
    EXPECT_FALSE(window.OnCmdMsg(kFix, CN_COMMAND, nullptr, &info));
    EXPECT_EQ(window.done, std::vector<std::string>{"log"});
}

TEST(CommandRouting, UpdateHandlersGreyCheckAndNameControls) {
    LineWindow window;
    Create(window);
    CButton start;
    CButton stop;
    CButton fix;
    CButton option;
    ASSERT_TRUE(start.Create("Start", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | BS_PUSHLIKE,
                             CRect(10, 10, 110, 34), &window, kStart));
    ASSERT_TRUE(stop.Create("Stop", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 40, 110, 64),
                            &window, kStop));
    ASSERT_TRUE(fix.Create("Fix", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 70, 110, 94),
                           &window, kFix));
    ASSERT_TRUE(option.Create("Smooth", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX,
                              CRect(10, 100, 110, 124), &window, kFix + 1));

    window.UpdateDialogControls(&window, TRUE);
    EXPECT_TRUE(start.IsWindowEnabled());
    EXPECT_FALSE(stop.IsWindowEnabled());  // ON_UPDATE_COMMAND_UI greys it
    EXPECT_FALSE(fix.IsWindowEnabled());   // nobody carries it out
    EXPECT_TRUE(option.IsWindowEnabled()); // a check box works by itself
    CString text;
    start.GetWindowText(text);
    EXPECT_EQ(text, "&Start line");

    // A greyed button cannot be pressed.
    ClickOn(stop);
    EXPECT_TRUE(window.done.empty());
    ClickOn(start);
    EXPECT_EQ(window.done, std::vector<std::string>{"start"});
    window.UpdateDialogControls(&window, FALSE);
    EXPECT_FALSE(start.IsWindowEnabled());
    EXPECT_TRUE(stop.IsWindowEnabled());
    EXPECT_EQ(start.GetCheck(), BST_CHECKED);
    start.GetWindowText(text);
    EXPECT_EQ(text, "Line &running");
    ClickOn(stop);
    EXPECT_EQ(window.done, (std::vector<std::string>{"start", "stop"}));
}

TEST(CommandRouting, AMenuObjectWrapsTheHandleItOwns) {
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    CMenu layers;
    ASSERT_TRUE(layers.CreatePopupMenu());
    layers.AppendMenu(MF_STRING, kLayerFirst, "&Depth");
    layers.AppendMenu(MF_STRING, kLayerFirst + 1, "&Backscatter");
    menu.AppendMenu(MF_STRING, kStart, "&Start line");
    menu.AppendMenu(MF_STRING, kStop, "S&top line");
    menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(layers.Detach()), "&Layers");
    EXPECT_EQ(menu.GetMenuItemCount(), 3u);
    CString text;
    EXPECT_EQ(menu.GetMenuString(kStop, text, MF_BYCOMMAND), 10);
    EXPECT_EQ(text, "S&top line");

    // A submenu handed out is a stand-in: the same object while the menu lives.
    CMenu* sub = menu.GetSubMenu(2);
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub, menu.GetSubMenu(2));
    EXPECT_EQ(CMenu::FromHandle(menu.m_hMenu), &menu);
    EXPECT_EQ(sub->GetMenuItemID(1), kLayerFirst + 1);
    EXPECT_EQ(CMenu::FromHandle(nullptr), nullptr);

    // Tracked for a window, the picked command reaches the window's message map.
    LineWindow window;
    Create(window);
    CScriptedUser user;
    user.ChooseMenuItem("Start line");
    EXPECT_TRUE(menu.TrackPopupMenu(TPM_LEFTALIGN, 100, 100, &window));
    Pump();
    EXPECT_EQ(window.done, std::vector<std::string>{"start"});
    user.ChooseMenuItem(kLayerFirst + 1);
    EXPECT_EQ(sub->TrackPopupMenu(TPM_RETURNCMD, 100, 100, &window),
              static_cast<BOOL>(kLayerFirst + 1));

    const HMENU handle = menu.m_hMenu;
    const HMENU subHandle = sub->m_hMenu;
    menu.DestroyMenu();
    EXPECT_FALSE(IsMenu(handle));
    EXPECT_FALSE(IsMenu(subHandle));
    EXPECT_EQ(menu.m_hMenu, nullptr);
    HMENU kept = nullptr;
    {
        CMenu owned;
        owned.CreateMenu();
        kept = owned.Detach();
        EXPECT_TRUE(IsMenu(kept));
        EXPECT_TRUE(owned.Attach(kept));
    }
    EXPECT_FALSE(IsMenu(kept)); // the destructor destroyed what it held
}
