#pragma once

// Inside the X11 display: copies parts of a window's surface into its X window, through a
// shared memory segment where the server offers one, by plain image requests otherwise.
// The server's pixels must be 32-bit 0x00RRGGBB in little-endian order, as the surface's
// are (the usual 24-bit TrueColor visual); Open refuses any other.

#include "vornui/platform/CRect.h"
#include "vornui/platform/internal/PixelSurface.h"

#include <memory>
#include <string>
#include <vector>
#include <xcb/xcb.h>

class X11Presenter {
public:
    static std::unique_ptr<X11Presenter> Open(xcb_connection_t* connection, xcb_screen_t* screen,
                                              bool sharedMemory, std::string& error);
    ~X11Presenter();
    X11Presenter(const X11Presenter&) = delete;
    X11Presenter& operator=(const X11Presenter&) = delete;

    // Sends `part` (surface coordinates, held to the surface) to the same place of `window`.
    void Present(xcb_window_t window, const PixelSurface& surface, CRect part);
    bool usesSharedMemory() const { return m_segment.id != 0; }

private:
    struct Segment {
        uint32_t id = 0; // the server's name for it; 0: none
        int shmId = -1;
        Pixel* pixels = nullptr;
        size_t capacity = 0; // in pixels
    };

    X11Presenter(xcb_connection_t* connection, xcb_screen_t* screen);
    bool AttachSegment(size_t pixels);
    void DetachSegment();
    void PresentShared(xcb_window_t window, const PixelSurface& surface, const CRect& part);
    void PresentPlain(xcb_window_t window, const PixelSurface& surface, const CRect& part);
    // Waits until the server has read the segment, before it is written again.
    void AwaitSegmentRead();

    xcb_connection_t* const m_connection;
    const uint8_t m_depth;
    const xcb_gcontext_t m_gc;
    Segment m_segment;
    bool m_segmentInUse = false;
    xcb_get_input_focus_cookie_t m_segmentFence{};
    std::vector<Pixel> m_rows; // the part's rows, for plain requests
};
