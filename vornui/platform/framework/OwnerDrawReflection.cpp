// Owner-draw messages reach the parent and are offered first to the control's own object,
// whose class may draw its items itself.

#include "vornui/platform/Wnd.h"

#include <utility>

namespace {

// Whether the handler of the reflected message now running left it to the parent.
thread_local bool t_declined = false;

} // namespace

void CWnd::DeclineReflectedMessage() {
    t_declined = true;
}

void CWnd::BeginReflectedMessage() {
    t_declined = false;
}

BOOL CWnd::EndReflectedMessage() {
    return !std::exchange(t_declined, false);
}

BOOL CWnd::ReflectOwnerDraw(UINT message, LPARAM lParam, LRESULT* result) {
    HWND control = nullptr;
    switch (message) {
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        control = item->CtlType == ODT_MENU ? nullptr : item->hwndItem;
        break;
    }
    case WM_MEASUREITEM: {
        const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
        control = item->CtlType == ODT_MENU ? nullptr
                                            : ::GetDlgItem(m_hWnd, static_cast<int>(item->CtlID));
        break;
    }
    case WM_COMPAREITEM:
        control = reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam)->hwndItem;
        break;
    case WM_DELETEITEM:
        control = reinterpret_cast<const DELETEITEMSTRUCT*>(lParam)->hwndItem;
        break;
    }
    return control && ReflectLastMsg(control, result);
}

BOOL CWnd::DispatchOwnerDraw(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message != WM_DRAWITEM && message != WM_MEASUREITEM && message != WM_COMPAREITEM &&
        message != WM_DELETEITEM)
        return FALSE;
    if (!lParam)
        return FALSE;
    *result = TRUE;
    if (ReflectOwnerDraw(message, lParam, result))
        return TRUE;
    const int id = static_cast<int>(wParam);
    switch (message) {
    case WM_DRAWITEM:
        OnDrawItem(id, reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        break;
    case WM_MEASUREITEM:
        OnMeasureItem(id, reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        break;
    case WM_COMPAREITEM:
        *result = OnCompareItem(id, reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
        break;
    default:
        OnDeleteItem(id, reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        break;
    }
    return TRUE;
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT) {
    Default();
}

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT) {
    Default();
}

int CWnd::OnCompareItem(int, LPCOMPAREITEMSTRUCT) {
    return static_cast<int>(Default());
}

void CWnd::OnDeleteItem(int, LPDELETEITEMSTRUCT) {
    Default();
}
