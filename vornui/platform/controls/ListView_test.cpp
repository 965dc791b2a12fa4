#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/ListCtrl.h"
#include "vornui/platform/ListView.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/internal/GapVector.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kListId = 7;

// A dialog-like host that writes down the notifications of its list and answers custom
// drawing with a red text background for sub-item 1.
class Host : public CWnd {
public:
    Host() { CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, 40, 40, 420, 300, nullptr, nullptr); }
    ~Host() override { DestroyWindow(); }

    CListCtrl& addList(DWORD style, DWORD extended = 0) {
        m_list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | style, CRect(10, 10, 400, 280), this,
                      kListId);
        m_list.SetExtendedStyle(extended);
        m_list.InsertColumn(0, "Name", LVCFMT_LEFT, 100);
        m_list.InsertColumn(1, "Depth", LVCFMT_RIGHT, 80);
        m_list.InsertColumn(2, "Note", LVCFMT_LEFT, 120);
        for (int row = 0; row < 8; ++row) {
            const std::string name = "Line " + std::to_string(row);
            m_list.InsertItem(LVIF_TEXT | LVIF_PARAM, row, name.c_str(), 0, 0, 0, 100 + row);
            m_list.SetItemText(row, 1, std::to_string(row * 10).c_str());
        }
        heard.clear();
        return m_list;
    }

    POINT screen(const RECT& rect) const {
        POINT point = CRect(rect).CenterPoint();
        m_list.ClientToScreen(&point);
        return point;
    }
    POINT rowPoint(int row) const {
        CRect label;
        m_list.GetItemRect(row, &label, LVIR_LABEL);
        POINT point{label.left + 4, label.CenterPoint().y};
        m_list.ClientToScreen(&point);
        return point;
    }
    std::vector<int> selected() const {
        std::vector<int> rows;
        POSITION position = m_list.GetFirstSelectedItemPosition();
        while (position)
            rows.push_back(m_list.GetNextSelectedItem(position));
        return rows;
    }
    int count(UINT code) const {
        return static_cast<int>(std::count(heard.begin(), heard.end(), code));
    }

    std::vector<UINT> heard;
    std::vector<NMLISTVIEW> changes;
    std::vector<NMLVCUSTOMDRAW> drawn;
    std::vector<DRAWITEMSTRUCT> ownerDrawn;
    NMITEMACTIVATE lastClick{};
    NMLISTVIEW lastColumnClick{};
    mutable CListCtrl m_list;

protected:
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* result) override {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom != kListId)
            return FALSE;
        heard.push_back(header->code);
        if (header->code == LVN_ITEMCHANGED)
            changes.push_back(*reinterpret_cast<const NMLISTVIEW*>(lParam));
        if (header->code == NM_CLICK)
            lastClick = *reinterpret_cast<const NMITEMACTIVATE*>(lParam);
        if (header->code == LVN_COLUMNCLICK)
            lastColumnClick = *reinterpret_cast<const NMLISTVIEW*>(lParam);
        if (header->code == LVN_GETDISPINFO) {
            // The text a callback cell shows: where it is.
            auto& item = reinterpret_cast<NMLVDISPINFO*>(lParam)->item;
            const std::string text =
                "cell " + std::to_string(item.iItem) + "," + std::to_string(item.iSubItem);
            snprintf(item.pszText, static_cast<size_t>(item.cchTextMax), "%s", text.c_str());
        }
        if (header->code == NM_CUSTOMDRAW) {
            auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(lParam);
            drawn.push_back(*draw);
            if (draw->nmcd.dwDrawStage == CDDS_PREPAINT ||
                draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT)
                *result = CDRF_NOTIFYSUBITEMDRAW;
            else if (draw->nmcd.dwDrawStage == (CDDS_SUBITEM | CDDS_ITEMPREPAINT) &&
                     draw->iSubItem == 1) {
                draw->clrTextBk = RGB(255, 0, 0);
                *result = CDRF_NEWFONT;
            }
        }
        return TRUE;
    }
    void OnDrawItem(int, LPDRAWITEMSTRUCT item) override { ownerDrawn.push_back(*item); }
};

COLORREF PixelAt(HWND hwnd, int x, int y) {
    UpdateWindow(hwnd);
    const HDC dc = GetDC(hwnd);
    const COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return color;
}

int CompareData(LPARAM a, LPARAM b, LPARAM) {
    return static_cast<int>(a % 3) - static_cast<int>(b % 3);
}

