#include "vornui/platform/MessageBox.h"

#include "vornui/platform/Icons.h"

int MessageBox(HWND owner, LPCTSTR text, LPCTSTR caption, UINT type) {
    return GetDesktopUser().AnswerMessageBox(
        MessageBoxRequest{owner, CString(text), CString(caption ? caption : "Error"), type});
}

std::span<const int> MessageBoxButtons(UINT type) {
    static constexpr int kOk[] = {IDOK};
    static constexpr int kOkCancel[] = {IDOK, IDCANCEL};
    static constexpr int kAbortRetryIgnore[] = {IDABORT, IDRETRY, IDIGNORE};
    static constexpr int kYesNoCancel[] = {IDYES, IDNO, IDCANCEL};
    static constexpr int kYesNo[] = {IDYES, IDNO};
    static constexpr int kRetryCancel[] = {IDRETRY, IDCANCEL};
    static constexpr int kCancelTryContinue[] = {IDCANCEL, IDTRYAGAIN, IDCONTINUE};
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return kOkCancel;
    case MB_ABORTRETRYIGNORE:
        return kAbortRetryIgnore;
    case MB_YESNOCANCEL:
        return kYesNoCancel;
    case MB_YESNO:
        return kYesNo;
    case MB_RETRYCANCEL:
        return kRetryCancel;
    case MB_CANCELTRYCONTINUE:
        return kCancelTryContinue;
    default:
        return kOk;
    }
}

const char* MessageBoxButtonName(int button) {
    switch (button) {
    case IDOK:
        return "OK";
    case IDCANCEL:
        return "Cancel";
    case IDABORT:
        return "Abort";
    case IDRETRY:
        return "Retry";
    case IDIGNORE:
        return "Ignore";
    case IDYES:
        return "Yes";
    case IDNO:
        return "No";
    case IDCLOSE:
        return "Close";
    case IDHELP:
        return "Help";
    case IDTRYAGAIN:
        return "Try Again";
    case IDCONTINUE:
        return "Continue";
    default:
        return "?";
    }
}

LPCTSTR MessageBoxIconName(UINT type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
        return IDI_HAND;
    case MB_ICONQUESTION:
        return IDI_QUESTION;
    case MB_ICONEXCLAMATION:
        return IDI_EXCLAMATION;
    case MB_ICONASTERISK:
        return IDI_ASTERISK;
    default:
        return nullptr;
    }
}
