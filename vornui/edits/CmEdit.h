#pragma once

// A single-line edit that shows a fixed template (a date, a time, an identifier with
// separators) in which only some positions can be typed into, each accepting only its own
// set of characters. The window text is always the template with the values entered.
//
//   CmEdit m_time;                                // a member of the host's dialog
//   m_time.SubclassDlgItem(IDC_TIME, this);       // in OnInitDialog
//   m_time.SetMask("[0-2][0-9]:[0-5][0-9]");      // shows __:__
//   ...                                           // the user types 1234: 12:34
//   CString digits = m_time.GetData();            // "1234"
//
// Mask syntax: "[...]" is one editable position whose set lists characters and ranges
// ("[0-9A-F]"; "\]" inside a set stands for ']'); "\[" and "\]" outside a set are the
// literal brackets; every other character is a literal position showing itself.
//
// Keys and mouse: typing fills the position under the caret and moves on, across literals
// to the next field (a run of editable positions); Backspace and Delete empty positions
// without shifting the others; Left, Right, Home and End move between editable positions;
// Ctrl+Left/Right, Page Up/Down move between fields; Enter, on its release, selects the next
// field and after the last one moves the focus to the next control of the parent's tab
// order. Gaining the focus, a double click and a drag across a literal select a field; the
// right button gives no context menu.
//
// In a dialog the control asks for the Enter key (its answer to WM_GETDLGCODE for Enter's
// key-down and character, as a multi-line edit does), so that Enter moves through the
// fields instead of pressing the default button. Tab and Escape stay the dialog's.
//
// Messages that would change the text behind the control's back go through the masked
// operations: WM_SETTEXT is SetWindowText, EM_REPLACESEL is ReplaceSel, WM_PASTE (and so
// Shift+Insert) is Paste, WM_CUT is Cut, WM_COPY (and Ctrl+Insert) is Copy and WM_CLEAR
// empties the selected positions. There is no undo: WM_UNDO and EM_UNDO are refused.
// WM_GETTEXT gives the text shown; GetData gives the values entered.

#include "vornui/edits/CmEditChar.h"
#include "vornui/platform/Edit.h"

#include <utility>
#include <vector>

class VORNUI_API CmEdit : public CEdit {
    DECLARE_DYNCREATE(CmEdit)
public:
    CmEdit();
    ~CmEdit() override;

    // Attach to an edit as CWnd's do; the edit then shows the template at once (nothing
    // before a mask is set).
    BOOL SubclassWindow(HWND hwnd);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);

    // Rebuilds the template from `mask`; every value entered is lost.
    void SetMask(CString mask);
    // The character an empty editable position shows ('_' until set); 0 is refused, since
    // every position must show something.
    void SetPrompt(char prompt);
    // When not 0, shown instead of every entered character; copying and cutting are then off.
    void SetPasswordChar(char password);
    char GetPasswordChar() const { return m_cPassword; }
    // Entered characters are converted to lower (upper) case; each call also sets the other
    // conversion to the opposite.
    void ConverToLower(bool b);
    void ConverToUpper(bool b);
    // GetData gives the full text (literals and prompts included) instead of the values only.
    void CopyNonMasked(bool b) { m_bCopyNonMasked = b; }

    // Empties every editable position and writes `text` from the start, as ReplaceSel does;
    // null only shows the template again.
    void SetWindowText(const char* text);
    // SetWindowText(s), unless s is empty, which changes nothing.
    void SetData(CString s);
    // The values of positions nStart .. nStart + nCount - 1 (or the full text with
    // CopyNonMasked); a start outside the template means 0, a count that is negative or
    // too large means to the end.
    CString GetData(int nStart = 0, int nCount = -1) const;
    void GetWindowText(CString& text) const;
    // GetData(0, nMax), cut to fit with its NUL into nMax bytes; the length stored.
    int GetWindowText(char* buffer, int nMax) const;
    int GetWindowTextLength() const;

    // Writes `text` into the selection (from the caret to the end when nothing is
    // selected): literals are passed over without using text, characters a position does
    // not accept are dropped. Then selects the field at the selection's start.
    void ReplaceSel(const char* text, int bCanUndo = FALSE);
    // Selects, snapping a caret (nStart == nEnd) forward and a reversed range's start
    // backward to an editable position.
    void SetSel(int nStart, int nEnd, int bNoScroll = FALSE);
    // Empties every editable position and selects the first field.
    void Clear();
    void Cut();
    void Copy();
    void Paste();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The keys and the mouse, as the header above says.
    void OnChar(UINT ch, UINT repeat, UINT flags) override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    void OnKeyUp(UINT key, UINT repeat, UINT flags) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnLButtonDblClk(UINT flags, CPoint point) override;
    void OnRButtonUp(UINT flags, CPoint point) override;
    void OnSetFocus(CWnd* oldWnd) override;

    std::vector<CmEditChar> m_aChars; // one per character of the text
    char m_cPrompt = '_';             // shown by an empty editable position
    char m_cPassword = 0;             // shown instead of each value when not 0
    bool m_bToLower = false;          // values are converted to lower case
    bool m_bToUpper = false;          // values are converted to upper case (after lower)
    bool m_bCopyNonMasked = false;    // GetData gives the full text
    bool m_bShiftDown = false;        // Shift went down here and has not come up here
    bool m_bControlDown = false;      // Control, likewise

private:
    int Length() const { return static_cast<int>(m_aChars.size()); }
    bool IsMaskedAt(int position) const;
    // The first editable position at or after `position`, or the length when none is.
    int NextMasked(int position) const;
    // The position after the field that `position` lies in.
    int FieldEnd(int position) const;
    // The start of the field that ends at or runs through `position`.
    int FieldStart(int position) const;
    CString DisplayedText() const;
    // The window shows the template again, keeping its selection.
    void Refresh();
    // The window shows the template again, with (start, end) selected as SetSel selects.
    void Show(int start, int end);
    void GetSelection(int& start, int& end) const;
    // The field at or after `position` (the length wraps to the first field), or the end
    // when no editable position follows.
    std::pair<int, int> FieldAt(int position) const;
    void SetMaskedSel(int position);
    void SelectPreviousField();
    void SelectNextField();
    void SelectLastField();
    void EmptyPositions(int start, int end);
    char Converted(char ch) const;
    bool HandleClipboardMessage(UINT message, LRESULT& result);
    UINT DialogCode(const MSG* msg);
    void PressBackspace();
    void PressDelete();
    void StepLeft();
    void StepRight();
    void ReleaseEnter();
};
