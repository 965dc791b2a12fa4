#include "vornui/platform/internal/X11Keyboard.h"

#include "vornui/platform/CodePage.h"
#include "vornui/platform/InputCodes.h"
#include "vornui/platform/WindowMessages.h"

#include <cstdlib>
#include <utility>
#include <xkbcommon/xkbcommon-compose.h>
#include <xkbcommon/xkbcommon-x11.h>

namespace {

// The punctuation keys of a US keyboard, by the names the system gives them.
constexpr UINT kOem1 = 0xBA;      // ;:
constexpr UINT kOemPlus = 0xBB;   // =+
constexpr UINT kOemComma = 0xBC;  // ,<
constexpr UINT kOemMinus = 0xBD;  // -_
constexpr UINT kOemPeriod = 0xBE; // .>
constexpr UINT kOem2 = 0xBF;      // /?
constexpr UINT kOem3 = 0xC0;      // `~
constexpr UINT kOem4 = 0xDB;      // [{
constexpr UINT kOem5 = 0xDC;      // \|
constexpr UINT kOem6 = 0xDD;      // ]}
constexpr UINT kOem7 = 0xDE;      // '"

constexpr std::pair<uint32_t, UINT> kNamedKeys[] = {
    {XKB_KEY_BackSpace, VK_BACK},
    {XKB_KEY_Tab, VK_TAB},
    {XKB_KEY_ISO_Left_Tab, VK_TAB},
    {XKB_KEY_Return, VK_RETURN},
    {XKB_KEY_KP_Enter, VK_RETURN},
    {XKB_KEY_Escape, VK_ESCAPE},
    {XKB_KEY_space, VK_SPACE},
    {XKB_KEY_Prior, VK_PRIOR},
    {XKB_KEY_Next, VK_NEXT},
    {XKB_KEY_End, VK_END},
    {XKB_KEY_Home, VK_HOME},
    {XKB_KEY_Left, VK_LEFT},
    {XKB_KEY_Up, VK_UP},
    {XKB_KEY_Right, VK_RIGHT},
    {XKB_KEY_Down, VK_DOWN},
    {XKB_KEY_Insert, VK_INSERT},
    {XKB_KEY_Delete, VK_DELETE},
    {XKB_KEY_Shift_L, VK_SHIFT},
    {XKB_KEY_Shift_R, VK_SHIFT},
    {XKB_KEY_Control_L, VK_CONTROL},
    {XKB_KEY_Control_R, VK_CONTROL},
    {XKB_KEY_Alt_L, VK_MENU},
    {XKB_KEY_Alt_R, VK_MENU},
    {XKB_KEY_ISO_Level3_Shift, VK_MENU},
    {XKB_KEY_Meta_L, VK_MENU},
    {XKB_KEY_Super_L, VK_LWIN},
    {XKB_KEY_Super_R, VK_RWIN},
    {XKB_KEY_Menu, VK_APPS},
    {XKB_KEY_Pause, VK_PAUSE},
    {XKB_KEY_Caps_Lock, VK_CAPITAL},
    {XKB_KEY_Num_Lock, VK_NUMLOCK},
    {XKB_KEY_Scroll_Lock, VK_SCROLL},
    {XKB_KEY_Print, VK_SNAPSHOT},
    {XKB_KEY_Help, VK_HELP},
    {XKB_KEY_KP_Multiply, VK_MULTIPLY},
    {XKB_KEY_KP_Add, VK_ADD},
    {XKB_KEY_KP_Separator, VK_SEPARATOR},
    {XKB_KEY_KP_Subtract, VK_SUBTRACT},
    {XKB_KEY_KP_Decimal, VK_DECIMAL},
    {XKB_KEY_KP_Divide, VK_DIVIDE},
    {XKB_KEY_KP_Home, VK_HOME},
    {XKB_KEY_KP_End, VK_END},
    {XKB_KEY_KP_Left, VK_LEFT},
    {XKB_KEY_KP_Right, VK_RIGHT},
    {XKB_KEY_KP_Up, VK_UP},
    {XKB_KEY_KP_Down, VK_DOWN},
    {XKB_KEY_KP_Prior, VK_PRIOR},
    {XKB_KEY_KP_Next, VK_NEXT},
    {XKB_KEY_KP_Insert, VK_INSERT},
    {XKB_KEY_KP_Delete, VK_DELETE},
    {XKB_KEY_semicolon, kOem1},
    {XKB_KEY_equal, kOemPlus},
    {XKB_KEY_comma, kOemComma},
    {XKB_KEY_minus, kOemMinus},
    {XKB_KEY_period, kOemPeriod},
    {XKB_KEY_slash, kOem2},
    {XKB_KEY_grave, kOem3},
    {XKB_KEY_bracketleft, kOem4},
    {XKB_KEY_backslash, kOem5},
    {XKB_KEY_bracketright, kOem6},
    {XKB_KEY_apostrophe, kOem7},
    {XKB_KEY_dead_grave, kOem3},
    {XKB_KEY_dead_acute, kOem7},
    {XKB_KEY_dead_circumflex, kOem6},
};

// The locale whose compose sequences apply, as the C library would choose it.
const char* ComposeLocale() {
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"})
        if (const char* value = std::getenv(variable); value && *value)
            return value;
    return "C";
}

// The character a key's UTF-8 text types; 0 when code page 1252 has none.
char Cp1252OfUtf8(const char* utf8) {
    const std::string text = Cp1252FromUtf8(utf8, '\0');
    return text.size() == 1 ? text[0] : 0;
}

} // namespace

