#include "tests/ListTestHost.h"

#include "vornui/lists/CListCtrlEx.h"
#include "vornui/lists/KCheckListCtrl.h"
#include "vornui/lists/KListBox.h"
#include "vornui/platform/CDC.h"
#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Registry.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/WindowDC.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::vector<CString> Column(CListCtrl& list, int column) {
    std::vector<CString> texts;
    for (int row = 0; row < list.GetItemCount(); ++row)
        texts.push_back(list.GetItemText(row, column));
    return texts;
}

void AddRows(CListCtrl& list, int count) {
    for (int row = 0; row < count; ++row) {
        const std::string name = "Line " + std::to_string(row);
        list.InsertItem(row, name.c_str());
        list.SetItemText(row, 1, ("depth " + std::to_string(row)).c_str());
        list.SetItemText(row, 2, ("note " + std::to_string(row)).c_str());
    }
}

void AddColumns(CListCtrl& list) {
    list.InsertColumn(0, "Line", LVCFMT_LEFT, 90);
    list.InsertColumn(1, "Depth", LVCFMT_LEFT, 90);
    list.InsertColumn(2, "Note", LVCFMT_LEFT, 90);
}

std::vector<int> Selected(CListCtrlEx& list) {
    std::vector<int> rows;
    for (int row = list.GetSelectedItem(-1); row >= 0; row = list.GetSelectedItem(row))
        rows.push_back(row);
    return rows;
}

} // namespace

TEST(KCheckListCtrl, KeepsTheLabelLeftWhenColumnZeroMoves) {
    ListTestHost host;
    KCheckListCtrl list(LVS_EX_CHECKBOXES | LVS_EX_HEADERDRAGDROP);
    host.Adopt(list, LVS_OWNERDRAWFIXED);
    AddColumns(list);
    AddRows(list, 6);
    ASSERT_TRUE(list.KeepLabelLeft(true));
    EXPECT_FALSE(list.GetCheck(1));

    // The person drags column 0's title to the third place.
    CHeaderCtrl* header = list.GetHeaderCtrl();
    CRect first;
    CRect third;
    header->GetItemRect(0, &first);
    header->GetItemRect(2, &third);
    CScriptedUser user;
    user.Drag({ListTestHost::Screen(*header, first.CenterPoint()),
               ListTestHost::Screen(*header, CPoint(first.CenterPoint().x + 40, 5)),
               ListTestHost::Screen(*header, CPoint(third.right - 4, 5))});
    ASSERT_TRUE(user.ActIn(host));
    EXPECT_EQ(list.IndexToOrder(0), 2);
    EXPECT_EQ(list.IndexToOrder(1), 0);

    // The check box now sits at the left of column 1, the first displayed.
    CRect cell;
    list.GetSubItemRect(1, 1, LVIR_BOUNDS, cell);
    const POINT box = ListTestHost::Screen(list, CPoint(cell.left + 8, cell.CenterPoint().y));
    user.ClickAt(box);
    ASSERT_TRUE(user.ActIn(host));
    EXPECT_TRUE(list.GetCheck(1));
    user.ClickAt(box);
    ASSERT_TRUE(user.ActIn(host));
    EXPECT_FALSE(list.GetCheck(1));

    // A double click on its divider fits its widest text and the label's place.
    CRect title;
    header->GetItemRect(1, &title);
    user.DoubleClickAt(ListTestHost::Screen(*header, CPoint(title.right, 5)));
    ASSERT_TRUE(user.ActIn(host));
    // The label's offset within column 0, now displayed third.
    CRect label;
    list.GetItemRect(0, &label, LVIR_LABEL);
    CRect columnZero;
    header->GetItemRect(0, &columnZero);
    const int labelOffset = label.left - columnZero.left;
    EXPECT_EQ(list.GetColumnWidth(1), list.GetStringWidth("depth 5") + labelOffset + 2 + 6);

    // Ctrl with the keypad's plus sizes every column.
    user.ClickAt(ListTestHost::OnRow(list, 0)).PressWith(MOD_CONTROL, VK_ADD);
    ASSERT_TRUE(user.ActIn(host));
    EXPECT_EQ(list.GetColumnWidth(1), list.GetStringWidth("depth 5") + 8 + labelOffset);
    EXPECT_EQ(list.GetColumnWidth(0), list.GetStringWidth("Line 5") + 12);
    EXPECT_EQ(list.GetColumnWidth(2), list.GetStringWidth("note 5") + 12);
}

