#include "tests/PngFile.h"
#include "tests/TestWindowClass.h"
#include "tests/WindowSpy.h"
#include "tests/x11/X11DisplayFixture.h"
#include "tests/x11/XOtherProgram.h"

#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/DesktopDisplay.h"
#include "vornui/platform/DesktopInput.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/DialogManager.h"
#include "vornui/platform/EditControl.h"
#include "vornui/platform/KernelObject.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/ProcessIdentity.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/Static.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/WinThread.h"
#include "vornui/platform/WindowPicture.h"
#include "vornui/platform/WindowPosition.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <utility>

namespace {

constexpr int kLine = 100;

constexpr DialogItemTemplate kSurveyLineItems[] = {
    {"Static", "&Line name:", 0xFFFF, WS_VISIBLE | SS_LEFT, 0, 7, 9, 44, 8},
    {"Edit", "", kLine, WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 0, 55, 7, 110, 12},
    {"Button", "OK", IDOK, WS_VISIBLE | BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 0, 60, 30, 50,
     14},
    {"Button", "Cancel", IDCANCEL, WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, 0, 115, 30, 50, 14},
};

constexpr DialogTemplate kSurveyLine{DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION |
                                         WS_SYSMENU | WS_VISIBLE,
                                     0,
                                     0,
                                     0,
                                     172,
                                     52,
                                     "Survey line",
                                     "MS Shell Dlg",
                                     8,
                                     kSurveyLineItems,
                                     static_cast<WORD>(std::size(kSurveyLineItems))};

// Messages that say what the person did, whichever way their input came.
const std::vector<UINT> kInputMessages = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_KEYDOWN,   WM_CHAR,
                                          WM_KEYUP,       WM_SETFOCUS,  WM_KILLFOCUS, WM_COMMAND};

// A server pixel (0x00RRGGBB) as a COLORREF.
COLORREF ColorOf(uint32_t pixel) {
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

CPoint ScreenCentreOf(HWND hwnd) {
    CRect rect;
    GetWindowRect(hwnd, &rect);
    return rect.CenterPoint();
}

// The survey line dialog, with a spy on it and its edit and OK button and the places a
// person would click, known once the dialog is up.
struct SurveyLineRun {
    WindowSpy spy;
    std::atomic<HWND> dialog{nullptr};
    CPoint edit;
    CPoint ok;
    CString line;

    static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG) {
            auto* run = reinterpret_cast<SurveyLineRun*>(lParam);
            SetWindowLongPtr(dialog, DWLP_USER, lParam);
            run->spy.Watch(dialog, "dialog");
            run->spy.Watch(GetDlgItem(dialog, kLine), "line");
            run->spy.Watch(GetDlgItem(dialog, IDOK), "ok");
            run->edit = ScreenCentreOf(GetDlgItem(dialog, kLine));
            run->ok = ScreenCentreOf(GetDlgItem(dialog, IDOK));
            run->dialog = dialog;
            return TRUE;
        }
        if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
            auto* run = reinterpret_cast<SurveyLineRun*>(GetWindowLongPtr(dialog, DWLP_USER));
            char text[64] = {};
            GetDlgItemText(dialog, kLine, text, sizeof text);
            run->line = text;
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    }

    INT_PTR Run() {
        return DialogBoxIndirectParam(nullptr, &kSurveyLine, nullptr, Procedure,
                                      reinterpret_cast<LPARAM>(this));
    }
};

// Every test has an Xvfb server of its own with the X11 display open on it, and a person
// at that server.
class X11Display : public X11DisplayFixture {};

} // namespace

