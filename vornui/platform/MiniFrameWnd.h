#pragma once

// The framework's small frame that holds a floating control bar: a tool window with a
// thin caption whose client area is the bar (CFrameWnd::FloatControlBar makes it). It is
// made with new and deletes itself with its window, like every frame.

#include "vornui/platform/FrameWnd.h"

class VORNUI_API CMiniFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMiniFrameWnd)

public:
    CMiniFrameWnd();
    ~CMiniFrameWnd() override;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& create) override;
};
