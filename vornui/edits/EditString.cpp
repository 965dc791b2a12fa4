#include "vornui/edits/EditString.h"

#include "vornui/platform/DataExchange.h"
#include "vornui/resources/EditorDialogIds.h"

namespace {

constexpr int kMaxValueLength = 200;

} // namespace

CEditString::CEditString(CWnd* pParent) : CDialog(IDD_EDIT_STRING, pParent) {}

void CEditString::Setup(const CString& caption) {
    m_strCaption = caption;
}

BOOL CEditString::OnInitDialog() {
    if (!m_strCaption.IsEmpty())
        SetWindowText(m_strCaption);
    return CDialog::OnInitDialog();
}

void CEditString::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_STRING_VALUE, m_strValue);
    DDV_MaxChars(pDX, m_strValue, kMaxValueLength);
}
