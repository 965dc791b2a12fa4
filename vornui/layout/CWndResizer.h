#pragma once

// Makes an existing window resizable without changing its class. The resizer subclasses the
// window and keeps a tree of named rectangles (panels) that mirrors its controls and any
// grouping the caller defines; whenever the client area changes, every panel is laid out
// again from its anchors, docking, offsets and size limits and the controls are moved. It
// also holds interactive sizing to the root's limits, draws a size grip, keeps a property
// control over a reference window, offers split containers with a draggable splitter and
// flow panels, and can print its tree.

#include "vornui/layout/KPropCtrlBase.h"
#include "vornui/platform/CDC.h"
#include "vornui/platform/CRect.h"
#include "vornui/platform/CString.h"
#include "vornui/platform/Collections.h"
#include "vornui/platform/Cursors.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/Themes.h"
#include "vornui/platform/Wnd.h"

#include <vector>

// Anchor bits: which edges keep their distance to the parent's.
enum : UINT {
    anchorLeft = 0x01,
    anchorTop = 0x02,
    anchorRight = 0x04,
    anchorBottom = 0x08,
    anchorCenterHorz = 0x10,
    anchorCenterVert = 0x20,
    anchorKeepRight = 0x40,  // with left and right: the limits move the left edge
    anchorKeepBottom = 0x80, // with top and bottom: the limits move the top edge
};

// Docking overrides the anchors when not dockNone.
enum : UINT { dockNone, dockLeft, dockTop, dockRight, dockBottom, dockFill };

enum : int { splitLeftRight = 1, splitTopBottom = 2 };
enum : short { fixedNone = 0, fixedFirst = 1, fixedSecond = 2 };
enum : short { flowLeftToRight = 1, flowTopToBottom = 2 };

class VORNUI_API CWndResizer {
public:
    class CSplitContainer;

    // A named rectangle in the hooked window's client coordinates; it owns its children.
    class VORNUI_API CPanel : public CRect {
    public:
        CPanel() = default;
        explicit CPanel(const CRect* rect);
        virtual ~CPanel();
        CPanel(const CPanel&) = delete;
        CPanel& operator=(const CPanel&) = delete;

        // Lays the children out again after the own rectangle changed.
        virtual void OnResized();
        virtual BOOL AddChild(CPanel* child);
        // Takes the child out of the list without destroying it.
        virtual BOOL RemoveChild(CPanel* child);
        virtual BOOL SetAnchor(UINT anchor);
        virtual BOOL SetMinSize(CSize& size);
        virtual BOOL SetMaxSize(CSize& size);
        virtual CString ToString();
        virtual CString GetTypeName();
        virtual CWnd* GetHookedWnd();

        // Whether `panel` is this one or sits above it.
        bool IsSelfOrAncestor(const CPanel* panel) const;

        UINT Anchor = anchorLeft | anchorTop;
        UINT Dock = dockNone;
        CString Name;
        CPanel* Parent = nullptr;
        std::vector<CPanel*> Children;
        int LeftOffset = 0;
        int TopOffset = 0;
        int RightOffset = 0;
        int BottomOffset = 0;
        CSize MinSize{10, 10};
        CSize MaxSize{100000, 100000};

    protected:
        // Gives every child its rectangle from docking or anchors, without laying out
        // inside the children.
        void PlaceChildren();
        void ResizeChildren();
        void PlaceByAnchors(CPanel& child) const;
    };

    class VORNUI_API CRootPanel : public CPanel {
    public:
        CRootPanel();
        CWnd* GetHookedWnd() override { return m_pHookedWnd; }
        CString GetTypeName() override { return "CRootPanel"; }

        CWnd* m_pHookedWnd = nullptr;
    };

    // Stands for one child control, named by its decimal ID.
    class VORNUI_API CUIPanel : public CPanel {
    public:
        CUIPanel(const CRect* rect, UINT id);
        CString GetTypeName() override { return "CUIPanel"; }

        UINT m_uID;
        int m_bOle = 0; // 1: the caller made the control a panel that holds others
    };

    // A panel that paints itself; laying it out repaints its old and new places.
    class VORNUI_API CVisualPanel : public CPanel {
    public:
        CVisualPanel() = default;
        explicit CVisualPanel(const CRect* rect);
        void OnResized() override;
        CString GetTypeName() override { return "CVisualPanel"; }
        virtual void Draw(CDC* dc) = 0;

        int m_bVisible = 0;
        CRect m_rcPrev;
    };

    class VORNUI_API CGripperPanel : public CVisualPanel {
    public:
        explicit CGripperPanel(const CRect* rect);
        ~CGripperPanel() override;
        CString GetTypeName() override { return "CGripperPanel"; }
        void Draw(CDC* dc) override;

        HTHEME m_hTheme = nullptr;
        int m_iPartId = 10; // SBP_SIZEBOX
        int m_iStateId = 5;
        CString m_sClassName = "SCROLLBAR";
    };

