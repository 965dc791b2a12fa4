#include "tests/TestWindowClass.h"

#include "vornui/platform/CGdiObject.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/TreeCtrl.h"
#include "vornui/platform/WindowPosition.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// A parent that writes down what its tree tells it, and refuses what it is told to.
struct TreeParent {
    static std::vector<std::string>& Heard() {
        static std::vector<std::string> heard;
        return heard;
    }
    static UINT& Refused() {
        static UINT refused = 0;
        return refused;
    }
    // Called inside TVN_ITEMEXPANDING.
    static std::function<void(const NMTREEVIEW&)>& OnExpanding() {
        static std::function<void(const NMTREEVIEW&)> handler;
        return handler;
    }
    static std::string Name(UINT code) {
        switch (code) {
        case TVN_SELCHANGING:
            return "selchanging";
        case TVN_SELCHANGED:
            return "selchanged";
        case TVN_ITEMEXPANDING:
            return "expanding";
        case TVN_ITEMEXPANDED:
            return "expanded";
        case TVN_BEGINDRAG:
            return "begindrag";
        case TVN_BEGINRDRAG:
            return "beginrdrag";
        case TVN_DELETEITEM:
            return "delete";
        case NM_CLICK:
            return "click";
        case NM_RCLICK:
            return "rclick";
        default:
            return "";
        }
    }
    static LRESULT Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message != WM_NOTIFY)
            return DefWindowProc(hwnd, message, wParam, lParam);
        const auto* notice = reinterpret_cast<const NMTREEVIEW*>(lParam);
        const std::string name = Name(notice->hdr.code);
        if (name.empty())
            return 0;
        if (notice->hdr.code == TVN_ITEMEXPANDING && OnExpanding())
            OnExpanding()(*notice);
        Heard().push_back(name);
        return notice->hdr.code == Refused();
    }
};

class TreeView : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(TestWindowClass("VornuiTestTreeParent", &TreeParent::Proc));
        TreeParent::Heard().clear();
        TreeParent::Refused() = 0;
        TreeParent::OnExpanding() = nullptr;
        m_parent = CreateWindowEx(0, "VornuiTestTreeParent", "", WS_POPUP | WS_VISIBLE, 100, 100,
                                  300, 200, nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        m_tree.DestroyWindow();
        DestroyWindow(m_parent);
    }

    void Create(DWORD style) {
        ASSERT_TRUE(m_tree.Create(WS_CHILD | WS_VISIBLE | style, CRect(0, 0, 200, 100),
                                  CWnd::FromHandle(m_parent), 7));
    }

    // The middle of the item's label, on the screen.
    POINT LabelPoint(HTREEITEM item) {
        CRect label;
        EXPECT_TRUE(m_tree.GetItemRect(item, &label, TRUE));
        CPoint point = label.CenterPoint();
        m_tree.ClientToScreen(&point);
        return point;
    }

    POINT ButtonPoint(HTREEITEM item) {
        CRect label;
        EXPECT_TRUE(m_tree.GetItemRect(item, &label, TRUE));
        CPoint point(label.left - static_cast<int>(m_tree.GetIndent()) / 2, label.CenterPoint().y);
        m_tree.ClientToScreen(&point);
        return point;
    }

    HWND m_parent = nullptr;
    CTreeCtrl m_tree;
};

} // namespace

