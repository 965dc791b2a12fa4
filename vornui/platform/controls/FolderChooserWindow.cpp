// The folder chooser's window: the caller's title, a status line where asked for, the
// tree of folders from the root (or the caller's root) opened one level at a time as the
// person opens them, and OK and Cancel. It talks to the caller's callback as the system's
// does: BFFM_INITIALIZED once it is ready, BFFM_SELCHANGED at each selection, and it
// takes BFFM_SETSELECTION, BFFM_SETEXPANDED, BFFM_ENABLEOK and BFFM_SETSTATUSTEXT.

#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/ChooserDialogItems.h"
#include "vornui/platform/DialogManager.h"
#include "vornui/platform/DialogTemplate.h"
#include "vornui/platform/FileContent.h"
#include "vornui/platform/FileSystem.h"
#include "vornui/platform/FolderChooser.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/ShellFileInfo.h"
#include "vornui/platform/Static.h"
#include "vornui/platform/TreeView.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/internal/ChooserListing.h"
#include "vornui/platform/internal/ChooserWindowHooks.h"

#include <deque>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

struct FolderWindowState {
    const BROWSEINFO& info;
    std::deque<std::string> paths; // the folder of each tree item, by its lParam
    CString selection;
    bool initialised = false;
    int folderIcon = 0;
};

HWND TreeOf(HWND dialog) {
    return GetDlgItem(dialog, IDC_FOLDERCHOOSER_TREE);
}

void Notify(HWND dialog, const FolderWindowState& state, UINT message, LPARAM lParam) {
    if (state.info.lpfn)
        state.info.lpfn(dialog, message, lParam, state.info.lParam);
}

const std::string& PathOf(const FolderWindowState& state, HTREEITEM item, HWND tree) {
    TVITEM fields{};
    fields.mask = TVIF_PARAM | TVIF_HANDLE;
    fields.hItem = item;
    SendMessage(tree, TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&fields));
    return state.paths[static_cast<size_t>(fields.lParam)];
}

HTREEITEM Insert(HWND tree, FolderWindowState& state, HTREEITEM parent, const std::string& path,
                 const std::string& shown) {
    TVINSERTSTRUCT insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<LPSTR>(shown.c_str());
    insert.item.lParam = static_cast<LPARAM>(state.paths.size());
    insert.item.cChildren = HasSubfolders(path) ? 1 : 0;
    insert.item.iImage = insert.item.iSelectedImage = state.folderIcon;
    state.paths.push_back(path);
    return reinterpret_cast<HTREEITEM>(
        SendMessage(tree, TVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&insert)));
}

HTREEITEM ChildOf(HWND tree, HTREEITEM item) {
    return reinterpret_cast<HTREEITEM>(
        SendMessage(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)));
}

