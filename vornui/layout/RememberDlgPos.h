#pragma once

// A dialog's place in the application profile: saved when it closes, and when it opens
// again put back where it was, centred on the old place when its size has changed and
// kept on a monitor that is there.

#include "vornui/platform/CRect.h"
#include "vornui/platform/CString.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/Wnd.h"

class VORNUI_API RememberDlgPos {
public:
    RememberDlgPos() = default;

    // Writes "Top", "Left", "Bottom", "Right" (the normal rectangle of the window's
    // placement) and "ShowCmd" into `section`.
    void SaveWindowPosition(CString section, CWnd* wnd);
    // Puts the window back and, when `show` is set, shows it the way it was saved.
    void RestoreWindowPosition(CString section, CWnd* wnd, bool show);
    // Puts the window back and returns its rectangle; without saved entries, or when no
    // monitor can be read, the window stays and its current rectangle is returned.
    CRect CombinePreviousAndCurrent(CString section, CWnd* wnd);

private:
    CRect m_rcPrevious; // the window's rectangle before the last restore
};
