// The templates of the three template selection dialogs.

#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/DialogTemplate.h"
#include "vornui/platform/EditControl.h"
#include "vornui/platform/ListBoxControl.h"
#include "vornui/platform/ListCtrl.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/Static.h"
#include "vornui/platform/WindowStyles.h"
#include "vornui/resources/LibraryResources.h"
#include "vornui/resources/ModalDialogTemplate.h"
#include "vornui/resources/TemplateDialogIds.h"

#include <iterator>

namespace {

constexpr DWORD kButton = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kDefaultButton = WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr DWORD kLabel = WS_VISIBLE | SS_LEFT;
constexpr DWORD kFrame = WS_VISIBLE | BS_GROUPBOX;
constexpr DWORD kTemplateList =
    WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
constexpr DWORD kPreview =
    WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS;
constexpr WORD kNoId = 0xFFFF;

// The tide and CTD dialogs share one layout: the data file above, the templates on the
// left with their buttons below, the preview on the right with its status below.
constexpr DialogItemTemplate kDataTemplateItems[] = {
    {"Static", "Filename:", kNoId, kLabel, 0, 7, 9, 34, 8},
    {"Edit", "", IDC_TEMPLATE_FILENAME,
     WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_READONLY, 0, 43, 7, 252, 12},
    {"Button", "Open...", IDC_TEMPLATE_OPEN, kButton, 0, 299, 6, 54, 14},
    {"Static", "Templates:", kNoId, kLabel, 0, 7, 27, 110, 8},
    {"ListBox", "", IDC_TEMPLATE_LIST, kTemplateList, 0, 7, 38, 110, 150},
    {"Button", "New...", IDC_TEMPLATE_NEW, kButton, 0, 7, 192, 35, 14},
    {"Button", "Edit...", IDC_TEMPLATE_EDIT, kButton, 0, 45, 192, 35, 14},
    {"Button", "Delete", IDC_TEMPLATE_DELETE, kButton, 0, 83, 192, 34, 14},
    {"Static", "Preview:", kNoId, kLabel, 0, 124, 27, 229, 8},
    {WC_LISTVIEW, "", IDC_TEMPLATE_PREVIEW, kPreview, 0, 124, 38, 229, 150},
    {"Static", "", IDC_TEMPLATE_STATUS, kLabel, 0, 124, 195, 229, 8},
    {"Button", "OK", IDOK, kDefaultButton, 0, 249, 214, 50, 14},
    {"Button", "Cancel", IDCANCEL, kButton, 0, 303, 214, 50, 14},
};

constexpr DialogItemTemplate kTemplateSelectItems[] = {
    {"Button", "Template", kNoId, kFrame, 0, 7, 7, 122, 156},
    {"ListBox", "", IDC_SVP_TEMPLATE_LIST, kTemplateList, 0, 14, 19, 108, 118},
    {"Button", "New", IDC_SVP_NEW, kButton, 0, 14, 142, 34, 14},
    {"Button", "Edit", IDC_SVP_EDIT, kButton, 0, 51, 142, 34, 14},
    {"Button", "Update", IDC_SVP_UPDATE, kButton, 0, 88, 142, 34, 14},
    {"Button", "Interpreted values", kNoId, kFrame, 0, 136, 7, 178, 156},
    {WC_LISTVIEW, "", IDC_SVP_PREVIEW, kPreview, 0, 143, 19, 164, 137},
    {"Button", "OK", IDOK, kDefaultButton, 0, 210, 170, 50, 14},
    {"Button", "Cancel", IDCANCEL, kButton, 0, 264, 170, 50, 14},
};

constexpr DialogTemplate kTideTemplate = ModalDialogTemplate(
    360, 235, "Choose Tide Template...", kDataTemplateItems, std::size(kDataTemplateItems));
constexpr DialogTemplate kCtdTemplate = ModalDialogTemplate(
    360, 235, "Choose CTD Template...", kDataTemplateItems, std::size(kDataTemplateItems));
constexpr DialogTemplate kTemplateSelect = ModalDialogTemplate(
    321, 191, "Select template", kTemplateSelectItems, std::size(kTemplateSelectItems));

void AddTemplate(HMODULE library, WORD id, const DialogTemplate& dialog) {
    AddResource(library, RT_DIALOG, MAKEINTRESOURCE(id), &dialog, sizeof dialog);
}

} // namespace

void RegisterTemplateDialogs(HMODULE library) {
    AddTemplate(library, IDD_CTD_TEMPLATE, kCtdTemplate);
    AddTemplate(library, IDD_TIDE_TEMPLATE, kTideTemplate);
    AddTemplate(library, IDD_TEMPLATE_SELECT, kTemplateSelect);
}
