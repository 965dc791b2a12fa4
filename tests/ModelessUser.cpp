#include "tests/ModelessUser.h"

#include "vornui/platform/CRect.h"
#include "vornui/platform/DesktopInput.h"
#include "vornui/platform/ProcessIdentity.h"
#include "vornui/platform/WindowMessages.h"
#include "vornui/platform/WindowPosition.h"

void QueueClick(HWND control) {
    CRect rect;
    GetWindowRect(control, &rect);
    const POINT centre = rect.CenterPoint();
    PostMouseInput(GetCurrentThreadId(), WM_LBUTTONDOWN, centre);
    PostMouseInput(GetCurrentThreadId(), WM_LBUTTONUP, centre);
}

void QueueKey(UINT virtualKey) {
    PostKeyInput(GetCurrentThreadId(), virtualKey, TRUE);
    PostKeyInput(GetCurrentThreadId(), virtualKey, FALSE);
}
