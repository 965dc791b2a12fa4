#include "vornui/layout/KLayoutMgr.h"
#include "vornui/layout/PaneDirections.h"

#include <stdexcept>

using Pane = KLayoutMgr::Pane;
using PaneBase = KLayoutMgr::PaneBase;
using CPaneBase = KLayoutMgr::CPaneBase;
using CPane = KLayoutMgr::CPane;

namespace {

layOrientation Other(layOrientation orientation) {
    return orientation == layHorizontal ? layVertical : layHorizontal;
}

int MinOf(PaneBase& node, layOrientation direction) {
    return direction == layHorizontal ? node.getMinConstrainHorz() : node.getMinConstrainVert();
}

int MaxOf(PaneBase& node, layOrientation direction) {
    return direction == layHorizontal ? node.getMaxConstrainHorz() : node.getMaxConstrainVert();
}

} // namespace

Pane::Pane(KLayoutMgr* owner, layOrientation orientation, layResizeMode mode, int sizeBorder,
           int sizeExtraBorder, int sizeSecondary)
    : PaneBase(owner, mode), m_Orientation(orientation), m_sizeSecondary(sizeSecondary),
      m_sizeBorder(sizeBorder), m_sizeExtraBorder(sizeExtraBorder) {}

PaneBase& Pane::itemAt(size_t index) const {
    if (index >= m_paneItems.size())
        throw std::invalid_argument("pane item index out of range");
    return *m_paneItems[index].GetPaneBase();
}

int Pane::itemMinAlong(PaneBase& item) const {
    return MinOf(item, m_Orientation);
}
int Pane::itemMaxAlong(PaneBase& item) const {
    return MaxOf(item, m_Orientation);
}

int Pane::itemConstrainAlong(PaneBase& item, int parentExtent) const {
    return m_Orientation == layHorizontal ? item.getConstrainHorz(parentExtent)
                                          : item.getConstrainVert(parentExtent);
}

// A pane that is an item of a pane of the other orientation wants its secondary size:
// a percentage of the parent (tested first) or a fixed extent.
int Pane::constrain(layOrientation direction, int parentExtent) const {
    if (m_modeResize & RelativeBit(direction))
        return parentExtent * m_sizeSecondary / 100;
    if (m_modeResize & AbsoluteBit(direction))
        return m_sizeSecondary;
    return 0;
}

int Pane::minConstrain(layOrientation direction) {
    const int count = static_cast<int>(m_paneItems.size());
    if (direction == m_Orientation) {
        int sum = 0;
        for (size_t i = 0; i < m_paneItems.size(); ++i)
            sum += std::max(MinOf(itemAt(i), direction), kSmallestExtent);
        return sum + (count - 1) * m_sizeBorder + 2 * m_sizeExtraBorder;
    }
    if ((m_modeResize & AbsoluteBit(direction)) && m_sizeSecondary != 0)
        return m_sizeSecondary;
    int largest = 0;
    for (size_t i = 0; i < m_paneItems.size(); ++i)
        largest = std::max(largest, MinOf(itemAt(i), direction));
    return largest + 2 * m_sizeExtraBorder;
}

int Pane::maxConstrain(layOrientation direction) {
    const bool along = direction == m_Orientation;
    if (!along && (m_modeResize & AbsoluteBit(direction)) && m_sizeSecondary != 0)
        return m_sizeSecondary;
    if (m_paneItems.empty())
        return -1;
    int total = 0;
    for (size_t i = 0; i < m_paneItems.size(); ++i) {
        const int itemMax = MaxOf(itemAt(i), direction);
        if (itemMax == -1)
            return -1;
        total = along ? total + itemMax : std::max(total, itemMax);
    }
    const int borders = along ? static_cast<int>(m_paneItems.size() - 1) * m_sizeBorder : 0;
    return total + borders + 2 * m_sizeExtraBorder;
}

int Pane::getConstrainHorz(int parentExtent) {
    return constrain(layHorizontal, parentExtent);
}
int Pane::getConstrainVert(int parentExtent) {
    return constrain(layVertical, parentExtent);
}
int Pane::getMinConstrainHorz() {
    return minConstrain(layHorizontal);
}
int Pane::getMaxConstrainHorz() {
    return maxConstrain(layHorizontal);
}
int Pane::getMinConstrainVert() {
    return minConstrain(layVertical);
}
int Pane::getMaxConstrainVert() {
    return maxConstrain(layVertical);
}

bool Pane::addPane(const CPaneBase& item) {
    if (item.IsValid())
        m_paneItems.push_back(item);
    return true;
}

bool Pane::addPane(const CPane& subPane, layResizeMode mode, int sizeSecondary) {
    if (!subPane.IsValid())
        return true;
    // Panes of one orientation never nest directly: a wrapper across them keeps the tree
    // alternating.
    if (subPane->getOrientation() == m_Orientation) {
        CPane wrapper(new Pane(m_pMgr, Other(m_Orientation), layGreedy, 0, 0, 0));
        wrapper->addPane(subPane.ConvertBase());
        return addPane(wrapper, mode, sizeSecondary);
    }
    Pane& sub = *subPane.GetPane();
    sub.m_modeResize = mode;
    if (mode & AbsoluteBit(m_Orientation))
        sub.m_sizeSecondary = sizeSecondary != 0 ? sizeSecondary : MinOf(sub, m_Orientation);
    else if (mode & RelativeBit(m_Orientation))
        sub.m_sizeSecondary = sizeSecondary;
    m_paneItems.push_back(subPane);
    return true;
}

bool Pane::addItem(UINT nID, layResizeMode mode, int sizeX, int sizeY, int sizeXMin, int sizeYMin) {
    return addPane(m_pMgr->item(nID, mode, sizeX, sizeY, sizeXMin, sizeYMin));
}

bool Pane::addItem(CWnd* pWnd, layResizeMode mode, int sizeX, int sizeY, int sizeXMin,
                   int sizeYMin) {
    return addPane(m_pMgr->item(pWnd, mode, sizeX, sizeY, sizeXMin, sizeYMin));
}

bool Pane::addItemFixed(int size) {
    return addPane(m_pMgr->itemFixed(m_Orientation, size));
}
bool Pane::addItemGrowing() {
    return addPane(m_pMgr->itemGrowing(m_Orientation));
}

bool Pane::addItemSpaceLike(UINT nID) {
    return addPane(m_pMgr->itemSpaceLike(m_Orientation, nID));
}

bool Pane::addItemSpaceLike(CWnd* pWnd) {
    return addPane(m_pMgr->itemSpaceLike(m_Orientation, pWnd));
}

bool Pane::addItemSpaceBetween(UINT nID1, UINT nID2) {
    return addPane(m_pMgr->itemSpaceBetween(m_Orientation, nID1, nID2));
}

bool Pane::addItemSpaceBetween(CWnd* pWndFirst, CWnd* pWndSecond) {
    return addPane(m_pMgr->itemSpaceBetween(m_Orientation, pWndFirst, pWndSecond));
}