TEST_F(X11Display, TheServerShowsExactlyTheHeadlessPicture) {
    SurveyLineRun run;
    const HWND dialog = CreateDialogIndirectParam(
        nullptr, &kSurveyLine, nullptr, SurveyLineRun::Procedure, reinterpret_cast<LPARAM>(&run));
    ASSERT_NE(dialog, nullptr);
    Pump();
    const xcb_window_t shown = m_person->AwaitWindow("Survey line");
    ASSERT_NE(shown, 0u);
    CRect rect;
    GetWindowRect(dialog, &rect);
    EXPECT_EQ(m_person->Geometry(shown),
              (std::vector<int>{rect.left, rect.top, rect.Width(), rect.Height()}));

    // Both pictures are kept where a failure can be looked into, out of the working folder.
    const auto headlessMatchesServer = [&](const char* headlessName, const char* serverName) {
        const std::string headlessPath = testing::TempDir() + headlessName;
        const std::string serverPath = testing::TempDir() + serverName;
        if (!RenderWindowToPng(dialog, headlessPath.c_str()))
            return false;
        PngPicture headless;
        if (!headless.read(headlessPath))
            return false;
        std::vector<uint32_t> server;
        int width = 0;
        int height = 0;
        const bool same = PumpUntil([&] {
            server = m_person->Picture(shown, width, height);
            if (width != headless.width || height != headless.height || server.empty())
                return false;
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x)
                    if (ColorOf(server[size_t(y) * width + x]) != headless.color(x, y))
                        return false;
            return true;
        });
        PngPicture picture{width, height, {}};
        for (const uint32_t pixel : server)
            picture.rgb.insert(picture.rgb.end(),
                               {uint8_t(pixel >> 16), uint8_t(pixel >> 8), uint8_t(pixel)});
        picture.write(serverPath);
        if (!same)
            ADD_FAILURE() << "the server's picture is " << serverPath << ", the headless one "
                          << headlessPath;
        return same;
    };
    EXPECT_TRUE(headlessMatchesServer("x11-survey-line-headless.png", "x11-survey-line.png"));

    // Only the edit is presented again: the rest of the window must still be right.
    SetDlgItemText(dialog, kLine, "L0042 north");
    EXPECT_TRUE(
        headlessMatchesServer("x11-survey-line-typed-headless.png", "x11-survey-line-typed.png"));
    DestroyWindow(dialog);
}

TEST_F(X11Display, APersonsClicksAndKeysReachTheDialogAsTheScriptedUsersDo) {
    SurveyLineRun scripted;
    {
        CScriptedUser user;
        user.Click(kLine).Type("l42 north").Click(IDOK);
        EXPECT_EQ(scripted.Run(), IDOK);
    }
    EXPECT_EQ(scripted.line, "l42 north");

    // The person acts on the server from a thread of their own while the dialog's loop
    // waits for them; a person who cannot act cancels, so the dialog always ends.
    SurveyLineRun real;
    std::atomic<bool> ended{false};
    std::thread person([&, display = m_server->display()] {
        XPerson hands(display);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!real.dialog && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (real.dialog && hands.AwaitWindow("Survey line")) {
            hands.Click(real.edit.x, real.edit.y);
            hands.Type("l42 north");
            hands.Click(real.ok.x, real.ok.y);
        }
        const auto patience = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!ended && std::chrono::steady_clock::now() < patience)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (!ended && real.dialog)
            PostMessage(real.dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(real.Run(), IDOK);
    ended = true;
    person.join();
    EXPECT_GE(real.spy.Log(kInputMessages).size(), 20u);
    EXPECT_EQ(real.line, "l42 north");
    EXPECT_EQ(real.spy.Log(kInputMessages), scripted.spy.Log(kInputMessages));
}

TEST_F(X11Display, DraggingTheFrameCornerSizesItAsTheScriptedDragDoes) {
    const HWND frame = ShowFrame();
    const xcb_window_t shown = m_person->AwaitWindow("Survey frame");
    ASSERT_NE(shown, 0u);
    WindowSpy spy;
    spy.Watch(frame, "frame");
    const std::vector<UINT> sizing = {WM_NCLBUTTONDOWN, WM_ENTERSIZEMOVE, WM_SIZING, WM_SIZE,
                                      WM_EXITSIZEMOVE};
    {
        CScriptedUser user;
        user.DragFrame(HTBOTTOMRIGHT, 40, 30);
        ASSERT_TRUE(user.ActIn(frame));
    }
    CRect scripted;
    GetWindowRect(frame, &scripted);
    EXPECT_EQ(scripted, CRect(100, 100, 460, 370));
    const std::vector<std::string> scriptedLog = spy.Log(sizing);

    SetWindowPos(frame, nullptr, 100, 100, 320, 240, SWP_NOZORDER);
    // A click elsewhere first, or the press on the corner would make a double click.
    m_person->Click(250, 250);
    EXPECT_TRUE(PumpUntil([&] { return GetAsyncKeyState(VK_LBUTTON) == 0; }));
    spy.Clear();
    // The corner the scripted user takes: two pixels inside the bottom-right corner.
    const CPoint corner(100 + 320 - 2, 100 + 240 - 2);
    m_person->MoveTo(corner.x, corner.y);
    m_person->Button(1, true);
    m_person->MoveTo(corner.x + 20, corner.y + 15);
    m_person->MoveTo(corner.x + 40, corner.y + 30);
    m_person->Button(1, false);
    CRect real;
    EXPECT_TRUE(PumpUntil([&] {
        GetWindowRect(frame, &real);
        return real == scripted &&
               m_person->Geometry(shown) == std::vector<int>{100, 100, 360, 270};
    })) << real.right
        << "," << real.bottom;
    EXPECT_EQ(spy.Log(sizing), scriptedLog);
}

TEST_F(X11Display, TheWindowManagersCloseRequestBecomesWmClose) {
    const HWND frame = ShowFrame();
    const xcb_window_t shown = m_person->AwaitWindow("Survey frame");
    ASSERT_NE(shown, 0u);
    WindowSpy spy;
    spy.Watch(frame, "frame");
    m_person->RequestClose(shown);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(frame); }));
    EXPECT_EQ(spy.Log({WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY}),
              (std::vector<std::string>{"frame:" + MessageName(WM_SYSCOMMAND), "frame:WM_CLOSE",
                                        "frame:WM_DESTROY"}));
    m_frame = nullptr;
    // The server shows it no longer.
    EXPECT_TRUE(PumpUntil([&] { return m_person->AwaitWindow("Survey frame", 0) == 0; }));
}