// A comparison that reads the list it sorts, by the rows' texts.
int CompareTextsDescending(LPARAM a, LPARAM b, LPARAM list) {
    auto* control = reinterpret_cast<CListCtrl*>(list);
    LVFINDINFO find{LVFI_PARAM, nullptr, a, {}, 0};
    const CString first = control->GetItemText(control->FindItem(&find), 0);
    find.lParam = b;
    const CString second = control->GetItemText(control->FindItem(&find), 0);
    return -first.Compare(second);
}

// Item data that carry a key (their thousands) beside the row they were inserted as.
int CompareKeys(LPARAM a, LPARAM b, LPARAM) {
    return static_cast<int>(a / 1000) - static_cast<int>(b / 1000);
}

// The same with the key above `unit`.
int CompareKeysAbove(LPARAM a, LPARAM b, LPARAM unit) {
    return static_cast<int>(a / unit) - static_cast<int>(b / unit);
}

std::mt19937 g_random(7);

int CompareAtRandom(LPARAM, LPARAM, LPARAM) {
    return static_cast<int>(g_random() % 3) - 1;
}

} // namespace

TEST(ListView, KeepsRowsSubItemsStatesAndDataAndFindsThem) {
    Host host;
    CListCtrl& list = host.addList(0);
    EXPECT_EQ(list.GetItemCount(), 8);
    EXPECT_EQ(list.GetItemText(3, 0), "Line 3");
    EXPECT_EQ(list.GetItemText(3, 1), "30");
    EXPECT_EQ(list.GetItemText(3, 2), "");
    EXPECT_EQ(list.GetItemData(5), 105u);
    EXPECT_EQ(list.GetItemText(99, 0), "");
    EXPECT_EQ(list.GetItemData(-1), 0u);
    EXPECT_EQ(list.InsertItem(1000, "at the end"), 8); // beyond the end: appended
    EXPECT_EQ(host.count(LVN_INSERTITEM), 1);
    // Room for more items adds none and keeps the items there are.
    list.SetItemCount(5000);
    EXPECT_EQ(list.GetItemCount(), 9);
    EXPECT_EQ(list.GetItemText(8, 0), "at the end");
    EXPECT_EQ(list.GetItemText(3, 1), "30");

    // A long text comes back whole, and cut (with its zero) into a small buffer.
    const std::string longText(1000, 'x');
    list.SetItemText(2, 2, longText.c_str());
    EXPECT_EQ(list.GetItemText(2, 2).GetLength(), 1000);
    char small[8];
    EXPECT_EQ(list.GetItemText(2, 2, small, sizeof small), 7);
    EXPECT_STREQ(small, "xxxxxxx");

    LVFINDINFO find{LVFI_PARAM, nullptr, 104, {}, 0};
    EXPECT_EQ(list.FindItem(&find), 4);
    EXPECT_EQ(list.FindItem(&find, 4), -1);
    find = LVFINDINFO{LVFI_STRING | LVFI_PARTIAL, "line 6", 0, {}, 0};
    EXPECT_EQ(list.FindItem(&find), 6);

    EXPECT_TRUE(list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_TRUE(list.SetItemState(6, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_TRUE(list.SetItemState(4, LVIS_FOCUSED, LVIS_FOCUSED)); // only one row has the focus
    EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), 4);
    EXPECT_EQ(list.GetSelectedCount(), 2u);
    EXPECT_EQ(host.selected(), (std::vector<int>{2, 6}));
    EXPECT_EQ(list.GetNextItem(6, LVNI_SELECTED | LVNI_ABOVE), 2);
    EXPECT_FALSE(list.SetItemState(50, LVIS_SELECTED, LVIS_SELECTED));

    host.heard.clear();
    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(host.heard, (std::vector<UINT>{LVN_DELETEITEM}));
    EXPECT_EQ(host.selected(), (std::vector<int>{1, 5}));
    EXPECT_FALSE(list.DeleteItem(8));
    host.heard.clear();
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(host.count(LVN_DELETEALLITEMS), 1);
    EXPECT_EQ(host.count(LVN_DELETEITEM), 8); // the parent did not answer TRUE
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), -1);
}

