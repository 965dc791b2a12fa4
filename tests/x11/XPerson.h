#pragma once

// A person at an X server, on a connection of their own: they see the windows the server
// shows, read their pixels back, and act through the XTest extension, whose input the server
// treats as a real mouse and keyboard. They can also do what a window manager does (ask a
// window to close) and configure the server's monitors.

#include <cstdint>
#include <string>
#include <vector>
#include <xcb/xcb.h>

class XPerson {
public:
    explicit XPerson(const std::string& display);
    ~XPerson();
    XPerson(const XPerson&) = delete;
    XPerson& operator=(const XPerson&) = delete;

    bool connected() const;

    // The mapped top-level window titled `title`, waited for up to `timeoutMs` (0: looked for
    // once); 0 if none.
    xcb_window_t AwaitWindow(const std::string& title, int timeoutMs = 5000);
    // Where the window stands on the screen: x, y, width, height.
    std::vector<int> Geometry(xcb_window_t window);
    // The window's pixels as the server shows them, 0x00RRGGBB, rows top-down.
    std::vector<uint32_t> Picture(xcb_window_t window, int& width, int& height);

    void MoveTo(int x, int y);
    void Button(int button, bool down);
    void Click(int x, int y);
    // Types lower-case letters, digits and spaces with the server's keyboard map.
    void Type(const std::string& text);
    // Presses or releases the key whose first symbol is `keysym` (XK_Shift_L, 'a', ...).
    void Key(uint32_t keysym, bool down);
    // The window's property `name` in 32-bit items (WM_NORMAL_HINTS, WM_TRANSIENT_FOR, ...);
    // empty when it has none.
    std::vector<uint32_t> Property(xcb_window_t window, const char* name);
    // Moves and sizes the window, as a window manager does when it tiles it.
    void Configure(xcb_window_t window, int x, int y, int width, int height);
    // Asks the window to close, as a window manager's close button does.
    void RequestClose(xcb_window_t window);
    // Replaces the server's monitors (RandR) with these rectangles, the first primary.
    bool SetMonitors(const std::vector<std::vector<int>>& rectangles);
    // Waits until the server has handled everything sent so far.
    void Sync();

private:
    xcb_atom_t Atom(const char* name);
    xcb_keycode_t KeycodeOf(uint32_t keysym);
    void SendKey(xcb_keycode_t key, bool down);

    xcb_connection_t* m_connection;
    xcb_screen_t* m_screen = nullptr;
};
