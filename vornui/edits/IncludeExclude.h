#pragma once

// "Include/exclude": divides a set of names between an excluded list (shown sorted) and
// an included list (in the order given). The arrow buttons, or a double click in a list,
// move the selected names across.

#include "vornui/platform/Button.h"
#include "vornui/platform/Collections.h"
#include "vornui/platform/Dialog.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/ListBox.h"

#include <vector>

class VORNUI_API CIncludeExclude : public CDialog {
public:
    // The dialog of template "Include/exclude", owned by `pParent`.
    explicit CIncludeExclude(CWnd* pParent = nullptr);

    // The two groups when the dialog opens, and as the lists show them after OK.
    CStringList m_Excluded;
    CStringList m_Included;

protected:
    // Puts the arrows on the buttons and fills both lists.
    BOOL OnInitDialog() override;
    // Attaches the lists and the buttons.
    void DoDataExchange(CDataExchange* pDX) override;
    // Takes both lists, as they are shown, into m_Excluded and m_Included.
    void OnOK() override;

    // The selected excluded names join the end of the included list.
    void OnMoveToIncluded();
    // The selected included names join the excluded list in their sorted places.
    void OnMoveToExcluded();

    DECLARE_MESSAGE_MAP()

private:
    void Move(CListBox& source, CListBox& destination);

    CListBox m_ExcludedList;
    CListBox m_IncludedList;
    CButton m_ToIncluded;
    CButton m_ToExcluded;
    std::vector<int> m_Selected; // room for every name's index
};

// Lets the user divide the names of `excluded` and `included` anew, with `parent` as the
// owner. After OK both lists are refilled from the dialog and the result is 1; otherwise
// they are untouched and the result is 0.
VORNUI_API int IncludeExclude(CStringList* excluded, CStringList* included, CWnd* parent);
