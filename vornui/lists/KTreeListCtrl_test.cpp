#include "tests/ListTestHost.h"

#include "vornui/lists/KTreeListCtrl.h"
#include "vornui/platform/TimeSource.h"
#include "vornui/platform/WindowDC.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// A host that lets a test act on the notifications of its list, after the list's own
// reflected handling. The desktop's time moves only when the scripted user rests.
class TreeHost : public ListTestHost {
public:
    std::function<void(const NMHDR&)> onNotify;
    CSteppedClock clock;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        const BOOL handled = ListTestHost::OnNotify(wParam, lParam, result);
        if (onNotify)
            onNotify(*reinterpret_cast<const NMHDR*>(lParam));
        return handled;
    }
};

KTreeListCtrl& Adopt(TreeHost& host, KTreeListCtrl& tree) {
    host.Adopt(tree, LVS_SINGLESEL | LVS_SHOWSELALWAYS);
    tree.InsertColumn(0, "Name", LVCFMT_LEFT, 200);
    tree.InsertColumn(1, "Depth", LVCFMT_LEFT, 90);
    tree.InsertColumn(2, "Note", LVCFMT_LEFT, 90);
    return tree;
}

std::vector<CString> Labels(const KTreeListCtrl& tree) {
    std::vector<CString> labels;
    for (int row = 0; row < tree.GetItemCount(); ++row)
        labels.push_back(tree.GetItemText(row, 0));
    return labels;
}

std::vector<CString> Names(std::initializer_list<const char*> names) {
    return std::vector<CString>(names.begin(), names.end());
}

// 0 none, 1 plus, 2 minus.
UINT StateImage(const KTreeListCtrl& tree, int row) {
    return tree.GetItemState(row, LVIS_STATEIMAGEMASK) >> 12;
}

int Selected(const KTreeListCtrl& tree) {
    return tree.GetNextItem(-1, LVNI_SELECTED);
}

// The middle of the plus or minus of row `row`, on the screen.
POINT OnBox(KTreeListCtrl& tree, int row) {
    tree.EnsureVisible(row, FALSE);
    CRect icon;
    tree.GetItemRect(row, &icon, LVIR_ICON);
    return ListTestHost::Screen(tree, POINT{icon.left - 8, icon.CenterPoint().y});
}

POINT OnLabel(KTreeListCtrl& tree, int row) {
    tree.EnsureVisible(row, FALSE);
    return ListTestHost::OnRow(tree, row);
}

// The user waits a little before each click, so that two on one place are not a double
// click.
void ClickAt(TreeHost& host, POINT screen) {
    CScriptedUser user;
    user.Rest(GetDoubleClickTime() + 1).ClickAt(screen);
    ASSERT_TRUE(user.ActIn(host));
}

// Selects row `row` with a click on its label, then presses `key`.
void PressOn(TreeHost& host, KTreeListCtrl& tree, int row, UINT key) {
    CScriptedUser user;
    user.Rest(GetDoubleClickTime() + 1).ClickAt(OnLabel(tree, row)).Press(key);
    ASSERT_TRUE(user.ActIn(host));
}

// The colour of the plus or minus box's middle column, two pixels above its centre: black
// in a plus, white in a minus.
COLORREF BoxStroke(KTreeListCtrl& tree, int row) {
    CRect icon;
    tree.GetItemRect(row, &icon, LVIR_ICON);
    tree.UpdateWindow();
    CClientDC dc(&tree);
    return dc.GetPixel(icon.left - 16 + 7, icon.top + (icon.Height() - 16) / 2 + 5);
}

// The tree of the simplest case: A with its child A1, and B.
void AddSimpleTree(KTreeListCtrl& tree, bool childExpandable = false) {
    tree.AddItem("A", 0, 0, true);
    tree.AddItem("A1", 0, 1, childExpandable);
    if (childExpandable)
        tree.AddItem("A1a", 0, 2, false);
    tree.AddItem("B", 0, 0, false);
}

// A survey: two blocks of lines, lines with their fixes.
void AddSurvey(KTreeListCtrl& tree) {
    tree.AddItem("North", 0, 0, true);  // 0
    tree.AddItem("N-001", 0, 1, true);  // 1
    tree.AddItem("fix 1", 0, 2, false); // 2
    tree.AddItem("fix 2", 0, 2, false); // 3
    tree.AddItem("N-002", 0, 1, true);  // 4
    tree.AddItem("fix 3", 0, 2, false); // 5
    tree.AddItem("South", 0, 0, true);  // 6
    tree.AddItem("S-001", 0, 1, false); // 7
    tree.AddItem("Notes", 0, 0, false); // 8
}

} // namespace

