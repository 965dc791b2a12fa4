#pragma once

// The log's process-wide settings and state, shared by the report and the trace.

#include "vornui/platform/LastError.h"
#include "vornui/platform/WinTypes.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string_view>

namespace vornlog {

inline constexpr char kProgramName[] = "VornCtrl CComPortDlg";

// A file name and line, the file name cut to fit.
struct SourcePosition {
    char file[MAX_PATH] = "";
    int line = 0;
    void Set(const char* name, int at);
};

extern SourcePosition g_errorSource;
extern SourcePosition g_traceSource;
extern std::atomic<int> g_traceLevel;
extern std::atomic<DWORD> g_traceThread;
extern std::atomic<HANDLE> g_traceLock;

// Keeps errno and the last system error as they were: logging must not change what the
// caller reports next.
class PreservedErrors {
public:
    PreservedErrors() : m_errno(errno), m_lastError(GetLastError()) {}
    ~PreservedErrors() {
        errno = m_errno;
        SetLastError(m_lastError);
    }
    PreservedErrors(const PreservedErrors&) = delete;
    PreservedErrors& operator=(const PreservedErrors&) = delete;

private:
    int m_errno;
    DWORD m_lastError;
};

// Fills a fixed character field, cutting what does not fit.
template <size_t Size>
void CopyTruncated(char (&field)[Size], std::string_view text) {
    const size_t length = std::min(Size - 1, text.size());
    std::memcpy(field, text.data(), length);
    field[length] = '\0';
}

// Text of fixed capacity that a sequence of formatted pieces is appended to; what does not
// fit is cut.
template <size_t Capacity>
class BoundedText {
public:
    void Append(const char* format, ...) __attribute__((format(printf, 2, 3))) {
        va_list args;
        va_start(args, format);
        AppendV(format, args);
        va_end(args);
    }
    void AppendV(const char* format, va_list args) {
        if (m_length >= Capacity)
            return;
        const int written =
            std::vsnprintf(m_text + m_length, Capacity + 1 - m_length, format, args);
        if (written > 0)
            m_length = std::min(Capacity, m_length + static_cast<size_t>(written));
    }
    const char* c_str() const { return m_text; }

private:
    // Not = "": clang 14 fills it from the literal of another instantiation, of its size.
    char m_text[Capacity + 1] = {};
    size_t m_length = 0;
};

// The local time now; false when it is not available.
bool LocalTimeNow(std::tm& local);
// The local date and time in the C library's 24-character calendar form, with its line
// feed; false when the local time is not available.
bool LocalCalendarText(char (&text)[26]);

} // namespace vornlog
