// Guide example: a dialog laid out by a pane tree. It grows with the user's sizing, stops at
// the least size its tree allows, shows a size grip, and comes back where the user left it,
// maximised or not, from the application profile. Then a wizard whose page is laid out by a
// tree: the sheet stops at the least size its page needs, and the page and the buttons follow
// the sheet.
#include "vornui/vornui.h"

#include <cstdio>
#include <cstring>
#include <iterator>

namespace {

constexpr UINT IDD_TIDE = 3201;
constexpr int IDC_STATIONS = 100;
constexpr int IDC_OFFSET_LABEL = 101;
constexpr int IDC_OFFSET = 102;

constexpr DWORD kButton = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DialogItemTemplate kItems[] = {
    {"ListBox", "", IDC_STATIONS, WS_VISIBLE | WS_BORDER | WS_TABSTOP, 0, 7, 7, 150, 70},
    {"Static", "Offset (m):", IDC_OFFSET_LABEL, WS_VISIBLE, 0, 7, 84, 40, 10},
    {"Edit", "0.00", IDC_OFFSET, WS_VISIBLE | WS_BORDER | WS_TABSTOP, 0, 50, 82, 107, 12},
    {"Button", "OK", IDOK, kButton | BS_DEFPUSHBUTTON, 0, 53, 100, 50, 14},
    {"Button", "Cancel", IDCANCEL, kButton, 0, 107, 100, 50, 14},
};
// No sizing frame here: the layout dialog adds it.
constexpr DialogTemplate kTide{DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX,
                               0,
                               20,
                               20,
                               164,
                               120,
                               "Tide stations",
                               "MS Shell Dlg",
                               8,
                               kItems,
                               static_cast<WORD>(std::size(kItems))};

constexpr UINT IDD_LINE = 3202;
constexpr int IDC_LINES = 110;
constexpr int IDC_LINE_NAME = 111;

constexpr DialogItemTemplate kLineItems[] = {
    {"ListBox", "", IDC_LINES, WS_VISIBLE | WS_BORDER | WS_TABSTOP, 0, 7, 7, 146, 50},
    {"Edit", "Line 12", IDC_LINE_NAME, WS_VISIBLE | WS_BORDER | WS_TABSTOP, 0, 7, 62, 146, 12},
};
constexpr DialogTemplate kLine{DS_SETFONT | WS_CHILD | WS_CAPTION,
                               0,
                               0,
                               0,
                               160,
                               80,
                               "Line",
                               "MS Shell Dlg",
                               8,
                               kLineItems,
                               static_cast<WORD>(std::size(kLineItems))};

// The wizard's page: it builds its tree as a dialog does.
class CLinePage : public KLayoutPropertyPage {
public:
    CLinePage() : KLayoutPropertyPage(IDD_LINE) {}

protected:
    BOOL OnInitDialog() override {
        KLayoutPropertyPage::OnInitDialog();
        // The list is never less than 440 x 160; the sheet around the page follows.
        UpdateLayout(CreateRoot(layVertical) << item(IDC_LINES, layGreedy, 0, 0, 440, 160)
                                             << item(IDC_LINE_NAME, layAbsoluteVert));
        return TRUE;
    }
};

// The host's dialog: it builds its tree once its controls exist.
class CTideDlg : public KLayoutDialog {
public:
    CTideDlg() : KLayoutDialog(IDD_TIDE, nullptr, "Tide stations", true) {}

protected:
    BOOL OnInitDialog() override {
        KLayoutDialog::OnInitDialog();
        // The list takes what the rows below leave; it is never less than 200 x 80.
        UpdateLayout(CreateRoot(layVertical)
                     << item(IDC_STATIONS, layGreedy, 0, 0, 200, 80)
                     << (pane(layHorizontal, layAbsoluteVert)
                         << item(IDC_OFFSET_LABEL, layFixedSize | layAlignVCenter)
                         << item(IDC_OFFSET, layAbsoluteVert))
                     << (pane(layHorizontal, layAbsoluteVert)
                         << itemGrowing(layHorizontal) << item(IDOK, layFixedSize)
                         << item(IDCANCEL, layFixedSize)));
        return TRUE;
    }
};

void Show(CTideDlg& dialog, const char* when) {
    CRect window;
    dialog.GetWindowRect(&window);
    std::printf("%s: window (%d, %d) %d x %d%s\n", when, window.left, window.top, window.Width(),
                window.Height(), dialog.IsZoomed() ? ", maximised" : "");
    const struct {
        int id;
        const char* name;
    } controls[] = {{IDC_STATIONS, "stations"}, {IDC_OFFSET, "offset"}, {IDOK, "OK"}};
    for (const auto& control : controls) {
        CRect rect;
        dialog.GetDlgItem(control.id)->GetWindowRect(&rect);
        dialog.ScreenToClient(&rect);
        std::printf("  %-9s (%3d, %3d)  %3d x %3d\n", control.name, rect.left, rect.top,
                    rect.Width(), rect.Height());
    }
}

void ShowWizard(KLayoutPropertySheet& wizard, const char* when) {
    CRect window;
    wizard.GetWindowRect(&window);
    const CRect page = wizard.GetPageRect();
    std::printf("%s: window %d x %d, page (%d, %d) %d x %d\n", when, window.Width(),
                window.Height(), page.left, page.top, page.Width(), page.Height());
    const struct {
        int id;
        const char* name;
    } buttons[] = {{ID_WIZBACK, "Back"}, {ID_WIZNEXT, "Next"}, {IDCANCEL, "Cancel"}};
    for (const auto& button : buttons) {
        CRect rect;
        wizard.GetDlgItem(button.id)->GetWindowRect(&rect);
        wizard.ScreenToClient(&rect);
        std::printf("  %-7s (%3d, %3d)\n", button.name, rect.left, rect.top);
    }
}

void RunWizard() {
    CLinePage line;
    KLayoutPropertySheet wizard("New survey line");
    wizard.AddPage(&line);
    wizard.SetWizardMode();
    wizard.Create();
    ShowWizard(wizard, "wizard as made");

    // The user drags the corner out, then the other corner far in: the wizard stops where
    // its page stops.
    CScriptedUser user;
    user.DragFrame(HTBOTTOMRIGHT, 120, 60);
    user.ActIn(wizard);
    ShowWizard(wizard, "dragged 120 x 60 larger");
    user.DragFrame(HTTOPLEFT, 400, 400);
    user.ActIn(wizard);
    ShowWizard(wizard, "dragged to its least size");
    wizard.DestroyWindow();
}

} // namespace

