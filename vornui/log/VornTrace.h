#pragma once

// The suite's trace: one entry per event in the trace file, governed by the trace level.
// The level is 0 (off) until the host sets one:
//
//     VornSetTraceLevel(1);            // levels 0, 1 and 2 are written; 2 adds level 3
//     VornSetTraceFileName("comms.log"); // optional; "vorntrace.log" by default
//     HANDLE lock = CreateMutex(nullptr, FALSE, "VornTrace");
//     VornSetTraceLock(lock);           // optional; serialises trace writers
//
// A trace is written under the lock (when the host set one), with its source position:
//
//     {
//         CVornTraceLock guard(1);
//         VornLogSource("vornsocket/SocketClient", __LINE__);
//         VORNLOG(1, "READ FAIL");
//     }
//
// or all of it in one call with VornLogAt.
//
// Where the trace file lies: a file name holding ':' or "\\" (or starting with '/') is a full
// path. Otherwise the file goes into the first folder named "log" found in the current
// folder or below one of the folders listed (separated by ';') in the environment variable
// VORNHOME (or the one set with VornSetTraceSearchVariable). When there is none, the file
// is made in the current folder and its first entry complains about the variable.

#include "vornui/platform/Export.h"
#include "vornui/platform/WinTypes.h"

// The file and line named by the next trace entry.
VORNUI_API void VornLogSource(const char* file, int line);

// Writes one entry of `level` (0: a four-line block; 1: time, thread, source and text;
// 2: time and text; 3: the bare text, only from trace level 2 on). Text beyond 1023
// characters is cut.
VORNUI_API void VORNLOG(int level, const char* format, ...) __attribute__((format(printf, 2, 3)));

// The usual trace in one call: the lock guard, the source position and VORNLOG.
VORNUI_API void VornLogAt(const char* file, int line, int level, const char* format, ...)
    __attribute__((format(printf, 4, 5)));

// Holds the host's trace lock around one trace. The wait is bounded (555 ms, 111 ms for a
// level-3 trace, which waits only from trace level 2 on); when it runs out, the trace is
// written without the lock.
class VORNUI_API CVornTraceLock {
public:
    explicit CVornTraceLock(int kind);
    ~CVornTraceLock();
    CVornTraceLock(const CVornTraceLock&) = delete;
    CVornTraceLock& operator=(const CVornTraceLock&) = delete;

    void Release();
    bool IsHeld() const { return m_bHeld; }

private:
    HANDLE m_hLock;
    bool m_bHeld = false;
};

// Host settings. The host keeps ownership of the lock it hands in; a null lock means none.
VORNUI_API void VornSetTraceLevel(int level);
VORNUI_API int VornGetTraceLevel();
// A null or empty name means the default, "vorntrace.log".
VORNUI_API void VornSetTraceFileName(const char* name);
// Returns the lock used before.
VORNUI_API HANDLE VornSetTraceLock(HANDLE mutex);

// Resolves the trace file's path now and returns it (kept until the next resolution).
VORNUI_API const char* VornTraceFilePath();
// Makes the trace search the folders listed in another environment variable; accepted
// only when that variable is set and not empty.
VORNUI_API BOOL VornSetTraceSearchVariable(const char* name);

// Keeps the trace file open: truncated or appended to. Does nothing while one is open.
VORNUI_API BOOL VornTraceFileOpen(BOOL truncate);
VORNUI_API void VornTraceFileClose();
// Empties the trace file and keeps it open for appending.
VORNUI_API BOOL VornTraceFileReset();
