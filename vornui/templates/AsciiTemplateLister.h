#pragma once

// The templates of one module: the ".aft" files of the module's folder in the template
// store, without its meta template. Usage: construct; while !IsEnd(): GetName(), Next().

#include "vornui/platform/Export.h"
#include "vornui/platform/FileSystem.h"

class VORNUI_API AsciiTemplateLister {
public:
    explicit AsciiTemplateLister(const char* module);
    virtual ~AsciiTemplateLister();
    AsciiTemplateLister(const AsciiTemplateLister&) = delete;
    AsciiTemplateLister& operator=(const AsciiTemplateLister&) = delete;

    bool First();
    bool Next();
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
