#include "tests/PngFile.h"
#include "tests/TestWindowClass.h"
#include "tests/WindowSpy.h"
#include "tests/x11/XPerson.h"
#include "tests/x11/XvfbServer.h"

#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/DesktopDisplay.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/DialogManager.h"
#include "vornui/platform/EditControl.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/ProcessIdentity.h"
#include "vornui/platform/Static.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/WindowPicture.h"
#include "vornui/platform/WindowPosition.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

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

void Pump() {
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
}

// Pumps the thread's messages until `done`, for at most five seconds.
bool PumpUntil(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    for (Pump(); !done(); Pump()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

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
class X11Display : public testing::Test {
protected:
    void SetUp() override {
        if (!XvfbServer::Installed())
            GTEST_SKIP() << "Xvfb is not installed (Debian package xvfb): the X11 display "
                            "cannot be tested here";
        m_monitors = GetScreenMonitors();
        m_server =
            std::make_unique<XvfbServer>(std::vector<std::string>{"-screen", "0", "1280x1024x24"});
        ASSERT_FALSE(m_server->display().empty()) << m_server->failure();
        DesktopDisplaySettings settings;
        settings.server = m_server->display();
        ASSERT_TRUE(OpenDesktopDisplay("x11", settings));
        m_person = std::make_unique<XPerson>(m_server->display());
        ASSERT_TRUE(m_person->connected());
    }
    void TearDown() override {
        if (m_frame)
            DestroyWindow(m_frame);
        CloseDesktopDisplay();
        if (!m_monitors.empty())
            SetScreenMonitors(m_monitors);
    }

    HWND ShowFrame() {
        m_frame = CreateWindowEx(0, TestWindowClass("VornuiX11Frame"), "Survey frame",
                                 WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 320, 240, nullptr,
                                 nullptr, nullptr, nullptr);
        Pump();
        return m_frame;
    }

    std::vector<ScreenMonitor> m_monitors;
    std::unique_ptr<XvfbServer> m_server;
    std::unique_ptr<XPerson> m_person;
    HWND m_frame = nullptr;
};

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

    const auto headlessMatchesServer = [&](const char* headlessPath, const char* serverPath) {
        if (!RenderWindowToPng(dialog, headlessPath))
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
        return same;
    };
    EXPECT_TRUE(headlessMatchesServer("x11-survey-line-headless.png", "x11-survey-line.png"));

    // Only the edit is presented again: the rest of the window must still be right.
    SetDlgItemText(dialog, kLine, "L0042 north");
    EXPECT_TRUE(
        headlessMatchesServer("x11-survey-line-typed-headless.png", "x11-survey-line-typed.png"));
    DestroyWindow(dialog);
}
