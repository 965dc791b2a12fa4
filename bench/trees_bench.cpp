// Trees: opening a lazy branch of 100,000 children (placeholder, frozen picture, worker
// thread and all) beside the same insertions into an open folder of a plain tree with
// redraw off; and a Shift+click across 100,000 visible items of a multi-select tree, each
// change asked of and told to the parent, beside the same state changes through
// TVM_SETITEM, and beside the bare messages each selected item needs. Each baseline ends, or
// starts, with its tree as the library's is.

#include "vornui/lists/KMultiTree.h"
#include "vornui/lists/KWaitingTreeCtrl.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPosition.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr int kChildren = 100000;

const std::vector<std::string>& Labels() {
    static const std::vector<std::string> labels = [] {
        std::vector<std::string> made;
        for (int index = 0; index < kChildren; ++index)
            made.push_back("sounding " + std::to_string(index));
        return made;
    }();
    return labels;
}

// A framework window, so that the trees hear their own notifications back.
class Parent : public CWnd {
public:
    Parent() { CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 400, nullptr, nullptr); }
    ~Parent() override { DestroyWindow(); }
};

void InsertChildren(CTreeCtrl& tree, HTREEITEM parent) {
    for (const std::string& label : Labels())
        tree.InsertItem(label.c_str(), parent);
}

class LazyBranch : public KWaitingTreeCtrl {
protected:
    int PopulateItem(HTREEITEM item) override {
        InsertChildren(*this, item);
        return 1;
    }
};

HTREEITEM AddFolder(CTreeCtrl& tree) {
    tree.DeleteAllItems();
    const HTREEITEM folder = tree.InsertItem("line 0001");
    TVITEM indicator{};
    indicator.mask = TVIF_CHILDREN;
    indicator.hItem = folder;
    indicator.cChildren = 1;
    tree.SetItem(&indicator);
    return folder;
}

void BM_LazyTreeOpensBranch(benchmark::State& state) {
    Parent parent;
    LazyBranch tree;
    tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS, CRect(0, 0, 300, 300), &parent, 1);
    for (auto _ : state) {
        state.PauseTiming();
        const HTREEITEM folder = AddFolder(tree);
        state.ResumeTiming();
        tree.Expand(folder, TVE_EXPAND);
    }
    tree.DestroyWindow();
}
BENCHMARK(BM_LazyTreeOpensBranch)->Unit(benchmark::kMillisecond);

void BM_PlainTreeInsertsRedrawOff(benchmark::State& state) {
    Parent parent;
    CTreeCtrl tree;
    tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS, CRect(0, 0, 300, 300), &parent, 1);
    for (auto _ : state) {
        state.PauseTiming();
        const HTREEITEM folder = AddFolder(tree);
        state.ResumeTiming();
        // The same end as the lazy branch's: the folder open on its children.
        tree.Expand(folder, TVE_EXPAND);
        tree.SetRedraw(FALSE);
        InsertChildren(tree, folder);
        tree.SetRedraw(TRUE);
    }
    tree.DestroyWindow();
}
BENCHMARK(BM_PlainTreeInsertsRedrawOff)->Unit(benchmark::kMillisecond);

// A click of the left button with Shift held on the item, as the tree receives it.
void ShiftClick(CTreeCtrl& tree, HTREEITEM item) {
    tree.EnsureVisible(item);
    CRect label;
    tree.GetItemRect(item, &label, TRUE);
    const CPoint at = label.CenterPoint();
    tree.PostMessage(WM_LBUTTONUP, MK_SHIFT, MAKELPARAM(at.x, at.y));
    tree.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(at.x, at.y));
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessage(&msg);
}

