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

// The resizer of one window; the caller owns it. See the file's comment.
class VORNUI_API CWndResizer {
public:
    class CSplitContainer;

    // A named rectangle in the hooked window's client coordinates; it owns its children.
    class VORNUI_API CPanel : public CRect {
    public:
        // A panel over `rect` (empty without one), anchored left and top, without a name.
        CPanel() = default;
        explicit CPanel(const CRect* rect);
        // Destroys the children too.
        virtual ~CPanel();
        CPanel(const CPanel&) = delete;
        CPanel& operator=(const CPanel&) = delete;

        // Lays the children out again after the own rectangle changed.
        virtual void OnResized();
        // Takes the child from its parent, captures its offsets and appends it; FALSE when
        // the old parent keeps it or when the child is this panel or one above it.
        virtual BOOL AddChild(CPanel* child);
        // Takes the child out of the list without destroying it.
        virtual BOOL RemoveChild(CPanel* child);
        // Stores the bits with a vertical and a horizontal part added where one is missing.
        virtual BOOL SetAnchor(UINT anchor);
        // FALSE, and nothing stored, when the limits would cross.
        virtual BOOL SetMinSize(CSize& size);
        virtual BOOL SetMaxSize(CSize& size);
        // One line: name, type, anchor, size, area, limits, parent, number of children.
        virtual CString ToString();
        // The panel's class name ("CPanel", "CRootPanel", ...).
        virtual CString GetTypeName();
        // The window the tree belongs to, asked of the root; null outside a hooked tree.
        virtual CWnd* GetHookedWnd();

        // Whether `panel` is this one or sits above it.
        bool IsSelfOrAncestor(const CPanel* panel) const;

        // Anchor bits and docking (docking overrides the anchors when not dockNone).
        UINT Anchor = anchorLeft | anchorTop;
        UINT Dock = dockNone;
        // Unique in the tree, compared without regard to case; controls by decimal ID.
        CString Name;
        // The panel this one belongs to, and the owned children in layout order.
        CPanel* Parent = nullptr;
        std::vector<CPanel*> Children;
        // Distances to the parent's edges, captured when the panel was attached.
        int LeftOffset = 0;
        int TopOffset = 0;
        int RightOffset = 0;
        int BottomOffset = 0;
        // Size limits the anchors hold the panel to.
        CSize MinSize{10, 10};
        CSize MaxSize{100000, 100000};

    protected:
        // Gives every child its rectangle from docking or anchors, without laying out
        // inside the children.
        void PlaceChildren();
        // Lays out inside every child.
        void ResizeChildren();
        // The child's rectangle from its anchors, offsets and limits within this panel.
        void PlaceByAnchors(CPanel& child) const;
    };

    // The tree's root, named "_root": the hooked window's whole client area.
    class VORNUI_API CRootPanel : public CPanel {
    public:
        // An empty root of no window.
        CRootPanel();
        CWnd* GetHookedWnd() override { return m_pHookedWnd; }
        CString GetTypeName() override { return "CRootPanel"; }

        // The window the resizer hooks; null while none is.
        CWnd* m_pHookedWnd = nullptr;
    };

    // Stands for one child control, named by its decimal ID.
    class VORNUI_API CUIPanel : public CPanel {
    public:
        // The panel of control `id` over its rectangle.
        CUIPanel(const CRect* rect, UINT id);
        CString GetTypeName() override { return "CUIPanel"; }

        // The control's ID.
        UINT m_uID;
        // 1 when the caller made the control a panel that holds others: it moves after the
        // plain controls, on its own, and repaints.
        int m_bOle = 0;
    };

    // A panel that paints itself; laying it out repaints its old and new places.
    class VORNUI_API CVisualPanel : public CPanel {
    public:
        // A hidden visual panel over `rect` (empty without one).
        CVisualPanel() = default;
        explicit CVisualPanel(const CRect* rect);
        void OnResized() override;
        CString GetTypeName() override { return "CVisualPanel"; }
        // Paints the panel while the hooked window paints.
        virtual void Draw(CDC* dc) = 0;

