// Guide example: a settings sheet with two touched-tracking pages, a listener that hears
// every change, and the extra buttons Move and Print; a scripted user changes the depth
// limit, looks at the tab, and ends the sheet with Print.
#include "vornui/vornui.h"

#include <cstdio>
#include <iterator>

namespace {

constexpr int IDC_DEPTH = 100;
constexpr int IDC_TIDE = 101;

constexpr DialogItemTemplate kItems[] = {
    {"Edit", "", IDC_DEPTH, WS_VISIBLE | WS_TABSTOP | WS_BORDER, 0, 7, 7, 60, 12},
    {"Button", "Apply &tide", IDC_TIDE, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 7, 25, 80,
     10},
};
constexpr DialogTemplate kGeneral{
    DS_SETFONT | WS_CHILD | WS_CAPTION,  0, 0, 0, 180, 60, "&General", "MS Shell Dlg", 8, kItems,
    static_cast<WORD>(std::size(kItems))};
constexpr DialogTemplate kNotes{
    DS_SETFONT | WS_CHILD | WS_CAPTION, 0, 0, 0, 180, 60, "&Notes", "MS Shell Dlg", 8, nullptr, 0};

// The host's page: its data go through data exchange as on any dialog.
class CGeneralPage : public KPropertyPage {
public:
    CGeneralPage() {
        m_psp.dwFlags |= PSP_DLGINDIRECT;
        m_psp.pResource = &kGeneral;
    }
    int m_depth = 250;

protected:
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Text(dx, IDC_DEPTH, m_depth);
        DDV_MinMaxInt(dx, m_depth, 0, 12000);
    }
};

// The host's window that wants to hear of changes at once.
class CListener : public CWnd {
public:
    CListener() { CreateEx(0, nullptr, "listener", WS_POPUP, CRect(0, 0, 1, 1), nullptr, 0); }
    // The page's other commands (focus, updates) arrive with their own codes; this
    // listener only reports the changes, code 99.
    BOOL OnCommand(WPARAM wParam, LPARAM) override {
        if (HIWORD(wParam) == 99)
            std::printf("listener: page %u touched\n", LOWORD(wParam));
        return TRUE;
    }
};

CString TabText(CPropertySheet& sheet, int index) {
    CTabCtrl* tab = sheet.GetTabControl();
    char text[64] = "";
    TCITEM item{TCIF_TEXT, 0, 0, text, sizeof text, 0, 0};
    tab->GetItem(index, &item);
    return text;
}

} // namespace

int main() {
    CListener listener;
    CGeneralPage general;
    general.SetListener2Notify(listener.m_hWnd);
    KPropertyPage notes;
    notes.m_psp.dwFlags |= PSP_DLGINDIRECT;
    notes.m_psp.pResource = &kNotes;

    // Apply, and the extra buttons Move and Print.
    KPropertySheetEx sheet("Survey settings", nullptr, 0, 0x0004 | 0x0020 | 0x0200);
    sheet.AddPage(&general);
    sheet.AddPage(&notes);

    CScriptedUser user;
    user.TypeInto(IDC_DEPTH, "300")
        .Then([&sheet](HWND) {
            std::printf("tab: \"%s\"\n", TabText(sheet, 0).GetString());
            return ModalAction::Acted;
        })
        .Click(14005); // Print
    const INT_PTR result = sheet.DoModal();

    std::printf("result %s, modal button 0x%04X\n", result == IDOK ? "IDOK" : "other",
                sheet.WhatModalButton());
    std::printf("depth %d, depth touched %s, tide touched %s\n", general.m_depth,
                general.IsItemTouched(IDC_DEPTH) ? "yes" : "no",
                general.IsItemTouched(IDC_TIDE) ? "yes" : "no");
    return 0;
}
