#pragma once

// What the modeless progress and message windows share: they hold their owner disabled
// while they are up, as a modal dialog would, and they let the user interface catch up
// when the worker polls them.

#include "vornui/platform/Forward.h"
#include "vornui/platform/WindowTypes.h"

// The owner a modeless window of `parent` gets (the safe owner, which falls back to the
// application's main window). When it is enabled it is disabled, and `ownerDisabled` is
// set so that ReEnableOwner gives it back.
CWnd* DisableSafeOwner(CWnd* parent, HWND& owner, int& ownerDisabled);
// Enables `owner` again if DisableSafeOwner disabled it (and it still exists); always
// clears `ownerDisabled`.
void ReEnableOwner(HWND owner, int& ownerDisabled);

enum class PumpEnd {
    QueueEmpty, // the worker wants the user interface to catch up in any case
    QueueEmptyOrDialogGone,
};

// Handles every message waiting in the thread's queue, each offered first to the
// dialog's keyboard handling, until `end`; the caller sees that the dialog exists when it
// starts. A message may destroy the dialog (and delete its object), so the caller touches
// nothing of the dialog's object once this returns. A
// WM_QUIT met here ends the pump and is posted again, so that the host's own loop still
// ends.
void PumpDialogMessages(HWND dialog, PumpEnd end);