TEST(KTreeListCtrl, ShowsTheTopLevelAndOpensAndClosesABranchWithClicksOnItsBox) {
    TreeHost host;
    KTreeListCtrl tree;
    Adopt(host, tree);
    EXPECT_EQ(tree.GetExtendedStyle(), static_cast<DWORD>(LVS_EX_FULLROWSELECT));
    ASSERT_NE(tree.GetImageList(LVSIL_STATE), nullptr);
    EXPECT_EQ(tree.GetImageList(LVSIL_STATE)->GetImageCount(), 2);
    AddSimpleTree(tree);
    EXPECT_EQ(Labels(tree), Names({"A", "B"}));
    EXPECT_EQ(StateImage(tree, 0), 1u);
    EXPECT_EQ(StateImage(tree, 1), 0u);
    EXPECT_EQ(tree.GetItemData(1), 2u);
    EXPECT_TRUE(tree.IsCollapsed(0));
    EXPECT_EQ(BoxStroke(tree, 0), RGB(0, 0, 0));

    // A click on the label only selects.
    ClickAt(host, OnLabel(tree, 0));
    EXPECT_EQ(Labels(tree), Names({"A", "B"}));
    EXPECT_EQ(Selected(tree), 0);

    host.heard.clear();
    ClickAt(host, OnBox(tree, 0));
    EXPECT_EQ(Labels(tree), Names({"A", "A1", "B"}));
    EXPECT_EQ(StateImage(tree, 0), 2u);
    EXPECT_EQ(StateImage(tree, 1), 0u);
    EXPECT_FALSE(tree.IsCollapsed(0));
    EXPECT_EQ(tree.GetItemData(1), 1u);
    EXPECT_EQ(BoxStroke(tree, 0), RGB(255, 255, 255));
    EXPECT_EQ(std::count(host.heard.begin(), host.heard.end(), NM_CLICK),
              1); // the parent hears of the click too
    // Red is the boxes' mask: the row's own background shows around them.
    CRect icon;
    tree.GetItemRect(0, &icon, LVIR_ICON);
    const int top = icon.top + (icon.Height() - 16) / 2;
    {
        CClientDC dc(&tree);
        EXPECT_NE(dc.GetPixel(icon.left - 16, top), RGB(255, 0, 0));
        EXPECT_EQ(dc.GetPixel(icon.left - 16, top), dc.GetPixel(icon.left - 18, top));
    }
    ClickAt(host, OnBox(tree, 0));
    EXPECT_EQ(Labels(tree), Names({"A", "B"}));
    EXPECT_EQ(StateImage(tree, 0), 1u);

    // A click in the indentation, left of a deeper row's box, does nothing.
    tree.DeleteAllItems();
    AddSimpleTree(tree, true);
    ClickAt(host, OnBox(tree, 0));
    EXPECT_EQ(Labels(tree), Names({"A", "A1", "B"}));
    tree.GetItemRect(1, &icon, LVIR_ICON);
    ClickAt(host, ListTestHost::Screen(tree, POINT{5, icon.CenterPoint().y}));
    EXPECT_EQ(Labels(tree), Names({"A", "A1", "B"}));
    ClickAt(host, OnBox(tree, 1));
    EXPECT_EQ(Labels(tree), Names({"A", "A1", "A1a", "B"}));
    ClickAt(host, OnBox(tree, 0));
    EXPECT_EQ(Labels(tree), Names({"A", "B"}));
}

TEST(KTreeListCtrl, ExpandLevelOneOpensTheTopAndLeavesTheNextLevelClosed) {
    TreeHost host;
    KTreeListCtrl tree;
    tree.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(10, 10, 440, 300), &host, 12);
    EXPECT_EQ(tree.GetExtendedStyle(), static_cast<DWORD>(LVS_EX_FULLROWSELECT));
    ASSERT_NE(tree.GetImageList(LVSIL_STATE), nullptr);
    tree.InsertColumn(0, "Name", LVCFMT_LEFT, 200);
    tree.SetExpandLevel(1);
    AddSimpleTree(tree, true);
    EXPECT_EQ(Labels(tree), Names({"A", "A1", "B"}));
    EXPECT_EQ(StateImage(tree, 0), 2u);
    EXPECT_EQ(StateImage(tree, 1), 1u);
    EXPECT_FALSE(tree.IsCollapsed(0));
    EXPECT_TRUE(tree.IsCollapsed(1));
    EXPECT_FALSE(tree.IsCollapsed(3)); // no such row
    EXPECT_FALSE(tree.IsCollapsed(-1));

    ClickAt(host, OnBox(tree, 1));
    EXPECT_EQ(Labels(tree), Names({"A", "A1", "A1a", "B"}));
    EXPECT_EQ(StateImage(tree, 1), 2u);
    ClickAt(host, OnBox(tree, 0));
    EXPECT_EQ(Labels(tree), Names({"A", "B"}));
    // The child kept its own state: it opens again as it was.
    ClickAt(host, OnBox(tree, 0));
    EXPECT_EQ(Labels(tree), Names({"A", "A1", "A1a", "B"}));
}

