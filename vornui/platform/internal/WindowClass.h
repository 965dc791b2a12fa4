#pragma once

// Inside the window manager: registered window classes, including the system's own
// control classes, which are registered on first use.

#include "vornui/platform/WindowTypes.h"

#include <string>

struct WindowClassRecord {
    WNDCLASS wc;
    std::string name;
    std::string menuName;
    ATOM atom;
};

// The class named `name` (case-insensitive, or an atom), null when none is registered.
const WindowClassRecord* FindWindowClass(LPCTSTR name);

// One of the system's classes, whose procedure lives with its control or manager: made
// where that procedure is defined, it registers the class as the library loads, before any
// window or host class can exist.
class SystemClass {
public:
    SystemClass(LPCTSTR name, WNDPROC proc, UINT style, int windowExtra = 0);
};
