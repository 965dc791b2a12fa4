#include "vornui/platform/MessageBox.h"

int MessageBox(HWND owner, LPCTSTR text, LPCTSTR caption, UINT type) {
    return GetDesktopUser().AnswerMessageBox(
        MessageBoxRequest{owner, CString(text), CString(caption ? caption : "Error"), type});
}
