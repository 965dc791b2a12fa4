#include "vornui/platform/CRect.h"

#include <algorithm>

BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom) {
    if (!rect)
        return FALSE;
    *rect = RECT{left, top, right, bottom};
    return TRUE;
}

BOOL SetRectEmpty(LPRECT rect) {
    return SetRect(rect, 0, 0, 0, 0);
}

BOOL CopyRect(LPRECT dst, const RECT* src) {
    if (!dst || !src)
        return FALSE;
    *dst = *src;
    return TRUE;
}

BOOL IsRectEmpty(const RECT* rect) {
    return !rect || rect->right <= rect->left || rect->bottom <= rect->top;
}

BOOL EqualRect(const RECT* a, const RECT* b) {
    return a && b && CRect(*a) == *b;
}

BOOL PtInRect(const RECT* rect, POINT pt) {
    return rect && CRect(*rect).PtInRect(pt);
}

BOOL OffsetRect(LPRECT rect, int dx, int dy) {
    if (!rect)
        return FALSE;
    rect->left += dx, rect->right += dx, rect->top += dy, rect->bottom += dy;
    return TRUE;
}

BOOL InflateRect(LPRECT rect, int dx, int dy) {
    if (!rect)
        return FALSE;
    rect->left -= dx, rect->right += dx, rect->top -= dy, rect->bottom += dy;
    return TRUE;
}

BOOL IntersectRect(LPRECT dst, const RECT* a, const RECT* b) {
    if (!dst || !a || !b)
        return FALSE;
    const RECT both{std::max(a->left, b->left), std::max(a->top, b->top),
                    std::min(a->right, b->right), std::min(a->bottom, b->bottom)};
    if (IsRectEmpty(a) || IsRectEmpty(b) || IsRectEmpty(&both)) {
        SetRectEmpty(dst);
        return FALSE;
    }
    *dst = both;
    return TRUE;
}

BOOL UnionRect(LPRECT dst, const RECT* a, const RECT* b) {
    if (!dst || !a || !b)
        return FALSE;
    // Empty rectangles take no part in a union.
    if (IsRectEmpty(a) && IsRectEmpty(b)) {
        SetRectEmpty(dst);
        return FALSE;
    }
    if (IsRectEmpty(a) || IsRectEmpty(b))
        return CopyRect(dst, IsRectEmpty(a) ? b : a);
    *dst = RECT{std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
                std::max(a->bottom, b->bottom)};
    return TRUE;
}

BOOL SubtractRect(LPRECT dst, const RECT* a, const RECT* b) {
    if (!dst || !a || !b)
        return FALSE;
    RECT overlap;
    RECT result = *a;
    if (IntersectRect(&overlap, a, b)) {
        // Only a cut that spans a whole side shrinks the rectangle.
        const bool spansWidth = overlap.left == a->left && overlap.right == a->right;
        const bool spansHeight = overlap.top == a->top && overlap.bottom == a->bottom;
        if (spansWidth && spansHeight) {
            SetRectEmpty(dst);
            return FALSE;
        }
        if (spansWidth && overlap.top == a->top)
            result.top = overlap.bottom;
        else if (spansWidth && overlap.bottom == a->bottom)
            result.bottom = overlap.top;
        else if (spansHeight && overlap.left == a->left)
            result.left = overlap.right;
        else if (spansHeight && overlap.right == a->right)
            result.right = overlap.left;
    }
    *dst = result;
    return !IsRectEmpty(dst);
}