TEST(KTreeListCtrl, KeysOpenCloseAndWalkTheBranches) {
    TreeHost host;
    KTreeListCtrl tree;
    Adopt(host, tree);
    AddSurvey(tree);
    EXPECT_EQ(Labels(tree), Names({"North", "South", "Notes"}));

    // '*' on a collapsed item whose children are collapsed opens the whole subtree.
    PressOn(host, tree, 0, VK_MULTIPLY);
    EXPECT_EQ(Labels(tree),
              Names({"North", "N-001", "fix 1", "fix 2", "N-002", "fix 3", "South", "Notes"}));
    for (const int row : {0, 1, 4})
        EXPECT_EQ(StateImage(tree, row), 2u) << row;
    EXPECT_EQ(StateImage(tree, 2), 0u);

    // Left on a collapsed child selects its parent.
    PressOn(host, tree, 3, VK_LEFT);
    EXPECT_EQ(Selected(tree), 1);
    EXPECT_EQ(tree.GetNextItem(-1, LVNI_FOCUSED), 1);
    EXPECT_EQ(tree.GetSelectedCount(), 1u);
    // Left on an expanded item collapses it.
    PressOn(host, tree, 1, VK_LEFT);
    EXPECT_EQ(Labels(tree), Names({"North", "N-001", "N-002", "fix 3", "South", "Notes"}));
    EXPECT_EQ(StateImage(tree, 1), 1u);
    EXPECT_EQ(Selected(tree), 1);
    // Left once more: now collapsed, it goes to its parent; at the top nothing happens.
    PressOn(host, tree, 1, VK_LEFT);
    EXPECT_EQ(Selected(tree), 0);
    PressOn(host, tree, 4, VK_LEFT);
    EXPECT_EQ(Selected(tree), 4);
    EXPECT_EQ(Labels(tree), Names({"North", "N-001", "N-002", "fix 3", "South", "Notes"}));

    // Right on a collapsed item opens it; on an open one it goes to the first child.
    PressOn(host, tree, 4, VK_RIGHT);
    EXPECT_EQ(Labels(tree), Names({"North", "N-001", "N-002", "fix 3", "South", "S-001", "Notes"}));
    EXPECT_EQ(StateImage(tree, 4), 2u);
    PressOn(host, tree, 4, VK_RIGHT);
    EXPECT_EQ(Selected(tree), 5);
    // Right on an expanded item whose next item is a sibling does nothing.
    tree.DeleteAllItems();
    tree.SetExpandLevel(1);
    tree.AddItem("Empty block", 0, 0, true);
    tree.AddItem("Full block", 0, 0, true);
    tree.AddItem("line", 0, 1, false);
    EXPECT_FALSE(tree.IsCollapsed(0));
    PressOn(host, tree, 0, VK_RIGHT);
    EXPECT_EQ(Selected(tree), 0);
    EXPECT_EQ(Labels(tree), Names({"Empty block", "Full block", "line"}));

    // Keypad minus closes, plus opens; each only when there is something to do.
    PressOn(host, tree, 1, VK_SUBTRACT);
    EXPECT_EQ(Labels(tree), Names({"Empty block", "Full block"}));
    EXPECT_EQ(StateImage(tree, 1), 1u);
    PressOn(host, tree, 1, VK_SUBTRACT);
    EXPECT_EQ(StateImage(tree, 1), 1u);
    PressOn(host, tree, 1, VK_ADD);
    EXPECT_EQ(Labels(tree), Names({"Empty block", "Full block", "line"}));
    EXPECT_EQ(StateImage(tree, 1), 2u);
    // '*' on an open item changes nothing; other keys still move the selection.
    PressOn(host, tree, 1, VK_MULTIPLY);
    EXPECT_EQ(Labels(tree), Names({"Empty block", "Full block", "line"}));
    PressOn(host, tree, 1, VK_DOWN);
    EXPECT_EQ(Selected(tree), 2);
}

