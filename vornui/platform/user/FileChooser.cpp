#include "vornui/platform/FileChooser.h"

#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/FileContent.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/internal/ChooserWindowHooks.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

thread_local DWORD t_dialogError = 0;

BOOL Fail(DWORD error) {
    t_dialogError = error;
    return FALSE;
}

std::vector<std::pair<CString, CString>> FilterPairs(LPCSTR filter) {
    std::vector<std::pair<CString, CString>> pairs;
    while (filter && *filter) {
        const char* patterns = filter + std::strlen(filter) + 1;
        pairs.emplace_back(filter, patterns);
        if (!*patterns)
            break;
        filter = patterns + std::strlen(patterns) + 1;
    }
    return pairs;
}

FileChooserRequest RequestFor(const OPENFILENAME& ofn, bool save) {
    const fs::path proposed(NativePath(ofn.lpstrFile));
    std::error_code error;
    std::string folder = ofn.lpstrInitialDir && *ofn.lpstrInitialDir
                             ? NativePath(ofn.lpstrInitialDir)
                             : proposed.parent_path().string();
    if (folder.empty())
        folder = fs::current_path(error).string();
    return FileChooserRequest{ofn.hwndOwner,
                              save,
                              ofn.lpstrTitle ? ofn.lpstrTitle : (save ? "Save As" : "Open"),
                              folder.c_str(),
                              proposed.filename().string().c_str(),
                              FilterPairs(ofn.lpstrFilter),
                              ofn.nFilterIndex,
                              ofn.Flags};
}

// The user's answer as a full path, with the default extension when it has none.
fs::path ChosenPath(const CString& answer, const FileChooserRequest& request, LPCSTR defExt) {
    fs::path path(NativePath(answer));
    if (path.is_relative())
        path = fs::path(request.folder.GetString()) / path;
    if (defExt && *defExt && !path.has_extension())
        path += "." + std::string(defExt);
    return path.lexically_normal();
}

bool Ask(const FileChooserRequest& request, const std::string& text, UINT type, int yes) {
    return MessageBox(request.owner, text.c_str(), request.title, type) == yes;
}

// The checks the chooser makes before it lets the user's choice go; false: ask again.
bool Acceptable(const std::vector<fs::path>& files, const FileChooserRequest& request) {
    for (const fs::path& file : files) {
        std::error_code error;
        const std::string name = file.string();
        if ((request.flags & (OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST)) &&
            !fs::is_directory(file.parent_path(), error)) {
            Ask(request, name + "\nPath does not exist.\nCheck the path and try again.",
                MB_OK | MB_ICONWARNING, IDOK);
            return false;
        }
        if (fs::is_directory(file, error))
            return false; // choosing a folder opens it
        const bool exists = fs::exists(file, error);
        if (!request.save && (request.flags & OFN_FILEMUSTEXIST) && !exists) {
            Ask(request, name + "\nFile not found.\nCheck the file name and try again.",
                MB_OK | MB_ICONWARNING, IDOK);
            return false;
        }
        if (request.save && (request.flags & OFN_OVERWRITEPROMPT) && exists &&
            !Ask(request, name + " already exists.\nDo you want to replace it?",
                 MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2, IDYES))
            return false;
    }
    return true;
}

// What lpstrFile receives: the path, or the folder and each name.
std::string ResultText(const std::vector<fs::path>& files, WORD& nameOffset) {
    if (files.size() == 1) {
        const std::string path = files.front().string();
        nameOffset = static_cast<WORD>(path.size() - files.front().filename().string().size());
        return path;
    }
    std::string list = files.front().parent_path().string();
    nameOffset = static_cast<WORD>(list.size() + 1);
    for (const fs::path& file : files)
        list += '\0' + file.filename().string();
    return list + '\0';
}

BOOL Store(OPENFILENAME& ofn, const std::vector<fs::path>& files) {
    WORD nameOffset = 0;
    const std::string text = ResultText(files, nameOffset);
    if (text.size() + 1 > ofn.nMaxFile) {
        // The first two bytes tell the size needed.
        const auto needed = static_cast<WORD>(std::min<size_t>(text.size() + 1, 0xFFFF));
        if (ofn.nMaxFile >= sizeof needed)
            std::memcpy(ofn.lpstrFile, &needed, sizeof needed);
        return Fail(FNERR_BUFFERTOOSMALL);
    }
    std::memcpy(ofn.lpstrFile, text.c_str(), text.size() + 1);
    ofn.nFileOffset = nameOffset;
    const std::string name = files.front().filename().string();
    const size_t dot = name.rfind('.');
    ofn.nFileExtension = files.size() > 1           ? 0
                         : dot == std::string::npos ? static_cast<WORD>(text.size())
                                                    : static_cast<WORD>(nameOffset + dot + 1);
    if (ofn.lpstrFileTitle && ofn.nMaxFileTitle > 0) {
        const size_t copied = std::min<size_t>(name.size(), ofn.nMaxFileTitle - 1);
        std::memcpy(ofn.lpstrFileTitle, name.c_str(), copied);
        ofn.lpstrFileTitle[copied] = '\0';
    }
    return TRUE;
}

// The files of one answer; several only where the chooser lets the user choose several.
std::vector<fs::path> ChosenFiles(const std::vector<CString>& answer,
                                  const FileChooserRequest& request, const OPENFILENAME& ofn) {
    const bool several = !request.save && (ofn.Flags & OFN_ALLOWMULTISELECT);
    std::vector<fs::path> files;
    for (const CString& chosen : answer) {
        const fs::path path = ChosenPath(chosen, request, ofn.lpstrDefExt);
        // Several files come from one folder, the first one's.
        if (files.empty() || path.parent_path() == files.front().parent_path())
            files.push_back(path);
        if (!several)
            break;
    }
    return files;
}

// The person chooses in the chooser's window, which stays open until the checks pass.
BOOL RunWindow(FileChooserWindow window, OPENFILENAME& ofn, const FileChooserRequest& request) {
    std::vector<fs::path> files;
    const FileChoiceCheck check = [&](HWND chooser, const std::vector<CString>& answer) {
        FileChooserRequest asking = request; // its message boxes stand over the window
        asking.owner = chooser;
        files = ChosenFiles(answer, asking, ofn);
        return !files.empty() && Acceptable(files, asking);
    };
    if (window(request, check).empty())
        return FALSE;
    return Store(ofn, files);
}

BOOL RunChooser(LPOPENFILENAME ofn, bool save) {
    t_dialogError = 0;
    if (!ofn || ofn->lStructSize < offsetof(OPENFILENAME, pvReserved))
        return Fail(CDERR_STRUCTSIZE);
    if (!ofn->lpstrFile || ofn->nMaxFile == 0)
        return Fail(CDERR_INITIALIZATION);
    const FileChooserRequest request = RequestFor(*ofn, save);
    if (const FileChooserWindow window = FileChooserWindowShown())
        return RunWindow(window, *ofn, request);
    for (;;) {
        const std::vector<CString> answer = GetDesktopUser().AnswerFileChooser(request);
        if (answer.empty())
            return FALSE;
        const std::vector<fs::path> files = ChosenFiles(answer, request, *ofn);
        if (Acceptable(files, request))
            return Store(*ofn, files);
    }
}

} // namespace

BOOL GetOpenFileName(LPOPENFILENAME ofn) {
    return RunChooser(ofn, false);
}

BOOL GetSaveFileName(LPOPENFILENAME ofn) {
    return RunChooser(ofn, true);
}

DWORD CommDlgExtendedError() {
    return t_dialogError;
}
