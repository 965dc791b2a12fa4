#include "vornui/layout/KLayoutMgr.h"
#include "vornui/layout/PaneWindows.h"

// Panes that live inside a control: a group box (items below its caption) and a tab
// control (items in its display area).

using PaneCtrl = KLayoutMgr::PaneCtrl;
using PaneTab = KLayoutMgr::PaneTab;

PaneCtrl::PaneCtrl(HWND control, KLayoutMgr* owner, layOrientation orientation, layResizeMode mode,
                   int sizeBorder, int sizeExtraBorder, int sizeTopExtra, int sizeSecondary)
    : Pane(owner, orientation, mode, sizeBorder, sizeExtraBorder, sizeSecondary),
      m_hwndCtrl(control), m_sizeTopExtra(sizeTopExtra) {}

int PaneCtrl::getMinConstrainVert() {
    return Pane::getMinConstrainVert() + m_sizeTopExtra;
}

int PaneCtrl::getMaxConstrainVert() {
    const int paneMax = Pane::getMaxConstrainVert();
    return paneMax == -1 ? -1 : paneMax + m_sizeTopExtra;
}

bool PaneCtrl::resizeTo(CRect& rcNewArea) {
    MoveControl(m_hwndCtrl, rcNewArea);
    RedrawControl(m_hwndCtrl, true);
    rcNewArea.top += m_sizeTopExtra;
    return Pane::resizeTo(rcNewArea);
}

PaneTab::PaneTab(HWND tab, KLayoutMgr* owner, layOrientation orientation, layResizeMode mode,
                 int sizeBorder, int sizeExtraBorder, int sizeSecondary)
    : Pane(owner, orientation, mode, sizeBorder, sizeExtraBorder, sizeSecondary), m_hwndTab(tab) {}

CSize PaneTab::frameOverhead() const {
    return TabFrameOverhead(m_hwndTab);
}

int PaneTab::getConstrainHorz(int parentExtent) {
    const int frame = frameOverhead().cx;
    return frame > parentExtent ? frame : Pane::getConstrainHorz(parentExtent);
}

int PaneTab::getConstrainVert(int parentExtent) {
    const int frame = frameOverhead().cy;
    if (m_modeResize & layAbsoluteVert)
        return m_sizeSecondary + frame;
    return frame > parentExtent ? frame : Pane::getConstrainVert(parentExtent);
}

int PaneTab::getMinConstrainHorz() {
    return frameOverhead().cx + Pane::getMinConstrainHorz();
}
int PaneTab::getMinConstrainVert() {
    return frameOverhead().cy + Pane::getMinConstrainVert();
}

int PaneTab::getMaxConstrainHorz() {
    const int paneMax = Pane::getMaxConstrainHorz();
    return paneMax == -1 ? -1 : frameOverhead().cx + paneMax;
}

int PaneTab::getMaxConstrainVert() {
    const int paneMax = Pane::getMaxConstrainVert();
    return paneMax == -1 ? -1 : frameOverhead().cy + paneMax;
}

bool PaneTab::resizeTo(CRect& rcNewArea) {
    MoveControl(m_hwndTab, rcNewArea);
    rcNewArea = TabDisplayArea(m_hwndTab, rcNewArea);
    return Pane::resizeTo(rcNewArea);
}
