#include "vornui/layout/KLayoutFormView.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(KLayoutFormView, CFormView)

KLayoutFormView::KLayoutFormView(UINT nIDTemplate, LPCTSTR section)
    : CFormView(nIDTemplate), KLayoutMgr(this, section) {}

void KLayoutFormView::OnSize(UINT type, int cx, int cy) {
    SetScrollSizes(MM_TEXT, CSize(cx, cy));
    CFormView::OnSize(type, cx, cy);
    if (std::abs(cx) + std::abs(cy) > 0)
        UpdateLayout();
}

void KLayoutFormView::OnGetMinMaxInfo(MINMAXINFO* info) {
    CFormView::OnGetMinMaxInfo(info);
    CWnd* parent = GetParent();
    if (!m_RootPane || !parent)
        return;
    CRect frame;
    parent->GetWindowRect(&frame);
    LimitTracking(info, frame.Size() - GetRect().Size());
}

BOOL KLayoutFormView::OnEraseBkgnd(CDC* dc) {
    EraseBkgnd(dc);
    return TRUE;
}
