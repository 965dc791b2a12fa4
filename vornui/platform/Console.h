#pragma once

// What a program learns about the console its standard streams write to, under the C
// runtime's names where it has them.

#include "vornui/platform/Export.h"

#include <cstdio>

// Nonzero when descriptor `fd` is a terminal (a character device a person reads).
VORNUI_API int _isatty(int fd);
// The descriptor under `stream`.
VORNUI_API int _fileno(std::FILE* stream);
// The width in columns of the terminal `fd` writes to; 0 when it is none or says nothing.
VORNUI_API int ConsoleColumns(int fd);
