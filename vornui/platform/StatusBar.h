#pragma once

// The framework's status bar: a control bar over the status bar control, made of panes
// with ids, texts, widths and styles; the stretching pane takes the width the others
// leave. It takes its strip of the parent through CWnd::RepositionBars, and the update
// handlers of its frame may disable a pane or set its text (ON_UPDATE_COMMAND_UI).

#include "vornui/platform/ControlBar.h"
#include "vornui/platform/StatusBarCtrl.h"

#include <vector>

#define SBPS_NORMAL 0x0000
#define SBPS_NOBORDERS SBT_NOBORDERS
#define SBPS_POPOUT SBT_POPOUT
#define SBPS_OWNERDRAW SBT_OWNERDRAW
#define SBPS_DISABLED 0x04000000
#define SBPS_STRETCH 0x08000000

class VORNUI_API CStatusBar : public CControlBar {
    DECLARE_DYNAMIC(CStatusBar)
public:
    using CWnd::Create;
    virtual BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                        UINT id = AFX_IDW_STATUS_BAR);

    // One pane per id; an id other than ID_SEPARATOR takes its text from that string
    // resource, and its width from the text.
    BOOL SetIndicators(const UINT* ids, int count);
    int CommandToIndex(UINT id) const;
    UINT GetItemID(int index) const;
    void GetItemRect(int index, LPRECT rect) const;
    void GetPaneInfo(int index, UINT& id, UINT& style, int& width) const;
    void SetPaneInfo(int index, UINT id, UINT style, int width);
    UINT GetPaneStyle(int index) const;
    void SetPaneStyle(int index, UINT style);
    CString GetPaneText(int index) const;
    BOOL SetPaneText(int index, LPCTSTR text, BOOL update = TRUE);
    int GetCount() const { return static_cast<int>(m_panes.size()); }
    // The bar's height, the width it asks for.
    CSize CalcFixedLayout(BOOL stretch, BOOL horizontal) override;
    void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override;

protected:
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    struct Pane {
        UINT id;
        UINT style;
        int width;
        CString text;
    };
    void UpdateParts();
    BOOL ShowPaneText(size_t index);

    std::vector<Pane> m_panes;
};
