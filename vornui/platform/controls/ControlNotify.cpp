#include "vornui/platform/internal/ControlNotify.h"

#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Window.h"

void NotifyParent(HWND control, UINT code) {
    SendMessage(GetParent(control), WM_COMMAND,
                MAKEWPARAM(GetDlgCtrlID(control), static_cast<WORD>(code)),
                reinterpret_cast<LPARAM>(control));
}

LRESULT NotifyParentHeader(HWND control, UINT code) {
    NMHDR header{control, static_cast<UINT_PTR>(GetDlgCtrlID(control)), code};
    return SendMessage(GetParent(control), WM_NOTIFY, header.idFrom,
                       reinterpret_cast<LPARAM>(&header));
}
