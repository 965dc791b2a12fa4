#include "vornui/platform/ListBox.h"

#include "vornui/platform/Screen.h"
#include "vornui/platform/internal/ControlFont.h"
#include "vornui/platform/internal/ControlNotify.h"
#include "vornui/platform/internal/ControlPaint.h"
#include "vornui/platform/internal/ControlProcedure.h"
#include "vornui/platform/internal/ListItems.h"
#include "vornui/platform/internal/ReflectedItems.h"
#include "vornui/platform/internal/ScrollBars.h"
#include "vornui/platform/internal/WindowClass.h"
#include "vornui/platform/internal/WindowRecord.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr ItemQueryCodes kQueries{LB_GETCOUNT,    LB_GETTEXT,    LB_GETTEXTLEN,
                                  LB_GETITEMDATA, LB_FINDSTRING, LB_FINDSTRINGEXACT};

struct ListBoxData : ControlData {
    ListItems items;
    int current = -1; // single selection: the selected item; else the caret
    int anchor = -1;
    int top = 0;
    int itemHeight = ControlFontMetrics().height;
    int horizontalExtent = 0;
    int scrollX = 0;            // pixels the items are scrolled left
    bool horizontalBar = false; // made with WS_HSCROLL: the extent may show the bar
    bool verticalBar = false;   // made with WS_VSCROLL: shown while there is more to scroll
    std::vector<int> tabStops;  // pixels; empty: every eight average characters
};

