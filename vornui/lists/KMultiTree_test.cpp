#include "vornui/lists/KMultiTree.h"
#include "vornui/platform/DesktopInput.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/TimeSource.h"
#include "vornui/platform/WindowDC.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/WindowPosition.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The parent, a framework window so that the tree hears its own notifications back:
// writes down what the tree tells it (with "*" for the tree's emulated notifications) and
// refuses selection changes when told to.
class Parent : public CWnd {
public:
    KMultiTree* tree = nullptr;
    std::vector<std::string> heard;
    bool refuseSelection = false;
    int contextMenus = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_CONTEXTMENU)
            ++contextMenus;
        return CWnd::WindowProc(message, wParam, lParam);
    }

    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        if (CWnd::OnNotify(wParam, lParam, result))
            return TRUE;
        const auto* notice = reinterpret_cast<const NMTREEVIEW*>(lParam);
        *result = 0;
        const char* name = nullptr;
        switch (notice->hdr.code) {
        case TVN_SELCHANGING:
            name = "selchanging";
            *result = refuseSelection;
            break;
        case TVN_BEGINDRAG:
            name = "begindrag";
            break;
        case NM_CLICK:
            name = "click";
            break;
        case NM_RCLICK:
            name = "rclick";
            break;
        default:
            return TRUE;
        }
        heard.push_back(std::string(name) + (tree->IsEmulatedNotify() ? "*" : ""));
        return TRUE;
    }
};

// The tree under test; it writes down the timers that reach it.
class RecordingTree : public KMultiTree {
public:
    std::vector<UINT_PTR> timers;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_TIMER)
            timers.push_back(wParam);
        return KMultiTree::WindowProc(message, wParam, lParam);
    }
};

class MultiTree : public testing::Test {
protected:
    void SetUp() override {
        m_parent.tree = &m_tree;
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, 50, 50, 300, 200,
                                      nullptr, nullptr));
        ASSERT_TRUE(m_tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_LINESATROOT,
                                  CRect(0, 0, 240, 120), &m_parent, 5));
        for (const char* name : {"A", "B", "C", "D"})
            m_items.push_back(m_tree.InsertItem(name));
        m_branch = m_tree.InsertItem("branch");
        for (const char* name : {"leaf 1", "leaf 2"})
            m_leaves.push_back(m_tree.InsertItem(name, m_branch));
    }
    void TearDown() override {
        m_tree.DestroyWindow();
        m_parent.DestroyWindow();
    }

    // A point of the item's row on the screen: its label, or `empty` pixels right of it.
    POINT At(HTREEITEM item, int empty = 0) {
        CRect label;
        EXPECT_TRUE(m_tree.GetItemRect(item, &label, TRUE));
        CPoint point(empty ? label.right + empty : label.CenterPoint().x, label.CenterPoint().y);
        m_tree.ClientToScreen(&point);
        return point;
    }

    void Act() { ASSERT_TRUE(m_user.ActIn(m_parent)); }

    std::vector<HTREEITEM> Selected() {
        CTypedPtrList<CPtrList, HTREEITEM> list;
        m_tree.GetSelectedList(list);
        std::vector<HTREEITEM> items;
        for (POSITION pos = list.GetHeadPosition(); pos;)
            items.push_back(list.GetNext(pos));
        return items;
    }

    CScriptedUser m_user;
    Parent m_parent;
    RecordingTree m_tree;
    std::vector<HTREEITEM> m_items;
    HTREEITEM m_branch = nullptr;
    std::vector<HTREEITEM> m_leaves;
};

} // namespace