        // Whether the panel is drawn, and where it was drawn last.
        int m_bVisible = 0;
        CRect m_rcPrev;
    };

    // The size grip, "_resizeGrip", in the scroll bar's style of the desktop or classic.
    class VORNUI_API CGripperPanel : public CVisualPanel {
    public:
        // A hidden grip over `rect`; the theme opens when it is first drawn.
        explicit CGripperPanel(const CRect* rect);
        ~CGripperPanel() override;
        CString GetTypeName() override { return "CGripperPanel"; }
        void Draw(CDC* dc) override;

        // The theme, its part (the size box), state and class.
        HTHEME m_hTheme = nullptr;
        int m_iPartId = SBP_SIZEBOX;
        int m_iStateId = SZB_HALFBOTTOMRIGHTALIGN;
        CString m_sClassName = "SCROLLBAR";
    };

    // Wraps one caller panel inside a split container and stands in for it.
    class VORNUI_API CSplitPanel : public CPanel {
    public:
        // Takes the wrapped panel's rectangle, name and limits; the wrapped panel fills it.
        explicit CSplitPanel(CPanel* wrapped);
        // Children go to, and come from, the wrapped panel.
        BOOL AddChild(CPanel* child) override;
        BOOL RemoveChild(CPanel* child) override;
        // Refused: the container sets the anchors of its panels.
        BOOL SetAnchor(UINT anchor) override;
        CString GetTypeName() override { return "CSplitPanel"; }

        // The panel wrapped, the split panel's only child.
        CPanel* m_pOriginalPanel;
    };

    // The dotted grip in the middle of a splitter.
    class VORNUI_API CSplitterGripperPanel : public CVisualPanel {
    public:
        // A hidden grip of a splitter of `orientation` (splitLeftRight, splitTopBottom).
        explicit CSplitterGripperPanel(int orientation);
        CString GetTypeName() override { return "CSplitterGripperPanel"; }
        // A column of dots across a left-right splitter, a row across a top-bottom one.
        void Draw(CDC* dc) override;

        // The container's orientation.
        int m_OrientationType;
    };

    // The strip between the two panels of a split container.
    class VORNUI_API CSpitterPanel : public CPanel {
    public:
        // A splitter over `rect` with its grip centred in it.
        CSpitterPanel(const CRect* rect, int orientation);
        CString GetTypeName() override { return "CSpitterPanel"; }

        // The grip, the splitter's only child, and the container's orientation.
        CSplitterGripperPanel* m_pGrippePanel;
        int m_OrientationType;
    };

    // Two panels side by side or one above the other with a draggable splitter between.
    class VORNUI_API CSplitContainer : public CPanel {
    public:
        // Takes ownership of both split panels; the first lies left of or above the second.
        CSplitContainer(CSplitPanel* first, CSplitPanel* second, int orientation);
        void OnResized() override;
        // At most its three children, and none leaves.
        BOOL AddChild(CPanel* child) override;
        BOOL RemoveChild(CPanel* child) override;
        CString GetTypeName() override { return "CSplitContainer"; }

        // The first panel's right (left-right) or bottom (top-bottom) edge.
        int GetSplitterPosition() const;
        // Moves the splitter without moving any control.
        void SetSplitterPosition(int position);
        // The strip between the panels.
        CSpitterPanel* GetSplitterPanel() const { return m_pSplitter; }