TEST(KTreeListCtrl, LeavesNeverShowABox) {
    TreeHost host;
    KTreeListCtrl tree;
    Adopt(host, tree);
    tree.SetExpandLevel(2);
    tree.AddItem("Block", 0, 0, true);
    tree.AddItem("Loose line", 0, 1, false); // above the expand level: not collapsed
    tree.AddItem("Fix", 0, 2, false);        // the expand level: marked collapsed
    tree.AddItem("Line", 0, 1, true);
    EXPECT_EQ(Labels(tree), Names({"Block", "Loose line", "Fix", "Line"}));
    EXPECT_FALSE(tree.IsCollapsed(1));
    EXPECT_TRUE(tree.IsCollapsed(2));

    // Keypad minus on a leaf changes nothing; Left moves to its parent, whichever flag.
    PressOn(host, tree, 1, VK_SUBTRACT);
    EXPECT_FALSE(tree.IsCollapsed(1));
    EXPECT_EQ(StateImage(tree, 1), 0u);
    PressOn(host, tree, 1, VK_LEFT);
    EXPECT_EQ(Selected(tree), 0);
    EXPECT_EQ(StateImage(tree, 1), 0u);
    PressOn(host, tree, 2, VK_LEFT);
    EXPECT_EQ(Selected(tree), 1);
    EXPECT_TRUE(tree.IsCollapsed(2));
    // A click where a box would be does nothing to a leaf.
    ClickAt(host, OnBox(tree, 2));
    EXPECT_TRUE(tree.IsCollapsed(2));
    // Right, keypad plus and '*' open a collapsed leaf as any collapsed item: the flag
    // goes, nothing shows below it, and still no box.
    tree.SetExpandLevel(1);
    for (const UINT key : {VK_RIGHT, VK_ADD, VK_MULTIPLY}) {
        tree.DeleteAllItems();
        tree.AddItem("Block", 0, 0, true);
        tree.AddItem("Fix", 0, 1, false);
        tree.AddItem("Line", 0, 1, true);
        ASSERT_TRUE(tree.IsCollapsed(1));
        PressOn(host, tree, 1, key);
        EXPECT_FALSE(tree.IsCollapsed(1)) << key;
        EXPECT_EQ(StateImage(tree, 1), 0u) << key;
        EXPECT_EQ(Labels(tree), Names({"Block", "Fix", "Line"})) << key;
        EXPECT_EQ(Selected(tree), 1) << key;
    }

    // An item added as not expandable that has deeper items after it: Right shows them,
    // Left and keypad minus never hide them again, and it never shows a box.
    tree.DeleteAllItems();
    tree.SetExpandLevel(0);
    tree.AddItem("Block", 0, 0, false);
    tree.AddItem("Line", 0, 1, false);
    PressOn(host, tree, 0, VK_RIGHT);
    EXPECT_EQ(Labels(tree), Names({"Block", "Line"}));
    EXPECT_EQ(StateImage(tree, 0), 0u);
    PressOn(host, tree, 0, VK_SUBTRACT);
    PressOn(host, tree, 0, VK_LEFT);
    EXPECT_EQ(Labels(tree), Names({"Block", "Line"}));
    PressOn(host, tree, 0, VK_RIGHT);
    EXPECT_EQ(Selected(tree), 1);
}

TEST(KTreeListCtrl, ItemsAddedLaterShowOnlyWhereTheirBranchIsOpen) {
    TreeHost host;
    KTreeListCtrl tree;
    Adopt(host, tree);
    // A closed branch: the new item waits for it, and shows once when it opens.
    tree.SetExpandLevel(1);
    tree.AddItem("A", 0, 0, true);
    tree.AddItem("A1", 0, 1, false);
    ClickAt(host, OnBox(tree, 0));
    ASSERT_EQ(Labels(tree), Names({"A"}));
    EXPECT_EQ(tree.AddItem("A2", 0, 1, false), 2);
    EXPECT_EQ(Labels(tree), Names({"A"}));
    ClickAt(host, OnBox(tree, 0));
    EXPECT_EQ(Labels(tree), Names({"A", "A1", "A2"}));

    // A branch below the expand level that the person opened: the new item shows at once,
    // and goes with the branch when it closes.
    tree.DeleteAllItems();
    tree.SetExpandLevel(0);
    tree.AddItem("B", 0, 0, true);
    tree.AddItem("B1", 0, 1, false);
    ClickAt(host, OnBox(tree, 0));
    ASSERT_EQ(Labels(tree), Names({"B", "B1"}));
    tree.AddItem("B2", 0, 1, false);
    EXPECT_EQ(Labels(tree), Names({"B", "B1", "B2"}));
    EXPECT_EQ(tree.GetItemData(2), 2u);
    EXPECT_TRUE(tree.IsCollapsed(2)); // below the expand level, a leaf too
    ClickAt(host, OnBox(tree, 0));
    EXPECT_EQ(Labels(tree), Names({"B"}));

    // A level that jumps under an open parent shows as the parent's next opening shows it.
    tree.DeleteAllItems();
    tree.SetExpandLevel(1);
    tree.AddItem("C", 0, 0, true);
    tree.AddItem("C deep", 0, 3, false);
    EXPECT_EQ(Labels(tree), Names({"C", "C deep"}));
    ClickAt(host, OnBox(tree, 0));
    ClickAt(host, OnBox(tree, 0));
    EXPECT_EQ(Labels(tree), Names({"C", "C deep"}));
}

