#include "vornui/log/LogState.h"

#include "vornui/platform/CTime.h"

namespace vornlog {

SourcePosition g_errorSource;
SourcePosition g_traceSource;
std::atomic<int> g_traceLevel{0};
std::atomic<DWORD> g_traceThread{0};
std::atomic<HANDLE> g_traceLock{nullptr};

void SourcePosition::Set(const char* name, int at) {
    CopyTruncated(file, name ? name : "");
    line = at;
}

bool LocalTimeNow(std::tm& local) {
    return CTime::GetCurrentTime().GetLocalTm(&local) != nullptr;
}

bool LocalCalendarText(char (&text)[26]) {
    return CTime::GetCurrentTime().GetCalendarText(text);
}

} // namespace vornlog