        // splitLeftRight or splitTopBottom.
        int m_Orientation;
        // TRUE: the user cannot drag the splitter.
        int m_IsSplitterFixed = 0;
        // The panel that keeps its extent when the container is resized.
        short m_FixedPanel = fixedNone;
        // The first panel's extent over the container's, kept through resizing.
        double m_nRatio = 0;
        // The gap between the panels.
        int m_nSplitterSize = 0;
        // The container's three children.
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
        // A flow panel over `rect` (empty without one), flowing left to right.
        CFlowLayoutPanel() = default;
        explicit CFlowLayoutPanel(const CRect* rect);
        void OnResized() override;
        CString GetTypeName() override { return "CFlowLayoutPanel"; }

        // Gaps between neighbours and between rows or columns.
        int m_nItemSpacingX = 0;
        int m_nItemSpacingY = 0;
        // 3 left to right, 4 top to bottom.
        int m_nFlowDirection = 3;

    private:
        void Flow(bool inRows);
    };

    // An unhooked resizer: a root and nothing else.
    CWndResizer();
    // Unhooks a window that is still hooked, so that no message reaches a resizer that is
    // gone.
    ~CWndResizer();
    CWndResizer(const CWndResizer&) = delete;
    CWndResizer& operator=(const CWndResizer&) = delete;

    // Subclasses the window and adds the hidden grip; FALSE for a null window, a window
    // another resizer hooks, or when already hooked.
    BOOL Hook(CWnd* parent);
    // The root takes the designed client size instead of the present one.
    BOOL Hook(CWnd* parent, CSize& size);
    // Gives the window its procedure back and destroys every panel below the root; FALSE
    // when not hooked. The window's WM_DESTROY does it too.
    BOOL Unhook();

    // Anchors and docking of a panel by name, or of a control by ID (its panel made and
    // attached to the root when it has none); FALSE for no such panel or control.
    BOOL SetAnchor(LPCTSTR panelName, UINT anchor);
    BOOL SetAnchor(UINT uID, UINT anchor);
    BOOL GetAnchor(LPCTSTR panelName, UINT& anchor);
    BOOL GetAnchor(UINT uID, UINT& anchor);
    BOOL SetDock(LPCTSTR panelName, UINT dock);
    BOOL SetDock(UINT uID, UINT dock);
    BOOL GetDock(LPCTSTR panelName, UINT& dock);
    BOOL GetDock(UINT uID, UINT& dock);

    // Size limits; with `scale` the size is first scaled in place from 96 dpi to the
    // screen's resolution, which needs a hooked window.
    BOOL SetMinimumSize(LPCTSTR panelName, CSize& size, bool scale = false);
    // A control without a panel gets one, attached to the root as SetAnchor does, so that
    // the limit takes effect.
    BOOL SetMinimumSize(UINT uID, CSize& size, bool scale = false);
    // Reads the minimum; FALSE for no such panel.
    BOOL GetMinimumSize(LPCTSTR panelName, CSize& size);
    BOOL GetMinimumSize(UINT uID, CSize& size);
    // Sets the maximum by name.
    BOOL SetMaximumSize(LPCTSTR panelName, CSize& size, bool scale = false);
    // FALSE for a control without a panel.
    BOOL SetMaximumSize(UINT uID, CSize& size, bool scale = false);
    // Reads the maximum; FALSE for no such panel.
    BOOL GetMaximumSize(LPCTSTR panelName, CSize& size);
    BOOL GetMaximumSize(UINT uID, CSize& size);

    // Moves the first panel into the second (controls by ID get their panels made); FALSE
    // when the parent refuses or would end up inside the child.
    BOOL SetParent(LPCTSTR panelName, LPCTSTR parentName);
    BOOL SetParent(UINT uID, LPCTSTR parentName);
    BOOL SetParent(LPCTSTR panelName, UINT uParentID);
    BOOL SetParent(UINT uID, UINT uParentID);
    // The parent's name; FALSE for the root and for no such panel.
    BOOL GetParent(LPCTSTR panelName, CString& parentName);
    BOOL GetParent(UINT uID, CString& parentName);

