#include "vornui/properties/KPropertyPageSheet.h"

#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/DataExchange.h"

IMPLEMENT_DYNCREATE(KPropertyPageSheet, KPropertyPage)

namespace {

// A group box's frame begins below its title.
constexpr int kGroupTitle = 12;
constexpr int kInnerMargin = 12;

} // namespace

KPropertyPageSheet::KPropertyPageSheet() = default;

KPropertyPageSheet::KPropertyPageSheet(unsigned int idTemplate, unsigned int idCaption,
                                       unsigned int startPage, unsigned int placeholderId)
    : KPropertyPage(idTemplate, idCaption), m_nStartPage(startPage),
      m_nPlaceholderId(placeholderId) {}

void KPropertyPageSheet::AddPage(KPropertyPage* page) {
    if (page)
        m_pages.push_back(page);
}

int KPropertyPageSheet::GetPageCount() const {
    return static_cast<int>(m_pages.size());
}

KPropertyPage* KPropertyPageSheet::GetPage(int index) const {
    return index >= 0 && index < GetPageCount() ? m_pages[static_cast<size_t>(index)] : nullptr;
}

KPropertyPage* KPropertyPageSheet::GetActivePage() const {
    if (m_pages.empty())
        return nullptr;
    return dynamic_cast<KPropertyPage*>(m_sheet.GetActivePage());
}

void KPropertyPageSheet::PlaceInnerSheet() {
    CWnd* placeholder = m_nPlaceholderId ? GetDlgItem(static_cast<int>(m_nPlaceholderId)) : nullptr;
    if (!placeholder) {
        CRect client;
        GetClientRect(&client);
        m_sheet.MoveWindow(&client);
        return;
    }
    CRect area;
    placeholder->GetWindowRect(&area);
    CRect own;
    GetWindowRect(&own);
    area.OffsetRect(-own.left, -own.top);
    if ((placeholder->GetStyle() & BS_TYPEMASK) == BS_GROUPBOX)
        area.top += kGroupTitle;
    area.DeflateRect(kInnerMargin, kInnerMargin);
    m_sheet.MoveWindow(&area);
    if (CTabCtrl* tab = m_sheet.GetTabControl())
        tab->MoveWindow(0, 0, area.Width(), area.Height());
    m_sheet.SetActivePage(static_cast<int>(m_nStartPage));
}

BOOL KPropertyPageSheet::OnInitDialog() {
    KPropertyPage::OnInitDialog();
    if (m_pages.empty())
        return TRUE;
    for (KPropertyPage* page : m_pages)
        m_sheet.AddPage(page);
    m_sheet.EnableStackedTabs(FALSE);
    m_sheet.SetActivePage(static_cast<int>(m_nStartPage));
    m_sheet.Create(this, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0);
    m_sheet.ModifyStyleEx(0, WS_EX_CONTROLPARENT);
    PlaceInnerSheet();
    return TRUE;
}

void KPropertyPageSheet::OnOK() {
    if (!m_pages.empty() && m_sheet.m_hWnd)
        m_sheet.SendMessage(PSM_PRESSBUTTON, PSBTN_OK);
    KPropertyPage::OnOK();
}

void KPropertyPageSheet::OnCancel() {
    if (!m_pages.empty() && m_sheet.m_hWnd)
        m_sheet.SendMessage(PSM_PRESSBUTTON, PSBTN_CANCEL);
    KPropertyPage::OnCancel();
}

void KPropertyPageSheet::DoDataExchange(CDataExchange* dx) {
    KPropertyPage::DoDataExchange(dx);
    if (!dx->m_bSaveAndValidate || m_pages.empty())
        return;
    if (KPropertyPage* active = GetActivePage(); active && !active->UpdateData(TRUE))
        dx->Fail();
}

LRESULT KPropertyPageSheet::OnQuerySiblings(WPARAM wParam, LPARAM lParam) {
    KPropertyPage* active = GetActivePage();
    return active ? active->QuerySiblings(wParam, lParam) : 0;
}

BOOL KPropertyPageSheet::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == PSM_QUERYSIBLINGS) {
        *result = OnQuerySiblings(wParam, lParam);
        return TRUE;
    }
    return KPropertyPage::OnWndMsg(message, wParam, lParam, result);
}