int main() {
    AddResource(AfxGetInstanceHandle(), RT_DIALOG, MAKEINTRESOURCE(IDD_TIDE), &kTide, sizeof kTide);
    AddResource(AfxGetInstanceHandle(), RT_DIALOG, MAKEINTRESOURCE(IDD_LINE), &kLine, sizeof kLine);
    std::remove("layout-hosts.ini");
    AfxGetApp()->SetProfileFile("layout-hosts.ini");
    {
        CTideDlg dialog;
        dialog.Create(IDD_TIDE);
        dialog.ShowWindow(SW_SHOW);
        Show(dialog, "as designed");

        // The user drags the corner far up and left: the dialog stops at its least size.
        CScriptedUser user;
        user.DragFrame(HTBOTTOMRIGHT, -400, -400);
        user.ActIn(dialog);
        Show(dialog, "dragged to its least size");

        // The program moves and sizes it; the tree follows.
        dialog.MoveWindow(100, 80, 500, 360);
        Show(dialog, "moved to (100, 80), 500 x 360");
        // Maximised and closed, it keeps its placement in the profile.
        dialog.ShowWindow(SW_MAXIMIZE);
        dialog.DestroyWindow();
    }

    LPBYTE stored = nullptr;
    UINT bytes = 0;
    if (!AfxGetApp()->GetProfileBinary("Tide stations", "WindowPlacement", &stored, &bytes) ||
        bytes != sizeof(WINDOWPLACEMENT))
        return 1;
    WINDOWPLACEMENT placement{};
    std::memcpy(&placement, stored, sizeof placement);
    delete[] stored;
    std::printf("stored: %u bytes, show command %u, normal (%d, %d, %d, %d)\n", bytes,
                placement.showCmd, placement.rcNormalPosition.left, placement.rcNormalPosition.top,
                placement.rcNormalPosition.right, placement.rcNormalPosition.bottom);

    CTideDlg again;
    again.Create(IDD_TIDE);
    Show(again, "opened again");
    again.ShowWindow(SW_RESTORE);
    Show(again, "restored");
    again.DestroyWindow();

    RunWizard();
    return 0;
}
