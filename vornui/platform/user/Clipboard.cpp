#include "vornui/platform/Clipboard.h"

#include "vornui/platform/Bitmaps.h"
#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/GlobalMemory.h"
#include "vornui/platform/LastError.h"
#include "vornui/platform/internal/DisplayClipboard.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

namespace {

struct ClipboardState {
    std::mutex mutex;
    std::optional<std::thread::id> openedBy;
    HWND openWindow = nullptr;
    HWND owner = nullptr;
    std::map<UINT, HANDLE> data;   // in the order formats are enumerated
    bool emptiedWhileOpen = false; // the display's clipboard is offered what it holds at close
};

std::atomic<IDisplayClipboard*> g_displayClipboard{nullptr};

ClipboardState& State() {
    static ClipboardState state;
    return state;
}

bool OpenHere(const ClipboardState& state) {
    return state.openedBy == std::this_thread::get_id();
}

// Data of the clipboard dies with it: bitmaps are GDI objects, the rest global memory.
void Release(UINT format, HANDLE data) {
    if (!data)
        return;
    if (format == CF_BITMAP)
        DeleteObject(static_cast<HGDIOBJ>(data));
    else
        GlobalFree(data);
}

std::string TextOf(HANDLE block) {
    const auto* bytes = static_cast<const char*>(GlobalLock(block));
    if (!bytes)
        return {};
    std::string text(bytes, strnlen(bytes, GlobalSize(block)));
    GlobalUnlock(block);
    return text;
}

ArgbImage PictureOf(HBITMAP bitmap) {
    BITMAP shape{};
    if (!GetObject(bitmap, sizeof shape, &shape) || shape.bmWidth <= 0 || shape.bmHeight <= 0)
        return {};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = shape.bmWidth;
    info.bmiHeader.biHeight = -shape.bmHeight; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    ArgbImage picture(shape.bmWidth, shape.bmHeight);
    const HDC memory = CreateCompatibleDC(nullptr);
    const int rows = GetDIBits(memory, bitmap, 0, static_cast<UINT>(shape.bmHeight),
                               picture.pixels.data(), &info, DIB_RGB_COLORS);
    DeleteDC(memory);
    if (rows != shape.bmHeight)
        return {};
    for (ArgbPixel& pixel : picture.pixels)
        pixel |= 0xFF000000u;
    return picture;
}

// What other programs on the display may take of what the clipboard holds.
ClipboardContents ContentsOf(const std::map<UINT, HANDLE>& data) {
    ClipboardContents contents;
    if (const auto text = data.find(CF_TEXT); text != data.end() && text->second)
        contents.text = TextOf(text->second);
    if (const auto bitmap = data.find(CF_BITMAP); bitmap != data.end() && bitmap->second)
        contents.picture = PictureOf(static_cast<HBITMAP>(bitmap->second));
    return contents;
}

// A movable block with `text` and its zero, as the clipboard hands out its data.
HANDLE TextBlock(const std::string& text) {
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (void* bytes = block ? GlobalLock(block) : nullptr) {
        std::memcpy(bytes, text.c_str(), text.size() + 1);
        GlobalUnlock(block);
    }
    return const_cast<HANDLE>(block);
}

// The text of the program that holds the display's clipboard, in a block of the
// clipboard's own; null when it gives none.
HANDLE TextFromElsewhere(IDisplayClipboard& display) {
    const std::optional<std::string> text = display.FetchText();
    return text ? TextBlock(*text) : nullptr;
}

} // namespace

void SetDisplayClipboard(IDisplayClipboard* clipboard) {
    g_displayClipboard = clipboard;
}

BOOL OpenClipboard(HWND owner) {
    ClipboardState& state = State();
    std::lock_guard lock(state.mutex);
    // Another window, or another thread, holds it open.
    if (state.openedBy && (!OpenHere(state) || state.openWindow != owner)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    state.openedBy = std::this_thread::get_id();
    state.openWindow = owner;
    return TRUE;
}

BOOL CloseClipboard() {
    ClipboardState& state = State();
    std::lock_guard lock(state.mutex);
    if (!OpenHere(state)) {
        SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
        return FALSE;
    }
    state.openedBy.reset();
    state.openWindow = nullptr;
    IDisplayClipboard* display = g_displayClipboard.load();
    if (display && std::exchange(state.emptiedWhileOpen, false))
        display->Offer(ContentsOf(state.data));
    return TRUE;
}

BOOL EmptyClipboard() {
    ClipboardState& state = State();
    std::lock_guard lock(state.mutex);
    if (!OpenHere(state)) {
        SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
        return FALSE;
    }
    for (const auto& [format, data] : state.data)
        Release(format, data);
    state.data.clear();
    state.owner = state.openWindow;
    state.emptiedWhileOpen = true;
    return TRUE;
}

HANDLE SetClipboardData(UINT format, HANDLE data) {
    ClipboardState& state = State();
    std::lock_guard lock(state.mutex);
    if (!OpenHere(state) || format == 0) {
        SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
        return nullptr;
    }
    auto [it, inserted] = state.data.try_emplace(format, data);
    if (!inserted && it->second != data) {
        Release(format, it->second);
        it->second = data;
    }
    return data;
}

HANDLE SetClipboardData(UINT format, HGLOBAL data) {
    return SetClipboardData(format, const_cast<HANDLE>(data));
}

HANDLE GetClipboardData(UINT format) {
    ClipboardState& state = State();
    std::unique_lock lock(state.mutex);
    if (!OpenHere(state)) {
        SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
        return nullptr;
    }
    if (IDisplayClipboard* display = g_displayClipboard.load()) {
        // The other program may take a while to answer: nobody else can open the clipboard
        // meanwhile anyway, but its state need not be held.
        lock.unlock();
        const bool elsewhere = display->HeldElsewhere();
        const HANDLE fetched =
            elsewhere && format == CF_TEXT ? TextFromElsewhere(*display) : nullptr;
        lock.lock();
        // What another program holds is the clipboard now, whatever this one held before.
        if (elsewhere) {
            if (fetched)
                Release(format, std::exchange(state.data[format], fetched));
            return fetched;
        }
    }
    auto it = state.data.find(format);
    return it == state.data.end() ? nullptr : it->second;
}

BOOL IsClipboardFormatAvailable(UINT format) {
    if (IDisplayClipboard* display = g_displayClipboard.load();
        display && display->HeldElsewhere()) {
        const std::vector<UINT> formats = display->FormatsElsewhere();
        return std::find(formats.begin(), formats.end(), format) != formats.end();
    }
    ClipboardState& state = State();
    std::lock_guard lock(state.mutex);
    return state.data.count(format) ? TRUE : FALSE;
}

int CountClipboardFormats() {
    ClipboardState& state = State();
    std::lock_guard lock(state.mutex);
    return static_cast<int>(state.data.size());
}

UINT EnumClipboardFormats(UINT format) {
    ClipboardState& state = State();
    std::lock_guard lock(state.mutex);
    if (!OpenHere(state)) {
        SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
        return 0;
    }
    auto it = format == 0 ? state.data.begin() : state.data.upper_bound(format);
    SetLastError(NO_ERROR);
    return it == state.data.end() ? 0 : it->first;
}

HWND GetClipboardOwner() {
    ClipboardState& state = State();
    std::lock_guard lock(state.mutex);
    return state.owner;
}

HWND GetOpenClipboardWindow() {
    ClipboardState& state = State();
    std::lock_guard lock(state.mutex);
    return state.openedBy ? state.openWindow : nullptr;
}
