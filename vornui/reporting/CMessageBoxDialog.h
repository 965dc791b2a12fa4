#pragma once

// A modal message box built at run time: a message, an optional icon, a title and any
// buttons of the caller's choosing, laid out to fit, honouring the usual message-box style
// flags (MB_DEFBUTTON*, MB_ICON*, MB_RIGHT, MB_RTLREADING, MB_SYSTEMMODAL,
// MB_SETFOREGROUND, MB_TOPMOST). DoModal returns the id of the button that ended it.
//
// Enter, Escape and Ctrl+Break are keys here, not the commands IDOK and IDCANCEL, so that
// a caller's buttons may have any ids, 1 and 2 included: Enter gives the focused button's
// id, or the default button's (-1 when there is none); Escape, Ctrl+Break and the close
// box give the escape button's id and are ignored without one. IDHELP opens the
// application's help and leaves the box open. With nobody at the desktop, the box is
// answered as a message box is: as Enter would, said in one line on standard error.

#include "vornui/platform/CString.h"
#include "vornui/platform/Dialog.h"
#include "vornui/platform/Icons.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/Static.h"

#include <utility>
#include <vector>

class VORNUI_API CMessageBoxDialog : public CDialog {
    DECLARE_DYNAMIC(CMessageBoxDialog)
public:
    // A title id of 0 or an empty title means the application's name.
    CMessageBoxDialog(CWnd* parent, unsigned int messageId, unsigned int titleId = 0,
                      unsigned int style = MB_OK, unsigned int help = 0);
    CMessageBoxDialog(CWnd* parent, CString message, CString title = CString(),
                      unsigned int style = MB_OK, unsigned int help = 0);
    ~CMessageBoxDialog() override;
    CMessageBoxDialog(const CMessageBoxDialog&) = delete;
    CMessageBoxDialog& operator=(const CMessageBoxDialog&) = delete;

    // Appends a button; a nonzero `isDefault` / `isEscape` makes it the default / escape
    // button (the last such call wins). An id added again keeps its place.
    void AddButton(unsigned int id, CString caption, int isDefault = 0, int isEscape = 0);
    void AddButton(unsigned int id, unsigned int captionId, int isDefault = 0, int isEscape = 0);

    // The message, as text or a string of the resource chain.
    void SetMessage(CString message);
    void SetMessage(unsigned int messageId);
    CString GetMessage() const { return m_strMessage; }
    // The caption; empty text or id 0 is the application's name.
    void SetTitle(CString title);
    void SetTitle(unsigned int titleId);
    CString GetTitle() const { return m_strTitle; }
    // The message-box style flags (MB_*).
    void SetStyle(unsigned int style) { m_nStyle = style; }
    unsigned int GetStyle() const { return m_nStyle; }

    // The box owns the icon from here and destroys it with itself.
    void SetMessageIcon(HICON icon);
    // `system` 0: an icon group of the host's resources (through the resource chain);
    // nonzero: a system icon (IDI_*), which also chooses the beep unless one is set.
    void SetMessageIcon(const char* name, int system);
    HICON GetMessageIcon() const { return m_hIcon; }
    // The sound played when the box opens (a MessageBeep type).
    void SetMessageBeep(unsigned int beep) { m_nBeep = beep; }

    // Runs the box and returns the id of the button that ended it.
    INT_PTR DoModal() override;

protected:
    // The box is built here: icon, message, buttons, size, beep and style effects.
    BOOL OnInitDialog() override;
    // Buttons, keys and the close box end the box by the rules above.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnClose() override;

    CString m_strMessage;    // the text shown
    CString m_strTitle;      // the caption
    unsigned int m_nStyle;   // MB_* flags
    unsigned int m_nHelp;    // the help context id
    HICON m_hIcon = nullptr; // left of the message; destroyed with the box
    std::vector<std::pair<unsigned int, CString>> m_aButtons;      // in the order added
    unsigned int m_nDefaultButton = static_cast<unsigned int>(-1); // Enter's; -1: none
    unsigned int m_nEscapeButton = static_cast<unsigned int>(-1);  // Escape's; -1: none
    CStatic m_stcIcon;                                    // shows the icon, when there is one
    CStatic m_stcMessage;                                 // shows the message
    CWnd* m_pParent;                                      // the owner
    unsigned int m_nBeep = static_cast<unsigned int>(-1); // played on opening; -1: none
    int m_aDlgScale[2] = {0, 0};    // pixels per 1000 dialog units, horizontally and vertically
    int m_aIconSize[2] = {0, 0};    // pixels
    int m_aMessageSize[2] = {0, 0}; // pixels
    int m_aButtonSize[2] = {0, 0};  // pixels, common to all buttons

private:
    void ParseStyle();
    void CreateIconControl();
    void CreateMessageControl();
    void CreateButtons();
    void LayOut();
    void ApplyStyleEffects();
    int ToX(int dialogUnits) const;
    int ToY(int dialogUnits) const;
    bool IsButton(HWND control) const;
    CString ButtonCaption(unsigned int id) const;
    void EndWith(unsigned int id);
    void AnswerForAbsentUser();
};
