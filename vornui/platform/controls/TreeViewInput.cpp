// What the tree view does with the person's mouse and keys: buttons open and close
// branches, a click moves the caret, a press that moves on starts a drag, the arrows walk
// the visible items; and scrolling.

#include "vornui/platform/DesktopInput.h"
#include "vornui/platform/DialogManager.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/internal/ControlNotify.h"
#include "vornui/platform/internal/MouseTracking.h"
#include "vornui/platform/internal/ScrollBars.h"
#include "vornui/platform/internal/TreeViewWindow.h"
#include "vornui/platform/internal/WindowInternals.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kWheelLines = 3;

bool Beyond(POINT from, POINT to) {
    return std::abs(to.x - from.x) > GetSystemMetrics(SM_CXDRAG) ||
           std::abs(to.y - from.y) > GetSystemMetrics(SM_CYDRAG);
}

// Follows the held button: a move beyond the drag distance starts a drag of `item`, a
// release is a click.
void TrackPress(HWND hwnd, TreeViewData& data, TreeItem* item, POINT client, bool left) {
    POINT pressed = client;
    ClientToScreen(hwnd, &pressed);
    const HTREEITEM handle = item ? item->handle : nullptr;
    bool dragged = false;
    POINT released{};
    TrackMouseUntilRelease(
        hwnd,
        [&](POINT screen) {
            if (dragged || !handle || !Beyond(pressed, screen))
                return;
            dragged = true;
            ReleaseCapture();
            if (!(StyleOf(hwnd) & TVS_DISABLEDRAGDROP))
                NotifyTree(hwnd, left ? TVN_BEGINDRAG : TVN_BEGINRDRAG, 0, nullptr,
                           data.items.Find(handle), client);
        },
        released);
    if (dragged || !IsWindow(hwnd))
        return;
    if (left) {
        NotifyParentHeader(hwnd, NM_CLICK);
    } else if (!NotifyParentHeader(hwnd, NM_RCLICK)) {
        SendMessage(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd),
                    MAKELPARAM(released.x, released.y));
    }
}

bool Selectable(HWND hwnd, UINT flags) {
    if (flags & TVHT_ONITEM)
        return true;
    return (StyleOf(hwnd) & TVS_FULLROWSELECT) && (flags & (TVHT_ONITEMINDENT | TVHT_ONITEMRIGHT));
}

void OnButtonDown(HWND hwnd, TreeViewData& data, POINT point, bool left) {
    if (GetFocus() != hwnd)
        SetFocus(hwnd);
    UINT flags = 0;
    TreeItem* item = HitTest(hwnd, data, point, flags);
    if (left && item && (flags & TVHT_ONITEMBUTTON)) {
        ExpandItem(hwnd, data, *item, TVE_TOGGLE, true);
        return;
    }
    if (left && item && (flags & TVHT_ONITEMSTATEICON) && (StyleOf(hwnd) & TVS_CHECKBOXES)) {
        ToggleCheck(hwnd, data, *item);
        NotifyParentHeader(hwnd, NM_CLICK);
        return;
    }
    if (!item || !Selectable(hwnd, flags)) {
        TrackPress(hwnd, data, nullptr, point, left);
        return;
    }
    const HTREEITEM handle = item->handle;
    if (left)
        SelectCaret(hwnd, data, item, TVC_BYMOUSE);
    TrackPress(hwnd, data, data.items.Find(handle), point, left);
}

void OnDoubleClick(HWND hwnd, TreeViewData& data, POINT point, bool left) {
    UINT flags = 0;
    TreeItem* item = HitTest(hwnd, data, point, flags);
    if (!left) {
        NotifyParentHeader(hwnd, NM_RDBLCLK);
        return;
    }
    if (item && (flags & TVHT_ONITEMBUTTON)) {
        ExpandItem(hwnd, data, *item, TVE_TOGGLE, true);
        return;
    }
    const HTREEITEM handle = item ? item->handle : nullptr;
    if (!NotifyParentHeader(hwnd, NM_DBLCLK) && handle && Selectable(hwnd, flags))
        if (TreeItem* still = data.items.Find(handle))
            ExpandItem(hwnd, data, *still, TVE_TOGGLE, true);
}

// Where a key moves the caret from `caret`; null when it stays.
TreeItem* KeyTarget(HWND hwnd, TreeViewData& data, TreeItem& caret, WPARAM key) {
    const int page = PageRows(hwnd, data);
    TreeItem* target = &caret;
    switch (key) {
    case VK_UP:
        return TreeItems::PrevVisible(caret);
    case VK_DOWN:
        return TreeItems::NextVisible(caret);
    case VK_HOME:
        return data.items.Root().firstChild;
    case VK_END:
        return data.items.LastVisible();
    case VK_PRIOR:
        for (int step = 1; step < page && TreeItems::PrevVisible(*target); ++step)
            target = TreeItems::PrevVisible(*target);
        return target;
    case VK_NEXT:
        for (int step = 1; step < page && TreeItems::NextVisible(*target); ++step)
            target = TreeItems::NextVisible(*target);
        return target;
    case VK_LEFT:
        if (caret.Expanded() && caret.firstChild) {
            ExpandItem(hwnd, data, caret, TVE_COLLAPSE, true);
            return nullptr;
        }
        return caret.parent && caret.parent->level >= 0 ? caret.parent : nullptr;
    case VK_RIGHT:
        if (caret.HasChildIndicator() && !caret.Expanded()) {
            ExpandItem(hwnd, data, caret, TVE_EXPAND, true);
            return nullptr;
        }
        return caret.Expanded() ? caret.firstChild : nullptr;
    default:
        return nullptr;
    }
}

