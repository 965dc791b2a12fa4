// What the person does to a list view: clicks that select (Ctrl toggles, Shift extends from
// the selection mark), check boxes that toggle, drags that start, keys that move the focus,
// scrolling, and the focus coming and going, each told to the parent as the system does.

#include "vornui/platform/InputCodes.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/internal/ListViewData.h"
#include "vornui/platform/internal/ScrollBars.h"

#include <algorithm>
#include <cstdlib>

#define LVKF_ALT 0x0001
#define LVKF_CONTROL 0x0002
#define LVKF_SHIFT 0x0004

namespace {

bool SingleSelection(HWND hwnd) {
    return (GetWindowLong(hwnd, GWL_STYLE) & LVS_SINGLESEL) != 0;
}

void SelectOnly(HWND hwnd, ListViewData& data, int index) {
    for (int each = 0; each < data.Count(); ++each)
        if (each != index && (data.Row(each).state & LVIS_SELECTED))
            ListSetState(hwnd, data, each, 0, LVIS_SELECTED);
    if (index >= 0)
        ListSetState(hwnd, data, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void SelectRange(HWND hwnd, ListViewData& data, int index, bool keepOthers) {
    const int anchor = data.Valid(data.anchor) ? data.anchor : index;
    const int low = std::min(anchor, index);
    const int high = std::max(anchor, index);
    for (int each = 0; each < data.Count(); ++each) {
        const bool inside = each >= low && each <= high;
        if (inside)
            ListSetState(hwnd, data, each, LVIS_SELECTED, LVIS_SELECTED);
        else if (!keepOthers && (data.Row(each).state & LVIS_SELECTED))
            ListSetState(hwnd, data, each, 0, LVIS_SELECTED);
    }
    ListSetState(hwnd, data, index, LVIS_FOCUSED, LVIS_FOCUSED);
}

// Selects as a click or key with these modifiers does.
void SelectWith(HWND hwnd, ListViewData& data, int index, bool control, bool shift) {
    if (SingleSelection(hwnd) || (!control && !shift)) {
        SelectOnly(hwnd, data, index);
        data.anchor = index;
    } else if (shift) {
        SelectRange(hwnd, data, index, control);
    } else {
        const UINT selected = data.Row(index).state & LVIS_SELECTED;
        ListSetState(hwnd, data, index, (selected ^ LVIS_SELECTED) | LVIS_FOCUSED,
                     LVIS_SELECTED | LVIS_FOCUSED);
        data.anchor = index;
    }
    ListEnsureVisible(hwnd, data, index);
}

void ToggleCheck(HWND hwnd, ListViewData& data, int index) {
    const UINT image = (data.Row(index).state & LVIS_STATEIMAGEMASK) >> 12;
    ListSetState(hwnd, data, index, INDEXTOSTATEIMAGEMASK(image == 2 ? 1 : 2), LVIS_STATEIMAGEMASK);
}

UINT KeyFlags() {
    UINT flags = 0;
    if (GetKeyState(VK_CONTROL) < 0)
        flags |= LVKF_CONTROL;
    if (GetKeyState(VK_SHIFT) < 0)
        flags |= LVKF_SHIFT;
    if (GetKeyState(VK_MENU) < 0)
        flags |= LVKF_ALT;
    return flags;
}

void NotifyActivate(HWND hwnd, UINT code, const LVHITTESTINFO& hit) {
    NMITEMACTIVATE notice{{hwnd, static_cast<UINT_PTR>(GetDlgCtrlID(hwnd)), code},
                          hit.iItem,
                          hit.iSubItem,
                          0,
                          0,
                          0,
                          hit.pt,
                          0,
                          KeyFlags()};
    SendMessage(GetParent(hwnd), WM_NOTIFY, notice.hdr.idFrom, reinterpret_cast<LPARAM>(&notice));
}

LVHITTESTINFO HitAt(HWND hwnd, const ListViewData& data, POINT point) {
    LVHITTESTINFO hit{point, 0, -1, 0};
    ListHitTest(hwnd, data, hit, true);
    if (!(hit.flags & LVHT_ONITEM))
        hit.iItem = -1;
    return hit;
}

bool OnCheckBox(const ListViewData& data, const LVHITTESTINFO& hit) {
    return (data.extended & LVS_EX_CHECKBOXES) && hit.iItem >= 0 &&
           (hit.flags & LVHT_ONITEMSTATEICON);
}

void OnButtonDown(HWND hwnd, ListViewData& data, POINT point, UINT keys, bool twice) {
    SetFocus(hwnd);
    const LVHITTESTINFO hit = HitAt(hwnd, data, point);
    const bool control = (keys & MK_CONTROL) != 0;
    const bool shift = (keys & MK_SHIFT) != 0;
    if (OnCheckBox(data, hit)) {
        ToggleCheck(hwnd, data, hit.iItem);
    } else if (hit.iItem >= 0) {
        if (!(twice && (data.Row(hit.iItem).state & LVIS_SELECTED) && !control && !shift))
            SelectWith(hwnd, data, hit.iItem, control, shift);
    } else if (!control && !shift) {
        SelectOnly(hwnd, data, -1);
    }
    if (twice) {
        NotifyActivate(hwnd, NM_DBLCLK, hit);
        return;
    }
    data.gesture = ListGesture::pressed;
    data.pressedItem = OnCheckBox(data, hit) ? -1 : hit.iItem;
    data.pressedSubItem = hit.iSubItem;
    data.pressedAt = point;
    data.pressedKeys = keys;
    SetCapture(hwnd);
}

void OnMouseMove(HWND hwnd, ListViewData& data, POINT point) {
    if (data.gesture != ListGesture::pressed || data.pressedItem < 0)
        return;
    if (std::abs(point.x - data.pressedAt.x) <= GetSystemMetrics(SM_CXDRAG) &&
        std::abs(point.y - data.pressedAt.y) <= GetSystemMetrics(SM_CYDRAG))
        return;
    // The drag is the parent's from here; it takes the capture if it wants the mouse.
    data.gesture = ListGesture::dragged;
    ReleaseCapture();
    if (data.Valid(data.pressedItem))
        ListNotify(hwnd, LVN_BEGINDRAG, data.pressedItem, 0, 0, 0, 0, data.pressedAt,
                   data.Row(data.pressedItem).param);
}

void OnButtonUp(HWND hwnd, ListViewData& data) {
    if (data.gesture != ListGesture::pressed)
        return;
    data.gesture = ListGesture::none;
    if (GetCapture() == hwnd)
        ReleaseCapture();
    const LVHITTESTINFO hit{data.pressedAt, 0, data.pressedItem, data.pressedSubItem};
    NotifyActivate(hwnd, NM_CLICK, hit);
}

void OnRightButtonDown(HWND hwnd, ListViewData& data, POINT point) {
    SetFocus(hwnd);
    const LVHITTESTINFO hit = HitAt(hwnd, data, point);
    if (hit.iItem >= 0 && !(data.Row(hit.iItem).state & LVIS_SELECTED))
        SelectWith(hwnd, data, hit.iItem, false, false);
    NotifyActivate(hwnd, NM_RCLICK, hit);
}

int FocusedRow(const ListViewData& data) {
    return ListNextItem(data, -1, LVNI_FOCUSED);
}

void OnKeyDown(HWND hwnd, ListViewData& data, UINT key) {
    NMLVKEYDOWN notice{
        {hwnd, static_cast<UINT_PTR>(GetDlgCtrlID(hwnd)), LVN_KEYDOWN}, static_cast<WORD>(key), 0};
    SendMessage(GetParent(hwnd), WM_NOTIFY, notice.hdr.idFrom, reinterpret_cast<LPARAM>(&notice));
    if (!data.Count())
        return;
    const int focused = FocusedRow(data);
    const int page = ListRowsPerPage(hwnd, data);
    int target = -1;
    switch (key) {
    case VK_UP:
        target = std::max(0, focused - 1);
        break;
    case VK_DOWN:
        target = std::min(data.Count() - 1, focused + 1);
        break;
    case VK_PRIOR:
        target = std::max(0, focused - page);
        break;
    case VK_NEXT:
        target = std::min(data.Count() - 1, std::max(0, focused) + page);
        break;
    case VK_HOME:
        target = 0;
        break;
    case VK_END:
        target = data.Count() - 1;
        break;
    case VK_SPACE:
        if (focused >= 0 && (data.extended & LVS_EX_CHECKBOXES))
            ToggleCheck(hwnd, data, focused);
        else if (focused >= 0)
            SelectWith(hwnd, data, focused, GetKeyState(VK_CONTROL) < 0, false);
        return;
    default:
        return;
    }
    const bool control = GetKeyState(VK_CONTROL) < 0;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    if (control && !shift) {
        ListSetState(hwnd, data, target, LVIS_FOCUSED, LVIS_FOCUSED);
        ListEnsureVisible(hwnd, data, target);
    } else {
        SelectWith(hwnd, data, target, false, shift);
    }
}

void OnScroll(HWND hwnd, ListViewData& data, bool vertical, WPARAM wParam) {
    if (LOWORD(wParam) > SB_BOTTOM)
        return;
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(hwnd, vertical ? SB_VERT : SB_HORZ, &info);
    const int current = vertical ? data.top : data.scrollX;
    const int position = ScrollRequestTarget(wParam, current, vertical ? 1 : 16, info);
    if (vertical)
        ListSetTop(hwnd, data, position);
    else
        ListScrollHorizontally(hwnd, data, position);
}

void OnFocus(HWND hwnd, ListViewData& data, bool gained) {
    data.focused = gained;
    // Only the selection and the focus change how they look.
    for (int each = 0; each < data.Count(); ++each) {
        RECT area;
        if ((data.Row(each).state & (LVIS_SELECTED | LVIS_FOCUSED)) &&
            ListItemRect(hwnd, data, each, 0, LVIR_SELECTBOUNDS, area))
            InvalidateRect(hwnd, &area, TRUE);
    }
    NMHDR header{hwnd, static_cast<UINT_PTR>(GetDlgCtrlID(hwnd)),
                 static_cast<UINT>(gained ? NM_SETFOCUS : NM_KILLFOCUS)};
    SendMessage(GetParent(hwnd), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

} // namespace

bool ListInput(HWND hwnd, ListViewData& data, UINT message, WPARAM wParam, LPARAM lParam,
               LRESULT& result) {
    result = 0;
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnButtonDown(hwnd, data, CPoint(lParam), static_cast<UINT>(wParam),
                     message == WM_LBUTTONDBLCLK);
        return true;
    case WM_MOUSEMOVE:
        OnMouseMove(hwnd, data, CPoint(lParam));
        return true;
    case WM_LBUTTONUP:
        OnButtonUp(hwnd, data);
        return true;
    case WM_CAPTURECHANGED:
        if (data.gesture == ListGesture::pressed && reinterpret_cast<HWND>(lParam) != hwnd)
            data.gesture = ListGesture::none;
        return true;
    case WM_RBUTTONDOWN:
        OnRightButtonDown(hwnd, data, CPoint(lParam));
        return true;
    case WM_KEYDOWN:
        OnKeyDown(hwnd, data, static_cast<UINT>(wParam));
        return true;
    case WM_GETDLGCODE:
        result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return true;
    case WM_VSCROLL:
    case WM_HSCROLL:
        OnScroll(hwnd, data, message == WM_VSCROLL, wParam);
        return true;
    case WM_MOUSEWHEEL:
        ListSetTop(hwnd, data, data.top - 3 * static_cast<short>(HIWORD(wParam)) / WHEEL_DELTA);
        return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        OnFocus(hwnd, data, message == WM_SETFOCUS);
        return true;
    default:
        return false;
    }
}
