#pragma once

// Inside the dialog manager: the nested loop of a modal dialog, shared by DialogBox and
// the framework's CDialog::DoModal.

#include "vornui/platform/WindowTypes.h"

#include <functional>

// Runs the thread's messages until `ended` says the dialog is done. Whenever the queue is
// empty, the desktop's user gets its turn in the dialog; a user with nothing to do cancels
// it as Escape would (WM_COMMAND IDCANCEL), and `forceCancel` ends it if that did not, so
// that a dialog never waits for a person who is not there. Either way one line goes to
// standard error. A WM_QUIT ends the loop and is posted again for the outer loop.
void RunModalDialogLoop(HWND dialog, const std::function<bool()>& ended,
                        const std::function<bool(MSG*)>& preTranslate,
                        const std::function<void()>& forceCancel);
