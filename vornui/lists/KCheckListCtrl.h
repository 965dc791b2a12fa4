#pragma once

// A KListCtrlEx with check boxes drawn from the library's own bitmap and rows the person
// reorders by dragging: the row under the pointer is highlighted as the drop target, the
// list scrolls while the pointer rests near its top or bottom edge, and Escape, a right or
// middle button or a lost capture cancel the drag.

#include "vornui/lists/KListCtrlEx.h"

class VORNUI_API KCheckListCtrl : public KListCtrlEx {
    DECLARE_DYNAMIC(KCheckListCtrl)
public:
    // `extendedStyle` (LVS_EX_*) is applied when the window is attached.
    explicit KCheckListCtrl(unsigned long extendedStyle = 0);
    ~KCheckListCtrl() override;

    // Nonzero while the person drags a row.
    int IsDragging() const { return m_nDragging; }

protected:
    void PreSubclassWindow() override;
    void PostNcDestroy() override;
    BOOL OnReflectedNotify(NMHDR* header, LRESULT* result) override;
    // LVN_BEGINDRAG: the row follows the pointer until the button is released.
    void OnBeginDrag(NMHDR* header, LRESULT* result);
    // NM_DBLCLK: answers 1; the parent sees the notification too.
    void OnDblclk(NMHDR* header, LRESULT* result);
    // While dragging: moves the picture and the drop highlight, scrolls near the edges
    // and cancels on Escape, a right or middle button alone, or a lost capture.
    void OnMouseMove(UINT flags, CPoint point) override;
    // Drops the dragged row on the highlighted one.
    void OnLButtonUp(UINT flags, CPoint point) override;
    // The automatic scrolling of a drag, one line each tick.
    void OnTimer(UINT_PTR id) override;

    // A transparent image list of 16 x 16 images from bitmap `bitmapId`; the caller owns it.
    CImageList* CreateTransparent(int bitmapId);
    // A picture of row `index` to drag; the caller owns it.
    CImageList* CreateDragImageEx(int index);

    // Temporary images: [0] the row being dragged, [2] the check boxes; [1] stays free.
    CImageList* m_pImageList[3] = {};
    int m_nDragging = 0;
    int m_nDragItem = -1;
    int m_nDropTarget = -1;
    int m_nScrollBand[2] = {16, 16};
    UINT_PTR m_nScrollTimer = 0;
    unsigned long m_dwExStyle;

private:
    void StopScrollTimer();
    void EndDragImage();
    void CancelDrag();
    void SetDropTarget(int index);
    // The edge band the point lies in: -1 top, 1 bottom, 0 neither.
    int BandAt(CPoint point) const;
    void MoveRow(int from, int to);
};