TEST_F(MultiTree, ClicksWithShiftAndCtrlSelectRangesAndToggle) {
    const HTREEITEM a = m_items[0], b = m_items[1], c = m_items[2];
    m_user.ClickAt(At(a), MK_LBUTTON).ClickAt(At(c), MK_LBUTTON, MOD_SHIFT);
    Act();
    EXPECT_EQ(Selected(), (std::vector<HTREEITEM>{a, b, c}));
    EXPECT_EQ(m_tree.GetFocusedItem(), c);
    m_user.ClickAt(At(b), MK_LBUTTON, MOD_CONTROL);
    Act();
    EXPECT_EQ(Selected(), (std::vector<HTREEITEM>{a, c}));
    EXPECT_EQ(m_tree.GetFocusedItem(), b);
    EXPECT_EQ(m_tree.GetItemState(b, TVIS_FOCUSED | TVIS_SELECTED),
              static_cast<UINT>(TVIS_FOCUSED));
    EXPECT_EQ(m_tree.GetItemState(c, TVIS_FOCUSED | TVIS_SELECTED),
              static_cast<UINT>(TVIS_SELECTED));
    EXPECT_EQ(m_tree.GetSelectedCount(), 2u);
    EXPECT_EQ(m_tree.GetFirstSelectedItem(), a);
    EXPECT_EQ(m_tree.GetNextSelectedItem(a), c);
    EXPECT_EQ(m_tree.GetNextSelectedItem(c), nullptr);

    // The Ctrl+click cleared the anchor: a Shift+click ranges from the caret; Ctrl keeps the
    // rest.
    m_user.ClickAt(At(m_items[3]), MK_LBUTTON, MOD_SHIFT | MOD_CONTROL);
    Act();
    EXPECT_EQ(Selected(), (std::vector<HTREEITEM>{a, b, c, m_items[3]}));
    // Each change was told as the tree's own emulated notification; clicks end with NM_CLICK.
    EXPECT_EQ(m_parent.heard.back(), "click*");
    EXPECT_FALSE(m_tree.IsEmulatedNotify());

    // A plain click keeps one; Ctrl+right-click only sets the anchor.
    m_user.ClickAt(At(b), MK_LBUTTON).ClickAt(At(m_items[3]), MK_RBUTTON, MOD_CONTROL);
    m_user.ClickAt(At(c), MK_LBUTTON, MOD_SHIFT);
    Act();
    EXPECT_EQ(Selected(), (std::vector<HTREEITEM>{c, m_items[3]}));
}

TEST_F(MultiTree, ShiftClickWithoutAnchorOrCaretSelectsTheItemAlone) {
    m_user.ClickAt(At(m_items[2]), MK_LBUTTON, MOD_SHIFT);
    Act();
    EXPECT_EQ(Selected(), (std::vector<HTREEITEM>{m_items[2]}));
    EXPECT_EQ(m_tree.GetFocusedItem(), m_items[2]);
}

TEST_F(MultiTree, AParentThatRefusesKeepsEveryState) {
    m_parent.refuseSelection = true;
    EXPECT_EQ(m_tree.SetItemState(m_items[1], TVIS_SELECTED, TVIS_SELECTED), 0);
    EXPECT_FALSE(m_tree.IsSelected(m_items[1]));
    m_user.ClickAt(At(m_items[0]), MK_LBUTTON).ClickAt(At(m_items[2]), MK_LBUTTON, MOD_SHIFT);
    m_user.Drag({At(m_items[0], 40), At(m_items[2], 20)});
    Act();
    EXPECT_EQ(m_tree.GetSelectedCount(), 0u);
    EXPECT_EQ(m_tree.GetFocusedItem(), nullptr);

    // Bad input: no item, the root, no caret.
    m_parent.refuseSelection = false;
    EXPECT_EQ(m_tree.FocusItem(nullptr), 0);
    EXPECT_FALSE(m_tree.IsSelected(nullptr));
    EXPECT_FALSE(m_tree.IsSelected(TVI_ROOT));
    EXPECT_EQ(m_tree.GetItemState(nullptr, TVIS_FOCUSED | TVIS_SELECTED), 0u);
    EXPECT_EQ(m_tree.GetNextSelectedItem(nullptr), nullptr);
    EXPECT_EQ(m_tree.SetItemState(nullptr, TVIS_FOCUSED, TVIS_FOCUSED), 0);
    m_tree.SelectRange(nullptr, nullptr, TRUE);
    EXPECT_EQ(m_tree.SelectChildren(TVI_ROOT, TRUE, TRUE), 0);
    EXPECT_EQ(m_tree.GetSelectedCount(), 5u);
    m_tree.DeleteAllItems();
    EXPECT_EQ(m_tree.GetSelectedCount(), 0u);
    EXPECT_EQ(m_tree.GetFirstSelectedItem(), nullptr);
    m_tree.SelectAll(TRUE);
    EXPECT_EQ(m_tree.FocusItem(nullptr), 0);
}

