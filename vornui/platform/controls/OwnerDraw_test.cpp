#include "tests/DibBytes.h"

#include "vornui/platform/BitmapButton.h"
#include "vornui/platform/Button.h"
#include "vornui/platform/ComboBox.h"
#include "vornui/platform/DialogManager.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/ListBox.h"
#include "vornui/platform/Static.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/Wnd.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr COLORREF kItemColors[] = {RGB(200, 0, 0), RGB(0, 150, 0), RGB(0, 0, 220),
                                    RGB(200, 200, 0)};
constexpr COLORREF kSelected = RGB(40, 40, 40);

void Fill(HDC hdc, const RECT& rect, COLORREF color) {
    const HBRUSH brush = CreateSolidBrush(color);
    FillRect(hdc, &rect, brush);
    DeleteObject(brush);
}

COLORREF At(HWND control, int x, int y) {
    const HDC hdc = ::GetDC(control);
    const COLORREF color = ::GetPixel(hdc, x, y);
    ::ReleaseDC(control, hdc);
    return color;
}

// A host whose own handlers draw and measure the items of its owner-drawn controls: each
// item in its colour, selected ones dark. It records what reached it.
class Owner : public CWnd {
public:
    Owner() {
        CreateEx(0, "Static", "", WS_POPUP | WS_VISIBLE, 40, 40, 300, 240, nullptr, nullptr);
    }
    ~Owner() override { DestroyWindow(); }

    std::vector<DRAWITEMSTRUCT> m_drawn;
    std::vector<MEASUREITEMSTRUCT> m_measured;
    std::vector<DELETEITEMSTRUCT> m_deleted;

protected:
    void OnDrawItem(int, LPDRAWITEMSTRUCT item) override {
        m_drawn.push_back(*item);
        const COLORREF color = (item->itemState & ODS_SELECTED)
                                   ? kSelected
                                   : kItemColors[item->itemData % std::size(kItemColors)];
        Fill(item->hDC, item->rcItem, color);
    }
    void OnMeasureItem(int, LPMEASUREITEMSTRUCT item) override {
        m_measured.push_back(*item);
        // Fixed lists get 20 pixels; variable ones as much as the item's data says.
        item->itemHeight = item->itemData ? static_cast<UINT>(item->itemData) : 20;
    }
    void OnDeleteItem(int, LPDELETEITEMSTRUCT item) override { m_deleted.push_back(*item); }
};

// A list box class that draws its own items: the parent never sees them.
class SwatchList : public CListBox {
public:
    int m_drawn = 0;
    void DrawItem(LPDRAWITEMSTRUCT item) override {
        ++m_drawn;
        Fill(item->hDC, item->rcItem, RGB(10, 200, 200));
    }
    void MeasureItem(LPMEASUREITEMSTRUCT item) override { item->itemHeight = 12; }
};

class SelfDrawnButton : public CButton {
public:
    void DrawItem(LPDRAWITEMSTRUCT item) override {
        Fill(item->hDC, item->rcItem,
             (item->itemState & ODS_SELECTED) ? RGB(0, 0, 90) : RGB(90, 0, 0));
    }
};

} // namespace

TEST(OwnerDraw, FixedListBoxesAskTheOwnerToMeasureAndDraw) {
    Owner owner;
    CListBox list;
    ASSERT_TRUE(
        list.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY,
                    CRect(10, 10, 110, 110), &owner, 7));
    ASSERT_EQ(owner.m_measured.size(), 1u);
    EXPECT_EQ(owner.m_measured[0].CtlType, static_cast<UINT>(ODT_LISTBOX));
    EXPECT_EQ(owner.m_measured[0].CtlID, 7u);
    EXPECT_EQ(list.GetItemHeight(0), 20);
    for (const char* text : {"Depth", "Speed", "Heading"}) {
        const int index = list.AddString(text);
        list.SetItemData(index, static_cast<DWORD_PTR>(index));
    }
    CString text;
    list.GetText(1, text);
    EXPECT_EQ(text, "Speed");
    list.SetCurSel(2);
    list.UpdateWindow();
    EXPECT_EQ(At(list, 50, 10), kItemColors[0]);
    EXPECT_EQ(At(list, 50, 30), kItemColors[1]);
    EXPECT_EQ(At(list, 50, 50), kSelected);
    EXPECT_EQ(At(list, 50, 70), GetSysColor(COLOR_WINDOW)); // below the items
    const DRAWITEMSTRUCT& last = owner.m_drawn.back();
    EXPECT_EQ(last.CtlType, static_cast<UINT>(ODT_LISTBOX));
    EXPECT_EQ(last.itemID, 2u);
    EXPECT_EQ(last.hwndItem, list.m_hWnd);
    EXPECT_EQ(CRect(last.rcItem), CRect(0, 40, 100, 60));
    EXPECT_TRUE(last.itemState & ODS_SELECTED);
    // A click selects by the item's rectangle.
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 25));
    list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 25));
    EXPECT_EQ(list.GetCurSel(), 1);
    list.ResetContent();
    EXPECT_EQ(owner.m_deleted.size(), 3u);
}

