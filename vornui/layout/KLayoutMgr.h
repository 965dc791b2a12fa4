#pragma once

// The pane layout engine: the controls of a window described as a tree. Inner nodes
// (panes) line their items up horizontally or vertically, leaves stand for one control or
// an empty spacer. Every node answers its wanted, minimum and maximum extent per direction
// and places itself into the rectangle its parent grants. Nodes are shared through
// counted handles and die with their last handle.
//
// A whole layout is one expression:
//
//     CreateRoot(layVertical, 5, 5)
//         << (pane(layHorizontal, layGreedy, 5, 0, 0)
//                << item(IDC_NAME, layGreedy) << item(IDC_BROWSE, layFixedSize))
//         << itemGrowing(layVertical)
//         << item(IDOK, layFixedSize | layAlignRight);

#include "vornui/platform/CRect.h"
#include "vornui/platform/CString.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/Window.h"

#include <atomic>
#include <vector>

class CDC;
class CWnd;
class CTabCtrl;

// How a node behaves when its pane grows or shrinks, per direction. A direction with
// neither the absolute nor the relative bit is greedy: the node shares the free space.
enum layResizeMode : UINT {
    layGreedy = 0x0000,       // shares the free space in both directions
    layAbsoluteHorz = 0x0001, // fixed width
    layRelativeHorz = 0x0002, // width a percentage of the parent's
    layAbsoluteVert = 0x0004, // fixed height
    layRelativeVert = 0x0008, // height a percentage of the parent's
    layAlignLeft = 0x0010,    // a fixed-width node sits at the left of its cell
    layAlignRight = 0x0020,   // ... at the right
    layAlignHCenter = 0x0030, // ... in the middle
    layAlignTop = 0x0040,     // a fixed-height node sits at the top of its cell
    layAlignBottom = 0x0080,  // ... at the bottom
    layAlignVCenter = 0x00C0, // ... in the middle
    layFillHorz = 0x0100,     // with layAbsoluteHorz: placed over the whole cell's width
    layFillVert = 0x0200,     // the same for the height
    layFixedSize = 0x0005,    // layAbsoluteHorz | layAbsoluteVert
};

// Combines resize flags.
constexpr layResizeMode operator|(layResizeMode a, layResizeMode b) {
    return static_cast<layResizeMode>(static_cast<UINT>(a) | static_cast<UINT>(b));
}

// The direction in which a pane lines up its items.
enum layOrientation : int { layHorizontal = 0, layVertical = 1 };

// The layout of one window's controls: the factory of its nodes and the keeper of its root.
class VORNUI_API KLayoutMgr {
public:
    class Pane;
    class CPaneBase;
    class CPane;

    // Every node of the tree. Queries answer -1 for "no limit" (maxima) and "no wish"
    // (wanted extents).
    class VORNUI_API PaneBase {
    public:
        // A node of `owner`'s tree.
        PaneBase(KLayoutMgr* owner, layResizeMode mode) : m_modeResize(mode), m_pMgr(owner) {}
        PaneBase(const PaneBase&) = delete;
        PaneBase& operator=(const PaneBase&) = delete;

        // The width this node wants in a parent `parentExtent` wide.
        virtual int getConstrainHorz(int parentExtent) = 0;
        // The height this node wants in a parent `parentExtent` high.
        virtual int getConstrainVert(int parentExtent) = 0;
        // The least width this node can do with.
        virtual int getMinConstrainHorz() = 0;
        // The most width this node can use.
        virtual int getMaxConstrainHorz() = 0;
        // The least height this node can do with.
        virtual int getMinConstrainVert() = 0;
        // The most height this node can use.
        virtual int getMaxConstrainVert() = 0;
        // Places this node (and everything below it) into the rectangle its parent grants.
        virtual bool resizeTo(CRect& rcNewArea) = 0;
        // Nodes die with their last handle.
        virtual ~PaneBase() = default;

        // How this node behaves when its pane grows or shrinks.
        layResizeMode modeResize() const { return m_modeResize; }

    protected:
        friend class Pane;
        layResizeMode m_modeResize; // how the node behaves when its pane changes size
        KLayoutMgr* m_pMgr;         // the layout the node belongs to
    };

    // A node and the number of handles that share it.
    class VORNUI_API PaneHolder {
    public:
        // Holds `pPane` for its first handle.
        explicit PaneHolder(PaneBase* pPane) : m_pPane(pPane) {}
        // One more handle shares the node.
        void AddRef() { m_nRefCount.fetch_add(1); }
        // Destroys the node and the holder when the last handle lets go.
        void Release();

        PaneBase* m_pPane;                // the node, owned
        std::atomic<LONG> m_nRefCount{1}; // the handles that share it

