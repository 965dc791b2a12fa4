#pragma once

// "Edit sequence": an ordered list of strings, edited with New, Edit, Copy, Delete, Up and
// Down. The strings are kept as they are, never parsed.

#include "vornui/platform/Collections.h"
#include "vornui/platform/Dialog.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/ListBox.h"

class VORNUI_API CEditSequence : public CDialog {
public:
    explicit CEditSequence(CWnd* pParent = nullptr);

    // The sequence shown when the dialog opens, and the list's final order after OK.
    CStringArray m_Sequence;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

    void OnEdit();
    void OnDelete();
    void OnCopy();
    void OnNew();
    void OnUp();
    void OnDown();

    DECLARE_MESSAGE_MAP()

private:
    // Runs "Edit string" on `value`; true after OK.
    bool AskForString(CString& value);
    void SwapWithSelected(int other);

    CListBox m_List;
};

// Edits `sequence` in "Edit sequence" with `parent` as the owner. After OK the array holds
// the list in its final order and the result is 1; after Cancel it is untouched and the
// result is 0.
VORNUI_API int EditSequence(CStringArray* sequence, CWnd* parent);
