#include "vornui/util/Folders.h"

#include "vornui/platform/FileSystem.h"
#include "vornui/platform/FolderChooser.h"
#include "vornui/platform/Wnd.h"

#include <string>

namespace {

// The browser's initialisation callback reads it; one browser is open at a time.
CString g_strInitialFolder;

int CALLBACK InitialiseBrowser(HWND browser, UINT message, LPARAM, LPARAM) {
    if (message == BFFM_INITIALIZED && !g_strInitialFolder.IsEmpty())
        SendMessage(browser, BFFM_SETSELECTION, TRUE,
                    reinterpret_cast<LPARAM>(g_strInitialFolder.GetString()));
    return 0;
}

CString BrowseForFolder(LPCTSTR initialFolder, LPCTSTR title, UINT flags, CWnd* parent) {
    g_strInitialFolder = initialFolder ? initialFolder : "";
    char displayName[MAX_PATH] = "";
    BROWSEINFO info{};
    const CWnd* owner = CWnd::GetSafeOwner(parent);
    info.hwndOwner = owner ? owner->GetSafeHwnd() : nullptr;
    info.pszDisplayName = displayName;
    info.lpszTitle = title;
    info.ulFlags = flags;
    info.lpfn = InitialiseBrowser;
    CString chosen;
    if (PIDLIST_ABSOLUTE folder = SHBrowseForFolder(&info)) {
        char path[MAX_PATH] = "";
        if (SHGetPathFromIDList(folder, path))
            chosen = path;
        CoTaskMemFree(folder);
    }
    return chosen;
}

bool IsSeparator(char ch) {
    return ch == '/' || ch == '\\';
}

} // namespace

int dirExist(LPCTSTR path) {
    const DWORD attributes = GetFileAttributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) ? 1 : 0;
}

bool CreateDirectoryRecursively(LPCTSTR folder) {
    std::string path = folder ? folder : "";
    while (path.size() > 1 && IsSeparator(path.back()))
        path.pop_back();
    if (path.empty() || GetFileAttributes(path.c_str()) != INVALID_FILE_ATTRIBUTES)
        return false;
    const size_t separator = path.find_last_of("/\\");
    if (separator != std::string::npos && separator > 0) {
        const std::string parent = path.substr(0, separator);
        if (!dirExist(parent.c_str()) && !CreateDirectoryRecursively(parent.c_str()))
            return false;
    }
    return CreateDirectory(path.c_str(), nullptr) != FALSE;
}

CString ChooseDirectory(LPCTSTR initialFolder, CWnd* parent) {
    return BrowseForFolder(initialFolder, nullptr, BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE,
                           parent);
}

CString ChooseDirectory2(LPCTSTR initialFolder, LPCTSTR title, CWnd* parent) {
    const bool titled = title && *title;
    return BrowseForFolder(initialFolder, titled ? title : nullptr,
                           BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE | BIF_NONEWFOLDERBUTTON,
                           parent);
}