TEST(KCheckListCtrl, DragsRowsScrollsAtTheEdgeAndCancelsOnEscape) {
    ListTestHost host;
    KCheckListCtrl list(LVS_EX_CHECKBOXES);
    host.Adopt(list, 0, CRect(10, 10, 400, 170));
    AddColumns(list);
    AddRows(list, 30);
    list.SetCheck(5, TRUE);
    list.SetItemData(5, 55);
    list.SetItemText(5, 1, ""); // the note after it moves all the same

    CScriptedUser user;
    const POINT from = ListTestHost::OnRow(list, 5);
    const POINT to = ListTestHost::OnRow(list, 2);
    user.MouseDown(from).MouseMove(POINT{from.x + 10, from.y - 10}).Then([&](HWND) {
        EXPECT_TRUE(list.IsDragging());
        return ModalAction::Acted;
    });
    user.MouseMove(to).MouseUp(to);
    ASSERT_TRUE(user.ActIn(host));
    EXPECT_FALSE(list.IsDragging());
    EXPECT_EQ(list.GetItemText(2, 0), "Line 5");
    EXPECT_EQ(list.GetItemText(2, 1), "");
    EXPECT_EQ(list.GetItemText(2, 2), "note 5");
    EXPECT_EQ(list.GetItemData(2), 55u);
    EXPECT_TRUE(list.GetCheck(2));
    EXPECT_EQ(list.GetItemText(3, 0), "Line 2");

    // Into the bottom band: the list scrolls while the pointer rests there.
    CRect client;
    list.GetClientRect(&client);
    const POINT start = ListTestHost::OnRow(list, 1);
    const POINT band = ListTestHost::Screen(list, CPoint(40, client.bottom - 6));
    user.MouseDown(start).MouseMove(POINT{start.x + 10, start.y + 10}).MouseMove(band).Rest(1000);
    ASSERT_TRUE(user.ActIn(host));
    EXPECT_GT(list.GetTopIndex(), 0);
    // Escape held during a move cancels: nothing moves.
    const std::vector<CString> before = Column(list, 0);
    user.Then([](HWND) {
            PostKeyInput(GetCurrentThreadId(), VK_ESCAPE, TRUE);
            return ModalAction::Acted;
        })
        .MouseMove(POINT{band.x, band.y - 30})
        .Then([](HWND) {
            PostKeyInput(GetCurrentThreadId(), VK_ESCAPE, FALSE);
            return ModalAction::Acted;
        })
        .MouseUp(POINT{band.x, band.y - 30});
    ASSERT_TRUE(user.ActIn(host));
    EXPECT_FALSE(list.IsDragging());
    EXPECT_EQ(Column(list, 0), before);
}

