#pragma once

// Plain text on the clipboard.

#include "vornui/platform/CString.h"
#include "vornui/platform/Export.h"

// True when the clipboard could be opened and held non-empty plain text, which `text`
// receives (it is emptied otherwise).
VORNUI_API bool GetClipboard(CString& text);
// Replaces the clipboard's contents with `text` as plain text; false when the clipboard
// could not be opened or emptied (another window holds it) or took nothing.
VORNUI_API bool SetClipboard(const CString& text);
