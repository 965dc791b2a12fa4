// The file chooser's window: the folder it shows with a button to go up, the folder's
// contents (folders first, then the files the chosen filter lets through), the name field,
// the filters, and Open (or Save) and Cancel.

#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/ChooserDialogItems.h"
#include "vornui/platform/ComboBoxControl.h"
#include "vornui/platform/DialogManager.h"
#include "vornui/platform/DialogTemplate.h"
#include "vornui/platform/EditControl.h"
#include "vornui/platform/FileChooser.h"
#include "vornui/platform/FileContent.h"
#include "vornui/platform/FileSystem.h"
#include "vornui/platform/ListCtrl.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/ShellFileInfo.h"
#include "vornui/platform/Static.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/Wnd.h"
#include "vornui/platform/internal/ChooserListing.h"
#include "vornui/platform/internal/ChooserWindowHooks.h"

#include <algorithm>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr DWORD kVisibleTab = WS_VISIBLE | WS_TABSTOP;
constexpr int kSizeColumnWidth = 80;

struct FileWindowState {
    const FileChooserRequest& request;
    const FileChoiceCheck& check;
    std::string folder;
    CString typedPattern; // a pattern typed into the name field, until a filter is chosen
    std::vector<ChooserEntry> entries;
    std::vector<CString> chosen;
    int folderIcon = 0;
    int fileIcon = 0;
};

FileWindowState& StateOf(HWND dialog) {
    return *reinterpret_cast<FileWindowState*>(GetWindowLongPtr(dialog, DWLP_USER));
}

CString ItemText(HWND dialog, int id) {
    CString text;
    CWnd::FromHandle(dialog)->GetDlgItemText(id, text);
    return text;
}

LRESULT SendItem(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendDlgItemMessage(dialog, id, message, wParam, lParam);
}

// A name the person typed, taken in the folder shown unless it is a full path.
fs::path Resolved(const FileWindowState& state, const CString& typed) {
    fs::path path(NativePath(typed));
    if (path.is_relative())
        path = fs::path(state.folder) / path;
    return path.lexically_normal();
}

CString CurrentPatterns(HWND dialog, const FileWindowState& state) {
    if (!state.typedPattern.IsEmpty())
        return state.typedPattern;
    const auto index = static_cast<size_t>(SendItem(dialog, cmb1, CB_GETCURSEL));
    return index < state.request.filters.size() ? state.request.filters[index].second : CString();
}

CString SizeText(const ChooserEntry& entry) {
    if (entry.folder)
        return CString();
    CString text;
    text.Format("%llu KB", static_cast<unsigned long long>((entry.size + 1023) / 1024));
    return text;
}

