#pragma once

// The framework's buffered text file: lines read and written as strings over the C
// runtime's stream, which stays reachable as m_pStream. In text mode (the default) a line
// read from a Windows file loses its "\r\n" as it would there; binary mode keeps the '\r'.

#include "vornui/platform/CString.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/WinTypes.h"

#include <cstdio>

class VORNUI_API CStdioFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
    };

    CStdioFile() = default;
    ~CStdioFile();
    CStdioFile(const CStdioFile&) = delete;
    CStdioFile& operator=(const CStdioFile&) = delete;

    // FALSE when the file cannot be opened so (the last error says why).
    BOOL Open(LPCTSTR fileName, UINT openFlags);
    void Close();

    // The next line without its end; FALSE at the end of the file.
    BOOL ReadString(CString& line);
    // At most `max` - 1 bytes of the line, with its '\n' when it fits; null at the end.
    LPTSTR ReadString(LPTSTR buffer, UINT max);
    void WriteString(LPCTSTR text);
    void SeekToBegin();
    ULONGLONG GetPosition() const;
    CString GetFilePath() const { return m_strFileName; }

    FILE* m_pStream = nullptr;

private:
    CString m_strFileName;
    bool m_bText = true;
};
