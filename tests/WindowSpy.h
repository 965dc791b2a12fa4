#pragma once

// Records the messages windows receive, by subclassing them the way a program would
// (SetWindowLongPtr with GWLP_WNDPROC, CallWindowProc to pass each message on).

#include "vornui/platform/Window.h"

#include <map>
#include <string>
#include <vector>

class WindowSpy {
public:
    WindowSpy();
    ~WindowSpy();
    WindowSpy(const WindowSpy&) = delete;
    WindowSpy& operator=(const WindowSpy&) = delete;

    // Starts recording what `hwnd` receives, under `name`.
    void Watch(HWND hwnd, const std::string& name);
    // Entries "name:MESSAGE" (notifications as "name:WM_COMMAND/CODE"), oldest first,
    // keeping only the listed messages when `only` is not empty.
    std::vector<std::string> Log(const std::vector<UINT>& only = {}) const;
    void Clear() { m_entries.clear(); }

private:
    struct Entry {
        std::string name;
        MSG msg;
    };
    struct Watched {
        WNDPROC original;
        std::string name;
        WindowSpy* spy;
    };
    static LRESULT SpyProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static std::map<HWND, Watched>& Watching();

    std::vector<Entry> m_entries;
};

// The name of a message, for readable expectations ("WM_SETFOCUS"); hex when unknown.
std::string MessageName(UINT message);
