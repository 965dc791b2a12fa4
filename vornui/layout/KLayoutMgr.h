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
#include "vornui/platform/Export.h"
#include "vornui/platform/Window.h"

#include <atomic>
#include <vector>

class CWnd;
class CTabCtrl;

enum layResizeMode : UINT {
    layGreedy = 0x0000,
    layAbsoluteHorz = 0x0001,
    layRelativeHorz = 0x0002,
    layAbsoluteVert = 0x0004,
    layRelativeVert = 0x0008,
    layAlignLeft = 0x0010,
    layAlignRight = 0x0020,
    layAlignHCenter = 0x0030,
    layAlignTop = 0x0040,
    layAlignBottom = 0x0080,
    layAlignVCenter = 0x00C0,
    layFillHorz = 0x0100,
    layFillVert = 0x0200,
    layFixedSize = 0x0005,
};

constexpr layResizeMode operator|(layResizeMode a, layResizeMode b) {
    return static_cast<layResizeMode>(static_cast<UINT>(a) | static_cast<UINT>(b));
}

enum layOrientation : int { layHorizontal = 0, layVertical = 1 };

class VORNUI_API KLayoutMgr {
public:
    class Pane;
    class CPaneBase;
    class CPane;

    // Every node of the tree. Queries answer -1 for "no limit" (maxima) and "no wish"
    // (wanted extents).
    class VORNUI_API PaneBase {
    public:
        PaneBase(KLayoutMgr* owner, layResizeMode mode) : m_modeResize(mode), m_pMgr(owner) {}
        PaneBase(const PaneBase&) = delete;
        PaneBase& operator=(const PaneBase&) = delete;

        virtual int getConstrainHorz(int parentExtent) = 0;
        virtual int getConstrainVert(int parentExtent) = 0;
        virtual int getMinConstrainHorz() = 0;
        virtual int getMaxConstrainHorz() = 0;
        virtual int getMinConstrainVert() = 0;
        virtual int getMaxConstrainVert() = 0;
        virtual bool resizeTo(CRect& rcNewArea) = 0;
        virtual ~PaneBase() = default;

        layResizeMode modeResize() const { return m_modeResize; }

    protected:
        friend class Pane;
        layResizeMode m_modeResize;
        KLayoutMgr* m_pMgr;
    };

    // A node and the number of handles that share it.
    class VORNUI_API PaneHolder {
    public:
        explicit PaneHolder(PaneBase* pPane) : m_pPane(pPane) {}
        void AddRef() { m_nRefCount.fetch_add(1); }
        // Destroys the node and the holder when the last handle lets go.
        void Release();

        PaneBase* m_pPane;
        std::atomic<LONG> m_nRefCount{1};

    private:
        ~PaneHolder();
    };

    class VORNUI_API CPaneBase {
    public:
        CPaneBase() = default;
        CPaneBase(PaneBase* pPane);
        CPaneBase(const CPaneBase& other);
        CPaneBase& operator=(const CPaneBase& other);
        CPaneBase& operator=(PaneBase* pPane);
        ~CPaneBase();

        PaneBase* operator->() const { return GetPaneBase(); }
        PaneBase* GetPaneBase() const { return m_pPaneHolder ? m_pPaneHolder->m_pPane : nullptr; }
        bool IsValid() const { return m_pPaneHolder != nullptr; }
        bool operator!() const { return m_pPaneHolder == nullptr; }

    protected:
        PaneHolder* m_pPaneHolder = nullptr;
    };

    class VORNUI_API CPane : public CPaneBase {
    public:
        CPane() = default;
        CPane(Pane* pPane) : CPaneBase(pPane) {}

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

        bool isDummy() const { return m_hwndCtrl == nullptr; }

    protected:
        void endAtComboList(CRect& rc) const;

        int m_sizeX;
        int m_sizeXMin;
        int m_sizeY;
        int m_sizeYMin;
        HWND m_hwndCtrl = nullptr;
        bool m_bComboSpecial = false;
    };

    // An inner node lining its items up along its orientation.
    class VORNUI_API Pane : public PaneBase {
    public:
        Pane(KLayoutMgr* owner, layOrientation orientation, layResizeMode mode = layGreedy,
             int sizeBorder = 5, int sizeExtraBorder = 0, int sizeSecondary = 0);

        int getConstrainHorz(int parentExtent) override;
        int getConstrainVert(int parentExtent) override;
        int getMinConstrainHorz() override;
        int getMaxConstrainHorz() override;
        int getMinConstrainVert() override;
        int getMaxConstrainVert() override;
        bool resizeTo(CRect& rcNewArea) override;

