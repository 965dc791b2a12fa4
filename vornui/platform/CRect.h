#pragma once

// Points, sizes and rectangles with the framework's semantics: 32-bit signed
// coordinates, right and bottom exclusive, an empty rectangle has no width or height.

#include "vornui/platform/Export.h"
#include "vornui/platform/WinTypes.h"

#include <utility>

struct POINT {
    LONG x;
    LONG y;
};
struct SIZE {
    LONG cx;
    LONG cy;
};
struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};
using LPPOINT = POINT*;
using LPSIZE = SIZE*;
using LPRECT = RECT*;
using LPCRECT = const RECT*;

VORNUI_API BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom);
VORNUI_API BOOL SetRectEmpty(LPRECT rect);
VORNUI_API BOOL CopyRect(LPRECT dst, const RECT* src);
VORNUI_API BOOL IsRectEmpty(const RECT* rect);
VORNUI_API BOOL EqualRect(const RECT* a, const RECT* b);
VORNUI_API BOOL PtInRect(const RECT* rect, POINT pt);
VORNUI_API BOOL OffsetRect(LPRECT rect, int dx, int dy);
VORNUI_API BOOL InflateRect(LPRECT rect, int dx, int dy);
VORNUI_API BOOL IntersectRect(LPRECT dst, const RECT* a, const RECT* b);
VORNUI_API BOOL UnionRect(LPRECT dst, const RECT* a, const RECT* b);
VORNUI_API BOOL SubtractRect(LPRECT dst, const RECT* a, const RECT* b);

class CSize : public SIZE {
public:
    constexpr CSize() : SIZE{0, 0} {}
    constexpr CSize(int cx_, int cy_) : SIZE{cx_, cy_} {}
    constexpr CSize(SIZE size) : SIZE(size) {}
    constexpr explicit CSize(POINT pt) : SIZE{pt.x, pt.y} {}

    constexpr bool operator==(SIZE other) const { return cx == other.cx && cy == other.cy; }
    constexpr bool operator!=(SIZE other) const { return !(*this == other); }
    // Two CSizes match this exactly (see CRect's comparison of two CRects).
    friend constexpr bool operator==(const CSize& a, const CSize& b) {
        return a == static_cast<const SIZE&>(b);
    }
    constexpr void operator+=(SIZE other) { cx += other.cx, cy += other.cy; }
    constexpr void operator-=(SIZE other) { cx -= other.cx, cy -= other.cy; }
    constexpr void SetSize(int cx_, int cy_) { cx = cx_, cy = cy_; }
    constexpr CSize operator+(SIZE other) const { return CSize(cx + other.cx, cy + other.cy); }
    constexpr CSize operator-(SIZE other) const { return CSize(cx - other.cx, cy - other.cy); }
    constexpr CSize operator-() const { return CSize(-cx, -cy); }
};

class CPoint : public POINT {
public:
    constexpr CPoint() : POINT{0, 0} {}
    constexpr CPoint(int x_, int y_) : POINT{x_, y_} {}
    constexpr CPoint(POINT pt) : POINT(pt) {}
    constexpr explicit CPoint(SIZE size) : POINT{size.cx, size.cy} {}
    // A point packed into an LPARAM: x in the low word, y in the high word, both signed.
    constexpr explicit CPoint(LPARAM packed)
        : POINT{static_cast<SHORT>(LOWORD(packed)), static_cast<SHORT>(HIWORD(packed))} {}

    constexpr void Offset(int dx, int dy) { x += dx, y += dy; }
    constexpr void Offset(POINT pt) { Offset(pt.x, pt.y); }
    constexpr void Offset(SIZE size) { Offset(size.cx, size.cy); }
    constexpr void SetPoint(int x_, int y_) { x = x_, y = y_; }
    constexpr bool operator==(POINT other) const { return x == other.x && y == other.y; }
    constexpr bool operator!=(POINT other) const { return !(*this == other); }
    // Two CPoints match this exactly (see CRect's comparison of two CRects).
    friend constexpr bool operator==(const CPoint& a, const CPoint& b) {
        return a == static_cast<const POINT&>(b);
    }
    constexpr void operator+=(SIZE size) { Offset(size); }
    constexpr void operator-=(SIZE size) { Offset(-size.cx, -size.cy); }
    constexpr void operator+=(POINT pt) { Offset(pt); }
    constexpr void operator-=(POINT pt) { Offset(-pt.x, -pt.y); }
    constexpr CPoint operator+(SIZE size) const { return CPoint(x + size.cx, y + size.cy); }
    constexpr CPoint operator-(SIZE size) const { return CPoint(x - size.cx, y - size.cy); }
    constexpr CPoint operator+(POINT pt) const { return CPoint(x + pt.x, y + pt.y); }
    constexpr CSize operator-(POINT pt) const { return CSize(x - pt.x, y - pt.y); }
    constexpr CPoint operator-() const { return CPoint(-x, -y); }
};

