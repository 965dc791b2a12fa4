#include "vornui/platform/CRect.h"

#include <gtest/gtest.h>

TEST(CRect, RightAndBottomAreExclusive) {
    const CRect rc(10, 20, 30, 60);
    EXPECT_EQ(rc.Width(), 20);
    EXPECT_EQ(rc.Height(), 40);
    EXPECT_TRUE(rc.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(rc.PtInRect(CPoint(30, 20)));
    EXPECT_FALSE(rc.PtInRect(CPoint(10, 60)));
    EXPECT_EQ(rc.CenterPoint(), CPoint(20, 40));
    EXPECT_EQ(CRect(-3, -3, 0, 0).CenterPoint(), CPoint(-1, -1)); // truncates toward zero
    EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 4, 9).IsRectEmpty());
    EXPECT_FALSE(CRect(5, 5, 4, 9).IsRectNull());
}

TEST(CRect, MovesInflatesAndNormalizes) {
    CRect rc(0, 0, 10, 10);
    rc.OffsetRect(5, -5);
    EXPECT_EQ(rc, CRect(5, -5, 15, 5));
    rc.InflateRect(1, 2);
    EXPECT_EQ(rc, CRect(4, -7, 16, 7));
    rc.DeflateRect(1, 2, 3, 4);
    EXPECT_EQ(rc, CRect(5, -5, 13, 3));
    rc.MoveToXY(0, 0);
    EXPECT_EQ(rc, CRect(0, 0, 8, 8));
    CRect flipped(10, 10, 0, 0);
    flipped.NormalizeRect();
    EXPECT_EQ(flipped, CRect(0, 0, 10, 10));
    EXPECT_EQ(CRect(0, 0, 2, 2) + CPoint(1, 1), CRect(1, 1, 3, 3));
    EXPECT_EQ(CPoint(5, 5) - CPoint(2, 1), CSize(3, 4));
    EXPECT_EQ(CPoint(MAKELPARAM(-2, 7)), CPoint(-2, 7));
}

TEST(CRect, IntersectionAndUnionIgnoreEmptyRectangles) {
    CRect both;
    EXPECT_TRUE(both.IntersectRect(CRect(0, 0, 10, 10), CRect(5, 5, 20, 20)));
    EXPECT_EQ(both, CRect(5, 5, 10, 10));
    EXPECT_FALSE(both.IntersectRect(CRect(0, 0, 10, 10), CRect(10, 0, 20, 10))); // touching
    EXPECT_TRUE(both.IsRectNull());

    CRect all;
    EXPECT_TRUE(all.UnionRect(CRect(0, 0, 0, 0), CRect(3, 3, 4, 4)));
    EXPECT_EQ(all, CRect(3, 3, 4, 4));
    EXPECT_EQ(CRect(0, 0, 1, 1) | CRect(5, 5, 6, 6), CRect(0, 0, 6, 6));
    EXPECT_FALSE(all.UnionRect(CRect(), CRect(2, 2, 2, 2)));
    EXPECT_TRUE(all.IsRectNull());

    CRect rest;
    EXPECT_TRUE(rest.SubtractRect(CRect(0, 0, 10, 10), CRect(0, 0, 10, 4)));
    EXPECT_EQ(rest, CRect(0, 4, 10, 10));
    EXPECT_TRUE(rest.SubtractRect(CRect(0, 0, 10, 10), CRect(2, 2, 4, 4))); // hole: unchanged
    EXPECT_EQ(rest, CRect(0, 0, 10, 10));
    EXPECT_FALSE(rest.SubtractRect(CRect(0, 0, 10, 10), CRect(-1, -1, 11, 11)));
}
