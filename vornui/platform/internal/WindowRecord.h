#pragma once

// Inside the window manager: the record behind each HWND and the registry that says which
// handles are alive. Not part of the public interface.

#include "vornui/platform/CString.h"
#include "vornui/platform/WindowStyles.h"
#include "vornui/platform/WindowTypes.h"
#include "vornui/platform/internal/Region.h"
#include "vornui/platform/internal/ThreadStore.h"

#include <array>
#include <cstdint>
#include <memory>
#include <typeinfo>
#include <vector>

class CWnd;
class ThreadMessageQueue;
struct WindowClassRecord;

// The private state of a built-in control class, owned by its window.
struct ControlData {
    virtual ~ControlData() = default;
};

// Deletes a framework object made for a window nobody attached (defined with CWnd).
struct TemporaryWndDeleter {
    void operator()(CWnd* wnd) const;
};

struct ScrollBarState {
    int min = 0;
    int max = 0;
    UINT page = 0;
    int pos = 0;
    int trackPos = 0;
    bool dragging = false; // the thumb follows the pointer at trackPos
    bool disabled = false; // kept, greyed, by SIF_DISABLENOSCROLL with nothing to scroll
};

struct WindowRecord {
    std::shared_ptr<ThreadMessageQueue> queue; // the owner thread's queue
    DWORD threadId = 0;
    const WindowClassRecord* windowClass = nullptr;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    UINT_PTR id = 0;
    HMENU menu = nullptr;       // the menu bar of a top-level window
    HMENU systemMenu = nullptr; // its own copy of the window menu, made when first asked for
    HANDLE instance = nullptr;
    LONG_PTR userData = 0;
    CString text;
    CRect rect;       // window rectangle in the parent's client coordinates (top level: screen)
    CRect clientArea; // client rectangle relative to the window's top-left corner
    HWND parent = nullptr;
    HWND owner = nullptr;
    std::vector<HWND> children; // z-order, topmost first
    std::vector<BYTE> extra;    // the class's window extra bytes
    bool destroying = false;
    bool redraw = true;
    Region update;              // invalid part of the client area, client coordinates
    bool erase = false;         // WM_ERASEBKGND is due before painting
    bool frameDirty = true;     // the non-client area waits for WM_NCPAINT
    HANDLE font = nullptr;      // WM_SETFONT
    HANDLE bigIcon = nullptr;   // WM_SETICON, ICON_BIG
    HANDLE smallIcon = nullptr; // WM_SETICON, ICON_SMALL
    bool internalPaint = false;
    CRect normalPosition;     // restored rectangle, parent client coordinates
    ScrollBarState scroll[3]; // SB_HORZ, SB_VERT, and SB_CTL for a scroll bar control
    CWnd* wnd = nullptr;      // the framework object attached to the window
    std::unique_ptr<CWnd, TemporaryWndDeleter>
        temporaryWrapper; // made by CWnd::FromHandle for an unattached window
    std::unique_ptr<ControlData> control;
    bool registered = false; // IsWindow: created and not yet destroyed; guarded by the registry
};

// The desktop: the root of all top-level windows; its rectangle is the virtual screen.
HWND DesktopRecord();

// The window that holds `hwnd` in its children list: its parent, or the desktop.
HWND ParentOrDesktop(HWND hwnd);

// The calling thread's own living windows, found again without the registry's lock. A
// window leaves the living ones only on its own thread (DestroyWindow refuses any other),
// which forgets it here at that moment, so an entry is never stale; other threads' windows
// are always looked up under the lock.
class OwnWindowCache {
public:
    WindowRecord* find(HWND hwnd) const {
        const Entry& entry = m_entries[slot(hwnd)];
        return entry.hwnd == hwnd ? entry.record : nullptr;
    }
    void remember(HWND hwnd, WindowRecord* record) { m_entries[slot(hwnd)] = Entry{hwnd, record}; }
    void forget(HWND hwnd) {
        if (Entry& entry = m_entries[slot(hwnd)]; entry.hwnd == hwnd)
            entry = Entry{};
    }

private:
    struct Entry {
        HWND hwnd = nullptr;
        WindowRecord* record = nullptr;
    };
    static constexpr std::size_t kEntries = 64;
    // Handles differ first in their table slot, just above the low alignment bits.
    static std::size_t slot(HWND hwnd) {
        return (reinterpret_cast<std::uintptr_t>(hwnd) >> 4) % kEntries;
    }

