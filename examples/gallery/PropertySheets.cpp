// Property sheets: a settings sheet whose first page the scripted user has touched (its tab
// marked " *", Apply on), with Move and Print under the tabs, at its opening size and with
// its corner dragged; a wizard on its middle page; a page holding a sheet of sub-pages in a
// group box.

#include "Gallery.h"

#include "vornui/vornui.h"

#include <functional>
#include <iterator>

namespace {

enum : WORD { IDC_DEPTH = 1201, IDC_SPIN, IDC_TIDE, IDC_UNIT, IDC_SENSORS, IDC_GROUP, IDC_NOTE };

constexpr DialogItemTemplate kGeneralItems[] = {
    {"Static", "&Depth limit (m):", 0xFFFF, WS_VISIBLE, 0, 7, 9, 60, 8},
    {"Edit", "", IDC_DEPTH, WS_VISIBLE | WS_TABSTOP | WS_BORDER, 0, 70, 7, 40, 12},
    {UPDOWN_CLASS, "", IDC_SPIN, WS_VISIBLE, 0, 111, 7, 10, 12},
    {"Button", "Apply &tide", IDC_TIDE, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 7, 26, 80,
     10},
    {"ComboBox", "", IDC_UNIT, WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, 0, 7, 42, 70, 60},
    {"ListBox", "", IDC_SENSORS, WS_VISIBLE | WS_TABSTOP | WS_BORDER, 0, 130, 7, 70, 50},
};
constexpr DialogTemplate kGeneral{DS_SETFONT | WS_CHILD | WS_CAPTION,
                                  0,
                                  0,
                                  0,
                                  270,
                                  90,
                                  "&General",
                                  "MS Shell Dlg",
                                  8,
                                  kGeneralItems,
                                  static_cast<WORD>(std::size(kGeneralItems))};
constexpr DialogItemTemplate kNoteItems[] = {
    {"Static", "Notes for the line log:", 0xFFFF, WS_VISIBLE, 0, 7, 7, 120, 8},
    {"Edit", "Second pass, swell 1.5 m", IDC_NOTE, WS_VISIBLE | WS_TABSTOP | WS_BORDER, 0, 7, 18,
     150, 12},
};
constexpr DialogTemplate kNotes{DS_SETFONT | WS_CHILD | WS_CAPTION,
                                0,
                                0,
                                0,
                                270,
                                90,
                                "&Notes",
                                "MS Shell Dlg",
                                8,
                                kNoteItems,
                                static_cast<WORD>(std::size(kNoteItems))};
constexpr DialogItemTemplate kGroupItems[] = {
    {"Button", "Sensors", IDC_GROUP, WS_VISIBLE | BS_GROUPBOX, 0, 4, 4, 262, 100},
};
constexpr DialogTemplate kGroup{DS_SETFONT | WS_CHILD | WS_CAPTION,
                                0,
                                0,
                                0,
                                270,
                                108,
                                "&Sensors",
                                "MS Shell Dlg",
                                8,
                                kGroupItems,
                                1};
constexpr DialogTemplate kGyro{
    DS_SETFONT | WS_CHILD | WS_CAPTION, 0, 0, 0, 150, 50, "Gyro", "MS Shell Dlg", 8, kNoteItems, 1};
constexpr DialogTemplate kSonar{DS_SETFONT | WS_CHILD | WS_CAPTION,
                                0,
                                0,
                                0,
                                150,
                                50,
                                "Sonar",
                                "MS Shell Dlg",
                                8,
                                kNoteItems,
                                1};

// A page made from one of the templates above.
template <class Page = KPropertyPage>
Page* MakePage(const DialogTemplate& dialog) {
    auto* page = new Page;
    page->m_psp.dwFlags |= PSP_DLGINDIRECT;
    page->m_psp.pResource = &dialog;
    return page;
}

class GeneralPage : public KPropertyPage {
protected:
    BOOL OnInitDialog() override {
        KPropertyPage::OnInitDialog();
        SetDlgItemText(IDC_DEPTH, "250");
        for (const char* unit : {"metres", "feet", "fathoms"})
            SendDlgItemMessage(IDC_UNIT, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(unit));
        SendDlgItemMessage(IDC_UNIT, CB_SETCURSEL, 0);
        for (const char* sensor : {"Gyro", "Sonar", "GNSS"})
            SendDlgItemMessage(IDC_SENSORS, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(sensor));
        return TRUE;
    }
};

// Runs `sheet` modelessly, lets the scripted user do `steps` in it, writes it and closes it
// (a modeless KPropertySheetEx frees its pages and itself).
int Picture(KPropertySheetEx* sheet, const char* path,
            const std::function<void(CScriptedUser&)>& steps) {
    if (!sheet->Create(nullptr, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_3DLOOK |
                                    WS_VISIBLE)) {
        delete sheet;
        return 1;
    }
    CScriptedUser user;
    steps(user);
    user.ActIn(sheet->m_hWnd);
    const int result = SaveWindowPicture(*sheet, path);
    sheet->DestroyWindow();
    return result;
}

KPropertySheetEx* SettingsSheet() {
    auto* sheet = new KPropertySheetEx("Survey settings", nullptr, 0, 0x0004 | 0x0020 | 0x0200);
    sheet->AddPage(MakePage<GeneralPage>(kGeneral));
    sheet->AddPage(MakePage(kNotes));
    return sheet;
}

int WriteTouched(const char* path) {
    return Picture(SettingsSheet(), path,
                   [](CScriptedUser& user) { user.TypeInto(IDC_DEPTH, "300").Click(IDC_TIDE); });
}

int WriteTouchedLarge(const char* path) {
    return Picture(SettingsSheet(), path, [](CScriptedUser& user) {
        user.TypeInto(IDC_DEPTH, "300").DragFrame(HTBOTTOMRIGHT, 120, 60);
    });
}

int WriteWizard(const char* path) {
    auto* sheet = new KPropertySheetEx("New survey line", nullptr, 0, 0);
    sheet->AddPage(MakePage<GeneralPage>(kGeneral));
    sheet->AddPage(MakePage(kNotes));
    sheet->AddPage(MakePage(kGyro));
    sheet->SetWizardMode();
    return Picture(sheet, path, [](CScriptedUser& user) { user.Click(ID_WIZNEXT); });
}

int WriteNested(const char* path) {
    auto* sheet = new KPropertySheetEx("Vessel", nullptr, 0, 0);
    auto* sensors = new KPropertyPageSheet(0, 0, 1, IDC_GROUP);
    sensors->m_psp.dwFlags |= PSP_DLGINDIRECT;
    sensors->m_psp.pResource = &kGroup;
    // The sub-pages belong to the host, which frees them after the sheet is gone.
    KPropertyPage* gyro = MakePage(kGyro);
    KPropertyPage* sonar = MakePage(kSonar);
    sensors->AddPage(gyro);
    sensors->AddPage(sonar);
    sheet->AddPage(sensors);
    sheet->AddPage(MakePage(kNotes));
    const int result = Picture(sheet, path, [](CScriptedUser&) {});
    delete gyro;
    delete sonar;
    return result;
}

const GalleryPicture kTouched("property-sheet-touched.png",
                              "a `KPropertySheetEx` whose first page the scripted user changed: "
                              "its tab marked \" *\", Apply on, the extra buttons Move and Print "
                              "under the tabs",
                              WriteTouched);
const GalleryPicture kTouchedLarge("property-sheet-large.png",
                                   "the same sheet with its corner dragged: the page fills the "
                                   "space between the tabs and the buttons",
                                   WriteTouchedLarge);
const GalleryPicture kWizard("property-sheet-wizard.png",
                             "a wizard on its middle page, with Back and Next", WriteWizard);
const GalleryPicture kNested("property-sheet-nested.png",
                             "a `KPropertyPageSheet`: a page holding a sheet of sub-pages in its "
                             "group box",
                             WriteNested);

} // namespace
