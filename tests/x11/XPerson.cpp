#include "tests/x11/XPerson.h"

#include <chrono>
#include <cstdlib>
#include <memory>
#include <sys/uio.h>
#include <thread>
#include <xcb/randr.h>
#include <xcb/xcbext.h>
#include <xcb/xtest.h>

namespace {

template <class T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <class T>
Reply<T> Take(T* reply) {
    return Reply<T>(reply, &std::free);
}

std::string TitleOf(xcb_connection_t* connection, xcb_window_t window) {
    const auto reply = Take(xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 0, 256),
        nullptr));
    if (!reply)
        return {};
    return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                       static_cast<size_t>(xcb_get_property_value_length(reply.get())));
}

bool IsViewable(xcb_connection_t* connection, xcb_window_t window) {
    const auto attributes = Take(xcb_get_window_attributes_reply(
        connection, xcb_get_window_attributes(connection, window), nullptr));
    return attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
}

} // namespace

XPerson::XPerson(const std::string& display) : m_connection(xcb_connect(display.c_str(), nullptr)) {
    if (!xcb_connection_has_error(m_connection))
        m_screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
}

XPerson::~XPerson() {
    xcb_disconnect(m_connection);
}

bool XPerson::connected() const {
    return m_screen && !xcb_connection_has_error(m_connection);
}

xcb_window_t XPerson::AwaitWindow(const std::string& title, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    do {
        const auto tree = Take(xcb_query_tree_reply(
            m_connection, xcb_query_tree(m_connection, m_screen->root), nullptr));
        const xcb_window_t* children = tree ? xcb_query_tree_children(tree.get()) : nullptr;
        for (int index = 0; tree && index < xcb_query_tree_children_length(tree.get()); ++index)
            if (TitleOf(m_connection, children[index]) == title &&
                IsViewable(m_connection, children[index]))
                return children[index];
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    } while (connected() && std::chrono::steady_clock::now() < deadline);
    return XCB_NONE;
}

std::vector<int> XPerson::Geometry(xcb_window_t window) {
    const auto geometry =
        Take(xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr));
    if (!geometry)
        return {};
    return {geometry->x, geometry->y, geometry->width, geometry->height};
}

std::vector<uint32_t> XPerson::Picture(xcb_window_t window, int& width, int& height) {
    const std::vector<int> geometry = Geometry(window);
    width = geometry.empty() ? 0 : geometry[2];
    height = geometry.empty() ? 0 : geometry[3];
    const auto image = Take(xcb_get_image_reply(
        m_connection,
        xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                      static_cast<uint16_t>(width), static_cast<uint16_t>(height), ~0u),
        nullptr));
    if (!image)
        return {};
    const auto* pixels = reinterpret_cast<const uint32_t*>(xcb_get_image_data(image.get()));
    std::vector<uint32_t> picture(pixels, pixels + size_t(width) * height);
    for (uint32_t& pixel : picture)
        pixel &= 0x00FFFFFF;
    return picture;
}

void XPerson::MoveTo(int x, int y) {
    xcb_test_fake_input(m_connection, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, m_screen->root,
                        static_cast<int16_t>(x), static_cast<int16_t>(y), 0);
    Sync();
}

