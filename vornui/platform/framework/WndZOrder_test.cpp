#include "vornui/platform/Wnd.h"

#include <gtest/gtest.h>

namespace {

const char* PlainFrameClass() {
    static const char* const name = [] {
        WNDCLASS wc{};
        wc.lpfnWndProc = DefWindowProc;
        wc.lpszClassName = "VornuiTestWndZOrder";
        RegisterClass(&wc);
        return "VornuiTestWndZOrder";
    }();
    return name;
}

bool Topmost(const CWnd& wnd) {
    return (wnd.GetExStyle() & WS_EX_TOPMOST) != 0;
}

// Whether `upper` lies above `lower` among their siblings.
bool Above(const CWnd& upper, const CWnd& lower) {
    for (HWND each = GetWindow(upper.m_hWnd, GW_HWNDNEXT); each;
         each = GetWindow(each, GW_HWNDNEXT))
        if (each == lower.m_hWnd)
            return true;
    return false;
}

} // namespace

TEST(WndZOrder, TheSpecialPlacesAreObjectsOrTheSystemValues) {
    CWnd first;
    CWnd second;
    ASSERT_TRUE(
        first.CreateEx(0, PlainFrameClass(), "1", WS_OVERLAPPED, CRect(0, 0, 40, 40), nullptr, 0));
    ASSERT_TRUE(
        second.CreateEx(0, PlainFrameClass(), "2", WS_OVERLAPPED, CRect(0, 0, 40, 40), nullptr, 0));
    const UINT keep = SWP_NOMOVE | SWP_NOSIZE;
    EXPECT_EQ(CWnd::wndBottom.m_hWnd, HWND_BOTTOM);

    EXPECT_TRUE(first.SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, keep));
    EXPECT_TRUE(Topmost(first));
    EXPECT_TRUE(Above(first, second));
    EXPECT_TRUE(first.SetWindowPos(&CWnd::wndNoTopMost, 0, 0, 0, 0, keep));
    EXPECT_FALSE(Topmost(first));
    EXPECT_TRUE(first.SetWindowPos(&CWnd::wndBottom, 0, 0, 0, 0, keep));
    EXPECT_TRUE(Above(second, first));
    EXPECT_TRUE(first.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, keep));
    EXPECT_TRUE(Above(first, second));
    EXPECT_TRUE(first.SetWindowPos(&second, 0, 0, 0, 0, keep)); // right below a window
    EXPECT_TRUE(Above(second, first));

    // The system's values passed as they are, as older callers do.
    EXPECT_TRUE(second.SetWindowPos(reinterpret_cast<const CWnd*>(HWND_TOPMOST), 0, 0, 0, 0, keep));
    EXPECT_TRUE(Topmost(second));
    EXPECT_TRUE(
        second.SetWindowPos(reinterpret_cast<const CWnd*>(HWND_NOTOPMOST), 0, 0, 0, 0, keep));
    EXPECT_FALSE(Topmost(second));
    EXPECT_TRUE(second.SetWindowPos(reinterpret_cast<const CWnd*>(HWND_BOTTOM), 0, 0, 0, 0, keep));
    EXPECT_TRUE(Above(first, second));
    EXPECT_TRUE(second.SetWindowPos(nullptr, 5, 6, 0, 0, SWP_NOSIZE));
    CRect rect;
    second.GetWindowRect(&rect);
    EXPECT_EQ(rect.TopLeft(), CPoint(5, 6));
    EXPECT_TRUE(Above(second, first)); // a null place is the top
    first.DestroyWindow();
    second.DestroyWindow();
}
