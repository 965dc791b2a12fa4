#pragma once

// The framework's control bar: the base of status bars, toolbars and dialog bars. A bar
// is a child of a frame aligned to one of its edges (CBRS_TOP, CBRS_BOTTOM, ...), takes its
// strip of the client area when the frame lays out its bars (CWnd::RepositionBars), and
// brings its items up to date from the frame's update handlers when the application is
// idle (WM_IDLEUPDATECMDUI). Notifications of its controls go on to its frame.

#include "vornui/platform/ControlBars.h"
#include "vornui/platform/Wnd.h"

#define WM_IDLEUPDATECMDUI 0x0363

class VORNUI_API CControlBar : public CWnd {
    DECLARE_DYNAMIC(CControlBar)

public:
    CControlBar();
    ~CControlBar() override;

    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD style) { m_dwStyle = style; }
    // Whether the bar floats in a small frame of its own (CFrameWnd::FloatControlBar).
    BOOL IsFloating() const;
    // The bar's size: along its edge, and across it.
    virtual CSize CalcFixedLayout(BOOL stretch, BOOL horizontal);
    // Brings the bar's items up to date through the update handlers of `target`.
    virtual void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) = 0;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    DWORD m_dwStyle = 0; // the CBRS_ bits

private:
    void OnSizeParent(AFX_SIZEPARENTPARAMS& layout);
};
