#include "vornui/platform/Button.h"
#include "vornui/platform/Edit.h"
#include "vornui/platform/FrameControls.h"
#include "vornui/platform/ListBox.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/Static.h"
#include "vornui/platform/SystemBrushes.h"
#include "vornui/platform/Wnd.h"
#include "vornui/platform/internal/ControlPaint.h"

#include <gtest/gtest.h>

namespace {

// A parent window for controls that answers WM_CTLCOLORSTATIC and WM_DRAWITEM as a host
// would, and reads the pixels of its children.
class Host : public CWnd {
public:
    Host() { CreateEx(0, "Static", "", WS_POPUP | WS_VISIBLE, 50, 50, 300, 200, nullptr, nullptr); }
    ~Host() override { DestroyWindow(); }

    HWND add(const char* className, const char* text, DWORD style, const CRect& rect, int id) {
        HWND control =
            CreateWindow(className, text, WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                         rect.Width(), rect.Height(), m_hWnd,
                         reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
        ::SendMessage(control, WM_SETFONT,
                      reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        return control;
    }
    // The colour at a point of a control's client area, after pending painting.
    static COLORREF at(HWND control, int x, int y) {
        HDC hdc = ::GetDC(control);
        const COLORREF color = ::GetPixel(hdc, x, y);
        ::ReleaseDC(control, hdc);
        return color;
    }
    static int count(HWND control, COLORREF color) {
        CRect client;
        ::GetClientRect(control, &client);
        int n = 0;
        for (int y = 0; y < client.bottom; ++y)
            for (int x = 0; x < client.right; ++x)
                n += at(control, x, y) == color;
        return n;
    }

    HBRUSH m_staticBrush = nullptr;
    COLORREF m_staticText = RGB(0, 0, 0);
    std::vector<DRAWITEMSTRUCT> m_drawn;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_CTLCOLORSTATIC && m_staticBrush) {
            SetTextColor(reinterpret_cast<HDC>(wParam), m_staticText);
            return reinterpret_cast<LRESULT>(m_staticBrush);
        }
        if (message == WM_DRAWITEM) {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            m_drawn.push_back(*item);
            FillRect(item->hDC, &item->rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
            return TRUE;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

} // namespace

TEST(ControlLooks, CheckBoxesShowTheirStateAndRepaintWhenItChanges) {
    Host host;
    HWND box = host.add("Button", "Tide", BS_AUTO3STATE, CRect(10, 10, 110, 30), 1);
    const int top = (20 - 13) / 2;
    EXPECT_EQ(Host::at(box, 6, top + 6), GetSysColor(COLOR_WINDOW)); // empty box
    EXPECT_EQ(Host::at(box, 0, top), GetSysColor(COLOR_3DSHADOW));   // sunken edge
    SendMessage(box, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(Host::at(box, 6, top + 6), GetSysColor(COLOR_WINDOWTEXT)); // the check mark
    SendMessage(box, BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_EQ(Host::at(box, 6, top + 6), GetSysColor(COLOR_GRAYTEXT));
    // The label is drawn right of the box.
    int ink = 0;
    for (int x = 17; x < 100; ++x)
        for (int y = 0; y < 20; ++y)
            ink += Host::at(box, x, y) == GetSysColor(COLOR_BTNTEXT);
    EXPECT_GT(ink, 10);
}

TEST(ControlLooks, StaticsTakeTheColoursTheirParentChooses) {
    Host host;
    HWND label = host.add("Static", "Depth", SS_LEFT, CRect(10, 10, 110, 30), 2);
    EXPECT_EQ(Host::at(label, 90, 15), GetSysColor(COLOR_3DFACE));
    CBrush yellow(RGB(255, 255, 0));
    host.m_staticBrush = yellow;
    host.m_staticText = RGB(0, 0, 255);
    InvalidateRect(label, nullptr, TRUE);
    EXPECT_EQ(Host::at(label, 90, 15), RGB(255, 255, 0));
    EXPECT_GT(Host::count(label, RGB(0, 0, 255)), 10);
    host.m_staticBrush = nullptr;

    // Disabled text is embossed: grey with a white shadow.
    EnableWindow(label, FALSE);
    EXPECT_GT(Host::count(label, GetSysColor(COLOR_GRAYTEXT)), 10);
    EXPECT_GT(Host::count(label, GetSysColor(COLOR_3DHILIGHT)), 10);
    EXPECT_EQ(Host::count(label, RGB(0, 0, 255)), 0);

    HWND etched = host.add("Static", "", SS_ETCHEDHORZ, CRect(10, 40, 110, 42), 3);
    EXPECT_EQ(Host::at(etched, 50, 0), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(Host::at(etched, 50, 1), GetSysColor(COLOR_3DHILIGHT));
}

TEST(ControlLooks, EditsHighlightTheirSelectionWhileFocused) {
    Host host;
    HWND edit = host.add("Edit", "sounding", WS_BORDER, CRect(10, 10, 150, 32), 4);
    CRect client;
    GetClientRect(edit, &client);
    EXPECT_EQ(client.Width(), 138); // the border is outside the client area
    EXPECT_EQ(Host::count(edit, GetSysColor(COLOR_HIGHLIGHT)), 0);
    SetFocus(edit);
    SendMessage(edit, EM_SETSEL, 0, 4);
    EXPECT_GT(Host::count(edit, GetSysColor(COLOR_HIGHLIGHT)), 20);
    EXPECT_EQ(Host::at(edit, client.right - 3, client.bottom / 2), GetSysColor(COLOR_WINDOW));
    SendMessage(edit, EM_SETREADONLY, TRUE, 0);
    SetFocus(nullptr);
    EXPECT_EQ(Host::at(edit, client.right - 3, client.bottom / 2), GetSysColor(COLOR_3DFACE));
    // The border is painted in the window's frame.
    HDC frame = GetWindowDC(edit);
    EXPECT_EQ(GetPixel(frame, 0, 5), GetSysColor(COLOR_WINDOWFRAME));
    ReleaseDC(edit, frame);
}

TEST(ControlLooks, ListBoxesMarkTheSelectedItem) {
    Host host;
    HWND list = host.add("ListBox", "", LBS_NOTIFY, CRect(10, 10, 110, 80), 5);
    for (const char* port : {"COM1", "COM2", "COM3"})
        SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(port));
    EXPECT_EQ(Host::count(list, GetSysColor(COLOR_HIGHLIGHT)), 0);
    SendMessage(list, LB_SETCURSEL, 1, 0);
    const int height = static_cast<int>(SendMessage(list, LB_GETITEMHEIGHT, 0, 0));
    EXPECT_EQ(Host::at(list, 95, height + height / 2), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(Host::at(list, 95, height / 2), GetSysColor(COLOR_WINDOW));
}

TEST(ControlLooks, OwnerDrawnButtonsAskTheirParent) {
    Host host;
    HWND button = host.add("Button", "...", BS_OWNERDRAW, CRect(10, 10, 40, 30), 6);
    UpdateWindow(button);
    ASSERT_FALSE(host.m_drawn.empty());
    const DRAWITEMSTRUCT& item = host.m_drawn.back();
    EXPECT_EQ(item.CtlType, static_cast<UINT>(ODT_BUTTON));
    EXPECT_EQ(item.CtlID, 6u);
    EXPECT_EQ(item.hwndItem, button);
    EXPECT_EQ(CRect(item.rcItem), CRect(0, 0, 30, 20));
    EXPECT_EQ(Host::at(button, 15, 10), RGB(0, 0, 0));
    SendMessage(button, BM_SETSTATE, TRUE, 0);
    UpdateWindow(button);
    EXPECT_TRUE(host.m_drawn.back().itemState & ODS_SELECTED);
}

TEST(ControlLooks, SystemColourBrushesFollowTheColours) {
    HBRUSH face = GetSysColorBrush(COLOR_3DFACE);
    LOGBRUSH log{};
    GetObject(face, sizeof log, &log);
    EXPECT_EQ(log.lbStyle, static_cast<UINT>(BS_SOLID));
    EXPECT_TRUE(DeleteObject(face)); // a stock object stays
    EXPECT_EQ(GetObjectType(face), static_cast<DWORD>(OBJ_BRUSH));

    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateBitmap(4, 4, 1, 32, nullptr);
    CBitmap* old = dc.SelectObject(&bitmap);
    const INT element = COLOR_3DFACE;
    const COLORREF before = GetSysColor(COLOR_3DFACE);
    const COLORREF green = RGB(0, 200, 0);
    SetSysColors(1, &element, &green);
    CRect all(0, 0, 4, 4);
    FillRect(dc, &all, face);
    EXPECT_EQ(dc.GetPixel(0, 0), green);
    SetSysColors(1, &element, &before);
    FillRect(dc, &all, reinterpret_cast<HBRUSH>(static_cast<UINT_PTR>(COLOR_WINDOW + 1)));
    EXPECT_EQ(dc.GetPixel(3, 3), GetSysColor(COLOR_WINDOW));

    CRect edge(0, 0, 4, 4);
    EXPECT_TRUE(DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT | BF_ADJUST));
    EXPECT_EQ(edge, CRect(2, 2, 2, 2));
    EXPECT_EQ(dc.GetPixel(0, 0), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(dc.GetPixel(3, 3), GetSysColor(COLOR_3DHILIGHT));
    EXPECT_EQ(dc.GetPixel(1, 1), GetSysColor(COLOR_3DDKSHADOW));
    dc.SelectObject(old);
}

TEST(ControlLooks, FrameControlsDrawTheClassicPictures) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateBitmap(16, 16, 1, 32, nullptr);
    CBitmap* old = dc.SelectObject(&bitmap);
    CRect grip(0, 0, 16, 16);
    ASSERT_TRUE(DrawFrameControl(dc, &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP));
    EXPECT_EQ(dc.GetPixel(0, 0), GetSysColor(COLOR_3DFACE)); // the top-left stays plain
    int lines = 0;
    for (int x = 0; x < 16; ++x)
        lines += dc.GetPixel(x, 15) == GetSysColor(COLOR_3DSHADOW);
    EXPECT_GE(lines, 3);
    CRect check(0, 0, 16, 16);
    ASSERT_TRUE(DrawFrameControl(dc, &check, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED));
    int ink = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ink += dc.GetPixel(x, y) == GetSysColor(COLOR_WINDOWTEXT);
    EXPECT_GE(ink, 10);
    CRect arrow(0, 0, 16, 16);
    ASSERT_TRUE(DrawFrameControl(dc, &arrow, DFC_SCROLL, DFCS_SCROLLDOWN));
    EXPECT_EQ(dc.GetPixel(8, 7), GetSysColor(COLOR_BTNTEXT));
    EXPECT_FALSE(DrawFrameControl(dc, &arrow, 99, 0));
    dc.SelectObject(old);
}

namespace {

// The leftmost column, from `from` on, where row `y` of a control has something drawn on
// its window colour; -1 when nothing is.
int FirstInk(HWND control, int y, int from) {
    CRect client;
    ::GetClientRect(control, &client);
    for (int x = from; x < client.right; ++x)
        if (Host::at(control, x, y) != GetSysColor(COLOR_WINDOW))
            return x;
    return -1;
}

// Whether anything is drawn across the middle third of row 0.
bool RowHasInk(HWND control, int height, int from, int to) {
    for (int y = height / 3; y < 2 * height / 3; ++y)
        for (int x = from; x < to; ++x)
            if (Host::at(control, x, y) != GetSysColor(COLOR_WINDOW))
                return true;
    return false;
}

} // namespace

TEST(ControlLooks, ListBoxesMoveTabbedTextToTheirStopsAndScrollAcrossTheirExtent) {
    Host host;
    HWND tabbed =
        host.add("ListBox", "", LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT, CRect(10, 10, 290, 60), 7);
    SendMessage(tabbed, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("|\t|"));
    const int height = static_cast<int>(SendMessage(tabbed, LB_GETITEMHEIGHT, 0, 0));
    const int y = height / 2;
    const int first = FirstInk(tabbed, y, 0);
    ASSERT_GE(first, 0);
    const int average = MeasureFont("MS Shell Dlg", 8).averageWidth; // dialog units' base
    const int start = 2; // where the text starts in its row
    // Without stops of its own, a tab moves on to eight average characters of its font.
    TEXTMETRIC font{};
    HDC hdc = ::GetDC(tabbed);
    const HGDIOBJ previous =
        SelectObject(hdc, reinterpret_cast<HGDIOBJ>(SendMessage(tabbed, WM_GETFONT, 0, 0)));
    GetTextMetrics(hdc, &font);
    SelectObject(hdc, previous);
    ::ReleaseDC(tabbed, hdc);
    EXPECT_EQ(FirstInk(tabbed, y, first + 3) - first, 8 * font.tmAveCharWidth);
    int stop = 60; // dialog units: fifteen average characters
    EXPECT_TRUE(SendMessage(tabbed, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&stop)));
    EXPECT_EQ(FirstInk(tabbed, y, first + 3) - first, 15 * average);
    int stops[] = {20, 40};
    SendMessage(tabbed, LB_SETTABSTOPS, 2, reinterpret_cast<LPARAM>(stops));
    EXPECT_EQ(FirstInk(tabbed, y, first + 3) - (first - start), start + 5 * average);

    HWND plain = host.add("ListBox", "", LBS_NOINTEGRALHEIGHT, CRect(10, 70, 290, 120), 8);
    EXPECT_FALSE(SendMessage(plain, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&stop)));

    HWND wide =
        host.add("ListBox", "", WS_HSCROLL | LBS_NOINTEGRALHEIGHT, CRect(10, 130, 110, 190), 9);
    SendMessage(wide, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("MMMM"));
    EXPECT_FALSE(GetWindowLong(wide, GWL_STYLE) & WS_HSCROLL); // nothing to scroll yet
    EXPECT_TRUE(RowHasInk(wide, height, 0, 10));
    SendMessage(wide, LB_SETHORIZONTALEXTENT, 400, 0);
    EXPECT_TRUE(GetWindowLong(wide, GWL_STYLE) & WS_HSCROLL);
    CRect client;
    GetClientRect(wide, &client);
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(wide, SB_HORZ, &info);
    EXPECT_EQ(info.nMax, 399);
    EXPECT_EQ(static_cast<int>(info.nPage), client.Width());
    SendMessage(wide, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 50), 0);
    EXPECT_EQ(GetScrollPos(wide, SB_HORZ), 50);
    RECT item;
    SendMessage(wide, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.left, -50);
    EXPECT_EQ(item.right, 350);
    EXPECT_FALSE(RowHasInk(wide, height, 0, client.Width())); // the text went off to the left
    SendMessage(wide, WM_HSCROLL, SB_LINELEFT, 0);
    EXPECT_LT(GetScrollPos(wide, SB_HORZ), 50);
    SendMessage(wide, WM_HSCROLL, SB_RIGHT, 0);
    EXPECT_EQ(GetScrollPos(wide, SB_HORZ), 400 - client.Width()); // no further than the end
    SendMessage(wide, LB_SETHORIZONTALEXTENT, 50, 0);
    EXPECT_FALSE(GetWindowLong(wide, GWL_STYLE) & WS_HSCROLL);
    EXPECT_EQ(GetScrollPos(wide, SB_HORZ), 0);
    EXPECT_TRUE(RowHasInk(wide, height, 0, 10));
}
