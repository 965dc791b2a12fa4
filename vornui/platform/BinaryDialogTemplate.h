#pragma once

// A dialog template in one of the framework's binary layouts, DLGTEMPLATE or DLGTEMPLATEEX,
// as a resource compiler writes them and a host may register or hand in, read into the
// compiled-in form (DialogTemplate) that the dialog manager makes dialogs from. Strings are
// UTF-16 in the layout and become code page 1252 ('?' for what it cannot hold); a control
// class given by its ordinal becomes the class's name; creation data are skipped.
//
// Input that is not a whole template (cut short, counts or strings past its end) gives an
// invalid template; nothing is read past the data.

#include "vornui/platform/CString.h"
#include "vornui/platform/DialogTemplate.h"
#include "vornui/platform/Export.h"

#include <cstddef>
#include <deque>
#include <vector>

// A binary dialog template read into a DialogTemplate; see the file's comment.
class VORNUI_API CBinaryDialogTemplate {
public:
    // Reads `size` bytes at `data`.
    CBinaryDialogTemplate(const void* data, size_t size);
    CBinaryDialogTemplate(const CBinaryDialogTemplate&) = delete;
    CBinaryDialogTemplate& operator=(const CBinaryDialogTemplate&) = delete;

    // Whether the bytes were a whole template.
    bool IsValid() const { return m_bValid; }
    // The template, which lives as long as this object; null when invalid.
    const DialogTemplate* GetTemplate() const { return m_bValid ? &m_dialog : nullptr; }

private:
    class Reader;
    bool Read(Reader& reader);
    bool ReadItem(Reader& reader, bool extended);
    LPCTSTR Keep(const CString& text);

    DialogTemplate m_dialog{};
    std::vector<DialogItemTemplate> m_items;
    std::deque<CString> m_texts; // the strings the template points to
    bool m_bValid = false;
};
