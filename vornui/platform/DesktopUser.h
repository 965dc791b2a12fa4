#pragma once

// The person in front of the screen, as one component. Everything that would wait for a
// person (a message box, a chooser, a modal dialog) asks the current desktop user. The
// headless default answers at once, so that nothing ever hangs; a test or a demo installs
// a scripted user to act as the person would.

#include "vornui/platform/CString.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/WinTypes.h"

#include <deque>
#include <vector>

struct WindowRecord;
using HWND = WindowRecord*;

struct MessageBoxRequest {
    HWND owner;
    CString text;
    CString caption;
    UINT type;
};

class VORNUI_API IDesktopUser {
public:
    virtual ~IDesktopUser();
    // Returns the id of the button pressed (IDOK, IDYES, ...).
    virtual int AnswerMessageBox(const MessageBoxRequest& box) = 0;
};

// The current user; the headless user when none is installed.
VORNUI_API IDesktopUser& GetDesktopUser();
// Installs `user` (nullptr: the headless user again) and returns the one it replaces.
VORNUI_API IDesktopUser* SetDesktopUser(IDesktopUser* user);

// The button a message box of `type` presses when the user just hits Enter.
VORNUI_API int DefaultMessageBoxButton(UINT type);

// Presses the default button of every message box and says so on standard error.
class VORNUI_API CHeadlessUser : public IDesktopUser {
public:
    int AnswerMessageBox(const MessageBoxRequest& box) override;
};

// A user that follows a script: it is the desktop's user while it lives, answers message
// boxes from its queue of answers (the default button when the queue is empty) and
// remembers every box it was shown.
class VORNUI_API CScriptedUser : public IDesktopUser {
public:
    CScriptedUser();
    ~CScriptedUser() override;
    CScriptedUser(const CScriptedUser&) = delete;
    CScriptedUser& operator=(const CScriptedUser&) = delete;

    void AnswerNextMessageBox(int button) { m_answers.push_back(button); }
    const std::vector<MessageBoxRequest>& MessageBoxesShown() const { return m_shown; }

    int AnswerMessageBox(const MessageBoxRequest& box) override;

private:
    IDesktopUser* m_previous;
    std::deque<int> m_answers;
    std::vector<MessageBoxRequest> m_shown;
};