TEST_F(TreeView, ItemsLinkUpAndWalkInVisibleOrder) {
    Create(TVS_HASBUTTONS | TVS_LINESATROOT);
    const HTREEITEM b = m_tree.InsertItem("b");
    const HTREEITEM a = m_tree.InsertItem("a", TVI_ROOT, TVI_FIRST);
    const HTREEITEM c = m_tree.InsertItem("C", TVI_ROOT, TVI_SORT);
    const HTREEITEM b1 = m_tree.InsertItem("b1", b);
    const HTREEITEM b2 = m_tree.InsertItem("b2", b);
    EXPECT_EQ(m_tree.GetCount(), 5u);
    EXPECT_EQ(m_tree.GetRootItem(), a);
    EXPECT_EQ(m_tree.GetNextSiblingItem(a), b);
    EXPECT_EQ(m_tree.GetNextSiblingItem(b), c);
    EXPECT_EQ(m_tree.GetPrevSiblingItem(c), b);
    EXPECT_EQ(m_tree.GetChildItem(b), b1);
    EXPECT_EQ(m_tree.GetParentItem(b2), b);
    EXPECT_EQ(m_tree.GetParentItem(b), nullptr);
    EXPECT_EQ(m_tree.GetItemText(c), "C");

    // Collapsed, the children are not among the visible items.
    EXPECT_EQ(m_tree.GetNextVisibleItem(b), c);
    EXPECT_EQ(m_tree.GetNextVisibleItem(b1), nullptr);
    EXPECT_TRUE(m_tree.Expand(b, TVE_EXPAND));
    EXPECT_EQ(m_tree.GetNextVisibleItem(b), b1);
    EXPECT_EQ(m_tree.GetNextVisibleItem(b2), c);
    EXPECT_EQ(m_tree.GetPrevVisibleItem(c), b2);
    EXPECT_EQ(m_tree.GetLastVisibleItem(), c);
    EXPECT_EQ(m_tree.GetFirstVisibleItem(), a);

    // A child indicator gives a button before any child exists.
    TVITEM indicator{};
    indicator.mask = TVIF_CHILDREN;
    indicator.hItem = c;
    indicator.cChildren = 1;
    EXPECT_TRUE(m_tree.SetItem(&indicator));
    EXPECT_TRUE(m_tree.ItemHasChildren(c));
    EXPECT_FALSE(m_tree.ItemHasChildren(a));
    UINT flags = 0;
    CPoint button = ButtonPoint(c);
    m_tree.ScreenToClient(&button);
    EXPECT_EQ(m_tree.HitTest(button, &flags), c);
    EXPECT_EQ(flags, static_cast<UINT>(TVHT_ONITEMBUTTON));

    // Deleting tells the parent of each item, children first; old handles answer no more.
    TreeParent::Heard().clear();
    EXPECT_TRUE(m_tree.DeleteItem(b));
    EXPECT_EQ(TreeParent::Heard(), (std::vector<std::string>{"delete", "delete", "delete"}));
    EXPECT_EQ(m_tree.GetCount(), 2u);
    EXPECT_EQ(m_tree.GetItemText(b1), "");
    EXPECT_EQ(m_tree.GetItemState(b, TVIS_SELECTED), 0u);
    const HTREEITEM d = m_tree.InsertItem("d");
    EXPECT_NE(d, b);
    EXPECT_NE(d, b1);
    EXPECT_FALSE(m_tree.DeleteItem(b2));
    EXPECT_FALSE(m_tree.DeleteItem(TVI_FIRST));
    EXPECT_TRUE(m_tree.DeleteAllItems());
    EXPECT_EQ(m_tree.GetCount(), 0u);
    EXPECT_EQ(m_tree.GetRootItem(), nullptr);
    EXPECT_EQ(m_tree.GetNextVisibleItem(nullptr), nullptr);
    EXPECT_EQ(m_tree.GetItemState(TVI_ROOT, TVIS_SELECTED), 0u);
}

TEST_F(TreeView, TheCaretMovesWithTheParentsConsent) {
    Create(TVS_HASBUTTONS);
    const HTREEITEM a = m_tree.InsertItem("a");
    const HTREEITEM b = m_tree.InsertItem("b");
    EXPECT_TRUE(m_tree.SelectItem(a));
    EXPECT_EQ(m_tree.GetSelectedItem(), a);
    EXPECT_EQ(m_tree.GetItemState(a, TVIS_SELECTED), static_cast<UINT>(TVIS_SELECTED));

    // Any item is painted and reported selected by its state alone.
    EXPECT_TRUE(m_tree.SetItemState(b, TVIS_SELECTED, TVIS_SELECTED));
    EXPECT_EQ(m_tree.GetSelectedItem(), a);

    TreeParent::Heard().clear();
    TreeParent::Refused() = TVN_SELCHANGING;
    EXPECT_FALSE(m_tree.SelectItem(b));
    EXPECT_EQ(m_tree.GetSelectedItem(), a);
    TreeParent::Refused() = 0;
    EXPECT_TRUE(m_tree.SetItemState(b, 0, TVIS_SELECTED));
    EXPECT_TRUE(m_tree.SelectItem(b));
    EXPECT_EQ(m_tree.GetItemState(a, TVIS_SELECTED), 0u);
    EXPECT_EQ(m_tree.GetItemState(b, TVIS_SELECTED), static_cast<UINT>(TVIS_SELECTED));
    EXPECT_TRUE(m_tree.SelectItem(nullptr));
    EXPECT_EQ(m_tree.GetSelectedItem(), nullptr);
    EXPECT_EQ(m_tree.GetItemState(b, TVIS_SELECTED), 0u);
    EXPECT_EQ(TreeParent::Heard(),
              (std::vector<std::string>{"selchanging", "selchanging", "selchanged", "selchanging",
                                        "selchanged"}));
}

