#include "vornui/util/ClipboardText.h"

#include "vornui/platform/Clipboard.h"
#include "vornui/platform/GlobalMemory.h"

#include <cstring>

namespace {

// Closes the clipboard on every path once it is open.
class OpenedClipboard {
public:
    OpenedClipboard() : m_open(OpenClipboard(nullptr) != FALSE) {}
    ~OpenedClipboard() {
        if (m_open)
            CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    bool IsOpen() const { return m_open; }

private:
    const bool m_open;
};

// The text with its zero in a movable block of its own.
HGLOBAL TextBlock(const CString& text) {
    const size_t size = static_cast<size_t>(text.GetLength()) + 1;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block)
        return nullptr;
    void* bytes = GlobalLock(block);
    if (!bytes) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(bytes, text.GetString(), size);
    GlobalUnlock(block);
    return block;
}

} // namespace

bool GetClipboard(CString& text) {
    text.Empty();
    const OpenedClipboard clipboard;
    if (!clipboard.IsOpen())
        return false;
    if (const HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const auto* bytes = static_cast<const char*>(GlobalLock(data))) {
            text.SetString(bytes, static_cast<int>(strnlen(bytes, GlobalSize(data))));
            GlobalUnlock(data);
        }
    }
    return !text.IsEmpty();
}

bool SetClipboard(const CString& text) {
    const OpenedClipboard clipboard;
    if (!clipboard.IsOpen() || !EmptyClipboard())
        return false;
    HGLOBAL block = TextBlock(text);
    if (!block)
        return false;
    if (!SetClipboardData(CF_TEXT, block)) {
        GlobalFree(block);
        return false;
    }
    return true;
}
