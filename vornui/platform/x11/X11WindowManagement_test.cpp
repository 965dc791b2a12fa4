#include "tests/TestWindowClass.h"
#include "tests/x11/X11DisplayFixture.h"

#include "vornui/platform/DialogManager.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Static.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPosition.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

namespace {

// The smallest and largest sizes the sized frame allows the person to give it.
constexpr POINT kSmallest{200, 150};
constexpr POINT kLargest{640, 480};

// What the frame was told of its place: "WM_WINDOWPOSCHANGED x,y cx,cy", "WM_MOVE x,y" (the
// client's corner on the screen) and "WM_SIZE cx,cy" (the client's size).
std::vector<std::string> g_placement;

std::string Pair(int first, int second) {
    return std::to_string(first) + "," + std::to_string(second);
}

LRESULT CALLBACK SizedFrame(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETMINMAXINFO: {
        auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        limits->ptMinTrackSize = kSmallest;
        limits->ptMaxTrackSize = kLargest;
        return 0;
    }
    case WM_WINDOWPOSCHANGED: {
        const auto* place = reinterpret_cast<const WINDOWPOS*>(lParam);
        g_placement.push_back("WM_WINDOWPOSCHANGED " + Pair(place->x, place->y) + " " +
                              Pair(place->cx, place->cy));
        break;
    }
    case WM_MOVE:
        g_placement.push_back("WM_MOVE " + Pair(short(LOWORD(lParam)), short(HIWORD(lParam))));
        break;
    case WM_SIZE:
        g_placement.push_back("WM_SIZE " + Pair(LOWORD(lParam), HIWORD(lParam)));
        break;
    default:
        break;
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

// The minimum and maximum width and height that the window's WM_NORMAL_HINTS give (flags,
// x, y, width, height, then the two sizes); empty when it gives neither.
std::vector<uint32_t> SizeLimitsOf(const std::vector<uint32_t>& hints) {
    constexpr uint32_t kMinimumSizeGiven = 1u << 4;
    constexpr uint32_t kMaximumSizeGiven = 1u << 5;
    constexpr uint32_t kBoth = kMinimumSizeGiven | kMaximumSizeGiven;
    if (hints.size() < 9 || (hints[0] & kBoth) != kBoth)
        return {};
    return std::vector<uint32_t>(hints.begin() + 5, hints.begin() + 9);
}

class X11WindowManagement : public X11DisplayFixture {
protected:
    // A visible sizable frame "Sized frame" at 100, 100, 320 x 240 with its limits.
    HWND ShowSizedFrame() {
        m_frame = CreateWindowEx(0, TestWindowClass("VornuiX11SizedFrame", SizedFrame),
                                 "Sized frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 320,
                                 240, nullptr, nullptr, nullptr, nullptr);
        Pump();
        g_placement.clear();
        return m_frame;
    }
};

} // namespace

TEST_F(X11WindowManagement, TheFramesSizeLimitsReachTheServerAsSizeHints) {
    ShowSizedFrame();
    const xcb_window_t shown = m_person->AwaitWindow("Sized frame");
    ASSERT_NE(shown, 0u);
    EXPECT_EQ(SizeLimitsOf(m_person->Property(shown, "WM_NORMAL_HINTS")),
              (std::vector<uint32_t>{uint32_t(kSmallest.x), uint32_t(kSmallest.y),
                                     uint32_t(kLargest.x), uint32_t(kLargest.y)}));
}

TEST_F(X11WindowManagement, AWindowThePersonCannotSizeKeepsItsSizeAsBothLimits) {
    const HWND popup = CreateWindowEx(0, TestWindowClass("VornuiX11FixedPopup"), "Fixed popup",
                                      WS_POPUP | WS_BORDER | WS_VISIBLE, 200, 200, 180, 90, nullptr,
                                      nullptr, nullptr, nullptr);
    Pump();
    const xcb_window_t shown = m_person->AwaitWindow("Fixed popup");
    ASSERT_NE(shown, 0u);
    EXPECT_EQ(SizeLimitsOf(m_person->Property(shown, "WM_NORMAL_HINTS")),
              (std::vector<uint32_t>{180, 90, 180, 90}));
    DestroyWindow(popup);
}

namespace {

constexpr DialogItemTemplate kQuestionItems[] = {
    {"Static", "Stop logging?", 0xFFFF, WS_VISIBLE | SS_LEFT, 0, 7, 7, 100, 8},
};

constexpr DialogTemplate kQuestion{DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU |
                                       WS_VISIBLE,
                                   0,
                                   0,
                                   0,
                                   120,
                                   40,
                                   "Stop logging",
                                   "MS Shell Dlg",
                                   8,
                                   kQuestionItems,
                                   static_cast<WORD>(std::size(kQuestionItems))};

// While the modal dialog runs, a timer lets the person look at it on the server; the dialog
// ends once they saw it, or after five seconds of looking in vain.
struct TransientLook {
    XPerson* person;
    std::vector<uint32_t> transientFor;
    int ticks = 0;

    static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
        if (message == WM_INITDIALOG) {
            SetWindowLongPtr(dialog, DWLP_USER, lParam);
            SetTimer(dialog, 1, 20, nullptr);
            return TRUE;
        }
        if (message != WM_TIMER)
            return FALSE;
        auto* look = reinterpret_cast<TransientLook*>(GetWindowLongPtr(dialog, DWLP_USER));
        if (const xcb_window_t shown = look->person->AwaitWindow("Stop logging", 0))
            look->transientFor = look->person->Property(shown, "WM_TRANSIENT_FOR");
        if (!look->transientFor.empty() || ++look->ticks > 250)
            EndDialog(dialog, IDOK);
        return TRUE;
    }
};

} // namespace

TEST_F(X11WindowManagement, AModalDialogIsTransientForItsOwner) {
    const HWND owner = ShowFrame();
    const xcb_window_t ownerShown = m_person->AwaitWindow("Survey frame");
    ASSERT_NE(ownerShown, 0u);
    TransientLook look{m_person.get(), {}};
    EXPECT_EQ(DialogBoxIndirectParam(nullptr, &kQuestion, owner, TransientLook::Procedure,
                                     reinterpret_cast<LPARAM>(&look)),
              IDOK);
    EXPECT_EQ(look.transientFor, std::vector<uint32_t>{ownerShown});
    // The owner's own window is transient for nothing.
    EXPECT_TRUE(m_person->Property(ownerShown, "WM_TRANSIENT_FOR").empty());
}

TEST_F(X11WindowManagement, AMoveAndSizeImposedByTheWindowManagerReachTheFrame) {
    const HWND frame = ShowSizedFrame();
    const xcb_window_t shown = m_person->AwaitWindow("Sized frame");
    ASSERT_NE(shown, 0u);
    m_person->Configure(shown, 300, 200, 400, 300);
    CRect rect;
    EXPECT_TRUE(PumpUntil([&] {
        GetWindowRect(frame, &rect);
        return rect == CRect(300, 200, 700, 500);
    })) << rect.left
        << "," << rect.top << " " << rect.Width() << "x" << rect.Height();
    CRect client;
    GetClientRect(frame, &client);
    CPoint corner(0, 0);
    ClientToScreen(frame, &corner);
    EXPECT_EQ(g_placement,
              (std::vector<std::string>{"WM_WINDOWPOSCHANGED 300,200 400,300",
                                        "WM_MOVE " + Pair(corner.x, corner.y),
                                        "WM_SIZE " + Pair(client.Width(), client.Height())}));
}