TEST(ListView, KeepsTheTextsOfEveryColumnSetInAnyOrderWhileRowsComeAndGo) {
    Host host;
    CListCtrl& list = host.addList(0);
    for (int column = 3; column < 6; ++column)
        list.InsertColumn(column, ("Extra " + std::to_string(column)).c_str(), LVCFMT_LEFT, 40);
    const auto cell = [](int row, int column) {
        return "r" + std::to_string(row) + "c" + std::to_string(column);
    };
    // The last column first, so that the cells between are made empty on the way.
    for (const int column : {5, 2, 1, 4})
        for (int row = 0; row < 8; ++row)
            list.SetItemText(row, column, cell(row, column).c_str());
    EXPECT_EQ(list.GetItemText(6, 3), "");
    list.SetItemText(5, 3, LPSTR_TEXTCALLBACK);
    list.SetItemText(5, 3, "stored again");

    // Rows that come above and go below move the cells with their rows.
    list.InsertItem(0, "new top");
    list.InsertItem(4, "new middle");
    EXPECT_TRUE(list.DeleteItem(8));
    const std::vector<int> shown{-1, 0, 1, 2, -1, 3, 4, 5, 7};
    ASSERT_EQ(list.GetItemCount(), static_cast<int>(shown.size()));
    for (int row = 0; row < list.GetItemCount(); ++row)
        for (const int column : {1, 2, 4, 5}) {
            const int was = shown[static_cast<size_t>(row)];
            EXPECT_EQ(list.GetItemText(row, column), was < 0 ? "" : cell(was, column).c_str())
                << row << " " << column;
        }
    EXPECT_EQ(list.GetItemText(1, 3), "");
    EXPECT_EQ(list.GetItemText(7, 3), "stored again");
    EXPECT_EQ(list.GetItemText(0, 5), "");
}

// Short texts stay in the cell, longer ones do not: every length either side of the limit,
// replaced by one of another length, moved by a sort and cut by a small reader's buffer.
TEST(ListView, KeepsTextsOfEveryLengthThroughReplacesAndSorts) {
    Host host;
    CListCtrl& list = host.addList(0);
    list.DeleteAllItems();
    for (const int column : {3, 4})
        list.InsertColumn(column, "Extra", LVCFMT_LEFT, 40);
    const std::vector<size_t> lengths{0, 1, 13, 14, 15, 16, 40, 300};
    const auto text = [](size_t length, char fill) { return std::string(length, fill); };
    for (size_t row = 0; row < lengths.size(); ++row) {
        list.InsertItem(LVIF_TEXT | LVIF_PARAM, static_cast<int>(row),
                        text(lengths[row], 'a').c_str(), 0, 0, 0, static_cast<LPARAM>(row));
        list.SetItemText(static_cast<int>(row), 4, text(lengths[row], 'b').c_str());
    }
    // Each row's texts swap lengths with the mirror row's, so long gives way to short and back.
    for (size_t row = 0; row < lengths.size(); ++row) {
        const size_t other = lengths[lengths.size() - 1 - row];
        list.SetItemText(static_cast<int>(row), 0, text(other, 'c').c_str());
        list.SetItemText(static_cast<int>(row), 4, text(other, 'd').c_str());
    }
    list.SetItemText(3, 4, LPSTR_TEXTCALLBACK);
    list.SetItemText(3, 4, text(20, 'e').c_str());
    // Descending by data: every row moves.
    ASSERT_TRUE(
        list.SortItems([](LPARAM a, LPARAM b, LPARAM) { return static_cast<int>(b - a); }, 0));
    for (int row = 0; row < list.GetItemCount(); ++row) {
        const auto was = static_cast<size_t>(list.GetItemData(row));
        const size_t length = lengths[lengths.size() - 1 - was];
        EXPECT_EQ(std::string(list.GetItemText(row, 0)), text(length, 'c')) << row;
        EXPECT_EQ(std::string(list.GetItemText(row, 4)),
                  was == 3 ? text(20, 'e') : text(length, 'd'))
            << row;
    }
    char small[5];
    EXPECT_EQ(list.GetItemText(7, 0, small, sizeof small), 4); // the 300 texts, cut
    EXPECT_STREQ(small, "cccc");
}

TEST(ListView, SortsStablyLetsTheComparisonReadTheListAndSurvivesNonsense) {
    Host host;
    CListCtrl& list = host.addList(0);
    ASSERT_TRUE(list.SortItems(CompareData, 0));
    // Data 100..107 by their remainder of 3, ties keeping their order.
    std::vector<DWORD_PTR> data;
    for (int row = 0; row < list.GetItemCount(); ++row)
        data.push_back(list.GetItemData(row));
    EXPECT_EQ(data, (std::vector<DWORD_PTR>{102, 105, 100, 103, 106, 101, 104, 107}));
    EXPECT_EQ(list.GetItemText(0, 1), "20"); // sub-items travel with their rows

    ASSERT_TRUE(list.SortItems(CompareTextsDescending, reinterpret_cast<DWORD_PTR>(&list)));
    EXPECT_EQ(list.GetItemText(0, 0), "Line 7");
    EXPECT_EQ(list.GetItemText(7, 0), "Line 0");

    for (int round = 0; round < 20; ++round) {
        ASSERT_TRUE(list.SortItems(CompareAtRandom, 0));
        data.clear();
        for (int row = 0; row < list.GetItemCount(); ++row)
            data.push_back(list.GetItemData(row));
        std::sort(data.begin(), data.end());
        EXPECT_EQ(data, (std::vector<DWORD_PTR>{100, 101, 102, 103, 104, 105, 106, 107}));
    }
}

