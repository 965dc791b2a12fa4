#include "vornui/log/TraceFile.h"

#include "vornui/log/LogState.h"
#include "vornui/log/VornTrace.h"
#include "vornui/platform/FileSystem.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace vornlog {
namespace {

constexpr char kDefaultFileName[] = "vorntrace.log";
constexpr char kLogFolder[] = "log";

char g_tracePath[MAX_PATH] = "";
char g_traceFileName[MAX_PATH] = "";
char g_searchVariable[MAX_PATH] = "VORNHOME";
std::FILE* g_keptOpen = nullptr;

const char* TraceFileName() {
    return g_traceFileName[0] ? g_traceFileName : kDefaultFileName;
}

bool IsFullPath(const char* name) {
    return std::strchr(name, ':') || std::strstr(name, "\\\\") || name[0] == '/';
}

bool Exists(const std::string& path) {
    return GetFileAttributes(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// "log" in the current folder, else below the first listed folder that has one.
std::optional<std::string> FindLogFolder() {
    if (Exists(kLogFolder))
        return kLogFolder;
    const char* list = std::getenv(g_searchVariable);
    if (!list)
        return std::nullopt;
    std::string_view rest = list;
    while (!rest.empty()) {
        const size_t end = std::min(rest.find(';'), rest.size());
        std::string folder(rest.substr(0, end));
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (folder.empty())
            continue;
        if (folder.back() != '/' && folder.back() != '\\')
            folder += '/';
        folder += kLogFolder;
        if (Exists(folder))
            return folder;
    }
    return std::nullopt;
}

} // namespace

bool ResolveTracePath() {
    if (g_traceFileName[0] && IsFullPath(g_traceFileName)) {
        CopyTruncated(g_tracePath, g_traceFileName);
        return true;
    }
    const std::optional<std::string> folder = FindLogFolder();
    if (!folder) {
        CopyTruncated(g_tracePath, TraceFileName());
        return false;
    }
    CopyTruncated(g_tracePath, *folder + '/' + TraceFileName());
    return true;
}

const char* TracePath() {
    return g_tracePath;
}

std::FILE* KeptOpenTraceFile() {
    return g_keptOpen;
}

} // namespace vornlog

using namespace vornlog;

void VornSetTraceFileName(const char* name) {
    CopyTruncated(g_traceFileName, name ? name : "");
}

const char* VornTraceFilePath() {
    ResolveTracePath();
    return g_tracePath;
}

BOOL VornSetTraceSearchVariable(const char* name) {
    const char* value = name ? std::getenv(name) : nullptr;
    if (!value || !*value || std::strlen(name) >= sizeof g_searchVariable)
        return FALSE;
    CopyTruncated(g_searchVariable, name);
    return TRUE;
}

BOOL VornTraceFileOpen(BOOL truncate) {
    if (g_keptOpen)
        return TRUE;
    ResolveTracePath();
    g_keptOpen = std::fopen(g_tracePath, truncate ? "w+" : "a");
    return g_keptOpen != nullptr;
}

void VornTraceFileClose() {
    if (g_keptOpen)
        std::fclose(g_keptOpen);
    g_keptOpen = nullptr;
}

BOOL VornTraceFileReset() {
    VornTraceFileClose();
    if (!VornTraceFileOpen(TRUE))
        return FALSE;
    VornTraceFileClose();
    return VornTraceFileOpen(FALSE);
}
