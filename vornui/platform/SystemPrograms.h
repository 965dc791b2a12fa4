#pragma once

// Starting programs by their Windows command lines. The system programs the suite names
// map to their Linux counterparts here, in one place: notepad opens the file with the
// user's editor (xdg-open), "explorer /select," opens the file's folder, "mspaint -p"
// prints (lp), regsvr32 has nothing to register and fails. Any other program is started by
// its name, without ".exe" when the name with it is not on PATH.

#include "vornui/platform/Export.h"
#include "vornui/platform/WinTypes.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#define ERROR_BAD_FORMAT 11L

// The words of a command line, split as the system's C runtime splits them (spaces
// separate, double quotes group, backslashes before a quote escape it).
VORNUI_API std::vector<std::string> SplitCommandLine(std::string_view commandLine);
// The program and arguments to run on Linux for a Windows command, or nothing when the
// command has no counterpart or its program is not found.
VORNUI_API std::optional<std::vector<std::string>>
LinuxCommandFor(const std::vector<std::string>& windowsCommand);

// Starts the command without waiting for it; above 31 on success, else the system's
// error: ERROR_FILE_NOT_FOUND, ERROR_BAD_FORMAT (an empty command) or 0.
VORNUI_API UINT WinExec(LPCSTR commandLine, UINT show);
