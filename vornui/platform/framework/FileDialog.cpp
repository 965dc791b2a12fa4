#include "vornui/platform/FileDialog.h"

#include "vornui/platform/FileSystem.h"
#include "vornui/platform/MessageBox.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kFileBufferSize = 65536; // room for a multiple choice

// The framework's '|' separators as the system's zero bytes.
CString SystemFilter(LPCTSTR filter) {
    CString converted(filter ? filter : "");
    for (int index = 0; index < converted.GetLength(); ++index)
        if (converted[index] == '|')
            converted.SetAt(index, '\0');
    return converted;
}

CString AfterLast(const CString& path, char separator) {
    const int at = path.ReverseFind(separator);
    return at < 0 ? CString() : path.Mid(at + 1);
}

} // namespace

CFileDialog::CFileDialog(BOOL openFileDialog, LPCTSTR defaultExtension, LPCTSTR fileName,
                         DWORD flags, LPCTSTR filter, CWnd* parent, DWORD, BOOL)
    : m_ofn{}, m_bOpenFileDialog(openFileDialog), m_strFilter(SystemFilter(filter)),
      m_strDefExt(defaultExtension ? defaultExtension : ""), m_fileBuffer(kFileBufferSize),
      m_titleBuffer(MAX_PATH) {
    m_pParentWnd = parent;
    if (fileName)
        std::strncpy(m_fileBuffer.data(), fileName, m_fileBuffer.size() - 1);
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.lpstrFile = m_fileBuffer.data();
    m_ofn.nMaxFile = static_cast<DWORD>(m_fileBuffer.size());
    m_ofn.lpstrFileTitle = m_titleBuffer.data();
    m_ofn.nMaxFileTitle = static_cast<DWORD>(m_titleBuffer.size());
    m_ofn.Flags = flags | OFN_EXPLORER | OFN_ENABLESIZING;
    m_ofn.lpstrDefExt = defaultExtension ? m_strDefExt.GetString() : nullptr;
    // The filter text holds zero bytes, so its buffer is handed out as it is.
    m_ofn.lpstrFilter = filter ? m_strFilter.GetString() : nullptr;
    m_ofn.nFilterIndex = 1;
}

INT_PTR CFileDialog::DoModal() {
    m_ofn.hwndOwner = m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : nullptr;
    const BOOL chosen = m_bOpenFileDialog ? GetOpenFileName(&m_ofn) : GetSaveFileName(&m_ofn);
    return chosen ? IDOK : IDCANCEL;
}

std::vector<CString> CFileDialog::ChosenPaths() const {
    const char* text = m_ofn.lpstrFile;
    if (!text || !*text)
        return {};
    const bool several = (m_ofn.Flags & OFN_ALLOWMULTISELECT) && m_ofn.nFileOffset > 0 &&
                         text[m_ofn.nFileOffset - 1] == '\0';
    if (!several)
        return {CString(text)};
    std::vector<CString> paths;
    for (const char* name = text + m_ofn.nFileOffset; *name; name += std::strlen(name) + 1)
        paths.emplace_back(JoinPath(text, name).c_str());
    return paths;
}

CString CFileDialog::GetPathName() const {
    const std::vector<CString> paths = ChosenPaths();
    return paths.empty() ? CString() : paths.front();
}

CString CFileDialog::GetFileName() const {
    return AfterLast(GetPathName(), '/');
}

CString CFileDialog::GetFileExt() const {
    return AfterLast(GetFileName(), '.');
}

CString CFileDialog::GetFileTitle() const {
    const CString name = GetFileName();
    const int dot = name.ReverseFind('.');
    return dot < 0 ? name : name.Left(dot);
}

CString CFileDialog::GetFolderPath() const {
    const CString path = GetPathName();
    const int slash = path.ReverseFind('/');
    return slash <= 0 ? CString(slash == 0 ? "/" : "") : path.Left(slash);
}

POSITION CFileDialog::GetStartPosition() const {
    return ChosenPaths().empty() ? nullptr : reinterpret_cast<POSITION>(1);
}

CString CFileDialog::GetNextPathName(POSITION& position) const {
    const std::vector<CString> paths = ChosenPaths();
    const auto index = reinterpret_cast<size_t>(position) - 1;
    if (!position || index >= paths.size()) {
        position = nullptr;
        return {};
    }
    position = index + 1 < paths.size() ? reinterpret_cast<POSITION>(index + 2) : nullptr;
    return paths[index];
}
