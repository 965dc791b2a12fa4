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
    ProfileFileWrites writes(fileName);
    return writes.Write(section, key, value) && writes.Commit();
}

ProfileFileWrites::ProfileFileWrites(LPCTSTR fileName) {
    if (!fileName) {
        m_error = ERROR_INVALID_PARAMETER;
        return;
    }
    m_path = NativePath(fileName);
    if (IsOverSizeLimit(m_path)) {
        m_error = ERROR_NOT_SUPPORTED;
        return;
    }
    std::optional<std::string> content = ReadFileContent(m_path);
    if (!content && GetLastError() != ERROR_FILE_NOT_FOUND) {
        m_error = GetLastError();
        return;
    }
    m_original = std::move(content).value_or(std::string());
    m_document = std::make_unique<IniDocument>(m_original);
}

ProfileFileWrites::~ProfileFileWrites() = default;

BOOL ProfileFileWrites::Write(LPCTSTR section, LPCTSTR key, LPCTSTR value) {
    if (!section) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (!m_document) {
        SetLastError(m_error);
        return FALSE;
    }
    ApplyProfileWrite(*m_document, section, key, value);
    return TRUE;
}

BOOL ProfileFileWrites::Commit() {
    if (!m_document) {
        SetLastError(m_error);
        return FALSE;
    }
    const std::string updated = m_document->Serialize();
    if (updated == m_original)
        return TRUE;
    if (!ReplaceFileContent(m_path, updated))
        return FALSE;
    m_original = updated;
    return TRUE;
}
