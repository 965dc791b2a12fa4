#pragma once

// Inside the X11 display: the server's keyboard map, through xkbcommon. A key becomes the
// virtual key the library knows and the character it types, with dead keys and compose
// sequences resolved as the person's locale has them.

#include "vornui/platform/WinTypes.h"

#include <memory>
#include <string>
#include <xcb/xcb.h>

struct xkb_context;
struct xkb_keymap;
struct xkb_state;
struct xkb_compose_table;
struct xkb_compose_state;

// What a key does, as the library's input takes it.
struct KeyStroke {
    UINT virtualKey; // 0: a key the library has no name for
    char character;  // in code page 1252; 0 for none (or a dead key still waiting)
};

class X11Keyboard {
public:
    static std::unique_ptr<X11Keyboard> Open(xcb_connection_t* connection, std::string& error);
    ~X11Keyboard();
    X11Keyboard(const X11Keyboard&) = delete;
    X11Keyboard& operator=(const X11Keyboard&) = delete;

    KeyStroke Press(xcb_keycode_t key);
    KeyStroke Release(xcb_keycode_t key);

private:
    X11Keyboard() = default;
    char ComposedCharacter(xcb_keycode_t key);

    xkb_context* m_context = nullptr;
    xkb_keymap* m_keymap = nullptr;
    xkb_state* m_state = nullptr;
    xkb_compose_table* m_composeTable = nullptr;
    xkb_compose_state* m_compose = nullptr;
};

// The virtual key of a key whose unshifted symbol is `keysym`; 0 when the library has none.
UINT VirtualKeyOfKeysym(uint32_t keysym);