class CRect : public RECT {
public:
    constexpr CRect() : RECT{0, 0, 0, 0} {}
    constexpr CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    constexpr CRect(const RECT& rect) : RECT(rect) {}
    constexpr CRect(const RECT* rect) : RECT(*rect) {}
    constexpr CRect(POINT topLeft, SIZE size)
        : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}
    constexpr CRect(POINT topLeft, POINT bottomRight)
        : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr CSize Size() const { return CSize(Width(), Height()); }
    constexpr CPoint TopLeft() const { return CPoint(left, top); }
    constexpr CPoint BottomRight() const { return CPoint(right, bottom); }
    constexpr CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }
    constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }
    constexpr bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    constexpr bool PtInRect(POINT pt) const {
        return pt.x >= left && pt.x < right && pt.y >= top && pt.y < bottom;
    }
    constexpr bool EqualRect(const RECT* other) const { return *this == *other; }

    constexpr void SetRect(int l, int t, int r, int b) { left = l, top = t, right = r, bottom = b; }
    constexpr void SetRect(POINT topLeft, POINT bottomRight) {
        SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
    }
    constexpr void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    constexpr void CopyRect(const RECT* src) { *static_cast<RECT*>(this) = *src; }

    constexpr void OffsetRect(int dx, int dy) { left += dx, right += dx, top += dy, bottom += dy; }
    constexpr void OffsetRect(POINT pt) { OffsetRect(pt.x, pt.y); }
    constexpr void OffsetRect(SIZE size) { OffsetRect(size.cx, size.cy); }
    constexpr void MoveToX(int x) { right = x + Width(), left = x; }
    constexpr void MoveToY(int y) { bottom = y + Height(), top = y; }
    constexpr void MoveToXY(int x, int y) { MoveToX(x), MoveToY(y); }
    constexpr void MoveToXY(POINT pt) { MoveToXY(pt.x, pt.y); }

    constexpr void InflateRect(int dx, int dy) { InflateRect(dx, dy, dx, dy); }
    constexpr void InflateRect(SIZE size) { InflateRect(size.cx, size.cy); }
    constexpr void InflateRect(const RECT* by) {
        InflateRect(by->left, by->top, by->right, by->bottom);
    }
    constexpr void InflateRect(int l, int t, int r, int b) {
        left -= l, top -= t, right += r, bottom += b;
    }
    constexpr void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
    constexpr void DeflateRect(SIZE size) { InflateRect(-size.cx, -size.cy); }
    constexpr void DeflateRect(const RECT* by) {
        DeflateRect(by->left, by->top, by->right, by->bottom);
    }
    constexpr void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }
    constexpr void NormalizeRect() {
        if (left > right)
            std::swap(left, right);
        if (top > bottom)
            std::swap(top, bottom);
    }

    BOOL IntersectRect(const RECT* a, const RECT* b) { return ::IntersectRect(this, a, b); }
    BOOL UnionRect(const RECT* a, const RECT* b) { return ::UnionRect(this, a, b); }
    BOOL SubtractRect(const RECT* a, const RECT* b) { return ::SubtractRect(this, a, b); }

    constexpr bool operator==(const RECT& other) const {
        return left == other.left && top == other.top && right == other.right &&
               bottom == other.bottom;
    }
    constexpr bool operator!=(const RECT& other) const { return !(*this == other); }
    // Two CRects match this exactly, so that C++20's reversed candidates of the RECT
    // comparison above do not make a comparison of two CRects ambiguous.
    friend constexpr bool operator==(const CRect& a, const CRect& b) {
        return a == static_cast<const RECT&>(b);
    }
    constexpr void operator+=(POINT pt) { OffsetRect(pt); }
    constexpr void operator+=(SIZE size) { OffsetRect(size); }
    constexpr void operator+=(const RECT* by) { InflateRect(by); }
    constexpr void operator-=(POINT pt) { OffsetRect(-pt.x, -pt.y); }
    constexpr void operator-=(SIZE size) { OffsetRect(-size.cx, -size.cy); }
    constexpr void operator-=(const RECT* by) { DeflateRect(by); }
    void operator&=(const RECT& other) { IntersectRect(this, &other); }
    void operator|=(const RECT& other) { UnionRect(this, &other); }
    constexpr CRect operator+(POINT pt) const { return Offset(pt); }
    constexpr CRect operator+(SIZE size) const { return Offset(CPoint(size.cx, size.cy)); }
    constexpr CRect operator-(POINT pt) const { return Offset(CPoint(-pt.x, -pt.y)); }
    constexpr CRect operator-(SIZE size) const { return Offset(CPoint(-size.cx, -size.cy)); }
    CRect operator&(const RECT& other) const {
        CRect result;
        result.IntersectRect(this, &other);
        return result;
    }
    CRect operator|(const RECT& other) const {
        CRect result;
        result.UnionRect(this, &other);
        return result;
    }

private:
    constexpr CRect Offset(POINT pt) const {
        CRect moved(*this);
        moved.OffsetRect(pt);
        return moved;
    }
};
