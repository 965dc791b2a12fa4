#include "vornui/layout/KLayoutMgr.h"
#include "vornui/layout/PaneDirections.h"

#include <cstdint>
#include <cstdlib>

// How a pane divides its extent along its orientation: fixed items first, then items
// sized as a percentage, then greedy items sharing what is left, each kept between its
// minimum and maximum, and finally leftover space for fill-marked fixed items. During the
// relative and greedy passes a negative size marks an item held at a bound.

using Pane = KLayoutMgr::Pane;

namespace {

// Correction sweeps converge in a few rounds for real layouts; the cap only keeps a
// pathological tree from hanging its window.
constexpr int kMaxSweeps = 10000;

// cur × corr / sum without overflow for any int operands.
int ProportionalShare(int cur, int corr, int sum) {
    return static_cast<int>(static_cast<std::int64_t>(cur) * corr / sum);
}

// Gives an item its wanted extent, or holds it at the bound the wish crosses (stored
// negated, the difference added to the correction); true while the item stays free.
bool TakeWanted(int want, int min, int max, int& size, int& corr) {
    if (want < min) {
        size = -min;
        corr += min - want;
        return false;
    }
    if (max != -1 && want > max) {
        size = -max;
        corr += max - want;
        return false;
    }
    size = want;
    return true;
}

} // namespace

bool Pane::resizeTo(CRect& rcNewArea) {
    const bool horizontal = m_Orientation == layHorizontal;
    const int count = static_cast<int>(m_paneItems.size());
    int availSpace = (horizontal ? rcNewArea.Width() : rcNewArea.Height()) - 2 * m_sizeExtraBorder -
                     (count - 1) * m_sizeBorder;
    if (horizontal)
        rcNewArea.DeflateRect(0, m_sizeExtraBorder);
    else
        rcNewArea.DeflateRect(m_sizeExtraBorder, 0);

    std::vector<int> sizePrimary(m_paneItems.size()), sizeMin(m_paneItems.size()),
        sizeMax(m_paneItems.size());
    const int nGreedy = resizeToAbsolute(availSpace, sizePrimary, sizeMin, sizeMax);
    if (!resizeToRelative(availSpace, sizePrimary, sizeMin, sizeMax))
        return false;
    if (!resizeToGreedy(availSpace, nGreedy, sizePrimary, sizeMin, sizeMax))
        return false;
    resizeToFill(availSpace, sizePrimary);

    int pos = m_sizeExtraBorder + (horizontal ? rcNewArea.left : rcNewArea.top);
    for (size_t i = 0; i < m_paneItems.size(); ++i) {
        CRect cell = horizontal ? CRect(pos, rcNewArea.top, pos + sizePrimary[i], rcNewArea.bottom)
                                : CRect(rcNewArea.left, pos, rcNewArea.right, pos + sizePrimary[i]);
        itemAt(i).resizeTo(cell);
        pos += sizePrimary[i] + m_sizeBorder;
    }
    return true;
}

int Pane::resizeToAbsolute(int& availSpace, std::vector<int>& sizePrimary,
                           std::vector<int>& sizeMin, std::vector<int>& sizeMax) {
    const UINT absoluteBit = AbsoluteBit(m_Orientation);
    const UINT relativeBit = RelativeBit(m_Orientation);
    int nGreedy = 0;
    for (size_t i = 0; i < m_paneItems.size(); ++i) {
        PaneBase& item = itemAt(i);
        const layResizeMode mode = item.modeResize();
        if (mode & absoluteBit) {
            sizePrimary[i] = itemConstrainAlong(item, 0);
            availSpace -= sizePrimary[i];
        }
        if (!(mode & (absoluteBit | relativeBit)))
            ++nGreedy;
        sizeMin[i] = itemMinAlong(item);
        sizeMax[i] = itemMaxAlong(item);
    }
    availSpace = std::max(availSpace, 0);
    return nGreedy;
}