TEST(ListView, SortsRunsInEitherOrderAsAStableSortDoes) {
    Host host;
    CListCtrl& list = host.addList(0);
    const auto sortKeys = [&list](const std::vector<int>& keys) {
        list.DeleteAllItems();
        for (int row = 0; row < static_cast<int>(keys.size()); ++row)
            list.InsertItem(LVIF_TEXT | LVIF_PARAM, row, "row", 0, 0, 0,
                            keys[static_cast<size_t>(row)] * 1000 + row);
        std::vector<DWORD_PTR> expected;
        for (int row = 0; row < list.GetItemCount(); ++row)
            expected.push_back(list.GetItemData(row));
        std::stable_sort(expected.begin(), expected.end(),
                         [](DWORD_PTR a, DWORD_PTR b) { return a / 1000 < b / 1000; });
        EXPECT_TRUE(list.SortItems(CompareKeys, 0));
        std::vector<DWORD_PTR> sorted;
        for (int row = 0; row < list.GetItemCount(); ++row)
            sorted.push_back(list.GetItemData(row));
        EXPECT_EQ(sorted, expected);
    };
    // Sorted the other way, with and without ties; runs up and down mixed; nothing.
    sortKeys({9, 8, 7, 6, 5, 4, 3, 2, 1});
    sortKeys({5, 4, 4, 3, 3, 3, 1, 0, 0});
    sortKeys({1, 2, 3, 9, 7, 5, 5, 6, 8, 4, 4, 2, 2, 3});
    sortKeys({});
    for (int round = 0; round < 20; ++round) {
        std::vector<int> keys;
        for (int row = 0; row < 60; ++row) {
            const int step = static_cast<int>(g_random() % 5) - 2;
            keys.push_back(std::clamp((keys.empty() ? 50 : keys.back()) + step, 0, 99));
        }
        sortKeys(keys);
    }
}

TEST(ListView, LongListsSortStablyAndKeepEveryRowWhateverTheComparisonSays) {
    // Long enough for merges of many runs, from both ends, of even and odd lengths, and for
    // long merges cut in two.
    Host host;
    CListCtrl& list = host.addList(0);
    const auto fillKeys = [&list](const std::vector<int>& keys) {
        // Filled as a program fills a long list, without drawing it row by row.
        list.SetRedraw(FALSE);
        list.DeleteAllItems();
        for (int row = 0; row < static_cast<int>(keys.size()); ++row)
            list.InsertItem(LVIF_TEXT | LVIF_PARAM, row, std::to_string(row).c_str(), 0, 0, 0,
                            static_cast<LPARAM>(keys[static_cast<size_t>(row)]) * 100000 + row);
        list.SetRedraw(TRUE);
    };
    const auto data = [&list] {
        std::vector<DWORD_PTR> all;
        for (int row = 0; row < list.GetItemCount(); ++row)
            all.push_back(list.GetItemData(row));
        return all;
    };
    const auto sortAndCheck = [&](const std::string& what) {
        const int rows = list.GetItemCount();
        std::vector<DWORD_PTR> expected = data();
        std::stable_sort(expected.begin(), expected.end(),
                         [](DWORD_PTR a, DWORD_PTR b) { return a / 100000 < b / 100000; });
        ASSERT_TRUE(list.SortItems(CompareKeysAbove, 100000));
        ASSERT_EQ(data(), expected) << what;
        // Each row's texts came along.
        for (int row = 0; row < rows; ++row)
            ASSERT_EQ(list.GetItemText(row, 0),
                      std::to_string(list.GetItemData(row) % 100000).c_str());
        std::sort(expected.begin(), expected.end());
        ASSERT_TRUE(list.SortItems(CompareAtRandom, 0));
        std::vector<DWORD_PTR> shuffled = data();
        std::sort(shuffled.begin(), shuffled.end());
        ASSERT_EQ(shuffled, expected) << what;
    };
    for (const int rows : {2, 3, 1000, 2047, 4096, 20011})
        for (const int distinct : {1, 7, 100000}) {
            std::vector<int> keys;
            for (int row = 0; row < rows; ++row)
                keys.push_back(static_cast<int>(g_random() % static_cast<unsigned>(distinct)));
            fillKeys(keys);
            sortAndCheck(std::to_string(rows) + " rows, " + std::to_string(distinct) + " keys");
        }
    // Two long runs: the second wholly before the first, the first all equal to one key of
    // the second, the two interleaved. A cut of the merge falls at the end of a run or
    // within ties.
    const auto twoRuns = [&](const std::function<int(int)>& first, const std::string& what) {
        std::vector<int> keys;
        for (int row = 0; row < 6000; ++row)
            keys.push_back(first(row));
        for (int row = 0; row < 6001; ++row)
            keys.push_back(row);
        fillKeys(keys);
        sortAndCheck(what);
    };
    twoRuns([](int row) { return 7000 + row; }, "second run first");
    twoRuns([](int) { return 3000; }, "first run all ties");
    twoRuns([](int row) { return 2 * row + 1; }, "interleaved runs");
}