TEST(OwnerDraw, VariableListBoxesKeepTheirItemsData) {
    Owner owner;
    CListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWVARIABLE, CRect(10, 10, 110, 110),
                            &owner, 8));
    owner.m_measured.clear();
    // Without LBS_HASSTRINGS the values added are the items' data, and their heights here.
    for (const DWORD_PTR height : {10, 30, 25, 40})
        list.AddString(reinterpret_cast<LPCTSTR>(height));
    ASSERT_EQ(owner.m_measured.size(), 4u);
    EXPECT_EQ(owner.m_measured[1].itemID, 1u);
    EXPECT_EQ(owner.m_measured[1].itemData, 30u);
    EXPECT_EQ(list.GetItemData(2), 25u);
    EXPECT_EQ(list.GetItemHeight(1), 30);
    DWORD_PTR data = 0;
    EXPECT_EQ(list.GetText(3, reinterpret_cast<LPTSTR>(&data)), static_cast<int>(sizeof data));
    EXPECT_EQ(data, 40u);
    CRect rect;
    list.GetItemRect(2, &rect);
    EXPECT_EQ(rect, CRect(0, 40, 100, 65));
    BOOL outside = TRUE;
    EXPECT_EQ(list.ItemFromPoint(CPoint(5, 50), outside), 2u);
    EXPECT_FALSE(outside);
    list.UpdateWindow();
    EXPECT_EQ(At(list, 50, 5), kItemColors[10 % 4]);
    EXPECT_EQ(At(list, 50, 39), kItemColors[30 % 4]);
    EXPECT_EQ(At(list, 50, 64), kItemColors[25 % 4]);
    // Scrolled down by one item, everything moves up by the first one's height.
    list.SetTopIndex(1);
    list.UpdateWindow();
    EXPECT_EQ(At(list, 50, 5), kItemColors[30 % 4]);
    list.GetItemRect(2, &rect);
    EXPECT_EQ(rect.top, 30);
}

TEST(OwnerDraw, ControlClassesDrawTheirOwnOrLeaveItToTheParent) {
    Owner owner;
    SwatchList swatches;
    ASSERT_TRUE(swatches.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
                                CRect(10, 10, 110, 60), &owner, 9));
    EXPECT_TRUE(owner.m_measured.empty()); // the class measured its items itself
    EXPECT_EQ(swatches.GetItemHeight(0), 12);
    swatches.AddString("Tide");
    swatches.UpdateWindow();
    EXPECT_GT(swatches.m_drawn, 0);
    EXPECT_TRUE(owner.m_drawn.empty());
    EXPECT_EQ(At(swatches, 20, 5), RGB(10, 200, 200));

    // A plain button class leaves the drawing to the parent.
    CButton plain;
    ASSERT_TRUE(plain.Create("Plain", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 70, 60, 90),
                             &owner, 10));
    plain.UpdateWindow();
    ASSERT_FALSE(owner.m_drawn.empty());
    EXPECT_EQ(owner.m_drawn.back().CtlType, static_cast<UINT>(ODT_BUTTON));
    EXPECT_EQ(owner.m_drawn.back().hwndItem, plain.m_hWnd);

    // One that draws itself does not.
    SelfDrawnButton self;
    ASSERT_TRUE(self.Create("Self", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(70, 70, 120, 90),
                            &owner, 11));
    self.UpdateWindow();
    EXPECT_EQ(At(self, 10, 10), RGB(90, 0, 0));
    self.SetState(TRUE);
    self.UpdateWindow();
    EXPECT_EQ(At(self, 10, 10), RGB(0, 0, 90));
    for (const DRAWITEMSTRUCT& drawn : owner.m_drawn)
        EXPECT_NE(drawn.hwndItem, self.m_hWnd);

    // Static controls too.
    CStatic label;
    ASSERT_TRUE(label.Create("", WS_CHILD | WS_VISIBLE | SS_OWNERDRAW, CRect(10, 100, 60, 120),
                             &owner, 12));
    label.UpdateWindow();
    EXPECT_EQ(owner.m_drawn.back().CtlType, static_cast<UINT>(ODT_STATIC));
}

