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

// Registers one of the system's classes: their procedures live with each control.
void RegisterSystemClass(LPCTSTR name, WNDPROC proc, UINT style, int windowExtra = 0);

// Each control family registers its classes through here (called once, on first use).
void RegisterButtonClass();
void RegisterStaticClass();
void RegisterEditClass();
void RegisterListBoxClass();
void RegisterComboBoxClass();
void RegisterDialogClass();
void RegisterTabControlClass();
void RegisterUpDownClass();
void RegisterProgressClass();
void RegisterStatusBarClass();
