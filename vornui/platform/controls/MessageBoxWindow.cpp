#include "vornui/platform/MessageBoxWindow.h"

#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/DialogManager.h"
#include "vornui/platform/DialogTemplate.h"
#include "vornui/platform/Icons.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/Static.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/Text.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/WindowPosition.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

// In pixels, as the system lays its boxes out.
constexpr int kMargin = 11;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;
constexpr int kTextToButtons = 14;
constexpr int kWidestText = 420;
constexpr int kTextId = 0xFFFF;
constexpr int kIconId = 20;

// A modal box's state lives in ShowMessageBoxWindow; a modeless box owns its own.
struct BoxState {
    MessageBoxRequest box;
    bool modal;
    std::vector<int> buttons;
};

BoxState* StateOf(HWND window) {
    return reinterpret_cast<BoxState*>(GetWindowLongPtr(window, DWLP_USER));
}

std::vector<int> ButtonsOf(UINT type) {
    const std::span<const int> shown = MessageBoxButtons(type);
    std::vector<int> buttons(shown.begin(), shown.end());
    if (type & MB_HELP)
        buttons.push_back(IDHELP);
    return buttons;
}

// OK and Cancel have no mnemonic: Enter and Escape are theirs.
std::string LabelOf(int button) {
    const std::string name = MessageBoxButtonName(button);
    return button == IDOK || button == IDCANCEL ? name : "&" + name;
}

HWND AddChild(HWND box, LPCTSTR windowClass, LPCTSTR text, int id, DWORD style,
              const CRect& place) {
    const HWND child = CreateWindowEx(
        0, windowClass, text, WS_CHILD | WS_VISIBLE | style, place.left, place.top, place.Width(),
        place.Height(), box, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
    SendMessage(child, WM_SETFONT, SendMessage(box, WM_GETFONT, 0, 0), FALSE);
    return child;
}

// The rectangle the text needs in the box's font, wrapped at the widest a box grows to.
CSize MeasureText(HWND box, const CString& text) {
    const HDC dc = GetDC(box);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessage(box, WM_GETFONT, 0, 0)));
    CRect area(0, 0, kWidestText, 0);
    DrawText(dc, text, -1, &area, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    SelectObject(dc, old);
    ReleaseDC(box, dc);
    return area.Size();
}

// Over the owner's window, or the work area's middle without one.
void Centre(HWND box, CSize size, HWND owner) {
    CRect around;
    if (!owner || !GetWindowRect(owner, &around))
        SystemParametersInfo(SPI_GETWORKAREA, 0, &around, 0);
    SetWindowPos(box, nullptr, around.CenterPoint().x - size.cx / 2,
                 around.CenterPoint().y - size.cy / 2, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void LayOut(HWND box, const BoxState& state) {
    const LPCTSTR iconName = MessageBoxIconName(state.box.type);
    const int iconSize = iconName ? GetSystemMetrics(SM_CXICON) : 0;
    const int textLeft = kMargin + (iconName ? iconSize + kMargin : 0);
    const CSize text = MeasureText(box, state.box.text);
    const int contentHeight = std::max<int>(iconSize, text.cy);
    const int count = static_cast<int>(state.buttons.size());
    const int rowWidth = count * kButtonWidth + (count - 1) * kButtonGap;
    const CSize client(std::max<int>(textLeft + text.cx + kMargin, rowWidth + 2 * kMargin),
                       kMargin + contentHeight + kTextToButtons + kButtonHeight + kMargin);

    if (iconName) {
        const HWND icon = AddChild(box, "Static", nullptr, kIconId, SS_ICON,
                                   CRect(kMargin, kMargin, kMargin + iconSize, kMargin + iconSize));
        SendMessage(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIcon(nullptr, iconName)), 0);
    }
    const int textTop = kMargin + (contentHeight - text.cy) / 2;
    AddChild(box, "Static", state.box.text, kTextId, SS_LEFT | SS_NOPREFIX,
             CRect(CPoint(textLeft, textTop), text));

    const int defaultIndex = static_cast<int>((state.box.type & MB_DEFMASK) >> 8);
    const int focused = defaultIndex < count ? defaultIndex : 0;
    int left = (client.cx - rowWidth) / 2;
    const int top = client.cy - kMargin - kButtonHeight;
    for (int i = 0; i < count; ++i, left += kButtonWidth + kButtonGap) {
        const DWORD kind = i == focused ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        AddChild(box, "Button", LabelOf(state.buttons[i]).c_str(), state.buttons[i],
                 WS_TABSTOP | kind, CRect(left, top, left + kButtonWidth, top + kButtonHeight));
    }
    SendMessage(box, DM_SETDEFID, state.buttons[focused], 0);
    SetFocus(GetDlgItem(box, state.buttons[focused]));

    CRect frame(CPoint(0, 0), client);
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtr(box, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtr(box, GWL_EXSTYLE)));
    Centre(box, frame.Size(), state.box.owner);
}

// What a command means to the box: the button that ends it, or 0.
int AnswerTo(const BoxState& state, int command) {
    const auto has = [&](int button) {
        return std::find(state.buttons.begin(), state.buttons.end(), button) != state.buttons.end();
    };
    if (command == IDCANCEL && !has(IDCANCEL))
        return state.buttons == std::vector<int>{IDOK} ? IDOK : 0;
    return has(command) ? command : 0;
}

INT_PTR BoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtr(box, DWLP_USER, lParam);
        LayOut(box, *reinterpret_cast<BoxState*>(lParam));
        return FALSE; // the default button has the focus
    case WM_COMMAND: {
        const BoxState* state = StateOf(box);
        const int answer = state ? AnswerTo(*state, LOWORD(wParam)) : 0;
        if (answer == 0)
            return TRUE;
        if (state->modal)
            EndDialog(box, answer);
        else
            DestroyWindow(box);
        return TRUE;
    }
    case WM_NCDESTROY:
        if (const BoxState* state = StateOf(box); state && !state->modal)
            delete state;
        SetWindowLongPtr(box, DWLP_USER, 0);
        return FALSE;
    default:
        return FALSE;
    }
}

DialogTemplate BoxTemplate(const MessageBoxRequest& box) {
    return DialogTemplate{DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                          0,
                          0,
                          0,
                          100,
                          40,
                          box.caption,
                          "MS Shell Dlg",
                          8,
                          nullptr,
                          0};
}

} // namespace

int ShowMessageBoxWindow(const MessageBoxRequest& box) {
    const DialogTemplate dialog = BoxTemplate(box);
    BoxState state{box, true, ButtonsOf(box.type)};
    return static_cast<int>(DialogBoxIndirectParam(nullptr, &dialog, box.owner, BoxProc,
                                                   reinterpret_cast<LPARAM>(&state)));
}

HWND CreateMessageBoxWindow(const MessageBoxRequest& box) {
    const DialogTemplate dialog = BoxTemplate(box);
    auto state = std::make_unique<BoxState>(BoxState{box, false, ButtonsOf(box.type)});
    const HWND window = CreateDialogIndirectParam(nullptr, &dialog, box.owner, BoxProc,
                                                  reinterpret_cast<LPARAM>(state.get()));
    if (!window)
        return nullptr;
    state.release(); // WM_NCDESTROY frees it
    ShowWindow(window, SW_SHOW);
    return window;
}
