#include "vornui/properties/KPropertyPage.h"

#include "vornui/properties/KPropertyPageSheet.h"
#include "vornui/properties/KPropertySheet.h"

template class CTouched<CPropertyPage>;

IMPLEMENT_DYNCREATE(KPropertyPage, CPropertyPage)

namespace {

// The longest tab text read back from the tab control.
constexpr int kTabTextMax = 255;

} // namespace

KPropertyPage::KPropertyPage() = default;

KPropertyPage::KPropertyPage(unsigned int idTemplate, unsigned int idCaption) {
    Construct(idTemplate, idCaption);
}

KPropertyPage::KPropertyPage(const char* templateName, unsigned int idCaption) {
    Construct(templateName, idCaption);
}

CString KPropertyPage::GetCaption() const {
    return m_strCaption;
}

void KPropertyPage::ShowTouchedOnTab(bool touched) {
    CWnd* sheet = GetParent();
    const auto tab =
        sheet ? reinterpret_cast<HWND>(sheet->SendMessage(PSM_GETTABCONTROL)) : nullptr;
    const int current = tab ? static_cast<int>(::SendMessage(tab, TCM_GETCURSEL, 0, 0)) : -1;
    if (current < 0)
        return;
    char text[kTabTextMax + 1] = "";
    TCITEM read{TCIF_TEXT, 0, 0, text, sizeof text, 0, 0};
    ::SendMessage(tab, TCM_GETITEM, current, reinterpret_cast<LPARAM>(&read));
    m_strCaption.TrimRight(" *");
    if (m_strCaption.IsEmpty()) {
        m_strCaption = text;
        m_strCaption.TrimRight(" *");
    }
    CString shown = m_strCaption;
    if (touched)
        shown += " *";
    // Every change the user makes comes here; a tab that already reads right is not
    // redrawn for it.
    if (shown == text)
        return;
    TCITEM item{TCIF_TEXT, 0, 0, const_cast<LPTSTR>(shown.GetString()), 0, 0, 0};
    ::SendMessage(tab, TCM_SETITEM, current, reinterpret_cast<LPARAM>(&item));
}

void KPropertyPage::SetPageTouched(bool touched) {
    if (m_hWnd) {
        CTouched::SetPageTouched(true);
        if (touched)
            SetModified(TRUE);
        ShowTouchedOnTab(touched);
    }
    CTouched::SetPageTouched(touched);
}

bool KPropertyPage::PageIsResizing() const {
    for (CWnd* up = GetParent(); up; up = up->GetParent()) {
        if (const auto* sheet = dynamic_cast<const KPropertySheet*>(up))
            return sheet->IsResizingPropPages();
        if (!dynamic_cast<const KPropertyPageSheet*>(up))
            return false;
    }
    return false;
}

BOOL KPropertyPage::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    return TRUE;
}

BOOL KPropertyPage::OnSetActive() {
    if (auto* sheet = dynamic_cast<KPropertySheet*>(GetParent()))
        sheet->ChangedPage(this);
    if (m_hWnd && m_strCaption.IsEmpty()) {
        GetWindowText(m_strCaption);
        m_strCaption.TrimRight(" *");
    }
    SetPageTouched(GetPageTouched());
    return CPropertyPage::OnSetActive();
}

BOOL KPropertyPage::OnWizardFinish() {
    if (!OnKillActive())
        return FALSE;
    return CPropertyPage::OnWizardFinish();
}
