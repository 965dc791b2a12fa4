#pragma once

// The framework's scrolling view: a view whose content has a total size (SetScrollSizes);
// where the client area is smaller than the content, a scroll bar shows and scrolls the
// window's content by pages and lines. Positions are in device units (MM_TEXT).

#include "vornui/platform/View.h"

#define MM_TEXT 1

class VORNUI_API CScrollView : public CView {
    DECLARE_DYNAMIC(CScrollView)

public:
    // Stands for a page of a tenth and a line of a hundredth of the total size.
    static const SIZE sizeDefault;

    CScrollView();
    ~CScrollView() override;

    // The content's total size, and how far a page and a line scroll, in `mapMode` units
    // (MM_TEXT: pixels).
    void SetScrollSizes(int mapMode, SIZE sizeTotal, const SIZE& sizePage = sizeDefault,
                        const SIZE& sizeLine = sizeDefault);
    CSize GetTotalSize() const { return m_totalDev; }
    // The content's point at the client area's top left corner.
    CPoint GetScrollPosition() const;

protected:
    void OnSize(UINT type, int cx, int cy) override;
    void OnHScroll(UINT code, UINT pos, CWnd* scrollBar) override;
    void OnVScroll(UINT code, UINT pos, CWnd* scrollBar) override;

    // Shows the bars the client area needs and sets their ranges and pages.
    void UpdateBars();

    int m_nMapMode = 0;
    CSize m_totalDev; // the content, in pixels
    CSize m_pageDev;  // a page's scroll
    CSize m_lineDev;  // a line's scroll

private:
    void ScrollBy(int bar, UINT code, UINT trackPos);
};
