#include "tests/ListTestHost.h"
#include "tests/ScopedNumericLocale.h"

#include "vornui/lists/KListCtrlEx.h"
#include "vornui/lists/KListViewEx.h"
#include "vornui/lists/ListSortKeys.h"
#include "vornui/platform/CDC.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/WindowDC.h"
#include "vornui/platform/WindowPaint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <numeric>
#include <optional>
#include <random>
#include <string>

namespace {

// A list that lets the tests reach the shortening rule, as a class of the host would.
class ShorteningList : public KListCtrlEx {
public:
    using KListBase::MakeShortString;
};

std::vector<CString> Column(CListCtrl& list, int column) {
    std::vector<CString> texts;
    for (int row = 0; row < list.GetItemCount(); ++row)
        texts.push_back(list.GetItemText(row, column));
    return texts;
}

HDITEM Title(CListCtrl& list, int column) {
    HDITEM item{};
    item.mask = HDI_FORMAT | HDI_IMAGE;
    list.GetHeaderCtrl()->GetItem(column, &item);
    return item;
}

void Fill(KListCtrlEx& list, const std::vector<std::vector<const char*>>& rows) {
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) { // AddItem inserts at the top
        CStringList strings;
        for (const char* text : *row)
            strings.AddTail(text);
        list.AddItem(strings);
    }
}

COLORREF PixelAt(CWnd& wnd, int x, int y) {
    wnd.UpdateWindow();
    CClientDC dc(&wnd);
    return dc.GetPixel(x, y);
}

// The comparison as first written: the texts read once per call, numbers through sscanf,
// "_S" moved by building the rotated strings.
int ReferenceCompare(const char* a, const char* b, bool numbers, bool split) {
    if (numbers) {
        double x = 0;
        double y = 0;
        if (std::sscanf(a, "%lf", &x) != 1)
            x = 0;
        if (std::sscanf(b, "%lf", &y) != 1)
            y = 0;
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    std::string first = a;
    std::string second = b;
    if (split && first.find("_S") != std::string::npos && second.find("_S") != std::string::npos) {
        const size_t i = first.find("_S");
        const size_t j = second.find("_S");
        first = first.substr(i) + first.substr(0, i);
        second = second.substr(j) + second.substr(0, j);
    }
    const int result = CString(first.c_str()).CompareNoCase(second.c_str());
    return (result > 0) - (result < 0);
}

} // namespace

TEST(KListBase, HeaderClicksSortShowTheArrowAndCycleTheSplitSort) {
    ListTestHost host;
    KListCtrlEx list;
    host.Adopt(list, 0);
    char name[] = "Name";
    char depth[] = "Depth";
    char* headings[] = {name, depth};
    int widths[] = {120, 90};
    int formats[] = {LVCFMT_LEFT, LVCFMT_RIGHT};
    list.CreateColumns(headings, widths, formats, 2);
    Fill(list, {{"b", "10"}, {"a", "9"}, {"C", "100"}, {"A", "9.5"}});
    list.EnableSortIcon(true, 0);
    EXPECT_EQ(Title(list, 0).fmt, HDF_LEFT | HDF_STRING | HDF_IMAGE | HDF_BITMAP_ON_RIGHT);

    CScriptedUser user;
    user.ClickAt(ListTestHost::OnTitle(list, 1));
    ASSERT_TRUE(user.ActIn(host));
    EXPECT_EQ(Column(list, 1), (std::vector<CString>{"10", "100", "9", "9.5"}));
    EXPECT_TRUE(list.getSortAscending());
    EXPECT_TRUE(list.getSplitSort()); // another column: ascending, split inverted
    EXPECT_EQ(Title(list, 1).fmt, HDF_RIGHT | HDF_STRING | HDF_IMAGE | HDF_BITMAP_ON_RIGHT);
    const int up = Title(list, 1).iImage;
    EXPECT_EQ(Title(list, 0).fmt, HDF_LEFT | HDF_STRING);

    user.ClickAt(ListTestHost::OnTitle(list, 1));
    ASSERT_TRUE(user.ActIn(host));
    EXPECT_EQ(Column(list, 1), (std::vector<CString>{"9.5", "9", "100", "10"}));
    EXPECT_FALSE(list.getSortAscending());
    EXPECT_NE(Title(list, 1).iImage, up);
    EXPECT_TRUE(list.getSplitSort());

    list.setSortNumbers(true);
    user.ClickAt(ListTestHost::OnTitle(list, 1));
    ASSERT_TRUE(user.ActIn(host));
    EXPECT_EQ(Column(list, 1), (std::vector<CString>{"9", "9.5", "10", "100"}));
    EXPECT_FALSE(list.getSplitSort()); // ascending again: inverted back
    EXPECT_EQ(Title(list, 1).iImage, up);

    // Text sort ignores case and keeps equal rows in their order.
    user.ClickAt(ListTestHost::OnTitle(list, 0));
    ASSERT_TRUE(user.ActIn(host));
    EXPECT_EQ(Column(list, 0), (std::vector<CString>{"a", "A", "b", "C"}));
    int clicks = 0;
    for (const UINT code : host.heard)
        clicks += code == LVN_COLUMNCLICK;
    EXPECT_EQ(clicks, 4); // the parent heard every click as well
}

