// Scroll bars the person clicks and drags, ScrollWindowEx, and redraw switched off.

#include "tests/TestWindowClass.h"

#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Regions.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/ScrollBarControl.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/WindowScrolling.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

struct Scrolled {
    UINT message;
    int code;
    int position; // HIWORD(wParam)
    int trackPos; // SIF_TRACKPOS while handling it
    HWND control; // lParam
};

struct Painted {
    CRect rect;
};

std::vector<Scrolled>& Scrolls() {
    static std::vector<Scrolled> scrolls;
    return scrolls;
}

std::vector<CRect>& Paints() {
    static std::vector<CRect> paints;
    return paints;
}

int g_documentTop = 0; // the document row at the top of the client area

// Scrolls as the documented codes say; paints row y of the document in green y % 256.
LRESULT DocumentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_VSCROLL:
    case WM_HSCROLL: {
        const auto control = reinterpret_cast<HWND>(lParam);
        const int bar = control ? SB_CTL : message == WM_VSCROLL ? SB_VERT : SB_HORZ;
        const HWND owner = control ? control : hwnd;
        SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
        GetScrollInfo(owner, bar, &info);
        const int code = LOWORD(wParam);
        Scrolls().push_back(Scrolled{message, code, HIWORD(wParam), info.nTrackPos, control});
        int pos = info.nPos;
        const int page = static_cast<int>(info.nPage);
        switch (code) {
        case SB_LINEUP:
            --pos;
            break;
        case SB_LINEDOWN:
            ++pos;
            break;
        case SB_PAGEUP:
            pos -= page;
            break;
        case SB_PAGEDOWN:
            pos += page;
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            pos = info.nTrackPos;
            break;
        default:
            break;
        }
        SetScrollPos(owner, bar, pos, TRUE);
        return 0;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        HDC hdc = BeginPaint(hwnd, &paint);
        Paints().push_back(paint.rcPaint);
        RECT client;
        GetClientRect(hwnd, &client);
        for (int y = paint.rcPaint.top; y < paint.rcPaint.bottom; ++y) {
            HBRUSH brush = CreateSolidBrush(RGB(0, (g_documentTop + y) % 256, 0));
            const RECT row{0, y, client.right, y + 1};
            FillRect(hdc, &row, brush);
            DeleteObject(brush);
        }
        EndPaint(hwnd, &paint);
        return 0;
    }
    default:
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

HWND Document(DWORD bars) {
    return CreateWindowEx(0, TestWindowClass("VornuiTestDocument", DocumentProc), "Document",
                          WS_OVERLAPPEDWINDOW | WS_VISIBLE | bars, 100, 100, 400, 300, nullptr,
                          nullptr, nullptr, nullptr);
}

CRect ClientOnScreen(HWND hwnd) {
    CRect client;
    GetClientRect(hwnd, &client);
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    client.OffsetRect(origin);
    return client;
}

void SetBar(HWND hwnd, int bar, int minPos, int maxPos, UINT page, int pos) {
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, minPos, maxPos, page, pos, 0};
    SetScrollInfo(hwnd, bar, &info, TRUE);
}

std::vector<int> Codes() {
    std::vector<int> codes;
    for (const Scrolled& each : Scrolls())
        codes.push_back(each.code);
    return codes;
}

// How many pixels of the thumb's face show down the middle of a vertical bar.
int ThumbFace(HWND hwnd, const CRect& bar) {
    HDC hdc = GetWindowDC(hwnd);
    CRect window;
    GetWindowRect(hwnd, &window);
    int face = 0;
    for (int y = bar.top + 17; y < bar.bottom - 17; ++y)
        if (GetPixel(hdc, bar.CenterPoint().x - window.left, y - window.top) ==
            GetSysColor(COLOR_3DFACE))
            ++face;
    ReleaseDC(hwnd, hdc);
    return face;
}

} // namespace

