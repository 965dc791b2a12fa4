// Messages: what a message costs on its way to the code that handles it, beside a direct
// call of the same code. An application's message to a framework window's WindowProc; a
// control's WM_NOTIFY taken by an ON_NOTIFY entry of its parent (a window, a dialog), or
// reflected to the control's own class; a control's own message to a control the framework
// subclassed, beside the same message to a control nobody subclassed. Each pair does the
// same work on the same state, so the difference is the dispatch.

#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/Dialog.h"
#include "vornui/platform/ListCtrl.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/TreeCtrl.h"
#include "vornui/platform/Window.h"

#include <benchmark/benchmark.h>

#include <iterator>

namespace {

constexpr UINT WM_APP_SOUNDING = WM_APP + 1;
constexpr int kControlId = 7;

// The work every handler does: enough that the call is not thrown away.
class Tally {
public:
    virtual ~Tally() = default;
    virtual LRESULT Count(WPARAM amount) {
        m_total += amount;
        return m_total;
    }

private:
    LRESULT m_total = 0;
};

// A framework window that takes an application's message in its WindowProc.
class Receiver : public CWnd {
public:
    Receiver() { CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr); }
    ~Receiver() override { DestroyWindow(); }

    Tally m_tally;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_APP_SOUNDING)
            return m_tally.Count(wParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

void BM_AppMessageToWindowProc(benchmark::State& state) {
    Receiver receiver;
    for (auto _ : state)
        benchmark::DoNotOptimize(receiver.SendMessage(WM_APP_SOUNDING, 1, 0));
}
BENCHMARK(BM_AppMessageToWindowProc);

void BM_AppMessageDirectCall(benchmark::State& state) {
    Tally tally;
    Tally* target = &tally;
    for (auto _ : state) {
        benchmark::DoNotOptimize(target); // no devirtualising: a call, as the handler's is
        benchmark::DoNotOptimize(target->Count(1));
    }
}
BENCHMARK(BM_AppMessageDirectCall);

// A control that hears its own clicks back from its parent, as the library's lists do.
class ReflectingChild : public CWnd {
public:
    explicit ReflectingChild(CWnd& parent) {
        Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &parent, kControlId);
    }
    ~ReflectingChild() override { DestroyWindow(); }

    Tally m_tally;
    bool m_reflect = false;

protected:
    BOOL OnReflectedNotify(NMHDR* header, LRESULT* result) override {
        if (!m_reflect || header->code != NM_CLICK)
            return FALSE;
        *result = m_tally.Count(1);
        return TRUE;
    }
};

// A parent window with a map entry for its child's clicks.
class NotifiedWindow : public CWnd {
public:
    NotifiedWindow() { CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr); }
    ~NotifiedWindow() override { DestroyWindow(); }

    Tally m_tally;

