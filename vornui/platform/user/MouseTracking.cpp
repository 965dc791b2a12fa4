#include "vornui/platform/internal/MouseTracking.h"

#include "vornui/platform/DesktopInput.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Window.h"

namespace {

bool IsButtonUp(UINT message) {
    return message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
}

} // namespace

bool TrackMouseUntilRelease(HWND hwnd, const std::function<void(POINT screen)>& moved,
                            POINT& releasedAt) {
    SetCapture(hwnd);
    GetCursorPos(&releasedAt);
    bool released = true;
    MSG msg;
    while (IsWindow(hwnd) && GetCapture() == hwnd && PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (msg.message == WM_MOUSEMOVE && msg.hwnd == hwnd) {
            releasedAt = msg.pt;
            moved(msg.pt);
            continue;
        }
        if (IsButtonUp(msg.message) && msg.hwnd == hwnd) {
            releasedAt = msg.pt;
            break;
        }
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
            released = false;
            break;
        }
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    if (GetCapture() == hwnd)
        ReleaseCapture();
    return released;
}
