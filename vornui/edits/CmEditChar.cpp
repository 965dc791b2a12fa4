#include "vornui/edits/CmEditChar.h"

CmEditChar::CmEditChar(char literal) : m_cValue(literal) {}

CmEditChar::CmEditChar(const CString& valid) : m_strValid(valid), m_bMasked(true) {}

CmEditChar::~CmEditChar() = default;

bool CmEditChar::Accepts(char ch) const {
    return ch != 0 && m_strValid.view().find(ch) != std::string_view::npos;
}

void CmEditChar::Empty() {
    if (m_bMasked)
        m_cValue = 0;
}
