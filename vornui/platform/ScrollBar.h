#pragma once

// The "ScrollBar" control (SBS_HORZ or SBS_VERT) and its framework class. The person
// scrolls it with the mouse; its parent hears of each step as WM_HSCROLL or WM_VSCROLL
// with the control's handle, and moves the position itself.

#include "vornui/platform/ScrollBarControl.h"
#include "vornui/platform/Wnd.h"

class VORNUI_API CScrollBar : public CWnd {
public:
    using CWnd::Create;
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int GetScrollPos() const;
    int SetScrollPos(int pos, BOOL redraw = TRUE);
    void GetScrollRange(LPINT minPos, LPINT maxPos) const;
    void SetScrollRange(int minPos, int maxPos, BOOL redraw = TRUE);
    BOOL SetScrollInfo(LPSCROLLINFO info, BOOL redraw = TRUE);
    BOOL GetScrollInfo(LPSCROLLINFO info, UINT mask = SIF_ALL);
    int GetScrollLimit();
    void ShowScrollBar(BOOL show = TRUE);
};
