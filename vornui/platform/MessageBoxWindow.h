#pragma once

// The window of a message box, for a desktop that shows windows to a person and for
// pictures of one: the icon MB_ICON* names, the text, and the buttons of the box's type
// (with Help for MB_HELP) centred below, the default button (MB_DEFBUTTONn) focused.
// A button ends the box with its id; Enter presses the default button; Escape and the
// close box mean Cancel, or OK when OK is the only button, and nothing on a box that has
// neither (Yes/No, Abort/Retry/Ignore), as on the system's message boxes.

#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/Export.h"

// Shows the box modally over its owner and returns the button that ended it.
VORNUI_API int ShowMessageBoxWindow(const MessageBoxRequest& box);
// The same box, modeless and visible: a button destroys it.
VORNUI_API HWND CreateMessageBoxWindow(const MessageBoxRequest& box);