    // The panel of a control that holds other panels; FALSE when it has one already.
    BOOL CreatePanel(UINT uID);
    // A grouping panel under the root over `rect`, or over the listed controls (whose
    // panels become its children when asked); FALSE for a name in use or a missing control.
    BOOL CreatePanel(LPCTSTR panelName, const CRect* rect);
    BOOL CreatePanel(LPCTSTR panelName, CUIntArray* ids, BOOL setAsChildren);
    // The same for a flow panel.
    BOOL CreateFlowLayoutPanel(LPCTSTR panelName, const CRect* rect);
    BOOL CreateFlowLayoutPanel(LPCTSTR panelName, CUIntArray* ids, BOOL setAsChildren);
    // Splits two panels (by name or control ID) that lie left of or above each other
    // without overlapping; FALSE for a name in use, a missing panel, the same panel twice
    // or a panel that is split already.
    BOOL CreateSplitContainer(LPCTSTR splitContainerName, LPCTSTR firstPanelName,
                              LPCTSTR secondPanelName);
    BOOL CreateSplitContainer(LPCTSTR splitContainerName, UINT firstID, UINT secondID);
    BOOL CreateSplitContainer(LPCTSTR splitContainerName, LPCTSTR firstPanelName, UINT secondID);
    BOOL CreateSplitContainer(LPCTSTR splitContainerName, UINT firstID, LPCTSTR secondPanelName);

    // A split container's splitter (setting it moves the container's controls), fixed
    // panel, whether the user may drag it and whether its grip shows; FALSE for a name
    // that is not a split container.
    BOOL SetSplitterPosition(LPCTSTR splitContainerName, UINT position);
    BOOL GetSplitterPosition(LPCTSTR splitContainerName, UINT& position);
    BOOL SetFixedPanel(LPCTSTR splitContainerName, short panel);
    BOOL GetFixedPanel(LPCTSTR splitContainerName, short& panel);
    BOOL SetIsSplitterFixed(LPCTSTR splitContainerName, BOOL fixed);
    BOOL GetIsSplitterFixed(LPCTSTR splitContainerName, BOOL& fixed);
    BOOL SetShowSplitterGrip(LPCTSTR splitContainerName, BOOL show);
    BOOL GetShowSplitterGrip(LPCTSTR splitContainerName, BOOL& show);

    // A flow panel's direction (flowLeftToRight, anything else top to bottom) and spacing;
    // FALSE for a name that is not a flow panel.
    BOOL SetFlowDirection(LPCTSTR flowPanelName, short direction);
    BOOL GetFlowDirection(LPCTSTR flowPanelName, short& direction);
    BOOL SetFlowItemSpacingX(LPCTSTR flowPanelName, int spacing);
    BOOL GetFlowItemSpacingX(LPCTSTR flowPanelName, int& spacing);
    BOOL SetFlowItemSpacingY(LPCTSTR flowPanelName, int spacing);
    BOOL GetFlowItemSpacingY(LPCTSTR flowPanelName, int& spacing);

    // Shows or hides the size grip, repainting the whole window when it changes; FALSE
    // when not hooked.
    BOOL SetShowResizeGrip(BOOL show = TRUE);
    BOOL GetShowResizeGrip();
    // Lays the window out once; with `resizeToMin` it also gives the window the root's
    // minimum client size and centres it on its owner. FALSE when not hooked.
    BOOL InvokeOnResized(bool resizeToMin = false);
    // Keeps `propCtrl` over the client area of `referenceWnd` whenever controls move.
    BOOL AttachPropCtrl(KPropCtrlBase* propCtrl, CWnd* referenceWnd);
    // The tree, a line for each panel after a newline, indented two spaces a level.
    CString GetDebugInfo();

private:
    BOOL HookAt(CWnd* parent, const CSize* designed);
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
    // Calls `use` with the panel `name` when it is a T; FALSE when it is not.
    template <class T, class Use>
    BOOL WithPanel(LPCTSTR name, const Use& use);
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