TEST_F(MultiTree, CollapsingDeselectsTheHiddenAndTakesTheirCaret) {
    m_tree.Expand(m_branch, TVE_EXPAND);
    m_user.ClickAt(At(m_items[0]), MK_LBUTTON).ClickAt(At(m_leaves[1]), MK_LBUTTON, MOD_CONTROL);
    m_user.ClickAt(At(m_leaves[0]), MK_LBUTTON, MOD_CONTROL);
    Act();
    EXPECT_EQ(Selected(), (std::vector<HTREEITEM>{m_items[0], m_leaves[0], m_leaves[1]}));
    EXPECT_EQ(m_tree.GetFocusedItem(), m_leaves[0]);

    CRect label;
    m_tree.GetItemRect(m_branch, &label, TRUE);
    CPoint button(label.left - 10, label.CenterPoint().y);
    m_tree.ClientToScreen(&button);
    m_user.ClickAt(button, MK_LBUTTON);
    Act();
    EXPECT_EQ(m_tree.GetItemState(m_branch, TVIS_EXPANDED), 0u);
    EXPECT_EQ(Selected(), (std::vector<HTREEITEM>{m_items[0]}));
    EXPECT_EQ(m_tree.GetFocusedItem(), nullptr);
    m_tree.Expand(m_branch, TVE_EXPAND);
    EXPECT_FALSE(m_tree.IsSelected(m_leaves[0]));

    // A selected branch that closes over the caret keeps the selection it had.
    m_user.ClickAt(At(m_branch), MK_LBUTTON).ClickAt(At(m_leaves[1]), MK_LBUTTON, MOD_CONTROL);
    m_user.ClickAt(button, MK_LBUTTON);
    Act();
    EXPECT_EQ(Selected(), (std::vector<HTREEITEM>{m_branch}));
    EXPECT_NE(m_tree.GetFocusedItem(), m_leaves[1]);

    // Queries and bulk changes never see what a closed branch hides.
    EXPECT_EQ(m_tree.SetItemState(m_leaves[0], TVIS_SELECTED, TVIS_SELECTED), 1);
    EXPECT_TRUE(m_tree.IsSelected(m_leaves[0]));
    EXPECT_EQ(Selected(), (std::vector<HTREEITEM>{m_branch}));
    EXPECT_EQ(m_tree.GetSelectedCount(), 1u);
    m_tree.SelectAll(FALSE);
    EXPECT_TRUE(m_tree.IsSelected(m_leaves[0]));
    m_tree.Expand(m_branch, TVE_EXPAND);
    EXPECT_EQ(Selected(), (std::vector<HTREEITEM>{m_leaves[0]}));
}

TEST_F(MultiTree, SwitchedOffOnlyTheCaretStaysSelected) {
    m_user.ClickAt(At(m_items[0]), MK_LBUTTON).ClickAt(At(m_items[2]), MK_LBUTTON, MOD_SHIFT);
    Act();
    ASSERT_EQ(m_tree.GetSelectedCount(), 3u);
    EXPECT_EQ(m_tree.SetMultiSelect(FALSE), 1);
    EXPECT_EQ(Selected(), (std::vector<HTREEITEM>{m_items[2]}));
    EXPECT_EQ(m_tree.GetSelectedItem(), m_items[2]);

    // A plain tree: Shift+click just moves the one selection.
    m_user.ClickAt(At(m_items[0]), MK_LBUTTON, MOD_SHIFT);
    Act();
    EXPECT_EQ(Selected(), (std::vector<HTREEITEM>{m_items[0]}));
    EXPECT_EQ(m_tree.SetMultiSelect(TRUE), 0);
}