namespace {

// A tree list that counts its paintings.
class CountedTreeList : public KTreeListCtrl {
public:
    int paintings = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_PAINT)
            ++paintings;
        return KTreeListCtrl::WindowProc(message, wParam, lParam);
    }
};

} // namespace

TEST(KTreeListCtrl, ThePersonsExpandAndCollapsePaintNothingUntilTheyEnd) {
    TreeHost host;
    CountedTreeList tree;
    Adopt(host, tree);
    AddSurvey(tree);
    // Whenever a row comes or goes the parent tries to get the list painted, what was
    // invalid before included.
    int rowsChanged = 0;
    int paintedMeanwhile = 0;
    host.onNotify = [&](const NMHDR& header) {
        if (header.code != LVN_INSERTITEM && header.code != LVN_DELETEITEM)
            return;
        ++rowsChanged;
        const int before = tree.paintings;
        tree.InvalidateRect(nullptr);
        tree.UpdateWindow();
        paintedMeanwhile += tree.paintings - before;
    };
    ClickAt(host, OnBox(tree, 0));
    PressOn(host, tree, 1, VK_MULTIPLY);
    PressOn(host, tree, 1, VK_LEFT);
    PressOn(host, tree, 1, VK_SUBTRACT);
    ClickAt(host, OnBox(tree, 0));
    host.onNotify = nullptr;
    EXPECT_EQ(Labels(tree), Names({"North", "South", "Notes"}));
    EXPECT_GE(rowsChanged, 8);
    EXPECT_EQ(paintedMeanwhile, 0);
    // Afterwards the list paints again, with the plus it ended with.
    const int before = tree.paintings;
    tree.InvalidateRect(nullptr);
    tree.UpdateWindow();
    EXPECT_GT(tree.paintings, before);
    EXPECT_EQ(BoxStroke(tree, 0), RGB(0, 0, 0));
}

TEST(KTreeListCtrl, TellsTheParentOfEachRowThatComesAndGoesInOrder) {
    TreeHost host;
    KTreeListCtrl tree;
    Adopt(host, tree);
    AddSurvey(tree);
    tree.SetItemText(2, 1, "12.5 m");
    tree.SetItemText(5, 2, "rejected");
    // Each notice: the code's initial, the row and the row's item data, which is its item.
    std::vector<std::string> notices;
    host.onNotify = [&](const NMHDR& header) {
        if (header.code != LVN_INSERTITEM && header.code != LVN_DELETEITEM)
            return;
        const auto& notice = reinterpret_cast<const NMLISTVIEW&>(header);
        notices.push_back((header.code == LVN_INSERTITEM ? "+" : "-") +
                          std::to_string(notice.iItem) + ":" + std::to_string(notice.lParam));
    };
    PressOn(host, tree, 0, VK_MULTIPLY);
    EXPECT_EQ(notices, std::vector<std::string>({"+1:1", "+2:2", "+3:3", "+4:4", "+5:5"}));
    EXPECT_EQ(Labels(tree),
              Names({"North", "N-001", "fix 1", "fix 2", "N-002", "fix 3", "South", "Notes"}));
    EXPECT_EQ(tree.GetItemText(2, 1), "12.5 m");
    EXPECT_EQ(tree.GetItemText(5, 2), "rejected");
    EXPECT_EQ(tree.GetItemData(4), 4u);
    EXPECT_EQ(StateImage(tree, 4), 2u);

    // Closing N-001 and then North: each row below goes in turn, from the top.
    notices.clear();
    PressOn(host, tree, 1, VK_SUBTRACT);
    PressOn(host, tree, 0, VK_SUBTRACT);
    host.onNotify = nullptr;
    EXPECT_EQ(notices, std::vector<std::string>({"-2:2", "-2:3", "-1:1", "-1:4", "-1:5"}));
    EXPECT_EQ(Labels(tree), Names({"North", "South", "Notes"}));
    EXPECT_EQ(tree.GetItemData(1), 6u);
}

