#include "vornui/reporting/ModelessDialogSupport.h"

#include "vornui/platform/DialogManager.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/Wnd.h"

CWnd* DisableSafeOwner(CWnd* parent, HWND& owner, int& ownerDisabled) {
    CWnd* const safeOwner = CWnd::GetSafeOwner(parent);
    owner = safeOwner ? safeOwner->GetSafeHwnd() : nullptr;
    ownerDisabled = 0;
    if (owner && ::IsWindowEnabled(owner)) {
        ::EnableWindow(owner, FALSE);
        ownerDisabled = 1;
    }
    return safeOwner;
}

void ReEnableOwner(HWND owner, int& ownerDisabled) {
    if (ownerDisabled && owner && ::IsWindow(owner))
        ::EnableWindow(owner, TRUE);
    ownerDisabled = 0;
}

void PumpDialogMessages(HWND dialog, PumpEnd end) {
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (!::IsDialogMessage(dialog, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
        if (end == PumpEnd::QueueEmptyOrDialogGone && !::IsWindow(dialog))
            return;
    }
}