        bool addPane(const CPaneBase& item);
        bool addPane(const CPane& subPane, layResizeMode mode, int sizeSecondary = 0);
        bool addItem(UINT nID, layResizeMode mode = layGreedy, int sizeX = 0, int sizeY = 0,
                     int sizeXMin = -1, int sizeYMin = -1);
        bool addItem(CWnd* pWnd, layResizeMode mode = layGreedy, int sizeX = 0, int sizeY = 0,
                     int sizeXMin = -1, int sizeYMin = -1);
        bool addItemFixed(int size);
        bool addItemGrowing();
        bool addItemSpaceLike(UINT nID);
        bool addItemSpaceLike(CWnd* pWnd);
        bool addItemSpaceBetween(UINT nID1, UINT nID2);
        bool addItemSpaceBetween(CWnd* pWndFirst, CWnd* pWndSecond);

        layOrientation getOrientation() const { return m_Orientation; }
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

        layOrientation m_Orientation;
        std::vector<CPaneBase> m_paneItems;
        int m_sizeSecondary = 0;
        int m_sizeBorder;
        int m_sizeExtraBorder;
    };

    // A pane whose items lie inside a control, typically a group box.
    class VORNUI_API PaneCtrl : public Pane {
    public:
        PaneCtrl(HWND control, KLayoutMgr* owner, layOrientation orientation, layResizeMode mode,
                 int sizeBorder, int sizeExtraBorder, int sizeTopExtra, int sizeSecondary);

        int getMinConstrainVert() override;
        int getMaxConstrainVert() override;
        bool resizeTo(CRect& rcNewArea) override;

    protected:
        HWND m_hwndCtrl;
        int m_sizeTopExtra;
    };

    // A pane whose items lie in the display area of a tab control.
    class VORNUI_API PaneTab : public Pane {
    public:
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
        CSize frameOverhead() const;

        HWND m_hwndTab;
    };

    explicit KLayoutMgr(CWnd* pWnd = nullptr);
    KLayoutMgr(const KLayoutMgr&) = default;
    KLayoutMgr& operator=(const KLayoutMgr&) = default;
    virtual ~KLayoutMgr() = default;

    CWnd* GetWnd() const { return m_pWnd; }
    CPane GetRoot() const { return m_RootPane; }

    CPane CreateRoot(layOrientation orientation, int sizeBorder = 5, int sizeExtraBorder = 0);

    CPaneBase item(UINT nID, layResizeMode mode = layGreedy, int sizeX = 0, int sizeY = 0,
                   int sizeXMin = -1, int sizeYMin = -1);
    CPaneBase item(CWnd* pWnd, layResizeMode mode = layGreedy, int sizeX = 0, int sizeY = 0,
                   int sizeXMin = -1, int sizeYMin = -1);
    CPaneBase itemFixed(layOrientation orientation, int sizeExtent);
    CPaneBase itemGrowing(layOrientation orientation);
    CPaneBase itemSpaceLike(layOrientation orientation, UINT nID);
    CPaneBase itemSpaceLike(layOrientation orientation, CWnd* pWnd);
    CPaneBase itemSpaceBetween(layOrientation orientation, UINT nID1, UINT nID2);
    CPaneBase itemSpaceBetween(layOrientation orientation, CWnd* pWndFirst, CWnd* pWndSecond);

    CPane pane(layOrientation orientation, layResizeMode mode = layGreedy, int sizeBorder = 5,
               int sizeExtraBorder = 0, int sizeSecondary = 0);
    CPane paneCtrl(UINT nID, layOrientation orientation, layResizeMode mode = layGreedy,
                   int sizeBorder = 5, int sizeExtraBorder = 0, int sizeTopExtra = 0,
                   int sizeSecondary = 0);
    CPane paneCtrl(CWnd* pWnd, layOrientation orientation, layResizeMode mode = layGreedy,
                   int sizeBorder = 5, int sizeExtraBorder = 0, int sizeTopExtra = 0,
                   int sizeSecondary = 0);
    CPane paneTab(CTabCtrl* pTab, layOrientation orientation, layResizeMode mode = layGreedy,
                  int sizeBorder = 5, int sizeExtraBorder = 0, int sizeSecondary = 0);

    // The null window handed to spacers.
    static CWnd* paneNull;

protected:
    // The child control with that id of the managed window; null when there is none.
    HWND ControlHandle(UINT nID) const;

    CWnd* m_pWnd;
    CPane m_RootPane;
};
