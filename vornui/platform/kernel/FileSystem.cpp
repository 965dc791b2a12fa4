#include "vornui/platform/FileSystem.h"

#include "vornui/platform/CString.h"
#include "vornui/platform/FileContent.h"
#include "vornui/platform/LastError.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

BOOL Fail() {
    SetLastError(SystemErrorFromErrno(errno));
    return FALSE;
}

BOOL Succeed() {
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

// The system's convention for texts handed out in a caller's buffer: the length copied,
// or, when the buffer is too small, the size it would need (final zero included).
DWORD CopyOrNeededSize(std::string_view text, LPTSTR buffer, DWORD size) {
    if (!buffer || text.size() + 1 > size)
        return static_cast<DWORD>(text.size() + 1);
    std::memcpy(buffer, text.data(), text.size());
    buffer[text.size()] = '\0';
    return static_cast<DWORD>(text.size());
}

// 100-nanosecond steps since 1601-01-01.
FILETIME ToFileTime(const timespec& time) {
    constexpr ULONGLONG kEpochDifference = 11644473600ull;
    const ULONGLONG ticks = (static_cast<ULONGLONG>(time.tv_sec) + kEpochDifference) * 10000000ull +
                            static_cast<ULONGLONG>(time.tv_nsec) / 100;
    return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

DWORD AttributesOf(const std::string& path, const struct stat& info) {
    DWORD attributes = S_ISDIR(info.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE;
    // Without any write bit a file is read-only even for root, who may write anyway.
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || access(path.c_str(), W_OK) != 0)
        attributes |= FILE_ATTRIBUTE_READONLY;
    const size_t slash = path.find_last_of('/');
    const std::string_view name =
        std::string_view(path).substr(slash == std::string::npos ? 0 : slash + 1);
    if (name.size() > 1 && name.front() == '.' && name != "..")
        attributes |= FILE_ATTRIBUTE_HIDDEN;
    return attributes;
}

bool WildcardMatch(std::string_view name, std::string_view pattern) {
    // Iterative glob with one backtrack point: linear in practice, never recursive.
    size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' || ToLower1252(pattern[p]) == ToLower1252(name[n]))) {
            ++p, ++n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

struct FileSearch {
    std::string folder;
    std::vector<std::string> names;
    size_t next = 0;
};

struct SearchTable {
    std::mutex lock;
    std::map<HANDLE, std::unique_ptr<FileSearch>> searches;
};

SearchTable& Searches() {
    static SearchTable table;
    return table;
}

bool FillFindData(const FileSearch& search, const std::string& name, LPWIN32_FIND_DATA found) {
    const std::string path = search.folder + "/" + name;
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 && stat(path.c_str(), &info) != 0)
        return false;
    *found = WIN32_FIND_DATA{};
    found->dwFileAttributes = AttributesOf(path, info);
    found->ftCreationTime = ToFileTime(info.st_ctim);
    found->ftLastAccessTime = ToFileTime(info.st_atim);
    found->ftLastWriteTime = ToFileTime(info.st_mtim);
    const auto size = static_cast<ULONGLONG>(S_ISDIR(info.st_mode) ? 0 : info.st_size);
    found->nFileSizeHigh = static_cast<DWORD>(size >> 32);
    found->nFileSizeLow = static_cast<DWORD>(size);
    const size_t length = std::min(name.size(), sizeof found->cFileName - 1);
    std::memcpy(found->cFileName, name.data(), length);
    return true;
}

// Hands out the search's next name that still exists; false at the end.
bool Advance(FileSearch& search, LPWIN32_FIND_DATA found) {
    while (search.next < search.names.size())
        if (FillFindData(search, search.names[search.next++], found))
            return true;
    return false;
}

} // namespace

bool MatchesFilePattern(const char* name, const char* pattern) {
    if (!name || !pattern)
        return false;
    const std::string_view wanted = pattern;
    return wanted == "*.*" || WildcardMatch(name, wanted);
}

DWORD GetFileAttributes(LPCTSTR path) {
    const std::string native = NativePath(path);
    struct stat info {};
    if (native.empty() || stat(native.c_str(), &info) != 0) {
        Fail();
        return INVALID_FILE_ATTRIBUTES;
    }
    return AttributesOf(native, info);
}

BOOL CreateDirectory(LPCTSTR path, LPSECURITY_ATTRIBUTES) {
    if (mkdir(NativePath(path).c_str(), 0777) == 0)
        return Succeed();
    if (errno == ENOENT) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return FALSE;
    }
    return Fail();
}

BOOL RemoveDirectory(LPCTSTR path) {
    return rmdir(NativePath(path).c_str()) == 0 ? Succeed() : Fail();
}

BOOL DeleteFile(LPCTSTR path) {
    const std::string native = NativePath(path);
    struct stat info {};
    // A folder, and a read-only file, are not the system's to delete, whoever asks.
    if (stat(native.c_str(), &info) == 0 &&
        (S_ISDIR(info.st_mode) || (AttributesOf(native, info) & FILE_ATTRIBUTE_READONLY))) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    return unlink(native.c_str()) == 0 ? Succeed() : Fail();
}

