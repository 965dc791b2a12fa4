#pragma once

// A data file's bytes as the readers of data lines take them.

#include "vornui/platform/FileContent.h"

#include <optional>

// The file's bytes with room for a zero byte after them, a leading byte order mark left
// out; nullopt when the file cannot be read whole or is too large to hold in memory.
std::optional<FileBytes> ReadAsciiDataFile(const char* path);
