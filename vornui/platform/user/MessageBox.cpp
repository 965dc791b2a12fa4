#include "vornui/platform/MessageBox.h"

#include "vornui/platform/WinApp.h"

int MessageBox(HWND owner, LPCTSTR text, LPCTSTR caption, UINT type) {
    return GetDesktopUser().AnswerMessageBox(
        MessageBoxRequest{owner, CString(text), CString(caption ? caption : "Error"), type});
}

int AfxMessageBox(LPCTSTR text, UINT type, UINT helpId) {
    return AfxGetApp()->DoMessageBox(text, type, helpId);
}

int AfxMessageBox(UINT promptId, UINT type, UINT helpId) {
    CString text;
    text.LoadString(promptId);
    return AfxMessageBox(text, type, helpId == static_cast<UINT>(-1) ? promptId : helpId);
}
