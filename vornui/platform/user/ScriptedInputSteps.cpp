// The scripted user's steps with the mouse anywhere on the screen and with keys under
// modifiers, and its acting outside modal loops.

#include "vornui/platform/DesktopInput.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/DialogManager.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/TimeSource.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/internal/ClockSteps.h"

#include <chrono>
#include <optional>
#include <thread>

namespace {

DWORD ThreadOf(HWND window) {
    return GetWindowThreadProcessId(window, nullptr);
}

UINT DownMessage(UINT button) {
    return button == MK_RBUTTON   ? WM_RBUTTONDOWN
           : button == MK_MBUTTON ? WM_MBUTTONDOWN
                                  : WM_LBUTTONDOWN;
}

UINT UpMessage(UINT button) {
    return DownMessage(button) + 1;
}

// The modifier keys go down in this order and come up in the reverse one.
constexpr std::pair<UINT, UINT> kModifierKeys[] = {
    {MOD_CONTROL, VK_CONTROL}, {MOD_ALT, VK_MENU}, {MOD_SHIFT, VK_SHIFT}};

void HoldModifiers(DWORD thread, UINT modifiers, bool down) {
    if (down) {
        for (const auto& [flag, key] : kModifierKeys)
            if (modifiers & flag)
                PostKeyInput(thread, key, TRUE);
        return;
    }
    for (auto at = std::rbegin(kModifierKeys); at != std::rend(kModifierKeys); ++at)
        if (modifiers & at->first)
            PostKeyInput(thread, at->second, FALSE);
}

char ShiftedDigit(UINT digit) {
    return ")!@#$%^&*("[digit];
}

// What a key types on a plain keyboard with these modifiers (number lock on); 0 for none.
char CharacterOf(UINT key, UINT modifiers) {
    const bool shift = modifiers & MOD_SHIFT;
    const bool control = modifiers & MOD_CONTROL;
    if (control && (modifiers & MOD_ALT))
        return 0;
    if (key >= 'A' && key <= 'Z') {
        if (control)
            return static_cast<char>(key - 'A' + 1);
        return static_cast<char>(shift ? key : key - 'A' + 'a');
    }
    if (control)
        return 0;
    if (key >= '0' && key <= '9')
        return shift ? ShiftedDigit(key - '0') : static_cast<char>(key);
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9)
        return static_cast<char>('0' + key - VK_NUMPAD0);
    switch (key) {
    case VK_ADD:
        return '+';
    case VK_SUBTRACT:
        return '-';
    case VK_MULTIPLY:
        return '*';
    case VK_DIVIDE:
        return '/';
    case VK_DECIMAL:
        return '.';
    case VK_SPACE:
        return ' ';
    case VK_RETURN:
        return '\r';
    case VK_ESCAPE:
        return '\x1B';
    case VK_TAB:
        return '\t';
    case VK_BACK:
        return '\b';
    default:
        return 0;
    }
}

void PostButton(DWORD thread, POINT screen, UINT button) {
    PostMouseInput(thread, WM_MOUSEMOVE, screen);
    PostMouseInput(thread, DownMessage(button), screen);
    PostMouseInput(thread, UpMessage(button), screen);
}

// A point of the window's frame that hits `hit`: on the outer pixels of an edge or
// corner, or in the middle of the caption.
POINT FramePoint(HWND window, int hit) {
    CRect rect;
    GetWindowRect(window, &rect);
    const CPoint centre = rect.CenterPoint();
    switch (hit) {
    case HTLEFT:
        return POINT{rect.left + 1, centre.y};
    case HTRIGHT:
        return POINT{rect.right - 2, centre.y};
    case HTTOP:
        return POINT{centre.x, rect.top + 1};
    case HTBOTTOM:
        return POINT{centre.x, rect.bottom - 2};
    case HTTOPLEFT:
        return POINT{rect.left + 1, rect.top + 1};
    case HTTOPRIGHT:
        return POINT{rect.right - 2, rect.top + 1};
    case HTBOTTOMLEFT:
        return POINT{rect.left + 1, rect.bottom - 2};
    case HTBOTTOMRIGHT:
        return POINT{rect.right - 2, rect.bottom - 2};
    default: {
        const int frame = GetSystemMetrics(SM_CYFRAME);
        return POINT{centre.x, rect.top + frame + GetSystemMetrics(SM_CYCAPTION) / 2};
    }
    }
}

bool IsDialogWindow(HWND window) {
    char name[16] = {};
    GetClassName(window, name, sizeof name);
    return CString(name) == "#32770";
}

} // namespace

CScriptedUser& CScriptedUser::MouseDown(POINT screen, UINT button, UINT modifiers) {
    return Then([=](HWND window) {
        const DWORD thread = ThreadOf(window);
        HoldModifiers(thread, modifiers, true);
        PostMouseInput(thread, WM_MOUSEMOVE, screen);
        PostMouseInput(thread, DownMessage(button), screen);
        HoldModifiers(thread, modifiers, false);
        return ModalAction::Acted;
    });
}

CScriptedUser& CScriptedUser::MouseMove(POINT screen, UINT modifiers) {
    return Then([=](HWND window) {
        const DWORD thread = ThreadOf(window);
        HoldModifiers(thread, modifiers, true);
        PostMouseInput(thread, WM_MOUSEMOVE, screen);
        HoldModifiers(thread, modifiers, false);
        return ModalAction::Acted;
    });
}

