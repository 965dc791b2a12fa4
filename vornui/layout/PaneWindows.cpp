#include "vornui/layout/PaneWindows.h"

#include "vornui/platform/ComboBox.h"
#include "vornui/platform/TabCtrl.h"
#include "vornui/platform/Wnd.h"

HWND HandleOf(const CWnd* pWnd) {
    return pWnd ? pWnd->GetSafeHwnd() : nullptr;
}

CRect WindowRectOf(HWND control) {
    CRect rc;
    ::GetWindowRect(control, &rc);
    return rc;
}

bool IsComboBoxClass(HWND control) {
    char className[MAX_PATH + 1] = {};
    ::GetClassName(control, className, MAX_PATH);
    const CString name(className);
    return name == "ComboBox" || name == "ComboBoxEx32";
}

void MoveControl(HWND control, const CRect& rc) {
    ::MoveWindow(control, rc.left, rc.top, rc.Width(), rc.Height(), TRUE);
}

void RedrawControl(HWND control, bool erase) {
    ::RedrawWindow(control, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_UPDATENOW | (erase ? RDW_ERASE : 0));
}

CSize TabFrameOverhead(HWND tab) {
    CRect rc(0, 0, 0, 0);
    ::SendMessage(tab, TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&rc));
    return rc.Size();
}

CRect TabDisplayArea(HWND tab, CRect rc) {
    ::SendMessage(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rc));
    return rc;
}
