// The tree list: '*' on a branch of 100,000 items that lies above 100,000 other rows, and
// keypad minus that closes it again, beside inserting the same 100,000 rows (three texts,
// image, indentation, state image, item data) into an empty plain list view with redrawing
// off.

#include "vornui/lists/KTreeListCtrl.h"
#include "vornui/platform/InputCodes.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kLines = 1000;
constexpr int kFixesPerLine = 99; // with the lines, 100,000 items in the branch
constexpr int kRowsBelow = 100000;

struct Row {
    int level;
    std::string name;
    std::string depth;
    std::string note;
};

// The branch's items in pre-order: lines, each with its fixes.
const std::vector<Row>& BranchRows() {
    static const std::vector<Row> rows = [] {
        std::vector<Row> made;
        char text[32];
        for (int line = 0; line < kLines; ++line) {
            std::snprintf(text, sizeof text, "Line %04d", line);
            made.push_back(Row{1, text, "", "planned"});
            for (int fix = 0; fix < kFixesPerLine; ++fix) {
                std::snprintf(text, sizeof text, "Fix %d", fix);
                std::string name = text;
                std::snprintf(text, sizeof text, "%d.%02d", 20 + fix % 50, fix);
                made.push_back(Row{2, name, text, "ok"});
            }
        }
        return made;
    }();
    return rows;
}

class Host : public CWnd {
public:
    Host() { CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, 0, 0, 640, 480, nullptr, nullptr); }
    ~Host() override { DestroyWindow(); }
};

void AddColumns(CListCtrl& list) {
    list.InsertColumn(0, "Name", LVCFMT_LEFT, 200);
    list.InsertColumn(1, "Depth", LVCFMT_RIGHT, 100);
    list.InsertColumn(2, "Note", LVCFMT_LEFT, 200);
}

void BM_TreeListStarAndCollapse(benchmark::State& state) {
    Host host;
    KTreeListCtrl tree;
    tree.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL, CRect(0, 0, 620, 460), &host,
                1);
    AddColumns(tree);
    tree.SetRedraw(FALSE);
    tree.AddItem("Block North", 0, 0, true);
    for (const Row& row : BranchRows()) {
        const int item = tree.AddItem(row.name.c_str(), 1, row.level, row.level == 1);
        tree.SetItemText(item, 1, row.depth.c_str());
        tree.SetItemText(item, 2, row.note.c_str());
    }
    for (int below = 0; below < kRowsBelow; ++below)
        tree.AddItem("Other block", 0, 0, false);
    tree.SetRedraw(TRUE);
    tree.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    // Once untimed, as the baseline does, so that the list's room has grown before the run.
    tree.SendMessage(WM_CHAR, '*');
    tree.SendMessage(WM_KEYDOWN, VK_SUBTRACT);
    for (auto _ : state) {
        tree.SendMessage(WM_CHAR, '*');
        tree.SendMessage(WM_KEYDOWN, VK_SUBTRACT);
    }
    if (tree.GetItemCount() != 1 + kRowsBelow)
        state.SkipWithError("the branch did not close");
}

void BM_PlainListInsert(benchmark::State& state) {
    Host host;
    CListCtrl list;
    list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL, CRect(0, 0, 620, 460), &host,
                1);
    AddColumns(list);
    const std::vector<Row>& rows = BranchRows();
    const auto fill = [&] {
        list.SetRedraw(FALSE);
        for (size_t index = 0; index < rows.size(); ++index) {
            const Row& row = rows[index];
            LVITEM item{LVIF_TEXT | LVIF_IMAGE | LVIF_INDENT | LVIF_PARAM | LVIF_STATE,
                        static_cast<int>(index),
                        0,
                        INDEXTOSTATEIMAGEMASK(row.level == 1 ? 2u : 0u),
                        LVIS_STATEIMAGEMASK,
                        const_cast<LPSTR>(row.name.c_str()),
                        0,
                        1,
                        static_cast<LPARAM>(index),
                        row.level};
            const int inserted = list.InsertItem(&item);
            if (!row.depth.empty())
                list.SetItemText(inserted, 1, row.depth.c_str());
            list.SetItemText(inserted, 2, row.note.c_str());
        }
        list.SetRedraw(TRUE);
    };
    // Once untimed, as the tree list's run does, so that the list's room has grown.
    fill();
    list.DeleteAllItems();
    for (auto _ : state) {
        fill();
        state.PauseTiming();
        list.DeleteAllItems();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_TreeListStarAndCollapse)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_PlainListInsert)->Unit(benchmark::kMillisecond)->Iterations(5);
