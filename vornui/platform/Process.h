#pragma once

// Child processes, started from a Windows command line. The line is split into the
// child's arguments as the C runtime splits it, the program is found as SystemPrograms.h
// describes (system programs start their Linux counterparts) and started with posix_spawn,
// never through a shell. The child gets the caller's descriptors 0-2 and no others.
//
// Each child is reaped by its own process id by a thread that waits for it alone, so that
// a host's own children and its SIGCHLD handling stay the host's. The process handle (and
// the thread handle, which stands for the child's main thread) is signalled when the child
// has ended. A child with a console of its own (CREATE_NEW_CONSOLE, DETACHED_PROCESS)
// starts in a session of its own with its input from /dev/null, out of reach of the
// host's terminal and its Ctrl+C. Console titles, colours and window flags of the start-up
// information have no meaning here and are accepted as given.

#include "vornui/platform/Export.h"
#include "vornui/platform/KernelObject.h"
#include "vornui/platform/WinTypes.h"

#define CREATE_NEW_CONSOLE 0x00000010
#define DETACHED_PROCESS 0x00000008
#define CREATE_NEW_PROCESS_GROUP 0x00000200
#define CREATE_NO_WINDOW 0x08000000
#define NORMAL_PRIORITY_CLASS 0x00000020

#define STARTF_USESHOWWINDOW 0x00000001
#define STARTF_USESIZE 0x00000002
#define STARTF_USEPOSITION 0x00000004
#define STARTF_USECOUNTCHARS 0x00000008
#define STARTF_USEFILLATTRIBUTE 0x00000010
#define STARTF_USESTDHANDLES 0x00000100

#define FOREGROUND_BLUE 0x0001
#define FOREGROUND_GREEN 0x0002
#define FOREGROUND_RED 0x0004
#define FOREGROUND_INTENSITY 0x0008
#define BACKGROUND_BLUE 0x0010
#define BACKGROUND_GREEN 0x0020
#define BACKGROUND_RED 0x0040
#define BACKGROUND_INTENSITY 0x0080

#define ERROR_BAD_EXE_FORMAT 193L

struct STARTUPINFO {
    DWORD cb;
    LPSTR lpReserved;
    LPSTR lpDesktop;
    LPSTR lpTitle;
    DWORD dwX;
    DWORD dwY;
    DWORD dwXSize;
    DWORD dwYSize;
    DWORD dwXCountChars;
    DWORD dwYCountChars;
    DWORD dwFillAttribute;
    DWORD dwFlags;
    WORD wShowWindow;
    WORD cbReserved2;
    LPBYTE lpReserved2;
    HANDLE hStdInput;
    HANDLE hStdOutput;
    HANDLE hStdError;
};
using LPSTARTUPINFO = STARTUPINFO*;

struct PROCESS_INFORMATION {
    HANDLE hProcess;
    HANDLE hThread;
    DWORD dwProcessId;
    DWORD dwThreadId;
};
using LPPROCESS_INFORMATION = PROCESS_INFORMATION*;

// `applicationName`, when given, is the program and `commandLine` its arguments (the first
// word the child's argv[0]); otherwise the first word of `commandLine` is the program.
// `environment` is a block of "name=value" strings, each ended by a zero byte, the block by
// another; null passes the caller's. `currentDirectory` null keeps the caller's. Failures
// set the system's codes: ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED, ERROR_BAD_EXE_FORMAT,
// ERROR_DIRECTORY, ERROR_INVALID_PARAMETER.
VORNUI_API BOOL CreateProcess(LPCSTR applicationName, LPSTR commandLine,
                              SECURITY_ATTRIBUTES* processAttributes,
                              SECURITY_ATTRIBUTES* threadAttributes, BOOL inheritHandles,
                              DWORD creationFlags, LPVOID environment, LPCSTR currentDirectory,
                              LPSTARTUPINFO startupInfo, LPPROCESS_INFORMATION processInformation);
// STILL_ACTIVE while the process runs, then its exit status.
VORNUI_API BOOL GetExitCodeProcess(HANDLE process, LPDWORD exitCode);
// Kills the process; its exit code becomes `exitCode`. Fails with ERROR_ACCESS_DENIED once
// it has ended.
VORNUI_API BOOL TerminateProcess(HANDLE process, UINT exitCode);
VORNUI_API DWORD GetProcessId(HANDLE process);
