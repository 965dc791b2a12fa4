#include "vornui/templates/DataTemplateDialog.h"

#include "vornui/log/VornErr.h"
#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/DataExchange.h"
#include "vornui/platform/FileDialog.h"
#include "vornui/platform/FileSystem.h"
#include "vornui/platform/LastError.h"
#include "vornui/platform/ListBoxControl.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/WinApp.h"
#include "vornui/resources/TemplateDialogIds.h"
#include "vornui/templates/AsciiRecordReader.h"
#include "vornui/templates/AsciiTemplate.h"
#include "vornui/templates/AsciiTemplateLister.h"
#include "vornui/templates/TemplateEditor.h"
#include "vornui/templates/TemplateEditorRun.h"
#include "vornui/templates/TemplateStore.h"

namespace {

constexpr const char* kSource = "templates/DataTemplateDialog";
constexpr char kDataFileFilter[] =
    "Data files (*.txt;*.dat;*.csv)|*.txt;*.dat;*.csv|All files (*.*)|*.*||";
constexpr int kColumnWidth = 90;

void ReportDeleteFailure(const CString& path, DWORD error) {
    // The message keeps the system's words, which do not always name the file; the log does.
    VornErrAt(kSource, __LINE__, VORNERR_LOG_MESSAGE, "Couldn't delete %s (system error %lu)",
              path.GetString(), static_cast<unsigned long>(error));
    CString message;
    if (error == ERROR_ACCESS_DENIED)
        message.Format("Can't access file, probably read-only?\n\n%s", path.GetString());
    else if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        message.Format("File not found!\n\n%s", path.GetString());
    else
        message = "Unknown error.. Can't delete!";
    AfxMessageBox(message);
}

} // namespace

KDataTemplateDialog::KDataTemplateDialog(UINT templateId, const char* module, CWnd* parent)
    : CDialog(templateId, parent), m_pszModule(module) {}

// clang-format off
BEGIN_MESSAGE_MAP(KDataTemplateDialog, CDialog)
    ON_BN_CLICKED(IDC_TEMPLATE_OPEN, &ThisClass::OnOpen)
    ON_BN_CLICKED(IDC_TEMPLATE_NEW, &ThisClass::OnNew)
    ON_BN_CLICKED(IDC_TEMPLATE_EDIT, &ThisClass::OnEdit)
    ON_BN_CLICKED(IDC_TEMPLATE_DELETE, &ThisClass::OnDelete)
    ON_CONTROL(LBN_SELCHANGE, IDC_TEMPLATE_LIST, &ThisClass::OnSelectTemplate)
    ON_NOTIFY(LVN_GETDISPINFO, IDC_TEMPLATE_PREVIEW, &ThisClass::OnGetPreviewText)
END_MESSAGE_MAP()
// clang-format on

void KDataTemplateDialog::GetAbsoluteTemplatePath(CString& path) const {
    path = TemplateStorePath(m_pszModule, m_strTemplateName + ".aft").c_str();
}

void KDataTemplateDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TEMPLATE_LIST, m_Templates);
    DDX_Control(pDX, IDC_TEMPLATE_PREVIEW, m_Preview);
}

BOOL KDataTemplateDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_TEMPLATE_FILENAME, m_strFileName);
    ListTemplates();
    if (!CheckModule())
        return TRUE;
    AddPreviewColumns();
    EnableControls();
    Preview();
    return TRUE;
}

void KDataTemplateDialog::EnableControls() {}

// In the lister's order; the last entry equal to the template name, in any case, is
// selected.
void KDataTemplateDialog::ListTemplates() {
    m_Templates.ResetContent();
    int match = -1;
    for (AsciiTemplateLister lister(m_pszModule); !lister.IsEnd(); lister.Next()) {
        const char* name = lister.GetName();
        const int index = m_Templates.AddString(name);
        if (m_strTemplateName.CompareNoCase(name) == 0)
            match = index;
    }
    if (match >= 0)
        m_Templates.SetCurSel(match);
}

