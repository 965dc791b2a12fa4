// The templates of the three editor dialogs.

#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/DialogTemplate.h"
#include "vornui/platform/EditControl.h"
#include "vornui/platform/ListBoxControl.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/Static.h"
#include "vornui/platform/WindowStyles.h"
#include "vornui/resources/EditorDialogIds.h"
#include "vornui/resources/LibraryResources.h"
#include "vornui/resources/ModalDialogTemplate.h"

#include <iterator>

namespace {

constexpr DWORD kButton = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kDefaultButton = WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr DWORD kList =
    WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
constexpr WORD kNoId = 0xFFFF;

constexpr DialogItemTemplate kEditStringItems[] = {
    {"Edit", "", IDC_STRING_VALUE, WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 0, 7, 7,
     172, 14},
    {"Button", "OK", IDOK, kDefaultButton, 0, 75, 29, 50, 14},
    {"Button", "Cancel", IDCANCEL, kButton, 0, 129, 29, 50, 14},
};

constexpr DialogItemTemplate kEditSequenceItems[] = {
    {"ListBox", "", IDC_SEQUENCE_LIST, kList, 0, 7, 7, 146, 136},
    {"Button", "&Edit", IDC_SEQUENCE_EDIT, kButton, 0, 163, 7, 50, 14},
    {"Button", "&Delete", IDC_SEQUENCE_DELETE, kButton, 0, 163, 24, 50, 14},
    {"Button", "&Copy", IDC_SEQUENCE_COPY, kButton, 0, 163, 41, 50, 14},
    {"Button", "&New", IDC_SEQUENCE_NEW, kButton, 0, 163, 58, 50, 14},
    {"Button", "&Up", IDC_SEQUENCE_UP, kButton, 0, 163, 75, 50, 14},
    {"Button", "Do&wn", IDC_SEQUENCE_DOWN, kButton, 0, 163, 92, 50, 14},
    {"Button", "OK", IDOK, kDefaultButton, 0, 163, 112, 50, 14},
    {"Button", "Cancel", IDCANCEL, kButton, 0, 163, 129, 50, 14},
};

constexpr DialogItemTemplate kIncludeExcludeItems[] = {
    {"Static", "Exclude", kNoId, WS_VISIBLE | SS_LEFT, 0, 7, 7, 105, 8},
    {"ListBox", "", IDC_EXCLUDED_LIST, kList | LBS_SORT | LBS_MULTIPLESEL, 0, 7, 18, 105, 116},
    {"Button", "", IDC_MOVE_TO_INCLUDED, kButton | BS_ICON, 0, 120, 52, 20, 18},
    {"Button", "", IDC_MOVE_TO_EXCLUDED, kButton | BS_ICON, 0, 120, 78, 20, 18},
    {"Static", "Include", kNoId, WS_VISIBLE | SS_LEFT, 0, 148, 7, 105, 8},
    {"ListBox", "", IDC_INCLUDED_LIST, kList | LBS_MULTIPLESEL, 0, 148, 18, 105, 116},
    {"Button", "OK", IDOK, kDefaultButton, 0, 148, 141, 50, 14},
    {"Button", "Cancel", IDCANCEL, kButton, 0, 203, 141, 50, 14},
};

constexpr DialogTemplate kEditString =
    ModalDialogTemplate(186, 50, "Edit string", kEditStringItems, std::size(kEditStringItems));
constexpr DialogTemplate kEditSequence = ModalDialogTemplate(
    220, 150, "Edit sequence", kEditSequenceItems, std::size(kEditSequenceItems));
constexpr DialogTemplate kIncludeExclude = ModalDialogTemplate(
    260, 162, "Include/exclude", kIncludeExcludeItems, std::size(kIncludeExcludeItems));

void AddTemplate(HMODULE library, WORD id, const DialogTemplate& dialog) {
    AddResource(library, RT_DIALOG, MAKEINTRESOURCE(id), &dialog, sizeof dialog);
}

} // namespace

void RegisterEditorDialogs(HMODULE library) {
    AddTemplate(library, IDD_EDIT_STRING, kEditString);
    AddTemplate(library, IDD_EDIT_SEQUENCE, kEditSequence);
    AddTemplate(library, IDD_INCLUDE_EXCLUDE, kIncludeExclude);
}
