// The library's trees as the scripted user leaves them: a multi-select tree with a
// scattered selection, the same tree with a band half drawn, and a lazy tree frozen with
// its wait message while a branch is filled.

#include "Gallery.h"

#include "vornui/vornui.h"

#include <cstdio>
#include <functional>

namespace {

const char* HostClass() {
    static const char* const name = [] {
        WNDCLASS wc{};
        wc.lpfnWndProc = DefWindowProc;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        wc.lpszClassName = "VornuiGalleryTreeHost";
        RegisterClass(&wc);
        return "VornuiGalleryTreeHost";
    }();
    return name;
}

// A captioned window holding one tree.
class TreeHost : public CWnd {
public:
    BOOL Open(const char* caption) {
        return CreateEx(0, HostClass(), caption, WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 80, 80,
                        300, 240, nullptr, nullptr);
    }
    CRect TreeRect() const {
        CRect client;
        GetClientRect(&client);
        client.DeflateRect(8, 8);
        return client;
    }
};

// The window as it stands on the screen now, without painting it again (a band drawn by
// inversion, a frozen tree): its pixels copied as they are.
int SaveWindowAsShown(CWnd& window, const char* path) {
    CRect rect;
    window.GetWindowRect(&rect);
    HDC source = GetWindowDC(window);
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(rect.Width(), rect.Height(), 1, 32, nullptr);
    const HGDIOBJ previous = memory.SelectObject(static_cast<HGDIOBJ>(bitmap));
    BitBlt(memory, 0, 0, rect.Width(), rect.Height(), source, 0, 0, SRCCOPY);
    memory.SelectObject(previous);
    ReleaseDC(window, source);
    CImage image;
    image.Attach(bitmap);
    if (FAILED(image.Save(path))) {
        std::fprintf(stderr, "could not write %s\n", path);
        return 1;
    }
    std::printf("wrote %s (%d x %d pixels)\n", path, rect.Width(), rect.Height());
    return 0;
}

// Survey lines of two blocks, the second opened.
void FillSurveyTree(CTreeCtrl& tree, std::vector<HTREEITEM>& items) {
    const HTREEITEM north = tree.InsertItem("Block North");
    for (const char* line : {"Line N-001", "Line N-002", "Line N-003"})
        items.push_back(tree.InsertItem(line, north));
    const HTREEITEM south = tree.InsertItem("Block South");
    for (const char* line : {"Line S-001", "Line S-002", "Line S-003", "Line S-004", "Line S-005"})
        items.push_back(tree.InsertItem(line, south));
    tree.Expand(north, TVE_EXPAND);
    tree.Expand(south, TVE_EXPAND);
}

CPoint ScreenPoint(CTreeCtrl& tree, HTREEITEM item, bool rightOfLabel) {
    CRect label;
    tree.GetItemRect(item, &label, TRUE);
    CPoint point(rightOfLabel ? label.right + 40 : label.CenterPoint().x, label.CenterPoint().y);
    tree.ClientToScreen(&point);
    return point;
}

int WriteScatteredSelection(const char* path) {
    TreeHost host;
    host.Open("Survey lines");
    KMultiTree tree;
    tree.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT,
                host.TreeRect(), &host, 1);
    std::vector<HTREEITEM> lines;
    FillSurveyTree(tree, lines);
    CScriptedUser user;
    user.ClickAt(ScreenPoint(tree, lines[0], false), MK_LBUTTON)
        .ClickAt(ScreenPoint(tree, lines[2], false), MK_LBUTTON, MOD_SHIFT)
        .ClickAt(ScreenPoint(tree, lines[4], false), MK_LBUTTON, MOD_CONTROL)
        .ClickAt(ScreenPoint(tree, lines[6], false), MK_LBUTTON, MOD_CONTROL)
        .ClickAt(ScreenPoint(tree, lines[1], false), MK_LBUTTON, MOD_CONTROL);
    user.ActIn(host);
    const int result = SaveWindowPicture(host, path);
    host.DestroyWindow();
    return result;
}

int WriteBandMidDrag(const char* path) {
    TreeHost host;
    host.Open("Survey lines");
    KMultiTree tree;
    tree.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT,
                host.TreeRect(), &host, 1);
    std::vector<HTREEITEM> lines;
    FillSurveyTree(tree, lines);
    tree.SetFocus();
    int result = 1;
    CScriptedUser user;
    user.MouseDown(ScreenPoint(tree, lines[3], true))
        .MouseMove(ScreenPoint(tree, lines[5], true))
        .MouseMove(ScreenPoint(tree, lines[6], false))
        .Then([&](HWND) {
            result = SaveWindowAsShown(host, path);
            return ModalAction::Acted;
        })
        .MouseUp(ScreenPoint(tree, lines[6], false));
    user.ActIn(host);
    host.DestroyWindow();
    return result;
}

// A lazy tree of survey days whose files take a while to list.
class SurveyDays : public KWaitingTreeCtrl {
public:
    std::function<void()> whilePopulating;

protected:
    int PopulateItem(HTREEITEM item) override {
        if (whilePopulating)
            whilePopulating();
        for (const char* file : {"0001_raw.all", "0002_raw.all", "0003_raw.all"})
            InsertItem(file, 1, 1, item);
        return 1;
    }
};

int WriteFrozenLazyTree(const char* path) {
    TreeHost host;
    host.Open("Survey days");
    SurveyDays tree;
    tree.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT,
                host.TreeRect(), &host, 1);
    CImageList images;
    images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 0);
    images.Add(LoadIcon(nullptr, IDI_INFORMATION));
    images.Add(LoadIcon(nullptr, IDI_APPLICATION));
    tree.SetImageList(&images, TVSIL_NORMAL);
    tree.SetWaitMessage("Loading...", LoadIcon(nullptr, IDI_HAND));
    tree.ShowWaitMessage();
    for (const char* day : {"2026-11-30", "2026-12-01", "2026-12-02"}) {
        const HTREEITEM item = tree.InsertItem(day, 0, 0);
        TVITEM indicator{};
        indicator.mask = TVIF_CHILDREN;
        indicator.hItem = item;
        indicator.cChildren = 1;
        tree.SetItem(&indicator);
    }
    host.UpdateWindow();
    int result = 1;
    tree.whilePopulating = [&] { result = SaveWindowAsShown(host, path); };
    tree.Expand(tree.GetNextSiblingItem(tree.GetRootItem()), TVE_EXPAND);
    tree.SetImageList(nullptr, TVSIL_NORMAL);
    host.DestroyWindow();
    return result;
}

const GalleryPicture kScattered("multi-tree-selection.png",
                                "a multi-select tree (`KMultiTree`) after a click, a Shift+click "
                                "and three Ctrl+clicks: a scattered selection, the caret framed "
                                "on an unselected line",
                                WriteScatteredSelection);
const GalleryPicture kBand("multi-tree-band.png",
                           "the same tree while the scripted user drags a selection band from "
                           "empty space: the band is drawn inverted, the lines it meets selected",
                           WriteBandMidDrag);
const GalleryPicture kFrozen("lazy-tree-loading.png",
                             "a lazy tree (`KWaitingTreeCtrl`) frozen while a branch is filled: "
                             "the placeholder \"Loading...\" with its wait icon",
                             WriteFrozenLazyTree);

} // namespace