TEST(KListBase, SortsAsTheRulesSay) {
    ListTestHost host;
    KListCtrlEx list;
    host.Adopt(list, 0);
    list.InsertColumn(0, "Line", LVCFMT_LEFT, 100);
    Fill(list, {{"c"}, {"a"}, {"b"}});
    // Data all 0: numbered 0, 1, 2 first, then sorted; the next sort works on them.
    list.SortList(0, 1);
    EXPECT_EQ(Column(list, 0), (std::vector<CString>{"a", "b", "c"}));
    EXPECT_EQ(list.GetItemData(0), 1u);
    EXPECT_EQ(list.GetItemData(2), 0u);
    list.SortList(0, 0);
    EXPECT_EQ(Column(list, 0), (std::vector<CString>{"c", "b", "a"}));

    // Repeated data: nothing moves, only the arrow.
    list.SetItemData(0, 5);
    list.SetItemData(1, 5);
    list.SetItemData(2, 7);
    list.SortList(0, 1);
    EXPECT_EQ(Column(list, 0), (std::vector<CString>{"c", "b", "a"}));

    list.DeleteAllItems();
    Fill(list, {{"10"}, {"9"}, {"100"}});
    list.setSortNumbers(true);
    list.SortList(0, 1);
    EXPECT_EQ(Column(list, 0), (std::vector<CString>{"9", "10", "100"}));
    list.setSortNumbers(false);
    list.SortList(0, 1);
    EXPECT_EQ(Column(list, 0), (std::vector<CString>{"10", "100", "9"}));

    list.DeleteAllItems();
    Fill(list, {{"A_S2"}, {"B_S1"}, {"A"}});
    list.SortList(0, 1); // split on now
    ASSERT_TRUE(list.getSplitSort());
    EXPECT_EQ(Column(list, 0), (std::vector<CString>{"A", "B_S1", "A_S2"}));
    // The list's own comparison handed to a sort of the host's reads the cells as they are.
    list.SetItemText(0, 0, "Z");
    list.SortItems(KListBase::CompareFunc,
                   reinterpret_cast<DWORD_PTR>(static_cast<KListBase*>(&list)));
    EXPECT_EQ(Column(list, 0), (std::vector<CString>{"B_S1", "A_S2", "Z"}));

    list.DeleteAllItems();
    list.SortList(0, 1); // an empty list only changes the arrow
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_FALSE(list.KeepLabelLeft(true)); // not owner-drawn
    EXPECT_TRUE(list.KeepLabelLeft(false));
    EXPECT_EQ(list.IndexToOrder(5), -1);
    EXPECT_TRUE(list.IsColumn(0));
    EXPECT_FALSE(list.IsColumn(1));
    CStringList none;
    EXPECT_LT(list.AddItem(none), 0);
}

TEST(KListBase, TheFastComparisonAnswersAsTheFirstOneOnRandomLists) {
    const char* pool[] = {"10",  "9",         "0x1A",  "inf", "nan", "-3.5",  "abc",
                          "ABC", "B_S1",      "A_S2",  "x_S", "_S",  "",      " 7",
                          "1e3", "Line12_S3", "line1", "é",   "É",   "12abc", "Ab_s1"};
    std::mt19937 random(11);
    for (int round = 0; round < 200; ++round) {
        const char* a = pool[random() % std::size(pool)];
        const char* b = pool[random() % std::size(pool)];
        for (const bool numbers : {false, true})
            for (const bool split : {false, true})
                ASSERT_EQ(CompareSortKeys(MakeSortKey(a), MakeSortKey(b), numbers, split),
                          ReferenceCompare(a, b, numbers, split))
                    << a << " / " << b << " numbers " << numbers << " split " << split;
    }
    // Repeated data find the first row that has them, as a search from the start does.
    const ListSortKeys dense({3, 1, 3, 2}, {"x", "y", "z", "w"});
    EXPECT_EQ(dense.RowOf(3), 0);
    EXPECT_EQ(dense.RowOf(9), -1);
    const ListSortKeys sparse({1000000007, -5, 1000000007}, {"p", "q", "r"});
    EXPECT_EQ(sparse.RowOf(1000000007), 0);
    EXPECT_EQ(sparse.RowOf(-5), 1);
    EXPECT_EQ(sparse.RowOf(0), -1);
}

