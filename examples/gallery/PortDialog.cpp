// A connection dialog of the demo's own, built from a dialog template, alone and laid out
// by the pane engine at two sizes.

#include "PortDialog.h"

#include "Gallery.h"

#include "vornui/vornui.h"

#include <cstdio>
#include <iterator>
#include <optional>

namespace {

constexpr int kPortLabel = 100;
constexpr int kPort = 101;
constexpr int kBaudLabel = 102;
constexpr int kBaud = 103;
constexpr int kAddressLabel = 104;
constexpr int kAddress = 105;
constexpr int kChecks = 106;
constexpr int kRaw = 107;
constexpr int kTimestamps = 108;
constexpr int kSerial = 109;
constexpr int kUdp = 110;
constexpr int kTest = 111;

constexpr DialogItemTemplate kItems[] = {
    {"Button", "Connection", 0xFFFF, WS_VISIBLE | BS_GROUPBOX, 0, 7, 5, 110, 44},
    {"Button", "&Serial", kSerial, WS_VISIBLE | BS_AUTORADIOBUTTON | WS_GROUP, 0, 14, 17, 50, 10},
    {"Button", "&UDP", kUdp, WS_VISIBLE | BS_AUTORADIOBUTTON, 0, 14, 32, 50, 10},
    {"Static", "&Port:", kPortLabel, WS_VISIBLE | SS_LEFT, 0, 125, 9, 40, 8},
    {"ComboBox", "", kPort, WS_VISIBLE | CBS_DROPDOWNLIST | WS_TABSTOP, 0, 170, 7, 70, 60},
    {"Static", "&Baud rate:", kBaudLabel, WS_VISIBLE | SS_LEFT, 0, 125, 25, 40, 8},
    {"ListBox", "", kBaud, WS_VISIBLE | WS_BORDER | LBS_NOTIFY | WS_TABSTOP, 0, 170, 23, 70, 26},
    {"Static", "&Address:", kAddressLabel, WS_VISIBLE | SS_LEFT, 0, 7, 58, 40, 8},
    {"Edit", "127.0.0.1:14886", kAddress, WS_VISIBLE | WS_BORDER | WS_TABSTOP, 0, 50, 56, 67, 12},
    {"Button", "Options", kChecks, WS_VISIBLE | BS_GROUPBOX, 0, 125, 52, 115, 38},
    {"Button", "Send &raw data to viewer", kRaw, WS_VISIBLE | BS_AUTOCHECKBOX, 0, 132, 63, 105, 10},
    {"Button", "&Time stamps", kTimestamps, WS_VISIBLE | BS_AUTOCHECKBOX, 0, 132, 76, 100, 10},
    {"Button", "T&est", kTest, WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, 0, 7, 76, 50, 14},
    {"Button", "OK", IDOK, WS_VISIBLE | BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 135, 96, 50, 14},
    {"Button", "Cancel", IDCANCEL, WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, 0, 190, 96, 50, 14},
};

constexpr DialogTemplate kPortDialog{DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION |
                                         WS_SYSMENU,
                                     0,
                                     0,
                                     0,
                                     247,
                                     117,
                                     "Connection",
                                     "MS Shell Dlg",
                                     8,
                                     kItems,
                                     static_cast<WORD>(std::size(kItems))};

void FillIn(CDialog& dialog) {
    dialog.CheckRadioButton(kSerial, kUdp, kSerial);
    dialog.CheckDlgButton(kRaw, BST_CHECKED);
    for (const char* port : {"COM1", "COM2", "COM3"})
        dialog.SendDlgItemMessage(kPort, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(port));
    dialog.SendDlgItemMessage(kPort, CB_SETCURSEL, 1, 0);
    for (const char* baud : {"4800", "9600", "19200", "38400"})
        dialog.SendDlgItemMessage(kBaud, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(baud));
    dialog.SendDlgItemMessage(kBaud, LB_SETCURSEL, 1, 0);
}

// The dialog's controls as a pane tree: rows that stretch with the dialog, fixed buttons
// kept at the bottom right.
KLayoutMgr::CPane BuildLayout(KLayoutMgr& layout) {
    return layout.CreateRoot(layVertical, 6, 7)
           << (layout.pane(layHorizontal, layGreedy, 10, 0)
               << (layout.paneCtrl(0xFFFF, layVertical, layGreedy, 4, 7, 8)
                   << layout.item(kSerial, layAbsoluteVert) << layout.item(kUdp, layAbsoluteVert)
                   << layout.itemGrowing(layVertical))
               << (layout.pane(layVertical, layGreedy, 6, 0)
                   << (layout.pane(layHorizontal, layAbsoluteVert, 5, 0)
                       << layout.item(kPortLabel, layFixedSize | layAlignVCenter)
                       << layout.item(kPort, layAbsoluteVert))
                   << (layout.pane(layHorizontal, layGreedy, 5, 0)
                       << layout.item(kBaudLabel, layFixedSize) << layout.item(kBaud, layGreedy))))
           << (layout.pane(layHorizontal, layAbsoluteVert, 10, 0)
               << layout.item(kAddressLabel, layFixedSize | layAlignVCenter)
               << layout.item(kAddress, layAbsoluteVert)
               << (layout.paneCtrl(kChecks, layVertical, layGreedy, 3, 7, 8)
                   << layout.item(kRaw, layAbsoluteVert)
                   << layout.item(kTimestamps, layAbsoluteVert)))
           << (layout.pane(layHorizontal, layAbsoluteVert, 5, 0)
               << layout.item(kTest, layFixedSize) << layout.itemGrowing(layHorizontal)
               << layout.item(IDOK, layFixedSize) << layout.item(IDCANCEL, layFixedSize));
}

int WriteLayoutAt(CSize size, const char* path) {
    CDialog dialog;
    if (!dialog.CreateIndirect(&kPortDialog))
        return 1;
    FillIn(dialog);
    dialog.ModifyStyle(DS_MODALFRAME, WS_THICKFRAME);
    dialog.ShowWindow(SW_SHOW);
    KLayoutMgr layout(&dialog);
    KLayoutMgr::CPane root = BuildLayout(layout);
    dialog.SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
    CRect client;
    dialog.GetClientRect(&client);
    root->resizeTo(client);
    const int result = SaveWindowPicture(dialog, path);
    dialog.DestroyWindow();
    return result;
}

int WriteDialogPicture(const char* path) {
    CDialog dialog;
    if (!dialog.CreateIndirect(&kPortDialog))
        return 1;
    FillIn(dialog);
    dialog.ShowWindow(SW_SHOW);
    const int result = SaveWindowPicture(dialog, path);
    dialog.DestroyWindow();
    return result;
}

// The port dialog laid out by the pane engine whenever its size changes.
class LaidOutPortDialog : public CDialog {
public:
    BOOL Create() {
        if (!CreateIndirect(&kPortDialog))
            return FALSE;
        FillIn(*this);
        ModifyStyle(DS_MODALFRAME, WS_THICKFRAME);
        SetWindowText("Connection (laid out)");
        m_layout.emplace(this);
        m_root.emplace(BuildLayout(*m_layout));
        SetWindowPos(nullptr, 500, 120, 420, 240, SWP_NOZORDER);
        ShowWindow(SW_SHOW);
        return TRUE;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        const LRESULT result = CDialog::WindowProc(message, wParam, lParam);
        if (message == WM_SIZE && m_root) {
            CRect client;
            GetClientRect(&client);
            (*m_root)->resizeTo(client);
        }
        return result;
    }

private:
    std::optional<KLayoutMgr> m_layout;
    std::optional<KLayoutMgr::CPane> m_root;
};

const GalleryPicture kPortDialogPicture("template-dialog.png",
                                        "A dialog built from a dialog template",
                                        WriteDialogPicture);
const GalleryPicture kLayoutSmallPicture("layout-small.png",
                                         "Laid out by the pane engine at 420 x 240",
                                         [](const char* path) {
                                             return WriteLayoutAt({420, 240}, path);
                                         });
const GalleryPicture kLayoutLargePicture("layout-large.png",
                                         "Laid out by the pane engine at 640 x 360",
                                         [](const char* path) {
                                             return WriteLayoutAt({640, 360}, path);
                                         });

} // namespace

int ShowPortDialogs() {
    if (!OpenDesktopDisplay("x11"))
        return 1;
    CDialog plain;
    LaidOutPortDialog laidOut;
    if (!plain.CreateIndirect(&kPortDialog) || !laidOut.Create())
        return 1;
    FillIn(plain);
    plain.SetWindowPos(nullptr, 40, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    plain.ShowWindow(SW_SHOW);
    // OK, Cancel and the close box hide a modeless dialog; the demo ends with the last.
    MSG msg;
    while (plain.IsWindowVisible() || laidOut.IsWindowVisible()) {
        if (!GetMessage(&msg, nullptr, 0, 0))
            break;
        if (!IsDialogMessage(plain.GetSafeHwnd(), &msg) &&
            !IsDialogMessage(laidOut.GetSafeHwnd(), &msg)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
    }
    plain.DestroyWindow();
    laidOut.DestroyWindow();
    CloseDesktopDisplay();
    return 0;
}
