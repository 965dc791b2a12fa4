#include "vornui/platform/internal/CapturedInput.h"

#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Window.h"

void LetUserActWhileCaptured() {
    const HWND captured = GetCapture();
    if (!captured || GetWindowThreadProcessId(captured, nullptr) != GetCurrentThreadId())
        return;
    MSG msg;
    while (GetCapture() == captured && !PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        const ModalAction action = GetDesktopUser().ActInCapturedLoop(captured);
        if (action == ModalAction::Waiting)
            return;
        if (action == ModalAction::Nothing) {
            ReleaseCapture();
            // Wakes the loop, which finds the capture gone.
            PostMessage(captured, WM_NULL, 0, 0);
            return;
        }
    }
}

ModalAction IDesktopUser::ActInCapturedLoop(HWND) {
    return ModalAction::Nothing;
}

ModalAction CScriptedUser::ActInCapturedLoop(HWND window) {
    return ActInModalDialog(window);
}
