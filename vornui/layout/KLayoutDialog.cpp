#include "vornui/layout/KLayoutDialog.h"

#include "vornui/layout/LayoutGrip.h"
#include "vornui/platform/DocTemplate.h"
#include "vornui/platform/WinApp.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(KLayoutDialog, CDialog)

KLayoutDialog::KLayoutDialog(UINT nIDTemplate, CWnd* pParent, LPCTSTR section, bool bGripper)
    : CDialog(nIDTemplate, pParent), KLayoutMgr(this, section), m_bGripper(bGripper) {}

CRect KLayoutDialog::GetRect() {
    CRect rc = KLayoutMgr::GetRect();
    if (m_bGripper && ::IsWindow(m_StatusBar.GetSafeHwnd())) {
        CRect bar;
        m_StatusBar.GetWindowRect(&bar);
        rc.bottom += m_sizeRootBorders.cy + 5 - bar.Height();
    }
    return rc;
}

BOOL KLayoutDialog::OnInitDialog() {
    const BOOL result = CDialog::OnInitDialog();
    ModifyStyle(0, WS_THICKFRAME, SWP_FRAMECHANGED);
    if (!m_sSection.IsEmpty())
        Load(m_sSection);
    ShowDocumentIcon();
    if (m_bGripper)
        CreateGripBar(*this, m_StatusBar, true);
    return result;
}

void KLayoutDialog::ShowDocumentIcon() {
    CWinApp* app = AfxGetApp();
    POSITION pos = app ? app->GetFirstDocTemplatePosition() : nullptr;
    if (!pos)
        return;
    if (const HICON icon = app->LoadIcon(app->GetNextDocTemplate(pos)->m_nIDResource))
        SetIcon(icon, FALSE);
}

void KLayoutDialog::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    if (std::abs(cx) + std::abs(cy) > 0) {
        UpdateLayout();
        RepositionGripBar(*this);
    }
}

void KLayoutDialog::OnGetMinMaxInfo(MINMAXINFO* info) {
    CDialog::OnGetMinMaxInfo(info);
    const CRect rc = GetRect();
    if (!m_RootPane || (rc.Width() == 0 && rc.Height() == 0))
        return;
    CRect window;
    GetWindowRect(&window);
    LimitTracking(info, window.Size() - rc.Size());
}

BOOL KLayoutDialog::OnEraseBkgnd(CDC* dc) {
    EraseBkgnd(dc);
    return TRUE;
}

void KLayoutDialog::OnDestroy() {
    if (!m_sSection.IsEmpty())
        Save(m_sSection);
    m_RootPane = CPane();
    CDialog::OnDestroy();
}