TEST_F(MultiTree, ABandSelectsWhatItMeets) {
    // Without modifiers: exactly the three items the band crosses.
    m_tree.SetItemState(m_items[3], TVIS_SELECTED, TVIS_SELECTED);
    m_user.Drag({At(m_items[0], 40), At(m_items[1], 30), At(m_items[2], 20)});
    Act();
    EXPECT_EQ(Selected(), (std::vector<HTREEITEM>{m_items[0], m_items[1], m_items[2]}));
    EXPECT_EQ(m_parent.heard.back(), "click*");

    // With Ctrl, what was selected inside the band is deselected and the rest kept.
    EXPECT_EQ(m_tree.SetItemState(m_items[3], TVIS_SELECTED, TVIS_SELECTED), 1);
    EXPECT_EQ(m_tree.SetItemState(m_items[0], 0, TVIS_SELECTED), 1);
    EXPECT_EQ(Selected(), (std::vector<HTREEITEM>{m_items[1], m_items[2], m_items[3]}));
    // (Pressed elsewhere than before, so that it is no double click.)
    m_user.Drag({At(m_items[0], 60), At(m_items[2], 20)}, MK_LBUTTON, MOD_CONTROL);
    Act();
    EXPECT_EQ(Selected(), (std::vector<HTREEITEM>{m_items[0], m_items[3]}));

    // Escape, while the button is still down, deselects everything and ends the band.
    m_user.MouseDown(At(m_items[0], 40)).MouseMove(At(m_items[2], 20));
    m_user.Then([&](HWND) {
        EXPECT_EQ(CWnd::GetCapture(), &m_tree);
        EXPECT_EQ(m_tree.GetSelectedCount(), 3u);
        return ModalAction::Acted;
    });
    m_user.Press(VK_ESCAPE).MouseUp(At(m_items[2], 20));
    Act();
    EXPECT_EQ(m_tree.GetSelectedCount(), 0u);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);

    // A user with nothing more to do lets the button go: the band ends where it was.
    m_user.MouseDown(At(m_items[0], 50)).MouseMove(At(m_items[1], 30));
    Act();
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_EQ(Selected(), (std::vector<HTREEITEM>{m_items[0], m_items[1]}));
}

TEST_F(MultiTree, ABandPastTheBottomScrollsALineEachTick) {
    CSteppedClock clock;
    for (int index = 0; index < 20; ++index)
        m_tree.InsertItem(("more " + std::to_string(index)).c_str());
    ASSERT_EQ(m_tree.GetFirstVisibleItem(), m_items[0]);
    CRect window;
    m_tree.GetWindowRect(&window);
    // Inside the tree the ticks of timer 1 reach the tree as they are.
    m_user.MouseDown(At(m_items[0], 40)).MouseMove(At(m_items[1], 20)).Rest(75);
    std::vector<int> lines;
    const auto noteLine = [&](HWND) {
        lines.push_back(m_tree.GetScrollPos(SB_VERT));
        return ModalAction::Acted;
    };
    // Below the tree the pointer rests: the move scrolls one line, then each tick of 75 ms
    // counts as a move there.
    const POINT below{At(m_items[1], 20).x, window.bottom + 10};
    m_user.MouseMove(below).Then(noteLine).Rest(74).Then(noteLine).Rest(1).Then(noteLine);
    m_user.Rest(75).Rest(75).Rest(75).Then(noteLine).MouseUp(below);
    Act();
    EXPECT_EQ(m_tree.timers, (std::vector<UINT_PTR>{1}));
    EXPECT_EQ(lines, (std::vector<int>{1, 1, 2, 5}));
    EXPECT_GT(m_tree.GetSelectedCount(), static_cast<UINT>(m_tree.GetVisibleCount()));
    // The press is kept where it lies in the scrolled tree: the band still starts there.
    EXPECT_TRUE(m_tree.IsSelected(m_items[0]));
    // Ended, the band's timer is gone.
    m_user.Rest(300);
    Act();
    EXPECT_EQ(m_tree.timers.size(), 1u);
}

namespace {

// The tree's pixels as they are on the screen now, without painting it again.
std::vector<COLORREF> PixelsAsShown(CWnd& window) {
    CRect client;
    window.GetClientRect(&client);
    CClientDC dc(&window);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x)
            pixels.push_back(dc.GetPixel(x, y));
    return pixels;
}

} // namespace