TEST(ListView, ClicksSelectWithControlAndShiftAndTellTheParentInOrder) {
    Host host;
    CListCtrl& list = host.addList(0);
    CScriptedUser user;
    user.ClickAt(host.rowPoint(1));
    ASSERT_TRUE(user.ActIn(host));
    EXPECT_EQ(host.selected(), (std::vector<int>{1}));
    EXPECT_EQ(host.lastClick.iItem, 1);
    // Selection changes come before the click, and focus before all.
    const auto click = std::find(host.heard.begin(), host.heard.end(), NM_CLICK);
    const auto changed = std::find(host.heard.begin(), host.heard.end(), LVN_ITEMCHANGED);
    EXPECT_LT(changed - host.heard.begin(), click - host.heard.begin());
    EXPECT_EQ(host.heard.front(), NM_SETFOCUS);

    user.ClickAt(host.rowPoint(3), MK_LBUTTON, MOD_CONTROL)
        .ClickAt(host.rowPoint(6), MK_LBUTTON, MOD_SHIFT);
    ASSERT_TRUE(user.ActIn(host));
    EXPECT_EQ(host.selected(), (std::vector<int>{3, 4, 5, 6}));
    EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), 6);

    user.ClickAt(host.rowPoint(4), MK_LBUTTON, MOD_CONTROL)              // toggles one off
        .ClickAt(host.rowPoint(0), MK_LBUTTON, MOD_CONTROL | MOD_SHIFT); // adds a range
    ASSERT_TRUE(user.ActIn(host));
    EXPECT_EQ(host.selected(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));

    // A click beside every row clears the selection; one on a sub-item's text does not
    // hit a row without full-row selection.
    CRect cell;
    list.GetSubItemRect(2, 2, LVIR_BOUNDS, cell);
    user.ClickAt(host.screen(cell));
    ASSERT_TRUE(user.ActIn(host));
    EXPECT_TRUE(host.selected().empty());
    EXPECT_EQ(host.lastClick.iItem, -1);

    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    user.ClickAt(host.screen(cell));
    ASSERT_TRUE(user.ActIn(host));
    EXPECT_EQ(host.selected(), (std::vector<int>{2}));
    EXPECT_EQ(host.lastClick.iSubItem, 2);
}

TEST(ListView, CheckBoxesToggleByMouseAndSpaceAndDragsStart) {
    Host host;
    CListCtrl& list = host.addList(0, LVS_EX_CHECKBOXES);
    ASSERT_NE(list.SendMessage(LVM_GETIMAGELIST, LVSIL_STATE), 0);
    EXPECT_FALSE(list.GetCheck(2));
    UINT flags = 0;
    CRect icon;
    list.GetItemRect(2, &icon, LVIR_ICON);
    const CPoint box(icon.left - 8, icon.CenterPoint().y); // the state image lies left of it
    EXPECT_EQ(list.HitTest(box, &flags), 2);
    EXPECT_EQ(flags, static_cast<UINT>(LVHT_ONITEMSTATEICON));
    POINT screen = box;
    list.ClientToScreen(&screen);
    CScriptedUser user;
    user.ClickAt(screen);
    ASSERT_TRUE(user.ActIn(host));
    EXPECT_TRUE(list.GetCheck(2));
    EXPECT_TRUE(host.selected().empty()); // the check box does not select
    user.ClickAt(host.rowPoint(2)).Press(VK_SPACE);
    ASSERT_TRUE(user.ActIn(host));
    EXPECT_FALSE(list.GetCheck(2));

    host.heard.clear();
    const POINT from = host.rowPoint(5);
    user.Drag({from, POINT{from.x + 20, from.y + 30}});
    ASSERT_TRUE(user.ActIn(host));
    EXPECT_EQ(host.count(LVN_BEGINDRAG), 1);
    EXPECT_EQ(host.count(NM_CLICK), 0);
}

