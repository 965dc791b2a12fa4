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
    // Waits for the lock before a trace of level `kind`.
    explicit CVornTraceLock(int kind);
    // Releases the lock when it is held.
    ~CVornTraceLock();
    // One guard per wait: not copyable.
    CVornTraceLock(const CVornTraceLock&) = delete;
    CVornTraceLock& operator=(const CVornTraceLock&) = delete;

    // Releases the lock now, when it is held.
    void Release();
    // Whether the wait ended with the lock.
    bool IsHeld() const { return m_bHeld; }

private:
    HANDLE m_hLock;
    bool m_bHeld = false;
};

// Host settings. Sets the trace level: 0 is off, 1 writes levels 0 to 2, 2 adds level 3.
VORNUI_API void VornSetTraceLevel(int level);
// The trace level.
VORNUI_API int VornGetTraceLevel();
// Names the trace file; a null or empty name means the default, "vorntrace.log".
VORNUI_API void VornSetTraceFileName(const char* name);
// Hands in the lock around traces and returns the lock used before. The host keeps
// ownership of the lock; a null lock means none.
VORNUI_API HANDLE VornSetTraceLock(HANDLE mutex);

// Resolves the trace file's path now and returns it (kept until the next resolution).
VORNUI_API const char* VornTraceFilePath();
// Makes the trace search the folders listed in another environment variable; accepted
// only when that variable is set and not empty.
VORNUI_API BOOL VornSetTraceSearchVariable(const char* name);

// Keeps the trace file open: truncated or appended to. Does nothing while one is open.
VORNUI_API BOOL VornTraceFileOpen(BOOL truncate);
// Closes the trace file kept open; traces open it per entry again.
VORNUI_API void VornTraceFileClose();
// Empties the trace file and keeps it open for appending.
VORNUI_API BOOL VornTraceFileReset();
