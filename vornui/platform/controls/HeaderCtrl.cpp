#include "vornui/platform/HeaderCtrl.h"

#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/Text.h"
#include "vornui/platform/internal/ControlFont.h"
#include "vornui/platform/internal/ControlPaintDC.h"
#include "vornui/platform/internal/ControlProcedure.h"
#include "vornui/platform/internal/SystemColors.h"
#include "vornui/platform/internal/WindowClass.h"
#include "vornui/platform/internal/WindowRecord.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <vector>

namespace {

// How near a divider the pointer must be to grab it, and the space around an item's text.
constexpr int kDividerReach = 4;
constexpr int kTextMargin = 6;

struct HeaderItem {
    CString text;
    int width = 0;
    int format = HDF_LEFT | HDF_STRING;
    LPARAM param = 0;
    int image = -1;
    HBITMAP bitmap = nullptr;
};

enum class Gesture { none, pressed, tracking, dragging };

struct HeaderData : ControlData {
    std::vector<HeaderItem> items;
    std::vector<int> order; // display position to item index
    HIMAGELIST images = nullptr;
    Gesture gesture = Gesture::none;
    int item = -1;
    POINT start{};
    int startWidth = 0;
};

int Count(const HeaderData& data) {
    return static_cast<int>(data.items.size());
}

bool Valid(const HeaderData& data, int index) {
    return index >= 0 && index < Count(data);
}

int HeaderHeight() {
    return ControlFontMetrics().height + 6;
}

CRect ItemRect(HWND hwnd, const HeaderData& data, int index) {
    RECT client;
    GetClientRect(hwnd, &client);
    int left = 0;
    for (const int each : data.order) {
        const int width = data.items[static_cast<size_t>(each)].width;
        if (each == index)
            return CRect(left, 0, left + width, client.bottom);
        left += width;
    }
    return CRect();
}

int PositionOf(const HeaderData& data, int index) {
    const auto found = std::find(data.order.begin(), data.order.end(), index);
    return found == data.order.end() ? -1 : static_cast<int>(found - data.order.begin());
}

int HitTest(HWND hwnd, const HeaderData& data, HDHITTESTINFO& info) {
    RECT client;
    GetClientRect(hwnd, &client);
    info.iItem = -1;
    info.flags = 0;
    if (info.pt.y < 0)
        info.flags |= HHT_ABOVE;
    if (info.pt.y >= client.bottom)
        info.flags |= HHT_BELOW;
    if (info.pt.x < 0)
        info.flags |= HHT_TOLEFT;
    if (info.flags)
        return -1;
    // The last divider within reach wins, so that a column narrowed to nothing can be
    // widened again.
    for (auto each = data.order.rbegin(); each != data.order.rend(); ++each) {
        const CRect rect = ItemRect(hwnd, data, *each);
        if (info.pt.x >= rect.right - kDividerReach && info.pt.x <= rect.right + kDividerReach) {
            info.flags = HHT_ONDIVIDER;
            info.iItem = *each;
            return *each;
        }
    }
    for (const int each : data.order)
        if (ItemRect(hwnd, data, each).PtInRect(info.pt)) {
            info.flags = HHT_ONHEADER;
            info.iItem = each;
            return each;
        }
    info.flags = HHT_NOWHERE | HHT_TORIGHT;
    return -1;
}

LRESULT Notify(HWND hwnd, UINT code, int index, HDITEM* item = nullptr, int button = 0) {
    NMHEADER header{{hwnd, static_cast<UINT_PTR>(GetDlgCtrlID(hwnd)), code}, index, button, item};
    return SendMessage(GetParent(hwnd), WM_NOTIFY, header.hdr.idFrom,
                       reinterpret_cast<LPARAM>(&header));
}

void CopyItem(const HeaderItem& item, int position, HDITEM& out) {
    if (out.mask & HDI_WIDTH)
        out.cxy = item.width;
    if ((out.mask & HDI_TEXT) && out.pszText && out.cchTextMax > 0) {
        const size_t length = std::min<size_t>(item.text.GetLength(), out.cchTextMax - 1);
        std::memcpy(out.pszText, item.text.GetString(), length);
        out.pszText[length] = '\0';
    }
    if (out.mask & HDI_FORMAT)
        out.fmt = item.format;
    if (out.mask & HDI_LPARAM)
        out.lParam = item.param;
    if (out.mask & HDI_IMAGE)
        out.iImage = item.image;
    if (out.mask & HDI_BITMAP)
        out.hbm = item.bitmap;
    if (out.mask & HDI_ORDER)
        out.iOrder = position;
}

void ApplyItem(const HDITEM& in, HeaderItem& item) {
    if (in.mask & HDI_WIDTH)
        item.width = std::max(0, in.cxy);
    if (in.mask & HDI_TEXT)
        item.text = in.pszText ? in.pszText : "";
    if (in.mask & HDI_FORMAT)
        item.format = in.fmt;
    if (in.mask & HDI_LPARAM)
        item.param = in.lParam;
    if (in.mask & HDI_IMAGE)
        item.image = in.iImage;
    if (in.mask & HDI_BITMAP)
        item.bitmap = in.hbm;
}

void MoveToPosition(HeaderData& data, int index, int position) {
    const int from = PositionOf(data, index);
    if (from < 0)
        return;
    data.order.erase(data.order.begin() + from);
    position = std::clamp(position, 0, static_cast<int>(data.order.size()));
    data.order.insert(data.order.begin() + position, index);
}

// Changes an item as HDM_SETITEM does: the parent may refuse, and hears of the change.
BOOL SetItem(HWND hwnd, HeaderData& data, int index, HDITEM& change) {
    if (!Valid(data, index))
        return FALSE;
    if (Notify(hwnd, HDN_ITEMCHANGING, index, &change))
        return FALSE;
    ApplyItem(change, data.items[static_cast<size_t>(index)]);
    if (change.mask & HDI_ORDER)
        MoveToPosition(data, index, change.iOrder);
    InvalidateRect(hwnd, nullptr, TRUE);
    Notify(hwnd, HDN_ITEMCHANGED, index, &change);
    return TRUE;
}

int InsertItem(HWND hwnd, HeaderData& data, int index, const HDITEM& in) {
    if (index < 0)
        return -1;
    const int at = std::min(index, Count(data));
    HeaderItem item;
    ApplyItem(in, item);
    data.items.insert(data.items.begin() + at, item);
    for (int& each : data.order)
        if (each >= at)
            ++each;
    const int position = (in.mask & HDI_ORDER) ? in.iOrder : at;
    data.order.insert(
        data.order.begin() + std::clamp(position, 0, static_cast<int>(data.order.size())), at);
    InvalidateRect(hwnd, nullptr, TRUE);
    return at;
}

BOOL DeleteItem(HWND hwnd, HeaderData& data, int index) {
    if (!Valid(data, index))
        return FALSE;
    data.items.erase(data.items.begin() + index);
    data.order.erase(std::find(data.order.begin(), data.order.end(), index));
    for (int& each : data.order)
        if (each > index)
            --each;
    InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

BOOL SetOrder(HWND hwnd, HeaderData& data, int count, const int* order) {
    if (count != Count(data) || !order)
        return FALSE;
    std::vector<int> sorted(order, order + count);
    std::sort(sorted.begin(), sorted.end());
    for (int each = 0; each < count; ++each)
        if (sorted[static_cast<size_t>(each)] != each)
            return FALSE;
    data.order.assign(order, order + count);
    InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

void PaintItem(HDC dc, const HeaderData& data, const HeaderItem& item, CRect rect, bool pushed,
               const ControlPalette& palette) {
    PaintEdge(dc, &rect, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST, palette);
    if (pushed)
        rect.OffsetRect(1, 1);
    rect.DeflateRect(kTextMargin, 0);
    int imageWidth = 0;
    int imageHeight = 0;
    const bool image = (item.format & HDF_IMAGE) && data.images && item.image >= 0 &&
                       ImageList_GetIconSize(data.images, &imageWidth, &imageHeight);
    const bool text = (item.format & HDF_STRING) && !item.text.IsEmpty();
    SIZE extent{};
    if (text)
        GetTextExtentPoint32(dc, item.text.GetString(), item.text.GetLength(), &extent);
    const int gap = image && text ? kTextMargin : 0;
    const int room = std::max(0, rect.Width() - (image ? imageWidth + gap : 0));
    const int textWidth = std::min<int>(extent.cx, room);
    const int block = textWidth + gap + (image ? imageWidth : 0);
    int left = rect.left;
    if ((item.format & HDF_JUSTIFYMASK) == HDF_RIGHT)
        left = std::max<int>(rect.left, rect.right - block);
    else if ((item.format & HDF_JUSTIFYMASK) == HDF_CENTER)
        left = std::max<int>(rect.left, rect.left + (rect.Width() - block) / 2);
    const bool imageRight = (item.format & HDF_BITMAP_ON_RIGHT) != 0;
    const int textLeft = image && !imageRight ? left + imageWidth + gap : left;
    if (image) {
        const int imageLeft = imageRight ? left + textWidth + gap : left;
        if (imageLeft + imageWidth <= rect.right + kTextMargin)
            ImageList_Draw(data.images, item.image, dc, imageLeft,
                           rect.top + (rect.Height() - imageHeight) / 2, ILD_TRANSPARENT);
    }
    if (text) {
        RECT textRect{textLeft, rect.top, textLeft + textWidth, rect.bottom};
        SetTextColor(dc, palette.buttonText);
        SetBkMode(dc, TRANSPARENT);
        DrawText(dc, item.text.GetString(), item.text.GetLength(), &textRect,
                 DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
}

void Paint(HWND hwnd, const HeaderData& data) {
    ControlPaintDC paint(hwnd);
    const ControlPalette palette = SystemControlPalette();
    RECT client;
    GetClientRect(hwnd, &client);
    FillSolid(paint.dc(), client, palette.face);
    // Only the items that reach into what can be seen are painted: a header of thousands
    // of columns shows a few of them.
    RECT shown;
    GetClipBox(paint.dc(), &shown);
    int left = 0;
    for (const int each : data.order) {
        const HeaderItem& item = data.items[static_cast<size_t>(each)];
        const CRect rect(left, 0, left + item.width, client.bottom);
        left = rect.right;
        if (rect.right <= shown.left || rect.left >= shown.right)
            continue;
        const bool pushed = data.gesture == Gesture::pressed && data.item == each &&
                            (GetWindowLong(hwnd, GWL_STYLE) & HDS_BUTTONS);
        PaintItem(paint.dc(), data, item, rect, pushed, palette);
    }
}

// The display position a dragged item would take if dropped at `x`.
int DropPosition(HWND hwnd, const HeaderData& data, int x) {
    for (size_t position = 0; position < data.order.size(); ++position) {
        const CRect rect = ItemRect(hwnd, data, data.order[position]);
        if (x < rect.left + rect.Width() / 2)
            return static_cast<int>(position);
    }
    return static_cast<int>(data.order.size()) - 1;
}

void EndGesture(HWND hwnd, HeaderData& data) {
    data.gesture = Gesture::none;
    if (GetCapture() == hwnd)
        ReleaseCapture();
    InvalidateRect(hwnd, nullptr, TRUE);
}

void TrackTo(HWND hwnd, HeaderData& data, int x, bool final) {
    HDITEM change{};
    change.mask = HDI_WIDTH;
    change.cxy = std::max(0, data.startWidth + x - data.start.x);
    if (!final) {
        if (Notify(hwnd, HDN_TRACK, data.item, &change))
            return;
        if (GetWindowLong(hwnd, GWL_STYLE) & HDS_FULLDRAG)
            SetItem(hwnd, data, data.item, change);
        return;
    }
    SetItem(hwnd, data, data.item, change);
    Notify(hwnd, HDN_ENDTRACK, data.item, &change);
}

void OnButtonDown(HWND hwnd, HeaderData& data, POINT point) {
    HDHITTESTINFO hit{point, 0, -1};
    HitTest(hwnd, data, hit);
    if (hit.iItem < 0)
        return;
    data.item = hit.iItem;
    data.start = point;
    if (hit.flags & HHT_ONDIVIDER) {
        HDITEM item{};
        item.mask = HDI_WIDTH;
        item.cxy = data.items[static_cast<size_t>(hit.iItem)].width;
        if (Notify(hwnd, HDN_BEGINTRACK, hit.iItem, &item))
            return;
        data.startWidth = item.cxy;
        data.gesture = Gesture::tracking;
    } else {
        data.gesture = Gesture::pressed;
    }
    SetCapture(hwnd);
    InvalidateRect(hwnd, nullptr, TRUE);
}

void OnMouseMove(HWND hwnd, HeaderData& data, POINT point) {
    if (data.gesture == Gesture::tracking) {
        TrackTo(hwnd, data, point.x, false);
    } else if (data.gesture == Gesture::pressed &&
               (GetWindowLong(hwnd, GWL_STYLE) & HDS_DRAGDROP) &&
               std::abs(point.x - data.start.x) > GetSystemMetrics(SM_CXDRAG)) {
        if (Notify(hwnd, HDN_BEGINDRAG, data.item))
            EndGesture(hwnd, data);
        else
            data.gesture = Gesture::dragging;
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

void OnButtonUp(HWND hwnd, HeaderData& data, POINT point) {
    const Gesture gesture = data.gesture;
    const int index = data.item;
    if (gesture == Gesture::tracking) {
        TrackTo(hwnd, data, point.x, true);
    } else if (gesture == Gesture::dragging) {
        HDITEM item{};
        item.mask = HDI_ORDER;
        item.iOrder = DropPosition(hwnd, data, point.x);
        if (!Notify(hwnd, HDN_ENDDRAG, index, &item))
            MoveToPosition(data, index, item.iOrder);
    }
    EndGesture(hwnd, data);
    if (gesture == Gesture::pressed && ItemRect(hwnd, data, index).PtInRect(point))
        Notify(hwnd, HDN_ITEMCLICK, index);
}

void OnDoubleClick(HWND hwnd, HeaderData& data, POINT point) {
    HDHITTESTINFO hit{point, 0, -1};
    HitTest(hwnd, data, hit);
    if (hit.flags & HHT_ONDIVIDER) {
        Notify(hwnd, HDN_DIVIDERDBLCLICK, hit.iItem);
    } else if (hit.flags & HHT_ONHEADER) {
        // The second press of a double click is a press too: it clicks once more.
        Notify(hwnd, HDN_ITEMDBLCLICK, hit.iItem);
        OnButtonDown(hwnd, data, point);
    }
}

LRESULT ItemMessage(HWND hwnd, HeaderData& data, UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    switch (message) {
    case HDM_GETITEMCOUNT:
        return Count(data);
    case HDM_INSERTITEM:
        return lParam ? InsertItem(hwnd, data, index, *reinterpret_cast<const HDITEM*>(lParam))
                      : -1;
    case HDM_DELETEITEM:
        return DeleteItem(hwnd, data, index);
    case HDM_GETITEM:
        if (!Valid(data, index) || !lParam)
            return FALSE;
        // The position costs a search through the order: only when it is asked for.
        CopyItem(data.items[static_cast<size_t>(index)],
                 (reinterpret_cast<HDITEM*>(lParam)->mask & HDI_ORDER) ? PositionOf(data, index)
                                                                       : -1,
                 *reinterpret_cast<HDITEM*>(lParam));
        return TRUE;
    case HDM_SETITEM:
        return lParam && SetItem(hwnd, data, index, *reinterpret_cast<HDITEM*>(lParam));
    case HDM_GETITEMRECT:
        if (!Valid(data, index) || !lParam)
            return FALSE;
        *reinterpret_cast<RECT*>(lParam) = ItemRect(hwnd, data, index);
        return TRUE;
    case HDM_ORDERTOINDEX:
        return index >= 0 && index < Count(data) ? data.order[static_cast<size_t>(index)] : index;
    case HDM_GETORDERARRAY:
        if (index != Count(data) || !lParam)
            return FALSE;
        std::copy(data.order.begin(), data.order.end(), reinterpret_cast<int*>(lParam));
        return TRUE;
    case HDM_SETORDERARRAY:
        return SetOrder(hwnd, data, index, reinterpret_cast<const int*>(lParam));
    default:
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

LRESULT HeaderMessage(HWND hwnd, HeaderData& data, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint(hwnd, data);
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_LBUTTONDOWN:
        OnButtonDown(hwnd, data, CPoint(lParam));
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(hwnd, data, CPoint(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnButtonUp(hwnd, data, CPoint(lParam));
        return 0;
    case WM_LBUTTONDBLCLK:
        OnDoubleClick(hwnd, data, CPoint(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        if (data.gesture != Gesture::none && reinterpret_cast<HWND>(lParam) != hwnd) {
            data.gesture = Gesture::none;
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return 0;
    case HDM_LAYOUT: {
        auto* layout = reinterpret_cast<HDLAYOUT*>(lParam);
        if (!layout || !layout->prc || !layout->pwpos)
            return FALSE;
        const int height = (GetWindowLong(hwnd, GWL_STYLE) & HDS_HIDDEN) ? 0 : HeaderHeight();
        *layout->pwpos = WINDOWPOS{hwnd,
                                   nullptr,
                                   layout->prc->left,
                                   layout->prc->top,
                                   layout->prc->right - layout->prc->left,
                                   height,
                                   SWP_NOZORDER};
        layout->prc->top += height;
        return TRUE;
    }
    case HDM_HITTEST:
        return lParam ? HitTest(hwnd, data, *reinterpret_cast<HDHITTESTINFO*>(lParam)) : -1;
    case HDM_SETIMAGELIST: {
        const HIMAGELIST previous = data.images;
        data.images = reinterpret_cast<HIMAGELIST>(lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return reinterpret_cast<LRESULT>(previous);
    }
    case HDM_GETIMAGELIST:
        return reinterpret_cast<LRESULT>(data.images);
    default:
        return ItemMessage(hwnd, data, message, wParam, lParam);
    }
}

const SystemClass kHeaderClass(WC_HEADER, ControlProcedure<HeaderData, HeaderMessage>,
                               CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);

} // namespace

BOOL CHeaderCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(WC_HEADER, nullptr, style, rect, parent, id);
}

int CHeaderCtrl::GetItemCount() const {
    return static_cast<int>(SendMessage(HDM_GETITEMCOUNT));
}

int CHeaderCtrl::InsertItem(int index, HDITEM* item) {
    return static_cast<int>(
        SendMessage(HDM_INSERTITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item)));
}

BOOL CHeaderCtrl::DeleteItem(int index) {
    return static_cast<BOOL>(SendMessage(HDM_DELETEITEM, static_cast<WPARAM>(index)));
}

BOOL CHeaderCtrl::GetItem(int index, HDITEM* item) const {
    return static_cast<BOOL>(
        SendMessage(HDM_GETITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item)));
}

BOOL CHeaderCtrl::SetItem(int index, HDITEM* item) {
    return static_cast<BOOL>(
        SendMessage(HDM_SETITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item)));
}

BOOL CHeaderCtrl::GetItemRect(int index, LPRECT rect) const {
    return static_cast<BOOL>(
        SendMessage(HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect)));
}

BOOL CHeaderCtrl::Layout(HDLAYOUT* layout) {
    return static_cast<BOOL>(SendMessage(HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(layout)));
}

int CHeaderCtrl::HitTest(HDHITTESTINFO* info) {
    return static_cast<int>(SendMessage(HDM_HITTEST, 0, reinterpret_cast<LPARAM>(info)));
}

CImageList* CHeaderCtrl::SetImageList(CImageList* list) {
    CImageList* const previous = GetImageList();
    SendMessage(HDM_SETIMAGELIST, 0,
                reinterpret_cast<LPARAM>(list ? list->GetSafeHandle() : nullptr));
    m_imageList = list;
    return previous;
}

CImageList* CHeaderCtrl::GetImageList() const {
    const auto installed = reinterpret_cast<HIMAGELIST>(SendMessage(HDM_GETIMAGELIST));
    return m_imageList && m_imageList->GetSafeHandle() == installed ? m_imageList : nullptr;
}

int CHeaderCtrl::OrderToIndex(int order) const {
    return static_cast<int>(SendMessage(HDM_ORDERTOINDEX, static_cast<WPARAM>(order)));
}

BOOL CHeaderCtrl::GetOrderArray(LPINT array, int count) const {
    return static_cast<BOOL>(SendMessage(HDM_GETORDERARRAY, static_cast<WPARAM>(count),
                                         reinterpret_cast<LPARAM>(array)));
}

BOOL CHeaderCtrl::SetOrderArray(int count, LPINT array) {
    return static_cast<BOOL>(SendMessage(HDM_SETORDERARRAY, static_cast<WPARAM>(count),
                                         reinterpret_cast<LPARAM>(array)));
}

IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)