TEST(CListCtrlEx, AddsRowsWithTheColumnsTheyNeed) {
    ListTestHost host;
    CListCtrlEx list;
    host.Adopt(list, 0);
    list.InsertColumn(0, "Line", LVCFMT_LEFT, 70);
    list.InsertColumn(1, "Depth", LVCFMT_LEFT, 50);
    CStringList strings;
    for (const char* text : {"L1", "12.5", "soft", "mud"})
        strings.AddTail(text);
    EXPECT_EQ(list.AddItemTail(strings), 0);
    EXPECT_TRUE(strings.IsEmpty());
    char heading[32] = {};
    LVCOLUMN column{LVCF_TEXT | LVCF_WIDTH, 0, 0, heading, sizeof heading, 0, 0, 0};
    ASSERT_TRUE(list.GetColumn(2, &column));
    EXPECT_STREQ(heading, "Column 3");
    EXPECT_EQ(column.cx, 70);
    ASSERT_TRUE(list.GetColumn(3, &column));
    EXPECT_STREQ(heading, "Column 4");
    EXPECT_EQ(list.GetItemText(0, 3), "mud");

    std::vector<CString> vector{"L2", "3"};
    EXPECT_EQ(list.AddItemTail(vector), 1);
    EXPECT_TRUE(vector.empty());
    EXPECT_EQ(list.AddItemTail(vector), -1);
    for (int row = 2; row < 7; ++row) {
        strings.AddTail("x");
        list.AddItemTail(strings);
    }
    strings.AddTail("L8");
    EXPECT_EQ(list.AddItemTailNumbered(strings), 7);
    EXPECT_EQ(list.GetItemText(7, 0), "00007");
    EXPECT_EQ(list.GetItemText(7, 1), "L8");

    strings.AddTail("top");
    list.AddItem(strings);
    EXPECT_EQ(list.GetItemText(0, 0), "top");
    strings.AddTail("beyond");
    EXPECT_EQ(list.AddItemAt(strings, 50), 0);
    EXPECT_EQ(list.AddItemAt(strings, 2), 1);
    EXPECT_EQ(list.GetItemText(2, 0), "beyond");
    EXPECT_EQ(list.SelectAll(), 1);
    EXPECT_EQ(Selected(list).size(), 10u);
}

TEST(CListCtrlEx, SortsOnColumnClicksAndSelectsAsTheModesSay) {
    ListTestHost host;
    CListCtrlEx list;
    host.Adopt(list, 0);
    AddColumns(list);
    AddRows(list, 5);
    list.SetItemText(1, 1, "Alpha");
    CScriptedUser user;
    user.ClickAt(ListTestHost::OnTitle(list, 1));
    ASSERT_TRUE(user.ActIn(host));
    EXPECT_EQ(list.GetItemText(0, 1), "Alpha");
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(list.GetItemData(row),
                  static_cast<DWORD_PTR>(row == 0 ? 1 : (row == 1 ? 0 : row)));
    user.ClickAt(ListTestHost::OnTitle(list, 1));
    ASSERT_TRUE(user.ActIn(host));
    EXPECT_EQ(list.GetItemText(4, 1), "Alpha");
    EXPECT_EQ(list.GetItemText(0, 1), "depth 4");

    // Ctrl and Shift clicks, read back as the host does.
    user.ClickAt(ListTestHost::OnRow(list, 1))
        .ClickAt(ListTestHost::OnRow(list, 3), MK_LBUTTON, MOD_CONTROL);
    ASSERT_TRUE(user.ActIn(host));
    EXPECT_EQ(Selected(list), (std::vector<int>{1, 3}));
    user.ClickAt(ListTestHost::OnRow(list, 4), MK_LBUTTON, MOD_SHIFT);
    ASSERT_TRUE(user.ActIn(host));
    EXPECT_EQ(Selected(list), (std::vector<int>{3, 4}));

    // A click on a sub-item selects its row only in the mode that asks for it.
    CRect cell;
    list.GetSubItemRect(2, 2, LVIR_BOUNDS, cell);
    const POINT onCell = ListTestHost::Screen(list, CPoint(cell.left + 30, cell.CenterPoint().y));
    user.ClickAt(onCell);
    ASSERT_TRUE(user.ActIn(host));
    EXPECT_TRUE(Selected(list).empty());
    list.SetModeAnyColumn(1);
    user.Rest(1000).ClickAt(onCell); // not so soon that it makes a double click
    ASSERT_TRUE(user.ActIn(host));
    EXPECT_EQ(Selected(list), (std::vector<int>{2}));
    list.SetModeAnyColumn(0);
    list.SetModeFirstColumn(1);
    list.GetItemRect(0, &cell, LVIR_LABEL);
    user.ClickAt(ListTestHost::Screen(list, CPoint(cell.left + 80, cell.CenterPoint().y)));
    ASSERT_TRUE(user.ActIn(host));
    EXPECT_EQ(Selected(list), (std::vector<int>{0}));
}

