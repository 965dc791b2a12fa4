#pragma once

// Starting programs by their Windows command lines, and the shell's verbs. The system programs the
// suite names map to their Linux counterparts here, in one place: notepad opens the file with the
// user's editor (xdg-open), "explorer /select," opens the file's folder, "mspaint -p"
// prints (lp), regsvr32 has nothing to register and fails. Any other program is started by
// its name, without ".exe" when the name with it is not on PATH.

#include "vornui/platform/Export.h"
#include "vornui/platform/Resources.h"
#include "vornui/platform/WinTypes.h"
#include "vornui/platform/WindowTypes.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#define ERROR_BAD_FORMAT 11L
#define SE_ERR_FNF 2
#define SE_ERR_PNF 3
#define SE_ERR_ACCESSDENIED 5
#define SE_ERR_NOASSOC 31

// The words of a command line, split as the system's C runtime splits them: the program's
// name ends at a blank outside quotes and takes backslashes as they are; in the arguments
// blanks separate, double quotes group (a doubled quote inside quotes is one quote), 2n
// backslashes before a quote are n backslashes and 2n+1 are n and a literal quote, and a
// quote left open runs to the end of the line.
VORNUI_API std::vector<std::string> SplitCommandLine(std::string_view commandLine);
// The program and arguments to run on Linux for a Windows command, or nothing when the
// command has no counterpart or its program is not found.
VORNUI_API std::optional<std::vector<std::string>>
LinuxCommandFor(const std::vector<std::string>& windowsCommand);

// Starts the command without waiting for it; above 31 on success, else the system's
// error: ERROR_FILE_NOT_FOUND, ERROR_BAD_FORMAT (an empty command) or 0.
VORNUI_API UINT WinExec(LPCSTR commandLine, UINT show);

// The shell's verbs: "open" (null too) runs a program with `parameters` or opens a document
// or folder with the desktop's handler (xdg-open), "explore" opens a folder, "print" prints
// a file (lp). Above 32 on success; else ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND (a
// bad `directory`), SE_ERR_ACCESSDENIED, or SE_ERR_NOASSOC when nothing handles the verb.
VORNUI_API HINSTANCE ShellExecute(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                  LPCSTR directory, INT show);