CScriptedUser& CScriptedUser::MouseUp(POINT screen, UINT button, UINT modifiers) {
    return Then([=](HWND window) {
        const DWORD thread = ThreadOf(window);
        HoldModifiers(thread, modifiers, true);
        PostMouseInput(thread, WM_MOUSEMOVE, screen);
        PostMouseInput(thread, UpMessage(button), screen);
        HoldModifiers(thread, modifiers, false);
        return ModalAction::Acted;
    });
}

CScriptedUser& CScriptedUser::ClickAt(POINT screen, UINT button, UINT modifiers) {
    return Then([=](HWND window) {
        const DWORD thread = ThreadOf(window);
        HoldModifiers(thread, modifiers, true);
        PostButton(thread, screen, button);
        HoldModifiers(thread, modifiers, false);
        return ModalAction::Acted;
    });
}

CScriptedUser& CScriptedUser::DoubleClickAt(POINT screen, UINT button, UINT modifiers) {
    return Then([=](HWND window) {
        const DWORD thread = ThreadOf(window);
        HoldModifiers(thread, modifiers, true);
        PostButton(thread, screen, button);
        PostButton(thread, screen, button);
        HoldModifiers(thread, modifiers, false);
        return ModalAction::Acted;
    });
}

CScriptedUser& CScriptedUser::Drag(std::vector<POINT> path, UINT button, UINT modifiers) {
    return Then([path = std::move(path), button, modifiers](HWND window) {
        if (path.empty())
            return ModalAction::Acted;
        const DWORD thread = ThreadOf(window);
        HoldModifiers(thread, modifiers, true);
        PostMouseInput(thread, WM_MOUSEMOVE, path.front());
        PostMouseInput(thread, DownMessage(button), path.front());
        for (size_t index = 1; index < path.size(); ++index)
            PostMouseInput(thread, WM_MOUSEMOVE, path[index]);
        PostMouseInput(thread, UpMessage(button), path.back());
        HoldModifiers(thread, modifiers, false);
        return ModalAction::Acted;
    });
}

CScriptedUser& CScriptedUser::Wheel(POINT screen, int delta, UINT modifiers) {
    return Then([=](HWND window) {
        const DWORD thread = ThreadOf(window);
        HoldModifiers(thread, modifiers, true);
        PostMouseWheel(thread, screen, delta);
        HoldModifiers(thread, modifiers, false);
        return ModalAction::Acted;
    });
}

CScriptedUser& CScriptedUser::PressWith(UINT modifiers, UINT virtualKey) {
    return Then([=](HWND window) {
        const DWORD thread = ThreadOf(window);
        HoldModifiers(thread, modifiers, true);
        PostKeyInput(thread, virtualKey, TRUE, CharacterOf(virtualKey, modifiers));
        PostKeyInput(thread, virtualKey, FALSE);
        HoldModifiers(thread, modifiers, false);
        return ModalAction::Acted;
    });
}

CScriptedUser& CScriptedUser::Rest(UINT milliseconds) {
    return Then([milliseconds, until = std::optional<ULONGLONG>{}](HWND window) mutable {
        // On a stepped clock the rest is one step; on running time it is waited out.
        if (!until && IsDesktopTimeStepped()) {
            AdvanceSteppedTime(milliseconds);
            return ModalAction::Acted;
        }
        if (!until)
            until = DesktopTimeMilliseconds() + milliseconds;
        if (DesktopTimeMilliseconds() >= *until)
            return ModalAction::Acted;
        // Keeps the loop turning while the time passes.
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        PostMessage(window, WM_NULL, 0, 0);
        return ModalAction::Waiting;
    });
}

CScriptedUser& CScriptedUser::DragFrame(int hit, int dx, int dy) {
    return Then([=](HWND window) {
        const POINT from = FramePoint(window, hit);
        const DWORD thread = ThreadOf(window);
        PostMouseInput(thread, WM_MOUSEMOVE, from);
        PostMouseInput(thread, WM_LBUTTONDOWN, from);
        PostMouseInput(thread, WM_MOUSEMOVE, POINT{from.x + dx / 2, from.y + dy / 2});
        PostMouseInput(thread, WM_MOUSEMOVE, POINT{from.x + dx, from.y + dy});
        PostMouseInput(thread, WM_LBUTTONUP, POINT{from.x + dx, from.y + dy});
        return ModalAction::Acted;
    });
}

CScriptedUser& CScriptedUser::DoubleClickCaption() {
    return Then([](HWND window) {
        const POINT caption = FramePoint(window, HTCAPTION);
        PostButton(ThreadOf(window), caption, MK_LBUTTON);
        PostButton(ThreadOf(window), caption, MK_LBUTTON);
        return ModalAction::Acted;
    });
}

bool CScriptedUser::ActIn(HWND window, const std::function<bool(MSG*)>& preTranslate,
                          UINT timeoutMs) {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    const auto pump = [&] {
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                return;
            }
            if (preTranslate
                    ? preTranslate(&msg)
                    : IsWindow(window) && IsDialogWindow(window) && IsDialogMessage(window, &msg))
                continue;
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
    };
    while (!m_steps.empty()) {
        if (std::chrono::steady_clock::now() > giveUp)
            return false;
        // Taken off first: a modal dialog the step opens goes on with the steps after it.
        Step step = std::move(m_steps.front());
        m_steps.pop_front();
        if (step(window) == ModalAction::Waiting)
            m_steps.push_front(std::move(step));
        pump();
    }
    return true;
}

void CScriptedUser::QueueIn(HWND window) {
    while (!m_steps.empty()) {
        if (m_steps.front()(window) == ModalAction::Waiting)
            return; // only a pump can bring what it waits for
        m_steps.pop_front();
    }
}
