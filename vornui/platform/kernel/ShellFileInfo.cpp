#include "vornui/platform/ShellFileInfo.h"

#include "vornui/platform/CString.h"
#include "vornui/platform/FileContent.h"
#include "vornui/platform/FileSystem.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <sys/stat.h>

namespace {

template <size_t Size>
void CopyField(char (&field)[Size], const std::string& text) {
    const size_t copied = std::min(text.size(), Size - 1);
    std::memcpy(field, text.c_str(), copied);
    field[copied] = '\0';
}

std::string NameOf(const std::string& path) {
    std::string trimmed = path;
    while (trimmed.size() > 1 && trimmed.back() == '/')
        trimmed.pop_back();
    const size_t slash = trimmed.rfind('/');
    return slash == std::string::npos || trimmed == "/" ? trimmed : trimmed.substr(slash + 1);
}

// "File folder", "TXT File" for an extension no program has claimed, or "File".
std::string TypeNameOf(const std::string& name, bool folder) {
    if (folder)
        return "File folder";
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0 || dot + 1 == name.size())
        return "File";
    CString extension(name.substr(dot + 1).c_str());
    extension.MakeUpper();
    return std::string(extension.GetString()) + " File";
}

DWORD ShellAttributes(const std::string& path, const std::string& name, DWORD fileAttributes) {
    DWORD attributes = SFGAO_FILESYSTEM;
    if (fileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        attributes |= SFGAO_FOLDER | SFGAO_FILESYSANCESTOR;
    if (fileAttributes & FILE_ATTRIBUTE_READONLY)
        attributes |= SFGAO_READONLY;
    if (!name.empty() && name.front() == '.')
        attributes |= SFGAO_HIDDEN;
    struct stat info {};
    if (lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode))
        attributes |= SFGAO_LINK;
    return attributes;
}

} // namespace

DWORD_PTR SHGetFileInfo(LPCSTR path, DWORD fileAttributes, SHFILEINFO* info, UINT infoSize,
                        UINT flags) {
    if (!path || (flags & (SHGFI_ICON | SHGFI_SYSICONINDEX)))
        return 0;
    if (info && infoSize < sizeof(SHFILEINFO))
        return 0;
    const std::string native = NativePath(path);
    if (!(flags & SHGFI_USEFILEATTRIBUTES)) {
        fileAttributes = GetFileAttributes(native.c_str());
        if (fileAttributes == INVALID_FILE_ATTRIBUTES)
            return 0;
    }
    if (!info)
        return 1;
    const std::string name = NameOf(native);
    const bool folder = (fileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (flags & SHGFI_DISPLAYNAME)
        CopyField(info->szDisplayName, name);
    if (flags & SHGFI_TYPENAME)
        CopyField(info->szTypeName, TypeNameOf(name, folder));
    if (flags & SHGFI_ATTRIBUTES)
        info->dwAttributes = ShellAttributes(native, name, fileAttributes);
    return 1;
}
