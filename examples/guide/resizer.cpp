// Guide example: a dialog made resizable by a window resizer, with its two lists in a split
// container, a row of buttons in a flow panel and OK and Cancel in the corner; the program
// resizes it, and a scripted user drags the splitter and the frame.
#include "vornui/vornui.h"

#include <cstdio>
#include <iterator>

namespace {

constexpr UINT IDD_LAYERS = 3101;
constexpr int IDC_LAYERS = 100;
constexpr int IDC_NOTES = 101;
constexpr int IDC_DEPTH = 102;
constexpr int IDC_BACKSCATTER = 103;
constexpr int IDC_SIDESCAN = 104;

constexpr DWORD kButton = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DialogItemTemplate kItems[] = {
    {"ListBox", "", IDC_LAYERS, WS_VISIBLE | WS_BORDER | WS_TABSTOP, 0, 7, 7, 100, 80},
    {"Edit", "", IDC_NOTES, WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_MULTILINE, 0, 111, 7, 102, 80},
    {"Button", "Depth", IDC_DEPTH, kButton, 0, 7, 92, 50, 14},
    {"Button", "Backscatter", IDC_BACKSCATTER, kButton, 0, 61, 92, 50, 14},
    {"Button", "Side scan", IDC_SIDESCAN, kButton, 0, 115, 92, 50, 14},
    {"Button", "OK", IDOK, kButton | BS_DEFPUSHBUTTON, 0, 109, 126, 50, 14},
    {"Button", "Cancel", IDCANCEL, kButton, 0, 163, 126, 50, 14},
};
// A sizing frame, since the resizer follows the window's size but does not make the frame.
constexpr DialogTemplate kLayers{DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME,
                                 0,
                                 0,
                                 0,
                                 220,
                                 147,
                                 "Survey layers",
                                 "MS Shell Dlg",
                                 8,
                                 kItems,
                                 static_cast<WORD>(std::size(kItems))};

// The host's dialog: it hooks its resizer once its controls exist.
class CLayersDlg : public CDialog {
public:
    CLayersDlg() : CDialog(IDD_LAYERS) {}
    CWndResizer m_resizer;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_resizer.Hook(this);
        // The user may make it up to 80 pixels narrower than designed, but no lower.
        CRect client;
        GetClientRect(&client);
        CSize minimum(client.Width() - 80, client.Height());
        m_resizer.SetMinimumSize("_root", minimum);

        // The lists side by side, sharing the width in their designed proportion.
        m_resizer.CreateSplitContainer("lists", IDC_LAYERS, IDC_NOTES);
        m_resizer.SetAnchor("lists", anchorLeft | anchorTop | anchorRight | anchorBottom);

        // The layer buttons flow like words in a strip two rows high along the bottom.
        CRect first, last;
        GetDlgItem(IDC_DEPTH)->GetWindowRect(&first);
        GetDlgItem(IDC_SIDESCAN)->GetWindowRect(&last);
        ScreenToClient(&first);
        ScreenToClient(&last);
        const CRect strip(first.left, first.top, last.right, first.bottom + 4 + first.Height());
        m_resizer.CreateFlowLayoutPanel("layer buttons", &strip);
        for (const UINT id : {IDC_DEPTH, IDC_BACKSCATTER, IDC_SIDESCAN})
            m_resizer.SetParent(id, "layer buttons");
        m_resizer.SetFlowItemSpacingX("layer buttons", 4);
        m_resizer.SetFlowItemSpacingY("layer buttons", 4);
        m_resizer.SetAnchor("layer buttons", anchorLeft | anchorRight | anchorBottom);

        m_resizer.SetAnchor(IDOK, anchorRight | anchorBottom);
        m_resizer.SetAnchor(IDCANCEL, anchorRight | anchorBottom);
        m_resizer.SetShowResizeGrip(TRUE);
        m_resizer.InvokeOnResized();
        return TRUE;
    }
};

void Show(CLayersDlg& dialog, const char* when) {
    CRect client;
    dialog.GetClientRect(&client);
    UINT splitter = 0;
    dialog.m_resizer.GetSplitterPosition("lists", splitter);
    std::printf("%s: client %d x %d, splitter at %u\n", when, client.Width(), client.Height(),
                splitter);
    const struct {
        int id;
        const char* name;
    } controls[] = {
        {IDC_LAYERS, "layers"}, {IDC_NOTES, "notes"}, {IDC_SIDESCAN, "Side scan"}, {IDOK, "OK"}};
    for (const auto& control : controls) {
        CRect rect;
        dialog.GetDlgItem(control.id)->GetWindowRect(&rect);
        dialog.ScreenToClient(&rect);
        std::printf("  %-12s (%3d, %3d)  %3d x %3d\n", control.name, rect.left, rect.top,
                    rect.Width(), rect.Height());
    }
}

POINT OnScreen(CWnd& window, int x, int y) {
    POINT point{x, y};
    window.ClientToScreen(&point);
    return point;
}

} // namespace

int main() {
    AddResource(AfxGetInstanceHandle(), RT_DIALOG, MAKEINTRESOURCE(IDD_LAYERS), &kLayers,
                sizeof kLayers);
    CLayersDlg dialog;
    dialog.Create(IDD_LAYERS);
    dialog.ShowWindow(SW_SHOW);
    Show(dialog, "as designed");

    // The program sizes the window; WM_SIZE reaches the resizer, which moves the controls.
    CRect frame;
    dialog.GetWindowRect(&frame);
    dialog.SetWindowPos(nullptr, 0, 0, frame.Width() + 200, frame.Height() + 100,
                        SWP_NOMOVE | SWP_NOZORDER);
    Show(dialog, "200 x 100 larger");

    // The user drags the splitter 80 pixels to the left: resting on it takes it, the
    // press and the moves drag it.
    UINT splitter = 0;
    dialog.m_resizer.GetSplitterPosition("lists", splitter);
    CRect notes;
    dialog.GetDlgItem(IDC_NOTES)->GetWindowRect(&notes);
    dialog.ScreenToClient(&notes);
    const int grip = static_cast<int>(splitter) + 2;
    const int y = notes.CenterPoint().y;
    {
        CScriptedUser user;
        user.MouseMove(OnScreen(dialog, grip, y))
            .Drag({OnScreen(dialog, grip, y), OnScreen(dialog, grip - 40, y),
                   OnScreen(dialog, grip - 80, y)});
        user.ActIn(dialog);
    }
    Show(dialog, "splitter dragged");

    // The user drags the right edge far to the left: the window stops at its minimum, and
    // the layer buttons no longer fit in one row.
    {
        CScriptedUser user;
        user.DragFrame(HTRIGHT, -600, 0);
        user.ActIn(dialog);
    }
    Show(dialog, "right edge dragged 600 to the left");
    dialog.DestroyWindow();
    return 0;
}
