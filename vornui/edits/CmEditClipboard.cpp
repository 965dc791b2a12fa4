#include "vornui/edits/CmEdit.h"
#include "vornui/platform/Clipboard.h"

#include <cstring>
#include <optional>

namespace {

// Opens the clipboard for `owner` and closes it again on every path.
class ClipboardScope {
public:
    explicit ClipboardScope(HWND owner) : m_open(OpenClipboard(owner) != FALSE) {}
    ~ClipboardScope() {
        if (m_open)
            CloseClipboard();
    }
    ClipboardScope(const ClipboardScope&) = delete;
    ClipboardScope& operator=(const ClipboardScope&) = delete;

    bool IsOpen() const { return m_open; }

private:
    bool m_open;
};

void PutText(const CString& text) {
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.GetLength() + 1);
    if (!memory)
        return;
    std::memcpy(GlobalLock(memory), text.GetString(), text.GetLength() + 1);
    GlobalUnlock(memory);
    if (!SetClipboardData(CF_TEXT, memory))
        GlobalFree(memory);
}

// The plain text on the clipboard, up to its first NUL; none when there is no text.
std::optional<CString> TakeText(HWND owner) {
    const ClipboardScope clipboard(owner);
    const HANDLE memory = clipboard.IsOpen() ? GetClipboardData(CF_TEXT) : nullptr;
    if (!memory)
        return std::nullopt;
    const auto* bytes = static_cast<const char*>(GlobalLock(memory));
    if (!bytes)
        return std::nullopt;
    CString text(bytes, static_cast<int>(strnlen(bytes, GlobalSize(memory))));
    GlobalUnlock(memory);
    return text;
}

} // namespace

void CmEdit::Copy() {
    if (m_cPassword)
        return;
    const ClipboardScope clipboard(m_hWnd);
    if (!clipboard.IsOpen())
        return;
    EmptyClipboard();
    int start;
    int end;
    GetSelection(start, end);
    if (start == end)
        return;
    if (const CString text = GetData(start, end - start); !text.IsEmpty())
        PutText(text);
}

void CmEdit::Cut() {
    int start;
    int end;
    GetSelection(start, end);
    if (start == end || m_cPassword)
        return;
    Copy();
    EmptyPositions(start, end);
    const auto [fieldStart, fieldEnd] = FieldAt(start);
    Show(fieldStart, fieldEnd);
}

void CmEdit::Paste() {
    const std::optional<CString> text = TakeText(m_hWnd);
    if (!text)
        return;
    ReplaceSel(*text);
    int start;
    int end;
    GetSelection(start, end);
    SetMaskedSel(end + 1);
}

void CmEdit::Clear() {
    EmptyPositions(0, Length());
    const auto [fieldStart, fieldEnd] = FieldAt(0);
    Show(fieldStart, fieldEnd);
}

bool CmEdit::HandleClipboardMessage(UINT message, LRESULT& result) {
    result = 0;
    switch (message) {
    case WM_COPY:
        Copy();
        return true;
    case WM_CUT:
        Cut();
        return true;
    case WM_PASTE:
        Paste();
        return true;
    case WM_CLEAR: {
        int start;
        int end;
        GetSelection(start, end);
        EmptyPositions(start, end);
        Show(start, start);
        return true;
    }
    case WM_UNDO:
    case EM_UNDO:
    case EM_CANUNDO:
        result = FALSE; // the template keeps no history
        return true;
    default:
        return false;
    }
}