TEST(ListView, HeaderClicksDragsAndDividersReachTheList) {
    Host host;
    CListCtrl& list = host.addList(0, LVS_EX_HEADERDRAGDROP);
    CHeaderCtrl* header = list.GetHeaderCtrl();
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->GetItemCount(), 3);
    CRect second;
    header->GetItemRect(1, &second);
    POINT point = second.CenterPoint();
    header->ClientToScreen(&point);
    CScriptedUser user;
    user.ClickAt(point);
    ASSERT_TRUE(user.ActIn(host));
    EXPECT_EQ(host.count(LVN_COLUMNCLICK), 1);
    EXPECT_EQ(host.lastColumnClick.iSubItem, 1);

    // Column 0 dragged to the third place.
    CRect first;
    CRect third;
    header->GetItemRect(0, &first);
    header->GetItemRect(2, &third);
    POINT from = first.CenterPoint();
    POINT to{third.right - 5, third.CenterPoint().y};
    header->ClientToScreen(&from);
    header->ClientToScreen(&to);
    user.Drag({from, POINT{from.x + 30, from.y}, to});
    ASSERT_TRUE(user.ActIn(host));
    int order[3] = {};
    ASSERT_TRUE(list.GetColumnOrderArray(order, 3));
    EXPECT_EQ(std::vector<int>(order, order + 3), (std::vector<int>{1, 2, 0}));
    EXPECT_EQ(host.count(LVN_COLUMNCLICK), 1); // a drag is no click
    CRect cell;
    list.GetSubItemRect(0, 1, LVIR_BOUNDS, cell);
    EXPECT_EQ(cell.left, 0); // the rows follow the header

    // Dragging the divider of column 1 (now first) widens it by 25.
    header->GetItemRect(1, &second);
    POINT divider{second.right, second.CenterPoint().y};
    header->ClientToScreen(&divider);
    user.Drag({divider, POINT{divider.x + 10, divider.y}, POINT{divider.x + 25, divider.y}});
    ASSERT_TRUE(user.ActIn(host));
    EXPECT_EQ(list.GetColumnWidth(1), 105);

    // A double click on it fits the widest text.
    header->GetItemRect(1, &second);
    divider = POINT{second.right, second.CenterPoint().y};
    header->ClientToScreen(&divider);
    user.DoubleClickAt(divider);
    ASSERT_TRUE(user.ActIn(host));
    EXPECT_EQ(list.GetColumnWidth(1), list.GetStringWidth("70") + 12);
}

TEST(ListView, PaintsWhereItsRectanglesSayWithCustomAndOwnerDrawing) {
    Host host;
    CListCtrl& list = host.addList(LVS_SHOWSELALWAYS);
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    CRect label;
    list.GetItemRect(1, &label, LVIR_LABEL);
    EXPECT_EQ(PixelAt(list, label.left + 1, label.CenterPoint().y), GetSysColor(COLOR_BTNFACE));
    CRect cell;
    list.GetSubItemRect(3, 1, LVIR_BOUNDS, cell);
    EXPECT_EQ(PixelAt(list, cell.left + 2, cell.top + 1), RGB(255, 0, 0));
    list.GetSubItemRect(3, 2, LVIR_BOUNDS, cell);
    EXPECT_EQ(PixelAt(list, cell.left + 2, cell.top + 1), GetSysColor(COLOR_WINDOW));
    // Stages in the framework's order: the control, then each item with its sub-items.
    ASSERT_GE(host.drawn.size(), 5u);
    EXPECT_EQ(host.drawn[0].nmcd.dwDrawStage, static_cast<DWORD>(CDDS_PREPAINT));
    EXPECT_EQ(host.drawn[1].nmcd.dwDrawStage, static_cast<DWORD>(CDDS_ITEMPREPAINT));
    EXPECT_EQ(host.drawn[2].nmcd.dwDrawStage, static_cast<DWORD>(CDDS_SUBITEM | CDDS_ITEMPREPAINT));
    EXPECT_EQ(host.drawn[2].iSubItem, 0);
    EXPECT_EQ(host.drawn[3].iSubItem, 1);

    // Painted without erasing, the rows still cover what was there; below them it stays.
    const HDC scribble = GetDC(list.m_hWnd);
    CRect client;
    list.GetClientRect(&client);
    const HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    FillRect(scribble, &client, green);
    DeleteObject(green);
    ReleaseDC(list.m_hWnd, scribble);
    list.InvalidateRect(nullptr, FALSE);
    list.GetSubItemRect(3, 2, LVIR_BOUNDS, cell);
    EXPECT_EQ(PixelAt(list, cell.left + 2, cell.top + 1), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(PixelAt(list, cell.left + 2, client.bottom - 2), RGB(0, 255, 0));
    list.Invalidate();
    EXPECT_EQ(PixelAt(list, cell.left + 2, client.bottom - 2), GetSysColor(COLOR_WINDOW));

    Host owner;
    CListCtrl& drawnByOwner = owner.addList(LVS_OWNERDRAWFIXED);
    drawnByOwner.UpdateWindow();
    ASSERT_EQ(owner.ownerDrawn.size(), 8u);
    CRect bounds;
    drawnByOwner.GetItemRect(4, &bounds, LVIR_BOUNDS);
    EXPECT_EQ(CRect(owner.ownerDrawn[4].rcItem), bounds);
    EXPECT_EQ(owner.ownerDrawn[4].CtlType, static_cast<UINT>(ODT_LISTVIEW));
    EXPECT_EQ(owner.ownerDrawn[4].itemData, 104u);
}

TEST(ListView, SmallImagesReplaceTheHeadersAndScrollingMovesRows) {
    Host host;
    CListCtrl& list = host.addList(0);
    CImageList headerImages;
    headerImages.Create(9, 5, ILC_COLOR24 | ILC_MASK, 2, 0);
    list.GetHeaderCtrl()->SetImageList(&headerImages);
    EXPECT_EQ(list.GetHeaderCtrl()->GetImageList(), &headerImages);
    CImageList small;
    small.Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 0);
    list.SetImageList(&small, LVSIL_SMALL);
    EXPECT_EQ(list.GetHeaderCtrl()->GetImageList(), nullptr);
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(list.GetHeaderCtrl()->SendMessage(HDM_GETIMAGELIST)),
              small.GetSafeHandle());

    for (int row = 8; row < 100; ++row)
        list.InsertItem(row, "more");
    EXPECT_TRUE(list.GetStyle() & WS_VSCROLL);
    EXPECT_TRUE(list.EnsureVisible(60, FALSE));
    const int top = list.GetTopIndex();
    EXPECT_GT(top, 0);
    EXPECT_LE(top, 60);
    EXPECT_GT(top + list.GetCountPerPage(), 60);
    CRect row;
    list.GetItemRect(top, &row, LVIR_BOUNDS);
    EXPECT_EQ(list.HitTest(CPoint(row.left + 90, row.CenterPoint().y)), -1); // beside the text
    EXPECT_EQ(list.HitTest(CPoint(row.left + 20, row.CenterPoint().y)), top);
}