TEST(KListBase, NumbersReadAsPercentLfReadsThem) {
    // Short decimals take a shorter way than the other forms: both must read what sscanf
    // reads, to the last bit, and 0 where it reads nothing.
    std::vector<std::string> texts = {"0",
                                      "-0",
                                      "1.5",
                                      "-.5",
                                      ".5",
                                      "5.",
                                      "1e5",
                                      "1e",
                                      "1e+",
                                      "-1e-3x",
                                      "12abc",
                                      "0x1A",
                                      "-0X1a",
                                      "0x",
                                      " 7",
                                      "+7",
                                      "inf",
                                      "-inf",
                                      "Infinity",
                                      "1e400",
                                      "-1e400",
                                      "1e-400",
                                      "4.9e-324",
                                      ".",
                                      "-",
                                      "-.",
                                      "",
                                      "abc",
                                      "0.1000000000000000055511151231257827",
                                      "1,5",
                                      "00012",
                                      "9007199254740993",
                                      "9007199254740992",
                                      "-9007199254.740993",
                                      "1234567890123456789",
                                      "12345678901234567890",
                                      "0.0000000000000000000001",
                                      "0.00000000000000000000001",
                                      "1.5e",
                                      "2.5E2",
                                      "3.5x",
                                      "0.5X",
                                      "1.2.3",
                                      "..5",
                                      "-00.0",
                                      "2.2250738585072011e-308"};
    std::mt19937 random(31);
    char text[64];
    for (int round = 0; round < 2000; ++round) {
        std::snprintf(text, sizeof text, "%.*f", static_cast<int>(random() % 12),
                      (static_cast<double>(random()) - 2e9) / std::pow(10.0, random() % 15));
        texts.emplace_back(text);
    }
    const auto readAsScanfDoes = [&] {
        for (const std::string& each : texts) {
            double expected = 0;
            if (std::sscanf(each.c_str(), "%lf", &expected) != 1)
                expected = 0;
            const double read = ReadSortNumber(each.c_str());
            EXPECT_EQ(std::memcmp(&read, &expected, sizeof read), 0) << each;
        }
    };
    readAsScanfDoes();
    // Where the decimal point is a comma, "%lf" reads "1,5" whole and stops at a point.
    if (const ScopedCommaLocale comma; comma.IsActive()) {
        readAsScanfDoes();
        EXPECT_EQ(ReadSortNumber("1,5"), 1.5);
        EXPECT_EQ(ReadSortNumber("2.75"), 2.0);
    }
    EXPECT_TRUE(std::isnan(ReadSortNumber("nan")));
    EXPECT_TRUE(std::isnan(ReadSortNumber("-NaN(12)")));
}

