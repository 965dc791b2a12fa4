#include "vornui/platform/TabCtrl.h"

#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/Text.h"
#include "vornui/platform/internal/ControlFont.h"
#include "vornui/platform/internal/ControlNotify.h"
#include "vornui/platform/internal/ControlPaintDC.h"
#include "vornui/platform/internal/ControlProcedure.h"
#include "vornui/platform/internal/SystemColors.h"
#include "vornui/platform/internal/WindowClass.h"
#include "vornui/platform/internal/WindowRecord.h"

#include <algorithm>
#include <cstring>

namespace {

// The frame around the display area, and the space a tab's label gets on either side.
constexpr int kFrame = 4;
constexpr int kRowStart = 2;
constexpr int kPadding = 6;

struct TabItem {
    CString text;
    int image = -1;
    LPARAM param = 0;
    DWORD state = 0;
};

struct TabData : ControlData {
    std::vector<TabItem> items;
    int current = -1;
    int focus = -1;
    int itemHeight = ControlFontMetrics().height + 7;
    int fixedWidth = 0;
};

bool Valid(const TabData& data, int index) {
    return index >= 0 && index < static_cast<int>(data.items.size());
}

int ItemWidth(HWND hwnd, const TabData& data, const TabItem& item) {
    if ((StyleOf(hwnd) & TCS_FIXEDWIDTH) && data.fixedWidth)
        return data.fixedWidth;
    return item.text.GetLength() * ControlFontMetrics().averageWidth + 2 * kPadding;
}

// The rectangles of all tabs, wrapped into rows for TCS_MULTILINE.
std::vector<CRect> Layout(HWND hwnd, const TabData& data) {
    RECT client;
    GetClientRect(hwnd, &client);
    const bool multiLine = (StyleOf(hwnd) & TCS_MULTILINE) != 0;
    std::vector<CRect> rects;
    int x = kRowStart;
    int row = 0;
    for (const TabItem& item : data.items) {
        const int width = ItemWidth(hwnd, data, item);
        if (multiLine && x > kRowStart && x + width > client.right - kRowStart) {
            x = kRowStart;
            ++row;
        }
        const int top = kRowStart + row * data.itemHeight;
        rects.emplace_back(x, top, x + width, top + data.itemHeight);
        x += width;
    }
    return rects;
}

int RowCount(HWND hwnd, const TabData& data) {
    const std::vector<CRect> rects = Layout(hwnd, data);
    return rects.empty() ? 1 : (rects.back().top - kRowStart) / data.itemHeight + 1;
}

// The user picks tab `index`: the parent may refuse the change.
void UserSelect(HWND hwnd, TabData& data, int index) {
    if (!Valid(data, index) || index == data.current)
        return;
    if (NotifyParentHeader(hwnd, TCN_SELCHANGING))
        return;
    data.current = data.focus = index;
    InvalidateRect(hwnd, nullptr, TRUE);
    NotifyParentHeader(hwnd, TCN_SELCHANGE);
}

int HitTest(HWND hwnd, const TabData& data, POINT point) {
    const std::vector<CRect> rects = Layout(hwnd, data);
    for (size_t index = 0; index < rects.size(); ++index)
        if (rects[index].PtInRect(point))
            return static_cast<int>(index);
    return -1;
}

void AdjustRect(HWND hwnd, const TabData& data, bool larger, RECT& rect) {
    const int top = RowCount(hwnd, data) * data.itemHeight + kFrame;
    const int sign = larger ? -1 : 1;
    rect.left += sign * kFrame;
    rect.top += sign * top;
    rect.right -= sign * kFrame;
    rect.bottom -= sign * kFrame;
}

void CopyItem(const TabItem& item, TCITEM& out) {
    if ((out.mask & TCIF_TEXT) && out.pszText && out.cchTextMax > 0) {
        const size_t length = std::min<size_t>(item.text.GetLength(), out.cchTextMax - 1);
        std::memcpy(out.pszText, item.text.GetString(), length);
        out.pszText[length] = '\0';
    }
    if (out.mask & TCIF_IMAGE)
        out.iImage = item.image;
    if (out.mask & TCIF_PARAM)
        out.lParam = item.param;
    if (out.mask & TCIF_STATE)
        out.dwState = item.state & out.dwStateMask;
}

void ApplyItem(const TCITEM& in, TabItem& item) {
    if ((in.mask & TCIF_TEXT) && in.pszText)
        item.text = in.pszText;
    if (in.mask & TCIF_IMAGE)
        item.image = in.iImage;
    if (in.mask & TCIF_PARAM)
        item.param = in.lParam;
    if (in.mask & TCIF_STATE)
        item.state = (item.state & ~in.dwStateMask) | (in.dwState & in.dwStateMask);
}

LRESULT TabMessage(HWND hwnd, TabData& data, UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    switch (message) {
    case TCM_GETITEMCOUNT:
        return static_cast<LRESULT>(data.items.size());
    case TCM_INSERTITEM: {
        if (index < 0 || !lParam)
            return -1;
        const int at = std::min(index, static_cast<int>(data.items.size()));
        TabItem item;
        ApplyItem(*reinterpret_cast<const TCITEM*>(lParam), item);
        data.items.insert(data.items.begin() + at, item);
        if (data.current >= at)
            ++data.current;
        InvalidateRect(hwnd, nullptr, TRUE);
        return at;
    }
    case TCM_GETITEM:
        if (!Valid(data, index))
            return FALSE;
        CopyItem(data.items[static_cast<size_t>(index)], *reinterpret_cast<TCITEM*>(lParam));
        return TRUE;
    case TCM_SETITEM:
        if (!Valid(data, index))
            return FALSE;
        ApplyItem(*reinterpret_cast<const TCITEM*>(lParam), data.items[static_cast<size_t>(index)]);
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    case TCM_DELETEITEM:
        if (!Valid(data, index))
            return FALSE;
        data.items.erase(data.items.begin() + index);
        if (data.current == index)
            data.current = -1;
        else if (data.current > index)
            --data.current;
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    case TCM_DELETEALLITEMS:
        data.items.clear();
        data.current = data.focus = -1;
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    case TCM_GETITEMRECT: {
        if (!Valid(data, index))
            return FALSE;
        *reinterpret_cast<RECT*>(lParam) = Layout(hwnd, data)[static_cast<size_t>(index)];
        return TRUE;
    }
    case TCM_GETCURSEL:
        return data.current;
    case TCM_SETCURSEL: {
        if (!Valid(data, index))
            return -1;
        const int previous = data.current;
        data.current = data.focus = index;
        InvalidateRect(hwnd, nullptr, TRUE);
        return previous;
    }
    case TCM_GETCURFOCUS:
        return data.focus;
    case TCM_SETCURFOCUS:
        UserSelect(hwnd, data, index);
        return 0;
    case TCM_GETROWCOUNT:
        return RowCount(hwnd, data);
    case TCM_HITTEST: {
        auto* info = reinterpret_cast<TCHITTESTINFO*>(lParam);
        const int hit = HitTest(hwnd, data, info->pt);
        info->flags = hit < 0 ? TCHT_NOWHERE : TCHT_ONITEMLABEL;
        return hit;
    }
    case TCM_ADJUSTRECT:
        AdjustRect(hwnd, data, wParam != 0, *reinterpret_cast<RECT*>(lParam));
        return 0;
    case TCM_SETITEMSIZE: {
        const LRESULT previous = MAKELRESULT(data.fixedWidth, data.itemHeight);
        if (LOWORD(lParam))
            data.fixedWidth = LOWORD(lParam);
        if (HIWORD(lParam))
            data.itemHeight = HIWORD(lParam);
        return previous;
    }
    default:
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

// The tabs above a raised frame around the display area; the selected tab stands out of the
// frame, joined to it.
void Paint(HWND hwnd, const TabData& data) {
    ControlPaintDC paint(hwnd);
    const ControlPalette palette = SystemControlPalette();
    RECT client;
    GetClientRect(hwnd, &client);
    FillSolid(paint.dc(), client, palette.face);
    RECT frame = client;
    frame.top = kRowStart + RowCount(hwnd, data) * data.itemHeight;
    PaintEdge(paint.dc(), &frame, EDGE_RAISED, BF_RECT, palette);
    const std::vector<CRect> rects = Layout(hwnd, data);
    SetBkMode(paint.dc(), TRANSPARENT);
    SetTextColor(paint.dc(), palette.buttonText);
    for (size_t index = 0; index < rects.size(); ++index) {
        CRect tab = rects[index];
        const bool selected = static_cast<int>(index) == data.current;
        if (selected)
            tab.InflateRect(2, 2, 2, 1);
        FillSolid(paint.dc(), tab, palette.face);
        RECT edge = tab;
        PaintEdge(paint.dc(), &edge, EDGE_RAISED, BF_LEFT | BF_TOP | BF_RIGHT, palette);
        const TabItem& item = data.items[index];
        DrawText(paint.dc(), item.text.GetString(), item.text.GetLength(), &tab,
                 DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

LRESULT HandleTabMessage(HWND hwnd, TabData& data, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint(hwnd, data);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (StyleOf(hwnd) & TCS_FOCUSONBUTTONDOWN)
            SetFocus(hwnd);
        UserSelect(hwnd, data, HitTest(hwnd, data, CPoint(lParam)));
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_LEFT || wParam == VK_RIGHT)
            UserSelect(hwnd, data, data.current + (wParam == VK_LEFT ? -1 : 1));
        return 0;
    default:
        return TabMessage(hwnd, data, message, wParam, lParam);
    }
}

const SystemClass kTabControlClass(WC_TABCONTROL, ControlProcedure<TabData, HandleTabMessage>,
                                   CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);

} // namespace

BOOL CTabCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(WC_TABCONTROL, nullptr, style, rect, parent, id);
}

int CTabCtrl::GetItemCount() const {
    return static_cast<int>(SendMessage(TCM_GETITEMCOUNT));
}

LONG CTabCtrl::InsertItem(int index, LPCTSTR text) {
    TCITEM item{TCIF_TEXT, 0, 0, const_cast<LPTSTR>(text), 0, -1, 0};
    return InsertItem(index, &item);
}

LONG CTabCtrl::InsertItem(int index, TCITEM* item) {
    return static_cast<LONG>(
        SendMessage(TCM_INSERTITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item)));
}

BOOL CTabCtrl::GetItem(int index, TCITEM* item) const {
    return static_cast<BOOL>(
        SendMessage(TCM_GETITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item)));
}

