#pragma once

// The framework's frame window: a top-level window that holds control bars along its
// edges and a view in what they leave (RecalcLayout), routes commands to its active view
// first, then to itself, then to the application, and updates the items of its menus
// through the update handlers before they open. While a modal dialog disables it, the
// windows it owns are disabled with it. Frames are made with new: they delete themselves
// when their window is destroyed.

#include "vornui/platform/Wnd.h"

#include <vector>

class VORNUI_API CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)

public:
    using CWnd::Create;
    // The system chooses the position and size.
    static const CRect rectDefault;

    CFrameWnd();
    ~CFrameWnd() override;

    virtual BOOL Create(LPCTSTR className, LPCTSTR windowName, DWORD style = WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CWnd* parent = nullptr, DWORD exStyle = 0);

    // Lays the control bars out along the edges and gives the view what they leave.
    virtual void RecalcLayout(BOOL notify = TRUE);
    // Takes `bar` out of this frame into a small frame of its own whose top left corner
    // is at `point` (screen), its size the bar's along `style`'s alignment.
    void FloatControlBar(CControlBar* bar, CPoint point, DWORD style = CBRS_ALIGN_TOP);
    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* view, BOOL notify = TRUE);

    // Disables the windows this frame owns, for as long as a modal window runs.
    void BeginModalState();
    void EndModalState();
    BOOL InModalState() const { return m_nModalDepth != 0; }

    BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) override;

    // Menu items nobody carries out are greyed when their menu opens.
    BOOL m_bAutoMenuEnable = TRUE;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& create) override;
    void PostNcDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnEnable(BOOL enable) override;
    void OnInitMenuPopup(CMenu* popupMenu, UINT index, BOOL systemMenu) override;

private:
    CView* m_pViewActive = nullptr;
    int m_nModalDepth = 0;
    bool m_bModalDisabled = false; // disabled by a modal window, not by the program
    std::vector<HWND> m_disabledByModal;
};