TEST(KTreeListCtrl, TakesItemIndicesForTextsAndDataAndRowsForTheRest) {
    TreeHost host;
    KTreeListCtrl tree;
    Adopt(host, tree);
    tree.SetExpandLevel(2);
    AddSurvey(tree);
    for (int item = 0; item < 9; ++item)
        tree.SetItemDataPtr(item, 1000 + static_cast<DWORD_PTR>(item));
    EXPECT_EQ(tree.GetItemCount(), 9);
    EXPECT_EQ(tree.GetItemDataPtr(7), 1007u);

    // North closes: the rows below it move up, each still with its own item's data.
    ClickAt(host, OnBox(tree, 0));
    EXPECT_EQ(Labels(tree), Names({"North", "South", "S-001", "Notes"}));
    EXPECT_EQ(tree.GetItemDataPtr(2), 1007u);
    EXPECT_EQ(tree.GetItemDataPtr(3), 1008u);

    // Item 7 shows in row 2; item 3 is hidden and shows its new text once North opens.
    EXPECT_EQ(tree.SetItemText(7, 1, "12.5 m"), 1);
    EXPECT_EQ(tree.GetItemText(2, 1), "12.5 m");
    EXPECT_EQ(tree.SetItemText(3, 2, "rejected"), 1);
    for (int row = 0; row < tree.GetItemCount(); ++row)
        EXPECT_EQ(tree.GetItemText(row, 2), "") << row;
    EXPECT_EQ(tree.SetItemText(3, -1, "nowhere"), 0);
    EXPECT_EQ(tree.SetItemText(3, 3, "no such column"), 0);
    EXPECT_EQ(tree.SetItemImage(1, 4), 1);
    LVITEM image{LVIF_IMAGE, 1, 0, 0, 0, nullptr, 0, 0, 0, 0};
    tree.GetItem(&image);
    EXPECT_EQ(image.iImage, 4);
    ClickAt(host, OnBox(tree, 0));
    EXPECT_EQ(tree.GetItemText(3, 2), "rejected");
    EXPECT_EQ(tree.GetItemText(7, 1), "12.5 m");
    // The image stayed with its item through the closing and opening above.
    image.iItem = 6;
    tree.GetItem(&image);
    EXPECT_EQ(image.iImage, 4);

    // Outside the table: an exception, and nothing changes.
    EXPECT_THROW(tree.SetItemText(9, 0, "x"), std::out_of_range);
    EXPECT_THROW(tree.SetItemText(-1, 0, "x"), std::out_of_range);
    EXPECT_THROW(tree.SetItemDataPtr(9, 1), std::out_of_range);
    EXPECT_THROW(tree.GetItemDataPtr(9), std::out_of_range);
    EXPECT_THROW(tree.SetItemImage(-1, 0), std::out_of_range);
    EXPECT_EQ(tree.GetItemCount(), 9);
    EXPECT_EQ(tree.GetItemDataPtr(8), 1008u);

    EXPECT_TRUE(tree.DeleteAllItems());
    EXPECT_EQ(tree.GetItemCount(), 0);
    EXPECT_EQ(tree.AddItem("again", 0, 0, false), 0);
    EXPECT_THROW(tree.SetItemText(1, 0, "x"), std::out_of_range);
}