TEST(KListBase, SortKeysAnswerAsASearchFromTheStartOnRandomLists) {
    // Rows with repeated data, data far apart and close, "nan", texts that are no number:
    // the keys of one sort answer every pair as finding each row from the start of the list
    // and comparing its text does, and say so when no row has the data.
    const char* pool[] = {"10", "9", "0x1A", "inf", "-inf", "nan", "NAN", "-3.5", "abc", "ABC",
                          "B_S1", "A_S2", "_S", "", " 7", "1e3x",
                          // Texts about the sixteen bytes the keys' table holds, and letters
                          // beyond ASCII that fold.
                          "abcdefghijklmnop", "ABCDEFGHIJKLMNOPq", "Line0012345678_S9",
                          "LINE0012345678_S90", "line00123456", "\xC4rgerlich", "\xE4RGER"};
    std::mt19937 random(23);
    for (int round = 0; round < 300; ++round) {
        const size_t rows = 1 + random() % 9;
        const LPARAM spacing = round % 3 == 0 ? 1000003 : 1;
        std::vector<LPARAM> data;
        std::vector<CString> texts;
        for (size_t row = 0; row < rows; ++row) {
            data.push_back(static_cast<LPARAM>(random() % 6) * spacing - 2);
            texts.emplace_back(pool[random() % std::size(pool)]);
        }
        const bool numbers = round % 2 != 0;
        const bool split = round % 4 > 1;
        const ListSortKeys keys(data, texts, numbers, split);
        const auto search = [&](LPARAM wanted) {
            const auto found = std::find(data.begin(), data.end(), wanted);
            return found == data.end() ? -1 : static_cast<int>(found - data.begin());
        };
        for (LPARAM first = -2; first < 6 * spacing; first += spacing)
            for (LPARAM second = -2; second < 6 * spacing; second += spacing) {
                const int a = search(first);
                const int b = search(second);
                const std::optional<int> answer = keys.Compare(first, second);
                ASSERT_EQ(keys.RowOf(first), a);
                if (a < 0 || b < 0) {
                    ASSERT_FALSE(answer.has_value());
                    continue;
                }
                ASSERT_EQ(answer, ReferenceCompare(texts[static_cast<size_t>(a)],
                                                   texts[static_cast<size_t>(b)], numbers, split))
                    << texts[static_cast<size_t>(a)] << " / " << texts[static_cast<size_t>(b)]
                    << " numbers " << numbers << " split " << split;
            }
    }
}

TEST(KListBase, SortsRandomListsAsAStableSortByTheFirstComparisonDoes) {
    // Pools whose keys order consistently: texts alike in their first sixteen bytes and in
    // all but case; numbers in every form "%lf" reads, and none; texts that all have "_S".
    struct Pool {
        bool numbers;
        std::vector<const char*> texts;
    };
    const Pool pools[] = {
        {false,
         {"Survey line 0000000001", "survey LINE 0000000001", "Survey line 0000000002",
          "Survey line 00000000", "Survey", "", "\xE9", "\xC9", "abc", "ABC", "ab"}},
        {true, {"10", "9", "0x1A", "inf", "-inf", "-3.5", "abc", "1e3", " 7", "", "1e3x"}},
        {false,
         {"A_S2", "b_S1", "Line1_S3", "line1_S3", "Line1234567890123456_S0",
          "Line1234567890123456_S0x", "x_S", "_S"}},
    };
    ListTestHost host;
    KListCtrlEx list;
    host.Adopt(list, 0);
    list.InsertColumn(0, "Line", LVCFMT_LEFT, 100);
    std::mt19937 random(19);
    for (const Pool& pool : pools)
        for (int round = 0; round < 24; ++round) {
            list.DeleteAllItems();
            std::vector<const char*> texts;
            // Data close together, and far apart.
            const LPARAM spacing = round % 2 ? 7919 : 1;
            for (int row = 0; row < 40; ++row) {
                texts.push_back(pool.texts[random() % pool.texts.size()]);
                list.InsertItem(LVIF_TEXT | LVIF_PARAM, row, texts.back(), 0, 0, 0,
                                (row + 1) * spacing);
            }
            list.setSortNumbers(pool.numbers);
            const bool ascending = round % 4 < 2;
            list.SortList(0, ascending);
            std::vector<int> expected(texts.size());
            std::iota(expected.begin(), expected.end(), 0);
            std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
                const int order =
                    ReferenceCompare(texts[static_cast<size_t>(a)], texts[static_cast<size_t>(b)],
                                     pool.numbers, list.getSplitSort());
                return ascending ? order < 0 : order > 0;
            });
            for (int row = 0; row < list.GetItemCount(); ++row)
                ASSERT_EQ(
                    list.GetItemData(row),
                    static_cast<DWORD_PTR>((expected[static_cast<size_t>(row)] + 1) * spacing))
                    << "row " << row << " round " << round;
        }
}