TEST(ListView, DrawsTheImagesOfASelectedFullRowOverItsHighlight) {
    Host host;
    CListCtrl& list = host.addList(LVS_SHOWSELALWAYS, LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES);
    list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    LVHITTESTINFO hit{};
    CRect icon;
    list.GetItemRect(2, &icon, LVIR_ICON);
    // The middle of the check box, left of the icon: the box's white, not the highlight.
    const CPoint box(icon.left - 8, icon.CenterPoint().y);
    hit.pt = box;
    ASSERT_EQ(list.SubItemHitTest(&hit), 2);
    ASSERT_EQ(hit.flags, static_cast<UINT>(LVHT_ONITEMSTATEICON));
    EXPECT_EQ(PixelAt(list, box.x, box.y), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(PixelAt(list, icon.right + 40, box.y), GetSysColor(COLOR_BTNFACE));
}

TEST(ListView, AsksTheParentForCallbackTextsOfEveryColumn) {
    Host host;
    CListCtrl& list = host.addList(0);
    list.InsertItem(LVIF_TEXT, 8, LPSTR_TEXTCALLBACK, 0, 0, 0, 0);
    list.InsertItem(LVIF_TEXT, 9, LPSTR_TEXTCALLBACK, 0, 0, 0, 0);
    list.SetItemText(8, 2, LPSTR_TEXTCALLBACK);
    list.SetItemText(3, 1, LPSTR_TEXTCALLBACK);
    EXPECT_EQ(list.GetItemText(8, 0), "cell 8,0");
    EXPECT_EQ(list.GetItemText(8, 2), "cell 8,2");
    EXPECT_EQ(list.GetItemText(3, 1), "cell 3,1");
    // A row whose label is a callback leaves to its parent the columns given nothing,
    // whether or not a column further right was set.
    EXPECT_EQ(list.GetItemText(8, 1), "cell 8,1");
    EXPECT_EQ(list.GetItemText(9, 1), "cell 9,1");
    EXPECT_EQ(list.GetItemText(9, 2), "cell 9,2");
    // A row with a stored label keeps its unset columns empty, without asking.
    host.heard.clear();
    EXPECT_EQ(list.GetItemText(3, 2), "");
    EXPECT_EQ(list.GetItemText(0, 2), "");
    EXPECT_EQ(host.count(LVN_GETDISPINFO), 0);
    // A column given a text, even an empty one, is no longer asked for.
    list.SetItemText(9, 2, "");
    EXPECT_EQ(list.GetItemText(9, 2), "");
    EXPECT_EQ(host.count(LVN_GETDISPINFO), 0);
    // A stored text takes the callback's place again.
    list.SetItemText(3, 1, "thirty");
    EXPECT_EQ(list.GetItemText(3, 1), "thirty");
    host.heard.clear();
    EXPECT_EQ(list.GetItemText(3, 1), "thirty");
    EXPECT_EQ(host.count(LVN_GETDISPINFO), 0);
}

TEST(ListView, RedrawOffHoldsBackPaintingAndScrollBarsUntilItIsOnAgain) {
    Host host;
    CListCtrl& list = host.addList(0);
    list.UpdateWindow();
    ASSERT_FALSE(list.GetStyle() & WS_VSCROLL);
    list.SetRedraw(FALSE);
    for (int row = 8; row < 60; ++row)
        list.InsertItem(row, "more");
    list.DeleteItem(0);
    CRect update;
    EXPECT_FALSE(list.GetUpdateRect(&update));
    EXPECT_FALSE(list.GetStyle() & WS_VSCROLL);
    EXPECT_EQ(list.GetItemCount(), 59);

    list.SetRedraw(TRUE);
    EXPECT_TRUE(list.GetStyle() & WS_VSCROLL);
    ASSERT_TRUE(list.GetUpdateRect(&update));
    CRect client;
    list.GetClientRect(&client);
    EXPECT_EQ(update, client);
    SCROLLINFO info{sizeof info, SIF_RANGE, 0, 0, 0, 0, 0};
    list.GetScrollInfo(SB_VERT, &info);
    EXPECT_EQ(info.nMax, 58);
}

TEST(ListView, AViewIsMadeByItsClassAndSpeaksThroughItsListControl) {
    CRuntimeClass* runtime = RUNTIME_CLASS(CListView);
    auto* view = static_cast<CListView*>(runtime->CreateObject());
    ASSERT_NE(view, nullptr);
    Host host;
    ASSERT_TRUE(view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | LVS_REPORT,
                             CRect(0, 0, 200, 100), &host, 9));
    char className[32] = {};
    GetClassName(*view, className, sizeof className);
    EXPECT_STREQ(className, WC_LISTVIEW);
    CListCtrl& list = view->GetListCtrl();
    list.InsertColumn(0, "Port", LVCFMT_LEFT, 80);
    EXPECT_EQ(list.InsertItem(0, "COM1"), 0);
    EXPECT_EQ(list.GetItemText(0, 0), "COM1");
    view->DestroyWindow(); // deletes the view
}

