// Guide example: two trees of a survey. In a multi-select tree of lines a scripted user
// clicks, Shift+clicks and Ctrl+clicks, and the parent refuses to select a locked line. In a
// lazy tree of survey days a day's lines are read only when the person opens the day, while
// a worker thread keeps the waiting picture alive.
#include "vornui/vornui.h"

#include <cstdio>
#include <string>

namespace {

constexpr int kLinesTree = 1;
constexpr int kDaysTree = 2;

// The parent of both trees. Selection changes of the multi-select tree come to it as
// TVN_SELCHANGING and TVN_SELCHANGED; it refuses to select a locked line.
class SurveyWindow : public CWnd {
public:
    KMultiTree* lines = nullptr;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        const auto* notice = reinterpret_cast<const NMTREEVIEW*>(lParam);
        const bool fromLines = lines && notice->hdr.hwndFrom == lines->m_hWnd;
        // Selecting fills itemNew, deselecting itemOld.
        if (fromLines && lines->IsEmulatedNotify() && notice->hdr.code == TVN_SELCHANGING &&
            notice->itemNew.hItem &&
            lines->GetItemText(notice->itemNew.hItem).Find("locked") >= 0) {
            std::printf("  the parent refuses to select \"%s\"\n",
                        lines->GetItemText(notice->itemNew.hItem).GetString());
            *result = TRUE;
            return TRUE;
        }
        return CWnd::OnNotify(wParam, lParam, result);
    }
};

// Survey days whose lines come from the survey's log only when a day is opened. Reading a
// day takes a while, so the tree shows "Reading the log..." and reports its progress.
class SurveyDays : public KWaitingTreeCtrl {
protected:
    int PopulateItem(HTREEITEM day) override {
        if (day == TVI_ROOT)
            return 0;
        const int lines = 3;
        SetPopulationCount(lines);
        for (int line = 1; line <= lines; ++line) {
            const std::string name =
                std::string(GetItemText(day).GetString()) + " line " + std::to_string(line);
            InsertItem(name.c_str(), day);
            IncreasePopulation();
        }
        return TRUE;
    }
    // On the user-interface thread: the worker must not ask the window for its size.
    void PreAnimation(HTREEITEM placeholder) override {
        KWaitingTreeCtrl::PreAnimation(placeholder);
        std::printf("  meanwhile the day shows \"%s\"\n", GetItemText(placeholder).GetString());
        GetClientRect(&m_client);
    }
    // Runs on the worker thread, through a DC of its own: a bar along the tree's bottom edge.
    void DoAnimation(int, int total, int current) override {
        CClientDC dc(this);
        const int width = total > 0 ? m_client.Width() * current / total : 0;
        dc.FillSolidRect(CRect(0, m_client.bottom - 3, width, m_client.bottom), RGB(0, 120, 215));
    }
    void PostAnimation() override { std::printf("  the animation has ended\n"); }

private:
    CRect m_client;
};

void PrintSelection(const char* title, const KMultiTree& tree) {
    std::printf("%s:", title);
    for (HTREEITEM item = tree.GetFirstSelectedItem(); item; item = tree.GetNextSelectedItem(item))
        std::printf(" [%s]", tree.GetItemText(item).GetString());
    const HTREEITEM caret = tree.GetFocusedItem();
    std::printf("  caret %s\n", caret ? tree.GetItemText(caret).GetString() : "none");
}

POINT OnLabel(CTreeCtrl& tree, HTREEITEM item) {
    CRect label;
    tree.GetItemRect(item, &label, TRUE);
    CPoint point = label.CenterPoint();
    tree.ClientToScreen(&point);
    return point;
}

// The expand button left of the item's label, found by hit testing along its row.
POINT OnButton(CTreeCtrl& tree, HTREEITEM item) {
    CRect label;
    tree.GetItemRect(item, &label, TRUE);
    CPoint point(0, label.CenterPoint().y);
    UINT hit = 0;
    while (point.x < label.left &&
           !(tree.HitTest(point, &hit) == item && (hit & TVHT_ONITEMBUTTON)))
        ++point.x;
    tree.ClientToScreen(&point);
    return point;
}

void Act(CScriptedUser& user, CWnd& window) {
    if (!user.ActIn(window.m_hWnd))
        std::printf("the user gave up\n");
}

} // namespace

int main() {
    CWinApp app("guide-trees");
    SurveyWindow window;
    window.CreateEx(0, nullptr, "Survey", WS_POPUP | WS_VISIBLE, 40, 40, 520, 300, nullptr,
                    nullptr);
    const DWORD style = WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_LINESATROOT;

    KMultiTree lines;
    window.lines = &lines;
    lines.Create(style, CRect(0, 0, 250, 300), &window, kLinesTree);
    HTREEITEM line[5];
    const char* names[] = {"Line 1", "Line 2", "Line 3 (locked)", "Line 4", "Line 5"};
    for (int each = 0; each < 5; ++each)
        line[each] = lines.InsertItem(names[each]);

    CScriptedUser user;
    user.ClickAt(OnLabel(lines, line[0]));
    Act(user, window);
    PrintSelection("a click on Line 1", lines);
    user.ClickAt(OnLabel(lines, line[4]), MK_LBUTTON, MOD_SHIFT);
    Act(user, window);
    PrintSelection("Shift+click on Line 5", lines);
    user.ClickAt(OnLabel(lines, line[1]), MK_LBUTTON, MOD_CONTROL);
    Act(user, window);
    PrintSelection("Ctrl+click on Line 2", lines);
    std::printf(
        "selected: %u; Line 2 is the caret but not selected: %s\n", lines.GetSelectedCount(),
        lines.GetItemState(line[1], TVIS_FOCUSED | TVIS_SELECTED) == TVIS_FOCUSED ? "yes" : "no");

    SurveyDays days;
    days.Create(style, CRect(260, 0, 520, 300), &window, kDaysTree);
    days.SetWaitMessage("Reading the log...");
    days.ShowWaitMessage();
    const HTREEITEM monday = days.InsertItem("Mon 7 Dec");
    // The day has no children yet, but shows a button: it has some to come.
    TVITEM indicator{};
    indicator.mask = TVIF_CHILDREN;
    indicator.hItem = monday;
    indicator.cChildren = 1;
    days.SetItem(&indicator);

    std::printf("the person opens Mon 7 Dec:\n");
    user.ClickAt(OnButton(days, monday));
    Act(user, window);
    for (HTREEITEM child = days.GetChildItem(monday); child; child = days.GetNextSiblingItem(child))
        std::printf("  %s\n", days.GetItemText(child).GetString());
    int total = 0;
    const int current = days.GetPopulationCount(&total);
    std::printf("progress %d of %d\n", current, total);

    window.DestroyWindow();
    return 0;
}