TEST(OwnerDraw, BitmapButtonsShowTheBitmapOfTheirState) {
    using namespace dib_bytes;
    const HMODULE module = CreateResourceModule("bitmap-button-test");
    const auto solid = [](COLORREF color) {
        return PackedDib({20, 10, 24}, [=](int, int) {
            return (static_cast<std::uint32_t>(GetRValue(color)) << 16) | (GetGValue(color) << 8) |
                   GetBValue(color);
        });
    };
    static const std::string up = solid(RGB(220, 0, 0));
    static const std::string down = solid(RGB(0, 0, 220));
    AddResource(module, RT_BITMAP, "SHIPU", up.data(), static_cast<DWORD>(up.size()));
    AddResource(module, RT_BITMAP, "SHIPD", down.data(), static_cast<DWORD>(down.size()));
    const HINSTANCE previous = AfxGetResourceHandle();
    AfxSetResourceHandle(module);

    Owner owner;
    const HWND item =
        CreateWindow("Button", "SHIP", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 10, 10, 60, 40,
                     owner.m_hWnd, reinterpret_cast<HMENU>(20), nullptr, nullptr);
    ASSERT_NE(item, nullptr);
    CBitmapButton button;
    ASSERT_TRUE(button.AutoLoad(20, &owner));
    CRect rect;
    button.GetWindowRect(&rect);
    EXPECT_EQ(rect.Size(), CSize(20, 10)); // sized to the bitmap
    const std::size_t drawnBefore = owner.m_drawn.size();
    button.UpdateWindow();
    EXPECT_EQ(At(button, 5, 5), RGB(220, 0, 0));
    button.SetState(TRUE);
    button.UpdateWindow();
    EXPECT_EQ(At(button, 5, 5), RGB(0, 0, 220));
    EXPECT_EQ(owner.m_drawn.size(), drawnBefore); // the class drew itself

    CBitmapButton missing;
    EXPECT_FALSE(missing.LoadBitmaps("NONE"));
    AfxSetResourceHandle(previous);
    FreeResourceModule(module);
}

TEST(OwnerDraw, ComboBoxesAskForTheFieldAndTheItems) {
    Owner owner;
    owner.m_measured.clear();
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED,
                             CRect(10, 10, 150, 120), &owner, 13));
    // The selection field (-1), then every item of a fixed list.
    ASSERT_EQ(owner.m_measured.size(), 2u);
    EXPECT_EQ(owner.m_measured[0].CtlType, static_cast<UINT>(ODT_COMBOBOX));
    EXPECT_EQ(owner.m_measured[0].itemID, static_cast<UINT>(-1));
    EXPECT_EQ(owner.m_measured[1].itemID, 0u);
    EXPECT_EQ(combo.GetItemHeight(-1), 20);
    EXPECT_EQ(combo.GetItemHeight(0), 20);
    CRect rect;
    combo.GetWindowRect(&rect);
    EXPECT_EQ(rect.Height(), 26); // the field and its frame
    // Without CBS_HASSTRINGS the values are the items' data.
    combo.AddString(reinterpret_cast<LPCTSTR>(DWORD_PTR{1}));
    combo.AddString(reinterpret_cast<LPCTSTR>(DWORD_PTR{2}));
    EXPECT_EQ(combo.GetItemData(1), 2u);
    combo.SetCurSel(1);
    combo.UpdateWindow();
    const DRAWITEMSTRUCT& field = owner.m_drawn.back();
    EXPECT_EQ(field.CtlType, static_cast<UINT>(ODT_COMBOBOX));
    EXPECT_EQ(field.itemID, 1u);
    EXPECT_EQ(field.hwndItem, combo.m_hWnd);
    EXPECT_TRUE(field.itemState & ODS_COMBOBOXEDIT);
    EXPECT_EQ(At(combo, 10, 12), kItemColors[2]);
}

TEST(OwnerDraw, VariableComboBoxesMeasureEachItemAndShowThemAtTheirHeights) {
    Owner owner;
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_SIMPLE | CBS_OWNERDRAWVARIABLE,
                             CRect(10, 10, 150, 190), &owner, 14));
    owner.m_measured.clear();
    for (const DWORD_PTR height : {10, 30, 25, 40})
        combo.AddString(reinterpret_cast<LPCTSTR>(height));
    ASSERT_EQ(owner.m_measured.size(), 4u); // every item, as it comes
    EXPECT_EQ(owner.m_measured[2].itemID, 2u);
    EXPECT_EQ(owner.m_measured[2].itemData, 25u);
    EXPECT_EQ(combo.GetItemHeight(1), 30);
    EXPECT_EQ(combo.GetItemHeight(3), 40);

    // The list below the field shows each item at its own height and hands a click to the
    // item under it.
    const HWND list = ::GetDlgItem(combo, IDC_COMBO_LIST);
    ASSERT_NE(list, nullptr);
    UpdateWindow(list);
    EXPECT_EQ(At(list, 40, 5), kItemColors[10 % 4]);
    EXPECT_EQ(At(list, 40, 38), kItemColors[30 % 4]);
    EXPECT_EQ(At(list, 40, 42), kItemColors[25 % 4]);
    EXPECT_EQ(At(list, 40, 70), kItemColors[40 % 4]);
    SendMessage(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 50));
    EXPECT_EQ(combo.GetCurSel(), 2);

    // One item's height changes alone.
    EXPECT_EQ(combo.SetItemHeight(0, 16), CB_OKAY);
    EXPECT_EQ(combo.GetItemHeight(0), 16);
    EXPECT_EQ(combo.GetItemHeight(1), 30);
}
