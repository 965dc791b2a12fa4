// Guide example: a dialog made from a template, run modally with a scripted user, laid
// out by the pane layout manager and saved as a PNG picture.
#include "vornui/vornui.h"

#include <cstdio>
#include <iterator>
#include <tuple>

namespace {

constexpr UINT IDD_TIDE_IMPORT = 3001;
constexpr int IDC_FILE_LABEL = 100;
constexpr int IDC_FILE = 101;
constexpr int IDC_LEVELS = 102;

// The template in dialog units, as a resource compiler would make it.
constexpr DialogItemTemplate kItems[] = {
    {"Static", "Tide &file:", IDC_FILE_LABEL, WS_VISIBLE | SS_LEFT, 0, 7, 9, 40, 8},
    {"Edit", "", IDC_FILE, WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0, 50, 7, 130, 12},
    {"ListBox", "", IDC_LEVELS, WS_VISIBLE | WS_BORDER | WS_TABSTOP, 0, 7, 24, 173, 50},
    {"Button", "OK", IDOK, WS_VISIBLE | BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 76, 80, 50, 14},
    {"Button", "Cancel", IDCANCEL, WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, 0, 130, 80, 50, 14},
};
constexpr DialogTemplate kTideImport{DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION |
                                         WS_SYSMENU,
                                     0,
                                     0,
                                     0,
                                     187,
                                     101,
                                     "Tide import",
                                     "MS Shell Dlg",
                                     8,
                                     kItems,
                                     static_cast<WORD>(std::size(kItems))};

// The host's dialog class: it keeps the file name when the user presses OK.
class CTideImportDlg : public CDialog {
public:
    CTideImportDlg() : CDialog(IDD_TIDE_IMPORT) {}
    CString m_strFile;

protected:
    void OnOK() override {
        GetDlgItemText(IDC_FILE, m_strFile);
        CDialog::OnOK();
    }
};

// The controls as a pane tree: the file row and the buttons keep their height, the list
// takes what is left.
KLayoutMgr::CPane BuildLayout(KLayoutMgr& layout) {
    return layout.CreateRoot(layVertical, 6, 7)
           << (layout.pane(layHorizontal, layAbsoluteVert, 5, 0)
               << layout.item(IDC_FILE_LABEL, layFixedSize | layAlignVCenter)
               << layout.item(IDC_FILE, layAbsoluteVert))
           << layout.item(IDC_LEVELS, layGreedy)
           << (layout.pane(layHorizontal, layAbsoluteVert, 5, 0)
               << layout.itemGrowing(layHorizontal) << layout.item(IDOK, layFixedSize)
               << layout.item(IDCANCEL, layFixedSize));
}

} // namespace

int main() {
    // The host's own template, registered with its module: the dialog finds it through
    // the resource chain by id, as it finds the library's templates.
    AddResource(AfxGetInstanceHandle(), RT_DIALOG, MAKEINTRESOURCE(IDD_TIDE_IMPORT), &kTideImport,
                sizeof kTideImport);

    // A modal dialog waits for a person. A scripted user acts in it as one would.
    {
        CScriptedUser user;
        user.TypeInto(IDC_FILE, "tide_columns.txt").Click(IDOK);
        CTideImportDlg dialog;
        const INT_PTR result = dialog.DoModal();
        std::printf("\"%s\" ended with %s, file \"%s\"\n", user.DialogsShown().at(0).GetString(),
                    result == IDOK ? "IDOK" : "IDCANCEL", dialog.m_strFile.GetString());
    }

    // The same template as a modeless window, laid out by a pane tree at two sizes.
    CTideImportDlg dialog;
    dialog.Create(IDD_TIDE_IMPORT);
    dialog.ModifyStyle(DS_MODALFRAME, WS_THICKFRAME);
    dialog.ShowWindow(SW_SHOW);
    for (const char* level : {"00:00  1.86 m", "00:30  2.14 m", "01:00  2.37 m"})
        dialog.SendDlgItemMessage(IDC_LEVELS, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(level));
    KLayoutMgr layout(&dialog);
    KLayoutMgr::CPane root = BuildLayout(layout);
    for (const auto& [width, height, path] : {std::tuple{320, 200, "tide-import-small.png"},
                                              std::tuple{480, 320, "tide-import-large.png"}}) {
        dialog.SetWindowPos(nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
        CRect client;
        dialog.GetClientRect(&client);
        root->resizeTo(client);
        CRect list;
        dialog.GetDlgItem(IDC_LEVELS)->GetWindowRect(&list);
        std::printf("%d x %d: list %d x %d, %s %s\n", width, height, list.Width(), list.Height(),
                    path, RenderWindowToPng(dialog, path) ? "written" : "NOT written");
    }
    dialog.DestroyWindow();
    return 0;
}
