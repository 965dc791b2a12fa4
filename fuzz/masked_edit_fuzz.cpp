// A masked edit with a random mask under a random run of keys, clicks, selections, writes
// and pastes of any bytes. After every step the window shows exactly the template with the
// values, every value is one its position could take, and the selection lies inside the
// text.

#include "vornui/edits/CmEdit.h"
#include "vornui/platform/Clipboard.h"
#include "vornui/platform/Window.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Looks at the model the checks need; the fuzzer acts only through messages and methods.
class WatchedEdit : public CmEdit {
public:
    void Check() const {
        char shown[256] = {};
        ::GetWindowText(m_hWnd, shown, sizeof shown);
        const size_t length = m_aChars.size();
        if (std::strlen(shown) != length)
            std::abort();
        for (size_t at = 0; at < length; ++at) {
            const CmEditChar& position = m_aChars[at];
            if (shown[at] != Expected(position))
                std::abort();
            if (position.Masked() && position.GetValue() && !Possible(position))
                std::abort();
        }
        DWORD start = 0;
        DWORD end = 0;
        ::SendMessage(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                      reinterpret_cast<LPARAM>(&end));
        if (start > end || end > length)
            std::abort();
    }

private:
    char Expected(const CmEditChar& position) const {
        if (!position.GetValue())
            return m_cPrompt;
        return m_cPassword && position.Masked() ? m_cPassword : position.GetValue();
    }
    // Accepted as it is, or accepted and then converted.
    static bool Possible(const CmEditChar& position) {
        const char value = position.GetValue();
        return position.Accepts(value) || position.Accepts(ToLower1252(value)) ||
               position.Accepts(ToUpper1252(value));
    }
};

void PutOnClipboard(const std::string& text) {
    if (!OpenClipboard(nullptr))
        return;
    EmptyClipboard();
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
}

class Script {
public:
    Script(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    bool More() const { return m_at < m_size; }
    uint8_t Byte() { return m_at < m_size ? m_data[m_at++] : 0; }
    // A piece of text: a length byte, then that many bytes (NULs end it early).
    std::string Text() {
        const size_t length = Byte() % 24;
        std::string text;
        for (size_t index = 0; index < length && More(); ++index)
            text += static_cast<char>(Byte());
        return text.substr(0, text.find('\0'));
    }
    int Position() { return static_cast<int8_t>(Byte()); }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_at = 0;
};

LPARAM PointOver(HWND edit, int index) {
    const LRESULT packed = SendMessage(edit, EM_POSFROMCHAR, static_cast<WPARAM>(index), 0);
    return MAKELPARAM(LOWORD(packed) + 1, HIWORD(packed) + 4);
}

void Step(WatchedEdit& edit, Script& script) {
    const HWND hwnd = edit.m_hWnd;
    const uint8_t operation = script.Byte();
    const uint8_t argument = script.Byte();
    switch (operation % 16) {
    case 0:
    case 1:
        SendMessage(hwnd, WM_CHAR, argument, 1);
        break;
    case 2:
        SendMessage(hwnd, WM_KEYDOWN, argument % 64, 1);
        break;
    case 3:
        SendMessage(hwnd, WM_KEYUP, argument % 64, 1);
        break;
    case 4:
        edit.SetSel(static_cast<int8_t>(argument), script.Position(), FALSE);
        break;
    case 5:
        SendMessage(hwnd, EM_SETSEL, static_cast<WPARAM>(static_cast<int8_t>(argument)),
                    script.Position());
        break;
    case 6: {
        const std::string text = script.Text();
        SendMessage(hwnd, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(text.c_str()));
        break;
    }
    case 7:
        PutOnClipboard(script.Text());
        SendMessage(hwnd, WM_PASTE, 0, 0);
        break;
    case 8: {
        static constexpr UINT kClipboard[] = {WM_CUT, WM_COPY, WM_CLEAR, WM_UNDO, EM_UNDO};
        SendMessage(hwnd, kClipboard[argument % 5], 0, 0);
        break;
    }
    case 9:
        SendMessage(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, PointOver(hwnd, argument % 48));
        SendMessage(hwnd, WM_MOUSEMOVE, MK_LBUTTON, PointOver(hwnd, script.Byte() % 48));
        SendMessage(hwnd, WM_LBUTTONUP, 0, PointOver(hwnd, script.Byte() % 48));
        break;
    case 10:
        SendMessage(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, PointOver(hwnd, argument % 48));
        SendMessage(hwnd, WM_RBUTTONUP, 0, PointOver(hwnd, argument % 48));
        break;
    case 11: {
        const std::string text = script.Text();
        if (argument & 1)
            edit.SetData(text.c_str());
        else
            ::SetWindowText(hwnd, text.c_str());
        break;
    }
    case 12:
        edit.SetPasswordChar(argument & 1 ? static_cast<char>(argument) : 0);
        break;
    case 13:
        edit.SetPrompt(static_cast<char>(argument));
        edit.CopyNonMasked(argument & 1);
        break;
    case 14:
        if (argument & 1)
            edit.ConverToUpper(argument & 2);
        else
            edit.ConverToLower(argument & 2);
        break;
    default:
        if (argument & 1)
            edit.Clear();
        else
            SetFocus(hwnd);
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Script script(data, size);
    const std::string mask = script.Text();
    const HWND frame = CreateWindowEx(0, "Static", "", WS_POPUP, 0, 0, 400, 60, nullptr, nullptr,
                                      nullptr, nullptr);
    WatchedEdit edit;
    if (!edit.Create(WS_VISIBLE | WS_TABSTOP, CRect(0, 0, 380, 24), CWnd::FromHandle(frame), 1)) {
        DestroyWindow(frame);
        return 0;
    }
    edit.SetMask(mask.c_str());
    edit.Check();
    while (script.More()) {
        Step(edit, script);
        edit.Check();
        char buffer[16];
        edit.GetWindowText(buffer, static_cast<int>(script.Byte() % sizeof buffer));
        edit.GetData(script.Position(), script.Position());
    }
    DestroyWindow(frame);
    return 0;
}
