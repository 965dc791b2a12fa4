#pragma once

// The person in front of the screen, as one component. Everything that would wait for a
// person (a message box, a chooser, a modal dialog) asks the current desktop user. The
// headless default answers at once, so that nothing ever hangs; a test or a demo installs
// a scripted user to act as the person would.

#include "vornui/platform/CString.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/InputCodes.h"
#include "vornui/platform/WinTypes.h"
#include "vornui/platform/WindowTypes.h"

#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

struct MessageBoxRequest {
    HWND owner;
    CString text;
    CString caption;
    UINT type;
};

// A file chooser waiting for the user (GetOpenFileName, GetSaveFileName, CFileDialog).
struct FileChooserRequest {
    HWND owner;
    bool save;
    CString title;
    CString folder;                                   // the folder it shows
    CString fileName;                                 // the name it proposes
    std::vector<std::pair<CString, CString>> filters; // (description, patterns)
    DWORD filterIndex;                                // 1 for the first filter
    DWORD flags;                                      // OFN_*
};

// A folder chooser waiting for the user (SHBrowseForFolder).
struct FolderChooserRequest {
    HWND owner;
    HWND browser; // the chooser's own window, which its callback talks to
    CString title;
    CString selection; // the folder selected now, empty for none
    UINT flags;        // BIF_*
};

// What a user did when a modal dialog had nothing else to do.
enum class ModalAction {
    Acted,   // input is on its way (or the dialog was changed directly)
    Waiting, // the user waits for the dialog to change by itself (a timer, a worker)
    Nothing, // the user has nothing to do in this dialog: it is cancelled
};

class VORNUI_API IDesktopUser {
public:
    virtual ~IDesktopUser();
    // Returns the id of the button pressed (IDOK, IDYES, ...).
    virtual int AnswerMessageBox(const MessageBoxRequest& box) = 0;
    // A modal dialog has been initialised and shown; its loop is about to run.
    virtual void ModalDialogOpened(HWND dialog);
    // The modal dialog's thread has no message waiting: the user's turn.
    virtual ModalAction ActInModalDialog(HWND dialog);
    // The files chosen (full paths, or names in the request's folder); none: cancelled.
    // Unless overridden, the user cancels and says so on standard error. Not asked where
    // the choosers show windows (ChooserWindows.h): the user acts in those instead.
    virtual std::vector<CString> AnswerFileChooser(const FileChooserRequest& request);
    // The folder chosen; empty: cancelled. Unless overridden, as for files.
    virtual CString AnswerFolderChooser(const FolderChooserRequest& request);
    // A popup menu is open in `menuWindow` (MN_GETHMENU names its menu) and waits for the
    // user to pick an item or dismiss it. With Nothing the menu is dismissed.
    virtual ModalAction ActInPopupMenu(HWND menuWindow);
    // A button is held down on `window`, which has the capture, and its loop waits for the
    // next move. With Nothing the user lets go: the capture is released.
    virtual ModalAction ActInCapturedLoop(HWND window);
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
// remembers every box it was shown. In modal dialogs it performs its queued steps, one
// each time the dialog waits for input, in whichever dialog is open then (the innermost);
// each step acts through mouse and keyboard input as a person would. Open popup menus
// take their turn from the same steps. When the steps run out, the user has nothing to do
// and the dialog is cancelled, the menu dismissed.
class VORNUI_API CScriptedUser : public IDesktopUser {
public:
    using Step = std::function<ModalAction(HWND dialog)>;

    CScriptedUser();
    ~CScriptedUser() override;
    CScriptedUser(const CScriptedUser&) = delete;
    CScriptedUser& operator=(const CScriptedUser&) = delete;

    void AnswerNextMessageBox(int button) { m_answers.push_back(button); }
    const std::vector<MessageBoxRequest>& MessageBoxesShown() const { return m_shown; }

    // Choosers take their answers from queues of their own; with none left, the user
    // cancels. A path may be a name in the chooser's folder.
    void AnswerNextFileChooser(const char* path) {
        AnswerNextFileChooser(std::vector<CString>{CString(path)});
    }
    void AnswerNextFileChooser(std::vector<CString> paths);
    void CancelNextFileChooser() { AnswerNextFileChooser(std::vector<CString>{}); }
    // Null presses OK on whatever the chooser has selected.
    void AnswerNextFolderChooser(const char* folder);
    void CancelNextFolderChooser();
    const std::vector<FileChooserRequest>& FileChoosersShown() const { return m_fileChoosers; }
    const std::vector<FolderChooserRequest>& FolderChoosersShown() const {
        return m_folderChoosers;
    }
    // The captions of the modal dialogs that opened, in order.
    const std::vector<CString>& DialogsShown() const { return m_dialogs; }

