// Guide example: masked edits in a host's dialog, typed into by a scripted user, and the
// values the host reads back when OK is pressed.
#include "vornui/vornui.h"

#include <cstdio>
#include <iterator>
#include <string>

namespace {

constexpr UINT IDD_LINE_START = 3201;
constexpr int IDC_DATE = 100;
constexpr int IDC_TIME = 101;
constexpr int IDC_LINE = 102;
constexpr int IDC_PIN = 103;

// Plain edits in the template; the dialog makes them masked edits.
constexpr DWORD kEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DialogItemTemplate kItems[] = {
    {"Static", "Date:", 0xFFFF, WS_VISIBLE, 0, 7, 9, 40, 8},
    {"Edit", "", IDC_DATE, kEdit, 0, 50, 7, 90, 12},
    {"Static", "Time:", 0xFFFF, WS_VISIBLE, 0, 7, 25, 40, 8},
    {"Edit", "", IDC_TIME, kEdit, 0, 50, 23, 90, 12},
    {"Static", "Line:", 0xFFFF, WS_VISIBLE, 0, 7, 41, 40, 8},
    {"Edit", "", IDC_LINE, kEdit, 0, 50, 39, 90, 12},
    {"Static", "PIN:", 0xFFFF, WS_VISIBLE, 0, 7, 57, 40, 8},
    {"Edit", "", IDC_PIN, kEdit, 0, 50, 55, 90, 12},
    {"Button", "OK", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 35, 75, 50, 14},
    {"Button", "Cancel", IDCANCEL, WS_VISIBLE | WS_TABSTOP, 0, 90, 75, 50, 14},
};
constexpr DialogTemplate kLineStart{DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION,
                                    0,
                                    0,
                                    0,
                                    150,
                                    96,
                                    "Line start",
                                    "MS Shell Dlg",
                                    8,
                                    kItems,
                                    static_cast<WORD>(std::size(kItems))};

class CLineStartDlg : public CDialog {
public:
    CLineStartDlg() : CDialog(IDD_LINE_START) {}
    CmEdit m_date, m_time, m_line, m_pin;
    CString m_shown[4], m_values[4], m_fullLine;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_date.SubclassDlgItem(IDC_DATE, this);
        m_date.SetMask("[0-3][0-9].[01][0-9].[0-9][0-9][0-9][0-9]");
        m_time.SubclassDlgItem(IDC_TIME, this);
        m_time.SetMask("[0-2][0-9]:[0-5][0-9]");
        m_line.SubclassDlgItem(IDC_LINE, this);
        m_line.SetMask("[a-zA-Z][a-zA-Z]-[0-9][0-9][0-9]");
        m_line.ConverToUpper(true);
        m_pin.SubclassDlgItem(IDC_PIN, this);
        m_pin.SetMask("[0-9][0-9][0-9][0-9]");
        m_pin.SetPasswordChar('*');
        return TRUE;
    }
    // What the window shows, and the values alone.
    void OnOK() override {
        const CmEdit* edits[] = {&m_date, &m_time, &m_line, &m_pin};
        for (int index = 0; index < 4; ++index) {
            char shown[64];
            ::GetWindowText(*edits[index], shown, sizeof shown);
            m_shown[index] = shown;
            m_values[index] = edits[index]->GetData();
        }
        m_line.CopyNonMasked(true);
        m_fullLine = m_line.GetData();
        CDialog::OnOK();
    }
};

} // namespace

int main() {
    AddResource(AfxGetInstanceHandle(), RT_DIALOG, MAKEINTRESOURCE(IDD_LINE_START), &kLineStart,
                sizeof kLineStart);
    CScriptedUser user;
    // The separators need not be typed; characters a position does not take are dropped.
    user.TypeInto(IDC_DATE, "06x12.2026");
    user.TypeInto(IDC_TIME, "0930");
    user.TypeInto(IDC_LINE, "ab123");
    user.TypeInto(IDC_PIN, "4711");
    user.Click(IDOK);
    CLineStartDlg dialog;
    if (dialog.DoModal() != IDOK)
        return 1;
    const char* names[] = {"date", "time", "line", "PIN"};
    for (int index = 0; index < 4; ++index)
        std::printf("%-5s shows %-12s GetData() \"%s\"\n", names[index],
                    ("\"" + std::string(dialog.m_shown[index].GetString()) + "\"").c_str(),
                    dialog.m_values[index].GetString());
    std::printf("line with CopyNonMasked(true): \"%s\"\n", dialog.m_fullLine.GetString());
    return 0;
}
