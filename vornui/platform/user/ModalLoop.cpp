#include "vornui/platform/internal/ModalLoop.h"

#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/CodePage.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Window.h"

#include <cstdio>

namespace {

void ReportCancelled(HWND dialog) {
    char caption[256];
    GetWindowText(dialog, caption, sizeof caption);
    std::fprintf(stderr, "vornui: dialog \"%s\": no one acts in it -> Cancel\n",
                 Utf8From1252(caption).c_str());
}

} // namespace

void RunModalDialogLoop(HWND dialog, const std::function<bool()>& ended,
                        const std::function<bool(MSG*)>& preTranslate,
                        const std::function<void()>& forceCancel) {
    IDesktopUser& user = GetDesktopUser();
    user.ModalDialogOpened(dialog);
    bool cancelSent = false;
    while (!ended()) {
        MSG msg;
        if (!PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            const ModalAction action = user.ActInModalDialog(dialog);
            if (action == ModalAction::Nothing) {
                if (!cancelSent) {
                    ReportCancelled(dialog);
                    cancelSent = true;
                    SendMessage(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                                reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
                } else {
                    forceCancel();
                }
                continue;
            }
            if (action == ModalAction::Acted)
                continue;
        }
        if (!GetMessage(&msg, nullptr, 0, 0)) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            forceCancel();
            return;
        }
        if (!preTranslate(&msg)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
    }
}
