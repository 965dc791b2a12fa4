#pragma once

// Inside the tree view: the window's data and what its procedure, its painting and its
// handling of the person's mouse and keys share.

#include "vornui/platform/CRect.h"
#include "vornui/platform/ImageList.h"
#include "vornui/platform/internal/TreeItems.h"
#include "vornui/platform/internal/WindowRecord.h"

struct TreeViewData : ControlData {
    ~TreeViewData() override {
        if (checkBoxes)
            ImageList_Destroy(checkBoxes);
    }
    TreeItems items;
    TreeItem* caret = nullptr;
    TreeItem* dropHilite = nullptr;
    TreeItem* top = nullptr; // the first row shown, kept across layouts
    int topRow = 0;
    int scrollX = 0;
    int indent = 19;
    int itemHeight = 0; // 0: from the font and the images
    HIMAGELIST normalImages = nullptr;
    HIMAGELIST stateImages = nullptr;
    HIMAGELIST checkBoxes = nullptr; // the tree's own, for TVS_CHECKBOXES
    COLORREF background = CLR_NONE;  // CLR_NONE: the system's window colour
    COLORREF textColor = CLR_NONE;
    bool redraw = true;
    bool layingOut = false;
};

// Where the parts of an item's row lie, in client coordinates.
struct TreeItemGeometry {
    CRect row;
    CRect button; // empty when the item shows none
    CRect stateIcon;
    CRect icon;
    CRect label;
};

int ItemHeight(const TreeViewData& data);
// Rows the client area shows whole (at least one).
int PageRows(HWND hwnd, const TreeViewData& data);
// Lays the rows out again when the tree changed, keeping the first row shown where it can,
// and sets the scroll bars.
void UpdateLayout(HWND hwnd, TreeViewData& data);
TreeItemGeometry GeometryOf(HWND hwnd, TreeViewData& data, TreeItem& item, int row);
// The item under `point` (null for none), with the TVHT_* flags.
TreeItem* HitTest(HWND hwnd, TreeViewData& data, POINT point, UINT& flags);
void InvalidateItem(HWND hwnd, TreeViewData& data, TreeItem& item);
void ScrollToRow(HWND hwnd, TreeViewData& data, int row);
void EnsureVisible(HWND hwnd, TreeViewData& data, TreeItem& item, bool byUser);
void PaintTreeView(HWND hwnd, TreeViewData& data);
// State images 1 (unchecked) and 2 (checked) for a tree with check boxes.
HIMAGELIST MakeCheckBoxImages();

// NMTREEVIEW to the parent; its answer.
LRESULT NotifyTree(HWND hwnd, UINT code, UINT action, const TreeItem* oldItem,
                   const TreeItem* newItem, POINT drag = {});
// Moves the caret as TVM_SELECTITEM does; false when the parent refused.
bool SelectCaret(HWND hwnd, TreeViewData& data, TreeItem* item, UINT action);
// TVM_EXPAND; the person's clicks and keys (`byUser`) always notify the parent.
bool ExpandItem(HWND hwnd, TreeViewData& data, TreeItem& item, UINT code, bool byUser);
void ToggleCheck(HWND hwnd, TreeViewData& data, TreeItem& item);

// The person's mouse, keys, focus and scrolling; false for other messages.
bool HandleTreeInput(HWND hwnd, TreeViewData& data, UINT message, WPARAM wParam, LPARAM lParam,
                     LRESULT& result);
