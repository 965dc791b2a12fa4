#include "vornui/templates/TemplateSelectDlg.h"

#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/DataExchange.h"
#include "vornui/platform/ListBoxControl.h"
#include "vornui/resources/TemplateDialogIds.h"
#include "vornui/templates/AsciiRecord.h"
#include "vornui/templates/AsciiRecordReader.h"
#include "vornui/templates/AsciiTemplate.h"
#include "vornui/templates/AsciiTemplateLister.h"
#include "vornui/templates/TemplateEditor.h"
#include "vornui/util/StartProgram.h"

namespace {

constexpr char kModule[] = "Terral_SVP";
constexpr char kEmptyList[] = "[Empty, click new template]";
constexpr int kMaxRows = 30;
constexpr int kColumnWidth = 100;

} // namespace

CTemplateSelectDlg::CTemplateSelectDlg(CWnd* pParent) : CDialog(IDD_TEMPLATE_SELECT, pParent) {}

// clang-format off
BEGIN_MESSAGE_MAP(CTemplateSelectDlg, CDialog)
    ON_BN_CLICKED(IDC_SVP_NEW, &ThisClass::OnNew)
    ON_BN_CLICKED(IDC_SVP_EDIT, &ThisClass::OnEdit)
    ON_BN_CLICKED(IDC_SVP_UPDATE, &ThisClass::OnUpdate)
    ON_CONTROL(LBN_SELCHANGE, IDC_SVP_TEMPLATE_LIST, &ThisClass::OnSelectTemplate)
    ON_NOTIFY(LVN_GETDISPINFO, IDC_SVP_PREVIEW, &ThisClass::OnGetPreviewText)
END_MESSAGE_MAP()
// clang-format on

CString CTemplateSelectDlg::GetTemplateName() const {
    if (m_nSelected < 0 || m_nSelected >= m_nTemplates)
        return "-";
    return m_TemplateNames[m_nSelected];
}

void CTemplateSelectDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SVP_TEMPLATE_LIST, m_Templates);
    DDX_Control(pDX, IDC_SVP_PREVIEW, m_Preview);
}

BOOL CTemplateSelectDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ListTemplates();
    return TRUE;
}

void CTemplateSelectDlg::ListTemplates() {
    m_Templates.ResetContent();
    m_TemplateNames.RemoveAll();
    for (AsciiTemplateLister lister(kModule); !lister.IsEnd(); lister.Next()) {
        m_TemplateNames.Add(lister.GetName());
        m_Templates.AddString(lister.GetName());
    }
    m_nTemplates = static_cast<int>(m_TemplateNames.GetSize());
    m_nSelected = -1;
    // The line that asks for a first template is no template: choosing it chooses none.
    if (m_nTemplates == 0)
        m_Templates.AddString(kEmptyList);
}

void CTemplateSelectDlg::OnSelectTemplate() {
    const int selected = m_Templates.GetCurSel();
    m_nSelected = selected < m_nTemplates ? selected : -1;
    Preview();
}

void CTemplateSelectDlg::Preview() {
    m_Preview.SetRedraw(FALSE);
    m_Preview.DeleteAllItems();
    while (m_Preview.DeleteColumn(0)) {
    }
    AsciiTemplate templ(kModule);
    if (m_nSelected >= 0)
        templ.Load(GetTemplateName());
    if (m_nSelected >= 0 && templ.IsValid())
        FillPreview(templ);
    m_Preview.SetRedraw(TRUE);
    m_Preview.Invalidate();
}

void CTemplateSelectDlg::FillPreview(const AsciiTemplate& templ) {
    AsciiRecordReader reader(m_strDataFile, templ);
    m_Preview.InsertColumn(0, "Depth (m)", LVCFMT_LEFT, kColumnWidth);
    m_Preview.InsertColumn(1, "SoundVelocity", LVCFMT_LEFT, kColumnWidth);
    AsciiRecord record(templ);
    const int depth = record.IndexOf("Depth (m, down+)");
    const int velocity = record.IndexOf("soundvelocity (m/s)");
    m_PreviewRows.Reset(2);
    while (m_PreviewRows.RowCount() < kMaxRows && reader.ReadNext(record)) {
        if (!record.IsValid())
            continue;
        m_PreviewRows.StartRow();
        m_PreviewRows.AddNumber(record.GetDouble(depth));
        m_PreviewRows.AddNumber(record.GetDouble(velocity));
    }
    m_PreviewRows.AppendRowsTo(m_Preview);
}

void CTemplateSelectDlg::OnGetPreviewText(NMHDR* header, LRESULT* result) {
    m_PreviewRows.AnswerTextRequest(*reinterpret_cast<NMLVDISPINFO*>(header));
    *result = 0;
}

void CTemplateSelectDlg::OnNew() {
    if (PrepareSvpTemplateStore())
        StartWindowsApp(FormatNewTemplateCommand(kModule, m_strDataFile));
}

void CTemplateSelectDlg::OnEdit() {
    if (m_nSelected < 0)
        return;
    StartWindowsApp(FormatEditTemplateCommand(kModule, m_strDataFile, GetTemplateName()));
}

void CTemplateSelectDlg::OnUpdate() {
    ListTemplates();
}
