#include "vornui/platform/CDC.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Window.h"

#include <gtest/gtest.h>

namespace {

// Lets the thread's loop run out of messages, as it does between two user actions.
void LetTheLoopIdle() {
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessage(&msg);
}

const UINT kUseTemporaries = WM_USER + 1;

// Takes a temporary wrapper, lets a nested loop run dry, and uses the wrapper again: the
// wrapper must last as long as the message that got it.
LRESULT NestedLoopProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kUseTemporaries)
        return DefWindowProc(hwnd, message, wParam, lParam);
    const HGDIOBJ pen = GetStockObject(WHITE_PEN);
    CPen* temporary = CPen::FromHandle(static_cast<HPEN>(pen));
    LetTheLoopIdle();
    return temporary->GetSafeHandle() == pen &&
           CPen::FromHandle(static_cast<HPEN>(pen)) == temporary;
}

} // namespace

TEST(TemporaryGdiWrappers, OneWrapperOfTheHandlesOwnClassServesEveryView) {
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    const HGDIOBJ black = GetStockObject(BLACK_PEN);
    // The everyday road: a stock object in, and the old one back through a typed call.
    CGdiObject* old = dc.SelectStockObject(WHITE_PEN);
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(old->GetSafeHandle(), black);
    dc.SelectObject(old);
    CPen* current = dc.GetCurrentPen();
    EXPECT_EQ(current, old);
    EXPECT_EQ(old->GetSafeHandle(), black);
    EXPECT_NE(dynamic_cast<CPen*>(old), nullptr);

    HBRUSH brush = CreateSolidBrush(RGB(10, 20, 30));
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    HBITMAP bitmap = CreateBitmap(4, 4, 1, 32, nullptr);
    HRGN region = CreateRectRgn(0, 0, 5, 5);
    CGdiObject* general = CGdiObject::FromHandle(brush);
    EXPECT_NE(dynamic_cast<CBrush*>(general), nullptr);
    EXPECT_EQ(CBrush::FromHandle(brush), general);
    EXPECT_EQ(general->GetSafeHandle(), brush);
    EXPECT_NE(dynamic_cast<CFont*>(CGdiObject::FromHandle(font)), nullptr);
    EXPECT_EQ(CFont::FromHandle(font), CGdiObject::FromHandle(font));
    EXPECT_NE(dynamic_cast<CBitmap*>(CGdiObject::FromHandle(bitmap)), nullptr);
    EXPECT_EQ(CBitmap::FromHandle(bitmap), CGdiObject::FromHandle(bitmap));
    CRgn* area = CRgn::FromHandle(region);
    EXPECT_EQ(CGdiObject::FromHandle(region), area);
    EXPECT_TRUE(area->PtInRegion(2, 2));
    LOGBRUSH log{};
    EXPECT_EQ(CBrush::FromHandle(brush)->GetLogBrush(&log), static_cast<int>(sizeof(log)));
    EXPECT_EQ(log.lbColor, RGB(10, 20, 30));

    // Temporaries never own their handle: letting them go leaves the objects alive.
    LetTheLoopIdle();
    EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
    EXPECT_EQ(GetObjectType(region), static_cast<DWORD>(OBJ_REGION));
    CBrush* again = CBrush::FromHandle(brush);
    EXPECT_EQ(again->GetSafeHandle(), brush);
    EXPECT_EQ(CGdiObject::FromHandle(brush), again);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_TRUE(DeleteObject(region));
}

TEST(TemporaryGdiWrappers, LastAsLongAsTheMessageThatMadeThem) {
    WNDCLASS wc{};
    wc.lpfnWndProc = NestedLoopProc;
    wc.lpszClassName = "VornuiTestNestedLoop";
    RegisterClass(&wc);
    const HWND hwnd = CreateWindowEx(0, "VornuiTestNestedLoop", "", WS_OVERLAPPED, 0, 0, 50, 50,
                                     nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(SendMessage(hwnd, kUseTemporaries, 0, 0), 1);

    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    HDC other = CreateCompatibleDC(nullptr);
    CDC* wrapper = CDC::FromHandle(other);
    EXPECT_EQ(CDC::FromHandle(other), wrapper);
    LetTheLoopIdle();
    EXPECT_EQ(CDC::FromHandle(dc.GetSafeHdc()), &dc); // owners are no temporaries
    EXPECT_EQ(CDC::FromHandle(other)->GetSafeHdc(), other);
    EXPECT_TRUE(DeleteDC(other));
    DestroyWindow(hwnd);
}