TEST_F(TreeView, ExpandingNotifiesOnceByMessageAndAlwaysForThePerson) {
    Create(TVS_HASBUTTONS | TVS_LINESATROOT);
    const HTREEITEM lazy =
        m_tree.InsertItem(TVIF_TEXT | TVIF_CHILDREN, "lazy", 0, 0, 0, 0, 0, TVI_ROOT, TVI_LAST);
    TVITEM indicator{TVIF_CHILDREN, lazy, 0, 0, nullptr, 0, 0, 0, 1, 0};
    m_tree.SetItem(&indicator);
    const HTREEITEM plain = m_tree.InsertItem("plain");
    EXPECT_FALSE(m_tree.Expand(plain, TVE_EXPAND)); // nothing to open

    // Children added while the parent is asked are what the expansion shows.
    TreeParent::OnExpanding() = [&](const NMTREEVIEW& notice) {
        EXPECT_EQ(notice.action, static_cast<UINT>(TVE_EXPAND));
        EXPECT_EQ(notice.itemNew.hItem, lazy);
        m_tree.InsertItem("child", lazy);
    };
    TreeParent::Refused() = TVN_ITEMEXPANDING;
    EXPECT_FALSE(m_tree.Expand(lazy, TVE_EXPAND));
    EXPECT_EQ(m_tree.GetItemState(lazy, TVIS_EXPANDED), 0u);
    TreeParent::Refused() = 0;
    TreeParent::OnExpanding() = nullptr;
    EXPECT_TRUE(m_tree.Expand(lazy, TVE_EXPAND));
    EXPECT_EQ(m_tree.GetItemState(lazy, TVIS_EXPANDED | TVIS_EXPANDEDONCE),
              static_cast<UINT>(TVIS_EXPANDED | TVIS_EXPANDEDONCE));
    EXPECT_EQ(m_tree.GetNextVisibleItem(lazy), m_tree.GetChildItem(lazy));
    EXPECT_EQ(TreeParent::Heard(),
              (std::vector<std::string>{"expanding", "expanding", "expanded"}));

    // Once opened, TVM_EXPAND tells no more, until a collapse with reset.
    TreeParent::Heard().clear();
    EXPECT_TRUE(m_tree.Expand(lazy, TVE_COLLAPSE));
    EXPECT_TRUE(m_tree.Expand(lazy, TVE_EXPAND));
    EXPECT_TRUE(TreeParent::Heard().empty());
    m_tree.SelectItem(m_tree.GetChildItem(lazy));
    TreeParent::Heard().clear();
    EXPECT_TRUE(m_tree.Expand(lazy, TVE_COLLAPSE | TVE_COLLAPSERESET));
    EXPECT_EQ(m_tree.GetSelectedItem(), lazy); // the caret left the closed branch
    EXPECT_EQ(m_tree.GetChildItem(lazy), nullptr);
    EXPECT_EQ(m_tree.GetItemState(lazy, TVIS_EXPANDEDONCE), 0u);

    // The person's click on the button always asks and tells.
    TreeParent::Heard().clear();
    CScriptedUser user;
    user.ClickAt(ButtonPoint(lazy), MK_LBUTTON);
    ASSERT_TRUE(user.ActIn(m_parent));
    EXPECT_EQ(TreeParent::Heard(), (std::vector<std::string>{"expanding", "expanded"}));
    EXPECT_EQ(m_tree.GetItemState(lazy, TVIS_EXPANDED), static_cast<UINT>(TVIS_EXPANDED));
    TreeParent::Heard().clear();
    user.ClickAt(ButtonPoint(lazy), MK_LBUTTON);
    ASSERT_TRUE(user.ActIn(m_parent));
    EXPECT_EQ(TreeParent::Heard(), (std::vector<std::string>{"expanding", "expanded"}));
    EXPECT_EQ(m_tree.GetItemState(lazy, TVIS_EXPANDED), 0u);
}