bool Pane::resizeToRelative(int& availSpace, std::vector<int>& sizePrimary,
                            std::vector<int>& sizeMin, std::vector<int>& sizeMax) {
    const UINT absoluteBit = AbsoluteBit(m_Orientation);
    const UINT relativeBit = RelativeBit(m_Orientation);
    std::vector<size_t> relative;
    for (size_t i = 0; i < m_paneItems.size(); ++i) {
        const layResizeMode mode = itemAt(i).modeResize();
        if ((mode & relativeBit) && !(mode & absoluteBit))
            relative.push_back(i);
    }

    const int base = availSpace;
    int corr = 0, slack = 0, sum = 0;
    for (const size_t i : relative) {
        const int want = itemConstrainAlong(itemAt(i), base);
        if (TakeWanted(want, sizeMin[i], sizeMax[i], sizePrimary[i], corr)) {
            slack += want - sizeMin[i];
            sum += want;
        }
        availSpace -= want;
    }
    // What the free items cannot give is taken from the remaining space, when it suffices.
    if (slack < corr && availSpace >= corr - slack) {
        availSpace -= corr - slack;
        corr = slack;
    }

    for (int sweep = 0; corr != 0 && sweep < kMaxSweeps; ++sweep) {
        if (sum < 0)
            break;
        int distributed = 0;
        for (const size_t i : relative) {
            const int cur = sizePrimary[i];
            if (cur <= 0)
                continue;
            const bool small = std::abs(corr) <= 5;
            const int share = small ? corr : ProportionalShare(cur, corr, sum != 0 ? sum : 1);
            if (cur - share < sizeMin[i]) {
                distributed += cur - sizeMin[i];
                sizePrimary[i] = -sizeMin[i];
                sum -= sizePrimary[i];
            } else {
                distributed += share;
                sizePrimary[i] = cur - share;
                if (small)
                    break;
            }
        }
        corr -= distributed;
        if (distributed == 0)
            break;
    }

    for (const size_t i : relative)
        sizePrimary[i] = std::abs(sizePrimary[i]);
    return true;
}

bool Pane::resizeToGreedy(int& availSpace, int nGreedy, std::vector<int>& sizePrimary,
                          std::vector<int>& sizeMin, std::vector<int>& sizeMax) {
    const UINT directionBits = AbsoluteBit(m_Orientation) | RelativeBit(m_Orientation);
    std::vector<size_t> greedy;
    for (size_t i = 0; i < m_paneItems.size(); ++i)
        if (!(itemAt(i).modeResize() & directionBits))
            greedy.push_back(i);

    // Equal shares of what remains at each item's turn; the last takes everything left.
    int left = nGreedy, corr = 0, sum = 0;
    for (const size_t i : greedy) {
        const int want = left == 1 ? availSpace : availSpace / left;
        if (TakeWanted(want, sizeMin[i], sizeMax[i], sizePrimary[i], corr))
            sum += want;
        availSpace -= want;
        --left;
    }

    for (int sweep = 0; corr != 0 && sum > 0 && sweep < kMaxSweeps; ++sweep) {
        int distributed = 0;
        bool changed = false;
        bool endedEarly = false;
        for (const size_t i : greedy) {
            const int cur = sizePrimary[i];
            if (cur <= 0)
                continue;
            int share = ProportionalShare(cur, corr, sum != 0 ? sum : 1);
            const bool final = std::abs(corr) <= 5 || share == 0;
            if (final)
                share = corr;
            if (cur - share < sizeMin[i]) {
                changed = changed || cur != sizeMin[i];
                distributed += cur - sizeMin[i];
                sizePrimary[i] = sizeMin[i];
                sum -= sizeMin[i];
            } else {
                changed = true;
                distributed += share;
                sizePrimary[i] = cur - share;
                if (final) {
                    endedEarly = true;
                    break;
                }
            }
        }
        corr -= distributed;
        if (!endedEarly && !changed)
            break;
    }

    // Space freed by items cut to their maximum goes to items held at their minimum.
    if (corr < 0) {
        for (const size_t i : greedy) {
            if (corr == 0)
                break;
            if (sizePrimary[i] != -sizeMin[i])
                continue;
            if (sizeMax[i] == -1) {
                sizePrimary[i] += corr;
                corr = 0;
            } else {
                const int grow = std::min(-corr, sizeMax[i] - sizeMin[i]);
                sizePrimary[i] -= grow;
                corr += grow;
            }
        }
    }

    for (const size_t i : greedy)
        if (sizePrimary[i] < 0 && sizeMin[i] >= 0)
            sizePrimary[i] = -sizePrimary[i];
    return true;
}

// Leftover space goes to fixed items marked to fill in this direction; the last of them
// takes the remainder.
void Pane::resizeToFill(int& availSpace, std::vector<int>& sizePrimary) {
    if (availSpace <= 0)
        return;
    const UINT wanted = AbsoluteBit(m_Orientation) | FillBit(m_Orientation);
    std::vector<size_t> fill;
    for (size_t i = 0; i < m_paneItems.size(); ++i)
        if ((itemAt(i).modeResize() & wanted) == wanted)
            fill.push_back(i);
    int remaining = static_cast<int>(fill.size());
    for (const size_t i : fill) {
        const int share = remaining == 1 ? availSpace : availSpace / remaining;
        sizePrimary[i] += share;
        availSpace -= share;
        --remaining;
    }
}