    std::array<Entry, kEntries> m_entries{};
};

// A message looks its window up several times on its way (the sender, the framework, the
// control's own data): the look-up in the thread's cache is inlined where it is asked, so
// that a hit costs a few instructions and no call.
inline WindowRecord* CachedOwnWindow(HWND hwnd) {
    const OwnWindowCache* const cache = ThreadStore<OwnWindowCache>::Peek();
    return cache ? cache->find(hwnd) : nullptr;
}

// The registry's answers, under its lock, for windows the cache does not hold.
WindowRecord* LookUpLiveWindow(HWND hwnd);
WindowRecord* LookUpRecord(HWND hwnd);
WindowRecord* LookUpMessageTarget(HWND hwnd, std::shared_ptr<ThreadMessageQueue>& otherQueue);

// The record when `hwnd` names a living window, else null (and ERROR_INVALID_WINDOW_HANDLE).
inline WindowRecord* LiveWindow(HWND hwnd) {
    WindowRecord* const own = CachedOwnWindow(hwnd);
    return own ? own : LookUpLiveWindow(hwnd);
}
// The record of a living window or of one destroyed but not freed yet (its thread frees
// it at its next retrieval); null for any other handle.
inline WindowRecord* RecordOf(HWND hwnd) {
    WindowRecord* const own = CachedOwnWindow(hwnd);
    return own ? own : LookUpRecord(hwnd);
}
bool IsLiveWindow(HWND hwnd);
// The record when `hwnd` names a living window of the calling thread, else null.
WindowRecord* OwnWindow(HWND hwnd);
// The owner thread of a living window and its queue, read together under the registry's
// lock, so that another thread may ask while the owner destroys the window.
bool WindowOwner(HWND hwnd, DWORD& threadId, std::shared_ptr<ThreadMessageQueue>& queue);
// Where a message to `hwnd` goes: the record of a living window of the calling thread, to
// call its procedure at once; else null, with `otherQueue` set when a window of another
// thread lives, to send the message there. Sets no error.
inline WindowRecord* MessageTarget(HWND hwnd, std::shared_ptr<ThreadMessageQueue>& otherQueue) {
    WindowRecord* const own = CachedOwnWindow(hwnd);
    return own ? own : LookUpMessageTarget(hwnd, otherQueue);
}
HWND RegisterWindow(std::unique_ptr<WindowRecord> record);
// Takes the handle out of the living ones; the record stays until FreeWindowRecord.
void UnregisterWindow(HWND hwnd);
// Frees the record; its handle never names a window again, whichever window comes next.
void FreeWindowRecord(HWND hwnd);

// Where the client area's origin lies on the screen.
POINT ClientOriginOnScreen(HWND hwnd);

// The children list of `parent` (the desktop's is shared between threads and guarded).
std::vector<HWND> ChildrenOf(HWND parent);
void LinkChild(HWND parent, HWND child, HWND insertAfter);
void UnlinkChild(HWND parent, HWND child);

template <typename Data>
Data* ControlDataOf(HWND hwnd) {
    WindowRecord* record = LiveWindow(hwnd);
    ControlData* const control = record ? record->control.get() : nullptr;
    // Every message of a control asks: the exact type answers without a walk of the bases.
    if (control && typeid(*control) == typeid(Data))
        return static_cast<Data*>(control);
    return dynamic_cast<Data*>(control);
}