    private:
        ~PaneHolder();
    };

    // A counted handle of any node; the node dies with its last handle.
    class VORNUI_API CPaneBase {
    public:
        // An empty handle.
        CPaneBase() = default;
        // Takes a node made with new as the first handle of it (null: an empty handle).
        CPaneBase(PaneBase* pPane);
        // Copying and assigning share the node.
        CPaneBase(const CPaneBase& other);
        CPaneBase& operator=(const CPaneBase& other);
        CPaneBase& operator=(PaneBase* pPane);
        // Lets go of the node.
        ~CPaneBase();

        // The node; null for an empty handle.
        PaneBase* operator->() const { return GetPaneBase(); }
        PaneBase* GetPaneBase() const { return m_pPaneHolder ? m_pPaneHolder->m_pPane : nullptr; }
        // Whether the handle holds a node.
        bool IsValid() const { return m_pPaneHolder != nullptr; }
        // Whether the handle is empty.
        bool operator!() const { return m_pPaneHolder == nullptr; }

    protected:
        PaneHolder* m_pPaneHolder = nullptr; // null when empty
    };

    // A counted handle of a pane, the handle the factories return and the builders take.
    class VORNUI_API CPane : public CPaneBase {
    public:
        // An empty handle.
        CPane() = default;
        // Takes a pane made with new as the first handle of it.
        CPane(Pane* pPane) : CPaneBase(pPane) {}

        // The pane; null for an empty handle.
        Pane* operator->() const { return GetPane(); }
        Pane* GetPane() const;
        // A handle of the base type that shares this node.
        CPaneBase ConvertBase() const { return *this; }

        // Stream-style building: appends and returns this pane, so temporaries chain.
        CPane operator<<(const CPaneBase& item) const;
        CPane operator<<(const CPane& subPane) const;
    };

    // A leaf: one control, or a spacer when it has none.
    class VORNUI_API PaneItem : public PaneBase {
    public:
        // The child control `nID` of the owner's window (or a window, or a control handle):
        // sizes of 0 take the control's own, minima of -1 the sizes.
        PaneItem(UINT nID, KLayoutMgr* owner, layResizeMode mode, int sizeX, int sizeY,
                 int sizeXMin, int sizeYMin);
        PaneItem(CWnd* pWnd, KLayoutMgr* owner, layResizeMode mode, int sizeX, int sizeY,
                 int sizeXMin, int sizeYMin);
        PaneItem(HWND control, KLayoutMgr* owner, layResizeMode mode, int sizeX, int sizeY,
                 int sizeXMin, int sizeYMin);

        int getConstrainHorz(int parentExtent) override;
        int getConstrainVert(int parentExtent) override;
        int getMinConstrainHorz() override;
        int getMaxConstrainHorz() override;
        int getMinConstrainVert() override;
        int getMaxConstrainVert() override;
        bool resizeTo(CRect& rcNewArea) override;

        // Whether this leaf is a spacer.
        bool isDummy() const { return m_hwndCtrl == nullptr; }

    protected:
        // Ends a simple combo box with integral height where its list ends.
        void endAtComboList(CRect& rc) const;

        int m_sizeX;                  // fixed or relative width
        int m_sizeXMin;               // least width
        int m_sizeY;                  // fixed or relative height
        int m_sizeYMin;               // least height
        HWND m_hwndCtrl = nullptr;    // the control; null for a spacer
        bool m_bComboSpecial = false; // the control is a combo box
    };

    // An inner node lining its items up along its orientation.
    class VORNUI_API Pane : public PaneBase {
    public:
        // `sizeBorder` lies between neighbouring items, `sizeExtraBorder` around them all;
        // `sizeSecondary` is the fixed or relative size across the orientation when this
        // pane is an item of a pane of the other orientation.
        Pane(KLayoutMgr* owner, layOrientation orientation, layResizeMode mode = layGreedy,
             int sizeBorder = 5, int sizeExtraBorder = 0, int sizeSecondary = 0);

        int getConstrainHorz(int parentExtent) override;
        int getConstrainVert(int parentExtent) override;
        int getMinConstrainHorz() override;
        int getMaxConstrainHorz() override;
        int getMinConstrainVert() override;
        int getMaxConstrainVert() override;
        bool resizeTo(CRect& rcNewArea) override;