TEST_F(X11Display, TheServersMonitorsAreTheScreens) {
    ASSERT_EQ(GetScreenMonitors().size(), 1u);
    EXPECT_EQ(GetScreenMonitors()[0].rect, CRect(0, 0, 1280, 1024));

    XvfbServer wide({"-screen", "0", "2560x1024x24"});
    ASSERT_FALSE(wide.display().empty()) << wide.failure();
    XPerson administrator(wide.display());
    ASSERT_TRUE(administrator.SetMonitors({{1280, 0, 1280, 1024}, {0, 0, 1280, 1024}}));
    DesktopDisplaySettings settings;
    settings.server = wide.display();
    ASSERT_TRUE(OpenDesktopDisplay("x11", settings));
    const std::vector<ScreenMonitor> monitors = GetScreenMonitors();
    ASSERT_EQ(monitors.size(), 2u);
    EXPECT_EQ(monitors[0].rect, CRect(1280, 0, 2560, 1024));
    EXPECT_TRUE(monitors[0].primary);
    EXPECT_EQ(monitors[1].rect, CRect(0, 0, 1280, 1024));
    EXPECT_FALSE(monitors[1].primary);
    const HMONITOR right = MonitorFromPoint(POINT{2000, 500}, MONITOR_DEFAULTTONULL);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetMonitorInfo(right, &info));
    EXPECT_EQ(CRect(info.rcWork), CRect(1280, 0, 2560, 1024));
    CloseDesktopDisplay();
}

TEST_F(X11Display, AServerThatGoesAwayEndsTheLoopWithAnErrorLine) {
    ShowFrame();
    ASSERT_NE(m_person->AwaitWindow("Survey frame"), 0u);
    testing::internal::CaptureStderr();
    m_server->Kill();
    // A timer stands for the hang the loop must not fall into.
    const UINT_PTR patience = SetTimer(nullptr, 0, 5000, nullptr);
    MSG msg{};
    while (GetMessage(&msg, nullptr, 0, 0) && msg.message != WM_TIMER)
        DispatchMessage(&msg);
    KillTimer(nullptr, patience);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_NE(said.find("vornui: the X display \"" + m_server->display() + "\" is gone"),
              std::string::npos)
        << said;
}

