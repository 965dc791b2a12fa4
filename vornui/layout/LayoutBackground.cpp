// The host's background, painted around its controls so that a window being sized does
// not flicker: every visible control keeps its own pixels, except those that are drawn
// over the background anyway.

#include "vornui/layout/KLayoutMgr.h"
#include "vornui/layout/PaneWindows.h"
#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/CDC.h"
#include "vornui/platform/StatusBarCtrl.h"
#include "vornui/platform/SystemBrushes.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/TabCtrl.h"
#include "vornui/platform/Wnd.h"

namespace {

CString ClassOf(HWND child) {
    char className[MAX_PATH + 1] = {};
    ::GetClassName(child, className, MAX_PATH);
    return className;
}

void Remove(CRgn& region, const CRgn& part) {
    region.CombineRgn(&region, &part, RGN_DIFF);
}

void RemoveRect(CRgn& region, const CRect& rc) {
    CRgn part;
    part.CreateRectRgnIndirect(&rc);
    Remove(region, part);
}

// Takes the child at `rc` (client coordinates of its parent) out of the region.
void RemoveChild(CRgn& region, HWND child, const CRect& rc) {
    const CString className = ClassOf(child);
    if (className == "Button" && (::GetWindowLong(child, GWL_STYLE) & 7) == BS_GROUPBOX)
        return;
    if (className == WC_TABCONTROL) {
        // Only the tabs and the frame; the display area is background.
        CRgn part;
        part.CreateRectRgnIndirect(&rc);
        CRgn display;
        const CRect area = TabDisplayArea(child, rc);
        display.CreateRectRgnIndirect(&area);
        part.CombineRgn(&part, &display, RGN_DIFF);
        Remove(region, part);
        return;
    }
    if (className == STATUSCLASSNAME) {
        // Only the size grip's corner.
        const POINT corner[] = {
            {rc.right, rc.top}, {rc.right, rc.bottom}, {rc.right - rc.Height(), rc.bottom}};
        CRgn grip;
        grip.CreatePolygonRgn(corner, 3, ALTERNATE);
        Remove(region, grip);
        return;
    }
    RemoveRect(region, rc);
}

} // namespace

void KLayoutMgr::EraseBkgnd(CDC* pDC) {
    const HWND window = m_pWnd->GetSafeHwnd();
    CRect client;
    ::GetClientRect(window, &client);
    CRgn region;
    region.CreateRectRgnIndirect(&client);
    pDC->SelectClipRgn(nullptr);
    for (HWND child = ::GetWindow(window, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!(::GetWindowLong(child, GWL_STYLE) & WS_VISIBLE))
            continue;
        CRect rc = WindowRectOf(child);
        ::MapWindowPoints(nullptr, window, reinterpret_cast<LPPOINT>(&rc), 2);
        RemoveChild(region, child, rc);
    }
    pDC->FillRgn(&region, CBrush::FromHandle(::GetSysColorBrush(COLOR_BTNFACE)));
}
