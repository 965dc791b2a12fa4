// Dragging an image list's image over a window: the pixels under the image are kept while
// it shows and put back when it moves or hides, so the window is left as it was.

#include "vornui/platform/Bitmaps.h"
#include "vornui/platform/Blits.h"
#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/ImageList.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/internal/ImageListRecord.h"

#include <optional>

namespace {

class DragImage {
public:
    DragImage(ArgbImage image, CPoint hotspot) : m_image(std::move(image)), m_hotspot(hotspot) {}
    ~DragImage() { hide(); }
    DragImage(const DragImage&) = delete;
    DragImage& operator=(const DragImage&) = delete;

    void enter(HWND lock, CPoint at) {
        hide();
        m_lock = lock;
        m_position = at;
        m_entered = true;
        show();
    }
    void moveTo(CPoint at) {
        const bool wasShown = m_saved.has_value();
        hide();
        m_position = at;
        if (wasShown)
            show();
    }
    void leave() {
        hide();
        m_entered = false;
    }
    void setVisible(bool visible) {
        if (!visible)
            hide();
        else if (m_entered && !m_saved)
            show();
    }

private:
    struct Saved {
        HDC dc;
        HBITMAP bitmap;
        HGDIOBJ old;
        CRect at;
    };

    CRect placement() const {
        const CPoint corner(m_position.x - m_hotspot.x, m_position.y - m_hotspot.y);
        return CRect(corner.x, corner.y, corner.x + m_image.width, corner.y + m_image.height);
    }

    void show() {
        const HDC window = GetWindowDC(m_lock);
        if (!window)
            return;
        const CRect at = placement();
        Saved saved{CreateCompatibleDC(window),
                    CreateCompatibleBitmap(window, at.Width(), at.Height()), nullptr, at};
        saved.old = SelectObject(saved.dc, saved.bitmap);
        BitBlt(saved.dc, 0, 0, at.Width(), at.Height(), window, at.left, at.top, SRCCOPY);
        DrawArgbImage(window, at, m_image, {CRect(0, 0, m_image.width, m_image.height)});
        ReleaseDC(m_lock, window);
        m_saved = saved;
    }

    void hide() {
        if (!m_saved)
            return;
        Saved saved = *m_saved;
        m_saved.reset();
        if (const HDC window = GetWindowDC(m_lock)) {
            BitBlt(window, saved.at.left, saved.at.top, saved.at.Width(), saved.at.Height(),
                   saved.dc, 0, 0, SRCCOPY);
            ReleaseDC(m_lock, window);
        }
        SelectObject(saved.dc, saved.old);
        DeleteObject(saved.bitmap);
        DeleteDC(saved.dc);
    }

    ArgbImage m_image;
    CPoint m_hotspot;
    HWND m_lock = nullptr;
    CPoint m_position;
    bool m_entered = false;
    std::optional<Saved> m_saved;
};

// One drag at a time on each thread, as the system has it.
thread_local std::optional<DragImage> t_drag;

} // namespace

BOOL ImageList_BeginDrag(HIMAGELIST track, int index, int hotspotX, int hotspotY) {
    const ImageListObject* record = LiveImageList(track);
    if (!record || !record->valid(index))
        return FALSE;
    t_drag.reset();
    t_drag.emplace(record->images[static_cast<std::size_t>(index)], CPoint(hotspotX, hotspotY));
    return TRUE;
}

BOOL ImageList_DragEnter(HWND lock, int x, int y) {
    if (!t_drag)
        return FALSE;
    t_drag->enter(lock, CPoint(x, y));
    return TRUE;
}

BOOL ImageList_DragMove(int x, int y) {
    if (!t_drag)
        return FALSE;
    t_drag->moveTo(CPoint(x, y));
    return TRUE;
}

BOOL ImageList_DragLeave(HWND) {
    if (!t_drag)
        return FALSE;
    t_drag->leave();
    return TRUE;
}

BOOL ImageList_DragShowNolock(BOOL show) {
    if (!t_drag)
        return FALSE;
    t_drag->setVisible(show != FALSE);
    return TRUE;
}

void ImageList_EndDrag() {
    t_drag.reset();
}
