// A layout wizard (KLayoutPropertySheet with KLayoutPropertyPage pages) on its second page,
// its corner dragged by the scripted user: the page fills the space above the divider, the
// list grows with it, the up-down control stays beside its edit box, and Back and Next keep
// together at the bottom right, 12 pixels before Cancel.

#include "Gallery.h"

#include "vornui/vornui.h"

#include <iterator>

namespace {

constexpr UINT IDD_LINE_NAME = 3311;
constexpr UINT IDD_LINE_PASSES = 3312;
enum : WORD { IDC_NAME = 1101, IDC_LINES, IDC_PASS_LABEL, IDC_PASSES, IDC_PASS_SPIN, IDC_NOTE };

constexpr DialogItemTemplate kNameItems[] = {
    {"Static", "Line &name:", 0xFFFF, WS_VISIBLE, 0, 7, 9, 40, 8},
    {"Edit", "Line 12", IDC_NAME, WS_VISIBLE | WS_TABSTOP | WS_BORDER, 0, 50, 7, 150, 12},
};
constexpr DialogTemplate kName{DS_SETFONT | WS_CHILD | WS_CAPTION,
                               0,
                               0,
                               0,
                               210,
                               70,
                               "Line",
                               "MS Shell Dlg",
                               8,
                               kNameItems,
                               static_cast<WORD>(std::size(kNameItems))};

constexpr DialogItemTemplate kPassesItems[] = {
    {"ListBox", "", IDC_LINES, WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL, 0, 7, 7, 196, 40},
    {"Static", "&Passes:", IDC_PASS_LABEL, WS_VISIBLE, 0, 7, 54, 30, 8},
    {"Edit", "2", IDC_PASSES, WS_VISIBLE | WS_TABSTOP | WS_BORDER, 0, 40, 52, 60, 12},
    {UPDOWN_CLASS, "", IDC_PASS_SPIN,
     WS_VISIBLE | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ARROWKEYS, 0, 0, 0, 10,
     12},
};
constexpr DialogTemplate kPasses{DS_SETFONT | WS_CHILD | WS_CAPTION,
                                 0,
                                 0,
                                 0,
                                 210,
                                 70,
                                 "Passes",
                                 "MS Shell Dlg",
                                 8,
                                 kPassesItems,
                                 static_cast<WORD>(std::size(kPassesItems))};

class CLineNamePage : public KLayoutPropertyPage {
public:
    CLineNamePage() : KLayoutPropertyPage(IDD_LINE_NAME) {}

    BOOL OnInitDialog() override {
        KLayoutPropertyPage::OnInitDialog();
        UpdateLayout(CreateRoot(layVertical) << (pane(layHorizontal, layAbsoluteVert)
                                                 << item(0xFFFF, layFixedSize | layAlignVCenter)
                                                 << item(IDC_NAME, layAbsoluteVert))
                                             << itemGrowing(layVertical));
        return TRUE;
    }
};

class CLinePassesPage : public KLayoutPropertyPage {
public:
    CLinePassesPage() : KLayoutPropertyPage(IDD_LINE_PASSES) {}

    BOOL OnSetActive() override {
        static_cast<CPropertySheet*>(GetParent())->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
        return KLayoutPropertyPage::OnSetActive();
    }
    BOOL OnInitDialog() override {
        KLayoutPropertyPage::OnInitDialog();
        for (const char* line :
             {"Line 12, first pass  (0.0 - 2.4 km)", "Line 12, second pass (2.4 - 0.0 km)",
              "Line 13, first pass  (0.0 - 2.6 km)"})
            SendDlgItemMessage(IDC_LINES, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
        UpdateLayout(CreateRoot(layVertical)
                     << item(IDC_LINES)
                     << (pane(layHorizontal, layAbsoluteVert)
                         << item(IDC_PASS_LABEL, layFixedSize | layAlignVCenter)
                         // The edit box, with its up-down control, shares the row's width
                         // with the space after it.
                         << item(IDC_PASSES, layAbsoluteVert) << itemGrowing(layHorizontal)));
        return TRUE;
    }
};

int WriteLayoutWizard(const char* path) {
    AddResource(AfxGetInstanceHandle(), RT_DIALOG, MAKEINTRESOURCE(IDD_LINE_NAME), &kName,
                sizeof kName);
    AddResource(AfxGetInstanceHandle(), RT_DIALOG, MAKEINTRESOURCE(IDD_LINE_PASSES), &kPasses,
                sizeof kPasses);
    CLineNamePage name;
    CLinePassesPage passes;
    KLayoutPropertySheet wizard("New survey line");
    wizard.AddPage(&name);
    wizard.AddPage(&passes);
    wizard.SetWizardMode();
    if (!wizard.Create())
        return 1;
    CScriptedUser user;
    user.Click(ID_WIZNEXT).DragFrame(HTBOTTOMRIGHT, 160, 90);
    user.ActIn(wizard.m_hWnd);
    const int result = SaveWindowPicture(wizard, path);
    wizard.DestroyWindow();
    return result;
}

const GalleryPicture kLayoutWizard("layout-wizard.png",
                                   "a layout wizard (`KLayoutPropertySheet`) on its second page, "
                                   "its corner dragged: the page and its list follow, Back and "
                                   "Next keep together",
                                   WriteLayoutWizard);

} // namespace
