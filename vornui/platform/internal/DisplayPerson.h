#pragma once

// Inside the display backends: the desktop user of a real display, the person in front of
// it. Modal dialogs, popup menus and captured loops wait for their mouse and keyboard;
// message boxes show as windows for them to answer.

#include "vornui/platform/DesktopUser.h"

class CDisplayPerson : public IDesktopUser {
public:
    int AnswerMessageBox(const MessageBoxRequest& box) override;
    ModalAction ActInModalDialog(HWND dialog) override;
    ModalAction ActInPopupMenu(HWND menuWindow) override;
    ModalAction ActInCapturedLoop(HWND window) override;
};
