#include "tests/PngFile.h"
#include "tests/TempDir.h"

#include "vornui/platform/Button.h"
#include "vornui/platform/CImage.h"
#include "vornui/platform/ComboBox.h"
#include "vornui/platform/Dialog.h"
#include "vornui/platform/Edit.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/Static.h"
#include "vornui/platform/SystemBrushes.h"
#include "vornui/platform/WindowDC.h"
#include "vornui/platform/internal/WindowClass.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

constexpr int kDepthLabel = 200;
constexpr int kDepth = 201;
constexpr int kUnitLabel = 202;
constexpr int kOptions = 203;
constexpr int kTide = 204;
constexpr int kSmooth = 205;

constexpr DialogItemTemplate kSurveyItems[] = {
    {"Static", "&Depth:", kDepthLabel, WS_VISIBLE | SS_LEFT, 0, 7, 9, 40, 8},
    {"Edit", "12.50", kDepth, WS_VISIBLE | WS_TABSTOP | WS_BORDER, 0, 50, 7, 60, 12},
    {"Static", "metres below datum", kUnitLabel, WS_VISIBLE | SS_LEFT, 0, 115, 9, 80, 8},
    {"Button", "Corrections", kOptions, WS_VISIBLE | BS_GROUPBOX, 0, 7, 26, 120, 42},
    {"Button", "Apply &tide", kTide, WS_VISIBLE | BS_AUTOCHECKBOX | WS_TABSTOP, 0, 14, 38, 100, 10},
    {"Button", "&Smooth", kSmooth, WS_VISIBLE | BS_AUTOCHECKBOX | WS_TABSTOP, 0, 14, 52, 100, 10},
    {"Button", "OK", IDOK, WS_VISIBLE | BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 90, 76, 50, 14},
    {"Button", "Cancel", IDCANCEL, WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, 0, 145, 76, 50, 14},
};

constexpr DialogTemplate kSurvey{DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                 0,
                                 20,
                                 20,
                                 202,
                                 97,
                                 "Sounding",
                                 "MS Shell Dlg",
                                 8,
                                 kSurveyItems,
                                 static_cast<WORD>(std::size(kSurveyItems))};

// A rectangle of a control in the dialog's window coordinates.
CRect InWindow(const CDialog& dialog, int id) {
    CRect window, control;
    dialog.GetWindowRect(&window);
    dialog.GetDlgItem(id)->GetWindowRect(&control);
    control.OffsetRect(-window.left, -window.top);
    return control;
}

bool IsInk(std::uint32_t color) {
    return GetRValue(color) + GetGValue(color) + GetBValue(color) < 3 * 128;
}

int InkIn(const PngPicture& picture, const CRect& area) {
    int ink = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            ink += IsInk(picture.color(x, y));
    return ink;
}

// The window as PrintWindow draws it, saved as a PNG at `path` and read back.
PngPicture Rendered(const CDialog& dialog, const std::string& path) {
    CRect window;
    dialog.GetWindowRect(&window);
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    CImage image;
    image.Attach(CreateBitmap(window.Width(), window.Height(), 1, 32, nullptr));
    HGDIOBJ old = memory.SelectObject(static_cast<HGDIOBJ>(static_cast<HBITMAP>(image)));
    PngPicture picture;
    if (PrintWindow(dialog, memory, 0)) {
        memory.SelectObject(old);
        if (image.Save(path.c_str()) == S_OK)
            picture.read(path);
    }
    return picture;
}

} // namespace

