#include "vornui/platform/PropertyPage.h"

#include "vornui/platform/MessageBox.h"
#include "vornui/platform/internal/WindowInternals.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

CPropertyPage::CPropertyPage() {
    m_psp.dwFlags = PSP_USECALLBACK;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
    m_psp.pfnCallback = &CPropertyPage::PageCallback;
}

CPropertyPage::CPropertyPage(UINT idTemplate, UINT idCaption) : CPropertyPage() {
    Construct(idTemplate, idCaption);
}

CPropertyPage::CPropertyPage(LPCTSTR templateName, UINT idCaption) : CPropertyPage() {
    Construct(templateName, idCaption);
}

void CPropertyPage::Construct(UINT idTemplate, UINT idCaption) {
    Construct(MAKEINTRESOURCE(idTemplate), idCaption);
    m_nIDHelp = idTemplate;
}

void CPropertyPage::Construct(LPCTSTR templateName, UINT idCaption) {
    m_lpszTemplateName = templateName;
    m_psp.pszTemplate = templateName;
    if (idCaption != 0)
        m_strCaption.LoadString(idCaption);
}

UINT CPropertyPage::PageCallback(HWND, UINT message, LPPROPSHEETPAGE psp) {
    if (message == PSPCB_CREATE)
        SetWindowCreationHook(&CWnd::HookCreation, reinterpret_cast<CPropertyPage*>(psp->lParam));
    return TRUE;
}

void CPropertyPage::SetModified(BOOL changed) {
    if (CWnd* sheet = GetParent())
        sheet->SendMessage(changed ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_hWnd));
}

LRESULT CPropertyPage::QuerySiblings(WPARAM wParam, LPARAM lParam) {
    CWnd* sheet = GetParent();
    return sheet ? sheet->SendMessage(PSM_QUERYSIBLINGS, wParam, lParam) : 0;
}

void CPropertyPage::CancelToClose() {
    if (CWnd* sheet = GetParent())
        sheet->SendMessage(PSM_CANCELTOCLOSE);
}

BOOL CPropertyPage::OnSetActive() {
    if (m_bFirstSetActive)
        m_bFirstSetActive = false;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() {
    return UpdateData(TRUE);
}

BOOL CPropertyPage::OnApply() {
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset() {
    OnCancel();
}

BOOL CPropertyPage::OnQueryCancel() {
    return TRUE;
}

LRESULT CPropertyPage::OnWizardBack() {
    return 0;
}

LRESULT CPropertyPage::OnWizardNext() {
    return 0;
}

BOOL CPropertyPage::OnWizardFinish() {
    return TRUE;
}

void CPropertyPage::OnOK() {}

void CPropertyPage::OnCancel() {}

BOOL CPropertyPage::PreTranslateMessage(MSG*) {
    return FALSE;
}

LRESULT CPropertyPage::OnSheetNotify(UINT code) {
    switch (code) {
    case PSN_SETACTIVE:
        return OnSetActive() ? 0 : -1;
    case PSN_KILLACTIVE:
        return !OnKillActive();
    case PSN_APPLY:
        return OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
    case PSN_RESET:
        OnReset();
        return 0;
    case PSN_QUERYCANCEL:
        return !OnQueryCancel();
    case PSN_WIZBACK:
        return OnWizardBack();
    case PSN_WIZNEXT:
        return OnWizardNext();
    case PSN_WIZFINISH:
        return !OnWizardFinish();
    case PSN_HELP:
        SendMessage(WM_COMMAND, IDHELP);
        return 0;
    default:
        return 0;
    }
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (CDialog::OnNotify(wParam, lParam, result))
        return TRUE;
    // Only the sheet (or the page itself) speaks in PSN_* codes; a control's notification
    // with the same number is not one of them.
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (!header || (header->hwndFrom != m_hWnd && header->hwndFrom != ::GetParent(m_hWnd)))
        return FALSE;
    if (header->code > PSN_FIRST || header->code < PSN_QUERYCANCEL)
        return FALSE;
    *result = OnSheetNotify(header->code);
    return TRUE;
}
