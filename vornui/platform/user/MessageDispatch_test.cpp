#include "tests/TestWindowClass.h"

#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/WindowPosition.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

constexpr UINT WM_APP_ASK = WM_APP + 1;
constexpr UINT WM_APP_CLOSE = WM_APP + 2;

std::map<HWND, int> g_asked;

// Answers with the number it was given at creation, counts the questions, and destroys
// itself when told to, inside its own message.
LRESULT NumberedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP_ASK) {
        ++g_asked[hwnd];
        return GetWindowLongPtr(hwnd, GWLP_USERDATA) + static_cast<LRESULT>(wParam);
    }
    if (message == WM_APP_CLOSE) {
        DestroyWindow(hwnd);
        return 1;
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

LRESULT DoublingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP_ASK)
        return 2 * GetWindowLongPtr(hwnd, GWLP_USERDATA);
    return DefWindowProc(hwnd, message, wParam, lParam);
}

HWND Numbered(int number) {
    const HWND hwnd = CreateWindowEx(0, TestWindowClass("VornuiTestNumbered", NumberedProc), "",
                                     WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    SetWindowLongPtr(hwnd, GWLP_USERDATA, number);
    return hwnd;
}

} // namespace

// More windows than the thread keeps at hand, so that sends find some in the registry and
// others in the thread's cache, and windows that go during their own message.
TEST(MessageDispatch, SendsReachTheRightWindowWhereverItIsFoundAndNeverAGoneOne) {
    g_asked.clear();
    std::vector<HWND> windows;
    for (int number = 0; number < 300; ++number)
        windows.push_back(Numbered(number * 10));
    for (int round = 0; round < 2; ++round) {
        for (int number = 299; number >= 0; --number)
            EXPECT_EQ(SendMessage(windows[number], WM_APP_ASK, 3, 0), number * 10 + 3);
    }
    for (HWND hwnd : windows)
        EXPECT_EQ(g_asked[hwnd], 2);

    // Every other window goes, half of them inside a message of their own.
    for (std::size_t index = 0; index < windows.size(); index += 2) {
        if (index % 4 == 0)
            EXPECT_EQ(SendMessage(windows[index], WM_APP_CLOSE, 0, 0), 1);
        else
            DestroyWindow(windows[index]);
    }
    for (std::size_t index = 0; index < windows.size(); ++index) {
        const bool gone = index % 2 == 0;
        EXPECT_EQ(IsWindow(windows[index]), !gone) << index;
        EXPECT_EQ(SendMessage(windows[index], WM_APP_ASK, 0, 0),
                  gone ? 0 : static_cast<LRESULT>(index * 10))
            << index;
        EXPECT_EQ(g_asked[windows[index]], gone ? 2 : 3) << index;
    }

    // A procedure replaced after the window was last sent to answers the next message; a
    // window without a procedure answers nothing.
    const HWND kept = windows[1];
    SetWindowLongPtr(kept, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DoublingProc));
    EXPECT_EQ(SendMessage(kept, WM_APP_ASK, 0, 0), 20);
    SetWindowLongPtr(kept, GWLP_WNDPROC, 0);
    EXPECT_EQ(SendMessage(kept, WM_APP_ASK, 0, 0), 0);
    EXPECT_EQ(CallWindowProc(nullptr, kept, WM_APP_ASK, 0, 0), 0);
    SetWindowLongPtr(kept, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NumberedProc));
    EXPECT_EQ(SendMessage(kept, WM_APP_ASK, 1, 0), 11);

    for (std::size_t index = 1; index < windows.size(); index += 2)
        DestroyWindow(windows[index]);
    EXPECT_EQ(SendMessage(kept, WM_APP_ASK, 0, 0), 0);
}

TEST(MessageDispatch, InvalidatingOutsideTheClientAreaLeavesTheUpdateRegionAsItWas) {
    const HWND hwnd =
        CreateWindowEx(0, TestWindowClass("VornuiTestPlain"), "", WS_POPUP | WS_VISIBLE, 0, 0, 100,
                       80, nullptr, nullptr, nullptr, nullptr);
    ValidateRect(hwnd, nullptr);
    CRect update;
    const CRect below(0, 200, 100, 220);
    InvalidateRect(hwnd, &below, FALSE);
    EXPECT_FALSE(GetUpdateRect(hwnd, &update, FALSE));

    const CRect row(0, 10, 100, 20);
    InvalidateRect(hwnd, &row, FALSE);
    const CRect otherRow(0, 40, 50, 50);
    InvalidateRect(hwnd, &otherRow, FALSE);
    InvalidateRect(hwnd, &below, FALSE);
    ASSERT_TRUE(GetUpdateRect(hwnd, &update, FALSE));
    EXPECT_EQ(update, CRect(0, 10, 100, 50));
    const CRect across(50, 70, 150, 120); // clipped to what lies inside
    InvalidateRect(hwnd, &across, FALSE);
    ASSERT_TRUE(GetUpdateRect(hwnd, &update, FALSE));
    EXPECT_EQ(update, CRect(0, 10, 100, 80));
    DestroyWindow(hwnd);
}