TEST(ScrollBars, AWindowBarIsClickedPagedAndDraggedWithTheDocumentedCodes) {
    const HWND plain = Document(0);
    const HWND hwnd = Document(WS_VSCROLL | WS_HSCROLL);
    RECT without;
    RECT with;
    GetClientRect(plain, &without);
    GetClientRect(hwnd, &with);
    // The client area gives way to the bars.
    EXPECT_EQ(with.right, without.right - GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_EQ(with.bottom, without.bottom - GetSystemMetrics(SM_CYHSCROLL));
    DestroyWindow(plain);

    SetBar(hwnd, SB_VERT, 0, 99, 10, 0);
    SetBar(hwnd, SB_HORZ, 0, 59, 20, 0);
    const CRect client = ClientOnScreen(hwnd);
    const int barX = client.right + 8;
    Scrolls().clear();
    CScriptedUser user;
    user.ClickAt(POINT{barX, client.bottom - 8})              // the down arrow
        .ClickAt(POINT{barX, client.bottom - 30})             // the track below the thumb
        .ClickAt(POINT{client.right - 8, client.bottom + 8}); // the right arrow
    ASSERT_TRUE(user.ActIn(hwnd));
    EXPECT_EQ(Codes(), (std::vector<int>{SB_LINEDOWN, SB_ENDSCROLL, SB_PAGEDOWN, SB_ENDSCROLL,
                                         SB_LINERIGHT, SB_ENDSCROLL}));
    EXPECT_EQ(Scrolls()[4].message, static_cast<UINT>(WM_HSCROLL));
    EXPECT_EQ(GetScrollPos(hwnd, SB_VERT), 11);
    EXPECT_EQ(GetScrollPos(hwnd, SB_HORZ), 1);

    // Both presses of a double click on an arrow scroll.
    Scrolls().clear();
    user.DoubleClickAt(POINT{barX, client.bottom - 8});
    ASSERT_TRUE(user.ActIn(hwnd));
    EXPECT_EQ(Codes(), (std::vector<int>{SB_LINEDOWN, SB_ENDSCROLL, SB_LINEDOWN, SB_ENDSCROLL}));
    EXPECT_EQ(GetScrollPos(hwnd, SB_VERT), 13);
    SetBar(hwnd, SB_VERT, 0, 99, 10, 11);

    // The thumb: 218 pixels of track, a tenth of it, 24 pixels down at position 11.
    const int thumbMiddle = client.top + 17 + 24 + 10;
    Scrolls().clear();
    CScriptedUser dragger;
    dragger.Drag({POINT{barX, thumbMiddle}, POINT{barX, thumbMiddle + 20},
                  POINT{barX, thumbMiddle + 40}, POINT{barX, thumbMiddle + 60}});
    ASSERT_TRUE(dragger.ActIn(hwnd));
    std::vector<int> tracked;
    for (const Scrolled& each : Scrolls())
        if (each.code == SB_THUMBTRACK) {
            EXPECT_EQ(each.trackPos, each.position); // SIF_TRACKPOS follows the drag
            tracked.push_back(each.position);
        }
    EXPECT_EQ(tracked, (std::vector<int>{20, 29, 38}));
    ASSERT_GE(Scrolls().size(), 2u);
    EXPECT_EQ(Scrolls()[Scrolls().size() - 2].code, SB_THUMBPOSITION);
    EXPECT_EQ(Scrolls()[Scrolls().size() - 2].position, 38);
    EXPECT_EQ(Scrolls().back().code, SB_ENDSCROLL);
    EXPECT_EQ(GetScrollPos(hwnd, SB_VERT), 38);

    // Above the thumb pages up.
    Scrolls().clear();
    CScriptedUser pager;
    pager.ClickAt(POINT{barX, client.top + 20});
    ASSERT_TRUE(pager.ActIn(hwnd));
    EXPECT_EQ(Codes(), (std::vector<int>{SB_PAGEUP, SB_ENDSCROLL}));
    EXPECT_EQ(GetScrollPos(hwnd, SB_VERT), 28);

    // The bar shows arrows, the track and a thumb as long as the page is in the range.
    CRect bar(client.right, client.top, client.right + 17, client.bottom);
    HDC hdc = GetWindowDC(hwnd);
    CRect window;
    GetWindowRect(hwnd, &window);
    EXPECT_EQ(GetPixel(hdc, barX - window.left, client.top + 8 - window.top),
              GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(GetPixel(hdc, barX - window.left, client.bottom - 18 - window.top),
              GetSysColor(COLOR_SCROLLBAR));
    ReleaseDC(hwnd, hdc);
    const int tenth = ThumbFace(hwnd, bar);
    SetBar(hwnd, SB_VERT, 0, 99, 50, 0);
    const int half = ThumbFace(hwnd, bar);
    EXPECT_GE(tenth, 15);
    EXPECT_LE(tenth, 21);
    EXPECT_GE(half, 100);
    EXPECT_LE(half, 109);
    DestroyWindow(hwnd);
}

TEST(ScrollBars, ABarWithNothingToScrollGoesAwayUnlessItIsKeptDisabled) {
    const HWND hwnd = Document(WS_VSCROLL);
    RECT with;
    GetClientRect(hwnd, &with);
    const auto clientWidth = [hwnd] {
        RECT client;
        GetClientRect(hwnd, &client);
        return client.right;
    };
    const auto hasBar = [hwnd] { return (GetWindowLong(hwnd, GWL_STYLE) & WS_VSCROLL) != 0; };

    // A page that covers the range hides the bar and gives its room to the client area; the
    // bar keeps its settings.
    SetBar(hwnd, SB_VERT, 0, 99, 100, 0);
    EXPECT_FALSE(hasBar());
    EXPECT_EQ(clientWidth(), with.right + GetSystemMetrics(SM_CXVSCROLL));
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    ASSERT_TRUE(GetScrollInfo(hwnd, SB_VERT, &info));
    EXPECT_EQ(info.nMax, 99);
    EXPECT_EQ(info.nPage, 100u);
    // A range with more than a page brings it back.
    SetBar(hwnd, SB_VERT, 0, 199, 100, 0);
    EXPECT_TRUE(hasBar());
    EXPECT_EQ(clientWidth(), with.right);
    // A page alone hides it, but does not show it again.
    SCROLLINFO page{sizeof page, SIF_PAGE, 0, 0, 200, 0, 0};
    SetScrollInfo(hwnd, SB_VERT, &page, TRUE);
    EXPECT_FALSE(hasBar());
    page.nPage = 50;
    SetScrollInfo(hwnd, SB_VERT, &page, TRUE);
    EXPECT_FALSE(hasBar());
    // Only a change shows or hides: the same range again leaves a bar the window hid.
    SetBar(hwnd, SB_VERT, 0, 199, 100, 0);
    EXPECT_TRUE(hasBar());
    ShowScrollBar(hwnd, SB_VERT, FALSE);
    SetBar(hwnd, SB_VERT, 0, 199, 100, 0);
    EXPECT_FALSE(hasBar());
    ShowScrollBar(hwnd, SB_VERT, TRUE);

    // SIF_DISABLENOSCROLL keeps the bar, greyed and without a thumb; a click does nothing.
    SCROLLINFO keep{sizeof keep, SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL, 0, 9, 100, 0, 0};
    SetScrollInfo(hwnd, SB_VERT, &keep, TRUE);
    EXPECT_TRUE(hasBar());
    const CRect client = ClientOnScreen(hwnd);
    const CRect bar(client.right, client.top, client.right + 17, client.bottom);
    EXPECT_EQ(ThumbFace(hwnd, bar), 0);
    Scrolls().clear();
    CScriptedUser user;
    user.ClickAt(POINT{bar.CenterPoint().x, bar.bottom - 8});
    ASSERT_TRUE(user.ActIn(hwnd));
    EXPECT_TRUE(Scrolls().empty());
    // With something to scroll again it is enabled.
    SetBar(hwnd, SB_VERT, 0, 99, 10, 0);
    EXPECT_GT(ThumbFace(hwnd, bar), 0);
    user.ClickAt(POINT{bar.CenterPoint().x, bar.top + 8}); // not a double click
    ASSERT_TRUE(user.ActIn(hwnd));
    EXPECT_EQ(Codes(), (std::vector<int>{SB_LINEUP, SB_ENDSCROLL}));

    // A scroll bar control is never hidden by its range.
    const HWND control = CreateWindowEx(0, "ScrollBar", "", WS_CHILD | WS_VISIBLE | SBS_HORZ, 10,
                                        10, 200, 17, hwnd, nullptr, nullptr, nullptr);
    SetBar(control, SB_CTL, 0, 9, 10, 0);
    EXPECT_TRUE(IsWindowVisible(control));
    DestroyWindow(hwnd);
}

TEST(ScrollBars, AScrollBarControlTellsItsParentWithItsHandle) {
    const HWND parent = Document(0);
    const HWND control = CreateWindowEx(0, "ScrollBar", "", WS_CHILD | WS_VISIBLE | SBS_HORZ, 10,
                                        10, 200, 17, parent, nullptr, nullptr, nullptr);
    ASSERT_NE(control, nullptr);
    SetBar(control, SB_CTL, 0, 20, 5, 0);
    EXPECT_EQ(SendMessage(control, SBM_GETPOS, 0, 0), 0);
    const CRect area = ClientOnScreen(control);
    Scrolls().clear();
    CScriptedUser user;
    user.ClickAt(POINT{area.right - 30, area.CenterPoint().y})
        // After a page the thumb (39 of 166 pixels) lies 39 pixels into the track.
        .Drag({POINT{area.left + 17 + 39 + 20, area.CenterPoint().y},
               POINT{area.left + 17 + 39 + 80, area.CenterPoint().y}});
    ASSERT_TRUE(user.ActIn(parent));
    ASSERT_GE(Scrolls().size(), 4u);
    EXPECT_EQ(Scrolls()[0].code, SB_PAGERIGHT);
    for (const Scrolled& each : Scrolls()) {
        EXPECT_EQ(each.message, static_cast<UINT>(WM_HSCROLL));
        EXPECT_EQ(each.control, control);
    }
    std::vector<int> codes = Codes();
    EXPECT_NE(std::find(codes.begin(), codes.end(), SB_THUMBTRACK), codes.end());
    EXPECT_EQ(codes.back(), SB_ENDSCROLL);
    EXPECT_GT(GetScrollPos(control, SB_CTL), 5);
    DestroyWindow(parent);
}

TEST(ScrollBars, BadRangesPagesAndHandlesGiveTheDocumentedResults) {
    const HWND hwnd = Document(WS_VSCROLL);
    int low = 0;
    int high = 0;
    // A minimum above the maximum leaves an empty range; a page larger than the range is
    // held to it; the position stays inside.
    SetBar(hwnd, SB_VERT, 50, 10, 5, 70);
    ASSERT_TRUE(GetScrollRange(hwnd, SB_VERT, &low, &high));
    EXPECT_EQ(low, 50);
    EXPECT_EQ(high, 50);
    EXPECT_EQ(GetScrollPos(hwnd, SB_VERT), 50);
    SetBar(hwnd, SB_VERT, 0, 9, 500, 3);
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    ASSERT_TRUE(GetScrollInfo(hwnd, SB_VERT, &info));
    EXPECT_EQ(info.nPage, 10u);
    EXPECT_EQ(info.nPos, 0);
    SetBar(hwnd, SB_VERT, INT_MIN, INT_MAX, 0x7FFFFFFF, INT_MAX);
    EXPECT_EQ(GetScrollPos(hwnd, SB_VERT), INT_MAX - 0x7FFFFFFF + 1);
    EXPECT_FALSE(GetScrollRange(hwnd, SB_VERT, nullptr, &high));
    EXPECT_FALSE(GetScrollInfo(hwnd, SB_CTL, &info)); // not a scroll bar control
    EXPECT_FALSE(GetScrollInfo(hwnd, 7, &info));
    EXPECT_EQ(SetScrollInfo(nullptr, SB_VERT, &info, TRUE), 0);
    EXPECT_EQ(SetScrollInfo(hwnd, SB_VERT, nullptr, TRUE), 0);
    EXPECT_EQ(ScrollWindowEx(nullptr, 0, 1, nullptr, nullptr, nullptr, nullptr, 0), ERROR);
    EXPECT_EQ(
        ScrollWindowEx(hwnd, 0, 1, nullptr, nullptr, reinterpret_cast<HRGN>(0x99), nullptr, 0),
        ERROR);
    DestroyWindow(hwnd);
    EXPECT_FALSE(GetScrollInfo(hwnd, SB_VERT, &info));
    EXPECT_FALSE(ShowScrollBar(hwnd, SB_VERT, TRUE));
    EXPECT_FALSE(ScrollWindow(hwnd, 0, 1, nullptr, nullptr));
}

TEST(ScrollBars, ScrollWindowExMovesPixelsAndInvalidatesWhatItUncovers) {
    const HWND hwnd = Document(0);
    const HWND child = CreateWindowEx(0, "Static", "", WS_CHILD | WS_VISIBLE, 10, 50, 20, 20, hwnd,
                                      nullptr, nullptr, nullptr);
    g_documentTop = 0;
    UpdateWindow(hwnd);
    RECT client;
    GetClientRect(hwnd, &client);
    // Something already waits to be painted; it moves with the pixels.
    const RECT waiting{0, 100, client.right, 110};
    ValidateRect(hwnd, nullptr);
    InvalidateRect(hwnd, &waiting, FALSE);

    g_documentTop = 10;
    HRGN uncovered = CreateRectRgn(0, 0, 0, 0);
    RECT uncoveredRect{};
    EXPECT_EQ(ScrollWindowEx(hwnd, 0, -10, nullptr, nullptr, uncovered, &uncoveredRect,
                             SW_INVALIDATE | SW_SCROLLCHILDREN),
              SIMPLEREGION);
    EXPECT_EQ(CRect(uncoveredRect), CRect(0, client.bottom - 10, client.right, client.bottom));
    EXPECT_TRUE(PtInRegion(uncovered, 5, client.bottom - 1));
    RECT update;
    ASSERT_TRUE(GetUpdateRect(hwnd, &update, FALSE));
    EXPECT_EQ(CRect(update), CRect(0, 90, client.right, client.bottom));
    RECT childRect;
    GetWindowRect(child, &childRect);
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<LPPOINT>(&childRect), 2);
    EXPECT_EQ(childRect.top, 40);

    Paints().clear();
    UpdateWindow(hwnd);
    ASSERT_EQ(Paints().size(), 1u);
    EXPECT_EQ(Paints()[0], CRect(0, 90, client.right, client.bottom));
    // Row 0 was never painted again: it shows what row 10 showed.
    HDC hdc = GetDC(hwnd);
    EXPECT_EQ(GetPixel(hdc, client.right - 1, 0), RGB(0, 10, 0));
    EXPECT_EQ(GetPixel(hdc, client.right - 1, 60), RGB(0, 70, 0));
    ReleaseDC(hwnd, hdc);

    // ScrollWindow across: the left strip is uncovered and erased.
    ScrollWindow(hwnd, 5, 0, nullptr, nullptr);
    ASSERT_TRUE(GetUpdateRect(hwnd, &update, FALSE));
    EXPECT_EQ(CRect(update), CRect(0, 0, 5, client.bottom));
    DeleteObject(uncovered);
    DestroyWindow(hwnd);
}

TEST(ScrollBars, RedrawOffKeepsEveryPaintingBackUntilItIsOnAgain) {
    const HWND hwnd = Document(WS_VSCROLL);
    UpdateWindow(hwnd);
    const RECT pending{0, 0, 50, 50};
    InvalidateRect(hwnd, &pending, TRUE);
    SendMessage(hwnd, WM_SETREDRAW, FALSE, 0);
    Paints().clear();
    UpdateWindow(hwnd);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW);
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessage(&msg);
    const RECT later{0, 100, 50, 150};
    InvalidateRect(hwnd, &later, TRUE);
    EXPECT_TRUE(Paints().empty());
    RECT update;
    EXPECT_TRUE(GetUpdateRect(hwnd, &update, FALSE));
    EXPECT_EQ(CRect(update), CRect(pending));

    SendMessage(hwnd, WM_SETREDRAW, TRUE, 0);
    UpdateWindow(hwnd);
    ASSERT_EQ(Paints().size(), 1u);
    EXPECT_EQ(Paints()[0], CRect(pending));
    DestroyWindow(hwnd);
}
