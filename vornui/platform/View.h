#pragma once

// The framework's view: the child of a frame that shows the program's content in the
// space the control bars leave (child id AFX_IDW_PANE_FIRST). OnDraw paints it. Views,
// like frames, are made with new: they delete themselves when their window is destroyed.

#include "vornui/platform/ControlBars.h"
#include "vornui/platform/Wnd.h"

// Sent by the frame to its views once they are made, before they show: OnInitialUpdate.
#define WM_INITIALUPDATE 0x0364

class VORNUI_API CView : public CWnd {
    DECLARE_DYNAMIC(CView)

public:
    CView();
    ~CView() override;

    // The first update after the view was made (WM_INITIALUPDATE).
    virtual void OnInitialUpdate();

protected:
    // Paints the content into `dc`.
    virtual void OnDraw(CDC* dc) = 0;

    BOOL PreCreateWindow(CREATESTRUCT& create) override;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void PostNcDestroy() override;
    void OnPaint() override;
    void OnDestroy() override;
};
