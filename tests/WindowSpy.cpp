#include "tests/WindowSpy.h"

#include "vornui/platform/Button.h"
#include "vornui/platform/ComboBox.h"
#include "vornui/platform/Edit.h"
#include "vornui/platform/ListBox.h"

#include <algorithm>
#include <cstdio>

std::string MessageName(UINT message) {
    static const std::map<UINT, const char*> names = {
        {WM_CREATE, "WM_CREATE"},
        {WM_DESTROY, "WM_DESTROY"},
        {WM_NCDESTROY, "WM_NCDESTROY"},
        {WM_NCCREATE, "WM_NCCREATE"},
        {WM_MOVE, "WM_MOVE"},
        {WM_SIZE, "WM_SIZE"},
        {WM_ACTIVATE, "WM_ACTIVATE"},
        {WM_SETFOCUS, "WM_SETFOCUS"},
        {WM_KILLFOCUS, "WM_KILLFOCUS"},
        {WM_ENABLE, "WM_ENABLE"},
        {WM_SETTEXT, "WM_SETTEXT"},
        {WM_PAINT, "WM_PAINT"},
        {WM_CLOSE, "WM_CLOSE"},
        {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
        {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
        {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"},
        {WM_STYLECHANGING, "WM_STYLECHANGING"},
        {WM_STYLECHANGED, "WM_STYLECHANGED"},
        {WM_NCCALCSIZE, "WM_NCCALCSIZE"},
        {WM_KEYDOWN, "WM_KEYDOWN"},
        {WM_KEYUP, "WM_KEYUP"},
        {WM_CHAR, "WM_CHAR"},
        {WM_COMMAND, "WM_COMMAND"},
        {WM_TIMER, "WM_TIMER"},
        {WM_MOUSEMOVE, "WM_MOUSEMOVE"},
        {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
        {WM_LBUTTONUP, "WM_LBUTTONUP"},
        {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
        {WM_PARENTNOTIFY, "WM_PARENTNOTIFY"},
        {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
        {WM_GETMINMAXINFO, "WM_GETMINMAXINFO"},
        {BM_SETCHECK, "BM_SETCHECK"},
        {BM_SETSTATE, "BM_SETSTATE"},
        {BM_CLICK, "BM_CLICK"},
        {WM_USER, "WM_USER"},
        {WM_USER + 1, "WM_USER+1"},
        {WM_USER + 2, "WM_USER+2"},
    };
    const auto found = names.find(message);
    if (found != names.end())
        return found->second;
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%04X", message);
    return hex;
}

std::map<HWND, WindowSpy::Watched>& WindowSpy::Watching() {
    static std::map<HWND, Watched> watching;
    return watching;
}

WindowSpy::WindowSpy() = default;

WindowSpy::~WindowSpy() {
    for (auto it = Watching().begin(); it != Watching().end();) {
        if (it->second.spy == this) {
            if (IsWindow(it->first))
                SetWindowLongPtr(it->first, GWLP_WNDPROC,
                                 reinterpret_cast<LONG_PTR>(it->second.original));
            it = Watching().erase(it);
        } else {
            ++it;
        }
    }
}

void WindowSpy::Watch(HWND hwnd, const std::string& name) {
    const auto original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtr(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowSpy::SpyProc)));
    Watching()[hwnd] = Watched{original, name, this};
}

LRESULT WindowSpy::SpyProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto found = Watching().find(hwnd);
    if (found == Watching().end())
        return DefWindowProc(hwnd, message, wParam, lParam);
    const Watched watched = found->second;
    watched.spy->m_entries.push_back(
        Entry{watched.name, MSG{hwnd, message, wParam, lParam, 0, {}}});
    if (message == WM_NCDESTROY)
        Watching().erase(hwnd);
    return CallWindowProc(watched.original, hwnd, message, wParam, lParam);
}

std::vector<std::string> WindowSpy::Log(const std::vector<UINT>& only) const {
    std::vector<std::string> log;
    for (const Entry& entry : m_entries) {
        if (!only.empty() && std::find(only.begin(), only.end(), entry.msg.message) == only.end())
            continue;
        std::string line = entry.name + ":" + MessageName(entry.msg.message);
        if (entry.msg.message == WM_COMMAND)
            line += "/" + std::to_string(HIWORD(entry.msg.wParam));
        log.push_back(line);
    }
    return log;
}