UINT VirtualKeyOfKeysym(uint32_t keysym) {
    if (keysym >= XKB_KEY_a && keysym <= XKB_KEY_z)
        return 'A' + (keysym - XKB_KEY_a);
    if (keysym >= XKB_KEY_A && keysym <= XKB_KEY_Z)
        return 'A' + (keysym - XKB_KEY_A);
    if (keysym >= XKB_KEY_0 && keysym <= XKB_KEY_9)
        return '0' + (keysym - XKB_KEY_0);
    if (keysym >= XKB_KEY_F1 && keysym <= XKB_KEY_F12)
        return VK_F1 + (keysym - XKB_KEY_F1);
    if (keysym >= XKB_KEY_KP_0 && keysym <= XKB_KEY_KP_9)
        return VK_NUMPAD0 + (keysym - XKB_KEY_KP_0);
    for (const auto& [named, virtualKey] : kNamedKeys)
        if (named == keysym)
            return virtualKey;
    return 0;
}

std::unique_ptr<X11Keyboard> X11Keyboard::Open(xcb_connection_t* connection, std::string& error) {
    if (!xkb_x11_setup_xkb_extension(
            connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
            XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr)) {
        error = "the server has no keyboard extension (XKB)";
        return nullptr;
    }
    std::unique_ptr<X11Keyboard> keyboard(new X11Keyboard);
    keyboard->m_context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    const int32_t device = xkb_x11_get_core_keyboard_device_id(connection);
    if (keyboard->m_context && device >= 0)
        keyboard->m_keymap = xkb_x11_keymap_new_from_device(keyboard->m_context, connection, device,
                                                            XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (keyboard->m_keymap)
        keyboard->m_state = xkb_x11_state_new_from_device(keyboard->m_keymap, connection, device);
    if (!keyboard->m_state) {
        error = "the server's keyboard map cannot be read";
        return nullptr;
    }
    // Without compose sequences for the locale, dead keys type nothing of their own.
    keyboard->m_composeTable = xkb_compose_table_new_from_locale(
        keyboard->m_context, ComposeLocale(), XKB_COMPOSE_COMPILE_NO_FLAGS);
    if (keyboard->m_composeTable)
        keyboard->m_compose =
            xkb_compose_state_new(keyboard->m_composeTable, XKB_COMPOSE_STATE_NO_FLAGS);
    return keyboard;
}

X11Keyboard::~X11Keyboard() {
    xkb_compose_state_unref(m_compose);
    xkb_compose_table_unref(m_composeTable);
    xkb_state_unref(m_state);
    xkb_keymap_unref(m_keymap);
    xkb_context_unref(m_context);
}

KeyStroke X11Keyboard::Press(xcb_keycode_t key) {
    // The virtual key names the key, not what Shift makes of it: the first level's symbol.
    const xkb_keysym_t* unshifted = nullptr;
    const int count = xkb_keymap_key_get_syms_by_level(m_keymap, key, 0, 0, &unshifted);
    const UINT virtualKey = count > 0 ? VirtualKeyOfKeysym(unshifted[0]) : 0;
    const char character = ComposedCharacter(key);
    xkb_state_update_key(m_state, key, XKB_KEY_DOWN);
    return {virtualKey, character};
}

KeyStroke X11Keyboard::Release(xcb_keycode_t key) {
    const xkb_keysym_t* unshifted = nullptr;
    const int count = xkb_keymap_key_get_syms_by_level(m_keymap, key, 0, 0, &unshifted);
    xkb_state_update_key(m_state, key, XKB_KEY_UP);
    return {count > 0 ? VirtualKeyOfKeysym(unshifted[0]) : 0, 0};
}

char X11Keyboard::ComposedCharacter(xcb_keycode_t key) {
    char utf8[8] = {};
    const xkb_keysym_t keysym = xkb_state_key_get_one_sym(m_state, key);
    if (m_compose && xkb_compose_state_feed(m_compose, keysym) == XKB_COMPOSE_FEED_ACCEPTED) {
        switch (xkb_compose_state_get_status(m_compose)) {
        case XKB_COMPOSE_COMPOSING:
            return 0;
        case XKB_COMPOSE_COMPOSED:
            xkb_compose_state_get_utf8(m_compose, utf8, sizeof utf8);
            xkb_compose_state_reset(m_compose);
            return Cp1252OfUtf8(utf8);
        case XKB_COMPOSE_CANCELLED:
            xkb_compose_state_reset(m_compose);
            return 0;
        case XKB_COMPOSE_NOTHING:
            break;
        }
    }
    xkb_state_key_get_utf8(m_state, key, utf8, sizeof utf8);
    return Cp1252OfUtf8(utf8);
}
