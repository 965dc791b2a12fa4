#pragma once

// The framework's CTreeCtrl: the "SysTreeView32" control through member functions.

#include "vornui/platform/ImageList.h"
#include "vornui/platform/TreeView.h"
#include "vornui/platform/Wnd.h"

class VORNUI_API CTreeCtrl : public CWnd {
    DECLARE_DYNAMIC(CTreeCtrl)
public:
    CTreeCtrl() = default;
    ~CTreeCtrl() override;

    using CWnd::Create;
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    UINT GetCount() const;
    UINT GetIndent() const;
    void SetIndent(UINT indent);
    CImageList* GetImageList(int which) const;
    CImageList* SetImageList(CImageList* list, int which);
    UINT GetVisibleCount() const;
    SHORT GetItemHeight() const;
    SHORT SetItemHeight(SHORT height);
    COLORREF GetBkColor() const;
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetTextColor() const;
    COLORREF SetTextColor(COLORREF color);

    // Walks.
    HTREEITEM GetNextItem(HTREEITEM item, UINT code) const;
    HTREEITEM GetRootItem() const;
    HTREEITEM GetChildItem(HTREEITEM item) const;
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const;
    HTREEITEM GetPrevSiblingItem(HTREEITEM item) const;
    HTREEITEM GetParentItem(HTREEITEM item) const;
    HTREEITEM GetFirstVisibleItem() const;
    HTREEITEM GetNextVisibleItem(HTREEITEM item) const;
    HTREEITEM GetPrevVisibleItem(HTREEITEM item) const;
    HTREEITEM GetLastVisibleItem() const;
    HTREEITEM GetSelectedItem() const;
    HTREEITEM GetDropHilightItem() const;
    BOOL ItemHasChildren(HTREEITEM item) const;

    // Items.
    HTREEITEM InsertItem(LPTVINSERTSTRUCT insert);
    HTREEITEM InsertItem(UINT mask, LPCTSTR text, int image, int selectedImage, UINT state,
                         UINT stateMask, LPARAM param, HTREEITEM parent, HTREEITEM insertAfter);
    HTREEITEM InsertItem(LPCTSTR text, HTREEITEM parent = TVI_ROOT,
                         HTREEITEM insertAfter = TVI_LAST);
    HTREEITEM InsertItem(LPCTSTR text, int image, int selectedImage, HTREEITEM parent = TVI_ROOT,
                         HTREEITEM insertAfter = TVI_LAST);
    BOOL DeleteItem(HTREEITEM item);
    BOOL DeleteAllItems();
    BOOL GetItem(TVITEM* item) const;
    BOOL SetItem(TVITEM* item);
    BOOL SetItem(HTREEITEM item, UINT mask, LPCTSTR text, int image, int selectedImage, UINT state,
                 UINT stateMask, LPARAM param);
    CString GetItemText(HTREEITEM item) const;
    BOOL SetItemText(HTREEITEM item, LPCTSTR text);
    BOOL GetItemImage(HTREEITEM item, int& image, int& selectedImage) const;
    BOOL SetItemImage(HTREEITEM item, int image, int selectedImage);
    UINT GetItemState(HTREEITEM item, UINT stateMask) const;
    BOOL SetItemState(HTREEITEM item, UINT state, UINT stateMask);
    DWORD_PTR GetItemData(HTREEITEM item) const;
    BOOL SetItemData(HTREEITEM item, DWORD_PTR data);
    BOOL GetItemRect(HTREEITEM item, LPRECT rect, BOOL textOnly) const;
    // The check box of a tree with TVS_CHECKBOXES.
    BOOL GetCheck(HTREEITEM item) const;
    BOOL SetCheck(HTREEITEM item, BOOL check = TRUE);

    // Selection, expansion, scrolling.
    BOOL Select(HTREEITEM item, UINT code);
    BOOL SelectItem(HTREEITEM item);
    BOOL SelectDropTarget(HTREEITEM item);
    BOOL SelectSetFirstVisible(HTREEITEM item);
    BOOL Expand(HTREEITEM item, UINT code);
    BOOL EnsureVisible(HTREEITEM item);
    BOOL SortChildren(HTREEITEM item);
    HTREEITEM HitTest(CPoint point, UINT* flags = nullptr) const;
    HTREEITEM HitTest(TVHITTESTINFO* info) const;

private:
    // What GetImageList hands out: the tree's lists, not owned.
    mutable CImageList m_normalImages;
    mutable CImageList m_stateImages;
};
