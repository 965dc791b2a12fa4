#include "vornui/layout/KLayoutMgr.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

namespace {

// A leaf on plain rectangles: fixed answers to the queries, and the cell it was given.
class RecordingLeaf : public KLayoutMgr::PaneBase {
public:
    struct Extent {
        int want = -1, min = 5, max = -1;
    };
    RecordingLeaf(KLayoutMgr* owner, layResizeMode mode, Extent horz, Extent vert, int* destroyed)
        : PaneBase(owner, mode), m_horz(horz), m_vert(vert), m_destroyed(destroyed) {}
    ~RecordingLeaf() override {
        if (m_destroyed)
            ++*m_destroyed;
    }

    int getConstrainHorz(int parent) override { return want(m_horz, layRelativeHorz, parent); }
    int getConstrainVert(int parent) override { return want(m_vert, layRelativeVert, parent); }
    int getMinConstrainHorz() override { return m_horz.min; }
    int getMaxConstrainHorz() override { return m_horz.max; }
    int getMinConstrainVert() override { return m_vert.min; }
    int getMaxConstrainVert() override { return m_vert.max; }
    bool resizeTo(CRect& rc) override {
        m_cell = rc;
        return true;
    }

    CRect m_cell{-1, -1, -1, -1};

private:
    int want(const Extent& extent, UINT relativeBit, int parent) const {
        return (modeResize() & relativeBit) ? parent * extent.want / 100 : extent.want;
    }
    Extent m_horz, m_vert;
    int* m_destroyed;
};

struct Layout {
    KLayoutMgr manager;
    std::vector<RecordingLeaf*> leaves;

    KLayoutMgr::CPaneBase leaf(layResizeMode mode, RecordingLeaf::Extent horz,
                               RecordingLeaf::Extent vert = {}, int* destroyed = nullptr) {
        auto* node = new RecordingLeaf(&manager, mode, horz, vert, destroyed);
        leaves.push_back(node);
        return node;
    }
    std::vector<CRect> cells() const {
        std::vector<CRect> result;
        for (const RecordingLeaf* node : leaves)
            result.push_back(node->m_cell);
        return result;
    }
};

constexpr RecordingLeaf::Extent Greedy(int min = 5, int max = -1) {
    return {-1, min, max};
}
constexpr RecordingLeaf::Extent Fixed(int size) {
    return {size, size, size};
}
constexpr RecordingLeaf::Extent Percent(int percent, int min = 5, int max = -1) {
    return {percent, min, max};
}

std::vector<int> Widths(const std::vector<CRect>& cells) {
    std::vector<int> widths;
    for (const CRect& cell : cells)
        widths.push_back(cell.Width());
    return widths;
}

} // namespace

TEST(PaneDistribution, FixedThenGreedyItemsShareTheRest) {
    Layout layout;
    CRect rc(0, 0, 300, 40);
    layout.manager.CreateRoot(layHorizontal, 5, 5)
        << layout.leaf(layAbsoluteHorz, Fixed(80)) << layout.leaf(layGreedy, Greedy())
        << layout.leaf(layGreedy, Greedy());
    ASSERT_TRUE(layout.manager.GetRoot()->resizeTo(rc));
    EXPECT_EQ(layout.cells(), (std::vector<CRect>{CRect(5, 5, 85, 35), CRect(90, 5, 190, 35),
                                                  CRect(195, 5, 295, 35)}));

    Layout three;
    CRect ten(0, 0, 10, 10);
    three.manager.CreateRoot(layHorizontal, 0, 0)
        << three.leaf(layGreedy, Greedy(0)) << three.leaf(layGreedy, Greedy(0))
        << three.leaf(layGreedy, Greedy(0));
    three.manager.GetRoot()->resizeTo(ten);
    EXPECT_EQ(Widths(three.cells()), (std::vector<int>{3, 3, 4}));
}

