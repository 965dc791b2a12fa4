#include "vornui/layout/KLayoutDialogBar.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(KLayoutDialogBar, CDialogBar)

KLayoutDialogBar::KLayoutDialogBar() : KLayoutMgr(this) {}

BOOL KLayoutDialogBar::Initialize() {
    return FALSE;
}

CRect KLayoutDialogBar::GetRect() {
    CRect rc = KLayoutMgr::GetRect();
    if (IsFloating())
        rc.DeflateRect(4, 4);
    return rc;
}

BOOL KLayoutDialogBar::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message != WM_INITDIALOG)
        return CDialogBar::OnWndMsg(message, wParam, lParam, result);
    *result = Default();
    Initialize();
    return TRUE;
}

void KLayoutDialogBar::OnSize(UINT type, int cx, int cy) {
    CDialogBar::OnSize(type, cx, cy);
    if (std::abs(cx) + std::abs(cy) > 0)
        UpdateLayout();
    RepositionBars(AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, 0);
}

BOOL KLayoutDialogBar::OnEraseBkgnd(CDC* dc) {
    EraseBkgnd(dc);
    return TRUE;
}