BOOL CTabCtrl::SetItem(int index, TCITEM* item) {
    return static_cast<BOOL>(
        SendMessage(TCM_SETITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item)));
}

BOOL CTabCtrl::DeleteItem(int index) {
    return static_cast<BOOL>(SendMessage(TCM_DELETEITEM, static_cast<WPARAM>(index)));
}

BOOL CTabCtrl::DeleteAllItems() {
    return static_cast<BOOL>(SendMessage(TCM_DELETEALLITEMS));
}

BOOL CTabCtrl::GetItemRect(int index, LPRECT rect) const {
    return static_cast<BOOL>(
        SendMessage(TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect)));
}

int CTabCtrl::GetCurSel() const {
    return static_cast<int>(SendMessage(TCM_GETCURSEL));
}

int CTabCtrl::SetCurSel(int index) {
    return static_cast<int>(SendMessage(TCM_SETCURSEL, static_cast<WPARAM>(index)));
}

int CTabCtrl::GetCurFocus() const {
    return static_cast<int>(SendMessage(TCM_GETCURFOCUS));
}

void CTabCtrl::SetCurFocus(int index) {
    SendMessage(TCM_SETCURFOCUS, static_cast<WPARAM>(index));
}

int CTabCtrl::GetRowCount() const {
    return static_cast<int>(SendMessage(TCM_GETROWCOUNT));
}

void CTabCtrl::AdjustRect(BOOL larger, LPRECT rect) {
    SendMessage(TCM_ADJUSTRECT, larger, reinterpret_cast<LPARAM>(rect));
}

int CTabCtrl::HitTest(TCHITTESTINFO* info) const {
    return static_cast<int>(SendMessage(TCM_HITTEST, 0, reinterpret_cast<LPARAM>(info)));
}

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)