TEST(PaneDistribution, RelativeItemsTakeTheirPercentageOfWhatIsFree) {
    Layout layout;
    CRect rc(0, 0, 410, 20);
    layout.manager.CreateRoot(layHorizontal, 5, 5)
        << layout.leaf(layRelativeHorz, Percent(25)) << layout.leaf(layGreedy, Greedy());
    layout.manager.GetRoot()->resizeTo(rc);
    EXPECT_EQ(Widths(layout.cells()), (std::vector<int>{98, 297}));

    // Raised to its minimum, a relative item takes the difference from its free siblings.
    Layout raised;
    CRect wide(0, 0, 200, 20);
    raised.manager.CreateRoot(layHorizontal, 0, 0)
        << raised.leaf(layRelativeHorz, Percent(10, 50))
        << raised.leaf(layRelativeHorz, Percent(60)) << raised.leaf(layRelativeHorz, Percent(30));
    raised.manager.GetRoot()->resizeTo(wide);
    const std::vector<int> widths = Widths(raised.cells());
    EXPECT_EQ(widths[0], 50);
    EXPECT_EQ(widths[0] + widths[1] + widths[2], 200);
    EXPECT_GT(widths[1], widths[2]);
}

TEST(PaneDistribution, MinimaWinAndNothingShrinksBelowThem) {
    Layout layout;
    CRect rc(0, 0, 210, 20);
    layout.manager.CreateRoot(layHorizontal, 0, 0)
        << layout.leaf(layGreedy, Greedy(150)) << layout.leaf(layGreedy, Greedy(5));
    layout.manager.GetRoot()->resizeTo(rc);
    EXPECT_EQ(Widths(layout.cells()), (std::vector<int>{150, 60}));

    Layout capped;
    CRect two(0, 0, 200, 20);
    capped.manager.CreateRoot(layHorizontal, 0, 0)
        << capped.leaf(layGreedy, Greedy(5, 50)) << capped.leaf(layGreedy, Greedy());
    capped.manager.GetRoot()->resizeTo(two);
    EXPECT_EQ(Widths(capped.cells()), (std::vector<int>{50, 150})); // the cut goes to the other

    Layout crowded;
    CRect narrow(0, 0, 100, 20);
    crowded.manager.CreateRoot(layHorizontal, 0, 0)
        << crowded.leaf(layAbsoluteHorz, Fixed(80))
        << crowded.leaf(layRelativeHorz, Percent(50, 40)) << crowded.leaf(layGreedy, Greedy(30))
        << crowded.leaf(layGreedy, Greedy(20));
    crowded.manager.GetRoot()->resizeTo(narrow);
    const std::vector<CRect> cells = crowded.cells();
    EXPECT_EQ(Widths(cells), (std::vector<int>{80, 40, 30, 20}));
    EXPECT_EQ(cells.back().right, 170); // past the far edge, not squeezed
}

TEST(PaneDistribution, LeftoverSpaceGoesToFillItemsTheLastTakingTheRemainder) {
    Layout layout;
    CRect rc(0, 0, 107, 20);
    const auto fill = layAbsoluteHorz | layFillHorz;
    layout.manager.CreateRoot(layHorizontal, 0, 0)
        << layout.leaf(fill, Fixed(10)) << layout.leaf(layAbsoluteHorz, Fixed(10))
        << layout.leaf(fill, Fixed(10));
    layout.manager.GetRoot()->resizeTo(rc);
    EXPECT_EQ(Widths(layout.cells()), (std::vector<int>{48, 10, 49}));

    Layout none;
    none.manager.CreateRoot(layHorizontal, 0, 0) << none.leaf(layAbsoluteHorz, Fixed(10));
    CRect again(0, 0, 107, 20);
    none.manager.GetRoot()->resizeTo(again);
    EXPECT_EQ(none.cells().front(), CRect(0, 0, 10, 20)); // ends early

    KLayoutMgr empty;
    CRect any(0, 0, 50, 50);
    EXPECT_TRUE(empty.CreateRoot(layVertical, 5, 5)->resizeTo(any));
}

TEST(PaneDistribution, EveryNodeIsDestroyedExactlyOnce) {
    int destroyed = 0;
    {
        Layout layout;
        KLayoutMgr::CPaneBase kept = layout.leaf(layGreedy, Greedy(), {}, &destroyed);
        KLayoutMgr::CPane sub = layout.manager.pane(layVertical);
        sub << layout.leaf(layGreedy, Greedy(), {}, &destroyed);
        layout.manager.CreateRoot(layHorizontal)
            << kept << sub << layout.leaf(layGreedy, Greedy(), {}, &destroyed);
        KLayoutMgr::CPaneBase copy = kept;
        const KLayoutMgr::CPaneBase& same = copy;
        copy = same;                            // self-assignment keeps the node
        layout.manager.CreateRoot(layVertical); // the old tree goes, but handles keep two nodes
        EXPECT_EQ(destroyed, 1);
        KLayoutMgr::CPaneBase base = sub.ConvertBase();
        EXPECT_EQ(base.GetPaneBase(), sub.GetPane());
    }
    EXPECT_EQ(destroyed, 3);
}

