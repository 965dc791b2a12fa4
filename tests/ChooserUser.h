#pragma once

// For tests of the choosers' windows: the windows turned on for a while, and clicks on
// places of a window that are known only once it is open.

#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/FolderChooser.h"

#include <functional>
#include <string>

// The file and folder choosers show their windows while it lives, as on a real display.
class ChooserWindowsOn {
public:
    ChooserWindowsOn();
    ~ChooserWindowsOn();
    ChooserWindowsOn(const ChooserWindowsOn&) = delete;
    ChooserWindowsOn& operator=(const ChooserWindowsOn&) = delete;

private:
    BOOL m_previous;
};

// A step that clicks the screen point `where` finds in the dialog when it is the step's
// turn: `clicks` times (2 for a double click), with Ctrl held when `control`.
CScriptedUser::Step ClickWhere(std::function<POINT(HWND dialog)> where, int clicks = 1,
                               bool control = false);

// The path a folder chooser returned, its item list freed; empty when it returned none.
std::string ChosenFolderPath(PIDLIST_ABSOLUTE idList);
