#pragma once

// Inside the dialog manager: mnemonics, the letters marked with '&' in control texts.

#include "vornui/platform/WindowTypes.h"

// Acts on the control of `dialog` whose mnemonic is `character`, as the dialog manager
// does for Alt+letter (and for a plain letter when the focus does not take characters): a
// push button is clicked, a check box or radio button gets the focus and is clicked, a
// label or group box hands the focus to the control after it, any other control gets the
// focus. False when no control has that mnemonic.
bool ActOnMnemonic(HWND dialog, char character);