// Random trees at random sizes: no item outside its pane, and every item at least its
// minimum whenever the pane reports enough room for all of them.
class RandomTree {
public:
    explicit RandomTree(unsigned seed) : m_random(seed) {}

    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_random); }

    // Fills `pane` with items. A pane shares its space either by percentages (fixed and
    // relative items, at most 100 % in all) or by greed (fixed and greedy items without a
    // maximum and, while depth allows, sub-panes of the other orientation). Other mixes
    // may overrun by design even when the minima fit: relative items are measured before
    // greedy ones, and an item held at its maximum keeps that space when a sibling needs
    // more than its share.
    void fill(Layout& layout, KLayoutMgr::CPane pane, int depth) {
        const bool byPercent = pick(0, 2) == 0;
        int percentLeft = 100;
        const int count = pick(1, 5);
        for (int i = 0; i < count; ++i) {
            const int kind = pick(0, 2);
            const int min = pick(5, 40);
            if (kind == 0) {
                pane << layout.leaf(layFixedSize, Fixed(pick(5, 60)), Fixed(pick(5, 60)));
            } else if (byPercent && percentLeft > 0) {
                const int percent = pick(1, percentLeft);
                percentLeft -= percent;
                pane << layout.leaf(layRelativeHorz | layRelativeVert, Percent(percent, min),
                                    Percent(percent, min));
            } else if (!byPercent && kind == 2 && depth > 0) {
                const layOrientation across =
                    pane->getOrientation() == layHorizontal ? layVertical : layHorizontal;
                KLayoutMgr::CPane sub =
                    layout.manager.pane(across, layGreedy, pick(0, 6), pick(0, 6));
                fill(layout, sub, depth - 1);
                pane << sub;
            } else if (!byPercent) {
                pane << layout.leaf(layGreedy, Greedy(min), Greedy(min));
            }
        }
    }

private:
    std::mt19937 m_random;
};

TEST(PaneDistribution, RandomTreesStayInsideAndKeepMinimaWhenThereIsRoom) {
    RandomTree tree(4711);
    for (int round = 0; round < 500; ++round) {
        Layout layout;
        KLayoutMgr::CPane root = layout.manager.CreateRoot(
            tree.pick(0, 1) ? layVertical : layHorizontal, tree.pick(0, 8), tree.pick(0, 8));
        tree.fill(layout, root, 2);
        const int minWidth = root->getMinConstrainHorz();
        const int minHeight = root->getMinConstrainVert();
        const CRect pane(10, 20, 10 + tree.pick(0, 500), 20 + tree.pick(0, 500));
        const bool room = pane.Width() >= minWidth && pane.Height() >= minHeight;
        CRect area = pane;
        root->resizeTo(area);
        for (size_t i = 0; room && i < layout.leaves.size(); ++i) {
            RecordingLeaf& leaf = *layout.leaves[i];
            const CRect& cell = leaf.m_cell;
            SCOPED_TRACE(testing::Message() << "round " << round << " item " << i);
            EXPECT_GE(cell.Width(), leaf.getMinConstrainHorz());
            EXPECT_GE(cell.Height(), leaf.getMinConstrainVert());
            EXPECT_TRUE(cell.left >= pane.left && cell.top >= pane.top &&
                        cell.right <= pane.right && cell.bottom <= pane.bottom)
                << "cell " << cell.left << "," << cell.top << "," << cell.right << ","
                << cell.bottom << " pane " << pane.left << "," << pane.top << "," << pane.right
                << "," << pane.bottom << " root "
                << (root->getOrientation() == layHorizontal ? "H" : "V") << " min " << minWidth
                << "x" << minHeight << " mode " << leaf.modeResize() << " leafmin "
                << leaf.getMinConstrainHorz() << "x" << leaf.getMinConstrainVert();
        }
    }
}