// A module without its meta template has no valid template: the user may repair the
// installation before pressing OK, or give up the preview with Cancel.
bool KDataTemplateDialog::CheckModule() const {
    if (AsciiTemplate(m_pszModule).IsValid())
        return true;
    CString question;
    question.Format(
        "No templates found in %s!\n\nPlease check SW installation\nPress OK when done!",
        GetAsciiTemplateRoot());
    return AfxMessageBox(question, MB_OKCANCEL) == IDOK;
}

void KDataTemplateDialog::AddPreviewColumns() {
    const AsciiTemplate moduleTemplate(m_pszModule);
    for (int index = 0; index < moduleTemplate.UsedRecordCount(); ++index)
        m_Preview.InsertColumn(index, moduleTemplate.records[index].name, LVCFMT_LEFT,
                               kColumnWidth);
}

bool KDataTemplateDialog::TakeSelectedTemplate() {
    const int selected = m_Templates.GetCurSel();
    if (selected < 0)
        return false;
    m_Templates.GetText(selected, m_strTemplateName);
    return true;
}

// An invalid template leaves the preview and its status as they were.
void KDataTemplateDialog::Preview() {
    if (!TakeSelectedTemplate())
        return;
    CString fileName;
    GetDlgItemText(IDC_TEMPLATE_FILENAME, fileName);
    AsciiTemplate templ(m_pszModule);
    templ.Load(m_strTemplateName);
    if (!templ.IsValid())
        return;
    // One repaint for the whole file, however long.
    m_Preview.SetRedraw(FALSE);
    m_Preview.DeleteAllItems();
    AsciiRecordReader reader(fileName, templ);
    ReadPreviewRows(templ, reader, m_PreviewRows);
    m_PreviewRows.AppendRowsTo(m_Preview);
    const int rows = m_PreviewRows.RowCount();
    m_Preview.SetRedraw(TRUE);
    m_Preview.Invalidate();
    SetDlgItemText(IDC_TEMPLATE_STATUS,
                   rows == 0 ? "No valid records! Please choose another template." : "OK");
}

void KDataTemplateDialog::OnSelectTemplate() {
    Preview();
}

void KDataTemplateDialog::OnGetPreviewText(NMHDR* header, LRESULT* result) {
    m_PreviewRows.AnswerTextRequest(*reinterpret_cast<NMLVDISPINFO*>(header));
    *result = 0;
}

void KDataTemplateDialog::OnOpen() {
    CFileDialog chooser(TRUE, nullptr, m_strFileName, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                        kDataFileFilter, this);
    if (chooser.DoModal() != IDOK)
        return;
    m_strFileName = chooser.GetPathName();
    SetDlgItemText(IDC_TEMPLATE_FILENAME, m_strFileName);
    Preview();
    EnableControls();
}

void KDataTemplateDialog::OnNew() {
    RunTemplateEditorAndWait(FormatNewTemplateCommand(m_pszModule, m_strFileName));
    ListTemplates();
}

void KDataTemplateDialog::OnEdit() {
    if (!TakeSelectedTemplate())
        return;
    RunTemplateEditorAndWait(
        FormatEditTemplateCommand(m_pszModule, m_strFileName, m_strTemplateName));
    ListTemplates();
}

void KDataTemplateDialog::OnDelete() {
    if (!TakeSelectedTemplate())
        return;
    CString question;
    question.Format("Delete template %s?", m_strTemplateName.GetString());
    if (AfxMessageBox(question, MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    CString path;
    GetAbsoluteTemplatePath(path);
    if (!DeleteFile(path))
        ReportDeleteFailure(path, GetLastError());
    ListTemplates();
}

void KDataTemplateDialog::OnOK() {
    if (m_Templates.GetCount() == 0) {
        AfxMessageBox("No entries!");
        return;
    }
    if (!TakeSelectedTemplate())
        m_strTemplateName.Empty();
    CDialog::OnOK();
}
