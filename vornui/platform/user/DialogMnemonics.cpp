#include "vornui/platform/internal/DialogMnemonics.h"

#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/CString.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/internal/WindowInternals.h"

#include <vector>

namespace {

bool Reachable(HWND hwnd) {
    const DWORD style = StyleOf(hwnd);
    return (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

// Every control of the dialog in z-order, those of nested control parents in their place.
void CollectControls(HWND parent, std::vector<HWND>& controls) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        controls.push_back(child);
        if (GetWindowLong(child, GWL_EXSTYLE) & WS_EX_CONTROLPARENT)
            CollectControls(child, controls);
    }
}

// The character after the single '&' of a text ("&&" shows one '&'), 0 when none.
char MnemonicOf(HWND hwnd) {
    char text[256] = {};
    GetWindowText(hwnd, text, sizeof text);
    for (const char* at = text; *at; ++at) {
        if (*at != '&')
            continue;
        if (at[1] != '&')
            return at[1];
        ++at;
    }
    return 0;
}

void FocusAndSelect(HWND dialog, HWND control) {
    SendMessage(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

} // namespace

bool ActOnMnemonic(HWND dialog, char character) {
    std::vector<HWND> controls;
    CollectControls(dialog, controls);
    const char wanted = ToUpper1252(character);
    for (size_t index = 0; index < controls.size(); ++index) {
        const HWND control = controls[index];
        if (!Reachable(control) || !MnemonicOf(control) ||
            ToUpper1252(MnemonicOf(control)) != wanted)
            continue;
        const LRESULT code = SendMessage(control, WM_GETDLGCODE, 0, 0);
        if (code & DLGC_STATIC) {
            // A label names the control that follows it.
            for (size_t next = index + 1; next < controls.size(); ++next)
                if (Reachable(controls[next]) &&
                    !(SendMessage(controls[next], WM_GETDLGCODE, 0, 0) & DLGC_STATIC)) {
                    FocusAndSelect(dialog, controls[next]);
                    break;
                }
        } else if (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) {
            SendMessage(control, BM_CLICK, 0, 0);
        } else if (code & DLGC_BUTTON) {
            FocusAndSelect(dialog, control);
            SendMessage(control, BM_CLICK, 0, 0);
        } else {
            FocusAndSelect(dialog, control);
        }
        return true;
    }
    return false;
}
