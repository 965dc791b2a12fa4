#include "vornui/platform/DesktopUser.h"

#include "vornui/platform/CodePage.h"
#include "vornui/platform/MessageBox.h"

#include <atomic>
#include <cstdio>

namespace {

std::atomic<IDesktopUser*> g_user{nullptr};

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
    const std::span<const int> buttons = MessageBoxButtons(type);
    const size_t index = (type & MB_DEFMASK) >> 8;
    return index < buttons.size() ? buttons[index] : buttons.front();
}

int CHeadlessUser::AnswerMessageBox(const MessageBoxRequest& box) {
    const int button = DefaultMessageBoxButton(box.type);
    std::fprintf(stderr, "vornui: message box \"%s\": %s -> %s\n", OneLine(box.caption).c_str(),
                 OneLine(box.text).c_str(), MessageBoxButtonName(button));
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
