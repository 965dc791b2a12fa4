#include "vornui/log/VornTrace.h"

#include "vornui/log/LogState.h"
#include "vornui/log/TraceFile.h"

#include <cstdarg>
#include <cstdio>

using namespace vornlog;

namespace {

constexpr size_t kTextCapacity = 1023;
constexpr char kUnresolvedComplaint[] =
    ">>>> VORNLOG(): no/bad defined $VORNHOME environment variable!!! <<<<";

void WriteBlock(std::FILE* file, const char* text) {
    char calendar[26] = "\n";
    LocalCalendarText(calendar);
    std::fprintf(file, "##%s: %s\n", "TRACE:", kProgramName);
    std::fprintf(file, "Info : %s\n", text);
    std::fprintf(file, "File : \"%s\" at line %d in thread %d\n", g_traceSource.file,
                 g_traceSource.line, static_cast<int>(g_traceThread.load()));
    std::fprintf(file, "Time : %s", calendar);
}

void WriteSourceLine(std::FILE* file, const char* text) {
    std::tm local{};
    const int thread = static_cast<int>(g_traceThread.load());
    if (!LocalTimeNow(local))
        std::fprintf(file, "%s@%d|%s\n", g_traceSource.file, g_traceSource.line, text);
    else if (thread != 0)
        std::fprintf(file, "%02d:%02d:%02d|%4d|%s@%d|%s\n", local.tm_hour, local.tm_min,
                     local.tm_sec, thread, g_traceSource.file, g_traceSource.line, text);
    else
        std::fprintf(file, "%02d:%02d:%02d|%s@%d|%s\n", local.tm_hour, local.tm_min, local.tm_sec,
                     g_traceSource.file, g_traceSource.line, text);
}

void WriteTimedLine(std::FILE* file, const char* text) {
    std::tm local{};
    if (LocalTimeNow(local))
        std::fprintf(file, "%02d:%02d:%02d|%s\n", local.tm_hour, local.tm_min, local.tm_sec, text);
    else
        std::fprintf(file, "%s\n", text);
}

void WriteEntry(std::FILE* file, int level, const char* text) {
    switch (level) {
    case 0:
        WriteBlock(file, text);
        break;
    case 1:
        WriteSourceLine(file, text);
        break;
    case 2:
        WriteTimedLine(file, text);
        break;
    case 3:
        std::fprintf(file, "%s\n", text);
        break;
    default:
        return;
    }
    std::fflush(file);
}

bool IsTraced(int level) {
    const int traceLevel = g_traceLevel.load();
    return traceLevel != 0 && (level != 3 || traceLevel >= 2);
}

void TraceV(int level, const char* format, va_list args) {
    if (!IsTraced(level))
        return;
    const PreservedErrors preserved;
    BoundedText<kTextCapacity> text;
    text.AppendV(format, args);
    if (std::FILE* kept = KeptOpenTraceFile()) {
        WriteEntry(kept, level, text.c_str());
        return;
    }
    const bool resolved = ResolveTracePath();
    std::FILE* file = std::fopen(TracePath(), "a");
    if (!file)
        return;
    if (!resolved)
        WriteEntry(file, 2, kUnresolvedComplaint);
    WriteEntry(file, level, text.c_str());
    std::fclose(file);
}

} // namespace

void VornLogSource(const char* file, int line) {
    g_traceSource.Set(file, line);
}

void VORNLOG(int level, const char* format, ...) {
    va_list args;
    va_start(args, format);
    TraceV(level, format, args);
    va_end(args);
}

void VornLogAt(const char* file, int line, int level, const char* format, ...) {
    CVornTraceLock guard(level);
    VornLogSource(file, line);
    va_list args;
    va_start(args, format);
    TraceV(level, format, args);
    va_end(args);
}

void VornSetTraceLevel(int level) {
    g_traceLevel = level < 0 ? 0 : level;
}

int VornGetTraceLevel() {
    return g_traceLevel;
}