TEST_F(TreeView, RowsHitTestAndScrollInLines) {
    Create(TVS_HASBUTTONS | TVS_LINESATROOT);
    std::vector<HTREEITEM> items;
    for (int index = 0; index < 30; ++index)
        items.push_back(m_tree.InsertItem(("item " + std::to_string(index)).c_str()));
    const int height = m_tree.GetItemHeight();
    ASSERT_GT(height, 0);
    CRect row;
    ASSERT_TRUE(m_tree.GetItemRect(items[2], &row, FALSE));
    EXPECT_EQ(row.top, 2 * height);
    EXPECT_EQ(row.Height(), height);
    CRect label;
    ASSERT_TRUE(m_tree.GetItemRect(items[2], &label, TRUE));
    EXPECT_EQ(label.left, static_cast<int>(m_tree.GetIndent()));
    EXPECT_GT(label.Width(), 0);
    UINT flags = 0;
    EXPECT_EQ(m_tree.HitTest(label.CenterPoint(), &flags), items[2]);
    EXPECT_EQ(flags, static_cast<UINT>(TVHT_ONITEMLABEL));
    EXPECT_EQ(m_tree.HitTest(CPoint(label.right + 5, label.top + 1), &flags), items[2]);
    EXPECT_EQ(flags, static_cast<UINT>(TVHT_ONITEMRIGHT));
    EXPECT_EQ(m_tree.HitTest(CPoint(2, label.top + 1), &flags), items[2]);
    EXPECT_EQ(flags, static_cast<UINT>(TVHT_ONITEMINDENT));
    EXPECT_EQ(m_tree.HitTest(CPoint(5, -3), &flags), nullptr);
    EXPECT_EQ(flags, static_cast<UINT>(TVHT_ABOVE));

    // One line down, then the last item brought into view.
    m_tree.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(m_tree.GetFirstVisibleItem(), items[1]);
    ASSERT_TRUE(m_tree.GetItemRect(items[2], &row, FALSE));
    EXPECT_EQ(row.top, height);
    EXPECT_EQ(m_tree.GetScrollPos(SB_VERT), 1);
    EXPECT_TRUE(m_tree.EnsureVisible(items[29]));
    CRect client;
    m_tree.GetClientRect(&client);
    ASSERT_TRUE(m_tree.GetItemRect(items[29], &row, FALSE));
    EXPECT_LE(row.bottom, client.bottom);
    EXPECT_GT(row.bottom, client.bottom - height);
    EXPECT_EQ(static_cast<int>(m_tree.GetVisibleCount()), client.Height() / height);

    // With redraw off, nothing is invalidated; on again, the whole tree is.
    m_tree.UpdateWindow();
    m_tree.SetRedraw(FALSE);
    m_tree.InsertItem("late");
    EXPECT_FALSE(GetUpdateRect(m_tree, nullptr, FALSE));
    m_tree.SetRedraw(TRUE);
    EXPECT_TRUE(GetUpdateRect(m_tree, nullptr, FALSE));
}

TEST_F(TreeView, ThePersonClicksDragsTicksAndWalks) {
    Create(TVS_HASBUTTONS | TVS_LINESATROOT | TVS_CHECKBOXES);
    const HTREEITEM a = m_tree.InsertItem("alpha");
    const HTREEITEM b = m_tree.InsertItem("bravo");
    const HTREEITEM b1 = m_tree.InsertItem("bravo one", b);
    EXPECT_FALSE(m_tree.GetCheck(a));

    CScriptedUser user;
    user.ClickAt(LabelPoint(a), MK_LBUTTON);
    ASSERT_TRUE(user.ActIn(m_parent));
    EXPECT_EQ(m_tree.GetSelectedItem(), a);
    EXPECT_EQ(GetFocus(), m_tree.m_hWnd);
    EXPECT_EQ(TreeParent::Heard(),
              (std::vector<std::string>{"selchanging", "selchanged", "click"}));

    // The check box: a click on it, then the space bar.
    CRect label;
    m_tree.GetItemRect(b, &label, TRUE);
    CPoint box(label.left - 8, label.CenterPoint().y);
    m_tree.ClientToScreen(&box);
    user.ClickAt(box, MK_LBUTTON);
    ASSERT_TRUE(user.ActIn(m_parent));
    EXPECT_TRUE(m_tree.GetCheck(b));
    EXPECT_EQ(m_tree.GetSelectedItem(), a);
    user.Press(VK_SPACE);
    ASSERT_TRUE(user.ActIn(m_parent));
    EXPECT_TRUE(m_tree.GetCheck(a));

    // A press that moves on starts a drag, without a click.
    TreeParent::Heard().clear();
    const POINT from = LabelPoint(b);
    user.Drag({from, POINT{from.x + 2, from.y + 1}, POINT{from.x + 10, from.y + 10}});
    ASSERT_TRUE(user.ActIn(m_parent));
    EXPECT_EQ(TreeParent::Heard(),
              (std::vector<std::string>{"selchanging", "selchanged", "begindrag"}));

    // The keys walk the visible items and open branches.
    user.Press(VK_RIGHT).Press(VK_DOWN);
    ASSERT_TRUE(user.ActIn(m_parent));
    EXPECT_EQ(m_tree.GetSelectedItem(), b1);
    user.Press(VK_LEFT).Press(VK_LEFT).Press(VK_UP);
    ASSERT_TRUE(user.ActIn(m_parent));
    EXPECT_EQ(m_tree.GetItemState(b, TVIS_EXPANDED), 0u);
    EXPECT_EQ(m_tree.GetSelectedItem(), a);
}

