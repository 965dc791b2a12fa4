#include "vornui/platform/Button.h"
#include "vornui/platform/CDC.h"
#include "vornui/platform/CMenu.h"
#include "vornui/platform/CmdUI.h"
#include "vornui/platform/DesktopInput.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/Dialog.h"
#include "vornui/platform/DialogBar.h"
#include "vornui/platform/FrameWnd.h"
#include "vornui/platform/Resources.h"
#include "vornui/platform/Sound.h"
#include "vornui/platform/StatusBar.h"
#include "vornui/platform/View.h"
#include "vornui/platform/WinApp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT kBarId = 7001;
constexpr UINT kBoxId = 7002;
constexpr UINT kStart = 500;
constexpr UINT kStop = 501;
constexpr UINT kFix = 502;
constexpr UINT kSmooth = 503;
constexpr UINT kZoom = 504;
constexpr UINT kAbout = 505;
constexpr UINT kLineIndicator = 506;

std::vector<std::string>& Done() {
    static std::vector<std::string> done;
    return done;
}

constexpr DialogItemTemplate kBarItems[] = {
    {"Button", "Start", kStart, WS_VISIBLE | BS_PUSHBUTTON, 0, 4, 2, 40, 14},
    {"Button", "Stop", kStop, WS_VISIBLE | BS_PUSHBUTTON, 0, 48, 2, 40, 14},
    {"Button", "Fix", kFix, WS_VISIBLE | BS_PUSHBUTTON, 0, 92, 2, 40, 14},
    {"Button", "Smooth", kSmooth, WS_VISIBLE | BS_AUTOCHECKBOX, 0, 136, 4, 50, 10},
};

constexpr DialogTemplate kBar{DS_SETFONT | WS_CHILD,
                              0,
                              0,
                              0,
                              200,
                              18,
                              "",
                              "MS Shell Dlg",
                              8,
                              kBarItems,
                              static_cast<WORD>(std::size(kBarItems))};

constexpr DialogItemTemplate kBoxItems[] = {
    {"Button", "OK", IDOK, WS_VISIBLE | BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 40, 20, 50, 14},
};

constexpr DialogTemplate kBox{DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                              0,
                              0,
                              0,
                              130,
                              40,
                              "Line",
                              "MS Shell Dlg",
                              8,
                              kBoxItems,
                              static_cast<WORD>(std::size(kBoxItems))};

