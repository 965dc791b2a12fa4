#include "tests/ChooserUser.h"

#include "vornui/platform/ChooserWindows.h"
#include "vornui/platform/DesktopInput.h"
#include "vornui/platform/Window.h"

#include <utility>

ChooserWindowsOn::ChooserWindowsOn() : m_previous(SetChooserWindows(TRUE)) {}

ChooserWindowsOn::~ChooserWindowsOn() {
    SetChooserWindows(m_previous);
}

CScriptedUser::Step ClickWhere(std::function<POINT(HWND dialog)> where, int clicks, bool control) {
    return [where = std::move(where), clicks, control](HWND dialog) {
        const POINT point = where(dialog);
        const DWORD thread = GetWindowThreadProcessId(dialog, nullptr);
        if (control)
            PostKeyInput(thread, VK_CONTROL, TRUE);
        PostMouseInput(thread, WM_MOUSEMOVE, point);
        for (int click = 0; click < clicks; ++click) {
            PostMouseInput(thread, WM_LBUTTONDOWN, point);
            PostMouseInput(thread, WM_LBUTTONUP, point);
        }
        if (control)
            PostKeyInput(thread, VK_CONTROL, FALSE);
        return ModalAction::Acted;
    };
}

std::string ChosenFolderPath(PIDLIST_ABSOLUTE idList) {
    char path[MAX_PATH] = "";
    SHGetPathFromIDList(idList, path);
    CoTaskMemFree(idList);
    return path;
}