TEST_F(MultiTree, AnEndedBandLeavesNoTraceAndItsLastMessageGoesOn) {
    m_user.Drag({At(m_items[0], 40), At(m_items[1], 30), At(m_items[2], 10)});
    Act();
    ASSERT_EQ(m_tree.GetSelectedCount(), 3u);
    const std::vector<COLORREF> shown = PixelsAsShown(m_tree);
    m_tree.InvalidateRect(nullptr);
    m_tree.UpdateWindow();
    EXPECT_EQ(shown, PixelsAsShown(m_tree));

    // With the right button: NM_RCLICK, then the release goes on to the tree, which asks
    // its parent for a context menu.
    m_parent.heard.clear();
    m_user.Drag({At(m_items[0], 60), At(m_items[2], 30)}, MK_RBUTTON);
    Act();
    EXPECT_EQ(m_parent.heard.back(), "rclick*");
    EXPECT_EQ(m_parent.contextMenus, 1);
    EXPECT_EQ(m_tree.GetSelectedCount(), 3u);
}

TEST_F(MultiTree, CtrlClickInvertsWhenTheButtonComesUp) {
    CSteppedClock clock;
    const HTREEITEM a = m_items[0], b = m_items[1];
    m_user.ClickAt(At(a), MK_LBUTTON);
    m_user.MouseDown(At(b), MK_LBUTTON, MOD_CONTROL).Then([&](HWND) {
        EXPECT_FALSE(m_tree.IsSelected(b));
        EXPECT_EQ(m_tree.GetFocusedItem(), a);
        return ModalAction::Acted;
    });
    m_user.MouseUp(At(b), MK_LBUTTON, MOD_CONTROL);
    Act();
    EXPECT_EQ(Selected(), (std::vector<HTREEITEM>{a, b}));
    EXPECT_EQ(m_tree.GetFocusedItem(), b);
    m_user.Rest(GetDoubleClickTime() + 1).MouseDown(At(a), MK_LBUTTON, MOD_CONTROL);
    m_user.Then([&](HWND) {
        EXPECT_TRUE(m_tree.IsSelected(a));
        return ModalAction::Acted;
    });
    m_user.MouseUp(At(a), MK_LBUTTON, MOD_CONTROL);
    Act();
    EXPECT_EQ(Selected(), (std::vector<HTREEITEM>{b}));
    EXPECT_EQ(m_tree.GetFocusedItem(), a);

    // The control's own caret changes reach the parent as its own; the tree's as emulated.
    m_parent.heard.clear();
    m_user.ClickAt(At(m_items[2]), MK_LBUTTON);
    Act();
    const auto heard = [&](const char* name) {
        return std::count(m_parent.heard.begin(), m_parent.heard.end(), name);
    };
    EXPECT_EQ(heard("selchanging"), 1);
    EXPECT_GE(heard("selchanging*"), 1); // b deselected, c selected on release
    EXPECT_EQ(Selected(), (std::vector<HTREEITEM>{m_items[2]}));
    EXPECT_FALSE(m_tree.IsEmulatedNotify());
}

TEST_F(MultiTree, CheckBoxesAndDragsFollowTheTreesStyles) {
    m_tree.DestroyWindow();
    ASSERT_TRUE(m_tree.Create(WS_CHILD | WS_VISIBLE | TVS_CHECKBOXES | TVS_DISABLEDRAGDROP,
                              CRect(0, 0, 240, 120), &m_parent, 5));
    const HTREEITEM a = m_tree.InsertItem("A");
    const HTREEITEM b = m_tree.InsertItem("B");
    m_user.ClickAt(At(a), MK_LBUTTON);
    Act();
    // A click on B's check box ticks it and leaves the selection alone.
    CRect label;
    m_tree.GetItemRect(b, &label, TRUE);
    CPoint box(label.left - 8, label.CenterPoint().y);
    m_tree.ClientToScreen(&box);
    m_user.ClickAt(box, MK_LBUTTON);
    Act();
    EXPECT_TRUE(m_tree.GetCheck(b));
    EXPECT_EQ(Selected(), (std::vector<HTREEITEM>{a}));
    EXPECT_EQ(m_tree.GetFocusedItem(), a);

    // A drag on B selects it and makes it the caret, but no drag begins.
    m_parent.heard.clear();
    const POINT from = At(b);
    m_user.Drag({from, POINT{from.x + 12, from.y + 12}});
    Act();
    EXPECT_EQ(std::count(m_parent.heard.begin(), m_parent.heard.end(), "begindrag*"), 0);
    EXPECT_TRUE(m_tree.IsSelected(b));
    EXPECT_EQ(m_tree.GetFocusedItem(), b);
}

