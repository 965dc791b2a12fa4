#include "tests/TestWindowClass.h"

#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/Text.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/util/ListBoxExtent.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct Measure {
    explicit Measure(HWND hwnd) : hwnd(hwnd), dc(GetDC(hwnd)) {
        old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessage(hwnd, WM_GETFONT, 0, 0)));
    }
    ~Measure() {
        SelectObject(dc, old);
        ReleaseDC(hwnd, dc);
    }
    int width(const char* text) const {
        SIZE size{};
        GetTextExtentPoint32(dc, text, static_cast<int>(strlen(text)), &size);
        return size.cx;
    }
    int averageWidth() const {
        TEXTMETRIC metrics{};
        GetTextMetrics(dc, &metrics);
        return metrics.tmAveCharWidth;
    }
    HWND hwnd;
    HDC dc;
    HGDIOBJ old;
};

} // namespace

TEST(ListBoxExtent, TheExtentIsTheWidestEntryInTheListsFont) {
    const HWND parent = CreateWindowEx(0, TestWindowClass("ExtentParent"), "", WS_POPUP, 0, 0, 300,
                                       200, nullptr, nullptr, nullptr, nullptr);
    CListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_HSCROLL | LBS_USETABSTOPS,
                            CRect(0, 0, 120, 100), CWnd::FromHandle(parent), 1));
    SendMessage(list.GetSafeHwnd(), WM_SETFONT,
                reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    EXPECT_EQ(SetHorizontalLBExtent(&list, nullptr), S_OK);
    EXPECT_EQ(list.GetHorizontalExtent(), 0); // nothing to measure

    list.AddString("Line 17");
    list.AddString("Very long survey line name");
    list.AddString("KP\t12+345\tend");
    const Measure measure(list.GetSafeHwnd());
    EXPECT_EQ(SetHorizontalLBExtent(&list, nullptr), S_OK);
    EXPECT_EQ(list.GetHorizontalExtent(), std::max(measure.width("Very long survey line namex"),
                                                   measure.width("KP\t12+345\tendx")));

    // With a tab stop: every tab counts the same, then the text after the last one.
    const int stop = 40;
    EXPECT_EQ(SetHorizontalLBExtent(&list, &stop), S_OK);
    const int tab = LOWORD(GetDialogBaseUnits()) * stop / measure.averageWidth();
    EXPECT_EQ(list.GetHorizontalExtent(), std::max(measure.width("Very long survey line name"),
                                                   2 * tab + measure.width("end")));

    CListBox unmade;
    EXPECT_EQ(SetHorizontalLBExtent(&unmade, nullptr), E_FAIL);
    EXPECT_EQ(SetHorizontalLBExtent(nullptr, &stop), E_FAIL);
    DestroyWindow(parent);
}
