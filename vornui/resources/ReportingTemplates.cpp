#include "vornui/platform/Button.h"
#include "vornui/platform/DialogTemplate.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/ProgressCtrl.h"
#include "vornui/platform/Static.h"
#include "vornui/resources/LibraryResources.h"
#include "vornui/resources/ReportingIds.h"

#include <iterator>

namespace {

constexpr DWORD kPopupDialog = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION;
constexpr DWORD kLabel = WS_VISIBLE | SS_LEFT;
constexpr DWORD kButton = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kBar = PBS_SMOOTH | WS_BORDER;

constexpr DialogItemTemplate kProgressItems[] = {
    {"Static", "", IDC_STATUS_TEXT, kLabel, 0, 7, 7, 200, 25},
    {"Static", " 0 %", IDC_PROGRESS_VALUE, kLabel, 0, 97, 37, 18, 8},
    {PROGRESS_CLASS, "", IDC_PROGRESS_BAR, WS_VISIBLE | kBar, 0, 7, 47, 200, 13},
    {"Button", "&Cancel", IDCANCEL, kButton, 0, 82, 67, 50, 14},
};
constexpr DialogTemplate kProgress{kPopupDialog,
                                   0,
                                   0,
                                   0,
                                   214,
                                   88,
                                   "",
                                   "MS Sans Serif",
                                   8,
                                   kProgressItems,
                                   std::size(kProgressItems)};

constexpr DialogItemTemplate kCounterItems[] = {
    {"Static", "", IDC_STATUS_TEXT, kLabel, 0, 7, 7, 156, 13},
    {"Static", "000", IDC_PROGRESS_VALUE, WS_VISIBLE | SS_RIGHT, 0, 175, 7, 32, 8},
    {PROGRESS_CLASS, "", IDC_PROGRESS_BAR, kBar, 0, 7, 7, 55, 13},
    {"Button", "&Cancel", IDCANCEL, kButton, 0, 82, 24, 50, 14},
};
constexpr DialogTemplate kCounter{kPopupDialog,
                                  0,
                                  0,
                                  0,
                                  214,
                                  46,
                                  "",
                                  "MS Sans Serif",
                                  8,
                                  kCounterItems,
                                  std::size(kCounterItems)};

constexpr DialogItemTemplate kMessageItems[] = {
    {"Static", "", IDC_STATUS_TEXT, kLabel, 0, 13, 7, 158, 30},
};
constexpr DialogTemplate kMessage{
    kPopupDialog | WS_SYSMENU, 0, 0, 0, 186, 44, "Message", "MS Sans Serif", 8, kMessageItems,
    std::size(kMessageItems)};

constexpr DialogItemTemplate kYesNoToAllItems[] = {
    {"Button", "Yes", IDC_ANSWER_YES, kButton, 0, 24, 27, 50, 14},
    {"Button", "Yes to all", IDC_ANSWER_YES_TO_ALL, kButton, 0, 86, 27, 50, 14},
    {"Button", "No", IDC_ANSWER_NO, kButton, 0, 154, 27, 50, 14},
    {"Button", "No to all", IDC_ANSWER_NO_TO_ALL, kButton, 0, 216, 27, 50, 14},
};
constexpr DialogTemplate kYesNoToAll{DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION |
                                         WS_SYSMENU,
                                     0,
                                     0,
                                     0,
                                     289,
                                     48,
                                     "Dialog",
                                     "MS Shell Dlg",
                                     8,
                                     kYesNoToAllItems,
                                     std::size(kYesNoToAllItems)};

void AddTemplate(HMODULE library, UINT id, const DialogTemplate& dialogTemplate) {
    AddResource(library, RT_DIALOG, MAKEINTRESOURCE(id), &dialogTemplate, sizeof dialogTemplate);
}

} // namespace

void RegisterReportingTemplates(HMODULE library) {
    AddTemplate(library, IDD_PROGRESS, kProgress);
    AddTemplate(library, IDD_PROGRESS_COUNTER, kCounter);
    AddTemplate(library, IDD_MESSAGE, kMessage);
    AddTemplate(library, IDD_YES_NO_TO_ALL, kYesNoToAll);
}
