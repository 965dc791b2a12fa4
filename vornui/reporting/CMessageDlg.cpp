#include "vornui/reporting/CMessageDlg.h"

#include "vornui/layout/RememberDlgPos.h"
#include "vornui/reporting/ModelessDialogSupport.h"
#include "vornui/resources/ReportingIds.h"

CMessageDlg::CMessageDlg() = default;

CMessageDlg::CMessageDlg(CString placementName) : m_strPlacement(placementName) {}

CMessageDlg::~CMessageDlg() {
    if (::IsWindow(m_hWnd))
        DestroyWindow();
}

int CMessageDlg::Create(CWnd* parent) {
    m_pParentWnd = DisableSafeOwner(parent, m_hOwner, m_bParentDisabled);
    // Through the host's resource chain, so that a host may provide its own "Message".
    if (!CDialog::Create(IDD_MESSAGE, m_pParentWnd)) {
        ReEnableParent();
        return 0;
    }
    ShowWindow(SW_SHOW);
    return 1;
}

BOOL CMessageDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (!m_strPlacement.IsEmpty())
        RememberDlgPos().CombinePreviousAndCurrent(m_strPlacement, this);
    return TRUE;
}

int CMessageDlg::DestroyWindow() {
    ReEnableParent();
    if (!::IsWindow(m_hWnd))
        return 0;
    if (!m_strPlacement.IsEmpty())
        RememberDlgPos().SaveWindowPosition(m_strPlacement, this);
    return CDialog::DestroyWindow();
}

void CMessageDlg::ReEnableParent() {
    ReEnableOwner(m_hOwner, m_bParentDisabled);
}

void CMessageDlg::SetMessage(const char* text) {
    if (::IsWindow(m_hWnd))
        SetDlgItemText(IDC_STATUS_TEXT, text);
}

void CMessageDlg::OnOK() {}

void CMessageDlg::PumpMessages() {
    PumpDialogMessages(m_hWnd, PumpEnd::QueueEmpty);
}

BOOL CMessageDlg::Create(UINT idTemplate, CWnd* parent) {
    return CDialog::Create(idTemplate, parent);
}