    // Clicks the middle of dialog item `id` (a button is pressed, an edit gets the caret).
    CScriptedUser& Click(int id);
    // Double-clicks the middle of dialog item `id`.
    CScriptedUser& DoubleClick(int id);
    // Clicks a point of the screen.
    CScriptedUser& ClickAt(POINT screen);
    // Clicks into edit `id`, selects all its text and types `text` over it.
    CScriptedUser& TypeInto(int id, const char* text);
    // Types `text` into whatever has the focus.
    CScriptedUser& Type(const char* text);
    // Presses and releases a key (VK_RETURN, VK_ESCAPE, VK_TAB, ...), with Shift if asked.
    CScriptedUser& Press(UINT virtualKey, bool shift = false);
    // Chooses the entry `text` of list box or combo box `id` with the mouse.
    CScriptedUser& Choose(int id, const char* text);
    // Waits for the dialog to end by itself (a timer, a worker thread).
    CScriptedUser& WaitForEnd();
    // Clicks the item of the open popup menu whose text is `text` ('&' marks and the
    // accelerator after a tab aside), or whose command id is `id`. A menu without such an
    // item is dismissed, as a person who does not find it would.
    CScriptedUser& ChooseMenuItem(const char* text);
    CScriptedUser& ChooseMenuItem(UINT id);
    // Clicks beside the open popup menu, which closes it.
    CScriptedUser& DismissMenu();
    // Anything else, done when it is this step's turn.
    CScriptedUser& Then(Step step);

    // Mouse and keyboard steps anywhere on the screen. `button` is MK_LBUTTON, MK_RBUTTON or
    // MK_MBUTTON; `modifiers` any of MOD_SHIFT, MOD_CONTROL and MOD_ALT, held down around
    // the step.
    CScriptedUser& MouseDown(POINT screen, UINT button = MK_LBUTTON, UINT modifiers = 0);
    CScriptedUser& MouseMove(POINT screen, UINT modifiers = 0);
    CScriptedUser& MouseUp(POINT screen, UINT button = MK_LBUTTON, UINT modifiers = 0);
    CScriptedUser& ClickAt(POINT screen, UINT button, UINT modifiers = 0);
    CScriptedUser& DoubleClickAt(POINT screen, UINT button = MK_LBUTTON, UINT modifiers = 0);
    // Presses at the first point, moves through the others and releases at the last.
    CScriptedUser& Drag(std::vector<POINT> path, UINT button = MK_LBUTTON, UINT modifiers = 0);
    // Turns the wheel by `delta` (WHEEL_DELTA a notch) with the pointer at `screen`.
    CScriptedUser& Wheel(POINT screen, int delta, UINT modifiers = 0);
    // Presses and releases a key with the modifiers held; a key that types a character types
    // it (Ctrl with a letter its control character, Alt with a letter as WM_SYSCHAR).
    CScriptedUser& PressWith(UINT modifiers, UINT virtualKey);
    // The pointer rests where it is for a while; a stepped clock (CSteppedClock) is
    // stepped by that much instead of waited for.
    CScriptedUser& Rest(UINT milliseconds);
    // Drags the window's edge or corner `hit` (HTLEFT ... HTBOTTOMRIGHT), or its caption
    // (HTCAPTION), by dx, dy.
    CScriptedUser& DragFrame(int hit, int dx, int dy);
    // Double-clicks the window's caption: it maximises, or is restored.
    CScriptedUser& DoubleClickCaption();

    // Performs the queued steps now, outside any modal loop, in `window` (a modeless window
    // or a top-level frame): after each step the thread's messages are pumped until none
    // waits, each offered first to `preTranslate` when given (a dialog's to
    // IsDialogMessage). A modal dialog a step opens takes the next steps as usual. Gives up
    // after `timeoutMs` of waiting steps; false then.
    bool ActIn(HWND window, const std::function<bool(MSG*)>& preTranslate = {},
               UINT timeoutMs = 5000);
    // Performs the queued steps now in `window` (a modeless window) without pumping: their
    // input waits in the thread's queue, as a person's does, and takes effect when someone
    // pumps (the window's own polling, typically). Each step acts on the window as it is
    // now, so a step that needs an earlier one's effect (the second half of Choose in a
    // combo box) belongs to ActIn. A step that waits stops the queueing and stays first.
    void QueueIn(HWND window);

    int AnswerMessageBox(const MessageBoxRequest& box) override;
    void ModalDialogOpened(HWND dialog) override;
    ModalAction ActInModalDialog(HWND dialog) override;
    std::vector<CString> AnswerFileChooser(const FileChooserRequest& request) override;
    CString AnswerFolderChooser(const FolderChooserRequest& request) override;
    // Menus take their turn from the same steps as dialogs, in the order given.
    ModalAction ActInPopupMenu(HWND menuWindow) override;
    // Loops that hold the mouse captured take their turn from the same steps too; a step
    // given with Then runs there, inside the loop, where a test can look.
    ModalAction ActInCapturedLoop(HWND window) override;

private:
    std::deque<std::vector<CString>> m_fileAnswers;
    std::deque<std::optional<CString>> m_folderAnswers; // nullopt: OK on the selection
    std::vector<FileChooserRequest> m_fileChoosers;
    std::vector<FolderChooserRequest> m_folderChoosers;
    IDesktopUser* m_previous;
    std::deque<int> m_answers;
    std::vector<MessageBoxRequest> m_shown;
    std::deque<Step> m_steps;
    std::vector<CString> m_dialogs;
};
