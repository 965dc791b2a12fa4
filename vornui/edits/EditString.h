#pragma once

// "Edit string": one line of text for the host to edit. The host sets m_strValue, runs
// the dialog and reads m_strValue back after OK; a text of more than 200 characters is
// refused and the dialog stays open.

#include "vornui/platform/Dialog.h"
#include "vornui/platform/Export.h"

class VORNUI_API CEditString : public CDialog {
public:
    // The dialog of template "Edit string", owned by `pParent`.
    explicit CEditString(CWnd* pParent = nullptr);

    // The window title; the template's own when empty.
    void Setup(const CString& caption);

    // The text shown when the dialog opens, and the text typed after OK.
    CString m_strValue;

protected:
    // Shows the caption set with Setup.
    BOOL OnInitDialog() override;
    // The value and its limit of 200 characters.
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CString m_strCaption;
};