namespace {

// What a window was told of keys: each key message with its virtual key or character.
std::vector<std::string> g_keys;

LRESULT CALLBACK RecordKeys(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
        g_keys.push_back(MessageName(message) + " " + std::to_string(wParam));
        return 0;
    case WM_CHAR:
    case WM_SYSCHAR:
        g_keys.push_back(MessageName(message) + " '" + char(wParam) + "'");
        return 0;
    default:
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

} // namespace

TEST_F(X11Display, KeysWithModifiersReachTheFocusAsTheScriptedUsersDo) {
    const HWND window = CreateWindowEx(0, TestWindowClass("VornuiX11Keys", RecordKeys), "Keys",
                                       WS_POPUP | WS_BORDER | WS_VISIBLE, 200, 200, 200, 100,
                                       nullptr, nullptr, nullptr, nullptr);
    Pump();
    ASSERT_NE(m_person->AwaitWindow("Keys"), 0u);
    {
        CScriptedUser user;
        user.PressWith(MOD_SHIFT, 'A').PressWith(MOD_ALT, 'F').Press(VK_F5);
        ASSERT_TRUE(user.ActIn(window));
    }
    const std::vector<std::string> scripted = std::exchange(g_keys, {});
    const auto typed = [&](const std::string& entry) {
        return std::find(scripted.begin(), scripted.end(), entry) != scripted.end();
    };
    EXPECT_TRUE(typed("WM_CHAR 'A'"));
    EXPECT_TRUE(typed(MessageName(WM_SYSCHAR) + " 'f'"));
    EXPECT_TRUE(typed(MessageName(WM_SYSKEYDOWN) + " " + std::to_string('F')));
    EXPECT_TRUE(typed("WM_KEYDOWN " + std::to_string(VK_F5)));

    constexpr uint32_t kShift = 0xFFE1; // XK_Shift_L
    constexpr uint32_t kAlt = 0xFFE9;   // XK_Alt_L
    constexpr uint32_t kF5 = 0xFFC2;    // XK_F5
    m_person->MoveTo(300, 250);
    for (const auto& [modifier, key] : {std::pair{kShift, uint32_t('a')}, {kAlt, uint32_t('f')}}) {
        m_person->Key(modifier, true);
        m_person->Key(key, true);
        m_person->Key(key, false);
        m_person->Key(modifier, false);
    }
    m_person->Key(kF5, true);
    m_person->Key(kF5, false);
    EXPECT_TRUE(PumpUntil([&] { return g_keys.size() >= scripted.size(); }));
    EXPECT_EQ(g_keys, scripted);
    g_keys.clear();
    DestroyWindow(window);
}

TEST_F(X11Display, TheEnvironmentChoosesTheDisplay) {
    CloseDesktopDisplay();
    const auto openFromEnvironment = [](const char* display, const char* server) {
        if (display)
            setenv("VORNUI_DISPLAY", display, 1);
        else
            unsetenv("VORNUI_DISPLAY");
        setenv("DISPLAY", server, 1);
        testing::internal::CaptureStderr();
        const BOOL opened = OpenDesktopDisplayFromEnvironment();
        return std::pair{opened, testing::internal::GetCapturedStderr()};
    };
    const std::string previousDisplay = getenv("DISPLAY") ? getenv("DISPLAY") : "";

    EXPECT_EQ(openFromEnvironment(nullptr, m_server->display().c_str()),
              std::pair(FALSE, std::string()));
    EXPECT_EQ(openFromEnvironment("headless", m_server->display().c_str()),
              std::pair(FALSE, std::string()));
    EXPECT_EQ(openFromEnvironment("wayland", m_server->display().c_str()),
              std::pair(FALSE, std::string("vornui: no display \"wayland\" in this build; "
                                           "windows stay headless\n")));
    const auto [unreachable, said] = openFromEnvironment("x11", ":99999");
    EXPECT_FALSE(unreachable);
    EXPECT_NE(said.find("vornui: display \"x11\" cannot open: X server \":99999\""),
              std::string::npos)
        << said;

    EXPECT_EQ(openFromEnvironment("x11", m_server->display().c_str()),
              std::pair(TRUE, std::string()));
    ShowFrame();
    EXPECT_NE(m_person->AwaitWindow("Survey frame"), 0u);

    unsetenv("VORNUI_DISPLAY");
    if (previousDisplay.empty())
        unsetenv("DISPLAY");
    else
        setenv("DISPLAY", previousDisplay.c_str(), 1);
}

namespace {

// What a window was told of activation and focus, as "WM_ACTIVATE <state>" and the focus
// messages' names.
std::vector<std::string> g_activation;

LRESULT CALLBACK RecordActivation(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ACTIVATE)
        g_activation.push_back("WM_ACTIVATE " + std::to_string(LOWORD(wParam)));
    else if (message == WM_SETFOCUS || message == WM_KILLFOCUS)
        g_activation.push_back(MessageName(message));
    return DefWindowProc(hwnd, message, wParam, lParam);
}

} // namespace

