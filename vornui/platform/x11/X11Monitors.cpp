#include "vornui/platform/internal/X11Monitors.h"

#include <cmath>
#include <xcb/randr.h>

namespace {

// The work area the window manager publishes for the current desktop, if any.
bool ReadWorkArea(XcbConnection& connection, CRect& work) {
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection.get(), 0, connection.screen()->root,
                         connection.atom("_NET_WORKAREA"), XCB_ATOM_CARDINAL, 0, 4);
    const XcbReply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection.get(), cookie, nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 16)
        return false;
    const auto* values = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    work = CRect(int(values[0]), int(values[1]), int(values[0] + values[2]),
                 int(values[1] + values[3]));
    return true;
}

std::vector<ScreenMonitor> RandrMonitors(XcbConnection& connection) {
    std::vector<ScreenMonitor> monitors;
    const xcb_randr_get_monitors_cookie_t cookie =
        xcb_randr_get_monitors(connection.get(), connection.screen()->root, 1);
    const XcbReply<xcb_randr_get_monitors_reply_t> reply(
        xcb_randr_get_monitors_reply(connection.get(), cookie, nullptr));
    if (!reply)
        return monitors;
    xcb_randr_monitor_info_iterator_t each = xcb_randr_get_monitors_monitors_iterator(reply.get());
    for (; each.rem; xcb_randr_monitor_info_next(&each)) {
        const xcb_randr_monitor_info_t& info = *each.data;
        const CRect rect(info.x, info.y, info.x + info.width, info.y + info.height);
        monitors.push_back(ScreenMonitor{rect, rect, info.primary != 0});
    }
    return monitors;
}

} // namespace

std::vector<ScreenMonitor> ReadX11Monitors(XcbConnection& connection) {
    std::vector<ScreenMonitor> monitors = RandrMonitors(connection);
    if (monitors.empty()) {
        const xcb_screen_t& screen = *connection.screen();
        const CRect whole(0, 0, screen.width_in_pixels, screen.height_in_pixels);
        monitors.push_back(ScreenMonitor{whole, whole, true});
    }
    CRect work;
    for (ScreenMonitor& monitor : monitors)
        if (monitor.primary && ReadWorkArea(connection, work))
            monitor.work.IntersectRect(monitor.rect, work);
    return monitors;
}

bool WatchX11Monitors(XcbConnection& connection) {
    const xcb_query_extension_reply_t* randr =
        xcb_get_extension_data(connection.get(), &xcb_randr_id);
    if (!randr || !randr->present)
        return false;
    xcb_randr_select_input(connection.get(), connection.screen()->root,
                           XCB_RANDR_NOTIFY_MASK_SCREEN_CHANGE);
    return true;
}

bool IsX11MonitorChange(XcbConnection& connection, const xcb_generic_event_t& event) {
    const xcb_query_extension_reply_t* randr =
        xcb_get_extension_data(connection.get(), &xcb_randr_id);
    return randr && randr->present &&
           (event.response_type & 0x7F) == randr->first_event + XCB_RANDR_SCREEN_CHANGE_NOTIFY;
}

int X11ScreenDpi(const xcb_screen_t& screen) {
    if (screen.width_in_millimeters == 0)
        return 96;
    return static_cast<int>(
        std::lround(screen.width_in_pixels * 25.4 / screen.width_in_millimeters));
}