bool IsOwnerDrawn(HWND hwnd) {
    return (StyleOf(hwnd) & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

bool IsVariable(HWND hwnd) {
    return (StyleOf(hwnd) & LBS_OWNERDRAWVARIABLE) != 0;
}

// An owner-drawn list without LBS_HASSTRINGS keeps the values it is given as item data.
bool KeepsData(HWND hwnd) {
    return IsOwnerDrawn(hwnd) && !(StyleOf(hwnd) & LBS_HASSTRINGS);
}

bool IsMultiple(HWND hwnd) {
    return (StyleOf(hwnd) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
}

void Notify(HWND hwnd, UINT code) {
    if (StyleOf(hwnd) & LBS_NOTIFY)
        NotifyParent(hwnd, code);
}

RowHeights RowsOf(HWND hwnd, const ListBoxData& data) {
    return RowHeights{data.itemHeight, IsVariable(hwnd)};
}

int HeightOf(HWND hwnd, const ListBoxData& data, int index) {
    return data.items.RowHeight(RowsOf(hwnd, data), index);
}

// The rows from the top item down that the client area shows whole (at least one).
int VisibleCount(HWND hwnd, const ListBoxData& data) {
    RECT client;
    GetClientRect(hwnd, &client);
    return data.items.RowsFitting(RowsOf(hwnd, data), data.top, client.bottom);
}

// The item's rectangle in client coordinates (above the client area for items above the
// top one).
CRect ItemRect(HWND hwnd, const ListBoxData& data, int index) {
    RECT client;
    GetClientRect(hwnd, &client);
    const int top = data.items.RowOffset(RowsOf(hwnd, data), data.top, index);
    const int width = std::max(static_cast<int>(client.right), data.horizontalExtent);
    return CRect(-data.scrollX, top, width - data.scrollX, top + HeightOf(hwnd, data, index));
}

// A list box shows whole rows: it shrinks to the last one that fits, as the system's does,
// unless it was made with LBS_NOINTEGRALHEIGHT or is smaller than a row.
void FitWholeRows(HWND hwnd, const ListBoxData& data) {
    if (StyleOf(hwnd) & LBS_NOINTEGRALHEIGHT)
        return;
    RECT client;
    GetClientRect(hwnd, &client);
    const int height = static_cast<int>(client.bottom);
    const int cut = height - WholeRowsHeight(RowsOf(hwnd, data), height);
    if (cut == 0 || height <= data.itemHeight)
        return;
    RECT window;
    GetWindowRect(hwnd, &window);
    SetWindowPos(hwnd, nullptr, 0, 0, window.right - window.left, window.bottom - window.top - cut,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The horizontal bar of a box made with WS_HSCROLL shows while the extent is wider than the
// box, and scrolls the items across it.
void UpdateHorizontalBar(HWND hwnd, ListBoxData& data) {
    if (!data.horizontalBar)
        return;
    RECT client;
    GetClientRect(hwnd, &client);
    const int width = static_cast<int>(client.right);
    ShowScrollBar(hwnd, SB_HORZ, data.horizontalExtent > width);
    data.scrollX = std::clamp(data.scrollX, 0, std::max(0, data.horizontalExtent - width));
    SCROLLINFO info{sizeof info,
                    SIF_RANGE | SIF_PAGE | SIF_POS,
                    0,
                    std::max(0, data.horizontalExtent - 1),
                    static_cast<UINT>(std::max(0, width)),
                    data.scrollX,
                    0};
    SetScrollInfo(hwnd, SB_HORZ, &info, TRUE);
    InvalidateRect(hwnd, nullptr, TRUE);
}

// The bar hides while every item shows, unless LBS_DISABLENOSCROLL keeps it, disabled.
void UpdateScrollBar(HWND hwnd, const ListBoxData& data) {
    if (!data.verticalBar) {
        InvalidateRect(hwnd, nullptr, TRUE);
        return;
    }
    const UINT keep = StyleOf(hwnd) & LBS_DISABLENOSCROLL ? SIF_DISABLENOSCROLL : 0;
    SCROLLINFO info{sizeof info,
                    SIF_RANGE | SIF_PAGE | SIF_POS | keep,
                    0,
                    std::max(0, data.items.Count() - 1),
                    static_cast<UINT>(VisibleCount(hwnd, data)),
                    data.top,
                    0};
    SetScrollInfo(hwnd, SB_VERT, &info, TRUE);
    InvalidateRect(hwnd, nullptr, TRUE);
}

void SetTop(HWND hwnd, ListBoxData& data, int top) {
    const int highest = std::max(0, data.items.Count() - VisibleCount(hwnd, data));
    data.top = std::clamp(top, 0, highest);
    UpdateScrollBar(hwnd, data);
}

void MakeVisible(HWND hwnd, ListBoxData& data, int index) {
    if (index < data.top)
        SetTop(hwnd, data, index);
    else if (index >= data.top + VisibleCount(hwnd, data))
        SetTop(hwnd, data, index - VisibleCount(hwnd, data) + 1);
}

void OnScroll(HWND hwnd, ListBoxData& data, int bar, WPARAM request) {
    if (LOWORD(request) > SB_BOTTOM)
        return;
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(hwnd, bar, &info);
    if (bar == SB_VERT) {
        SetTop(hwnd, data, ScrollRequestTarget(request, data.top, 1, info));
        return;
    }
    data.scrollX =
        ScrollRequestTarget(request, data.scrollX, ControlFontMetrics().averageWidth, info);
    UpdateHorizontalBar(hwnd, data);
}

void SelectOnly(ListBoxData& data, int index) {
    for (int each = 0; each < data.items.Count(); ++each)
        data.items[each].selected = each == index;
}

bool OnlySelected(const ListItems& items, int index) {
    for (int each = 0; each < items.Count(); ++each)
        if (items[each].selected != (each == index))
            return false;
    return true;
}

void SelectRange(ListBoxData& data, int first, int last, bool select) {
    if (first > last)
        std::swap(first, last);
    for (int each = std::max(first, 0); each <= last && each < data.items.Count(); ++each)
        data.items[each].selected = select;
}

LRESULT SetCurSel(HWND hwnd, ListBoxData& data, WPARAM wParam) {
    const int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    if (IsMultiple(hwnd))
        return LB_ERR;
    data.current = data.items.Valid(index) ? index : -1;
    SelectOnly(data, data.current);
    if (data.current >= 0)
        MakeVisible(hwnd, data, data.current);
    InvalidateRect(hwnd, nullptr, TRUE);
    return data.current >= 0 ? data.current : LB_ERR;
}

// A click or a key moved the selection to `index`, as the user sees it.
void UserSelect(HWND hwnd, ListBoxData& data, int index, WPARAM keys) {
    if (!data.items.Valid(index) || (StyleOf(hwnd) & LBS_NOSEL))
        return;
    const DWORD style = StyleOf(hwnd);
    bool changed = true;
    if (style & LBS_MULTIPLESEL) {
        data.items[index].selected = !data.items[index].selected;
        data.anchor = index;
    } else if ((style & LBS_EXTENDEDSEL) && (keys & MK_SHIFT) && data.anchor >= 0) {
        SelectOnly(data, -1);
        SelectRange(data, data.anchor, index, true);
    } else if ((style & LBS_EXTENDEDSEL) && (keys & MK_CONTROL)) {
        data.items[index].selected = !data.items[index].selected;
        data.anchor = index;
    } else {
        changed = data.current != index || !OnlySelected(data.items, index);
        SelectOnly(data, index);
        data.anchor = index;
    }
    data.current = index;
    MakeVisible(hwnd, data, index);
    if (changed)
        Notify(hwnd, LBN_SELCHANGE);
}

int ItemAt(HWND hwnd, const ListBoxData& data, POINT point) {
    return data.items.RowAt(RowsOf(hwnd, data), data.top, std::max(0, static_cast<int>(point.y)));
}

void OnKeyDown(HWND hwnd, ListBoxData& data, WPARAM key) {
    const int page = VisibleCount(hwnd, data);
    const int count = data.items.Count();
    if (count == 0)
        return;
    int target = data.current;
    switch (key) {
    case VK_UP:
        target = std::max(0, data.current - 1);
        break;
    case VK_DOWN:
        target = std::min(count - 1, data.current + 1);
        break;
    case VK_PRIOR:
        target = std::max(0, data.current - page + 1);
        break;
    case VK_NEXT:
        target = std::min(count - 1, data.current + page - 1);
        break;
    case VK_HOME:
        target = 0;
        break;
    case VK_END:
        target = count - 1;
        break;
    case VK_SPACE:
        if (StyleOf(hwnd) & LBS_MULTIPLESEL)
            UserSelect(hwnd, data, std::max(0, data.current), 0);
        return;
    default:
        return;
    }
    if (StyleOf(hwnd) & LBS_MULTIPLESEL) {
        data.current = target;
        MakeVisible(hwnd, data, target);
        return;
    }
    if (target != data.current || !data.items[target].selected)
        UserSelect(hwnd, data, target, GetKeyState(VK_SHIFT) < 0 ? MK_SHIFT : 0);
}

// The height the owner gives item `index` (every item, for `index` 0 of a fixed list).
int AskItemHeight(HWND hwnd, const ListBoxData& data, int index, ULONG_PTR itemData) {
    RECT client;
    GetClientRect(hwnd, &client);
    MEASUREITEMSTRUCT measure{ODT_LISTBOX,
                              static_cast<UINT>(GetDlgCtrlID(hwnd)),
                              static_cast<UINT>(index),
                              static_cast<UINT>(client.right),
                              static_cast<UINT>(data.itemHeight),
                              itemData};
    SendMessage(GetParent(hwnd), WM_MEASUREITEM, measure.CtlID, reinterpret_cast<LPARAM>(&measure));
    return std::clamp(static_cast<int>(measure.itemHeight), 1, 255);
}

void TellOwnerOfDeletion(HWND hwnd, const ListBoxData& data, int index) {
    if (!IsOwnerDrawn(hwnd))
        return;
    DELETEITEMSTRUCT deleted{ODT_LISTBOX, static_cast<UINT>(GetDlgCtrlID(hwnd)),
                             static_cast<UINT>(index), hwnd, data.items[index].data};
    SendMessage(GetParent(hwnd), WM_DELETEITEM, deleted.CtlID, reinterpret_cast<LPARAM>(&deleted));
}

LRESULT SelectionMessage(HWND hwnd, ListBoxData& data, UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    switch (message) {
    case LB_SETCURSEL:
        return SetCurSel(hwnd, data, wParam);
    case LB_GETCURSEL:
        if (IsMultiple(hwnd))
            return data.current;
        return data.current >= 0 ? data.current : LB_ERR;
    case LB_SETSEL: {
        if (!IsMultiple(hwnd))
            return LB_ERR;
        const int item = static_cast<int>(lParam);
        if (item == -1)
            SelectRange(data, 0, data.items.Count() - 1, wParam != 0);
        else if (data.items.Valid(item))
            data.items[item].selected = wParam != 0;
        else
            return LB_ERR;
        InvalidateRect(hwnd, nullptr, TRUE);
        return LB_OKAY;
    }
    case LB_GETSEL:
        return data.items.Valid(index) ? (data.items[index].selected ? 1 : 0) : LB_ERR;
    case LB_GETSELCOUNT: {
        if (!IsMultiple(hwnd))
            return LB_ERR;
        int count = 0;
        for (int each = 0; each < data.items.Count(); ++each)
            count += data.items[each].selected;
        return count;
    }
    case LB_GETSELITEMS: {
        if (!IsMultiple(hwnd))
            return LB_ERR;
        int* out = reinterpret_cast<int*>(lParam);
        int count = 0;
        for (int each = 0; each < data.items.Count() && count < index; ++each)
            if (data.items[each].selected)
                out[count++] = each;
        return count;
    }
    case LB_SELITEMRANGE:
        if (!IsMultiple(hwnd))
            return LB_ERR;
        SelectRange(data, LOWORD(lParam), HIWORD(lParam), wParam != 0);
        return LB_OKAY;
    case LB_SELECTSTRING: {
        if (IsMultiple(hwnd))
            return LB_ERR;
        const int found = data.items.Find(index, reinterpret_cast<LPCTSTR>(lParam), false);
        return found < 0 ? LB_ERR : SetCurSel(hwnd, data, static_cast<WPARAM>(found));
    }
    case LB_SETCARETINDEX:
        if (!data.items.Valid(index))
            return LB_ERR;
        if (IsMultiple(hwnd))
            data.current = index;
        MakeVisible(hwnd, data, index);
        return LB_OKAY;
    case LB_GETCARETINDEX:
        return data.current >= 0 ? data.current : 0;
    case LB_SETANCHORINDEX:
        data.anchor = index;
        return LB_OKAY;
    case LB_GETANCHORINDEX:
        return data.anchor;
    default:
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

LRESULT ItemMessage(HWND hwnd, ListBoxData& data, UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    switch (message) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING: {
        const CString text(KeepsData(hwnd) ? "" : reinterpret_cast<LPCTSTR>(lParam));
        const int at = message == LB_ADDSTRING
                           ? data.items.Add(text, (StyleOf(hwnd) & LBS_SORT) != 0)
                           : data.items.Insert(index, text);
        if (at < 0)
            return LB_ERR;
        if (KeepsData(hwnd))
            data.items[at].data = static_cast<ULONG_PTR>(lParam);
        if (IsVariable(hwnd))
            data.items[at].height = AskItemHeight(hwnd, data, at, static_cast<ULONG_PTR>(lParam));
        if (data.current >= at && !IsMultiple(hwnd))
            ++data.current;
        UpdateScrollBar(hwnd, data);
        return at;
    }
    case LB_DELETESTRING:
        if (!data.items.Valid(index))
            return LB_ERR;
        TellOwnerOfDeletion(hwnd, data, index);
        data.items.Delete(index, data.current);
        SetTop(hwnd, data, data.top);
        return data.items.Count();
    case LB_RESETCONTENT:
        for (int each = 0; each < data.items.Count(); ++each)
            TellOwnerOfDeletion(hwnd, data, each);
        data.items.Clear();
        data.current = data.anchor = -1;
        SetTop(hwnd, data, 0);
        return 0;
    case LB_SETITEMDATA:
        if (index == -1) {
            for (int each = 0; each < data.items.Count(); ++each)
                data.items[each].data = static_cast<ULONG_PTR>(lParam);
            return LB_OKAY;
        }
        if (!data.items.Valid(index))
            return LB_ERR;
        data.items[index].data = static_cast<ULONG_PTR>(lParam);
        return LB_OKAY;
    case LB_GETTEXT:
    case LB_GETTEXTLEN:
        if (!KeepsData(hwnd))
            return *data.items.AnswerQuery(kQueries, message, wParam, lParam);
        // The text of an item of such a list is its data.
        if (!data.items.Valid(index))
            return LB_ERR;
        if (message == LB_GETTEXT && lParam)
            std::memcpy(reinterpret_cast<void*>(lParam), &data.items[index].data,
                        sizeof(ULONG_PTR));
        return sizeof(ULONG_PTR);
    default:
        if (const auto answer = data.items.AnswerQuery(kQueries, message, wParam, lParam))
            return *answer;
        return SelectionMessage(hwnd, data, message, wParam, lParam);
    }
}

LRESULT GeometryMessage(HWND hwnd, ListBoxData& data, UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    switch (message) {
    case LB_GETTOPINDEX:
        return data.top;
    case LB_SETTOPINDEX:
        if (data.items.Count() && !data.items.Valid(index))
            return LB_ERR;
        SetTop(hwnd, data, index);
        return LB_OKAY;
    case LB_GETITEMHEIGHT:
        if (IsVariable(hwnd) && data.items.Count() > 0 && !data.items.Valid(index))
            return LB_ERR;
        return HeightOf(hwnd, data, index);
    case LB_SETITEMHEIGHT:
        if (LOWORD(lParam) == 0 || LOWORD(lParam) > 255)
            return LB_ERR;
        if (IsVariable(hwnd) && data.items.Valid(index))
            data.items[index].height = LOWORD(lParam);
        else if (IsVariable(hwnd) && data.items.Count() > 0)
            return LB_ERR;
        else
            data.itemHeight = LOWORD(lParam);
        UpdateScrollBar(hwnd, data);
        return LB_OKAY;
    case LB_GETITEMRECT: {
        if (!data.items.Valid(index) && !(index == 0 && data.items.Count() == 0))
            return LB_ERR;
        *reinterpret_cast<RECT*>(lParam) = ItemRect(hwnd, data, index);
        return LB_OKAY;
    }
    case LB_ITEMFROMPOINT: {
        const POINT point{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
        RECT client;
        GetClientRect(hwnd, &client);
        const int count = data.items.Count();
        const int item = std::clamp(ItemAt(hwnd, data, point), 0, std::max(0, count - 1));
        const bool outside = !CRect(client).PtInRect(point) || ItemAt(hwnd, data, point) >= count;
        return MAKELRESULT(item, outside ? 1 : 0);
    }
    case LB_GETHORIZONTALEXTENT:
        return data.horizontalExtent;
    case LB_SETHORIZONTALEXTENT:
        data.horizontalExtent = std::max(0, index);
        UpdateHorizontalBar(hwnd, data);
        return 0;
    case LB_SETTABSTOPS: {
        if (!(StyleOf(hwnd) & LBS_USETABSTOPS) || (wParam && !lParam) || wParam > 1024)
            return FALSE;
        // Stops come in dialog units, a quarter of the average character each.
        const auto* stops = reinterpret_cast<const int*>(lParam);
        const int average = ControlFontMetrics().averageWidth;
        data.tabStops.clear();
        for (WPARAM each = 0; each < wParam; ++each)
            data.tabStops.push_back(MulDiv(stops[each], average, 4));
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    }
    default:
        return ItemMessage(hwnd, data, message, wParam, lParam);
    }
}

void PaintOwnerDrawnItems(HWND hwnd, const ListBoxData& data) {
    ControlPaintScope paint(hwnd, WM_CTLCOLORLISTBOX);
    paint.fillBackground();
    const bool focused = GetFocus() == hwnd;
    DRAWITEMSTRUCT item{ODT_LISTBOX,
                        static_cast<UINT>(GetDlgCtrlID(hwnd)),
                        0,
                        ODA_DRAWENTIRE,
                        0,
                        hwnd,
                        paint.dc(),
                        {},
                        0};
    const UINT disabled = IsWindowEnabled(hwnd) ? 0 : ODS_DISABLED;
    if (data.items.Count() == 0 && focused) {
        item.itemID = static_cast<UINT>(-1);
        item.itemAction = ODA_FOCUS;
        item.itemState = ODS_FOCUS | disabled;
        item.rcItem = CRect(0, 0, paint.client().right, data.itemHeight);
        SendMessage(GetParent(hwnd), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
        return;
    }
    for (int index = data.top; index < data.items.Count(); ++index) {
        const CRect rect = ItemRect(hwnd, data, index);
        if (rect.top >= paint.client().bottom)
            break;
        const bool selected = IsMultiple(hwnd) ? data.items[index].selected : index == data.current;
        item.itemID = static_cast<UINT>(index);
        item.itemState = (selected ? ODS_SELECTED : 0) |
                         (focused && index == data.current ? ODS_FOCUS : 0) | disabled;
        item.rcItem = rect;
        item.itemData = data.items[index].data;
        SendMessage(GetParent(hwnd), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    }
}

void PaintListBox(HWND hwnd, const ListBoxData& data) {
    if (IsOwnerDrawn(hwnd)) {
        PaintOwnerDrawnItems(hwnd, data);
        return;
    }
    ListLook look;
    look.topIndex = data.top;
    look.itemHeight = data.itemHeight;
    look.caret = data.current;
    look.focused = GetFocus() == hwnd;
    look.scrollX = data.scrollX;
    look.expandTabs = (StyleOf(hwnd) & LBS_USETABSTOPS) != 0;
    look.tabStops = data.tabStops;
    PaintListWindow(hwnd, data.items, look, IsMultiple(hwnd));
}

LRESULT HandleListBoxMessage(HWND hwnd, ListBoxData& data, UINT message, WPARAM wParam,
                             LPARAM lParam) {
    const RepaintAfter repaint(hwnd, message);
    switch (message) {
    case WM_PAINT:
        PaintListBox(hwnd, data);
        return 0;
    case WM_ERASEBKGND:
        return 1; // painted whole with WM_PAINT
    case WM_CREATE:
        if (StyleOf(hwnd) & LBS_OWNERDRAWFIXED)
            data.itemHeight = AskItemHeight(hwnd, data, 0, 0);
        data.horizontalBar = (StyleOf(hwnd) & WS_HSCROLL) != 0;
        data.verticalBar = (StyleOf(hwnd) & WS_VSCROLL) != 0;
        UpdateHorizontalBar(hwnd, data);
        UpdateScrollBar(hwnd, data);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN:
        SetFocus(hwnd);
        if (ItemAt(hwnd, data, CPoint(lParam)) < data.items.Count())
            UserSelect(hwnd, data, ItemAt(hwnd, data, CPoint(lParam)), wParam);
        return 0;
    case WM_LBUTTONDBLCLK:
        Notify(hwnd, LBN_DBLCLK);
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(hwnd, data, wParam);
        return 0;
    case WM_CHAR: {
        const int found = data.items.FindTyped(data.current, static_cast<char>(wParam));
        if (found >= 0 && !(StyleOf(hwnd) & LBS_MULTIPLESEL))
            UserSelect(hwnd, data, found, 0);
        return 0;
    }
    case WM_VSCROLL:
        OnScroll(hwnd, data, SB_VERT, wParam);
        return 0;
    case WM_HSCROLL:
        OnScroll(hwnd, data, SB_HORZ, wParam);
        return 0;
    case WM_SETFOCUS:
        Notify(hwnd, LBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        Notify(hwnd, LBN_KILLFOCUS);
        return 0;
    case WM_SIZE:
        FitWholeRows(hwnd, data);
        UpdateHorizontalBar(hwnd, data);
        SetTop(hwnd, data, data.top);
        return 0;
    default:
        return GeometryMessage(hwnd, data, message, wParam, lParam);
    }
}

const SystemClass kListBoxClass("ListBox", ControlProcedure<ListBoxData, HandleListBoxMessage>,
                                CS_DBLCLKS | CS_PARENTDC);

} // namespace

BOOL CListBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("ListBox", nullptr, style, rect, parent, id);
}

int CListBox::GetCount() const {
    return static_cast<int>(SendMessage(LB_GETCOUNT));
}

int CListBox::AddString(LPCTSTR text) {
    return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

int CListBox::InsertString(int index, LPCTSTR text) {
    return static_cast<int>(
        SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
}

int CListBox::DeleteString(UINT index) {
    return static_cast<int>(SendMessage(LB_DELETESTRING, index));
}

void CListBox::ResetContent() {
    SendMessage(LB_RESETCONTENT);
}

int CListBox::GetText(int index, LPTSTR buffer) const {
    return static_cast<int>(
        SendMessage(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer)));
}

void CListBox::GetText(int index, CString& text) const {
    const int length = GetTextLen(index);
    if (length < 0) {
        text.Empty();
        return;
    }
    GetText(index, text.GetBufferSetLength(length));
    text.ReleaseBuffer(length);
}

int CListBox::GetTextLen(int index) const {
    return static_cast<int>(SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(index)));
}

int CListBox::GetCurSel() const {
    return static_cast<int>(SendMessage(LB_GETCURSEL));
}

int CListBox::SetCurSel(int select) {
    return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(select)));
}

int CListBox::GetSel(int index) const {
    return static_cast<int>(SendMessage(LB_GETSEL, static_cast<WPARAM>(index)));
}

int CListBox::SetSel(int index, BOOL select) {
    return static_cast<int>(SendMessage(LB_SETSEL, select, index));
}

int CListBox::GetSelCount() const {
    return static_cast<int>(SendMessage(LB_GETSELCOUNT));
}

int CListBox::GetSelItems(int maxItems, LPINT items) const {
    return static_cast<int>(SendMessage(LB_GETSELITEMS, static_cast<WPARAM>(maxItems),
                                        reinterpret_cast<LPARAM>(items)));
}

int CListBox::SelItemRange(BOOL select, int first, int last) {
    return static_cast<int>(SendMessage(LB_SELITEMRANGE, select, MAKELPARAM(first, last)));
}

int CListBox::FindString(int startAfter, LPCTSTR text) const {
    return static_cast<int>(SendMessage(LB_FINDSTRING, static_cast<WPARAM>(startAfter),
                                        reinterpret_cast<LPARAM>(text)));
}

int CListBox::FindStringExact(int startAfter, LPCTSTR text) const {
    return static_cast<int>(SendMessage(LB_FINDSTRINGEXACT, static_cast<WPARAM>(startAfter),
                                        reinterpret_cast<LPARAM>(text)));
}

int CListBox::SelectString(int startAfter, LPCTSTR text) {
    return static_cast<int>(SendMessage(LB_SELECTSTRING, static_cast<WPARAM>(startAfter),
                                        reinterpret_cast<LPARAM>(text)));
}

DWORD_PTR CListBox::GetItemData(int index) const {
    return static_cast<DWORD_PTR>(SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(index)));
}

int CListBox::SetItemData(int index, DWORD_PTR data) {
    return static_cast<int>(
        SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
}

void* CListBox::GetItemDataPtr(int index) const {
    return reinterpret_cast<void*>(GetItemData(index));
}

int CListBox::SetItemDataPtr(int index, void* data) {
    return SetItemData(index, reinterpret_cast<DWORD_PTR>(data));
}

int CListBox::GetTopIndex() const {
    return static_cast<int>(SendMessage(LB_GETTOPINDEX));
}

int CListBox::SetTopIndex(int index) {
    return static_cast<int>(SendMessage(LB_SETTOPINDEX, static_cast<WPARAM>(index)));
}

int CListBox::GetItemRect(int index, LPRECT rect) const {
    return static_cast<int>(
        SendMessage(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect)));
}

int CListBox::GetItemHeight(int index) const {
    return static_cast<int>(SendMessage(LB_GETITEMHEIGHT, static_cast<WPARAM>(index)));
}

int CListBox::SetItemHeight(int index, UINT height) {
    return static_cast<int>(
        SendMessage(LB_SETITEMHEIGHT, static_cast<WPARAM>(index), MAKELPARAM(height, 0)));
}

int CListBox::GetCaretIndex() const {
    return static_cast<int>(SendMessage(LB_GETCARETINDEX));
}

int CListBox::SetCaretIndex(int index, BOOL scroll) {
    return static_cast<int>(SendMessage(LB_SETCARETINDEX, static_cast<WPARAM>(index), scroll));
}

int CListBox::GetAnchorIndex() const {
    return static_cast<int>(SendMessage(LB_GETANCHORINDEX));
}

void CListBox::SetAnchorIndex(int index) {
    SendMessage(LB_SETANCHORINDEX, static_cast<WPARAM>(index));
}

int CListBox::GetHorizontalExtent() const {
    return static_cast<int>(SendMessage(LB_GETHORIZONTALEXTENT));
}

BOOL CListBox::SetTabStops() {
    return static_cast<BOOL>(SendMessage(LB_SETTABSTOPS, 0, 0));
}

BOOL CListBox::SetTabStops(const int& eachStop) {
    return static_cast<BOOL>(SendMessage(LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&eachStop)));
}

BOOL CListBox::SetTabStops(int count, LPINT stops) {
    return static_cast<BOOL>(
        SendMessage(LB_SETTABSTOPS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(stops)));
}

void CListBox::SetHorizontalExtent(int extent) {
    SendMessage(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(extent));
}

UINT CListBox::ItemFromPoint(CPoint point, BOOL& outside) const {
    const LRESULT packed = SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    outside = HIWORD(packed);
    return LOWORD(packed);
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT) {
    DeclineReflectedMessage();
}

void CListBox::MeasureItem(LPMEASUREITEMSTRUCT) {
    DeclineReflectedMessage();
}

int CListBox::CompareItem(LPCOMPAREITEMSTRUCT) {
    DeclineReflectedMessage();
    return 0;
}

void CListBox::DeleteItem(LPDELETEITEMSTRUCT) {
    DeclineReflectedMessage();
}

BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    return TakeReflectedItemMessage(*this, message, lParam, result) ||
           CWnd::OnChildNotify(message, wParam, lParam, result);
}

IMPLEMENT_DYNAMIC(CListBox, CWnd)