TEST_F(X11Display, FocusThatLeavesForAnotherProgramDeactivatesAndComesBack) {
    const HWND window = CreateWindowEx(0, TestWindowClass("VornuiX11Activation", RecordActivation),
                                       "Activation", WS_POPUP | WS_BORDER | WS_VISIBLE, 200, 200,
                                       200, 100, nullptr, nullptr, nullptr, nullptr);
    Pump();
    const xcb_window_t shown = m_person->AwaitWindow("Activation");
    ASSERT_NE(shown, 0u);
    ASSERT_EQ(GetActiveWindow(), window);
    ASSERT_EQ(GetFocus(), window);
    g_activation.clear();

    XOtherProgram other(m_server->display());
    ASSERT_TRUE(other.connected());
    other.TakeFocus();
    EXPECT_TRUE(PumpUntil([] { return GetActiveWindow() == nullptr; }));
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(g_activation, (std::vector<std::string>{"WM_ACTIVATE " + std::to_string(WA_INACTIVE),
                                                      "WM_KILLFOCUS"}));
    g_activation.clear();

    other.Focus(shown);
    EXPECT_TRUE(PumpUntil([&] { return GetActiveWindow() == window; }));
    EXPECT_EQ(GetFocus(), window);
    EXPECT_EQ(g_activation, (std::vector<std::string>{"WM_ACTIVATE " + std::to_string(WA_ACTIVE),
                                                      "WM_SETFOCUS"}));
    DestroyWindow(window);
}

namespace {

// The survey line dialog, run on a worker thread of its own.
struct WorkerDialog {
    SurveyLineRun run;
    std::atomic<INT_PTR> result{0};
    std::atomic<DWORD> thread{0};

    static UINT Show(LPVOID self) {
        auto* worker = static_cast<WorkerDialog*>(self);
        worker->thread = GetCurrentThreadId();
        worker->result = worker->run.Run();
        return 0;
    }
};

} // namespace

TEST_F(X11Display, AWorkerThreadsDialogIsShownAndHearsTheClickOnItsOwnThread) {
    WorkerDialog worker;
    CWinThread* thread =
        AfxBeginThread(&WorkerDialog::Show, &worker, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(thread, nullptr);
    thread->m_bAutoDelete = FALSE;
    thread->ResumeThread();
    // This thread does not pump: the worker's own loop must read its events.
    const xcb_window_t shown = m_person->AwaitWindow("Survey line");
    EXPECT_NE(shown, 0u);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!worker.run.dialog && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    if (shown && worker.run.dialog) {
        m_person->Click(worker.run.edit.x, worker.run.edit.y);
        m_person->Type("l7");
        m_person->Click(worker.run.ok.x, worker.run.ok.y);
    }
    // A worker whose dialog never hears the click is cancelled, so that the test ends.
    if (WaitForSingleObject(thread->m_hThread, 5000) != WAIT_OBJECT_0 && worker.run.dialog)
        PostMessage(worker.run.dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(WaitForSingleObject(thread->m_hThread, 5000), WAIT_OBJECT_0);
    delete thread;
    EXPECT_EQ(worker.result, IDOK);
    EXPECT_EQ(worker.run.line, "l7");
    EXPECT_NE(worker.thread, GetCurrentThreadId());
}