void XPerson::Button(int button, bool down) {
    xcb_test_fake_input(m_connection, down ? XCB_BUTTON_PRESS : XCB_BUTTON_RELEASE,
                        static_cast<uint8_t>(button), XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    Sync();
}

void XPerson::Click(int x, int y) {
    MoveTo(x, y);
    Button(1, true);
    Button(1, false);
}

void XPerson::Type(const std::string& text) {
    for (const char character : text) {
        const xcb_keycode_t key = KeycodeOf(static_cast<unsigned char>(character));
        SendKey(key, true);
        SendKey(key, false);
    }
}

void XPerson::Key(uint32_t keysym, bool down) {
    SendKey(KeycodeOf(keysym), down);
}

void XPerson::SendKey(xcb_keycode_t key, bool down) {
    xcb_test_fake_input(m_connection, down ? XCB_KEY_PRESS : XCB_KEY_RELEASE, key, XCB_CURRENT_TIME,
                        XCB_NONE, 0, 0, 0);
    Sync();
}

xcb_keycode_t XPerson::KeycodeOf(uint32_t keysym) {
    const xcb_setup_t* setup = xcb_get_setup(m_connection);
    const uint8_t count = setup->max_keycode - setup->min_keycode + 1;
    const auto mapping = Take(xcb_get_keyboard_mapping_reply(
        m_connection, xcb_get_keyboard_mapping(m_connection, setup->min_keycode, count), nullptr));
    if (!mapping)
        return 0;
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(mapping.get());
    for (int index = 0; index < count; ++index)
        if (keysyms[index * mapping->keysyms_per_keycode] == keysym)
            return static_cast<xcb_keycode_t>(setup->min_keycode + index);
    return 0;
}

std::vector<uint32_t> XPerson::Property(xcb_window_t window, const char* name) {
    const auto reply = Take(xcb_get_property_reply(
        m_connection,
        xcb_get_property(m_connection, 0, window, Atom(name), XCB_GET_PROPERTY_TYPE_ANY, 0, 64),
        nullptr));
    if (!reply || reply->format != 32)
        return {};
    const auto* items = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return std::vector<uint32_t>(items, items + reply->value_len);
}

void XPerson::Configure(xcb_window_t window, int x, int y, int width, int height) {
    const uint32_t geometry[] = {static_cast<uint32_t>(x), static_cast<uint32_t>(y),
                                 static_cast<uint32_t>(width), static_cast<uint32_t>(height)};
    xcb_configure_window(m_connection, window,
                         XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH |
                             XCB_CONFIG_WINDOW_HEIGHT,
                         geometry);
    Sync();
}

void XPerson::RequestClose(xcb_window_t window) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = Atom("WM_PROTOCOLS");
    event.data.data32[0] = Atom("WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(m_connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&event));
    Sync();
}

bool XPerson::SetMonitors(const std::vector<std::vector<int>>& rectangles) {
    const auto current = Take(xcb_randr_get_monitors_reply(
        m_connection, xcb_randr_get_monitors(m_connection, m_screen->root, 0), nullptr));
    if (!current)
        return false;
    for (auto each = xcb_randr_get_monitors_monitors_iterator(current.get()); each.rem;
         xcb_randr_monitor_info_next(&each))
        xcb_randr_delete_monitor(m_connection, m_screen->root, each.data->name);
    // The first monitor takes the server's output, whose own monitor then goes.
    const auto resources = Take(xcb_randr_get_screen_resources_current_reply(
        m_connection, xcb_randr_get_screen_resources_current(m_connection, m_screen->root),
        nullptr));
    if (!resources || xcb_randr_get_screen_resources_current_outputs_length(resources.get()) < 1)
        return false;
    xcb_randr_output_t output = xcb_randr_get_screen_resources_current_outputs(resources.get())[0];
    for (size_t index = 0; index < rectangles.size(); ++index) {
        const std::vector<int>& rect = rectangles[index];
        xcb_randr_monitor_info_t info{};
        info.name = Atom(("VORNUI-TEST-" + std::to_string(index)).c_str());
        info.primary = index == 0;
        info.nOutput = index == 0 ? 1 : 0;
        info.x = static_cast<int16_t>(rect[0]);
        info.y = static_cast<int16_t>(rect[1]);
        info.width = static_cast<uint16_t>(rect[2]);
        info.height = static_cast<uint16_t>(rect[3]);
        info.width_in_millimeters = static_cast<uint32_t>(rect[2] / 4);
        info.height_in_millimeters = static_cast<uint32_t>(rect[3] / 4);
        // Sent by hand: libxcb's own SetMonitor miscounts the padding of the output list.
        xcb_randr_set_monitor_request_t request{};
        request.minor_opcode = XCB_RANDR_SET_MONITOR;
        request.window = m_screen->root;
        iovec parts[5] = {{},
                          {},
                          {&request, sizeof request},
                          {&info, sizeof info},
                          {&output, info.nOutput * sizeof output}};
        xcb_protocol_request_t protocol{3, &xcb_randr_id, XCB_RANDR_SET_MONITOR, 1};
        const xcb_void_cookie_t cookie{
            xcb_send_request(m_connection, XCB_REQUEST_CHECKED, parts + 2, &protocol)};
        const auto refused = Take(xcb_request_check(m_connection, cookie));
        if (refused)
            return false;
    }
    return true;
}

void XPerson::Sync() {
    std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
}

xcb_atom_t XPerson::Atom(const char* name) {
    const auto reply = Take(xcb_intern_atom_reply(
        m_connection,
        xcb_intern_atom(m_connection, 0, static_cast<uint16_t>(std::string(name).size()), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}