HTREEITEM NextOf(HWND tree, HTREEITEM item) {
    return reinterpret_cast<HTREEITEM>(
        SendMessage(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
}

// A branch is filled the first time it opens.
void Fill(HWND tree, FolderWindowState& state, HTREEITEM item) {
    if (ChildOf(tree, item))
        return;
    const fs::path folder = PathOf(state, item, tree);
    for (const std::string& name : SubfolderNames(folder.string()))
        Insert(tree, state, item, (folder / name).string(), name);
}

// The item of `folder` under `from`, opening the branches on the way; null when the tree
// has no such folder.
HTREEITEM FindFolder(HWND tree, FolderWindowState& state, HTREEITEM from, const fs::path& folder) {
    const fs::path here = PathOf(state, from, tree);
    if (here == folder)
        return from;
    const fs::path rest = folder.lexically_relative(here);
    if (rest.empty() || *rest.begin() == "..")
        return nullptr;
    SendMessage(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(from));
    const fs::path next = here / *rest.begin();
    for (HTREEITEM child = ChildOf(tree, from); child; child = NextOf(tree, child))
        if (PathOf(state, child, tree) == next.string())
            return FindFolder(tree, state, child, folder);
    return nullptr;
}

HTREEITEM FindPath(HWND dialog, FolderWindowState& state, const CString& path) {
    if (path.IsEmpty())
        return nullptr;
    std::error_code error;
    const fs::path folder = fs::weakly_canonical(NativePath(path), error);
    const HWND tree = TreeOf(dialog);
    const auto root = reinterpret_cast<HTREEITEM>(SendMessage(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    return root && fs::is_directory(folder, error) ? FindFolder(tree, state, root, folder)
                                                   : nullptr;
}

// wParam TRUE: lParam is a path; FALSE: an item id list.
CString PathIn(WPARAM wParam, LPARAM lParam) {
    if (wParam)
        return lParam ? CString(reinterpret_cast<const char*>(lParam)) : CString();
    char path[MAX_PATH] = "";
    SHGetPathFromIDList(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam), path);
    return path;
}

void Selected(HWND dialog, FolderWindowState& state, HTREEITEM item) {
    state.selection = PathOf(state, item, TreeOf(dialog)).c_str();
    if (!state.initialised)
        return;
    PIDLIST_ABSOLUTE idList = ILCreateFromPath(state.selection);
    Notify(dialog, state, BFFM_SELCHANGED, reinterpret_cast<LPARAM>(idList));
    CoTaskMemFree(idList);
}

void Notified(HWND dialog, FolderWindowState& state, const NMHDR& header) {
    if (header.idFrom != IDC_FOLDERCHOOSER_TREE)
        return;
    const auto& change = reinterpret_cast<const NMTREEVIEW&>(header);
    if (header.code == TVN_ITEMEXPANDING && (change.action & TVE_EXPAND))
        Fill(TreeOf(dialog), state, change.itemNew.hItem);
    if (header.code == TVN_SELCHANGED && change.itemNew.hItem)
        Selected(dialog, state, change.itemNew.hItem);
}

void SelectItem(HWND tree, HTREEITEM item) {
    SendMessage(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    SendMessage(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
}

std::string RootOf(const BROWSEINFO& info) {
    char root[MAX_PATH] = "/";
    if (info.pidlRoot)
        SHGetPathFromIDList(info.pidlRoot, root);
    std::error_code error;
    return fs::weakly_canonical(NativePath(root), error).string();
}

void Initialise(HWND dialog, FolderWindowState& state) {
    SetWindowLongPtr(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&state));
    SetDlgItemText(dialog, IDC_FOLDERCHOOSER_TITLE, state.info.lpszTitle);
    ShowWindow(GetDlgItem(dialog, IDC_FOLDERCHOOSER_STATUS),
               (state.info.ulFlags & BIF_STATUSTEXT) ? SW_SHOW : SW_HIDE);
    SHFILEINFO info{};
    const auto images = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfo("folder", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof info,
                      SHGFI_USEFILEATTRIBUTES | SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    state.folderIcon = info.iIcon;
    const HWND tree = TreeOf(dialog);
    SendMessage(tree, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
    const std::string root = RootOf(state.info);
    const HTREEITEM top = Insert(tree, state, TVI_ROOT, root, root);
    SendMessage(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(top));
    SelectItem(tree, top);
    state.initialised = true;
    const CString first = state.selection;
    Notify(dialog, state, BFFM_INITIALIZED, 0);
    if (state.selection == first) // the callback hears of the selection it left
        Selected(dialog, state, top);
    SetFocus(tree);
}

INT_PTR FolderWindowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        Initialise(dialog, *reinterpret_cast<FolderWindowState*>(lParam));
        return FALSE; // the tree has the focus
    }
    auto* state = reinterpret_cast<FolderWindowState*>(GetWindowLongPtr(dialog, DWLP_USER));
    if (!state)
        return FALSE;
    switch (message) {
    case WM_NOTIFY:
        Notified(dialog, *state, *reinterpret_cast<const NMHDR*>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK && !state->selection.IsEmpty())
            EndDialog(dialog, IDOK);
        if (LOWORD(wParam) == IDCANCEL)
            EndDialog(dialog, IDCANCEL);
        return TRUE;
    case BFFM_SETSELECTION:
        if (const HTREEITEM item = FindPath(dialog, *state, PathIn(wParam, lParam)))
            SelectItem(TreeOf(dialog), item);
        return TRUE;
    case BFFM_SETEXPANDED:
        if (const HTREEITEM item = FindPath(dialog, *state, PathIn(wParam, lParam)))
            SendMessage(TreeOf(dialog), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
        return TRUE;
    case BFFM_ENABLEOK:
        EnableWindow(GetDlgItem(dialog, IDOK), lParam != 0);
        return TRUE;
    case BFFM_SETSTATUSTEXT:
        SetDlgItemText(dialog, IDC_FOLDERCHOOSER_STATUS, reinterpret_cast<LPCSTR>(lParam));
        return TRUE;
    default:
        return FALSE;
    }
}

CString ShowFolderChooser(const BROWSEINFO& info) {
    constexpr DWORD kVisibleTab = WS_VISIBLE | WS_TABSTOP;
    const DialogItemTemplate items[] = {
        {"Static", "", IDC_FOLDERCHOOSER_TITLE, WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 7, 7, 216,
         18},
        {"Static", "", IDC_FOLDERCHOOSER_STATUS, SS_LEFT | SS_NOPREFIX, 0, 7, 27, 216, 8},
        {WC_TREEVIEW, "", IDC_FOLDERCHOOSER_TREE,
         kVisibleTab | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
             TVS_SHOWSELALWAYS,
         0, 7, 38, 216, 152},
        {"Button", "OK", IDOK, kVisibleTab | BS_DEFPUSHBUTTON, 0, 116, 198, 50, 14},
        {"Button", "Cancel", IDCANCEL, kVisibleTab | BS_PUSHBUTTON, 0, 173, 198, 50, 14},
    };
    const DialogTemplate dialog{DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION |
                                    WS_SYSMENU,
                                0,
                                0,
                                0,
                                230,
                                219,
                                "Browse For Folder",
                                "MS Shell Dlg",
                                8,
                                items,
                                static_cast<WORD>(std::size(items))};
    FolderWindowState state{info, {}, {}, false, 0};
    const INT_PTR result = DialogBoxIndirectParam(
        nullptr, &dialog, info.hwndOwner, FolderWindowProc, reinterpret_cast<LPARAM>(&state));
    return result == IDOK ? state.selection : CString();
}

const bool kRegistered = RegisterFolderChooserWindow(ShowFolderChooser);

} // namespace
