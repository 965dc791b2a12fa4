// Guide example: a tree list of survey blocks, their lines and the lines' fixes in three
// columns. A scripted user opens and closes branches with a click on a plus box and with
// the keys; the program prints the rows after each step, and shows where item indices and
// row numbers part.
#include "vornui/vornui.h"

#include <cstdio>
#include <stdexcept>
#include <string>

namespace {

// Each row: its number, the index of the item it shows, its box and its texts, indented
// by the item's level.
void PrintRows(const char* title, const KTreeListCtrl& tree) {
    std::printf("%s\n", title);
    for (int row = 0; row < tree.GetItemCount(); ++row) {
        LVITEM item{LVIF_INDENT | LVIF_PARAM, row, 0, 0, 0, nullptr, 0, 0, 0, 0};
        tree.GetItem(&item);
        const UINT box = tree.GetItemState(row, LVIS_STATEIMAGEMASK) >> 12;
        const std::string name = std::string(2 * static_cast<size_t>(item.iIndent), ' ') +
                                 (box == 1   ? "[+] "
                                  : box == 2 ? "[-] "
                                             : "    ") +
                                 tree.GetItemText(row, 0).GetString();
        char line[160];
        std::snprintf(line, sizeof line, "  row %d  item %d  %-22s %6s  %s", row,
                      static_cast<int>(item.lParam), name.c_str(),
                      tree.GetItemText(row, 1).GetString(), tree.GetItemText(row, 2).GetString());
        std::string text = line;
        text.erase(text.find_last_not_of(' ') + 1);
        std::printf("%s\n", text.c_str());
    }
}

// The middle of row `row`'s plus or minus box, on the screen.
POINT OnBox(KTreeListCtrl& tree, int row) {
    CRect icon;
    tree.GetItemRect(row, &icon, LVIR_ICON);
    POINT point{icon.left - 8, icon.CenterPoint().y};
    tree.ClientToScreen(&point);
    return point;
}

POINT OnLabel(KTreeListCtrl& tree, int row) {
    CRect label;
    tree.GetItemRect(row, &label, LVIR_LABEL);
    POINT point{label.left + 4, label.CenterPoint().y};
    tree.ClientToScreen(&point);
    return point;
}

void Act(CScriptedUser& user, CWnd& window) {
    if (!user.ActIn(window.m_hWnd))
        std::printf("the user gave up\n");
}

} // namespace

int main() {
    CWinApp app("guide-tree-list");
    CWnd window;
    window.CreateEx(0, nullptr, "Survey blocks", WS_POPUP | WS_VISIBLE, 40, 40, 480, 320, nullptr,
                    nullptr);
    KTreeListCtrl tree;
    tree.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL, CRect(0, 0, 480, 320), &window,
                1);
    tree.InsertColumn(0, "Name", LVCFMT_LEFT, 200);
    tree.InsertColumn(1, "Depth (m)", LVCFMT_RIGHT, 80);
    tree.InsertColumn(2, "Note", LVCFMT_LEFT, 160);

    // Blocks are open from the start, lines closed.
    tree.SetExpandLevel(1);
    const int north = tree.AddItem("Block North", 0, 0, true);
    tree.SetItemText(north, 2, "2 lines");
    const int line = tree.AddItem("Line N-001", 0, 1, true);
    tree.SetItemText(line, 1, "24.75");
    tree.SetItemDataPtr(line, 1001);
    for (const char* fix : {"Fix 101", "Fix 102"})
        tree.AddItem(fix, 0, 2, false);
    tree.AddItem("Line N-002", 0, 1, false);
    const int south = tree.AddItem("Block South", 0, 0, true);
    const int repeat = tree.AddItem("Line S-001", 0, 1, true);
    tree.SetItemDataPtr(repeat, 3001);
    tree.AddItem("Fix 301", 0, 2, false);
    PrintRows("added, expand level 1:", tree);

    // A click on the plus of Line N-001.
    CScriptedUser user;
    user.ClickAt(OnBox(tree, 1));
    Act(user, window);
    PrintRows("after a click on the plus of Line N-001:", tree);

    // Left on a fix moves to its line; Left on the open line closes it.
    user.ClickAt(OnLabel(tree, 3)).Press(VK_LEFT);
    Act(user, window);
    std::printf("Left on Fix 102 selects row %d\n", tree.GetNextItem(-1, LVNI_SELECTED));
    user.Press(VK_LEFT);
    Act(user, window);
    std::printf("Left again closes the line: %d rows\n", tree.GetItemCount());

    // Down twice to Block South: keypad minus closes it, '*' opens it with everything below.
    user.Press(VK_DOWN).Press(VK_DOWN).Press(VK_SUBTRACT);
    Act(user, window);
    PrintRows("after keypad minus on Block South:", tree);
    user.Press(VK_MULTIPLY);
    Act(user, window);
    PrintRows("after '*' on Block South:", tree);

    // Item indices and rows part: Line S-001 is item 6 in row 4, and Fix 101 (item 2) is
    // hidden, so its note waits for its line to open.
    tree.SetItemText(6, 2, "repeat");
    tree.SetItemText(2, 2, "spike removed");
    std::printf(
        "row 4 shows item %d, data %lu, note \"%s\"\n", static_cast<int>(tree.GetItemData(4)),
        static_cast<unsigned long>(tree.GetItemDataPtr(4)), tree.GetItemText(4, 2).GetString());
    user.ClickAt(OnBox(tree, 1));
    Act(user, window);
    PrintRows("after opening Line N-001 again:", tree);
    try {
        tree.SetItemText(south + 10, 0, "nothing");
    } catch (const std::out_of_range& error) {
        std::printf("out of range: %s\n", error.what());
    }
    window.DestroyWindow();
    return 0;
}
