#pragma once

// "Select template": chooses the sound-velocity ("Terral_SVP") template through which a
// profile will be read, showing the first 30 valid records of the data file as depth and
// sound velocity. "New" and "Edit" start the template editor "FormatWizard" without
// waiting for it; "Update" lists the templates again once the user is done.
//
// The dialog was an automation server on Windows; Linux has no automation, so none is
// offered and the class is a plain dialog.

#include "vornui/platform/CString.h"
#include "vornui/platform/Collections.h"
#include "vornui/platform/Dialog.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/ListBox.h"
#include "vornui/platform/ListCtrl.h"
#include "vornui/templates/PreviewTable.h"

struct AsciiTemplate;

class VORNUI_API CTemplateSelectDlg : public CDialog {
public:
    // The dialog owned by `pParent`, with nothing selected.
    explicit CTemplateSelectDlg(CWnd* pParent = nullptr);

    // The chosen template's name; "-" when none is chosen.
    CString GetTemplateName() const;

    // The profile to preview, set by the host.
    CString m_strDataFile;

protected:
    // Lists the templates.
    BOOL OnInitDialog() override;
    // Attaches the template list and the preview.
    void DoDataExchange(CDataExchange* pDX) override;

    // A template chosen in the list: remembered and previewed.
    void OnSelectTemplate();
    // "New": prepares the module's folder in the store and starts the editor on the
    // profile.
    void OnNew();
    // "Edit": starts the editor on the chosen template; nothing without one.
    void OnEdit();
    // "Update": lists the templates again; none is chosen afterwards.
    void OnUpdate();
    // The preview asks for the text of one of its cells.
    void OnGetPreviewText(NMHDR* header, LRESULT* result);

    DECLARE_MESSAGE_MAP()

    // The templates' list and the preview's list (report view).
    CListBox m_Templates;
    CListCtrl m_Preview;
    // The listed names, their number and the chosen one's index (-1: none).
    CStringArray m_TemplateNames;
    int m_nTemplates = 0;
    int m_nSelected = -1;

private:
    void ListTemplates();
    void Preview();
    void FillPreview(const AsciiTemplate& templ);

    // What the preview's rows show.
    PreviewTable m_PreviewRows;
};
