#include "vornui/log/VornErr.h"

#include "vornui/log/LogState.h"
#include "vornui/platform/CrtErrors.h"
#include "vornui/platform/FileSystem.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/ProcessIdentity.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace vornlog;

const char* const g_lpszVornErrMsg[] = {
    "",
    "No memory from malloc()",
    "Could not open file: %s",
    "Too many setup file errors - terminating",
    "Fatal program error",
    "Can't create pixmap from file: %s",
    "Shared memory function error: %s",
    "Can't open serial port %s",
    "Illegal port setting %s = %d - uses default %d",
    "Semaphore function error: %s",
    "Signal function error: %s",
    "Unix domain socket function error: %s",
    "Syntax error in %s for instrument %s",
    "",
};

namespace {

constexpr size_t kMessageCapacity = 255;
constexpr size_t kReportCapacity = 511;
constexpr size_t kUserNameCapacity = 19;
constexpr char kHomeVariable[] = "VORNHOME";
constexpr char kHomeFallback[] = "/tmp/vorn";

using Report = BoundedText<kReportCapacity>;

const char* LevelName(int level) {
    switch (level) {
    case VORNERR_LOG_MESSAGE:
        return "LOG MESSAGE";
    case VORNERR_WARNING:
        return "WARNING    ";
    case VORNERR_ERROR:
        return "ERROR      ";
    case VORNERR_FATAL:
        return "FATAL ERROR";
    default:
        return "?ERROR?    ";
    }
}

void AppendRuntimeError(Report& report, int error) {
    if (error == 0)
        return;
    report.Append("Win32 err.%-4d: ", error);
    if (error > 0 && error < _sys_nerr)
        report.Append("%s\n", _sys_errlist[error]);
    else
        report.Append("Unknown\n");
}

// The login name, cut to its field; empty when the system does not know it.
void AppendUser(Report& report) {
    char name[256] = "";
    DWORD size = sizeof name;
    if (!GetUserName(name, &size))
        name[0] = '\0';
    report.Append("User         : %.*s\n", static_cast<int>(kUserNameCapacity), name);
}

void AppendDate(Report& report) {
    char calendar[26] = "\n";
    LocalCalendarText(calendar);
    report.Append("Date         : %s", calendar);
}

// Reports are separated by an empty line. A file that does not open loses the report.
void AppendToErrorFile(const Report& report) {
    const char* home = std::getenv(kHomeVariable);
    if (!home || !*home)
        home = kHomeFallback;
    const std::string path = JoinPath(home, "log/error");
    if (std::FILE* file = std::fopen(path.c_str(), "a")) {
        std::fprintf(file, "%s\n", report.c_str());
        std::fclose(file);
    }
}

void ShowError(const char* text) {
    MessageBox(nullptr, text, "Error", MB_OK | MB_ICONERROR);
}

void ReportV(int level, const char* format, va_list args) {
    const int runtimeError = errno;
    BoundedText<kMessageCapacity> message;
    message.AppendV(format, args);

    Report report;
    report.Append("##VORN - %s: %s\n", LevelName(level), kProgramName);
    report.Append("Error message: %s\n", message.c_str());
    AppendRuntimeError(report, runtimeError);
    report.Append("Source file  : \"%s\" at line %d\n", g_errorSource.file, g_errorSource.line);
    AppendDate(report);
    AppendUser(report);

    AppendToErrorFile(report);
    if (level != VORNERR_LOG_MESSAGE)
        ShowError(report.c_str());
    if (level == VORNERR_FATAL) {
        ShowError("Program terminated...");
        std::exit(-1);
    }
    errno = 0;
}

} // namespace

void VornErrSource(const char* file, int line) {
    g_errorSource.Set(file, line);
}

void VORNERR(int level, const char* format, ...) {
    va_list args;
    va_start(args, format);
    ReportV(level, format, args);
    va_end(args);
}

void VornErrAt(const char* file, int line, int level, const char* format, ...) {
    VornErrSource(file, line);
    va_list args;
    va_start(args, format);
    ReportV(level, format, args);
    va_end(args);
}
