// Lists: a header click that sorts 1,000,000 rows (by text, by number, by texts with their
// "_S" part first) beside std::sort of keys made from the same texts, parsed and folded in
// the timing as the list does; and painting a 1,000,000-row report view scrolled to its
// middle beside drawing the texts of its visible rows with TextOut alone.

#include "vornui/lists/KListCtrlEx.h"
#include "vornui/platform/CDC.h"
#include "vornui/platform/WindowDC.h"
#include "vornui/platform/WindowPaint.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kRows = 1000000;

// The texts of one column: a line name with its "_S" sequence, a depth, a remark.
struct Rows {
    std::vector<std::string> names;
    std::vector<std::string> depths;
};

const Rows& SurveyRows() {
    static const Rows rows = [] {
        Rows made;
        std::mt19937 random(5);
        char text[64];
        for (int row = 0; row < kRows; ++row) {
            std::snprintf(text, sizeof text, "Line%05u_S%u",
                          static_cast<unsigned>(random() % 90000),
                          static_cast<unsigned>(random() % 9));
            made.names.emplace_back(text);
            std::snprintf(text, sizeof text, "%.2f", (random() % 600000) / 100.0);
            made.depths.emplace_back(text);
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

// A host with a 1,000,000-row list, made once.
struct BigList {
    Host host;
    KListCtrlEx list;
    BigList() {
        const HWND hwnd = ::CreateWindowEx(0, WC_LISTVIEW, "", WS_CHILD | WS_VISIBLE | LVS_REPORT,
                                           0, 0, 620, 460, host.m_hWnd, nullptr, nullptr, nullptr);
        list.SubclassWindow(hwnd);
        list.InsertColumn(0, "Line", LVCFMT_LEFT, 200);
        list.InsertColumn(1, "Depth", LVCFMT_RIGHT, 100);
        const Rows& rows = SurveyRows();
        list.SetRedraw(FALSE);
        for (int row = 0; row < kRows; ++row) {
            list.InsertItem(LVIF_TEXT | LVIF_PARAM, row,
                            rows.names[static_cast<size_t>(row)].c_str(), 0, 0, 0, row);
            list.SetItemText(row, 1, rows.depths[static_cast<size_t>(row)].c_str());
        }
        list.SetRedraw(TRUE);
    }
};

BigList& TheList() {
    static BigList big;
    return big;
}

int CALLBACK InsertionOrder(LPARAM left, LPARAM right, LPARAM) {
    return left < right ? -1 : left > right ? 1 : 0;
}

void ListSort(benchmark::State& state, int column, bool numbers, bool split) {
    BigList& big = TheList();
    big.list.setSortNumbers(numbers);
    for (auto _ : state) {
        state.PauseTiming();
        // Every click sorts the rows as they were inserted, not the order the last click left.
        big.list.SortItems(InsertionOrder, 0);
        // Split sort turns over on every ascending sort: set it as this run wants.
        if (big.list.getSplitSort() != split)
            big.list.setSortAscending(true);
        state.ResumeTiming();
        big.list.SortList(column, 0); // descending leaves split sort as it is
    }
}

std::string Fold(const std::string& text) {
    std::string folded = text;
    for (char& each : folded)
        each = ToLower1252(each);
    return folded;
}

void PlainSort(benchmark::State& state, bool numbers, bool split) {
    const std::vector<std::string>& texts = numbers ? SurveyRows().depths : SurveyRows().names;
    for (auto _ : state) {
        if (numbers) {
            std::vector<double> keys;
            keys.reserve(texts.size());
            for (const std::string& text : texts)
                keys.push_back(std::strtod(text.c_str(), nullptr));
            std::sort(keys.begin(), keys.end(), std::greater<>());
            benchmark::DoNotOptimize(keys.data());
        } else {
            std::vector<std::string> keys;
            keys.reserve(texts.size());
            for (const std::string& text : texts) {
                const size_t at = split ? text.find("_S") : std::string::npos;
                keys.push_back(
                    Fold(at == std::string::npos ? text : text.substr(at) + text.substr(0, at)));
            }
            std::sort(keys.begin(), keys.end(), std::greater<>());
            benchmark::DoNotOptimize(keys.data());
        }
    }
}

void BM_ListSortText(benchmark::State& state) {
    ListSort(state, 0, false, false);
}
void BM_PlainSortText(benchmark::State& state) {
    PlainSort(state, false, false);
}
void BM_ListSortNumbers(benchmark::State& state) {
    ListSort(state, 1, true, false);
}
void BM_PlainSortNumbers(benchmark::State& state) {
    PlainSort(state, true, false);
}
void BM_ListSortSplit(benchmark::State& state) {
    ListSort(state, 0, false, true);
}
void BM_PlainSortSplit(benchmark::State& state) {
    PlainSort(state, false, true);
}

void BM_ListPaintMiddle(benchmark::State& state) {
    BigList& big = TheList();
    big.list.EnsureVisible(kRows / 2, FALSE);
    for (auto _ : state) {
        big.list.Invalidate();
        big.list.UpdateWindow();
    }
}

void BM_PlainTextOutMiddle(benchmark::State& state) {
    BigList& big = TheList();
    const int top = big.list.GetTopIndex();
    const int count = big.list.GetCountPerPage() + 1;
    const Rows& rows = SurveyRows();
    CClientDC dc(&big.list);
    for (auto _ : state) {
        for (int row = 0; row < count && top + row < kRows; ++row) {
            const std::string& name = rows.names[static_cast<size_t>(top + row)];
            const std::string& depth = rows.depths[static_cast<size_t>(top + row)];
            dc.TextOut(2, 20 + row * 16, name.c_str(), static_cast<int>(name.size()));
            dc.TextOut(206, 20 + row * 16, depth.c_str(), static_cast<int>(depth.size()));
        }
    }
}

} // namespace

BENCHMARK(BM_ListSortText)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PlainSortText)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ListSortNumbers)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PlainSortNumbers)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ListSortSplit)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PlainSortSplit)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ListPaintMiddle)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainTextOutMiddle)->Unit(benchmark::kMicrosecond);
