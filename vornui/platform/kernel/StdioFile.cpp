#include "vornui/platform/StdioFile.h"

#include "vornui/platform/FileContent.h"
#include "vornui/platform/LastError.h"

#include <algorithm>
#include <cerrno>

namespace {

const char* StreamMode(UINT flags) {
    if (flags & CStdioFile::modeReadWrite)
        return (flags & CStdioFile::modeCreate) && !(flags & CStdioFile::modeNoTruncate) ? "w+"
                                                                                         : "r+";
    if (flags & CStdioFile::modeWrite)
        return (flags & CStdioFile::modeNoTruncate) ? "a" : "w";
    return "r";
}

} // namespace

CStdioFile::~CStdioFile() {
    Close();
}

BOOL CStdioFile::Open(LPCTSTR fileName, UINT openFlags) {
    Close();
    if (!fileName || !*fileName) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const std::string path = NativePath(fileName);
    m_pStream = std::fopen(path.c_str(), StreamMode(openFlags));
    if (!m_pStream) {
        SetLastError(SystemErrorFromErrno(errno));
        return FALSE;
    }
    m_strFileName = fileName;
    m_bText = !(openFlags & typeBinary);
    return TRUE;
}

void CStdioFile::Close() {
    if (m_pStream)
        std::fclose(m_pStream);
    m_pStream = nullptr;
}

BOOL CStdioFile::ReadString(CString& line) {
    line.Empty();
    if (!m_pStream)
        return FALSE;
    char chunk[512];
    bool readAny = false;
    while (std::fgets(chunk, sizeof chunk, m_pStream)) {
        readAny = true;
        CString part(chunk);
        const bool ended = !part.IsEmpty() && part[part.GetLength() - 1] == '\n';
        line += part;
        if (ended) {
            line.Truncate(line.GetLength() - 1);
            if (m_bText && !line.IsEmpty() && line[line.GetLength() - 1] == '\r')
                line.Truncate(line.GetLength() - 1);
            break;
        }
    }
    return readAny;
}

LPTSTR CStdioFile::ReadString(LPTSTR buffer, UINT max) {
    if (!m_pStream || !buffer || max == 0)
        return nullptr;
    return std::fgets(buffer, static_cast<int>(std::min<UINT>(max, 0x7FFFFFFF)), m_pStream);
}

void CStdioFile::WriteString(LPCTSTR text) {
    if (m_pStream && text)
        std::fputs(text, m_pStream);
}

void CStdioFile::SeekToBegin() {
    if (m_pStream)
        std::rewind(m_pStream);
}

ULONGLONG CStdioFile::GetPosition() const {
    if (!m_pStream)
        return 0;
    const long position = std::ftell(m_pStream);
    return position < 0 ? 0 : static_cast<ULONGLONG>(position);
}
