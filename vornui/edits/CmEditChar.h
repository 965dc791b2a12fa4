#pragma once

// One character position of a masked edit's template: either a literal that always shows
// its fixed character, or an editable position that accepts the characters of its valid set
// and holds the one entered (0 while empty).

#include "vornui/platform/CString.h"
#include "vornui/platform/Export.h"

class VORNUI_API CmEditChar {
public:
    // An empty literal; the two below make the positions a mask describes.
    CmEditChar() = default;
    // A literal position showing `literal`.
    explicit CmEditChar(char literal);
    // An editable position accepting the characters of `valid`, empty.
    explicit CmEditChar(const CString& valid);
    virtual ~CmEditChar();
    CmEditChar(const CmEditChar&) = default;
    CmEditChar& operator=(const CmEditChar&) = default;

    // Whether the position is editable, and making it so.
    bool Masked() const { return m_bMasked; }
    void setMasked(bool masked) { m_bMasked = masked; }

    // The characters an editable position accepts; empty for a literal.
    const CString& GetValidSet() const { return m_strValid; }
    // Whether an editable position accepts `ch`; 0 is never accepted, it means empty.
    bool Accepts(char ch) const;
    // The literal's character, or the entered one (0 while empty).
    char GetValue() const { return m_cValue; }
    void SetValue(char value) { m_cValue = value; }
    // An editable position forgets its character; a literal keeps its own.
    void Empty();

private:
    CString m_strValid;
    char m_cValue = 0;
    bool m_bMasked = false;
};