        // Appends an item.
        bool addPane(const CPaneBase& item);
        // Appends a sub-pane with its resize mode and size across; a sub-pane of the same
        // orientation has its items taken over instead.
        bool addPane(const CPane& subPane, layResizeMode mode, int sizeSecondary = 0);
        // Appends the owner's item(...) for the same arguments.
        bool addItem(UINT nID, layResizeMode mode = layGreedy, int sizeX = 0, int sizeY = 0,
                     int sizeXMin = -1, int sizeYMin = -1);
        bool addItem(CWnd* pWnd, layResizeMode mode = layGreedy, int sizeX = 0, int sizeY = 0,
                     int sizeXMin = -1, int sizeYMin = -1);
        // Appends the owner's itemFixed, itemGrowing, itemSpaceLike or itemSpaceBetween in
        // this pane's orientation.
        bool addItemFixed(int size);
        bool addItemGrowing();
        bool addItemSpaceLike(UINT nID);
        bool addItemSpaceLike(CWnd* pWnd);
        bool addItemSpaceBetween(UINT nID1, UINT nID2);
        bool addItemSpaceBetween(CWnd* pWndFirst, CWnd* pWndSecond);

        // The direction in which the items line up.
        layOrientation getOrientation() const { return m_Orientation; }
        // The fixed or relative size across the orientation.
        int getSizeSecondary() const { return m_sizeSecondary; }

    protected:
        friend class KLayoutMgr;

        // The three distribution passes of resizeTo, in this order.
        int resizeToAbsolute(int& availSpace, std::vector<int>& sizePrimary,
                             std::vector<int>& sizeMin, std::vector<int>& sizeMax);
        bool resizeToRelative(int& availSpace, std::vector<int>& sizePrimary,
                              std::vector<int>& sizeMin, std::vector<int>& sizeMax);
        bool resizeToGreedy(int& availSpace, int nGreedy, std::vector<int>& sizePrimary,
                            std::vector<int>& sizeMin, std::vector<int>& sizeMax);
        void resizeToFill(int& availSpace, std::vector<int>& sizePrimary);

        // Queries of an item, and of this pane, in the pane's own direction or across it.
        int itemMinAlong(PaneBase& item) const;
        int itemMaxAlong(PaneBase& item) const;
        int itemConstrainAlong(PaneBase& item, int parentExtent) const;
        int minConstrain(layOrientation direction);
        int maxConstrain(layOrientation direction);
        int constrain(layOrientation direction, int parentExtent) const;
        PaneBase& itemAt(size_t index) const;

        layOrientation m_Orientation;       // how the items line up
        std::vector<CPaneBase> m_paneItems; // the items, in order
        int m_sizeSecondary = 0;            // fixed or relative size across
        int m_sizeBorder;                   // space between neighbouring items
        int m_sizeExtraBorder;              // space around all items
    };

    // A pane whose items lie inside a control, typically a group box.
    class VORNUI_API PaneCtrl : public Pane {
    public:
        // `sizeTopExtra` is kept free at the top, for a group box's caption.
        PaneCtrl(HWND control, KLayoutMgr* owner, layOrientation orientation, layResizeMode mode,
                 int sizeBorder, int sizeExtraBorder, int sizeTopExtra, int sizeSecondary);

        int getMinConstrainVert() override;
        int getMaxConstrainVert() override;
        bool resizeTo(CRect& rcNewArea) override;

    protected:
        HWND m_hwndCtrl;    // the control around the items
        int m_sizeTopExtra; // space kept free at its top
    };

    // A pane whose items lie in the display area of a tab control.
    class VORNUI_API PaneTab : public Pane {
    public:
        // The items of the tab control `tab`'s display area.
        PaneTab(HWND tab, KLayoutMgr* owner, layOrientation orientation, layResizeMode mode,
                int sizeBorder, int sizeExtraBorder, int sizeSecondary);

        int getConstrainHorz(int parentExtent) override;
        int getConstrainVert(int parentExtent) override;
        int getMinConstrainHorz() override;
        int getMaxConstrainHorz() override;
        int getMinConstrainVert() override;
        int getMaxConstrainVert() override;
        bool resizeTo(CRect& rcNewArea) override;

    protected:
        // What the tab control's frame and tabs take of its size.
        CSize frameOverhead() const;

        HWND m_hwndTab; // the tab control
    };

    // The layout of the controls of `pWnd`; `section` names where the window's placement
    // is kept in the application profile (null or empty: nowhere).
    explicit KLayoutMgr(CWnd* pWnd = nullptr, LPCTSTR section = nullptr);
    // Copies share the root.
    KLayoutMgr(const KLayoutMgr&) = default;
    KLayoutMgr& operator=(const KLayoutMgr&) = default;
    // Lets go of the root; the tree dies with its last handle.
    virtual ~KLayoutMgr() = default;

