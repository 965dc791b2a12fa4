#pragma once

// Where the trace goes: the resolved path of the trace file and the file the host may keep
// open.

#include <cstdio>

namespace vornlog {

// Resolves the path into the process-wide path buffer; false when no log folder was found
// and the path is the bare file name.
bool ResolveTracePath();
const char* TracePath();
// The trace file kept open, or null.
std::FILE* KeptOpenTraceFile();

} // namespace vornlog
