// A layout dialog (KLayoutDialog) with its size grip: at the size its template gives, and
// with its grip dragged by the scripted user, the tree following.

#include "Gallery.h"

#include "vornui/vornui.h"

#include <iterator>

namespace {

constexpr UINT IDD_SOUNDINGS = 3301;
enum : WORD { IDC_SOUNDINGS = 1001, IDC_LINE_LABEL, IDC_LINE, IDC_TIDE, IDC_SPEED };

constexpr DialogItemTemplate kSoundingsItems[] = {
    {"ListBox", "", IDC_SOUNDINGS, WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_NOTIFY, 0, 7, 7, 140,
     70},
    {"Static", "Line:", IDC_LINE_LABEL, WS_VISIBLE, 0, 7, 84, 24, 10},
    {"Edit", "Line 12, second pass", IDC_LINE, WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 0, 34, 82,
     113, 12},
    {"Button", "Apply &tide", IDC_TIDE, WS_VISIBLE | BS_AUTOCHECKBOX, 0, 7, 100, 60, 10},
    {"Button", "Sound &speed", IDC_SPEED, WS_VISIBLE | BS_AUTOCHECKBOX, 0, 70, 100, 60, 10},
    {"Button", "OK", IDOK, WS_VISIBLE | BS_DEFPUSHBUTTON, 0, 43, 116, 50, 14},
    {"Button", "Cancel", IDCANCEL, WS_VISIBLE | BS_PUSHBUTTON, 0, 97, 116, 50, 14},
};

constexpr DialogTemplate kSoundings{DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                    0,
                                    20,
                                    20,
                                    154,
                                    137,
                                    "Soundings",
                                    "MS Shell Dlg",
                                    8,
                                    kSoundingsItems,
                                    static_cast<WORD>(std::size(kSoundingsItems))};

class CSoundingsDlg : public KLayoutDialog {
public:
    CSoundingsDlg() : KLayoutDialog(IDD_SOUNDINGS, nullptr, nullptr, true) {}

protected:
    BOOL OnInitDialog() override {
        KLayoutDialog::OnInitDialog();
        for (const char* line : {"0001  12:00:01  21.25 m", "0002  12:00:02  21.50 m",
                                 "0003  12:00:03  21.75 m", "0004  12:00:04  22.00 m"})
            SendDlgItemMessage(IDC_SOUNDINGS, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
        UpdateLayout(CreateRoot(layVertical)
                     << item(IDC_SOUNDINGS)
                     << (pane(layHorizontal, layAbsoluteVert)
                         << item(IDC_LINE_LABEL, layFixedSize | layAlignVCenter)
                         << item(IDC_LINE, layAbsoluteVert))
                     << (pane(layHorizontal, layAbsoluteVert)
                         << item(IDC_TIDE, layFixedSize) << item(IDC_SPEED, layFixedSize)
                         << itemGrowing(layHorizontal))
                     << (pane(layHorizontal, layAbsoluteVert)
                         << itemGrowing(layHorizontal) << item(IDOK, layFixedSize)
                         << item(IDCANCEL, layFixedSize)));
        return TRUE;
    }
};

int WriteSoundings(const char* path, int dx, int dy) {
    AddResource(AfxGetInstanceHandle(), RT_DIALOG, MAKEINTRESOURCE(IDD_SOUNDINGS), &kSoundings,
                sizeof kSoundings);
    CSoundingsDlg dialog;
    if (!dialog.Create(IDD_SOUNDINGS))
        return 1;
    dialog.ShowWindow(SW_SHOW);
    if (dx || dy) {
        CRect grip;
        dialog.GetDlgItem(AFX_IDW_STATUS_BAR)->GetWindowRect(&grip);
        const POINT corner{grip.right - 3, grip.bottom - 3};
        CScriptedUser user;
        user.Drag({corner, POINT{corner.x + dx, corner.y + dy}});
        user.ActIn(dialog.m_hWnd);
    }
    const int result = SaveWindowPicture(dialog, path);
    dialog.DestroyWindow();
    return result;
}

const GalleryPicture kLayoutDialogSmall("layout-dialog-small.png",
                                        "A layout dialog with its size grip", [](const char* path) {
                                            return WriteSoundings(path, 0, 0);
                                        });
const GalleryPicture
    kLayoutDialogLarge("layout-dialog-large.png", "The grip dragged: the pane tree follows",
                       [](const char* path) { return WriteSoundings(path, 180, 90); });

} // namespace
