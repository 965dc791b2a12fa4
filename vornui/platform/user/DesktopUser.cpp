#include "vornui/platform/DesktopUser.h"

#include "vornui/platform/CodePage.h"
#include "vornui/platform/MessageBox.h"

#include <atomic>
#include <cstdio>
#include <span>

namespace {

std::atomic<IDesktopUser*> g_user{nullptr};

std::span<const int> ButtonsOf(UINT type) {
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

const char* ButtonName(int button) {
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
    case IDTRYAGAIN:
        return "Try Again";
    case IDCONTINUE:
        return "Continue";
    default:
        return "?";
    }
}

// One line per box: line breaks of the text are shown as \n.
std::string OneLine(const CString& text) {
    std::string line = Utf8From1252(text.view());
    for (size_t at = line.find_first_of("\r\n"); at != std::string::npos;
         at = line.find_first_of("\r\n", at + 2))
        line.replace(at, 1, line[at] == '\n' ? "\\n" : "\\r");
    return line;
}

} // namespace

IDesktopUser::~IDesktopUser() = default;

void IDesktopUser::ModalDialogOpened(HWND) {}

ModalAction IDesktopUser::ActInModalDialog(HWND) {
    return ModalAction::Nothing;
}

ModalAction IDesktopUser::ActInPopupMenu(HWND) {
    return ModalAction::Nothing;
}

IDesktopUser& GetDesktopUser() {
    static CHeadlessUser headless;
    IDesktopUser* user = g_user.load();
    return user ? *user : headless;
}

IDesktopUser* SetDesktopUser(IDesktopUser* user) {
    return g_user.exchange(user);
}

int DefaultMessageBoxButton(UINT type) {
    const std::span<const int> buttons = ButtonsOf(type);
    const size_t index = (type & MB_DEFMASK) >> 8;
    return index < buttons.size() ? buttons[index] : buttons.front();
}

int CHeadlessUser::AnswerMessageBox(const MessageBoxRequest& box) {
    const int button = DefaultMessageBoxButton(box.type);
    std::fprintf(stderr, "vornui: message box \"%s\": %s -> %s\n", OneLine(box.caption).c_str(),
                 OneLine(box.text).c_str(), ButtonName(button));
    return button;
}

CScriptedUser::CScriptedUser() : m_previous(SetDesktopUser(this)) {}

CScriptedUser::~CScriptedUser() {
    SetDesktopUser(m_previous);
}

int CScriptedUser::AnswerMessageBox(const MessageBoxRequest& box) {
    m_shown.push_back(box);
    if (m_answers.empty())
        return DefaultMessageBoxButton(box.type);
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}