TEST(KTreeListCtrl, SurvivesBadItemsCallbacksAndAParentThatEmptiesItMidway) {
    TreeHost host;
    KTreeListCtrl tree;
    Adopt(host, tree);
    // Out of pre-order and negative: the first item deeper than 0, jumps of two levels.
    tree.AddItem("orphan", -3, 2, true);
    tree.AddItem("top", -1, 0, true);
    tree.AddItem("deep", 5, 3, true);
    tree.AddItem("back", 0, 1, false);
    tree.AddItem("negative", 0, -2, true);
    tree.AddItem("under negative", 0, -1, false);
    EXPECT_EQ(Labels(tree), Names({"top", "negative", "under negative"}));
    EXPECT_EQ(StateImage(tree, 1), 2u);
    ClickAt(host, OnBox(tree, 0));
    EXPECT_EQ(Labels(tree), Names({"top", "deep", "back", "negative", "under negative"}));
    PressOn(host, tree, 3, VK_SUBTRACT);
    EXPECT_EQ(Labels(tree), Names({"top", "deep", "back", "negative"}));
    PressOn(host, tree, 3, VK_MULTIPLY);
    EXPECT_EQ(Labels(tree), Names({"top", "deep", "back", "negative", "under negative"}));
    PressOn(host, tree, 4, VK_LEFT);
    EXPECT_EQ(Selected(tree), 3);
    PressOn(host, tree, 2, VK_LEFT);
    EXPECT_EQ(Selected(tree), 0);
    tree.UpdateWindow();

    // Callbacks for every column: the parent is asked for each cell it shows.
    host.onNotify = [](const NMHDR& header) {
        if (header.code != LVN_GETDISPINFO)
            return;
        auto& item = const_cast<NMLVDISPINFO&>(reinterpret_cast<const NMLVDISPINFO&>(header)).item;
        snprintf(item.pszText, static_cast<size_t>(item.cchTextMax), "item %d column %d",
                 static_cast<int>(item.lParam), item.iSubItem);
    };
    tree.DeleteAllItems();
    tree.AddItem(LPSTR_TEXTCALLBACK, 0, 0, true);
    const int child = tree.AddItem(LPSTR_TEXTCALLBACK, 0, 1, false);
    for (int column = 0; column < 3; ++column)
        tree.SetItemText(child, column, LPSTR_TEXTCALLBACK);
    ClickAt(host, OnBox(tree, 0));
    EXPECT_EQ(tree.GetItemText(0, 0), "item 0 column 0");
    EXPECT_EQ(tree.GetItemText(1, 0), "item 1 column 0");
    EXPECT_EQ(tree.GetItemText(1, 2), "item 1 column 2");
    // A column left as text stays empty, though its row's label is a callback.
    EXPECT_EQ(tree.GetItemText(0, 1), "");
    tree.UpdateWindow();

    // The parent empties the list while '*' opens a branch of many rows.
    tree.DeleteAllItems();
    tree.AddItem("big", 0, 0, true);
    for (int line = 0; line < 20; ++line) {
        tree.AddItem("line", 0, 1, true);
        tree.AddItem("fix", 0, 2, false);
    }
    int inserted = 0;
    host.onNotify = [&](const NMHDR& header) {
        if (header.code == LVN_INSERTITEM && ++inserted == 5)
            tree.DeleteAllItems();
    };
    PressOn(host, tree, 0, VK_MULTIPLY);
    EXPECT_EQ(tree.GetItemCount(), 0);
    EXPECT_FALSE(tree.IsCollapsed(0));
    host.onNotify = nullptr;
    EXPECT_EQ(tree.AddItem("after", 0, 0, false), 0);
    EXPECT_EQ(Labels(tree), Names({"after"}));

    // A click whose row went away between press and release does nothing.
    tree.DeleteAllItems();
    AddSurvey(tree);
    ClickAt(host, OnBox(tree, 0));
    const POINT box = OnBox(tree, 4);
    CScriptedUser user;
    user.MouseDown(box)
        .Then([&](HWND) {
            tree.DeleteAllItems();
            tree.AddItem("only", 0, 0, true);
            tree.AddItem("child", 0, 1, false);
            return ModalAction::Acted;
        })
        .MouseUp(box);
    ASSERT_TRUE(user.ActIn(host));
    EXPECT_EQ(Labels(tree), Names({"only"}));
    tree.UpdateWindow();
}

TEST(KTreeListCtrl, KeepsTenThousandColumnsOfText) {
    constexpr int kColumns = 10000;
    TreeHost host;
    KTreeListCtrl tree;
    Adopt(host, tree);
    tree.SetRedraw(FALSE);
    for (int column = 3; column < kColumns; ++column)
        tree.InsertColumn(column, "c", LVCFMT_LEFT, 20);
    tree.SetRedraw(TRUE);
    tree.AddItem("block", 0, 0, true);
    const int line = tree.AddItem("line", 0, 1, false);
    EXPECT_EQ(tree.SetItemText(line, kColumns - 1, "last"), 1);
    EXPECT_EQ(tree.SetItemText(line, kColumns, "beyond"), 0);
    ClickAt(host, OnBox(tree, 0));
    EXPECT_EQ(tree.GetItemText(1, kColumns - 1), "last");
    ClickAt(host, OnBox(tree, 0));
    EXPECT_EQ(tree.GetItemCount(), 1);
}

