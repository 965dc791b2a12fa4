#pragma once

// Pictures of windows: onto the clipboard, into a bitmap file, or to the printer through
// the system's paint program.

#include "vornui/platform/Export.h"
#include "vornui/platform/Wnd.h"

class VORNUI_API CWndUtil {
public:
    CWndUtil() = default;
    virtual ~CWndUtil() = default;

    // The window's image as a device-dependent bitmap on the clipboard, which owns it.
    static void CopyWndToClipboard(CWnd* wnd);
    // True when the image for the file was made (also when the file could not be written).
    static bool WriteWindowToBMP(LPCTSTR path, CWnd* wnd);
    // Writes the image to a temporary file and has it printed; false when no image was made.
    static bool PrintWindow(CWnd* wnd);
};
