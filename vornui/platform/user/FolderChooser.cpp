#include "vornui/platform/FolderChooser.h"

#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/FileContent.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowStyles.h"
#include "vornui/platform/internal/ChooserWindowHooks.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr const char* kBrowserClass = "VornuiFolderChooser";

// What the chooser's window knows while it is open.
struct ChooserState {
    const BROWSEINFO* info;
    CString selection;
    CString status;
    bool okEnabled = true;
};

const char* PathOf(PCIDLIST_ABSOLUTE idList) {
    return reinterpret_cast<const char*>(idList);
}

void Notify(HWND browser, const ChooserState& state, UINT message, LPARAM lParam) {
    if (state.info->lpfn)
        state.info->lpfn(browser, message, lParam, state.info->lParam);
}

// Selecting a folder tells the callback, as clicking it in the tree would.
void Select(HWND browser, ChooserState& state, const CString& folder) {
    if (folder == state.selection)
        return;
    state.selection = folder;
    PIDLIST_ABSOLUTE idList = ILCreateFromPath(folder);
    Notify(browser, state, BFFM_SELCHANGED, reinterpret_cast<LPARAM>(idList));
    CoTaskMemFree(idList);
}

LRESULT ChooserProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<ChooserState*>(GetWindowLongPtr(hwnd, GWLP_USERDATA));
    if (!state)
        return DefWindowProc(hwnd, message, wParam, lParam);
    switch (message) {
    case BFFM_SETSELECTION: {
        // wParam TRUE: lParam is a path; FALSE: an id list.
        const char* path = wParam ? reinterpret_cast<const char*>(lParam)
                                  : PathOf(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam));
        std::error_code error;
        if (path && fs::is_directory(NativePath(path), error))
            Select(hwnd, *state, NativePath(path).c_str());
        return 0;
    }
    case BFFM_SETSTATUSTEXT:
        state->status = reinterpret_cast<const char*>(lParam);
        return 0;
    case BFFM_ENABLEOK:
        state->okEnabled = lParam != 0;
        return 0;
    case BFFM_SETOKTEXT:
    case BFFM_SETEXPANDED:
        return 0;
    default:
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

void RegisterChooserClass() {
    static const bool registered = [] {
        WNDCLASS windowClass{};
        windowClass.lpfnWndProc = ChooserProc;
        windowClass.lpszClassName = kBrowserClass;
        return RegisterClass(&windowClass) != 0;
    }();
    (void)registered;
}

// The chooser's window, gone when the chooser is.
class ChooserWindow {
public:
    ChooserWindow(const BROWSEINFO& info, ChooserState& state) {
        RegisterChooserClass();
        m_hwnd = CreateWindowEx(0, kBrowserClass, info.lpszTitle ? info.lpszTitle : "",
                                WS_POPUP | WS_CAPTION, 0, 0, 320, 400, info.hwndOwner, nullptr,
                                nullptr, nullptr);
        if (m_hwnd)
            SetWindowLongPtr(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));
    }
    ~ChooserWindow() {
        if (m_hwnd)
            DestroyWindow(m_hwnd);
    }
    ChooserWindow(const ChooserWindow&) = delete;
    ChooserWindow& operator=(const ChooserWindow&) = delete;
    HWND Handle() const { return m_hwnd; }

private:
    HWND m_hwnd = nullptr;
};

// The user's answer as a full path; relative names are taken in the selected folder.
CString Resolved(const CString& answer, const CString& selection) {
    fs::path path(NativePath(answer));
    if (path.is_relative() && !selection.IsEmpty())
        path = fs::path(selection.GetString()) / path;
    std::error_code error;
    return fs::weakly_canonical(path, error).string().c_str();
}

void CopyDisplayName(const BROWSEINFO& info, const CString& folder) {
    if (!info.pszDisplayName)
        return;
    const std::string name = fs::path(folder.GetString()).filename().string();
    const std::string shown = name.empty() ? folder.GetString() : name;
    const size_t copied = std::min<size_t>(shown.size(), MAX_PATH - 1);
    std::memcpy(info.pszDisplayName, shown.c_str(), copied);
    info.pszDisplayName[copied] = '\0';
}

} // namespace

PIDLIST_ABSOLUTE SHBrowseForFolder(LPBROWSEINFO info) {
    if (!info)
        return nullptr;
    if (const FolderChooserWindow shown = FolderChooserWindowShown()) {
        const CString folder = shown(*info);
        if (folder.IsEmpty())
            return nullptr;
        CopyDisplayName(*info, folder);
        return ILCreateFromPath(folder);
    }
    ChooserState state{info, {}, {}, true};
    ChooserWindow window(*info, state);
    if (!window.Handle())
        return nullptr;
    Notify(window.Handle(), state, BFFM_INITIALIZED, 0);
    for (;;) {
        const CString answer = GetDesktopUser().AnswerFolderChooser(FolderChooserRequest{
            info->hwndOwner, window.Handle(), info->lpszTitle ? info->lpszTitle : "",
            state.selection, info->ulFlags});
        if (answer.IsEmpty())
            return nullptr;
        const CString folder = Resolved(answer, state.selection);
        std::error_code error;
        if (!fs::is_directory(folder.GetString(), error))
            continue; // the tree offers only folders that are there
        Select(window.Handle(), state, folder);
        if (!state.okEnabled)
            continue; // the callback keeps OK disabled for this folder
        CopyDisplayName(*info, folder);
        return ILCreateFromPath(folder);
    }
}

BOOL SHGetPathFromIDList(PCIDLIST_ABSOLUTE idList, LPSTR path) {
    if (!idList || !path)
        return FALSE;
    const char* folder = PathOf(idList);
    const size_t length = std::strlen(folder);
    if (length >= MAX_PATH) {
        path[0] = '\0';
        return FALSE;
    }
    std::memcpy(path, folder, length + 1);
    return TRUE;
}

PIDLIST_ABSOLUTE ILCreateFromPath(LPCSTR path) {
    if (!path)
        return nullptr;
    const std::string native = NativePath(path);
    char* copy = static_cast<char*>(std::malloc(native.size() + 1));
    if (copy)
        std::memcpy(copy, native.c_str(), native.size() + 1);
    return reinterpret_cast<PIDLIST_ABSOLUTE>(copy);
}

void CoTaskMemFree(LPVOID memory) {
    std::free(memory);
}
