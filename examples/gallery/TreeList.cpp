// A tree list as a survey program shows it: blocks, their lines and the lines' fixes in
// three columns, with the North block and one of its lines opened by the scripted user's
// clicks on their plus boxes.

#include "Gallery.h"

#include "vornui/vornui.h"

#include <iterator>

namespace {

const char* WindowClass() {
    static const char* const name = [] {
        WNDCLASS wc{};
        wc.lpfnWndProc = DefWindowProc;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        wc.lpszClassName = "VornuiGalleryTreeList";
        RegisterClass(&wc);
        return "VornuiGalleryTreeList";
    }();
    return name;
}

struct Entry {
    int level;
    const char* name;
    const char* depth;
    const char* note;
};

// Blocks (level 0), lines (1) and fixes (2), in pre-order.
const Entry kSurvey[] = {
    {0, "Block North", "", "3 lines"},
    {1, "Line N-001", "24.75", "done"},
    {2, "Fix 101", "24.70", ""},
    {2, "Fix 102", "24.81", ""},
    {2, "Fix 103", "24.77", "spike removed"},
    {1, "Line N-002", "18.20", "done"},
    {2, "Fix 201", "18.22", ""},
    {1, "Line N-003", "31.05", "planned"},
    {0, "Block South", "", "2 lines"},
    {1, "Line S-001", "12.15", "repeat"},
    {2, "Fix 301", "12.10", ""},
    {1, "Line S-002", "9.60", "done"},
    {0, "Block East", "", "no lines yet"},
};

// The middle of row `row`'s plus box, on the screen.
POINT OnBox(CListCtrl& list, int row) {
    CRect icon;
    list.GetItemRect(row, &icon, LVIR_ICON);
    POINT point{icon.left - 8, icon.CenterPoint().y};
    list.ClientToScreen(&point);
    return point;
}

int WriteTreeList(const char* path) {
    CWnd window;
    window.CreateEx(0, WindowClass(), "Survey blocks", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 80, 80,
                    480, 290, nullptr, nullptr);
    CRect client;
    window.GetClientRect(&client);
    client.DeflateRect(8, 8);
    KTreeListCtrl tree;
    tree.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                client, &window, 1);
    tree.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)));
    CImageList images;
    images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 3, 0);
    images.Add(LoadIcon(nullptr, IDI_APPLICATION)); // a block
    images.Add(LoadIcon(nullptr, IDI_INFORMATION)); // a line
    images.Add(LoadIcon(nullptr, IDI_WARNING));     // a fix
    tree.SetImageList(&images, LVSIL_SMALL);
    tree.InsertColumn(0, "Name", LVCFMT_LEFT, 200);
    tree.InsertColumn(1, "Depth (m)", LVCFMT_RIGHT, 80);
    tree.InsertColumn(2, "Note", LVCFMT_LEFT, 160);
    for (size_t index = 0; index < std::size(kSurvey); ++index) {
        const Entry& entry = kSurvey[index];
        const bool hasChildren =
            index + 1 < std::size(kSurvey) && kSurvey[index + 1].level > entry.level;
        const int item = tree.AddItem(entry.name, entry.level, entry.level, hasChildren);
        tree.SetItemText(item, 1, entry.depth);
        tree.SetItemText(item, 2, entry.note);
    }
    CScriptedUser user;
    user.ClickAt(OnBox(tree, 0));
    int result = 1;
    if (user.ActIn(window.m_hWnd)) {
        // Block North opened: its first line is row 1.
        user.ClickAt(OnBox(tree, 1));
        if (user.ActIn(window.m_hWnd))
            result = SaveWindowPicture(window, path);
    }
    tree.SetImageList(nullptr, LVSIL_SMALL);
    window.DestroyWindow();
    return result;
}

const GalleryPicture kTreeList("tree-list.png",
                               "a tree list (`KTreeListCtrl`) of survey blocks, lines and fixes "
                               "in three columns: the scripted user opened Block North and its "
                               "first line with clicks on their plus boxes, which turned into "
                               "minus boxes",
                               WriteTreeList);

} // namespace
