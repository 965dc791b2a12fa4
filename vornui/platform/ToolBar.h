#pragma once

// The framework's toolbar: a control bar over the toolbar control. Its buttons come from
// a list of command ids (or a toolbar resource with its bitmap); it takes its strip of the
// frame through CWnd::RepositionBars, and the frame's update handlers enable and check its
// buttons when the application is idle (ON_UPDATE_COMMAND_UI). Clicks reach the frame as
// WM_COMMAND with the button's id.

#include "vornui/platform/ControlBar.h"
#include "vornui/platform/ImageList.h"
#include "vornui/platform/ToolBarCtrl.h"

// Button styles as GetButtonStyle and SetButtonStyle give them: the button's style in the
// low word, its state in the high word, where TBBS_DISABLED stands for a button that is
// not enabled.
#define TBBS_BUTTON MAKELONG(TBSTYLE_BUTTON, 0)
#define TBBS_SEPARATOR MAKELONG(TBSTYLE_SEP, 0)
#define TBBS_CHECKBOX MAKELONG(TBSTYLE_CHECK, 0)
#define TBBS_GROUP MAKELONG(TBSTYLE_GROUP, 0)
#define TBBS_CHECKGROUP MAKELONG(TBSTYLE_CHECKGROUP, 0)
#define TBBS_DROPDOWN MAKELONG(TBSTYLE_DROPDOWN, 0)
#define TBBS_CHECKED MAKELONG(0, TBSTATE_CHECKED)
#define TBBS_PRESSED MAKELONG(0, TBSTATE_PRESSED)
#define TBBS_DISABLED MAKELONG(0, TBSTATE_ENABLED)
#define TBBS_INDETERMINATE MAKELONG(0, TBSTATE_INDETERMINATE)
#define TBBS_HIDDEN MAKELONG(0, TBSTATE_HIDDEN)

class VORNUI_API CToolBar : public CControlBar {
    DECLARE_DYNAMIC(CToolBar)
public:
    CToolBar();
    ~CToolBar() override;

    using CWnd::Create;
    using CWnd::CreateEx;
    virtual BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                        UINT id = AFX_IDW_TOOLBAR);
    // `controlStyle` holds the toolbar control's own styles (TBSTYLE_FLAT, ...).
    virtual BOOL CreateEx(CWnd* parent, DWORD controlStyle = TBSTYLE_FLAT,
                          DWORD style = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP,
                          CRect borders = CRect(0, 0, 0, 0), UINT id = AFX_IDW_TOOLBAR);

    // One button per id, ID_SEPARATOR a separator; the buttons take the images in order.
    BOOL SetButtons(const UINT* ids, int count);
    // The toolbar resource `id` of the resource chain (its button size and ids) with the
    // bitmap of the same id, whose light grey is transparent.
    BOOL LoadToolBar(UINT id);
    BOOL LoadBitmap(UINT id);
    void SetSizes(SIZE button, SIZE image);

    int CommandToIndex(UINT id) const;
    UINT GetItemID(int index) const;
    void GetItemRect(int index, LPRECT rect) const;
    UINT GetButtonStyle(int index) const;
    void SetButtonStyle(int index, UINT style);
    int GetCount() const;

    // The bar's size: the buttons' row with its edges.
    CSize CalcFixedLayout(BOOL stretch, BOOL horizontal) override;
    void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override;

private:
    CImageList m_images; // the bitmap LoadBitmap loaded
    CSize m_sizeImage{16, 15};
};
