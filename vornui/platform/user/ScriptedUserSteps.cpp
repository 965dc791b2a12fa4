#include "vornui/platform/ComboBoxControl.h"
#include "vornui/platform/DesktopInput.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/ListBoxControl.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/internal/ScriptedInput.h"

#include <cctype>

namespace {

DWORD ThreadOf(HWND dialog) {
    return GetWindowThreadProcessId(dialog, nullptr);
}

POINT CentreOf(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return CRect(rect).CenterPoint();
}

// A key pressed and released, with Shift held around it when `shift`.
void PostKey(DWORD thread, UINT key, char character = 0, bool shift = false) {
    if (shift)
        PostKeyInput(thread, VK_SHIFT, TRUE);
    PostKeyInput(thread, key, TRUE, character);
    PostKeyInput(thread, key, FALSE);
    if (shift)
        PostKeyInput(thread, VK_SHIFT, FALSE);
}

// The key a character is typed with on a plain keyboard, and whether it needs Shift.
UINT KeyFor(char ch, bool& shift) {
    const unsigned char code = static_cast<unsigned char>(ch);
    shift = false;
    if (code < 0x80 && std::isalpha(code)) {
        shift = std::isupper(code) != 0;
        return static_cast<UINT>(std::toupper(code));
    }
    if (code >= '0' && code <= '9')
        return code;
    switch (code) {
    case ' ':
        return VK_SPACE;
    case '\t':
        return VK_TAB;
    case '\r':
    case '\n':
        return VK_RETURN;
    case '\b':
        return VK_BACK;
    case 0x1B:
        return VK_ESCAPE;
    default:
        return VK_PACKET;
    }
}

void PostText(DWORD thread, const CString& text) {
    for (int index = 0; index < text.GetLength(); ++index) {
        bool shift = false;
        const char ch = text[index] == '\n' ? '\r' : text[index];
        const UINT key = KeyFor(ch, shift);
        PostKey(thread, key, ch, shift);
    }
}

// The point of entry `index` of a dropped combo list: the list lies under the field.
POINT ComboItemPoint(HWND combo, int index) {
    RECT dropped;
    SendMessage(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    RECT field;
    GetWindowRect(combo, &field);
    const int itemHeight = static_cast<int>(SendMessage(combo, CB_GETITEMHEIGHT, 0, 0));
    const int top = static_cast<int>(SendMessage(combo, CB_GETTOPINDEX, 0, 0));
    return POINT{(dropped.left + dropped.right) / 2,
                 field.bottom + (index - top) * itemHeight + itemHeight / 2};
}

RECT ListItemRect(HWND list, int index) {
    RECT item;
    SendMessage(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return item;
}

POINT ListItemPoint(HWND list, int index) {
    RECT client;
    GetClientRect(list, &client);
    if (RECT item = ListItemRect(list, index); item.top < 0 || item.bottom > client.bottom)
        SendMessage(list, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, index), 0); // the scroll bar
    POINT point = CRect(ListItemRect(list, index)).CenterPoint();
    ClientToScreen(list, &point);
    return point;
}

bool IsClass(HWND hwnd, const char* name) {
    char className[64];
    GetClassName(hwnd, className, sizeof className);
    return CString(className).CompareNoCase(name) == 0;
}

// The item a person sees in the dialog: its own control, or one on a page it shows (a
// visible child dialog that the keyboard enters, as a property sheet's page is).
HWND DialogItem(HWND dialog, int id) {
    if (const HWND own = GetDlgItem(dialog, id))
        return own;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsWindowVisible(child) && (GetWindowLong(child, GWL_EXSTYLE) & WS_EX_CONTROLPARENT))
            if (const HWND inner = DialogItem(child, id))
                return inner;
    return nullptr;
}

} // namespace

void PostClick(HWND window, POINT screen) {
    const DWORD thread = ThreadOf(window);
    PostMouseInput(thread, WM_MOUSEMOVE, screen);
    PostMouseInput(thread, WM_LBUTTONDOWN, screen);
    PostMouseInput(thread, WM_LBUTTONUP, screen);
}