void InsertEntry(HWND list, const FileWindowState& state, int index) {
    const ChooserEntry& entry = state.entries[static_cast<size_t>(index)];
    LVITEM item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = index;
    item.pszText = const_cast<LPSTR>(entry.name.c_str());
    item.iImage = entry.folder ? state.folderIcon : state.fileIcon;
    item.lParam = index;
    SendMessage(list, LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&item));
    const CString size = SizeText(entry);
    item.mask = LVIF_TEXT;
    item.iSubItem = 1;
    item.pszText = const_cast<LPSTR>(size.GetString());
    SendMessage(list, LVM_SETITEMTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void FillList(HWND dialog, FileWindowState& state) {
    const HWND list = GetDlgItem(dialog, lst1);
    state.entries = ListChooserFolder(state.folder, CurrentPatterns(dialog, state));
    SendMessage(list, WM_SETREDRAW, FALSE, 0);
    SendMessage(list, LVM_DELETEALLITEMS, 0, 0);
    for (int index = 0; index < static_cast<int>(state.entries.size()); ++index)
        InsertEntry(list, state, index);
    SendMessage(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

// Shows `folder` when it is one; false when it is not.
bool ShowFolder(HWND dialog, FileWindowState& state, const fs::path& folder) {
    std::error_code error;
    if (!fs::is_directory(folder, error))
        return false;
    state.folder = fs::weakly_canonical(folder, error).string();
    SetDlgItemText(dialog, edt2, state.folder.c_str());
    FillList(dialog, state);
    return true;
}

void GoUp(HWND dialog, FileWindowState& state) {
    ShowFolder(dialog, state, fs::path(state.folder).parent_path());
}

std::vector<int> SelectedItems(HWND dialog) {
    std::vector<int> items;
    for (int item = -1;;) {
        item = static_cast<int>(
            SendItem(dialog, lst1, LVM_GETNEXTITEM, static_cast<WPARAM>(item), LVNI_SELECTED));
        if (item < 0)
            return items;
        items.push_back(item);
    }
}

const ChooserEntry* EntryAt(const FileWindowState& state, int item) {
    return item >= 0 && static_cast<size_t>(item) < state.entries.size()
               ? &state.entries[static_cast<size_t>(item)]
               : nullptr;
}

// Selecting files puts their names into the name field, as the person would type them.
void SelectionChanged(HWND dialog, const FileWindowState& state) {
    std::vector<CString> names;
    for (const int item : SelectedItems(dialog))
        if (const ChooserEntry* entry = EntryAt(state, item); entry && !entry->folder)
            names.emplace_back(entry->name.c_str());
    if (!names.empty())
        SetDlgItemText(dialog, edt1, NamesText(names));
}

void FocusName(HWND dialog) {
    SetFocus(GetDlgItem(dialog, edt1));
    SendItem(dialog, edt1, EM_SETSEL, 0, -1);
}

void Choose(HWND dialog, FileWindowState& state, const std::vector<CString>& names) {
    std::vector<CString> paths;
    for (const CString& name : names)
        paths.emplace_back(Resolved(state, name).string().c_str());
    if (state.check(dialog, paths)) {
        state.chosen = std::move(paths);
        EndDialog(dialog, IDOK);
    } else {
        FocusName(dialog);
    }
}

// A folder typed into the name field is entered, a pattern filters the list; true then.
bool GoesSomewhere(HWND dialog, FileWindowState& state, const CString& typed) {
    const fs::path path = Resolved(state, typed);
    if (ShowFolder(dialog, state, path)) {
        SetDlgItemText(dialog, edt1, "");
        return true;
    }
    if (typed.FindOneOf("*?") < 0)
        return false;
    state.typedPattern = path.filename().string().c_str();
    if (!ShowFolder(dialog, state, path.parent_path()))
        FillList(dialog, state);
    return true;
}

// Open or Save, or Enter anywhere in the window.
void Accept(HWND dialog, FileWindowState& state) {
    const HWND focus = GetFocus();
    if (focus == GetDlgItem(dialog, edt2)) {
        if (!ShowFolder(dialog, state, Resolved(state, ItemText(dialog, edt2))))
            SetDlgItemText(dialog, edt2, state.folder.c_str());
        return;
    }
    const std::vector<int> selected = SelectedItems(dialog);
    const ChooserEntry* single = selected.size() == 1 ? EntryAt(state, selected.front()) : nullptr;
    CString typed = ItemText(dialog, edt1);
    typed.Trim();
    if (single && single->folder && (focus == GetDlgItem(dialog, lst1) || typed.IsEmpty())) {
        ShowFolder(dialog, state, fs::path(state.folder) / single->name);
        return;
    }
    if (typed.IsEmpty())
        return;
    const std::vector<CString> names = TypedNames(typed);
    if (names.size() == 1 && GoesSomewhere(dialog, state, names.front()))
        return;
    if (!names.empty())
        Choose(dialog, state, names);
}

void Activated(HWND dialog, FileWindowState& state, int item) {
    const ChooserEntry* entry = EntryAt(state, item);
    if (!entry)
        return;
    if (entry->folder) {
        ShowFolder(dialog, state, fs::path(state.folder) / entry->name);
        return;
    }
    SetDlgItemText(dialog, edt1, entry->name.c_str());
    Choose(dialog, state, {CString(entry->name.c_str())});
}

void AddColumns(HWND list) {
    RECT client;
    GetClientRect(list, &client);
    const int nameWidth = client.right - kSizeColumnWidth - GetSystemMetrics(SM_CXVSCROLL) - 4;
    LVCOLUMN column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = nameWidth;
    column.pszText = const_cast<LPSTR>("Name");
    SendMessage(list, LVM_INSERTCOLUMN, 0, reinterpret_cast<LPARAM>(&column));
    column.fmt = LVCFMT_RIGHT;
    column.cx = kSizeColumnWidth;
    column.iSubItem = 1;
    column.pszText = const_cast<LPSTR>("Size");
    SendMessage(list, LVM_INSERTCOLUMN, 1, reinterpret_cast<LPARAM>(&column));
}

// The shell's small icons for a folder and a file, in its system image list.
void SetIcons(HWND list, FileWindowState& state) {
    SHFILEINFO info{};
    const auto images = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfo("folder", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof info,
                      SHGFI_USEFILEATTRIBUTES | SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    state.folderIcon = info.iIcon;
    SHGetFileInfo("file", FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                  SHGFI_USEFILEATTRIBUTES | SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
    state.fileIcon = info.iIcon;
    SendMessage(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
}

void FillFilters(HWND dialog, const FileChooserRequest& request) {
    for (const auto& [description, patterns] : request.filters)
        SendItem(dialog, cmb1, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(description.GetString()));
    const DWORD index = request.filterIndex > 0 ? request.filterIndex - 1 : 0;
    SendItem(dialog, cmb1, CB_SETCURSEL,
             index < request.filters.size() ? static_cast<WPARAM>(index) : 0);
}

void Initialise(HWND dialog, FileWindowState& state) {
    SetWindowLongPtr(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&state));
    const HWND list = GetDlgItem(dialog, lst1);
    AddColumns(list);
    SetIcons(list, state);
    SendMessage(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    FillFilters(dialog, state.request);
    SetDlgItemText(dialog, edt1, state.request.fileName);
    if (!ShowFolder(dialog, state, NativePath(state.request.folder))) {
        std::error_code error;
        ShowFolder(dialog, state, fs::current_path(error));
    }
    FocusName(dialog);
}

void Notified(HWND dialog, FileWindowState& state, const NMHDR& header) {
    if (header.idFrom != lst1)
        return;
    if (header.code == NM_DBLCLK)
        Activated(dialog, state, reinterpret_cast<const NMITEMACTIVATE&>(header).iItem);
    if (header.code == LVN_KEYDOWN && reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == VK_BACK)
        GoUp(dialog, state);
    if (header.code == LVN_ITEMCHANGED) {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if ((change.uChanged & LVIF_STATE) &&
            ((change.uNewState ^ change.uOldState) & LVIS_SELECTED))
            SelectionChanged(dialog, state);
    }
}

void Commanded(HWND dialog, FileWindowState& state, int id, int code) {
    switch (id) {
    case IDOK:
        Accept(dialog, state);
        break;
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        break;
    case psh1:
        GoUp(dialog, state);
        break;
    case cmb1:
        // A filter picked, even the one shown, replaces a pattern the person typed.
        if (code == CBN_SELCHANGE || (code == CBN_SELENDOK && !state.typedPattern.IsEmpty())) {
            state.typedPattern.Empty();
            FillList(dialog, state);
        }
        break;
    default:
        break;
    }
}

INT_PTR FileWindowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        Initialise(dialog, *reinterpret_cast<FileWindowState*>(lParam));
        return FALSE; // the name field has the focus
    case WM_COMMAND:
        Commanded(dialog, StateOf(dialog), LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_NOTIFY:
        Notified(dialog, StateOf(dialog), *reinterpret_cast<const NMHDR*>(lParam));
        return TRUE;
    default:
        return FALSE;
    }
}

std::vector<DialogItemTemplate> ItemsFor(const FileChooserRequest& request) {
    const bool several = !request.save && (request.flags & OFN_ALLOWMULTISELECT);
    const DWORD listStyle = kVisibleTab | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS |
                            LVS_SHAREIMAGELISTS | LVS_NOSORTHEADER | (several ? 0 : LVS_SINGLESEL);
    const DWORD field = kVisibleTab | WS_BORDER | ES_AUTOHSCROLL;
    const DWORD label = WS_VISIBLE | SS_LEFT;
    return {
        {"Static", request.save ? "Save &in:" : "Look &in:", stc4, label, 0, 7, 9, 44, 8},
        {"Edit", "", edt2, field, 0, 54, 7, 214, 12},
        {"Button", "&Up", psh1, kVisibleTab | BS_PUSHBUTTON, 0, 272, 6, 31, 14},
        {WC_LISTVIEW, "", lst1, listStyle, 0, 7, 25, 296, 120},
        {"Static", "File &name:", stc3, label, 0, 7, 154, 50, 8},
        {"Edit", "", edt1, field, 0, 60, 152, 180, 12},
        {"Button", request.save ? "&Save" : "&Open", IDOK, kVisibleTab | BS_DEFPUSHBUTTON, 0, 250,
         151, 53, 14},
        {"Static", request.save ? "Save as &type:" : "Files of &type:", stc2, label, 0, 7, 173, 50,
         8},
        {"ComboBox", "", cmb1, kVisibleTab | CBS_DROPDOWNLIST, 0, 60, 171, 180, 80},
        {"Button", "Cancel", IDCANCEL, kVisibleTab | BS_PUSHBUTTON, 0, 250, 170, 53, 14},
    };
}

std::vector<CString> ShowFileChooser(const FileChooserRequest& request,
                                     const FileChoiceCheck& check) {
    const std::vector<DialogItemTemplate> items = ItemsFor(request);
    const DialogTemplate dialog{DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION |
                                    WS_SYSMENU,
                                0,
                                0,
                                0,
                                310,
                                191,
                                request.title,
                                "MS Shell Dlg",
                                8,
                                items.data(),
                                static_cast<WORD>(items.size())};
    FileWindowState state{request, check, {}, {}, {}, {}};
    const INT_PTR result = DialogBoxIndirectParam(nullptr, &dialog, request.owner, FileWindowProc,
                                                  reinterpret_cast<LPARAM>(&state));
    return result == IDOK ? state.chosen : std::vector<CString>{};
}

const bool kRegistered = RegisterFileChooserWindow(ShowFileChooser);

} // namespace