TEST_F(MultiTree, EmptySpaceClicksDragsAndKeys) {
    m_user.ClickAt(At(m_items[1]), MK_LBUTTON);
    // A click on empty space clears the selection and is a click.
    m_user.ClickAt(At(m_items[2], 20), MK_LBUTTON);
    Act();
    EXPECT_EQ(m_tree.GetSelectedCount(), 0u);
    EXPECT_EQ(m_parent.heard.back(), "click*");
    m_user.ClickAt(At(m_items[2], 30), MK_RBUTTON);
    Act();
    EXPECT_EQ(m_parent.heard.back(), "rclick*");

    // A press on an item that moves on is a drag of it.
    const POINT from = At(m_items[3]);
    m_user.Drag({from, POINT{from.x + 12, from.y + 12}});
    Act();
    EXPECT_EQ(m_parent.heard.back(), "begindrag*");
    EXPECT_EQ(Selected(), (std::vector<HTREEITEM>{m_items[3]}));

    // Shift with the arrows ranges; Ctrl moves the caret alone; plain arrows start afresh.
    m_user.ClickAt(At(m_items[1]), MK_LBUTTON);
    m_user.PressWith(MOD_SHIFT, VK_DOWN).PressWith(MOD_SHIFT, VK_DOWN);
    Act();
    EXPECT_EQ(Selected(), (std::vector<HTREEITEM>{m_items[1], m_items[2], m_items[3]}));
    EXPECT_EQ(m_tree.GetFocusedItem(), m_items[3]);
    m_user.PressWith(MOD_CONTROL, VK_DOWN);
    Act();
    EXPECT_EQ(m_tree.GetFocusedItem(), m_branch);
    EXPECT_EQ(Selected(), (std::vector<HTREEITEM>{m_items[1], m_items[2], m_items[3]}));
    m_user.Press(VK_UP);
    Act();
    EXPECT_EQ(Selected(), (std::vector<HTREEITEM>{m_items[3]}));
}

TEST_F(MultiTree, FocusRepaintsTheSelectedLabels) {
    m_tree.SetItemState(m_items[0], TVIS_SELECTED, TVIS_SELECTED);
    m_tree.SetItemState(m_items[3], TVIS_SELECTED, TVIS_SELECTED);
    m_tree.SetFocus();
    m_tree.UpdateWindow();
    m_parent.SetFocus();
    CRect update;
    ASSERT_TRUE(m_tree.GetUpdateRect(&update));
    CRect first, last;
    m_tree.GetItemRect(m_items[0], &first, TRUE);
    m_tree.GetItemRect(m_items[3], &last, TRUE);
    EXPECT_LE(update.top, first.top);
    EXPECT_GE(update.bottom, last.bottom);
}

namespace {

// A parent that writes down each selection notification in full: what it was, which item
// with which data, and whether the tree marked it as its own; it refuses one item, and
// when asked it may write another item and no data into the notice.
class SelectionLog : public CWnd {
public:
    KMultiTree* tree = nullptr;
    HTREEITEM refused = nullptr;
    HTREEITEM writtenOver = nullptr;
    std::vector<std::string> heard;

protected:
    // Nothing in the notice but its item: no action, no drag point, the other item empty.
    static bool Plain(const NMTREEVIEW& notice, const TVITEM& other) {
        return notice.action == TVC_UNKNOWN && notice.ptDrag.x == 0 && notice.ptDrag.y == 0 &&
               !other.mask && !other.hItem && !other.state && !other.stateMask && !other.pszText &&
               !other.lParam;
    }

    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        if (CWnd::OnNotify(wParam, lParam, result))
            return TRUE;
        const auto* notice = reinterpret_cast<const NMTREEVIEW*>(lParam);
        const bool changing = notice->hdr.code == TVN_SELCHANGING;
        if (!changing && notice->hdr.code != TVN_SELCHANGED)
            return FALSE;
        const bool selecting = notice->itemNew.hItem != nullptr;
        const TVITEM& item = selecting ? notice->itemNew : notice->itemOld;
        heard.push_back(std::string(changing ? "changing " : "changed ") + (selecting ? "+" : "-") +
                        std::to_string(item.lParam) + (tree->IsEmulatedNotify() ? "*" : "") +
                        " from " + std::to_string(wParam) +
                        (notice->hdr.hwndFrom == *tree ? "" : "?") +
                        (Plain(*notice, selecting ? notice->itemOld : notice->itemNew) ? "" : "!"));
        *result = changing && item.hItem == refused;
        if (changing && writtenOver) {
            TVITEM& written = const_cast<TVITEM&>(item);
            written.hItem = writtenOver;
            written.lParam = 0;
        }
        return TRUE;
    }
};