TEST_F(TreeView, NoDragWhereDragAndDropIsOff) {
    Create(TVS_DISABLEDRAGDROP);
    const HTREEITEM a = m_tree.InsertItem("alpha");
    CScriptedUser user;
    const POINT from = LabelPoint(a);
    user.Drag({from, POINT{from.x + 10, from.y + 10}}, MK_RBUTTON);
    ASSERT_TRUE(user.ActIn(m_parent));
    EXPECT_TRUE(TreeParent::Heard().empty());
    // Away from the press before, so that it is no double click.
    user.ClickAt(POINT{from.x + 8, from.y}, MK_RBUTTON);
    ASSERT_TRUE(user.ActIn(m_parent));
    EXPECT_EQ(TreeParent::Heard(), (std::vector<std::string>{"rclick"}));
}

TEST_F(TreeView, ManyItemsKeepTheirHandlesAndDeletedOnesAnswerNoMore) {
    Create(TVS_HASBUTTONS);
    std::vector<HTREEITEM> items;
    for (int index = 0; index < 700; ++index)
        items.push_back(m_tree.InsertItem(("line " + std::to_string(index)).c_str()));
    m_tree.SetItemData(items[699], 699);
    EXPECT_EQ(m_tree.GetCount(), 700u);
    EXPECT_EQ(m_tree.GetItemText(items[255]), "line 255");
    EXPECT_EQ(m_tree.GetItemText(items[256]), "line 256");
    EXPECT_EQ(m_tree.GetItemData(items[699]), 699u);
    EXPECT_EQ(m_tree.GetNextVisibleItem(items[255]), items[256]);

    // Deleted items give their places to new ones, under new handles.
    for (int index = 250; index < 520; ++index)
        EXPECT_TRUE(m_tree.DeleteItem(items[static_cast<size_t>(index)]));
    std::vector<HTREEITEM> again;
    for (int index = 0; index < 300; ++index)
        again.push_back(m_tree.InsertItem(("again " + std::to_string(index)).c_str()));
    EXPECT_EQ(m_tree.GetCount(), 730u);
    for (const HTREEITEM old : {items[250], items[300], items[519]}) {
        EXPECT_EQ(m_tree.GetItemText(old), "");
        EXPECT_EQ(std::count(again.begin(), again.end(), old), 0);
        EXPECT_FALSE(m_tree.DeleteItem(old));
    }
    EXPECT_EQ(m_tree.GetNextVisibleItem(items[249]), items[520]);
    EXPECT_EQ(m_tree.GetNextVisibleItem(items[699]), again[0]);
    EXPECT_EQ(m_tree.GetItemText(again[299]), "again 299");
    EXPECT_EQ(m_tree.GetLastVisibleItem(), again[299]);

    // Another font measures every label again, those in the first block and the last.
    CRect first, last;
    ASSERT_TRUE(m_tree.GetItemRect(items[0], &first, TRUE));
    ASSERT_TRUE(m_tree.GetItemRect(again[299], &last, TRUE));
    CFont large;
    ASSERT_TRUE(large.CreatePointFont(200, "DejaVu Sans"));
    m_tree.SetFont(&large);
    CRect firstNow, lastNow;
    ASSERT_TRUE(m_tree.GetItemRect(items[0], &firstNow, TRUE));
    ASSERT_TRUE(m_tree.GetItemRect(again[299], &lastNow, TRUE));
    EXPECT_NE(firstNow.Width(), first.Width());
    EXPECT_NE(lastNow.Width(), last.Width());
    EXPECT_TRUE(m_tree.DeleteAllItems());
    EXPECT_EQ(m_tree.GetItemText(items[0]), "");
    EXPECT_EQ(m_tree.GetItemText(again[0]), "");
}