TEST(CListCtrlEx, ReadsColumnWidthsFromTheRegistryAndNeverWritesThem) {
    SetRegistryFolder(nullptr);
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\Vorn\\Lists", 0, nullptr, 0,
                             KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const DWORD wide = 0x00070050; // only the low 16 bits count: 80
    RegSetValueEx(key, "Column0", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&wide), sizeof wide);
    RegSetValueEx(key, "Column1", 0, REG_SZ, reinterpret_cast<const BYTE*>("120"), 4);
    const DWORD far = 200;
    RegSetValueEx(key, "Column7", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&far), sizeof far);
    RegCloseKey(key);

    ListTestHost host;
    CListCtrlEx list;
    host.Adopt(list, 0);
    AddColumns(list);
    list.SetModeColumnWidths("Software\\Vorn\\Lists");
    EXPECT_EQ(list.GetColumnWidth(0), 80);
    EXPECT_EQ(list.GetColumnWidth(1), 90); // not a DWORD: left alone
    EXPECT_EQ(list.GetColumnWidth(2), 90); // missing
    list.SetModeColumnWidths("Software\\Vorn\\Nothing");
    EXPECT_EQ(list.GetColumnWidth(0), 80);
    list.SetColumnWidth(0, 33);
    DWORD size = 0;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Vorn\\Lists", 0, KEY_READ, &key),
              ERROR_SUCCESS);
    DWORD value = 0;
    size = sizeof value;
    RegQueryValueEx(key, "Column0", nullptr, nullptr, reinterpret_cast<LPBYTE>(&value), &size);
    RegCloseKey(key);
    EXPECT_EQ(value, wide);
}

TEST(CListCtrlEx, ShortensWithTheDotsMeasuredWithTheirZero) {
    ListTestHost host;
    CListCtrlEx list;
    host.Adopt(list, 0);
    CClientDC dc(&list);
    const int dots = dc.GetTextExtent("...", 4).cx;
    const int abc = dc.GetTextExtent("abc", 3).cx;
    EXPECT_EQ(CListCtrlEx::MakeShortString(&dc, "abcdef", abc + dots + 12, 12), "abc...");
    EXPECT_EQ(CListCtrlEx::MakeShortString(&dc, "abc", abc + 12, 12), "abc");
    EXPECT_EQ(CListCtrlEx::MakeShortString(&dc, "abcdef", 0, 12), "a...");
    const std::string longText(1000, 'w');
    const CString cut = CListCtrlEx::MakeShortString(&dc, longText.c_str(), 2000, 12);
    EXPECT_LE(cut.GetLength(), 259 + 3);
    EXPECT_EQ(cut.Right(3), "...");
}

TEST(KListBox, KeepsItsExtentAtTheWidestString) {
    ListTestHost host;
    KListBox box;
    box.Create(WS_CHILD | WS_VISIBLE | WS_HSCROLL | LBS_NOINTEGRALHEIGHT, CRect(10, 10, 110, 110),
               &host, 14);
    const auto extent = [&box](const char* text) {
        CClientDC dc(&box);
        const auto font = reinterpret_cast<HGDIOBJ>(box.SendMessage(WM_GETFONT));
        if (font)
            ::SelectObject(dc.GetSafeHdc(), font);
        return dc.GetTextExtent(text, static_cast<int>(std::strlen(text))).cx +
               3 * GetSystemMetrics(SM_CXBORDER);
    };
    box.AddString("short");
    EXPECT_EQ(box.GetHorizontalExtent(), extent("short"));
    box.InsertString(0, "the widest string of them all");
    box.AddString("middling string");
    EXPECT_EQ(box.GetHorizontalExtent(), extent("the widest string of them all"));
    box.DeleteString(0);
    EXPECT_EQ(box.GetHorizontalExtent(), extent("middling string"));
    box.ResetContent();
    box.AddString("a");
    EXPECT_EQ(box.GetHorizontalExtent(), extent("a")); // shrinks: the widest was reset
    EXPECT_EQ(box.DeleteString(5), LB_ERR);
}
