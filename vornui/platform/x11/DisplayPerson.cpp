#include "vornui/platform/internal/DisplayPerson.h"

#include "vornui/platform/MessageBoxWindow.h"

int CDisplayPerson::AnswerMessageBox(const MessageBoxRequest& box) {
    return ShowMessageBoxWindow(box);
}

ModalAction CDisplayPerson::ActInModalDialog(HWND) {
    return ModalAction::Waiting;
}

ModalAction CDisplayPerson::ActInPopupMenu(HWND) {
    return ModalAction::Waiting;
}

ModalAction CDisplayPerson::ActInCapturedLoop(HWND) {
    return ModalAction::Waiting;
}