TEST(KListBase, TintsTheSortColumnAndShortensTexts) {
    ListTestHost host;
    KListCtrlEx list;
    host.Adopt(list, 0);
    list.InsertColumn(0, "Line", LVCFMT_LEFT, 100);
    list.InsertColumn(1, "Depth", LVCFMT_LEFT, 100);
    Fill(list, {{"a", "1"}, {"b", "2"}});
    list.SetBkColor(RGB(255, 255, 255));
    list.SortList(1, 1);
    list.ColorSortColumn(true);
    CRect cell;
    list.GetSubItemRect(0, 1, LVIR_BOUNDS, cell);
    EXPECT_EQ(PixelAt(list, cell.right - 3, cell.top + 1), RGB(247, 247, 247));
    CRect client;
    list.GetClientRect(&client);
    EXPECT_EQ(PixelAt(list, cell.right - 3, client.bottom - 3), RGB(247, 247, 247)); // the band
    EXPECT_EQ(PixelAt(list, cell.left - 3, client.bottom - 3), RGB(255, 255, 255));
    list.ColorSortColumn(false);
    list.SetBkColor(RGB(200, 100, 240));
    list.ColorSortColumn(true);
    EXPECT_EQ(PixelAt(list, cell.right - 3, cell.top + 1), RGB(220, 110, 255));

    CClientDC dc(&list);
    const int withAb = dc.GetTextExtent("ab...", 5).cx;
    EXPECT_EQ(ShorteningList::MakeShortString(&dc, "abcdef", withAb), "ab...");
    const int withA = dc.GetTextExtent("a..", 3).cx;
    EXPECT_EQ(ShorteningList::MakeShortString(&dc, "abcdef", withA), "a..");
    EXPECT_EQ(ShorteningList::MakeShortString(&dc, "abcdef", 1), "a");
    EXPECT_EQ(ShorteningList::MakeShortString(&dc, "", 0), "");
    EXPECT_EQ(ShorteningList::MakeShortString(&dc, "ab", 200), "ab");
}

// The sorting of a host's own list window, bound by the host rather than by a list class.
class BoundSorting : public KListBase {
public:
    explicit BoundSorting(CListCtrl* list) : KListBase(list) {}
};

TEST(KListBase, SortsAListItIsBoundTo) {
    ListTestHost host;
    CListCtrl list;
    host.Adopt(list, 0);
    list.InsertColumn(0, "Depth", LVCFMT_RIGHT, 80);
    const char* depths[] = {"12.5", "3", "-1", "none", "7"};
    for (int row = 0; row < 5; ++row)
        list.InsertItem(LVIF_TEXT | LVIF_PARAM, row, depths[row], 0, 0, 0, 10 + row);
    BoundSorting sorting(&list);
    sorting.setSortNumbers(true);
    sorting.SortList(0, 1);
    // A cell that is no number reads as 0.
    EXPECT_EQ(Column(list, 0), (std::vector<CString>{"-1", "none", "3", "7", "12.5"}));
    EXPECT_EQ(list.GetItemData(0), 12u);
}

TEST(KListBase, AViewOfTheFrameworkSortsToo) {
    CRuntimeClass* runtime = RUNTIME_CLASS(KListViewEx);
    auto* view = static_cast<KListViewEx*>(runtime->CreateObject());
    ASSERT_NE(view, nullptr);
    ListTestHost host;
    ASSERT_TRUE(view->Create(nullptr, nullptr, LVS_REPORT, CRect(0, 0, 300, 200), &host, 12));
    EXPECT_TRUE(view->GetStyle() & WS_VISIBLE);
    view->InsertColumn(0, "Port", LVCFMT_LEFT, 80);
    CStringList row;
    row.AddTail("COM2");
    view->AddItem(row);
    row.AddTail("COM1");
    view->AddItem(row);
    CScriptedUser user;
    user.ClickAt(ListTestHost::OnTitle(view->GetListCtrl(), 0)); // the sort column: descending
    ASSERT_TRUE(user.ActIn(host));
    EXPECT_EQ(Column(view->GetListCtrl(), 0), (std::vector<CString>{"COM2", "COM1"}));
    user.ClickAt(ListTestHost::OnTitle(view->GetListCtrl(), 0));
    ASSERT_TRUE(user.ActIn(host));
    EXPECT_EQ(Column(view->GetListCtrl(), 0), (std::vector<CString>{"COM1", "COM2"}));
    view->DestroyWindow();
}

TEST(KListBase, OwnerDrawnListsKeepColumnZerosJustification) {
    ListTestHost host;
    KListCtrlEx drawn;
    host.Adopt(drawn, LVS_OWNERDRAWFIXED);
    drawn.InsertColumn(0, "Depth", LVCFMT_RIGHT, 80);
    EXPECT_EQ(Title(drawn, 0).fmt & HDF_JUSTIFYMASK, HDF_RIGHT);
    EXPECT_TRUE(drawn.KeepLabelLeft(true));

    KListCtrlEx plain;
    host.Adopt(plain, 0, CRect(10, 150, 200, 300));
    plain.InsertColumn(0, "Depth", LVCFMT_RIGHT, 80);
    EXPECT_EQ(Title(plain, 0).fmt & HDF_JUSTIFYMASK, HDF_LEFT); // the control's own rule
}
