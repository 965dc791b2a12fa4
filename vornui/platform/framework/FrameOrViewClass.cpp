#include "vornui/platform/internal/FrameOrViewClass.h"

#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/Window.h"

LPCTSTR FrameOrViewClass() {
    static const LPCTSTR name = [] {
        WNDCLASS wc{};
        wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = &DefWindowProc;
        wc.hbrBackground = reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(COLOR_WINDOW + 1));
        wc.lpszClassName = "AfxFrameOrView";
        RegisterClass(&wc);
        return "AfxFrameOrView";
    }();
    return name;
}