TEST(WindowPainting, ADialogFromATemplateRendersToAPicture) {
    TempDir dir;
    CDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(&kSurvey));
    dialog.CheckDlgButton(kTide, BST_CHECKED);
    dialog.ShowWindow(SW_SHOW);
    CRect window, client;
    dialog.GetWindowRect(&window);
    dialog.GetClientRect(&client);
    CPoint clientOrigin(0, 0);
    dialog.ClientToScreen(&clientOrigin);
    client.OffsetRect(clientOrigin.x - window.left, clientOrigin.y - window.top);

    const PngPicture picture = Rendered(dialog, dir.file("sounding.png"));
    ASSERT_EQ(picture.width, window.Width());
    ASSERT_EQ(picture.height, window.Height());

    // The labels' text is there.
    EXPECT_GT(InkIn(picture, InWindow(dialog, kDepthLabel)), 20);
    EXPECT_GT(InkIn(picture, InWindow(dialog, kUnitLabel)), 40);
    EXPECT_GT(InkIn(picture, InWindow(dialog, kDepth)), 20);
    // Outside the controls the client area is the plain face colour.
    const COLORREF face = GetSysColor(COLOR_3DFACE);
    int stray = 0;
    for (int y = client.top; y < client.bottom; ++y)
        for (int x = client.left; x < client.right; ++x) {
            bool onControl = false;
            for (const DialogItemTemplate& item : kSurveyItems)
                onControl = onControl || InWindow(dialog, item.id).PtInRect(CPoint(x, y));
            stray += !onControl && picture.color(x, y) != face;
        }
    EXPECT_EQ(stray, 0);

    // The group box is framed by an etched line: shadow, then highlight inside it.
    const CRect group = InWindow(dialog, kOptions);
    const int middle = (group.top + group.bottom) / 2;
    EXPECT_EQ(picture.color(group.left, middle), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(picture.color(group.left + 1, middle), GetSysColor(COLOR_3DHILIGHT));
    EXPECT_EQ(picture.color(group.left + 10, group.bottom - 2), GetSysColor(COLOR_3DSHADOW));
    // The checked box shows its check mark, the other one none.
    EXPECT_GT(InkIn(picture, InWindow(dialog, kTide) & CRect(0, 0, group.left + 30, 10000)),
              InkIn(picture, InWindow(dialog, kSmooth) & CRect(0, 0, group.left + 30, 10000)));

    // The default button has a heavier frame: a dark ring around the raised edge.
    const CRect ok = InWindow(dialog, IDOK);
    const CRect cancel = InWindow(dialog, IDCANCEL);
    const int okMiddle = (ok.top + ok.bottom) / 2;
    EXPECT_EQ(picture.color(ok.left, okMiddle), GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_EQ(picture.color(ok.left + 1, okMiddle), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(picture.color(cancel.left, okMiddle), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(picture.color(ok.right - 1, okMiddle), GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_EQ(picture.color(cancel.right - 1, okMiddle), GetSysColor(COLOR_3DDKSHADOW));
    // The caption bar carries the title.
    EXPECT_EQ(picture.color(window.Width() / 2, 4 + GetSystemMetrics(SM_CYCAPTION) / 2),
              GetSysColor(COLOR_ACTIVECAPTION));
    EXPECT_GT(InkIn(picture, CRect(0, 0, 80, client.top)), 20);
    dialog.DestroyWindow();
}

TEST(WindowPainting, ASimpleComboBoxPaintsItsListWithTheChoiceHighlighted) {
    constexpr int kDatum = 300;
    static constexpr DialogItemTemplate items[] = {
        {"ComboBox", "", kDatum, WS_VISIBLE | WS_TABSTOP | CBS_SIMPLE, 0, 7, 7, 100, 60},
    };
    static constexpr DialogTemplate datum{DS_SETFONT | WS_POPUP, 0, 0,     0, 114, 74, "",
                                          "MS Shell Dlg",        8, items, 1};
    TempDir dir;
    CDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(&datum));
    for (const char* name : {"WGS84", "ED50", "NAD83"})
        dialog.SendDlgItemMessage(kDatum, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    dialog.SendDlgItemMessage(kDatum, CB_SETCURSEL, 1);
    dialog.ShowWindow(SW_SHOW);
    const PngPicture picture = Rendered(dialog, dir.file("datum.png"));
    ASSERT_GT(picture.width, 0);

    CRect window, list;
    dialog.GetWindowRect(&window);
    ::GetWindowRect(::GetDlgItem(dialog.GetDlgItem(kDatum)->m_hWnd, IDC_COMBO_LIST), &list);
    list.OffsetRect(-window.left, -window.top);
    const int rowHeight =
        static_cast<int>(dialog.SendDlgItemMessage(kDatum, CB_GETITEMHEIGHT, 0, 0));
    const auto row = [&](int index) {
        return CRect(list.left + 1, list.top + 1 + index * rowHeight, list.right - 1,
                     list.top + 1 + (index + 1) * rowHeight);
    };
    EXPECT_GT(InkIn(picture, row(0)), 20);
    EXPECT_EQ(picture.color(row(1).right - 3, row(1).CenterPoint().y),
              GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(InkIn(picture, row(3)), 0); // below the last item the list is empty
    dialog.DestroyWindow();
}

TEST(WindowPainting, PaintingFollowsTheUpdateRegion) {
    static std::vector<CRect> painted;
    static std::vector<BOOL> erased;
    painted.clear();
    erased.clear();
    WNDCLASS windowClass{};
    windowClass.lpszClassName = "PaintProbe";
    windowClass.hbrBackground = reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(COLOR_WINDOW + 1));
    windowClass.lpfnWndProc = [](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message != WM_PAINT)
            return DefWindowProc(hwnd, message, wParam, lParam);
        PAINTSTRUCT paint{};
        HDC hdc = BeginPaint(hwnd, &paint);
        painted.push_back(paint.rcPaint);
        erased.push_back(paint.fErase);
        // Painting the whole client area only changes what the update region lets through.
        CRect client;
        GetClientRect(hwnd, &client);
        FillRect(hdc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        EndPaint(hwnd, &paint);
        return 0;
    };
    ASSERT_TRUE(RegisterClass(&windowClass));
    HWND hwnd = CreateWindow("PaintProbe", "", WS_POPUP | WS_VISIBLE, 10, 10, 40, 30, nullptr,
                             nullptr, nullptr, nullptr);
    ASSERT_TRUE(hwnd);
    UpdateWindow(hwnd);
    ASSERT_EQ(painted.size(), 1u);
    EXPECT_EQ(painted[0], CRect(0, 0, 40, 30));

    HDC hdc = GetDC(hwnd);
    CRect all(0, 0, 40, 30);
    FillRect(hdc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    CRgn corner;
    corner.CreateRectRgn(0, 0, 5, 5);
    InvalidateRgn(hwnd, corner, TRUE);
    CRect box;
    EXPECT_TRUE(GetUpdateRect(hwnd, &box, FALSE));
    EXPECT_EQ(box, CRect(0, 0, 5, 5));
    UpdateWindow(hwnd);
    EXPECT_EQ(painted.back(), CRect(0, 0, 5, 5));
    EXPECT_FALSE(erased.back()); // the class brush erased it
    EXPECT_EQ(GetPixel(hdc, 4, 4), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(hdc, 5, 5), RGB(255, 255, 255));
    EXPECT_FALSE(GetUpdateRect(hwnd, nullptr, FALSE));

    // A window that is not visible paints nowhere.
    ShowWindow(hwnd, SW_HIDE);
    FillRect(hdc, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    ReleaseDC(hwnd, hdc);
    hdc = GetDC(hwnd);
    FillRect(hdc, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    CRect clip;
    EXPECT_EQ(GetClipBox(hdc, &clip), NULLREGION);
    ReleaseDC(hwnd, hdc);
    DestroyWindow(hwnd);
    UnregisterClass("PaintProbe", nullptr);
}

TEST(WindowPainting, ChildrenPaintInsideTheirParentsSurface) {
    HWND parent = CreateWindow("Static", "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 100, 100, 60,
                               40, nullptr, nullptr, nullptr, nullptr);
    HWND child = CreateWindow("Static", "", WS_CHILD | WS_VISIBLE, 50, 30, 30, 30, parent, nullptr,
                              nullptr, nullptr);
    RedrawWindow(parent, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); // first paint
    HDC childDC = GetDC(child);
    CRect clip;
    GetClipBox(childDC, &clip);
    EXPECT_EQ(clip, CRect(0, 0, 10, 10)); // what of it lies inside the parent
    CRect all(0, 0, 30, 30);
    FillRect(childDC, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(child, childDC);
    HDC parentDC = GetDC(parent);
    GetClipBox(parentDC, &clip);
    EXPECT_EQ(clip, CRect(0, 0, 60, 40));
    EXPECT_FALSE(PtVisible(parentDC, 55, 35)); // WS_CLIPCHILDREN keeps the child's part
    EXPECT_TRUE(PtVisible(parentDC, 45, 35));
    ReleaseDC(parent, parentDC);
    HDC windowDC = GetWindowDC(parent);
    EXPECT_EQ(GetPixel(windowDC, 55, 35), RGB(0, 0, 0));
    EXPECT_EQ(WindowFromDC(windowDC), parent);
    ReleaseDC(parent, windowDC);
    DestroyWindow(parent);
}

TEST(WindowPainting, TheFrameIsPaintedAgainOnlyWhenItIsAskedFor) {
    static int framePaints = 0;
    static int clientPaints = 0;
    WNDCLASS windowClass{};
    windowClass.lpszClassName = "FrameProbe";
    windowClass.lpfnWndProc = [](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        framePaints += message == WM_NCPAINT;
        clientPaints += message == WM_PAINT;
        return DefWindowProc(hwnd, message, wParam, lParam);
    };
    ASSERT_TRUE(RegisterClass(&windowClass));
    const HWND hwnd = CreateWindow("FrameProbe", "", WS_POPUP | WS_VISIBLE | WS_BORDER | WS_VSCROLL,
                                   10, 10, 80, 60, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(hwnd);
    UpdateWindow(hwnd);
    EXPECT_EQ(framePaints, 1);
    const auto paintsAfter = [&](auto change) {
        framePaints = clientPaints = 0;
        change();
        UpdateWindow(hwnd);
        return std::pair{framePaints, clientPaints};
    };
    // The whole client area, as Windows has it: the border and scroll bar stay as they are.
    EXPECT_EQ(paintsAfter([&] { InvalidateRect(hwnd, nullptr, TRUE); }), std::pair(0, 1));
    EXPECT_EQ(paintsAfter([&] { InvalidateRgn(hwnd, nullptr, TRUE); }), std::pair(0, 1));
    EXPECT_EQ(
        paintsAfter([&] { RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME); }),
        std::pair(1, 1));
    EXPECT_EQ(paintsAfter([&] { SetWindowPos(hwnd, nullptr, 0, 0, 90, 70, SWP_NOMOVE); }),
              std::pair(1, 1));
    EXPECT_EQ(paintsAfter([&] { InvalidateRect(nullptr, nullptr, TRUE); }), std::pair(1, 1));
    DestroyWindow(hwnd);
    UnregisterClass("FrameProbe", nullptr);
}
