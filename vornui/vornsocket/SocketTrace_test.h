#pragma once

// The trace of the socket tests: written into "trace.log" of a fresh folder, which is also
// VORNHOME (with the "log" folder the error report goes to).

#include "tests/TempDir.h"

#include "vornui/log/VornTrace.h"
#include "vornui/platform/FileSystem.h"

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

inline std::string TraceFileIn(const TempDir& home) {
    return home.file("trace.log");
}

inline void StartTracingInto(const TempDir& home, int level) {
    std::filesystem::create_directory(home.path() / "log");
    SetEnvironmentVariable("VORNHOME", home.path().c_str());
    VornSetTraceFileName(TraceFileIn(home).c_str());
    VornSetTraceLevel(level);
}

inline void StopTracing() {
    VornSetTraceLevel(0);
    VornSetTraceFileName(nullptr);
    SetEnvironmentVariable("VORNHOME", nullptr);
}

// The text of each trace line, without its time and source position.
inline std::vector<std::string> TraceTextsIn(const TempDir& home) {
    std::vector<std::string> texts;
    std::istringstream in(TempDir::read(TraceFileIn(home)));
    for (std::string line; std::getline(in, line);)
        texts.push_back(line.substr(line.find_last_of('|') + 1));
    return texts;
}