    // Wraps one caller panel inside a split container and stands in for it.
    class VORNUI_API CSplitPanel : public CPanel {
    public:
        explicit CSplitPanel(CPanel* wrapped);
        BOOL AddChild(CPanel* child) override;
        BOOL RemoveChild(CPanel* child) override;
        BOOL SetAnchor(UINT anchor) override;
        CString GetTypeName() override { return "CSplitPanel"; }

        CPanel* m_pOriginalPanel;
    };

    // The dotted grip in the middle of a splitter.
    class VORNUI_API CSplitterGripperPanel : public CVisualPanel {
    public:
        explicit CSplitterGripperPanel(int orientation);
        CString GetTypeName() override { return "CSplitterGripperPanel"; }
        void Draw(CDC* dc) override;

        int m_OrientationType;
    };

    // The strip between the two panels of a split container.
    class VORNUI_API CSpitterPanel : public CPanel {
    public:
        CSpitterPanel(const CRect* rect, int orientation);
        CString GetTypeName() override { return "CSpitterPanel"; }

        CSplitterGripperPanel* m_pGrippePanel;
        int m_OrientationType;
    };

    class VORNUI_API CSplitContainer : public CPanel {
    public:
        // Takes ownership of both split panels.
        CSplitContainer(CSplitPanel* first, CSplitPanel* second, int orientation);
        void OnResized() override;
        BOOL AddChild(CPanel* child) override;
        BOOL RemoveChild(CPanel* child) override;
        CString GetTypeName() override { return "CSplitContainer"; }

        // The first panel's right (left-right) or bottom (top-bottom) edge.
        int GetSplitterPosition() const;
        // Moves the splitter without moving any control.
        void SetSplitterPosition(int position);
        CSpitterPanel* GetSplitterPanel() const { return m_pSplitter; }

        int m_Orientation;
        int m_IsSplitterFixed = 0;
        short m_FixedPanel = fixedNone;
        double m_nRatio = 0;
        int m_nSplitterSize = 0;
        CSplitPanel* m_pPanel1;
        CSplitPanel* m_pPanel2;
        CSpitterPanel* m_pSplitter;

    private:
        void UpdateRatio();
        void PlaceFirstEdge();
        void PlaceSecondEdge();
        void PlaceSplitter();
    };

    // Arranges its children in rows or columns like words in a paragraph.
    class VORNUI_API CFlowLayoutPanel : public CPanel {
    public:
        CFlowLayoutPanel() = default;
        explicit CFlowLayoutPanel(const CRect* rect);
        void OnResized() override;
        CString GetTypeName() override { return "CFlowLayoutPanel"; }

        int m_nItemSpacingX = 0;
        int m_nItemSpacingY = 0;
        int m_nFlowDirection = 3; // 3 left to right, 4 top to bottom

    private:
        void FlowInRows();
        void FlowInColumns();
    };

    CWndResizer();
    // Unhooks a window that is still hooked, so that no message reaches a resizer that is
    // gone.
    ~CWndResizer();
    CWndResizer(const CWndResizer&) = delete;
    CWndResizer& operator=(const CWndResizer&) = delete;

    // FALSE for a null window, a window another resizer hooks, or when already hooked.
    BOOL Hook(CWnd* parent);
    // The root takes the designed client size instead of the present one.
    BOOL Hook(CWnd* parent, CSize& size);
    BOOL Unhook();

    BOOL SetAnchor(LPCTSTR panelName, UINT anchor);
    BOOL SetAnchor(UINT uID, UINT anchor);
    BOOL GetAnchor(LPCTSTR panelName, UINT& anchor);
    BOOL GetAnchor(UINT uID, UINT& anchor);
    BOOL SetDock(LPCTSTR panelName, UINT dock);
    BOOL SetDock(UINT uID, UINT dock);
    BOOL GetDock(LPCTSTR panelName, UINT& dock);
    BOOL GetDock(UINT uID, UINT& dock);

    BOOL SetMinimumSize(LPCTSTR panelName, CSize& size, bool scale = false);
    // A control without a panel gets one, attached to the root as SetAnchor does, so that
    // the limit takes effect.
    BOOL SetMinimumSize(UINT uID, CSize& size, bool scale = false);
    BOOL GetMinimumSize(LPCTSTR panelName, CSize& size);
    BOOL GetMinimumSize(UINT uID, CSize& size);
    BOOL SetMaximumSize(LPCTSTR panelName, CSize& size, bool scale = false);
    // FALSE for a control without a panel.
    BOOL SetMaximumSize(UINT uID, CSize& size, bool scale = false);
    BOOL GetMaximumSize(LPCTSTR panelName, CSize& size);
    BOOL GetMaximumSize(UINT uID, CSize& size);

