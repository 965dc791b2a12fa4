// The "SysTreeView32" window procedure: the TVM_* messages, and what the tree tells its
// parent when its caret moves, items open and close or go away.

#include "vornui/platform/internal/TreeViewWindow.h"

#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/internal/ControlProcedure.h"
#include "vornui/platform/internal/WindowClass.h"
#include "vornui/platform/internal/WindowInternals.h"

#include <algorithm>
#include <cstring>

namespace {

TVITEM Described(const TreeItem* item) {
    TVITEM described{};
    if (item) {
        described.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM;
        described.hItem = item->handle;
        described.state = item->state;
        described.lParam = item->param;
    }
    return described;
}

void CopyItemOut(const TreeItem& item, TVITEM& out) {
    if ((out.mask & TVIF_TEXT) && out.pszText && out.cchTextMax > 0) {
        const size_t length = std::min<size_t>(item.text.GetLength(), out.cchTextMax - 1);
        std::memcpy(out.pszText, item.text.GetString(), length);
        out.pszText[length] = '\0';
    }
    if (out.mask & TVIF_IMAGE)
        out.iImage = item.image;
    if (out.mask & TVIF_SELECTEDIMAGE)
        out.iSelectedImage = item.selectedImage;
    if (out.mask & TVIF_PARAM)
        out.lParam = item.param;
    if (out.mask & TVIF_STATE)
        out.state = item.state & out.stateMask;
    if (out.mask & TVIF_CHILDREN)
        out.cChildren = item.HasChildIndicator() ? 1 : 0;
}

void ApplyItem(const TVITEM& in, TreeItem& item) {
    if ((in.mask & TVIF_TEXT) && in.pszText) {
        item.text = in.pszText;
        item.labelWidth = -1;
    }
    if (in.mask & TVIF_IMAGE)
        item.image = in.iImage;
    if (in.mask & TVIF_SELECTEDIMAGE)
        item.selectedImage = in.iSelectedImage;
    if (in.mask & TVIF_PARAM)
        item.param = in.lParam;
    if (in.mask & TVIF_STATE)
        item.state = (item.state & ~in.stateMask) | (in.state & in.stateMask);
    if (in.mask & TVIF_CHILDREN)
        item.children = in.cChildren != 0 ? 1 : 0;
}

LRESULT InsertItem(HWND hwnd, TreeViewData& data, const TVINSERTSTRUCT* insert) {
    if (!insert)
        return 0;
    TreeItem* parent = data.items.FindParent(insert->hParent);
    if (!parent)
        return 0;
    const bool hadChildren = parent->firstChild != nullptr;
    const CString text(
        (insert->item.mask & TVIF_TEXT) && insert->item.pszText ? insert->item.pszText : "");
    TreeItem* item = data.items.Insert(*parent, insert->hInsertAfter, text);
    if (!item)
        return 0;
    TVITEM fields = insert->item;
    fields.mask &= ~TVIF_TEXT;
    ApplyItem(fields, *item);
    // The tree keeps the expansion bits itself; a tree with check boxes starts unchecked.
    item->state &= ~(TVIS_EXPANDEDONCE | TVIS_SELECTED);
    if ((StyleOf(hwnd) & TVS_CHECKBOXES) && !(item->state & TVIS_STATEIMAGEMASK))
        item->state |= INDEXTOSTATEIMAGEMASK(1);
    if (data.redraw && (TreeItems::IsVisible(*item) || !hadChildren))
        InvalidateRect(hwnd, nullptr, TRUE);
    return reinterpret_cast<LRESULT>(item->handle);
}

// The caret's neighbour that stays when `gone` is deleted with its descendants.
TreeItem* CaretAfterDeletion(TreeItem& gone) {
    if (gone.next)
        return gone.next;
    if (gone.prev)
        return gone.prev;
    return gone.parent && gone.parent->level >= 0 ? gone.parent : nullptr;
}

BOOL DeleteItem(HWND hwnd, TreeViewData& data, HTREEITEM handle) {
    const bool all = !handle || handle == TVI_ROOT;
    TreeItem* item = all ? &data.items.Root() : data.items.Find(handle);
    if (!item)
        return FALSE;
    if (!all && data.caret && (data.caret == item || TreeItems::IsDescendant(*data.caret, *item)))
        SelectCaret(hwnd, data, CaretAfterDeletion(*item), TVC_UNKNOWN);
    data.items.Delete(*item, [&](TreeItem& gone) {
        NotifyTree(hwnd, TVN_DELETEITEM, 0, &gone, nullptr);
        if (data.caret == &gone)
            data.caret = nullptr;
        if (data.dropHilite == &gone)
            data.dropHilite = nullptr;
        if (data.top == &gone)
            data.top = nullptr;
    });
    if (data.redraw)
        InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

TreeItem* NextItem(HWND hwnd, TreeViewData& data, TreeItem* item, UINT code) {
    switch (code) {
    case TVGN_ROOT:
        return data.items.Root().firstChild;
    case TVGN_CARET:
        return data.caret;
    case TVGN_DROPHILITE:
        return data.dropHilite;
    case TVGN_FIRSTVISIBLE:
        UpdateLayout(hwnd, data);
        return data.top;
    case TVGN_LASTVISIBLE:
        return data.items.LastVisible();
    case TVGN_CHILD:
        return item ? item->firstChild : data.items.Root().firstChild;
    default:
        break;
    }
    if (!item)
        return nullptr;
    switch (code) {
    case TVGN_NEXT:
        return item->next;
    case TVGN_PREVIOUS:
        return item->prev;
    case TVGN_PARENT:
        return item->parent && item->parent->level >= 0 ? item->parent : nullptr;
    case TVGN_NEXTVISIBLE:
        return TreeItems::IsVisible(*item) ? TreeItems::NextVisible(*item) : nullptr;
    case TVGN_PREVIOUSVISIBLE:
        return TreeItems::IsVisible(*item) ? TreeItems::PrevVisible(*item) : nullptr;
    default:
        return nullptr;
    }
}

LRESULT SelectMessage(HWND hwnd, TreeViewData& data, UINT code, HTREEITEM handle) {
    TreeItem* item = data.items.Find(handle);
    if (handle && !item)
        return FALSE;
    switch (code & ~0x8000u) {
    case TVGN_CARET:
        return SelectCaret(hwnd, data, item, TVC_UNKNOWN);
    case TVGN_DROPHILITE:
        if (data.dropHilite)
            InvalidateItem(hwnd, data, *data.dropHilite);
        data.dropHilite = item;
        if (item)
            InvalidateItem(hwnd, data, *item);
        return TRUE;
    case TVGN_FIRSTVISIBLE:
        if (!item)
            return FALSE;
        EnsureVisible(hwnd, data, *item, false);
        ScrollToRow(hwnd, data, data.items.RowOf(*item));
        return TRUE;
    default:
        return FALSE;
    }
}

LRESULT ItemRectMessage(HWND hwnd, TreeViewData& data, BOOL textOnly, RECT* rect) {
    if (!rect)
        return FALSE;
    HTREEITEM handle;
    std::memcpy(&handle, rect, sizeof handle);
    TreeItem* item = data.items.Find(handle);
    if (!item)
        return FALSE;
    UpdateLayout(hwnd, data);
    const int row = data.items.RowOf(*item);
    if (row < 0)
        return FALSE;
    const TreeItemGeometry geometry = GeometryOf(hwnd, data, *item, row);
    *rect = textOnly ? geometry.label : geometry.row;
    return TRUE;
}

LRESULT SetImageList(HWND hwnd, TreeViewData& data, WPARAM which, LPARAM list) {
    HIMAGELIST& slot = which == TVSIL_STATE ? data.stateImages : data.normalImages;
    HIMAGELIST previous = slot;
    slot = reinterpret_cast<HIMAGELIST>(list);
    data.items.MarkRowsChanged();
    if (data.redraw)
        InvalidateRect(hwnd, nullptr, TRUE);
    return reinterpret_cast<LRESULT>(previous);
}

LRESULT ItemMessage(HWND hwnd, TreeViewData& data, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case TVM_INSERTITEM:
        return InsertItem(hwnd, data, reinterpret_cast<const TVINSERTSTRUCT*>(lParam));
    case TVM_DELETEITEM:
        return DeleteItem(hwnd, data, reinterpret_cast<HTREEITEM>(lParam));
    case TVM_GETITEM: {
        auto* out = reinterpret_cast<TVITEM*>(lParam);
        const TreeItem* item = out ? data.items.Find(out->hItem) : nullptr;
        if (!item)
            return FALSE;
        CopyItemOut(*item, *out);
        return TRUE;
    }
    case TVM_SETITEM: {
        const auto* in = reinterpret_cast<const TVITEM*>(lParam);
        TreeItem* item = in ? data.items.Find(in->hItem) : nullptr;
        if (!item)
            return FALSE;
        const bool wasExpanded = item->Expanded();
        ApplyItem(*in, *item);
        if (item->Expanded() != wasExpanded)
            data.items.MarkRowsChanged();
        InvalidateItem(hwnd, data, *item);
        return TRUE;
    }
    case TVM_GETITEMSTATE: {
        const TreeItem* item = data.items.Find(reinterpret_cast<HTREEITEM>(wParam));
        return item ? static_cast<LRESULT>(item->state & static_cast<UINT>(lParam)) : 0;
    }
    case TVM_GETNEXTITEM: {
        TreeItem* from = data.items.Find(reinterpret_cast<HTREEITEM>(lParam));
        const TreeItem* found = NextItem(hwnd, data, from, static_cast<UINT>(wParam));
        return found ? reinterpret_cast<LRESULT>(found->handle) : 0;
    }
    case TVM_SELECTITEM:
        return SelectMessage(hwnd, data, static_cast<UINT>(wParam),
                             reinterpret_cast<HTREEITEM>(lParam));
    case TVM_EXPAND: {
        TreeItem* item = data.items.Find(reinterpret_cast<HTREEITEM>(lParam));
        return item && ExpandItem(hwnd, data, *item, static_cast<UINT>(wParam), false);
    }
    case TVM_ENSUREVISIBLE: {
        TreeItem* item = data.items.Find(reinterpret_cast<HTREEITEM>(lParam));
        if (item)
            EnsureVisible(hwnd, data, *item, false);
        return item != nullptr;
    }
    case TVM_SORTCHILDREN: {
        TreeItem* parent = data.items.FindParent(reinterpret_cast<HTREEITEM>(lParam));
        if (!parent)
            return FALSE;
        data.items.SortChildren(*parent, wParam != 0);
        if (data.redraw)
            InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    }
    default:
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

LRESULT TreeMessage(HWND hwnd, TreeViewData& data, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case TVM_GETCOUNT:
        return data.items.Count();
    case TVM_GETINDENT:
        return data.indent;
    case TVM_SETINDENT:
        data.indent = std::max(static_cast<int>(wParam), 4);
        data.items.MarkRowsChanged();
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case TVM_GETIMAGELIST:
        return reinterpret_cast<LRESULT>(wParam == TVSIL_STATE ? data.stateImages
                                                               : data.normalImages);
    case TVM_SETIMAGELIST:
        return SetImageList(hwnd, data, wParam, lParam);
    case TVM_GETITEMRECT:
        return ItemRectMessage(hwnd, data, static_cast<BOOL>(wParam),
                               reinterpret_cast<RECT*>(lParam));
    case TVM_GETVISIBLECOUNT:
        return PageRows(hwnd, data);
    case TVM_HITTEST: {
        auto* info = reinterpret_cast<TVHITTESTINFO*>(lParam);
        if (!info)
            return 0;
        const TreeItem* item = HitTest(hwnd, data, info->pt, info->flags);
        info->hItem = item ? item->handle : nullptr;
        return reinterpret_cast<LRESULT>(info->hItem);
    }
    case TVM_GETITEMHEIGHT:
        return ItemHeight(data);
    case TVM_SETITEMHEIGHT: {
        const int previous = ItemHeight(data);
        data.itemHeight = static_cast<int>(static_cast<short>(LOWORD(wParam)));
        data.items.MarkRowsChanged();
        InvalidateRect(hwnd, nullptr, TRUE);
        return previous;
    }
    case TVM_GETBKCOLOR:
        return data.background == CLR_NONE ? static_cast<LRESULT>(-1) : data.background;
    case TVM_SETBKCOLOR:
    case TVM_SETTEXTCOLOR: {
        COLORREF& color = message == TVM_SETBKCOLOR ? data.background : data.textColor;
        const COLORREF previous = color;
        color = static_cast<COLORREF>(lParam) == static_cast<COLORREF>(-1)
                    ? CLR_NONE
                    : static_cast<COLORREF>(lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return previous == CLR_NONE ? static_cast<LRESULT>(-1) : previous;
    }
    case TVM_GETTEXTCOLOR:
        return data.textColor == CLR_NONE ? static_cast<LRESULT>(-1) : data.textColor;
    default:
        return ItemMessage(hwnd, data, message, wParam, lParam);
    }
}

bool IsTreeViewMessage(UINT message) {
    return message >= TV_FIRST && message < TV_FIRST + 0x100;
}

LRESULT HandleTreeMessage(HWND hwnd, TreeViewData& data, UINT message, WPARAM wParam,
                          LPARAM lParam) {
    // Programs that walk or change many items send the TVM_* messages by the hundred
    // thousand: they go straight to their handlers, past the window's and the person's.
    if (IsTreeViewMessage(message))
        return TreeMessage(hwnd, data, message, wParam, lParam);
    switch (message) {
    case WM_PAINT:
        PaintTreeView(hwnd, data);
        return 0;
    case WM_ERASEBKGND:
        return 1; // painted whole with WM_PAINT
    case WM_SETREDRAW:
        data.redraw = wParam != 0;
        DefWindowProc(hwnd, message, wParam, lParam);
        if (data.redraw) {
            data.items.MarkRowsChanged();
            UpdateLayout(hwnd, data);
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return 0;
    case WM_CREATE:
        if (StyleOf(hwnd) & TVS_CHECKBOXES)
            data.stateImages = data.checkBoxes = MakeCheckBoxImages();
        return 0;
    case WM_SETFONT: {
        // The window keeps the font first: the labels are measured again with it.
        const LRESULT result = DefWindowProc(hwnd, message, wParam, lParam);
        data.items.ForgetLabelWidths();
        UpdateLayout(hwnd, data);
        return result;
    }
    case WM_SIZE:
        data.items.MarkRowsChanged();
        UpdateLayout(hwnd, data);
        return DefWindowProc(hwnd, message, wParam, lParam);
    case WM_DESTROY:
        DeleteItem(hwnd, data, TVI_ROOT);
        return 0;
    default: {
        LRESULT result = 0;
        if (HandleTreeInput(hwnd, data, message, wParam, lParam, result))
            return result;
        return TreeMessage(hwnd, data, message, wParam, lParam);
    }
    }
}

const SystemClass kTreeViewClass(WC_TREEVIEW, ControlProcedure<TreeViewData, HandleTreeMessage>,
                                 CS_DBLCLKS);

} // namespace

LRESULT NotifyTree(HWND hwnd, UINT code, UINT action, const TreeItem* oldItem,
                   const TreeItem* newItem, POINT drag) {
    NMTREEVIEW notice{};
    notice.hdr = {hwnd, static_cast<UINT_PTR>(GetDlgCtrlID(hwnd)), code};
    notice.action = action;
    notice.itemOld = Described(oldItem);
    notice.itemNew = Described(newItem);
    notice.ptDrag = drag;
    return SendMessage(GetParent(hwnd), WM_NOTIFY, notice.hdr.idFrom,
                       reinterpret_cast<LPARAM>(&notice));
}

bool SelectCaret(HWND hwnd, TreeViewData& data, TreeItem* item, UINT action) {
    if (item == data.caret) {
        if (item)
            EnsureVisible(hwnd, data, *item, false);
        return true;
    }
    const HTREEITEM wanted = item ? item->handle : nullptr;
    if (NotifyTree(hwnd, TVN_SELCHANGING, action, data.caret, item))
        return false;
    // The parent may have changed the tree while it was asked.
    item = data.items.Find(wanted);
    if (wanted && !item)
        return false;
    TreeItem* old = data.caret;
    if (old) {
        old->state &= ~TVIS_SELECTED;
        InvalidateItem(hwnd, data, *old);
    }
    data.caret = item;
    if (item) {
        item->state |= TVIS_SELECTED;
        EnsureVisible(hwnd, data, *item, false);
        InvalidateItem(hwnd, data, *item);
    }
    NotifyTree(hwnd, TVN_SELCHANGED, action, old, item);
    return true;
}

bool ExpandItem(HWND hwnd, TreeViewData& data, TreeItem& item, UINT code, bool byUser) {
    UINT action = code & TVE_ACTIONMASK;
    if (action == TVE_TOGGLE)
        action = item.Expanded() ? TVE_COLLAPSE : TVE_EXPAND;
    if (action == 0)
        return false;
    const bool expand = action == TVE_EXPAND;
    if (expand && (item.Expanded() || !item.HasChildIndicator()))
        return item.Expanded();
    if (!expand && !item.Expanded() && !(code & TVE_COLLAPSERESET))
        return false;
    // Once an item has been opened, TVM_EXPAND no longer tells the parent.
    const bool notify = byUser || !(item.state & TVIS_EXPANDEDONCE);
    const HTREEITEM handle = item.handle;
    const UINT notifiedAction = action | (code & TVE_COLLAPSERESET);
    if (notify && NotifyTree(hwnd, TVN_ITEMEXPANDING, notifiedAction, nullptr, &item))
        return false;
    TreeItem* still = data.items.Find(handle);
    if (!still)
        return false;
    if (expand) {
        still->state |= TVIS_EXPANDED | TVIS_EXPANDEDONCE;
    } else {
        still->state &= ~TVIS_EXPANDED;
        if (data.caret && TreeItems::IsDescendant(*data.caret, *still))
            SelectCaret(hwnd, data, still, TVC_UNKNOWN);
        if (code & TVE_COLLAPSERESET) {
            still->state &= ~TVIS_EXPANDEDONCE;
            while (still->firstChild)
                DeleteItem(hwnd, data, still->firstChild->handle);
        }
    }
    data.items.MarkRowsChanged();
    if (data.redraw)
        InvalidateRect(hwnd, nullptr, TRUE);
    if (notify)
        NotifyTree(hwnd, TVN_ITEMEXPANDED, notifiedAction, nullptr, still);
    return true;
}

void ToggleCheck(HWND hwnd, TreeViewData& data, TreeItem& item) {
    const UINT image = (item.state & TVIS_STATEIMAGEMASK) >> 12;
    item.state = (item.state & ~TVIS_STATEIMAGEMASK) | INDEXTOSTATEIMAGEMASK(image == 2 ? 1u : 2u);
    InvalidateItem(hwnd, data, item);
}
