#include "Gallery.h"

#include "vornui/vornui.h"

#include <cstdio>

namespace {

enum : UINT {
    kStartLine = 40001,
    kStopLine,
    kShowGrid,
    kDepth,
    kBackscatter,
    kProperties,
};

// A chart of planned survey lines on open water.
class LineChart : public CView {
protected:
    void OnDraw(CDC* dc) override {
        CRect client;
        GetClientRect(&client);
        dc->FillSolidRect(&client, RGB(214, 232, 245));
        CPen grid(PS_SOLID, 1, RGB(180, 205, 225));
        CPen* previous = dc->SelectObject(&grid);
        for (int x = 20; x < client.right; x += 40) {
            dc->MoveTo(x, 0);
            dc->LineTo(x, client.bottom);
        }
        CPen line(PS_SOLID, 2, RGB(200, 60, 40));
        dc->SelectObject(&line);
        for (int y = 30; y < client.bottom - 20; y += 28) {
            dc->MoveTo(30, y);
            dc->LineTo(client.right - 30, y + 12);
        }
        dc->SelectObject(previous);
    }
};

// The planning program's frame: its update handlers grey Stop line while no line runs and
// check Show grid while the grid shows, as the menu opens.
class LineFrame : public CFrameWnd {
protected:
    void OnStartLine() { m_running = true; }
    void OnStopLine() { m_running = false; }
    void OnShowGrid() { m_grid = !m_grid; }
    void OnLayer(UINT) {}
    void OnProperties() {}
    void OnUpdateStopLine(CCmdUI* cmdUI) { cmdUI->Enable(m_running); }
    void OnUpdateShowGrid(CCmdUI* cmdUI) { cmdUI->SetCheck(m_grid ? 1 : 0); }

    DECLARE_MESSAGE_MAP()

private:
    bool m_running = false;
    bool m_grid = true;
};

BEGIN_MESSAGE_MAP(LineFrame, CFrameWnd)
ON_COMMAND(kStartLine, &ThisClass::OnStartLine)
ON_COMMAND(kStopLine, &ThisClass::OnStopLine)
ON_COMMAND(kShowGrid, &ThisClass::OnShowGrid)
ON_COMMAND_RANGE(kDepth, kBackscatter, &ThisClass::OnLayer)
ON_COMMAND(kProperties, &ThisClass::OnProperties)
ON_UPDATE_COMMAND_UI(kStopLine, &ThisClass::OnUpdateStopLine)
ON_UPDATE_COMMAND_UI(kShowGrid, &ThisClass::OnUpdateShowGrid)
END_MESSAGE_MAP()

void AddMenuBar(CFrameWnd& frame) {
    CMenu bar;
    bar.CreateMenu();
    for (const char* title : {"&File", "&Edit", "&View", "&Line", "&Help"}) {
        CMenu popup;
        popup.CreatePopupMenu();
        popup.AppendMenu(MF_STRING, kProperties, "&Properties...");
        bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(popup.Detach()), title);
    }
    frame.SetMenu(&bar);
    bar.Detach(); // the frame keeps its menu bar
}

// Start line, Stop line, a separator, Show grid, Layers with its submenu, another
// separator and Properties.
void BuildLineMenu(CMenu& menu) {
    CMenu layers;
    layers.CreatePopupMenu();
    layers.AppendMenu(MF_STRING | MF_CHECKED, kDepth, "&Depth");
    layers.AppendMenu(MF_STRING, kBackscatter, "&Backscatter");
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, kStartLine, "&Start line\tF5");
    menu.AppendMenu(MF_STRING, kStopLine, "S&top line\tF6");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, kShowGrid, "Show &grid\tCtrl+G");
    menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(layers.Detach()), "&Layers");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, kProperties, "&Properties...");
}

int WriteOpenPopupMenu(const char* path) {
    auto* frame = new LineFrame; // deletes itself with its window
    if (!frame->Create(nullptr, "Line planning", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                       CRect(100, 100, 500, 380)))
        return 1;
    AddMenuBar(*frame);
    auto* chart = new LineChart;
    chart->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(), frame, AFX_IDW_PANE_FIRST);
    frame->RecalcLayout();
    frame->UpdateWindow();

    CMenu menu;
    BuildLineMenu(menu);
    CRect view;
    chart->GetWindowRect(&view);
    const CPoint opensAt(view.left + 140, view.top + 60);
    int result = 1;
    CScriptedUser user;
    // The pointer rests on Show grid, so that it is drawn selected, while the picture is
    // taken; then the menu is closed.
    user.Then([&](HWND) {
        RECT item;
        GetMenuItemRect(nullptr, menu, 3, &item);
        PostMouseInput(GetCurrentThreadId(), WM_MOUSEMOVE, CRect(item).CenterPoint());
        return ModalAction::Acted;
    });
    user.Then([&](HWND menuWindow) {
        result = SaveWindowsPicture(*frame, *CWnd::FromHandle(menuWindow), path);
        return ModalAction::Acted;
    });
    user.DismissMenu();
    menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, opensAt.x, opensAt.y, frame);
    frame->DestroyWindow();
    return result;
}

const GalleryPicture kPopupMenuPicture("popup-menu.png",
                                       "A popup menu open over a frame with a menu bar: a "
                                       "separator, a checked, a greyed and a selected item",
                                       WriteOpenPopupMenu);

} // namespace