TEST(GapVector, AgreesWithAVectorUnderInsertsAndErasesAnywhere) {
    // Texts long enough to live on the heap: a slot built twice or never freed shows.
    const auto text = [](int step) { return std::string(20, 'a') + std::to_string(step); };
    GapVector<std::string> gap;
    std::vector<std::string> plain;
    std::mt19937 random(3);
    for (int step = 0; step < 4000; ++step) {
        const bool insert = plain.empty() || random() % 3 != 0;
        const size_t at = random() % (plain.size() + (insert ? 1 : 0));
        if (insert && step % 2) {
            gap.emplace(at, text(step));
            plain.insert(plain.begin() + static_cast<ptrdiff_t>(at), text(step));
        } else if (insert) {
            // Built in place, then filled in where it lies.
            gap.emplace(at, 20, 'a') += std::to_string(step);
            plain.insert(plain.begin() + static_cast<ptrdiff_t>(at), text(step));
        } else {
            gap.erase(at);
            plain.erase(plain.begin() + static_cast<ptrdiff_t>(at));
        }
    }
    // Room made with the gap inside the sequence keeps every element in its place.
    gap.emplace(plain.size() / 2, text(-1));
    plain.insert(plain.begin() + static_cast<ptrdiff_t>(plain.size() / 2), text(-1));
    gap.reserve(plain.size() + 1000);
    gap.reserve(10); // less than there is: nothing changes
    gap.emplace(0, text(-2));
    plain.insert(plain.begin(), text(-2));
    ASSERT_EQ(gap.size(), plain.size());
    for (size_t each = 0; each < plain.size(); ++each)
        ASSERT_EQ(gap[each], plain[each]);
    // Rearranged with its gap inside: turned round, every element moved once to its place.
    gap.rearrange([&](size_t place) { return plain.size() - 1 - place; });
    std::reverse(plain.begin(), plain.end());
    for (size_t each = 0; each < plain.size(); ++each)
        ASSERT_EQ(gap[each], plain[each]);
    gap.erase(0); // from a sequence whose gap lies at its end
    EXPECT_EQ(gap[0], plain[1]);
    gap.clear();
    EXPECT_TRUE(gap.empty());
    gap.emplace(0, text(1));
    EXPECT_EQ(gap[0], text(1));
}
