#pragma once

// The suite's error report. The caller names its source position, then reports:
//
//     VornErrSource("vornsocket/VornSOCKET", __LINE__);
//     VORNERR(VORNERR_ERROR, g_lpszVornErrMsg[VORNMSG_UNIX_SOCKET], "socket");
//
// or both in one call with VornErrAt. Each report is appended to the error file
// "<VORNHOME>/log/error" (with /tmp/vorn in place of VORNHOME when that is not set), reports
// from level 1 on are shown in a message box, and a fatal report ends the process.

#include "vornui/platform/Export.h"

enum {
    VORNERR_LOG_MESSAGE = 0,
    VORNERR_WARNING = 1,
    VORNERR_ERROR = 2,
    VORNERR_FATAL = 3,
};

// The suite's numbered error messages, used as the format of a report. An empty entry
// follows the last one.
VORNUI_API extern const char* const g_lpszVornErrMsg[];
#define VORNMSG_NO_MEMORY 1            // "No memory from malloc()"
#define VORNMSG_OPEN_FILE 2            // "Could not open file: %s"
#define VORNMSG_SETUP_ERRORS 3         // "Too many setup file errors - terminating"
#define VORNMSG_FATAL_PROGRAM_ERROR 4  // "Fatal program error"
#define VORNMSG_PIXMAP 5               // "Can't create pixmap from file: %s"
#define VORNMSG_SHARED_MEMORY 6        // "Shared memory function error: %s"
#define VORNMSG_SERIAL_PORT 7          // "Can't open serial port %s"
#define VORNMSG_ILLEGAL_PORT_SETTING 8 // "Illegal port setting %s = %d - uses default %d"
#define VORNMSG_SEMAPHORE 9            // "Semaphore function error: %s"
#define VORNMSG_SIGNAL 10              // "Signal function error: %s"
#define VORNMSG_UNIX_SOCKET 11         // "Unix domain socket function error: %s"
#define VORNMSG_INSTRUMENT_SYNTAX 12   // "Syntax error in %s for instrument %s"

// The file and line named by the next report.
VORNUI_API void VornErrSource(const char* file, int line);

// Formats the message (up to 255 characters), writes the report and, from level 1 on,
// shows it; level 3 then says "Program terminated..." and exits with code -1. The C
// runtime's errno, when set, is reported with its text and reset to 0 afterwards.
VORNUI_API void VORNERR(int level, const char* format, ...) __attribute__((format(printf, 2, 3)));

// VornErrSource and VORNERR in one call.
VORNUI_API void VornErrAt(const char* file, int line, int level, const char* format, ...)
    __attribute__((format(printf, 4, 5)));
