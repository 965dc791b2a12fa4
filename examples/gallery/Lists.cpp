// The library's report lists as a survey program shows them: an owner-drawn check list
// sorted by depth with its column tinted, a row being dragged to a new place, and a plain
// owner-drawn list with grid lines and the focus on its selected row.

#include "Gallery.h"

#include "vornui/lists/CListCtrlEx.h"
#include "vornui/lists/KCheckListCtrl.h"
#include "vornui/vornui.h"

#include <cstdio>
#include <iterator>

namespace {

constexpr int kListId = 21;

const char* const kLines[][4] = {
    {"Line 12_S3 crossing the northern survey block", "24.75", "Done", "soft mud"},
    {"Line 07_S1", "18.20", "Done", "sand"},
    {"Line 31_S2 tie line", "31.05", "Planned", "gravel and shell fragments"},
    {"Line 02_S1", "9.60", "Done", "rock"},
    {"Line 19_S4 repeated after the swell dropped", "27.40", "Repeat", "sand"},
    {"Line 23_S2", "12.15", "Planned", "silt"},
};

const char* WindowClass() {
    static const char* const name = [] {
        WNDCLASS wc{};
        wc.lpfnWndProc = DefWindowProc;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        wc.lpszClassName = "VornuiGalleryLists";
        RegisterClass(&wc);
        return "VornuiGalleryLists";
    }();
    return name;
}

class ListWindow : public CWnd {
public:
    explicit ListWindow(const char* caption) {
        CreateEx(0, WindowClass(), caption, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 80, 80, 470, 230, nullptr,
                 nullptr);
    }
    ~ListWindow() override { DestroyWindow(); }

    template <typename List>
    void Adopt(List& list, DWORD style) {
        CRect client;
        GetClientRect(&client);
        client.DeflateRect(8, 8);
        const HWND hwnd = ::CreateWindowEx(
            0, WC_LISTVIEW, "", WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | style, client.left,
            client.top, client.Width(), client.Height(), m_hWnd,
            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kListId)), nullptr, nullptr);
        list.SubclassWindow(hwnd);
        list.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)));
        list.InsertColumn(0, "Line", LVCFMT_LEFT, 150);
        list.InsertColumn(1, "Depth (m)", LVCFMT_RIGHT, 80);
        list.InsertColumn(2, "State", LVCFMT_CENTER, 70);
        list.InsertColumn(3, "Seabed", LVCFMT_LEFT, 120);
        for (int row = 0; row < static_cast<int>(std::size(kLines)); ++row) {
            list.InsertItem(row, kLines[row][0]);
            for (int column = 1; column < 4; ++column)
                list.SetItemText(row, column, kLines[row][column]);
        }
    }
};

POINT OnRow(CListCtrl& list, int row) {
    CRect label;
    list.GetItemRect(row, &label, LVIR_LABEL);
    POINT point{label.left + 30, label.CenterPoint().y};
    list.ClientToScreen(&point);
    return point;
}

int WriteSortedCheckList(const char* path) {
    ListWindow window("Survey lines");
    KCheckListCtrl list(LVS_EX_CHECKBOXES);
    window.Adopt(list, LVS_OWNERDRAWFIXED | LVS_SHOWSELALWAYS);
    list.SetCheck(1, TRUE);
    list.SetCheck(3, TRUE);
    list.EnableSortIcon(true, 1);
    list.setSortNumbers(true);
    list.ColorSortColumn(true);
    list.SortList(1, 1);
    list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    return SaveWindowPicture(window, path);
}

int WriteDraggedRow(const char* path) {
    ListWindow window("Survey lines");
    KCheckListCtrl list(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    window.Adopt(list, LVS_SHOWSELALWAYS);
    list.SetCheck(0, TRUE);
    list.SetCheck(4, TRUE);
    int result = 1;
    CScriptedUser user;
    const POINT from = OnRow(list, 4);
    const POINT over = OnRow(list, 1);
    user.MouseDown(from)
        .MouseMove(POINT{from.x + 12, from.y - 12})
        .MouseMove(POINT{over.x + 20, over.y})
        .Then([&](HWND) {
            result = SaveWindowPicture(window, path);
            return ModalAction::Acted;
        })
        .MouseUp(POINT{over.x + 20, over.y});
    if (!user.ActIn(window.m_hWnd))
        return 1;
    return result;
}

int WriteGridList(const char* path) {
    ListWindow window("Survey lines");
    CListCtrlEx list;
    window.Adopt(list, LVS_OWNERDRAWFIXED);
    list.SetModeGridLine(1, 1);
    int result = 1;
    CScriptedUser user;
    user.ClickAt(OnRow(list, 2)).Then([&](HWND) {
        result = SaveWindowPicture(window, path);
        return ModalAction::Acted;
    });
    if (!user.ActIn(window.m_hWnd))
        return 1;
    return result;
}

const GalleryPicture kSortedCheckList("sorted-check-list.png",
                                      "An owner-drawn check list sorted by depth: tinted sort "
                                      "column, arrow, check boxes and shortened texts",
                                      WriteSortedCheckList);
const GalleryPicture kDraggedRow("dragged-row.png",
                                 "A check list with a row being dragged to a new place",
                                 WriteDraggedRow);
const GalleryPicture kGridList("grid-list.png",
                               "An owner-drawn CListCtrlEx with grid lines and its focused row",
                               WriteGridList);

} // namespace
