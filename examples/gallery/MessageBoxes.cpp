// The window a message box shows on a desktop that shows windows to a person.

#include "Gallery.h"

#include "vornui/vornui.h"

namespace {

int WriteMessageBox(const char* path) {
    const HWND box = CreateMessageBoxWindow(
        MessageBoxRequest{nullptr, "Line 12 already has soundings.\nReplace them with the new run?",
                          "Survey lines", MB_YESNOCANCEL | MB_ICONWARNING | MB_DEFBUTTON2});
    if (!box)
        return 1;
    const int written = SaveWindowPicture(*CWnd::FromHandle(box), path);
    DestroyWindow(box);
    return written;
}

const GalleryPicture kMessageBox("system-message-box.png",
                                 "a message box's window (`CreateMessageBoxWindow`): its icon, "
                                 "its text and its buttons, the default one focused",
                                 WriteMessageBox);

} // namespace
