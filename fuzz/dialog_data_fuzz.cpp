// Text a user types (any bytes, control characters included) goes into an edit control and
// is read back through data exchange as every kind of number and as text.

#include "vornui/platform/DataExchange.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/DialogManager.h"
#include "vornui/platform/Edit.h"
#include "vornui/platform/Wnd.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

constexpr int kEdit = 10;

class Form : public CWnd {
public:
    explicit Form(const char* mode) : m_mode(mode) {}

    void DoDataExchange(CDataExchange* dx) override {
        switch (m_mode[0] % 5) {
        case 0:
            DDX_Text(dx, kEdit, m_int);
            DDV_MinMaxInt(dx, m_int, -50, 50);
            break;
        case 1:
            DDX_Text(dx, kEdit, m_uint);
            break;
        case 2:
            DDX_Text(dx, kEdit, m_double);
            DDV_MinMaxDouble(dx, m_double, -1e6, 1e6);
            break;
        case 3:
            DDX_Text(dx, kEdit, m_byte);
            break;
        default:
            DDX_Text(dx, kEdit, m_text);
            DDV_MaxChars(dx, m_text, 8);
            break;
        }
    }

private:
    const char* m_mode;
    int m_int = 0;
    UINT m_uint = 0;
    double m_double = 0;
    BYTE m_byte = 0;
    CString m_text;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    CScriptedUser quiet; // answers the validation messages without a word
    const char mode = static_cast<char>(data[0]);
    Form form(&mode);
    if (!form.CreateEx(0, "Static", "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr))
        return 0;
    const HWND edit = CreateWindowEx(
        0, "Edit", "", WS_CHILD | WS_VISIBLE | (mode & 1 ? ES_MULTILINE : 0), 0, 0, 100, 20,
        form.m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kEdit)), nullptr, nullptr);
    SendMessage(edit, EM_LIMITTEXT, 64, 0);
    for (size_t index = 1; index < size; ++index) {
        const uint8_t byte = data[index];
        if (byte == 0xFF && index + 2 < size) {
            // A selection the program makes between keystrokes.
            SendMessage(edit, EM_SETSEL, static_cast<WPARAM>(static_cast<int8_t>(data[index + 1])),
                        static_cast<int8_t>(data[index + 2]));
            index += 2;
            continue;
        }
        SendMessage(edit, WM_CHAR, byte, 1);
    }
    char line[80];
    const WORD capacity = sizeof line;
    std::memcpy(line, &capacity, sizeof capacity);
    SendMessage(edit, EM_GETLINE, 1, reinterpret_cast<LPARAM>(line));
    BOOL translated = FALSE;
    GetDlgItemInt(form.m_hWnd, kEdit, &translated, TRUE);
    form.UpdateData(TRUE);
    form.UpdateData(FALSE);
    form.DestroyWindow();
    return 0;
}
