#pragma once

// "Edit sequence": an ordered list of strings, edited with New, Edit, Copy, Delete, Up and
// Down. The strings are kept as they are, never parsed.

#include "vornui/platform/Collections.h"
#include "vornui/platform/Dialog.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/ListBox.h"

class VORNUI_API CEditSequence : public CDialog {
public:
    // The dialog of template "Edit sequence", owned by `pParent`.
    explicit CEditSequence(CWnd* pParent = nullptr);

    // The sequence shown when the dialog opens, and the list's final order after OK.
    CStringArray m_Sequence;

protected:
    // Fills the list from m_Sequence and selects its first entry.
    BOOL OnInitDialog() override;
    // Attaches the list.
    void DoDataExchange(CDataExchange* pDX) override;
    // Takes the list, in its order, into m_Sequence.
    void OnOK() override;

    // "&Edit": the selected entry, edited in "Edit string", stays in its place.
    void OnEdit();
    // "&Delete": the selected entry goes; nothing is selected afterwards.
    void OnDelete();
    // "&Copy": the selected entry with "***" after it is added at the end and selected.
    void OnCopy();
    // "&New": a string typed in "Edit string" is added at the end and selected.
    void OnNew();
    // "&Up": the selected entry trades places with the one above it.
    void OnUp();
    // "Do&wn": the selected entry trades places with the one below it.
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