// Random adds, clicks, keys and resets; after each step the rows must be exactly the
// visible items of the table in order, with the right boxes and texts.
TEST(KTreeListCtrl, RowsAreAlwaysTheVisibleItemsInOrder) {
    struct Item {
        int level;
        bool expandable;
        bool collapsed;
        CString note;
    };
    TreeHost host;
    KTreeListCtrl tree;
    Adopt(host, tree);
    std::mt19937 random(27);
    const int expandLevel = 1;
    tree.SetExpandLevel(expandLevel);
    std::vector<Item> items;

    const auto parentOf = [&](int item) {
        for (int earlier = item - 1; earlier >= 0; --earlier)
            if (items[static_cast<size_t>(earlier)].level < items[static_cast<size_t>(item)].level)
                return earlier;
        return -1;
    };
    const auto visible = [&] {
        std::vector<int> shown;
        std::vector<bool> isShown(items.size());
        for (int item = 0; item < static_cast<int>(items.size()); ++item) {
            const int parent = parentOf(item);
            isShown[static_cast<size_t>(item)] =
                parent < 0 ? items[static_cast<size_t>(item)].level <= expandLevel
                           : isShown[static_cast<size_t>(parent)] &&
                                 !items[static_cast<size_t>(parent)].collapsed;
            if (isShown[static_cast<size_t>(item)])
                shown.push_back(item);
        }
        return shown;
    };
    const auto subtreeEnd = [&](int item) {
        int next = item + 1;
        while (next < static_cast<int>(items.size()) &&
               items[static_cast<size_t>(next)].level > items[static_cast<size_t>(item)].level)
            ++next;
        return next;
    };
    const auto pick = [&](int count) {
        return static_cast<int>(random() % static_cast<unsigned>(count));
    };

    for (int step = 0; step < 400; ++step) {
        const std::vector<int> rows = visible();
        const int choice = pick(100);
        const int row = rows.empty() ? -1 : pick(static_cast<int>(rows.size()));
        const int item = row < 0 ? -1 : rows[static_cast<size_t>(row)];
        Item* const target = item < 0 ? nullptr : &items[static_cast<size_t>(item)];
        int expectedSelection = -2; // not checked
        if (choice < 30 || !target) {
            const int previous = items.empty() ? 0 : items.back().level;
            const int level = std::clamp(previous + pick(6) - 3, -2, 6);
            const bool expandable = pick(2) == 0;
            EXPECT_EQ(tree.AddItem(("item " + std::to_string(items.size())).c_str(), pick(3), level,
                                   expandable),
                      static_cast<int>(items.size()));
            items.push_back(Item{level, expandable, level >= expandLevel, ""});
        } else if (choice < 55) {
            ClickAt(host, OnBox(tree, row));
            if (target->expandable)
                target->collapsed = !target->collapsed;
        } else if (choice < 93) {
            const UINT keys[] = {VK_LEFT, VK_RIGHT, VK_ADD, VK_SUBTRACT, VK_MULTIPLY};
            const UINT key = keys[pick(5)];
            PressOn(host, tree, row, key);
            expectedSelection = row;
            const bool opens = target->collapsed;
            if (key == VK_MULTIPLY && opens) {
                for (int each = item; each < subtreeEnd(item); ++each)
                    items[static_cast<size_t>(each)].collapsed = false;
            } else if ((key == VK_ADD || key == VK_RIGHT) && opens) {
                target->collapsed = false;
            } else if (key == VK_SUBTRACT && target->expandable) {
                target->collapsed = true;
            } else if (key == VK_LEFT && target->expandable && !target->collapsed) {
                target->collapsed = true;
            } else if (key == VK_LEFT && parentOf(item) >= 0) {
                const std::vector<int> shown = visible();
                expectedSelection = static_cast<int>(
                    std::find(shown.begin(), shown.end(), parentOf(item)) - shown.begin());
            } else if (key == VK_RIGHT && !target->collapsed &&
                       item + 1 < static_cast<int>(items.size()) &&
                       items[static_cast<size_t>(item) + 1].level > target->level) {
                expectedSelection = row + 1;
            }
        } else if (choice < 98) {
            const int changed = pick(static_cast<int>(items.size()));
            items[static_cast<size_t>(changed)].note = ("note " + std::to_string(step)).c_str();
            EXPECT_EQ(tree.SetItemText(changed, 2, items[static_cast<size_t>(changed)].note), 1);
        } else {
            tree.DeleteAllItems();
            items.clear();
        }

        const std::vector<int> shown = visible();
        ASSERT_EQ(tree.GetItemCount(), static_cast<int>(shown.size())) << "step " << step;
        for (int each = 0; each < tree.GetItemCount(); ++each) {
            const Item& expected = items[static_cast<size_t>(shown[static_cast<size_t>(each)])];
            ASSERT_EQ(tree.GetItemData(each),
                      static_cast<DWORD_PTR>(shown[static_cast<size_t>(each)]))
                << "step " << step << " row " << each;
            EXPECT_EQ(StateImage(tree, each),
                      expected.expandable ? (expected.collapsed ? 1u : 2u) : 0u);
            EXPECT_EQ(tree.IsCollapsed(each), expected.collapsed);
            EXPECT_EQ(tree.GetItemText(each, 2), expected.note);
        }
        if (expectedSelection >= -1) {
            EXPECT_EQ(Selected(tree), expectedSelection) << "step " << step;
        }
    }
}