BOOL CopyFile(LPCTSTR existing, LPCTSTR newFile, BOOL failIfExists) {
    const std::string target = NativePath(newFile);
    if (failIfExists && access(target.c_str(), F_OK) == 0) {
        SetLastError(ERROR_FILE_EXISTS);
        return FALSE;
    }
    const std::optional<std::string> content = ReadFileContent(NativePath(existing));
    if (!content)
        return FALSE;
    return ReplaceFileContent(target, *content) ? Succeed() : FALSE;
}

BOOL MoveFile(LPCTSTR existing, LPCTSTR newFile) {
    const std::string target = NativePath(newFile);
    if (access(target.c_str(), F_OK) == 0) {
        SetLastError(ERROR_ALREADY_EXISTS);
        return FALSE;
    }
    return rename(NativePath(existing).c_str(), target.c_str()) == 0 ? Succeed() : Fail();
}

HANDLE FindFirstFile(LPCTSTR pattern, LPWIN32_FIND_DATA found) {
    const std::string native = NativePath(pattern);
    const size_t slash = native.find_last_of('/');
    auto search = std::make_unique<FileSearch>();
    if (slash == std::string::npos)
        search->folder.push_back('.');
    else
        search->folder = slash == 0 ? native.substr(0, 1) : native.substr(0, slash);
    const std::string mask = native.substr(slash == std::string::npos ? 0 : slash + 1);

    DIR* folder = opendir(search->folder.c_str());
    if (!folder) {
        SetLastError(errno == ENOENT || errno == ENOTDIR ? ERROR_PATH_NOT_FOUND
                                                         : SystemErrorFromErrno(errno));
        return INVALID_HANDLE_VALUE;
    }
    while (const dirent* entry = readdir(folder))
        if (MatchesFilePattern(entry->d_name, mask.c_str()))
            search->names.emplace_back(entry->d_name);
    closedir(folder);
    std::sort(search->names.begin(), search->names.end(), [](const auto& a, const auto& b) {
        const int order = CompareNoCase1252(a, b);
        return order != 0 ? order < 0 : a < b;
    });

    if (!found || !Advance(*search, found)) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    const HANDLE handle = search.get();
    SearchTable& table = Searches();
    std::lock_guard guard(table.lock);
    table.searches.emplace(handle, std::move(search));
    SetLastError(ERROR_SUCCESS);
    return handle;
}

BOOL FindNextFile(HANDLE handle, LPWIN32_FIND_DATA found) {
    SearchTable& table = Searches();
    std::lock_guard guard(table.lock);
    const auto search = table.searches.find(handle);
    if (search == table.searches.end() || !found) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!Advance(*search->second, found)) {
        SetLastError(ERROR_NO_MORE_FILES);
        return FALSE;
    }
    return TRUE;
}

BOOL FindClose(HANDLE handle) {
    SearchTable& table = Searches();
    std::lock_guard guard(table.lock);
    if (table.searches.erase(handle) == 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}

DWORD GetCurrentDirectory(DWORD size, LPTSTR buffer) {
    char path[PATH_MAX];
    if (!getcwd(path, sizeof path))
        return Fail();
    return CopyOrNeededSize(path, buffer, size);
}

BOOL SetCurrentDirectory(LPCTSTR path) {
    return chdir(NativePath(path).c_str()) == 0 ? Succeed() : Fail();
}

DWORD GetTempPath(DWORD size, LPTSTR buffer) {
    const char* folder = std::getenv("TEMP");
    if (!folder || !*folder)
        folder = std::getenv("TMPDIR");
    std::string path = NativePath(folder && *folder ? folder : "/tmp");
    if (path.back() != '/')
        path += '/';
    return CopyOrNeededSize(path, buffer, size);
}

DWORD GetEnvironmentVariable(LPCTSTR name, LPTSTR buffer, DWORD size) {
    const char* value = name ? std::getenv(name) : nullptr;
    if (!value) {
        SetLastError(ERROR_ENVVAR_NOT_FOUND);
        return 0;
    }
    return CopyOrNeededSize(value, buffer, size);
}

BOOL SetEnvironmentVariable(LPCTSTR name, LPCTSTR value) {
    if (!name || !*name || std::strchr(name, '=')) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const int result = value ? setenv(name, value, 1) : unsetenv(name);
    return result == 0 ? Succeed() : Fail();
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    constexpr std::string_view kSeparators = "/\\";
    if (folder.empty())
        return std::string(name);
    const size_t folderEnd = folder.find_last_not_of(kSeparators);
    folder = folderEnd == std::string_view::npos ? "" : folder.substr(0, folderEnd + 1);
    name.remove_prefix(std::min(name.find_first_not_of(kSeparators), name.size()));
    std::string path;
    path.reserve(folder.size() + 1 + name.size());
    return path.append(folder).append(1, '/').append(name);
}
