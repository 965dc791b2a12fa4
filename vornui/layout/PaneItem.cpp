#include "vornui/layout/KLayoutMgr.h"
#include "vornui/layout/PaneDirections.h"
#include "vornui/layout/PaneWindows.h"
#include "vornui/platform/ComboBox.h"

using PaneItem = KLayoutMgr::PaneItem;

namespace {

constexpr int kComboListId = 1000;

// The wanted extent of a leaf in one direction.
int LeafConstrain(layResizeMode mode, UINT absoluteBit, UINT relativeBit, int size, int parent) {
    if (mode & absoluteBit)
        return size;
    if (mode & relativeBit)
        return parent * size / 100;
    return -1;
}

int LeafMin(layResizeMode mode, UINT absoluteBit, int size, int sizeMin) {
    return (mode & absoluteBit) ? size : std::max(sizeMin, kSmallestExtent);
}

int LeafMax(layResizeMode mode, UINT absoluteBit, int size) {
    return (mode & absoluteBit) ? size : -1;
}

// A fixed extent sits in its cell by its alignment bits; a fill-marked one takes the cell.
void FitFixedExtent(layResizeMode mode, UINT absoluteBit, UINT fillBit, UINT alignFar,
                    UINT alignCentre, LONG& nearEdge, LONG& farEdge, int extent) {
    if (!(mode & absoluteBit) || (mode & fillBit))
        return;
    const int cell = farEdge - nearEdge;
    if ((mode & alignCentre) == alignCentre)
        nearEdge += (cell - extent) / 2;
    else if (mode & alignFar)
        nearEdge += cell - extent;
    farEdge = nearEdge + extent;
}

} // namespace

PaneItem::PaneItem(UINT nID, KLayoutMgr* owner, layResizeMode mode, int sizeX, int sizeY,
                   int sizeXMin, int sizeYMin)
    : PaneItem(owner ? owner->ControlHandle(nID) : nullptr, owner, mode, sizeX, sizeY, sizeXMin,
               sizeYMin) {}

PaneItem::PaneItem(CWnd* pWnd, KLayoutMgr* owner, layResizeMode mode, int sizeX, int sizeY,
                   int sizeXMin, int sizeYMin)
    : PaneItem(HandleOf(pWnd), owner, mode, sizeX, sizeY, sizeXMin, sizeYMin) {}

PaneItem::PaneItem(HWND control, KLayoutMgr* owner, layResizeMode mode, int sizeX, int sizeY,
                   int sizeXMin, int sizeYMin)
    : PaneBase(owner, mode), m_sizeX(sizeX), m_sizeXMin(sizeXMin), m_sizeY(sizeY),
      m_sizeYMin(sizeYMin), m_hwndCtrl(control) {
    if (!control)
        return;
    // Sizes and minima not given are taken from the control as it is now.
    const CRect rc = WindowRectOf(control);
    if (m_sizeX == 0)
        m_sizeX = rc.Width();
    if (m_sizeY == 0)
        m_sizeY = rc.Height();
    if (m_sizeXMin == -1)
        m_sizeXMin = rc.Width();
    if (m_sizeYMin == -1)
        m_sizeYMin = rc.Height();
    m_bComboSpecial = IsComboBoxClass(control);
}

int PaneItem::getConstrainHorz(int parentExtent) {
    return LeafConstrain(m_modeResize, layAbsoluteHorz, layRelativeHorz, m_sizeX, parentExtent);
}

int PaneItem::getConstrainVert(int parentExtent) {
    return LeafConstrain(m_modeResize, layAbsoluteVert, layRelativeVert, m_sizeY, parentExtent);
}

int PaneItem::getMinConstrainHorz() {
    return LeafMin(m_modeResize, layAbsoluteHorz, m_sizeX, m_sizeXMin);
}
int PaneItem::getMaxConstrainHorz() {
    return LeafMax(m_modeResize, layAbsoluteHorz, m_sizeX);
}
int PaneItem::getMinConstrainVert() {
    return LeafMin(m_modeResize, layAbsoluteVert, m_sizeY, m_sizeYMin);
}
int PaneItem::getMaxConstrainVert() {
    return LeafMax(m_modeResize, layAbsoluteVert, m_sizeY);
}

bool PaneItem::resizeTo(CRect& rcNewArea) {
    if (isDummy())
        return true;
    const CRect current = WindowRectOf(m_hwndCtrl);
    FitFixedExtent(m_modeResize, layAbsoluteHorz, layFillHorz, layAlignRight, layAlignHCenter,
                   rcNewArea.left, rcNewArea.right, current.Width());
    FitFixedExtent(m_modeResize, layAbsoluteVert, layFillVert, layAlignBottom, layAlignVCenter,
                   rcNewArea.top, rcNewArea.bottom, current.Height());

    const LONG style = ::GetWindowLong(m_hwndCtrl, GWL_STYLE);
    // A drop-down combo box (and a drop-down list) keeps its height.
    if (m_bComboSpecial && (style & CBS_DROPDOWN))
        rcNewArea.bottom = rcNewArea.top + current.Height();
    MoveControl(m_hwndCtrl, rcNewArea);
    if (m_bComboSpecial && !(style & (CBS_DROPDOWN | CBS_NOINTEGRALHEIGHT)))
        endAtComboList(rcNewArea);
    RedrawControl(m_hwndCtrl, false);
    return true;
}

// A simple combo box with integral height ends where its list ends.
void PaneItem::endAtComboList(CRect& rc) const {
    const HWND list = ::GetDlgItem(m_hwndCtrl, kComboListId);
    if (!list)
        return;
    const CRect box = WindowRectOf(m_hwndCtrl);
    rc.bottom = rc.top + (WindowRectOf(list).bottom - box.top);
    MoveControl(m_hwndCtrl, rc);
}
