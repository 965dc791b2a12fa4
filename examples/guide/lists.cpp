// Guide example: a report list that sorts on a header click (KListCtrlEx), numbers and
// line names with their "_S" part, a list with check boxes (KCheckListCtrl), the simple
// report list that adds the columns a row needs (CListCtrlEx), and a list box whose
// horizontal extent follows its widest string (KListBox).
#include "vornui/vornui.h"

#include <cstdio>
#include <initializer_list>

namespace {

// The window the lists live in, as a dialog would hold them.
class Host : public CWnd {
public:
    Host() {
        CreateEx(0, nullptr, "Lines", WS_POPUP | WS_VISIBLE, 0, 0, 640, 480, nullptr, nullptr);
    }
    ~Host() override { DestroyWindow(); }

    // A list-view control made as a dialog's is, then subclassed by `list`.
    void Adopt(CListCtrl& list, int id, int top) {
        const HWND control = ::CreateWindowEx(
            0, WC_LISTVIEW, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 10, top, 600, 120, m_hWnd,
            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
        list.SubclassWindow(control);
    }
};

// A person clicks the title of `column`; the click is handled as the loop dispatches it.
void ClickTitle(CListCtrl& list, int column) {
    CHeaderCtrl* header = list.GetHeaderCtrl();
    CRect title;
    header->GetItemRect(column, &title);
    CPoint middle = title.CenterPoint();
    header->ClientToScreen(&middle);
    PostMouseInput(GetCurrentThreadId(), WM_LBUTTONDOWN, middle);
    PostMouseInput(GetCurrentThreadId(), WM_LBUTTONUP, middle);
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessage(&msg);
}

void PrintColumn(CListCtrl& list, int column) {
    for (int row = 0; row < list.GetItemCount(); ++row)
        std::printf(" %s", list.GetItemText(row, column).GetString());
    std::printf("\n");
}

CStringList Row(std::initializer_list<const char*> texts) {
    CStringList row;
    for (const char* text : texts)
        row.AddTail(text);
    return row;
}

} // namespace

int main() {
    CWinApp app("Survey");
    Host host;

    // Columns in one call, rows from string lists; AddItem puts each new row at the top.
    KListCtrlEx lines;
    host.Adopt(lines, 1, 10);
    char line[] = "Line";
    char length[] = "Length (m)";
    char* headings[] = {line, length};
    int widths[] = {150, 100};
    int formats[] = {LVCFMT_LEFT, LVCFMT_RIGHT};
    lines.CreateColumns(headings, widths, formats, 2);
    for (auto texts : {Row({"Line12_S3", "950"}), Row({"line4_S1", "1200"}),
                       Row({"Line7_S2", "85.5"}), Row({"Cross3", "300"})})
        lines.AddItem(texts);
    lines.EnableSortIcon(true, 1); // the arrow shows on the lengths until another sort

    ClickTitle(lines, 0); // another column: ascending, and split sort turns over (now on)
    std::printf("names, \"_S\" part first:");
    PrintColumn(lines, 0);
    ClickTitle(lines, 0); // the same column again: descending
    std::printf("names, descending:");
    PrintColumn(lines, 0);
    ClickTitle(lines, 0); // ascending again: split sort turns over (now off)
    std::printf("names as texts:");
    PrintColumn(lines, 0);
    lines.setSortNumbers(true);
    ClickTitle(lines, 1);
    std::printf("lengths as numbers:");
    PrintColumn(lines, 1);

    // Check boxes drawn from the library's own bitmap; the check is the state image.
    KCheckListCtrl chosen(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    host.Adopt(chosen, 2, 140);
    chosen.InsertColumn(0, "Line", LVCFMT_LEFT, 150);
    for (auto texts : {Row({"Line2"}), Row({"Line1"})})
        chosen.AddItem(texts);
    chosen.SetCheck(1, TRUE);
    std::printf("checked: %s %d, %s %d\n", chosen.GetItemText(0, 0).GetString(), chosen.GetCheck(0),
                chosen.GetItemText(1, 0).GetString(), chosen.GetCheck(1));

    // Rows appended at the end; a row longer than the header gets new columns.
    CListCtrlEx log;
    host.Adopt(log, 3, 270);
    log.InsertColumn(0, "Fix", LVCFMT_LEFT, 80);
    CStringList fix = Row({"12:00:01", "61.5012", "4.2231"});
    log.AddItemTailNumbered(fix);
    char title[32];
    for (int column = 0; column < log.GetHeaderCtrl()->GetItemCount(); ++column) {
        HDITEM item{};
        item.mask = HDI_TEXT;
        item.pszText = title;
        item.cchTextMax = sizeof title;
        log.GetHeaderCtrl()->GetItem(column, &item);
        std::printf("column %d \"%s\": %s\n", column, title,
                    log.GetItemText(0, column).GetString());
    }

    // The list box's horizontal extent is its widest string, and shrinks when that goes.
    KListBox files;
    files.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_HSCROLL | LBS_NOINTEGRALHEIGHT,
                 CRect(10, 400, 110, 470), &host, 4);
    files.AddString("tide.txt");
    files.AddString("/survey/2024/north/raw/line_0042.xyz");
    const int wide = files.GetHorizontalExtent();
    files.DeleteString(1);
    std::printf("extent grows and shrinks: %s\n",
                wide > files.GetHorizontalExtent() && files.GetHorizontalExtent() > 0 ? "yes"
                                                                                      : "no");
    return 0;
}
