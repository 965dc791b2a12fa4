#include "vornui/templates/AsciiTemplateLister.h"

#include "vornui/platform/CString.h"
#include "vornui/templates/TemplateStore.h"

#include <cstring>

AsciiTemplateLister::AsciiTemplateLister(const char* module) {
    CopyToField(m_szModule, sizeof m_szModule, module ? module : "");
    First();
}

AsciiTemplateLister::~AsciiTemplateLister() {
    CloseSearch();
}

void AsciiTemplateLister::CloseSearch() {
    if (m_hSearch)
        FindClose(m_hSearch);
    m_hSearch = nullptr;
}

bool AsciiTemplateLister::First() {
    CloseSearch();
    m_bEnd = true;
    const HANDLE search =
        FindFirstFile(TemplateStorePath(m_szModule, "*.aft").c_str(), &m_findData);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    m_hSearch = search;
    if (IsMetaTemplate())
        return Next();
    m_bEnd = false;
    return true;
}

bool AsciiTemplateLister::FindNext() {
    m_bEnd = !FindNextFile(m_hSearch, &m_findData);
    return !m_bEnd;
}

bool AsciiTemplateLister::Next() {
    if (!m_hSearch)
        return First();
    if (FindNext() && IsMetaTemplate())
        FindNext();
    return !m_bEnd;
}

const char* AsciiTemplateLister::GetName() {
    if (char* dot = std::strchr(m_findData.cFileName, '.'))
        *dot = '\0';
    return m_findData.cFileName;
}

bool AsciiTemplateLister::IsMetaTemplate() {
    return CompareNoCase1252(GetName(), "_meta_") == 0;
}
