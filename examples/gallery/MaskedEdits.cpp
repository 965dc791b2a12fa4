// Masked edits in a survey line dialog: a date, a time, a latitude, a line identifier and a
// PIN, filled in by the scripted user as a person would type them (the separators, the
// degree sign and the capitals come by themselves); the latitude is left half done.

#include "Gallery.h"

#include "vornui/vornui.h"

#include <iterator>

namespace {

constexpr int kDate = 100;
constexpr int kTime = 101;
constexpr int kLatitude = 102;
constexpr int kLine = 103;
constexpr int kPin = 104;

constexpr DWORD kEditStyle = WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DialogItemTemplate kItems[] = {
    {"Static", "Date:", 0xFFFF, WS_VISIBLE | SS_LEFT, 0, 7, 9, 45, 8},
    {"Edit", "", kDate, kEditStyle, 0, 55, 7, 80, 12},
    {"Static", "Time:", 0xFFFF, WS_VISIBLE | SS_LEFT, 0, 7, 25, 45, 8},
    {"Edit", "", kTime, kEditStyle, 0, 55, 23, 80, 12},
    {"Static", "Latitude:", 0xFFFF, WS_VISIBLE | SS_LEFT, 0, 7, 41, 45, 8},
    {"Edit", "", kLatitude, kEditStyle, 0, 55, 39, 80, 12},
    {"Static", "Line:", 0xFFFF, WS_VISIBLE | SS_LEFT, 0, 7, 57, 45, 8},
    {"Edit", "", kLine, kEditStyle, 0, 55, 55, 80, 12},
    {"Static", "PIN:", 0xFFFF, WS_VISIBLE | SS_LEFT, 0, 7, 73, 45, 8},
    {"Edit", "", kPin, kEditStyle, 0, 55, 71, 80, 12},
    {"Button", "OK", IDOK, WS_VISIBLE | BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 30, 92, 50, 14},
    {"Button", "Cancel", IDCANCEL, WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, 0, 85, 92, 50, 14},
};

constexpr DialogTemplate kSurveyLine{DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION |
                                         WS_SYSMENU,
                                     0,
                                     0,
                                     0,
                                     142,
                                     113,
                                     "Survey line",
                                     "MS Shell Dlg",
                                     8,
                                     kItems,
                                     static_cast<WORD>(std::size(kItems))};

class SurveyLineDialog : public CDialog {
public:
    CmEdit m_date;
    CmEdit m_time;
    CmEdit m_latitude;
    CmEdit m_line;
    CmEdit m_pin;

    BOOL Open() {
        if (!CreateIndirect(&kSurveyLine))
            return FALSE;
        m_date.SubclassDlgItem(kDate, this);
        m_date.SetMask("[0-3][0-9].[01][0-9].[12][0-9][0-9][0-9]");
        m_time.SubclassDlgItem(kTime, this);
        m_time.SetMask("[0-2][0-9]:[0-5][0-9]:[0-5][0-9]");
        m_latitude.SubclassDlgItem(kLatitude, this);
        m_latitude.SetMask("[0-8][0-9]\xB0[0-5][0-9].[0-9][0-9][0-9]'[NSns]");
        m_latitude.ConverToUpper(true);
        m_line.SubclassDlgItem(kLine, this);
        m_line.SetMask("[a-zA-Z][a-zA-Z]-[0-9][0-9][0-9]");
        m_line.ConverToUpper(true);
        m_pin.SubclassDlgItem(kPin, this);
        m_pin.SetMask("[0-9][0-9][0-9][0-9]");
        m_pin.SetPasswordChar('*');
        ShowWindow(SW_SHOW);
        return TRUE;
    }
};

int WriteMaskedEdits(const char* path) {
    SurveyLineDialog dialog;
    if (!dialog.Open())
        return 1;
    CScriptedUser user;
    user.Click(kDate).Press(VK_HOME).Type("06122026");
    user.Press(VK_TAB).Type("093015");
    user.Press(VK_TAB).Press(VK_TAB).Type("ab-123");
    user.Press(VK_TAB).Type("4711");
    user.Click(kLatitude).Press(VK_HOME).Type("58071");
    const HWND hwnd = dialog.m_hWnd;
    if (!user.ActIn(hwnd, [hwnd](MSG* msg) { return IsDialogMessage(hwnd, msg) != FALSE; }))
        return 1;
    const int result = SaveWindowPicture(dialog, path);
    dialog.DestroyWindow();
    return result;
}

const GalleryPicture kMaskedEditsPicture("masked-edits.png",
                                         "Masked edits typed into by the scripted user",
                                         WriteMaskedEdits);

} // namespace
