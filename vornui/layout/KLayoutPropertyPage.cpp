#include "vornui/layout/KLayoutPropertyPage.h"

#include "vornui/layout/KLayoutPropertySheet.h"
#include "vornui/platform/PropertySheet.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(KLayoutPropertyPage, CPropertyPage)

KLayoutPropertyPage::KLayoutPropertyPage() : KLayoutMgr(this) {}

KLayoutPropertyPage::KLayoutPropertyPage(UINT nIDTemplate, UINT nIDCaption)
    : CPropertyPage(nIDTemplate, nIDCaption), KLayoutMgr(this) {}

KLayoutPropertyPage::KLayoutPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption)
    : CPropertyPage(lpszTemplateName, nIDCaption), KLayoutMgr(this) {}

CPropertySheet* KLayoutPropertyPage::ParentSheet() const {
    return dynamic_cast<CPropertySheet*>(GetParent());
}

bool KLayoutPropertyPage::InWizard() const {
    const CPropertySheet* sheet = ParentSheet();
    return sheet && sheet->IsWizard();
}

BOOL KLayoutPropertyPage::OnInitDialog() {
    const BOOL result = CPropertyPage::OnInitDialog();
    UpdateLayout();
    if (InWizard())
        m_bLockMove = true;
    return result;
}

BOOL KLayoutPropertyPage::OnSetActive() {
    if (InWizard())
        if (const auto* sheet = dynamic_cast<KLayoutPropertySheet*>(ParentSheet()))
            MoveUnlocked(sheet->GetPageRect());
    UpdateLayout();
    return CPropertyPage::OnSetActive();
}

void KLayoutPropertyPage::MoveUnlocked(const CRect& rect) {
    const bool locked = m_bLockMove;
    m_bLockMove = false;
    MoveWindow(&rect);
    m_bLockMove = locked;
}

void KLayoutPropertyPage::OnSize(UINT type, int cx, int cy) {
    CPropertyPage::OnSize(type, cx, cy);
    if (std::abs(cx) + std::abs(cy) > 0)
        UpdateLayout();
}

void KLayoutPropertyPage::OnGetMinMaxInfo(MINMAXINFO* info) {
    CPropertyPage::OnGetMinMaxInfo(info);
    CRect window;
    GetWindowRect(&window);
    LimitTracking(info, window.Size() - GetRect().Size());
}

BOOL KLayoutPropertyPage::OnEraseBkgnd(CDC* dc) {
    EraseBkgnd(dc);
    return TRUE;
}

void KLayoutPropertyPage::OnWindowPosChanging(WINDOWPOS* pos) {
    if (m_bLockMove)
        pos->flags |= SWP_NOMOVE | SWP_NOSIZE;
    CPropertyPage::OnWindowPosChanging(pos);
}

void KLayoutPropertyPage::OnWindowPosChanged(WINDOWPOS* pos) {
    CPropertyPage::OnWindowPosChanged(pos);
    if (!(GetStyle() & WS_VISIBLE)) {
        m_bReattachBuddies = true;
    } else if (m_bReattachBuddies) {
        // Laid out again rather than only re-attached: the layout gives each buddy back its
        // full width first, so that its up-down control takes its room from it only once.
        m_bReattachBuddies = false;
        UpdateLayout();
    }
}

void KLayoutPropertyPage::OnDestroy() {
    m_RootPane = CPane();
    CPropertyPage::OnDestroy();
}