    // FALSE when the parent would end up inside the child.
    BOOL SetParent(LPCTSTR panelName, LPCTSTR parentName);
    BOOL SetParent(UINT uID, LPCTSTR parentName);
    BOOL SetParent(LPCTSTR panelName, UINT uParentID);
    BOOL SetParent(UINT uID, UINT uParentID);
    BOOL GetParent(LPCTSTR panelName, CString& parentName);
    BOOL GetParent(UINT uID, CString& parentName);

    BOOL CreatePanel(UINT uID);
    BOOL CreatePanel(LPCTSTR panelName, const CRect* rect);
    BOOL CreatePanel(LPCTSTR panelName, CUIntArray* ids, BOOL setAsChildren);
    BOOL CreateFlowLayoutPanel(LPCTSTR panelName, const CRect* rect);
    BOOL CreateFlowLayoutPanel(LPCTSTR panelName, CUIntArray* ids, BOOL setAsChildren);
    BOOL CreateSplitContainer(LPCTSTR splitContainerName, LPCTSTR firstPanelName,
                              LPCTSTR secondPanelName);
    BOOL CreateSplitContainer(LPCTSTR splitContainerName, UINT firstID, UINT secondID);
    BOOL CreateSplitContainer(LPCTSTR splitContainerName, LPCTSTR firstPanelName, UINT secondID);
    BOOL CreateSplitContainer(LPCTSTR splitContainerName, UINT firstID, LPCTSTR secondPanelName);

    BOOL SetSplitterPosition(LPCTSTR splitContainerName, UINT position);
    BOOL GetSplitterPosition(LPCTSTR splitContainerName, UINT& position);
    BOOL SetFixedPanel(LPCTSTR splitContainerName, short panel);
    BOOL GetFixedPanel(LPCTSTR splitContainerName, short& panel);
    BOOL SetIsSplitterFixed(LPCTSTR splitContainerName, BOOL fixed);
    BOOL GetIsSplitterFixed(LPCTSTR splitContainerName, BOOL& fixed);
    BOOL SetShowSplitterGrip(LPCTSTR splitContainerName, BOOL show);
    BOOL GetShowSplitterGrip(LPCTSTR splitContainerName, BOOL& show);

    BOOL SetFlowDirection(LPCTSTR flowPanelName, short direction);
    BOOL GetFlowDirection(LPCTSTR flowPanelName, short& direction);
    BOOL SetFlowItemSpacingX(LPCTSTR flowPanelName, int spacing);
    BOOL GetFlowItemSpacingX(LPCTSTR flowPanelName, int& spacing);
    BOOL SetFlowItemSpacingY(LPCTSTR flowPanelName, int spacing);
    BOOL GetFlowItemSpacingY(LPCTSTR flowPanelName, int& spacing);

    BOOL SetShowResizeGrip(BOOL show = TRUE);
    BOOL GetShowResizeGrip();
    // Lays the window out once; with `resizeToMin` it also gives the window the root's
    // minimum client size and centres it on its owner. FALSE when not hooked.
    BOOL InvokeOnResized(bool resizeToMin = false);
    BOOL AttachPropCtrl(KPropCtrlBase* propCtrl, CWnd* referenceWnd);
    CString GetDebugInfo();

private:
    static LRESULT WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void OnSize();
    void OnSizing(UINT side, LPRECT rect);
    void OnPaint();
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonDown(CPoint point);
    void ReleaseSplitter();
    CSpitterPanel* SplitterAt(CPoint point);
    bool IsHookedWindowAt(CPoint point) const;

    CPanel* FindPanel(LPCTSTR name);
    CPanel* FindPanel(UINT uID);
    // The control's panel, made and attached to the root when it has none; null when the
    // window has no such control.
    CPanel* FindOrCreateUIPanel(UINT uID);
    CUIPanel* CreateUIPanel(UINT uID);
    template <class T>
    T* Find(LPCTSTR name);
    bool ControlRect(UINT uID, CRect& rect) const;
    bool UnionOfControls(const CUIntArray& ids, CRect& rect) const;
    bool IsFreeName(LPCTSTR name);
    BOOL AdoptGroupPanel(CPanel* panel, LPCTSTR name, CUIntArray* ids, BOOL setAsChildren);
    BOOL CreateSplitContainer(LPCTSTR splitContainerName, CPanel* first, CPanel* second);
    BOOL SetParent(CPanel* child, CPanel* parent);
    BOOL AdjustForDpi(CSize& size);
    void ResizeUI(CPanel* panel);
    CGripperPanel* Gripper();

    CWnd* m_pHookedWnd = nullptr;
    KPropCtrlBase* m_pPropCtrl = nullptr;
    CWnd* m_pPropCtrlReference = nullptr;
    CRootPanel m_pRootPanel;
    CSpitterPanel* m_pSplitterPanel = nullptr;
    HCURSOR m_hOldCursor = nullptr;
    int m_splitterOffset = 0;
    WNDPROC m_pfnWndProc = nullptr;
};
