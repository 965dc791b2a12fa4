#pragma once

// The templates of one module: the ".aft" files of the module's folder in the template
// store, without its meta template. Usage: construct; while !IsEnd(): GetName(), Next().

#include "vornui/platform/Export.h"
#include "vornui/platform/FileSystem.h"

class VORNUI_API AsciiTemplateLister {
public:
    // Starts listing the templates of `module`.
    explicit AsciiTemplateLister(const char* module);
    // Closes the search.
    virtual ~AsciiTemplateLister();
    AsciiTemplateLister(const AsciiTemplateLister&) = delete;
    AsciiTemplateLister& operator=(const AsciiTemplateLister&) = delete;

    // Starts again at the first template; false when the module has none.
    bool First();
    // Moves to the next template; false when there is none.
    bool Next();
    // Whether the templates are used up.
    bool IsEnd() const { return m_bEnd; }
    // The current file's name up to its first '.'.
    const char* GetName();

private:
    bool IsMetaTemplate();
    bool FindNext();
    void CloseSearch();

    char m_szModule[200] = {};
    WIN32_FIND_DATA m_findData = {};
    HANDLE m_hSearch = nullptr;
    bool m_bEnd = true;
};
