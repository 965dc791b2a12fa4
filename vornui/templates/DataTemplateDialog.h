#pragma once

// What the tide and CTD template dialogs share: the data file shown above, the module's
// templates listed on the left, the data file read through the chosen template on the
// right, and the template editor started for a new or a chosen template.
//
// "Open..." offers "Data files (*.txt;*.dat;*.csv)" and "All files (*.*)", with
// OFN_FILEMUSTEXIST | OFN_HIDEREADONLY. "New..." and "Edit..." run the editor
// "FormatWizard" and wait for it (the dialog does not respond meanwhile), then list the
// templates again. "Edit..." and "Delete" act on the selected template, and do nothing
// when none is selected.

#include "vornui/platform/CString.h"
#include "vornui/platform/Dialog.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/ListBox.h"
#include "vornui/platform/ListCtrl.h"
#include "vornui/templates/PreviewTable.h"

class AsciiRecordReader;
struct AsciiTemplate;

class VORNUI_API KDataTemplateDialog : public CDialog {
public:
    // The data file to preview, set by the host; "Open..." replaces it.
    CString m_strFileName;
    // Set by the host: the template selected when the templates are listed. Follows the
    // selection; after OK, the template chosen.
    CString m_strTemplateName;

    // The chosen template's file in the template store.
    void GetAbsoluteTemplatePath(CString& path) const;

protected:
    // The dialog of template `templateId` for the templates of `module`.
    KDataTemplateDialog(UINT templateId, const char* module, CWnd* parent);

    // Resets `rows` and adds one row per valid record that `reader` gives through `templ`,
    // as many as the dialog shows.
    virtual void ReadPreviewRows(const AsciiTemplate& templ, AsciiRecordReader& reader,
                                 PreviewTable& rows) = 0;
    // Enables the controls as the data file allows; by default they all stay enabled.
    virtual void EnableControls();

    // Lists the templates, checks the module, sets up the preview and fills it.
    BOOL OnInitDialog() override;
    // Attaches the template list and the preview.
    void DoDataExchange(CDataExchange* pDX) override;
    // Takes the selected template; refuses to close on an empty list.
    void OnOK() override;

    // "Open...": another data file, previewed at once.
    void OnOpen();
    // "New...": the editor makes a template from the data file.
    void OnNew();
    // "Edit...": the editor opens the selected template.
    void OnEdit();
    // "Delete": removes the selected template's file after asking.
    void OnDelete();
    // A template chosen in the list: previewed at once.
    void OnSelectTemplate();
    // The preview asks for the text of one of its cells.
    void OnGetPreviewText(NMHDR* header, LRESULT* result);

    DECLARE_MESSAGE_MAP()

    // The preview's list (report view) and the templates' list.
    CListCtrl m_Preview;
    CListBox m_Templates;

private:
    void ListTemplates();
    bool CheckModule() const;
    void AddPreviewColumns();
    void Preview();
    bool TakeSelectedTemplate();

    const char* m_pszModule;
    // What the preview's rows show.
    PreviewTable m_PreviewRows;
};
