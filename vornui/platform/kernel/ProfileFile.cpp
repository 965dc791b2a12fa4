#include "vornui/platform/ProfileFile.h"

#include "vornui/platform/FileContent.h"
#include "vornui/platform/LastError.h"
#include "vornui/platform/internal/ProfileText.h"

namespace {

IniDocument LoadDocument(LPCTSTR fileName) {
    if (!fileName)
        return IniDocument();
    const std::optional<std::string> content = ReadFileContent(NativePath(fileName));
    return content ? IniDocument(*content) : IniDocument();
}

} // namespace

DWORD GetPrivateProfileString(LPCTSTR section, LPCTSTR key, LPCTSTR defaultText, LPTSTR returned,
                              DWORD size, LPCTSTR fileName) {
    return CopyProfileString(LoadDocument(fileName), section, key, defaultText, returned, size);
}

UINT GetPrivateProfileInt(LPCTSTR section, LPCTSTR key, INT defaultValue, LPCTSTR fileName) {
    return ProfileInt(LoadDocument(fileName), section, key, defaultValue);
}

BOOL WritePrivateProfileString(LPCTSTR section, LPCTSTR key, LPCTSTR value, LPCTSTR fileName) {
    if (!section || !fileName) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const std::string path = NativePath(fileName);
    if (IsOverSizeLimit(path)) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return FALSE;
    }
    const std::optional<std::string> content = ReadFileContent(path);
    if (!content && GetLastError() != ERROR_FILE_NOT_FOUND)
        return FALSE;
    IniDocument document(content.value_or(std::string()));
    ApplyProfileWrite(document, section, key, value);
    const std::string updated = document.Serialize();
    if (updated == content.value_or(std::string()))
        return TRUE;
    return ReplaceFileContent(path, updated) ? TRUE : FALSE;
}
