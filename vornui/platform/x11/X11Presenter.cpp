#include "vornui/platform/internal/X11Presenter.h"

#include "vornui/platform/internal/XcbConnection.h"

#include <algorithm>
#include <cstring>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <xcb/shm.h>

namespace {

// A small part goes in a plain request: copying it costs less than the round trip the
// shared segment needs before it can be written again.
constexpr size_t kSharedFromPixels = 128 * 128;

// Whether the server keeps pixels of `depth` as the surface does.
bool MatchesSurfacePixels(const xcb_setup_t* setup, uint8_t depth) {
    if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
        return false;
    xcb_format_iterator_t formats = xcb_setup_pixmap_formats_iterator(setup);
    for (; formats.rem; xcb_format_next(&formats))
        if (formats.data->depth == depth)
            return formats.data->bits_per_pixel == 32;
    return false;
}

bool ServerOffersSharedMemory(xcb_connection_t* connection) {
    const XcbReply<xcb_shm_query_version_reply_t> version(
        xcb_shm_query_version_reply(connection, xcb_shm_query_version(connection), nullptr));
    return version != nullptr;
}

} // namespace

std::unique_ptr<X11Presenter> X11Presenter::Open(xcb_connection_t* connection, xcb_screen_t* screen,
                                                 bool sharedMemory, std::string& error) {
    if (!MatchesSurfacePixels(xcb_get_setup(connection), screen->root_depth)) {
        error = "the server's pixels are not 32-bit little-endian TrueColor";
        return nullptr;
    }
    std::unique_ptr<X11Presenter> presenter(new X11Presenter(connection, screen));
    // A first segment tells whether the server can reach this process's memory at all
    // (it cannot over the network); it grows with the largest part presented.
    if (sharedMemory && ServerOffersSharedMemory(connection))
        presenter->AttachSegment(size_t(screen->width_in_pixels) * 64);
    return presenter;
}

X11Presenter::X11Presenter(xcb_connection_t* connection, xcb_screen_t* screen)
    : m_connection(connection), m_depth(screen->root_depth), m_gc(xcb_generate_id(connection)) {
    const uint32_t noExposures = 0;
    xcb_create_gc(m_connection, m_gc, screen->root, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
}

X11Presenter::~X11Presenter() {
    DetachSegment();
    xcb_free_gc(m_connection, m_gc);
}

bool X11Presenter::AttachSegment(size_t pixels) {
    DetachSegment();
    const int shmId = shmget(IPC_PRIVATE, pixels * sizeof(Pixel), IPC_CREAT | 0600);
    if (shmId < 0)
        return false;
    void* address = shmat(shmId, nullptr, 0);
    if (address == reinterpret_cast<void*>(-1)) {
        shmctl(shmId, IPC_RMID, nullptr);
        return false;
    }
    const uint32_t id = xcb_generate_id(m_connection);
    const XcbReply<xcb_generic_error_t> refused(
        xcb_request_check(m_connection, xcb_shm_attach_checked(m_connection, id, shmId, 0)));
    // Once both sides hold it, the segment goes when the last lets go.
    shmctl(shmId, IPC_RMID, nullptr);
    if (refused) {
        shmdt(address);
        return false;
    }
    m_segment = Segment{id, shmId, static_cast<Pixel*>(address), pixels};
    return true;
}

void X11Presenter::DetachSegment() {
    if (!m_segment.id)
        return;
    AwaitSegmentRead();
    xcb_shm_detach(m_connection, m_segment.id);
    shmdt(m_segment.pixels);
    m_segment = Segment{};
}

void X11Presenter::AwaitSegmentRead() {
    if (!m_segmentInUse)
        return;
    // Requests are handled in order: when this reply comes, the put before it was done.
    std::free(xcb_get_input_focus_reply(m_connection, m_segmentFence, nullptr));
    m_segmentInUse = false;
}

void X11Presenter::Present(xcb_window_t window, const PixelSurface& surface, CRect part) {
    part.IntersectRect(part, CRect(0, 0, surface.width(), surface.height()));
    if (part.IsRectEmpty())
        return;
    const size_t pixels = size_t(part.Width()) * part.Height();
    if (m_segment.id && pixels >= kSharedFromPixels &&
        (pixels <= m_segment.capacity || AttachSegment(pixels)))
        PresentShared(window, surface, part);
    else
        PresentPlain(window, surface, part);
}

void X11Presenter::PresentShared(xcb_window_t window, const PixelSurface& surface,
                                 const CRect& part) {
    AwaitSegmentRead();
    const int width = part.Width();
    for (int y = 0; y < part.Height(); ++y)
        std::memcpy(m_segment.pixels + size_t(y) * width, surface.row(part.top + y) + part.left,
                    width * sizeof(Pixel));
    xcb_shm_put_image(m_connection, window, m_gc, width, part.Height(), 0, 0, width, part.Height(),
                      part.left, part.top, m_depth, XCB_IMAGE_FORMAT_Z_PIXMAP, 0, m_segment.id, 0);
    m_segmentFence = xcb_get_input_focus(m_connection);
    m_segmentInUse = true;
}

void X11Presenter::PresentPlain(xcb_window_t window, const PixelSurface& surface,
                                const CRect& part) {
    const int width = part.Width();
    // A request may carry only so many bytes; a large part goes in bands of rows.
    const size_t requestBytes = size_t(xcb_get_maximum_request_length(m_connection)) * 4;
    const int bandRows =
        std::max(1, static_cast<int>((requestBytes - sizeof(xcb_put_image_request_t)) /
                                     (width * sizeof(Pixel))));
    for (int top = part.top; top < part.bottom; top += bandRows) {
        const int rows = std::min(bandRows, static_cast<int>(part.bottom) - top);
        m_rows.resize(size_t(width) * rows);
        for (int y = 0; y < rows; ++y)
            std::memcpy(m_rows.data() + size_t(y) * width, surface.row(top + y) + part.left,
                        width * sizeof(Pixel));
        xcb_put_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, m_gc, width, rows, part.left,
                      top, 0, m_depth, m_rows.size() * sizeof(Pixel),
                      reinterpret_cast<const uint8_t*>(m_rows.data()));
    }
}
