#include "vornui/layout/KLayoutMgr.h"

#include "vornui/layout/PaneWindows.h"
#include "vornui/platform/TabCtrl.h"

using CPaneBase = KLayoutMgr::CPaneBase;
using CPane = KLayoutMgr::CPane;

namespace {

// The gap between two controls, less twice the usual spacing; overlapping controls give
// the distance between their leading edges instead.
int SpaceBetween(layOrientation orientation, HWND first, HWND second) {
    const CRect a = WindowRectOf(first);
    const CRect b = WindowRectOf(second);
    if (orientation == layHorizontal) {
        const int gap = b.left - a.right;
        return gap >= 0 ? gap - 10 : b.left - a.left;
    }
    const int gap = b.top - a.bottom;
    return gap >= 0 ? gap - 10 : b.top - a.top;
}

int ExtentAlong(layOrientation orientation, HWND control) {
    const CRect rc = WindowRectOf(control);
    return orientation == layHorizontal ? rc.Width() : rc.Height();
}

} // namespace

CWnd* KLayoutMgr::paneNull = nullptr;

KLayoutMgr::KLayoutMgr(CWnd* pWnd, LPCTSTR section)
    : m_pWnd(pWnd), m_sSection(section ? section : "") {}

HWND KLayoutMgr::ControlHandle(UINT nID) const {
    const HWND window = HandleOf(m_pWnd);
    return window ? ::GetDlgItem(window, static_cast<int>(nID)) : nullptr;
}

CPane KLayoutMgr::CreateRoot(layOrientation orientation, int sizeBorder, int sizeExtraBorder) {
    m_RootPane = new Pane(this, orientation, layGreedy, sizeBorder, sizeExtraBorder, 0);
    return m_RootPane;
}

CPaneBase KLayoutMgr::item(UINT nID, layResizeMode mode, int sizeX, int sizeY, int sizeXMin,
                           int sizeYMin) {
    return new PaneItem(ControlHandle(nID), this, mode, sizeX, sizeY, sizeXMin, sizeYMin);
}

CPaneBase KLayoutMgr::item(CWnd* pWnd, layResizeMode mode, int sizeX, int sizeY, int sizeXMin,
                           int sizeYMin) {
    return new PaneItem(HandleOf(pWnd), this, mode, sizeX, sizeY, sizeXMin, sizeYMin);
}

CPaneBase KLayoutMgr::itemFixed(layOrientation orientation, int sizeExtent) {
    const bool horizontal = orientation == layHorizontal;
    return new PaneItem(HandleOf(paneNull), this, layFixedSize, horizontal ? sizeExtent : 0,
                        horizontal ? 0 : sizeExtent, 0, 0);
}

CPaneBase KLayoutMgr::itemGrowing(layOrientation orientation) {
    const layResizeMode mode = orientation == layHorizontal ? layAbsoluteVert : layAbsoluteHorz;
    return new PaneItem(HandleOf(paneNull), this, mode, 0, 0, -5, -5);
}

CPaneBase KLayoutMgr::itemSpaceLike(layOrientation orientation, UINT nID) {
    return itemFixed(orientation, ExtentAlong(orientation, ControlHandle(nID)));
}

CPaneBase KLayoutMgr::itemSpaceLike(layOrientation orientation, CWnd* pWnd) {
    return itemFixed(orientation, ExtentAlong(orientation, HandleOf(pWnd)));
}

CPaneBase KLayoutMgr::itemSpaceBetween(layOrientation orientation, UINT nID1, UINT nID2) {
    return itemFixed(orientation,
                     SpaceBetween(orientation, ControlHandle(nID1), ControlHandle(nID2)));
}

CPaneBase KLayoutMgr::itemSpaceBetween(layOrientation orientation, CWnd* pWndFirst,
                                       CWnd* pWndSecond) {
    return itemFixed(orientation,
                     SpaceBetween(orientation, HandleOf(pWndFirst), HandleOf(pWndSecond)));
}

CPane KLayoutMgr::pane(layOrientation orientation, layResizeMode mode, int sizeBorder,
                       int sizeExtraBorder, int sizeSecondary) {
    return new Pane(this, orientation, mode, sizeBorder, sizeExtraBorder, sizeSecondary);
}

CPane KLayoutMgr::paneCtrl(UINT nID, layOrientation orientation, layResizeMode mode, int sizeBorder,
                           int sizeExtraBorder, int sizeTopExtra, int sizeSecondary) {
    return new PaneCtrl(ControlHandle(nID), this, orientation, mode, sizeBorder, sizeExtraBorder,
                        sizeTopExtra, sizeSecondary);
}

CPane KLayoutMgr::paneCtrl(CWnd* pWnd, layOrientation orientation, layResizeMode mode,
                           int sizeBorder, int sizeExtraBorder, int sizeTopExtra,
                           int sizeSecondary) {
    return new PaneCtrl(HandleOf(pWnd), this, orientation, mode, sizeBorder, sizeExtraBorder,
                        sizeTopExtra, sizeSecondary);
}

CPane KLayoutMgr::paneTab(CTabCtrl* pTab, layOrientation orientation, layResizeMode mode,
                          int sizeBorder, int sizeExtraBorder, int sizeSecondary) {
    return new PaneTab(HandleOf(pTab), this, orientation, mode, sizeBorder, sizeExtraBorder,
                       sizeSecondary);
}