void BM_MultiTreeShiftClick(benchmark::State& state) {
    Parent parent;
    KMultiTree tree;
    tree.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 300), &parent, 1);
    InsertChildren(tree, TVI_ROOT);
    const HTREEITEM first = tree.GetRootItem();
    const HTREEITEM last = tree.GetLastVisibleItem();
    for (auto _ : state) {
        state.PauseTiming();
        tree.SelectAll(FALSE);
        tree.FocusItem(first);
        state.ResumeTiming();
        ShiftClick(tree, last);
    }
    state.counters["selected"] = tree.GetSelectedCount();
    tree.DestroyWindow();
}
BENCHMARK(BM_MultiTreeShiftClick)->Unit(benchmark::kMillisecond);

void BM_PlainTreeSetItemState(benchmark::State& state) {
    Parent parent;
    CTreeCtrl tree;
    tree.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 300), &parent, 1);
    InsertChildren(tree, TVI_ROOT);
    std::vector<HTREEITEM> items;
    for (HTREEITEM item = tree.GetRootItem(); item; item = tree.GetNextVisibleItem(item))
        items.push_back(item);
    // The same tree as the multi-select tree's when it is clicked: laid out, at its end.
    tree.EnsureVisible(items.back());
    for (auto _ : state) {
        state.PauseTiming();
        for (HTREEITEM item : items)
            tree.SetItemState(item, 0, TVIS_SELECTED);
        state.ResumeTiming();
        for (HTREEITEM item : items) {
            TVITEM fields{TVIF_STATE | TVIF_HANDLE,
                          item,
                          TVIS_SELECTED,
                          TVIS_SELECTED,
                          nullptr,
                          0,
                          0,
                          0,
                          0,
                          0};
            tree.SendMessage(TVM_SETITEM, 0, reinterpret_cast<LPARAM>(&fields));
        }
    }
    tree.DestroyWindow();
}
BENCHMARK(BM_PlainTreeSetItemState)->Unit(benchmark::kMillisecond);

// The least a Shift+click must do for each item it selects, with none of the multi-select
// tree's own work: step to the next visible item and read it (the notices describe it by
// handle and data), ask the parent, change the state, tell the parent. Beside the plain
// state changes it shows how much of the Shift+click's cost these five messages take.
class AskingTree : public CTreeCtrl {
public:
    LRESULT Ask(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProc(message, wParam, lParam);
    }
};

void BM_MessagesAShiftClickNeeds(benchmark::State& state) {
    Parent parent;
    AskingTree tree;
    tree.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 300), &parent, 1);
    InsertChildren(tree, TVI_ROOT);
    tree.EnsureVisible(tree.GetLastVisibleItem());
    for (auto _ : state) {
        state.PauseTiming();
        for (HTREEITEM item = tree.GetRootItem(); item; item = tree.GetNextVisibleItem(item))
            tree.SetItemState(item, 0, TVIS_SELECTED);
        state.ResumeTiming();
        for (HTREEITEM item = tree.GetRootItem(); item;
             item = reinterpret_cast<HTREEITEM>(
                 tree.Ask(TVM_GETNEXTITEM, TVGN_NEXTVISIBLE, reinterpret_cast<LPARAM>(item)))) {
            NMTREEVIEW notice{};
            notice.hdr = {tree.m_hWnd, 1, static_cast<UINT>(TVN_SELCHANGING)};
            notice.itemNew.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM;
            notice.itemNew.hItem = item;
            notice.itemNew.stateMask = ~0u;
            tree.Ask(TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&notice.itemNew));
            parent.SendMessage(WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&notice));
            TVITEM change{};
            change.mask = TVIF_STATE | TVIF_HANDLE;
            change.hItem = item;
            change.state = change.stateMask = TVIS_SELECTED;
            tree.Ask(TVM_SETITEM, 0, reinterpret_cast<LPARAM>(&change));
            notice.hdr.code = static_cast<UINT>(TVN_SELCHANGED);
            parent.SendMessage(WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&notice));
        }
    }
    tree.DestroyWindow();
}
BENCHMARK(BM_MessagesAShiftClickNeeds)->Unit(benchmark::kMillisecond);

} // namespace
