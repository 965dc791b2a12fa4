#pragma once

// The "Edit" class: text with a selection, typed into by the user, with the EM_* messages
// and the EN_* notifications of the system's edit control.

#include "vornui/platform/EditControl.h"
#include "vornui/platform/Wnd.h"

class VORNUI_API CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
public:
    using CWnd::Create;
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    void GetSel(int& start, int& end) const;
    DWORD GetSel() const;
    void SetSel(int start, int end, BOOL noScroll = FALSE);
    void SetSel(DWORD selection, BOOL noScroll = FALSE);
    void ReplaceSel(LPCTSTR text, BOOL canUndo = FALSE);
    void Clear();
    void Copy();
    void Cut();
    void Paste();
    BOOL Undo();
    BOOL CanUndo() const;
    void EmptyUndoBuffer();
    void LimitText(int maxChars = 0);
    void SetLimitText(UINT maxChars);
    UINT GetLimitText() const;
    BOOL GetModify() const;
    void SetModify(BOOL modified = TRUE);
    BOOL SetReadOnly(BOOL readOnly = TRUE);
    int GetLineCount() const;
    int LineIndex(int line = -1) const;
    int LineLength(int charIndex = -1) const;
    int LineFromChar(int charIndex = -1) const;
    int GetLine(int line, LPTSTR buffer, int maxLength) const;
    void SetPasswordChar(TCHAR ch);
    TCHAR GetPasswordChar() const;
    CPoint PosFromChar(UINT charIndex) const;
    int CharFromPos(CPoint point) const;
    void SetMargins(UINT left, UINT right);
    DWORD GetMargins() const;
};