protected:
    void OnChildClick(NMHDR*, LRESULT* result) { *result = m_tally.Count(1); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(NotifiedWindow, CWnd)
ON_NOTIFY(NM_CLICK, kControlId, &NotifiedWindow::OnChildClick)
END_MESSAGE_MAP()

constexpr DialogItemTemplate kPanelItems[] = {
    {"Button", "OK", IDOK, WS_VISIBLE | BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 90, 80, 50, 14},
    {"Button", "Cancel", IDCANCEL, WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, 0, 145, 80, 50, 14},
};
constexpr DialogTemplate kPanel{DS_SETFONT | WS_POPUP | WS_CAPTION,
                                0,
                                0,
                                0,
                                200,
                                100,
                                "Panel",
                                "MS Shell Dlg",
                                8,
                                kPanelItems,
                                static_cast<WORD>(std::size(kPanelItems))};

// A modeless dialog with the same map entry.
class NotifiedDialog : public CDialog {
public:
    NotifiedDialog() { CreateIndirect(&kPanel); }
    ~NotifiedDialog() override { DestroyWindow(); }

    Tally m_tally;

protected:
    void OnChildClick(NMHDR*, LRESULT* result) { *result = m_tally.Count(1); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(NotifiedDialog, CDialog)
ON_NOTIFY(NM_CLICK, kControlId, &NotifiedDialog::OnChildClick)
END_MESSAGE_MAP()

LRESULT NotifyClick(CWnd& parent, const CWnd& child) {
    NMHDR header{child.m_hWnd, kControlId, static_cast<UINT>(NM_CLICK)};
    return parent.SendMessage(WM_NOTIFY, kControlId, reinterpret_cast<LPARAM>(&header));
}

void BM_NotifyToWindowMap(benchmark::State& state) {
    NotifiedWindow parent;
    ReflectingChild child(parent);
    for (auto _ : state)
        benchmark::DoNotOptimize(NotifyClick(parent, child));
    state.counters["handled"] = static_cast<double>(parent.m_tally.Count(0));
}
BENCHMARK(BM_NotifyToWindowMap);

void BM_NotifyToDialogMap(benchmark::State& state) {
    NotifiedDialog parent;
    ReflectingChild child(parent);
    for (auto _ : state)
        benchmark::DoNotOptimize(NotifyClick(parent, child));
    state.counters["handled"] = static_cast<double>(parent.m_tally.Count(0));
}
BENCHMARK(BM_NotifyToDialogMap);

void BM_NotifyReflectedToChild(benchmark::State& state) {
    NotifiedWindow parent;
    ReflectingChild child(parent);
    child.m_reflect = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(NotifyClick(parent, child));
    state.counters["handled"] = static_cast<double>(child.m_tally.Count(0));
}
BENCHMARK(BM_NotifyReflectedToChild);

void BM_NotifyDirectCall(benchmark::State& state) {
    Tally tally;
    Tally* target = &tally;
    for (auto _ : state) {
        NMHDR header{nullptr, kControlId, static_cast<UINT>(NM_CLICK)};
        benchmark::DoNotOptimize(&header);
        benchmark::DoNotOptimize(target);
        benchmark::DoNotOptimize(header.code == static_cast<UINT>(NM_CLICK) ? target->Count(1) : 0);
    }
}
BENCHMARK(BM_NotifyDirectCall);

// A parent for the controls, which send it their notifications.
class Host : public CWnd {
public:
    Host() { CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 400, 400, nullptr, nullptr); }
    ~Host() override { DestroyWindow(); }
};

constexpr int kItems = 64;

// Selects and deselects each item of a tree in turn through TVM_SETITEM.
void ToggleTreeItems(benchmark::State& state, HWND tree) {
    HTREEITEM items[kItems];
    for (HTREEITEM& item : items) {
        TVINSERTSTRUCT insert{};
        insert.hParent = TVI_ROOT;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT;
        insert.item.pszText = const_cast<LPTSTR>("sounding");
        item = reinterpret_cast<HTREEITEM>(
            ::SendMessage(tree, TVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&insert)));
    }
    UINT selected = TVIS_SELECTED;
    for (auto _ : state) {
        for (HTREEITEM item : items) {
            TVITEM fields{};
            fields.mask = TVIF_STATE | TVIF_HANDLE;
            fields.hItem = item;
            fields.state = selected;
            fields.stateMask = TVIS_SELECTED;
            benchmark::DoNotOptimize(
                ::SendMessage(tree, TVM_SETITEM, 0, reinterpret_cast<LPARAM>(&fields)));
        }
        selected ^= TVIS_SELECTED;
    }
    state.SetItemsProcessed(state.iterations() * kItems);
}

void BM_SetItemSubclassedTree(benchmark::State& state) {
    Host host;
    CTreeCtrl tree;
    tree.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 300), &host, kControlId);
    ToggleTreeItems(state, tree.m_hWnd);
}
BENCHMARK(BM_SetItemSubclassedTree);

void BM_SetItemPlainTree(benchmark::State& state) {
    Host host;
    const HWND tree =
        ::CreateWindowEx(0, WC_TREEVIEW, "", WS_CHILD | WS_VISIBLE, 0, 0, 300, 300, host.m_hWnd,
                         reinterpret_cast<HMENU>(kControlId), nullptr, nullptr);
    ToggleTreeItems(state, tree);
    ::DestroyWindow(tree);
}
BENCHMARK(BM_SetItemPlainTree);

// Selects and deselects each row of a report list in turn through LVM_SETITEMSTATE.
void ToggleListRows(benchmark::State& state, HWND list) {
    for (int row = 0; row < kItems; ++row) {
        LVITEM item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<LPTSTR>("sounding");
        ::SendMessage(list, LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&item));
    }
    UINT selected = LVIS_SELECTED;
    for (auto _ : state) {
        for (int row = 0; row < kItems; ++row) {
            LVITEM fields{};
            fields.state = selected;
            fields.stateMask = LVIS_SELECTED;
            benchmark::DoNotOptimize(
                ::SendMessage(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&fields)));
        }
        selected ^= LVIS_SELECTED;
    }
    state.SetItemsProcessed(state.iterations() * kItems);
}

void BM_SetItemStateSubclassedList(benchmark::State& state) {
    Host host;
    CListCtrl list;
    list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 300), &host, kControlId);
    list.InsertColumn(0, "Line", LVCFMT_LEFT, 100);
    ToggleListRows(state, list.m_hWnd);
}
BENCHMARK(BM_SetItemStateSubclassedList);

void BM_SetItemStatePlainList(benchmark::State& state) {
    Host host;
    const HWND list =
        ::CreateWindowEx(0, WC_LISTVIEW, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 300, 300,
                         host.m_hWnd, reinterpret_cast<HMENU>(kControlId), nullptr, nullptr);
    LVCOLUMN column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 100;
    column.pszText = const_cast<LPTSTR>("Line");
    ::SendMessage(list, LVM_INSERTCOLUMN, 0, reinterpret_cast<LPARAM>(&column));
    ToggleListRows(state, list);
    ::DestroyWindow(list);
}
BENCHMARK(BM_SetItemStatePlainList);

} // namespace
