#include "vornui/platform/internal/ChooserListing.h"

#include "vornui/platform/FileSystem.h"
#include "vornui/platform/internal/TextPieces.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> PatternsOf(const CString& patterns) {
    const std::vector<std::string_view> entries = SplitTrimmed(patterns.GetString(), ';');
    return {entries.begin(), entries.end()};
}

bool Matches(const std::string& name, const std::vector<std::string>& patterns) {
    return patterns.empty() ||
           std::any_of(patterns.begin(), patterns.end(), [&](const std::string& pattern) {
               return MatchesFilePattern(name.c_str(), pattern.c_str());
           });
}

bool Hidden(const std::string& name) {
    return name.empty() || name.front() == '.';
}

// Calls `visit` with each entry of `folder` that is not hidden, until it returns false.
template <typename Visit>
void VisitEntries(const std::string& folder, Visit visit) {
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        std::error_code statError;
        if (!Hidden(name) && !visit(std::move(name), *it, it->is_directory(statError)))
            return;
    }
}

} // namespace

std::vector<ChooserEntry> ListChooserFolder(const std::string& folder, const CString& patterns) {
    const std::vector<std::string> wanted = PatternsOf(patterns);
    std::vector<ChooserEntry> entries;
    VisitEntries(folder, [&](std::string name, const fs::directory_entry& entry, bool isFolder) {
        if (isFolder) {
            entries.push_back(ChooserEntry{std::move(name), true, 0});
        } else if (Matches(name, wanted)) {
            std::error_code error;
            const uintmax_t size = entry.file_size(error);
            entries.push_back(ChooserEntry{std::move(name), false, error ? 0 : size});
        }
        return true;
    });
    std::sort(entries.begin(), entries.end(), [](const ChooserEntry& a, const ChooserEntry& b) {
        if (a.folder != b.folder)
            return a.folder;
        return CompareNoCase1252(a.name, b.name) < 0;
    });
    return entries;
}

std::vector<std::string> SubfolderNames(const std::string& folder) {
    std::vector<std::string> names;
    VisitEntries(folder, [&](std::string name, const fs::directory_entry&, bool isFolder) {
        if (isFolder)
            names.push_back(std::move(name));
        return true;
    });
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return CompareNoCase1252(a, b) < 0;
    });
    return names;
}

bool HasSubfolders(const std::string& folder) {
    bool found = false;
    VisitEntries(folder, [&](std::string, const fs::directory_entry&, bool isFolder) {
        found = isFolder;
        return !found;
    });
    return found;
}

std::vector<CString> TypedNames(const CString& text) {
    const std::string typed = text.GetString();
    if (typed.find('"') == std::string::npos)
        return {text};
    std::vector<CString> names;
    for (size_t open = typed.find('"'); open != std::string::npos;) {
        const size_t close = typed.find('"', open + 1);
        const std::string name = typed.substr(
            open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
        if (!name.empty())
            names.emplace_back(name.c_str());
        open = close == std::string::npos ? close : typed.find('"', close + 1);
    }
    return names;
}

CString NamesText(const std::vector<CString>& names) {
    if (names.size() == 1)
        return names.front();
    CString text;
    for (const CString& name : names)
        text += (text.IsEmpty() ? "\"" : " \"") + name + "\"";
    return text;
}