// The survey view: it answers Zoom itself and paints the water blue.
class SurveyView : public CView {
protected:
    void OnDraw(CDC* dc) override {
        CRect client;
        GetClientRect(&client);
        dc->FillSolidRect(&client, RGB(0, 0, 160));
    }
    void OnZoom() { Done().push_back("view zoom"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SurveyView, CView)
ON_COMMAND(kZoom, &SurveyView::OnZoom)
END_MESSAGE_MAP()

class SurveyFrame : public CFrameWnd {
public:
    bool running = false;

protected:
    void OnStart() {
        Done().push_back("frame start");
        running = true;
    }
    void OnStop() {
        Done().push_back("frame stop");
        running = false;
    }
    void OnZoom() { Done().push_back("frame zoom"); }
    void OnUpdateStart(CCmdUI* cmdUI) { cmdUI->Enable(!running); }
    void OnUpdateStop(CCmdUI* cmdUI) {
        cmdUI->Enable(running);
        cmdUI->SetCheck(running ? 1 : 0);
    }
    void OnUpdateLine(CCmdUI* cmdUI) { cmdUI->SetText(running ? "Line 12" : "No line"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SurveyFrame, CFrameWnd)
ON_COMMAND(kStart, &SurveyFrame::OnStart)
ON_COMMAND(kStop, &SurveyFrame::OnStop)
ON_COMMAND(kZoom, &SurveyFrame::OnZoom)
ON_UPDATE_COMMAND_UI(kStart, &SurveyFrame::OnUpdateStart)
ON_UPDATE_COMMAND_UI(kStop, &SurveyFrame::OnUpdateStop)
ON_UPDATE_COMMAND_UI(kLineIndicator, &SurveyFrame::OnUpdateLine)
END_MESSAGE_MAP()

// The application answers About, last in the route.
class SurveyApp : public CWinApp {
public:
    SurveyApp() : CWinApp("Survey") {}

protected:
    void OnAbout() { Done().push_back("app about"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SurveyApp, CWinApp)
ON_COMMAND(kAbout, &SurveyApp::OnAbout)
END_MESSAGE_MAP()

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

CRect RectInParent(const CWnd& child) {
    CRect rect;
    child.GetWindowRect(&rect);
    child.GetParent()->ScreenToClient(&rect);
    return rect;
}

// A survey program's main frame with its dialog bar, status bar and view, and the
// application object and resources it runs with.
class SurveyWindows : public testing::Test {
protected:
    void SetUp() override {
        Done().clear();
        m_module = CreateResourceModule("frame-tests");
        ASSERT_TRUE(AddResource(m_module, RT_DIALOG, MAKEINTRESOURCE(kBarId), &kBar, sizeof kBar));
        ASSERT_TRUE(AddResource(m_module, RT_DIALOG, MAKEINTRESOURCE(kBoxId), &kBox, sizeof kBox));
        const StringResource line{kLineIndicator, "No line"};
        AddStringResources(m_module, &line, 1);
        m_previous = AfxGetResourceHandle();
        AfxSetResourceHandle(m_module);

        frame = new SurveyFrame;
        ASSERT_TRUE(frame->Create(nullptr, "Survey", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  CRect(40, 40, 640, 480)));
        ASSERT_TRUE(bar.Create(frame, kBarId, CBRS_TOP | WS_VISIBLE, AFX_IDW_CONTROLBAR_FIRST + 1));
        ASSERT_TRUE(status.Create(frame));
        const UINT indicators[] = {ID_SEPARATOR, kLineIndicator};
        ASSERT_TRUE(status.SetIndicators(indicators, 2));
        view = new SurveyView;
        ASSERT_TRUE(view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(),
                                 frame, AFX_IDW_PANE_FIRST));
        frame->SetActiveView(view);
        frame->RecalcLayout();
        app.m_pMainWnd = frame;
    }
    void TearDown() override {
        if (frame && IsWindow(frame->m_hWnd))
            frame->DestroyWindow(); // the frame and its view delete themselves
        AfxSetResourceHandle(m_previous);
        FreeResourceModule(m_module);
    }

    SurveyApp app;
    SurveyFrame* frame = nullptr;
    SurveyView* view = nullptr;
    CDialogBar bar;
    CStatusBar status;
    HMODULE m_module = nullptr;
    HINSTANCE m_previous = nullptr;
};

} // namespace

TEST_F(SurveyWindows, TheBarsTakeTheEdgesAndTheViewTheRest) {
    CRect client;
    frame->GetClientRect(&client);
    const CRect top = RectInParent(bar);
    const CRect bottom = RectInParent(status);
    const CRect middle = RectInParent(*view);
    EXPECT_EQ(top.TopLeft(), CPoint(0, 0));
    EXPECT_EQ(top.Width(), client.Width());
    CRect template18(0, 0, 200, 18);
    MapDialogRect(bar.m_hWnd, &template18);
    EXPECT_EQ(top.Height(), template18.Height());
    EXPECT_EQ(bottom.bottom, client.bottom);
    EXPECT_EQ(middle, CRect(0, top.bottom, client.right, bottom.top));

    // Sizing the frame lays it out again.
    frame->MoveWindow(40, 40, 500, 400);
    frame->GetClientRect(&client);
    EXPECT_EQ(RectInParent(status).bottom, client.bottom);
    EXPECT_EQ(RectInParent(*view).right, client.right);

    EXPECT_EQ(view->GetParentFrame(), frame);
    EXPECT_EQ(bar.GetDlgItem(kStart)->GetParentFrame(), frame);
    EXPECT_EQ(frame->GetParentFrame(), nullptr);
    EXPECT_EQ(AfxGetMainWnd(), frame);
    EXPECT_EQ(frame->GetExStyle() & WS_EX_CLIENTEDGE, static_cast<DWORD>(WS_EX_CLIENTEDGE));
    EXPECT_EQ(view->GetExStyle() & WS_EX_CLIENTEDGE, static_cast<DWORD>(WS_EX_CLIENTEDGE));
}

TEST_F(SurveyWindows, IdleTimeGreysTheButtonsOfTheBarThroughTheFrame) {
    CWnd* start = bar.GetDlgItem(kStart);
    CWnd* stop = bar.GetDlgItem(kStop);
    app.OnIdle(0);
    EXPECT_TRUE(start->IsWindowEnabled());
    EXPECT_FALSE(stop->IsWindowEnabled());                 // ON_UPDATE_COMMAND_UI greys it
    EXPECT_FALSE(bar.GetDlgItem(kFix)->IsWindowEnabled()); // nobody carries it out
    EXPECT_TRUE(bar.GetDlgItem(kSmooth)->IsWindowEnabled());
    EXPECT_EQ(status.GetPaneText(1), "No line");

    ClickOn(*stop); // greyed: nothing happens
    EXPECT_TRUE(Done().empty());
    ClickOn(*start); // the bar hands the command to its frame
    EXPECT_EQ(Done(), std::vector<std::string>{"frame start"});
    app.OnIdle(0);
    EXPECT_FALSE(start->IsWindowEnabled());
    EXPECT_TRUE(stop->IsWindowEnabled());
    EXPECT_EQ(status.GetPaneText(1), "Line 12");
    ClickOn(*stop);
    EXPECT_EQ(Done(), (std::vector<std::string>{"frame start", "frame stop"}));
}

TEST_F(SurveyWindows, CommandsGoToTheViewThenTheFrameThenTheApplication) {
    frame->SendMessage(WM_COMMAND, MAKEWPARAM(kZoom, 0), 0);
    frame->SendMessage(WM_COMMAND, MAKEWPARAM(kAbout, 0), 0);
    frame->SetActiveView(nullptr);
    frame->SendMessage(WM_COMMAND, MAKEWPARAM(kZoom, 0), 0);
    EXPECT_EQ(Done(), (std::vector<std::string>{"view zoom", "app about", "frame zoom"}));
}

TEST_F(SurveyWindows, AMenuOfTheFrameIsUpdatedBeforeItOpens) {
    CMenu menuBar;
    menuBar.CreateMenu();
    CMenu line;
    line.CreatePopupMenu();
    line.AppendMenu(MF_STRING, kStart, "&Start");
    line.AppendMenu(MF_STRING, kStop, "S&top");
    line.AppendMenu(MF_SEPARATOR);
    line.AppendMenu(MF_STRING, kFix, "&Fix");
    line.AppendMenu(MF_STRING, kAbout, "&About");
    menuBar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(line.Detach()), "&Line");
    ASSERT_TRUE(frame->SetMenu(&menuBar));
    menuBar.Detach(); // the frame has it now
    CMenu* popup = frame->GetMenu()->GetSubMenu(0);
    ASSERT_NE(popup, nullptr);

    frame->running = true;
    CScriptedUser user;
    UINT stopState = 0;
    UINT fixState = 0;
    user.Then([&](HWND) {
        stopState = popup->GetMenuState(kStop, MF_BYCOMMAND);
        fixState = popup->GetMenuState(kFix, MF_BYCOMMAND);
        return ModalAction::Acted;
    });
    user.ChooseMenuItem("Start").ChooseMenuItem("Stop");
    EXPECT_TRUE(popup->TrackPopupMenu(TPM_LEFTALIGN, 100, 100, frame));
    EXPECT_EQ(stopState, static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(fixState, static_cast<UINT>(MF_GRAYED | MF_DISABLED)); // no handler
    EXPECT_EQ(popup->GetMenuState(kStart, MF_BYCOMMAND),
              static_cast<UINT>(MF_GRAYED | MF_DISABLED));
    EXPECT_EQ(popup->GetMenuState(kAbout, MF_BYCOMMAND), static_cast<UINT>(MF_ENABLED));
    Pump();
    EXPECT_EQ(Done(), std::vector<std::string>{"frame stop"});
}

TEST_F(SurveyWindows, OwnedWindowsFollowTheFrameThroughAModalDialog) {
    // A modeless window the frame owns, such as a floating tool window.
    CWnd tool;
    ASSERT_TRUE(tool.CreateEx(WS_EX_TOOLWINDOW, "AfxFrameOrView", "Tools",
                              WS_POPUP | WS_CAPTION | WS_VISIBLE, CRect(700, 40, 800, 200), frame,
                              0));
    EXPECT_EQ(tool.GetWindow(GW_OWNER), frame);
    EXPECT_EQ(tool.GetOwner(), frame);

    // Without a parent, the safe owner is the main window's last active popup; a child
    // control stands for its top-level window.
    EXPECT_EQ(CWnd::GetSafeOwner(), &tool);
    EXPECT_EQ(CWnd::GetSafeOwner(bar.GetDlgItem(kStart)), frame);
    HWND disabled = reinterpret_cast<HWND>(1);
    EXPECT_EQ(CWnd::GetSafeOwner(frame, &disabled), frame);
    EXPECT_EQ(disabled, nullptr); // the owner itself is not disabled
    tool.ShowWindow(SW_HIDE);
    EXPECT_EQ(CWnd::GetSafeOwner(), frame);
    tool.ShowWindow(SW_SHOWNA);

    bool toolWhileModal = true;
    bool frameWhileModal = true;
    CScriptedUser user;
    user.Then([&](HWND) {
        toolWhileModal = tool.IsWindowEnabled() != FALSE;
        frameWhileModal = frame->IsWindowEnabled() != FALSE;
        return ModalAction::Acted;
    });
    user.Click(IDOK);
    CDialog box(kBoxId, frame);
    EXPECT_EQ(box.DoModal(), IDOK);
    EXPECT_FALSE(frameWhileModal);
    EXPECT_FALSE(toolWhileModal);
    EXPECT_TRUE(frame->IsWindowEnabled());
    EXPECT_TRUE(tool.IsWindowEnabled());

    // A window the program disabled itself stays disabled after the modal loop.
    tool.EnableWindow(FALSE);
    user.Click(IDOK);
    CDialog again(kBoxId, frame);
    EXPECT_EQ(again.DoModal(), IDOK);
    EXPECT_FALSE(tool.IsWindowEnabled());
}

TEST(Sound, TheHeadlessDesktopWritesDownWhatItWasAskedToPlay) {
    ForgetMessageBeeps();
    EXPECT_TRUE(MessageBeep(MB_ICONEXCLAMATION));
    EXPECT_TRUE(MessageBeep(0xFFFFFFFF));
    EXPECT_EQ(MessageBeepsPlayed(), (std::vector<UINT>{MB_ICONEXCLAMATION, 0xFFFFFFFF}));
    for (int beep = 0; beep < 300; ++beep)
        MessageBeep(MB_OK);
    EXPECT_EQ(MessageBeepsPlayed().size(), 256u);
    ForgetMessageBeeps();
    EXPECT_TRUE(MessageBeepsPlayed().empty());
}