// Two trees alike: items 1 to 9 at the top, 4 holding 41 and 42 (open) and 6 holding 61
// (closed); the data of each item is its number.
class TwoTrees : public testing::Test {
protected:
    void SetUp() override {
        for (int side = 0; side < 2; ++side) {
            m_parents[side].tree = &m_trees[side];
            ASSERT_TRUE(m_parents[side].CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, 0, 0, 300,
                                                 300, nullptr, nullptr));
            ASSERT_TRUE(m_trees[side].Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 280, 280),
                                             &m_parents[side], 7));
            for (int number = 1; number <= 9; ++number) {
                const HTREEITEM item = Add(side, number, TVI_ROOT);
                if (number == 4 || number == 6) {
                    Add(side, number * 10 + 1, item);
                    if (number == 4)
                        Add(side, 42, item);
                    m_trees[side].Expand(item, number == 4 ? TVE_EXPAND : TVE_COLLAPSE);
                }
            }
        }
    }
    void TearDown() override {
        for (int side = 0; side < 2; ++side) {
            m_trees[side].DestroyWindow();
            m_parents[side].DestroyWindow();
        }
    }

    HTREEITEM Add(int side, int number, HTREEITEM parent) {
        const HTREEITEM item = m_trees[side].InsertItem(std::to_string(number).c_str(), parent);
        m_trees[side].SetItemData(item, static_cast<DWORD_PTR>(number));
        m_items[side][number] = item;
        return item;
    }

    // The numbers of the selected visible items, in visible order.
    std::vector<int> Selection(int side) {
        std::vector<int> numbers;
        for (HTREEITEM item = m_trees[side].GetFirstSelectedItem(); item;
             item = m_trees[side].GetNextSelectedItem(item))
            numbers.push_back(static_cast<int>(m_trees[side].GetItemData(item)));
        return numbers;
    }

    SelectionLog m_parents[2];
    KMultiTree m_trees[2];
    HTREEITEM m_items[2][100] = {};
};

} // namespace

TEST_F(TwoTrees, BulkChangesTellTheParentWhatOneByOneChangesWould) {
    // The one-by-one side changes each visible item itself, in visible order, only where
    // its state differs; the other side makes the same changes in bulk.
    const auto oneByOne = [&](const std::vector<int>& selected) {
        for (HTREEITEM item = m_trees[1].GetRootItem(); item;
             item = m_trees[1].GetNextVisibleItem(item)) {
            const int number = static_cast<int>(m_trees[1].GetItemData(item));
            const bool wanted =
                std::find(selected.begin(), selected.end(), number) != selected.end();
            if (m_trees[1].IsSelected(item) != wanted)
                m_trees[1].SetItemState(item, wanted ? TVIS_SELECTED : 0, TVIS_SELECTED);
        }
    };
    const auto compare = [&](const char* step) {
        SCOPED_TRACE(step);
        EXPECT_EQ(m_parents[0].heard, m_parents[1].heard);
        for (const std::string& notice : m_parents[0].heard)
            EXPECT_NE(notice.back(), '!') << notice;
        EXPECT_EQ(Selection(0), Selection(1));
        m_parents[0].heard.clear();
        m_parents[1].heard.clear();
    };

    m_trees[0].SelectAll(TRUE);
    oneByOne({1, 2, 3, 4, 41, 42, 5, 6, 7, 8, 9});
    ASSERT_EQ(m_parents[0].heard.size(), 22u);
    EXPECT_EQ(m_parents[0].heard.front(), "changing +1* from 7");
    EXPECT_EQ(m_parents[0].heard.back(), "changed +9* from 7");
    compare("all");

    // A range from below to above, the rest deselected; the closed branch's child is
    // never touched.
    m_trees[0].SelectRange(m_items[0][5], m_items[0][41], TRUE);
    oneByOne({41, 42, 5});
    compare("range, only");
    EXPECT_EQ(Selection(0), (std::vector<int>{41, 42, 5}));

    // A range of one item that keeps the rest; then a range whose far end is hidden.
    m_trees[0].SelectRange(m_items[0][8], m_items[0][8], FALSE);
    oneByOne({41, 42, 5, 8});
    compare("one item");
    m_trees[0].SelectRange(m_items[0][2], m_items[0][61], TRUE);
    oneByOne({2, 3, 4, 41, 42, 5, 6, 7, 8, 9});
    compare("to a hidden item");

    // The parent refuses one item: the walk goes on past it.
    m_parents[0].refused = m_items[0][7];
    m_parents[1].refused = m_items[1][7];
    m_trees[0].SelectAll(FALSE);
    oneByOne({});
    compare("refused");
    EXPECT_EQ(Selection(0), (std::vector<int>{7}));

    // The branch's children, selected and deselected with the open ones below.
    m_trees[0].SelectChildren(m_items[0][4], TRUE, TRUE);
    oneByOne({41, 42, 7});
    compare("children");
    m_trees[0].SelectChildren(TVI_ROOT, FALSE, FALSE);
    oneByOne({41, 42});
    compare("top level, refused");
    EXPECT_EQ(Selection(0), (std::vector<int>{41, 42, 7}));
}