    // The rectangle the root is laid out in, root borders included: the client area.
    virtual CRect GetRect();
    // Makes `root` the root (the old one is let go of) and lays it out.
    virtual void UpdateLayout(CPane root);
    // Keeps a top-level dialog within the tree's limits, lays the tree out in GetRect less
    // the root borders, brings aligned up-down controls back to their buddies and
    // invalidates the window.
    virtual void UpdateLayout();
    // Places the root in `rcClient`; nothing for an empty rectangle or without a root.
    virtual void Layout(CRect& rcClient);

    // Paints the background in the button face, around the visible controls: group boxes
    // and a tab's display area are painted over, a status bar only outside its grip.
    void EraseBkgnd(CDC* pDC);
    // Applies the placement kept as "WindowPlacement" in `section` of the application
    // profile; a value of any length but that of the record is ignored.
    bool Load(LPCTSTR section);
    // Keeps the window's placement there, in the normal state unless it is maximised.
    bool Save(LPCTSTR section);

    // Sets the margin between GetRect and the root on each side.
    void setRootBorders(int cx, int cy) { m_sizeRootBorders = CSize(cx, cy); }
    // The window whose controls are laid out.
    CWnd* GetWnd() const { return m_pWnd; }
    // The root pane; empty before CreateRoot.
    CPane GetRoot() const { return m_RootPane; }

    // Replaces the root with a new, empty pane and returns it.
    CPane CreateRoot(layOrientation orientation, int sizeBorder = 5, int sizeExtraBorder = 0);

    // A leaf for the child control `nID` of the window, or for a window (null: a spacer).
    // Sizes of 0 take the control's own size; minima of -1 take the sizes.
    CPaneBase item(UINT nID, layResizeMode mode = layGreedy, int sizeX = 0, int sizeY = 0,
                   int sizeXMin = -1, int sizeYMin = -1);
    CPaneBase item(CWnd* pWnd, layResizeMode mode = layGreedy, int sizeX = 0, int sizeY = 0,
                   int sizeXMin = -1, int sizeYMin = -1);
    // A spacer of a fixed extent along `orientation`.
    CPaneBase itemFixed(layOrientation orientation, int sizeExtent);
    // A spacer that takes a share of the free space along `orientation` (at least 5).
    CPaneBase itemGrowing(layOrientation orientation);
    // A spacer as wide (or as high) as a control.
    CPaneBase itemSpaceLike(layOrientation orientation, UINT nID);
    CPaneBase itemSpaceLike(layOrientation orientation, CWnd* pWnd);
    // A spacer as large as the gap between two controls in the template.
    CPaneBase itemSpaceBetween(layOrientation orientation, UINT nID1, UINT nID2);
    CPaneBase itemSpaceBetween(layOrientation orientation, CWnd* pWndFirst, CWnd* pWndSecond);

    // A pane of its own, to be filled with << and added to another.
    CPane pane(layOrientation orientation, layResizeMode mode = layGreedy, int sizeBorder = 5,
               int sizeExtraBorder = 0, int sizeSecondary = 0);
    // A pane whose items lie inside a control, typically a group box.
    CPane paneCtrl(UINT nID, layOrientation orientation, layResizeMode mode = layGreedy,
                   int sizeBorder = 5, int sizeExtraBorder = 0, int sizeTopExtra = 0,
                   int sizeSecondary = 0);
    CPane paneCtrl(CWnd* pWnd, layOrientation orientation, layResizeMode mode = layGreedy,
                   int sizeBorder = 5, int sizeExtraBorder = 0, int sizeTopExtra = 0,
                   int sizeSecondary = 0);
    // A pane whose items lie in a tab control's display area.
    CPane paneTab(CTabCtrl* pTab, layOrientation orientation, layResizeMode mode = layGreedy,
                  int sizeBorder = 5, int sizeExtraBorder = 0, int sizeSecondary = 0);

    // The null window handed to spacers.
    static CWnd* paneNull;

protected:
    // The child control with that id of the managed window; null when there is none.
    HWND ControlHandle(UINT nID) const;
    // The least window size the tree allows for a window whose frame takes `frame` around
    // GetRect.
    CSize MinimumWindowSize(CSize frame);
    // The greatest, likewise; an extent of -1 is none.
    CSize MaximumWindowSize(CSize frame);
    // The tracking sizes of WM_GETMINMAXINFO for a frame of `frame` around GetRect.
    void LimitTracking(MINMAXINFO* info, CSize frame);
    // Sets the buddy of every visible, aligned up-down control again, so that each sits
    // beside its moved buddy.
    void ReattachBuddies();

    CWnd* m_pWnd;                  // the window laid out
    CPane m_RootPane;              // the tree's root
    CString m_sSection;            // profile section of the placement; empty: none
    CSize m_sizeRootBorders{5, 5}; // margin between GetRect and the root
};