void OnKeyDown(HWND hwnd, TreeViewData& data, WPARAM key) {
    NMTVKEYDOWN notice{
        {hwnd, static_cast<UINT_PTR>(GetDlgCtrlID(hwnd)), TVN_KEYDOWN}, static_cast<WORD>(key), 0};
    SendMessage(GetParent(hwnd), WM_NOTIFY, notice.hdr.idFrom, reinterpret_cast<LPARAM>(&notice));
    if (key == VK_RETURN) {
        NotifyParentHeader(hwnd, NM_RETURN);
        return;
    }
    // With Ctrl the arrows scroll and leave the caret where it is.
    if (GetKeyState(VK_CONTROL) < 0 && key >= VK_LEFT && key <= VK_DOWN) {
        const bool vertical = key == VK_UP || key == VK_DOWN;
        const bool back = key == VK_UP || key == VK_LEFT;
        SendMessage(hwnd, vertical ? WM_VSCROLL : WM_HSCROLL, back ? SB_LINEUP : SB_LINEDOWN, 0);
        return;
    }
    TreeItem* caret = data.caret;
    if (!caret) {
        // Without a caret, the keys that walk start at the first item.
        const bool walks = (key >= VK_PRIOR && key <= VK_DOWN);
        if (TreeItem* first = data.items.Root().firstChild; first && walks)
            SelectCaret(hwnd, data, first, TVC_BYKEYBOARD);
        return;
    }
    switch (key) {
    case VK_SPACE:
        if (StyleOf(hwnd) & TVS_CHECKBOXES)
            ToggleCheck(hwnd, data, *caret);
        return;
    case VK_ADD:
    case VK_SUBTRACT:
        ExpandItem(hwnd, data, *caret, key == VK_ADD ? TVE_EXPAND : TVE_COLLAPSE, true);
        return;
    default:
        if (TreeItem* target = KeyTarget(hwnd, data, *caret, key))
            SelectCaret(hwnd, data, target, TVC_BYKEYBOARD);
    }
}

void OnVScroll(HWND hwnd, TreeViewData& data, WPARAM wParam) {
    UpdateLayout(hwnd, data);
    // The rows as the bar shows them, also while redrawing is off and the bar lags behind.
    SCROLLINFO rows{sizeof rows, SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
    rows.nMax = std::max(0, static_cast<int>(data.items.Rows().size()) - 1);
    rows.nPage = static_cast<UINT>(PageRows(hwnd, data));
    ScrollToRow(hwnd, data, ScrollRequestTarget(wParam, data.topRow, 1, rows));
}

void OnHScroll(HWND hwnd, TreeViewData& data, WPARAM wParam) {
    UpdateLayout(hwnd, data);
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
    GetScrollInfo(hwnd, SB_HORZ, &info);
    const int x = std::clamp(ScrollRequestTarget(wParam, data.scrollX, data.indent, info), 0,
                             std::max(0, info.nMax + 1 - static_cast<int>(info.nPage)));
    if (x == data.scrollX)
        return;
    data.scrollX = x;
    SetScrollPos(hwnd, SB_HORZ, x, TRUE);
    InvalidateRect(hwnd, nullptr, TRUE);
}

void OnFocusChange(HWND hwnd, TreeViewData& data, UINT code) {
    if (data.caret)
        InvalidateItem(hwnd, data, *data.caret);
    NotifyParentHeader(hwnd, code);
}

} // namespace

bool HandleTreeInput(HWND hwnd, TreeViewData& data, UINT message, WPARAM wParam, LPARAM lParam,
                     LRESULT& result) {
    result = 0;
    const POINT point{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
    switch (message) {
    case WM_GETDLGCODE:
        result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        OnButtonDown(hwnd, data, point, message == WM_LBUTTONDOWN);
        return true;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
        OnDoubleClick(hwnd, data, point, message == WM_LBUTTONDBLCLK);
        return true;
    case WM_KEYDOWN:
        OnKeyDown(hwnd, data, wParam);
        return true;
    case WM_VSCROLL:
        OnVScroll(hwnd, data, wParam);
        return true;
    case WM_HSCROLL:
        OnHScroll(hwnd, data, wParam);
        return true;
    case WM_MOUSEWHEEL: {
        const int notches = static_cast<SHORT>(HIWORD(wParam)) / WHEEL_DELTA;
        ScrollToRow(hwnd, data, data.topRow - notches * kWheelLines);
        return true;
    }
    case WM_SETFOCUS:
        OnFocusChange(hwnd, data, NM_SETFOCUS);
        return true;
    case WM_KILLFOCUS:
        OnFocusChange(hwnd, data, NM_KILLFOCUS);
        return true;
    default:
        return false;
    }
}
