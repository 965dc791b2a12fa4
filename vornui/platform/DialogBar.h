#pragma once

// The framework's dialog bar: a control bar made from a dialog template (with the
// WS_CHILD style), whose controls are enabled, checked and named by the frame's update
// handlers and whose commands go to the frame.

#include "vornui/platform/ControlBar.h"

class VORNUI_API CDialogBar : public CControlBar {
    DECLARE_DYNAMIC(CDialogBar)

public:
    using CWnd::Create;
    CDialogBar();
    ~CDialogBar() override;

    // `style` holds the alignment (CBRS_TOP, ...) and WS_VISIBLE; `id` is the bar's child id.
    virtual BOOL Create(CWnd* parent, LPCTSTR templateName, UINT style, UINT id);
    BOOL Create(CWnd* parent, UINT templateId, UINT style, UINT id);

    CSize CalcFixedLayout(BOOL stretch, BOOL horizontal) override;
    void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override;

protected:
    CSize m_sizeDefault; // the size the template gives
};