TEST_F(TwoTrees, WhatTheParentWritesOnTheNoticeMovesNoChangeElsewhere) {
    // While asked, the parent points the notice at item 1 and clears its data: each change
    // still goes to the item described, in bulk as one by one, and the notice told
    // afterwards is the one the parent wrote on.
    const std::vector<int> range{3, 4, 41, 42, 5};
    for (int side = 0; side < 2; ++side)
        m_parents[side].writtenOver = m_items[side][1];
    m_trees[0].SelectRange(m_items[0][3], m_items[0][5], TRUE);
    for (const int number : range)
        m_trees[1].SetItemState(m_items[1][number], TVIS_SELECTED, TVIS_SELECTED);
    EXPECT_EQ(Selection(0), range);
    EXPECT_EQ(Selection(1), range);
    ASSERT_EQ(m_parents[0].heard.size(), 10u);
    EXPECT_EQ(m_parents[0].heard[0], "changing +3* from 7");
    EXPECT_EQ(m_parents[0].heard[1], "changed +0* from 7");
    EXPECT_EQ(m_parents[0].heard, m_parents[1].heard);

    m_trees[0].SelectAll(FALSE);
    for (const int number : range)
        m_trees[1].SetItemState(m_items[1][number], 0, TVIS_SELECTED);
    EXPECT_TRUE(Selection(0).empty());
    EXPECT_TRUE(Selection(1).empty());
    EXPECT_EQ(m_parents[0].heard, m_parents[1].heard);
    EXPECT_EQ(m_parents[0].heard.back(), "changed -0* from 7");
}

TEST_F(MultiTree, FocusRepaintsOnlyTheSelectedLabelsOnShow) {
    std::vector<HTREEITEM> more;
    for (int index = 0; index < 30; ++index)
        more.push_back(m_tree.InsertItem(("more " + std::to_string(index)).c_str()));
    m_tree.SelectSetFirstVisible(more[10]);
    ASSERT_EQ(m_tree.GetFirstVisibleItem(), more[10]);
    const int shown = static_cast<int>(m_tree.GetVisibleCount());
    // One above the rows on show, one on show, and the one cut by the bottom edge.
    for (const HTREEITEM item : {more[5], more[12], more[10 + shown]})
        m_tree.SetItemState(item, TVIS_SELECTED, TVIS_SELECTED);
    m_tree.SetFocus();
    m_tree.UpdateWindow();
    m_parent.SetFocus();
    CRect update;
    ASSERT_TRUE(m_tree.GetUpdateRect(&update));
    CRect onShow, cut, client;
    m_tree.GetItemRect(more[12], &onShow, TRUE);
    m_tree.GetItemRect(more[10 + shown], &cut, TRUE);
    m_tree.GetClientRect(&client);
    ASSERT_LT(cut.top, client.bottom);
    CRect both;
    both.UnionRect(&onShow, &cut);
    both.IntersectRect(&both, &client);
    EXPECT_EQ(update, both);
}