CScriptedUser& CScriptedUser::Then(Step step) {
    m_steps.push_back(std::move(step));
    return *this;
}

CScriptedUser& CScriptedUser::Click(int id) {
    return Then([id](HWND dialog) {
        PostClick(dialog, CentreOf(DialogItem(dialog, id)));
        return ModalAction::Acted;
    });
}

CScriptedUser& CScriptedUser::DoubleClick(int id) {
    return Then([id](HWND dialog) {
        const POINT centre = CentreOf(DialogItem(dialog, id));
        PostClick(dialog, centre);
        PostClick(dialog, centre);
        return ModalAction::Acted;
    });
}

CScriptedUser& CScriptedUser::ClickAt(POINT screen) {
    return Then([screen](HWND dialog) {
        PostClick(dialog, screen);
        return ModalAction::Acted;
    });
}

CScriptedUser& CScriptedUser::Type(const char* text) {
    return Then([typed = CString(text)](HWND dialog) {
        PostText(ThreadOf(dialog), typed);
        return ModalAction::Acted;
    });
}

CScriptedUser& CScriptedUser::TypeInto(int id, const char* text) {
    Click(id);
    Then([](HWND dialog) {
        // Ctrl+Home, then Ctrl+Shift+End: the whole text is selected.
        const DWORD thread = ThreadOf(dialog);
        PostKeyInput(thread, VK_CONTROL, TRUE);
        PostKey(thread, VK_HOME);
        PostKeyInput(thread, VK_SHIFT, TRUE);
        PostKey(thread, VK_END);
        PostKeyInput(thread, VK_SHIFT, FALSE);
        PostKeyInput(thread, VK_CONTROL, FALSE);
        return ModalAction::Acted;
    });
    return Type(text);
}

CScriptedUser& CScriptedUser::Press(UINT virtualKey, bool shift) {
    return PressWith(shift ? MOD_SHIFT : 0, virtualKey);
}

CScriptedUser& CScriptedUser::Choose(int id, const char* text) {
    const CString wanted(text);
    Then([id, wanted](HWND dialog) {
        const HWND control = DialogItem(dialog, id);
        if (IsClass(control, "ListBox")) {
            const int index =
                static_cast<int>(SendMessage(control, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                             reinterpret_cast<LPARAM>(wanted.GetString())));
            if (index >= 0)
                PostClick(dialog, ListItemPoint(control, index));
            return ModalAction::Acted;
        }
        // A combo box: the first click drops the list down.
        PostClick(dialog, CentreOf(control));
        return ModalAction::Acted;
    });
    return Then([id, wanted](HWND dialog) {
        const HWND control = DialogItem(dialog, id);
        if (!IsClass(control, "ComboBox"))
            return ModalAction::Acted;
        const int index =
            static_cast<int>(SendMessage(control, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(wanted.GetString())));
        if (index >= 0 && SendMessage(control, CB_GETDROPPEDSTATE, 0, 0))
            PostClick(dialog, ComboItemPoint(control, index));
        return ModalAction::Acted;
    });
}

CScriptedUser& CScriptedUser::WaitForEnd() {
    // Waits while the dialog that was open at the first turn stays open; once another
    // dialog gets the turn, the wait is over.
    return Then([waitingFor = HWND{}](HWND dialog) mutable {
        if (!waitingFor)
            waitingFor = dialog;
        return waitingFor == dialog && IsWindow(dialog) ? ModalAction::Waiting : ModalAction::Acted;
    });
}

void CScriptedUser::ModalDialogOpened(HWND dialog) {
    char caption[256];
    GetWindowText(dialog, caption, sizeof caption);
    m_dialogs.emplace_back(caption);
}

ModalAction CScriptedUser::ActInModalDialog(HWND dialog) {
    if (m_steps.empty())
        return ModalAction::Nothing;
    Step& step = m_steps.front();
    const ModalAction action = step(dialog);
    if (action != ModalAction::Waiting)
        m_steps.pop_front();
    return action;
}
