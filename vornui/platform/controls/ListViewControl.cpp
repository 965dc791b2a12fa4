// The list view's window procedure: its header, columns, image lists, colours and styles,
// and the messages that reach the item and geometry code.

#include "vornui/platform/Bitmaps.h"
#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/Text.h"
#include "vornui/platform/internal/ControlPaintDC.h"
#include "vornui/platform/internal/ControlProcedure.h"
#include "vornui/platform/internal/ListViewData.h"
#include "vornui/platform/internal/WindowClass.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kSubItemTextMargin = 12;
constexpr int kLabelTextMargin = 4;
constexpr int kCheckSize = 16;

int Index(WPARAM wParam) {
    return static_cast<int>(static_cast<INT_PTR>(wParam));
}

void FillBox(HDC dc, const RECT& rect, COLORREF color) {
    const HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

// The system's own check boxes, made when a list first asks for LVS_EX_CHECKBOXES:
// image 0 is empty, image 1 ticked (state images 1 and 2).
HIMAGELIST MakeCheckBoxImages() {
    const HIMAGELIST list = ImageList_Create(kCheckSize, kCheckSize, ILC_COLOR24 | ILC_MASK, 2, 0);
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, 2 * kCheckSize, kCheckSize);
    ReleaseDC(nullptr, screen);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT all{0, 0, 2 * kCheckSize, kCheckSize};
    FillBox(dc, all, RGB(255, 0, 255));
    for (int image = 0; image < 2; ++image) {
        const int x = image * kCheckSize;
        FillBox(dc, RECT{x + 2, 2, x + 15, 15}, GetSysColor(COLOR_BTNSHADOW));
        FillBox(dc, RECT{x + 3, 3, x + 14, 14}, GetSysColor(COLOR_WINDOW));
    }
    // The tick: two strokes, three pixels thick.
    const COLORREF tick = GetSysColor(COLOR_WINDOWTEXT);
    for (int step = 0; step < 7; ++step) {
        const int x = kCheckSize + 4 + step;
        const int y = step < 3 ? 7 + step : 11 - (step - 2);
        FillBox(dc, RECT{x, y, x + 1, y + 3}, tick);
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    ImageList_AddMasked(list, bitmap, RGB(255, 0, 255));
    DeleteObject(bitmap);
    return list;
}

void SetExtendedStyle(HWND hwnd, ListViewData& data, DWORD mask, DWORD style) {
    if (!mask)
        mask = ~0u;
    const DWORD previous = data.extended;
    data.extended = (data.extended & ~mask) | (style & mask);
    if ((data.extended & LVS_EX_CHECKBOXES) && !(previous & LVS_EX_CHECKBOXES)) {
        if (!data.images[LVSIL_STATE]) {
            data.images[LVSIL_STATE] = MakeCheckBoxImages();
            data.ownCheckBoxes = data.images[LVSIL_STATE];
        }
        for (int each = 0; each < data.Count(); ++each)
            if (!(data.Row(each).state & LVIS_STATEIMAGEMASK))
                data.Row(each).state |= INDEXTOSTATEIMAGEMASK(1);
    }
    const LONG headerStyle = GetWindowLong(data.header, GWL_STYLE);
    SetWindowLong(data.header, GWL_STYLE,
                  (data.extended & LVS_EX_HEADERDRAGDROP) ? headerStyle | HDS_DRAGDROP
                                                          : headerStyle & ~HDS_DRAGDROP);
    ListUpdateScrollBars(hwnd, data);
    InvalidateRect(hwnd, nullptr, TRUE);
}

HIMAGELIST SetImageList(HWND hwnd, ListViewData& data, int type, HIMAGELIST list) {
    if (type < LVSIL_NORMAL || type > LVSIL_STATE)
        return nullptr;
    const HIMAGELIST previous = data.images[type];
    data.images[type] = list;
    if (type == LVSIL_STATE && data.ownCheckBoxes && previous == data.ownCheckBoxes) {
        ImageList_Destroy(data.ownCheckBoxes);
        data.ownCheckBoxes = nullptr;
    }
    // The header shows the small images too, in place of any list it had.
    if (type == LVSIL_SMALL)
        SendMessage(data.header, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list));
    ListUpdateScrollBars(hwnd, data);
    InvalidateRect(hwnd, nullptr, TRUE);
    return previous == data.ownCheckBoxes ? nullptr : previous;
}

HDITEM HeaderItemOf(const LVCOLUMN& column, int index) {
    HDITEM item{};
    if (column.mask & LVCF_TEXT) {
        item.mask |= HDI_TEXT;
        item.pszText = column.pszText;
    }
    if (column.mask & LVCF_WIDTH) {
        item.mask |= HDI_WIDTH;
        item.cxy = column.cx;
    }
    if (column.mask & LVCF_FMT) {
        item.mask |= HDI_FORMAT;
        // Column 0 is always left-aligned.
        item.fmt = (index == 0 ? LVCFMT_LEFT : (column.fmt & LVCFMT_JUSTIFYMASK)) | HDF_STRING;
    }
    if (column.mask & LVCF_ORDER) {
        item.mask |= HDI_ORDER;
        item.iOrder = column.iOrder;
    }
    return item;
}

int InsertColumn(HWND hwnd, ListViewData& data, int index, const LVCOLUMN& column) {
    if (index < 0)
        return -1;
    const int at = std::min(index, ListColumnCount(data));
    ListColumn inserted;
    inserted.format = at == 0 ? LVCFMT_LEFT : ((column.mask & LVCF_FMT) ? column.fmt : 0);
    inserted.subItem = (column.mask & LVCF_SUBITEM) ? column.iSubItem : at;
    if (column.mask & LVCF_IMAGE)
        inserted.image = column.iImage;
    HDITEM item = HeaderItemOf(column, at);
    item.mask |= HDI_FORMAT | HDI_WIDTH;
    item.fmt = (inserted.format & LVCFMT_JUSTIFYMASK) | HDF_STRING;
    if (!(column.mask & LVCF_WIDTH))
        item.cxy = 0;
    if (SendMessage(data.header, HDM_INSERTITEM, static_cast<WPARAM>(at),
                    reinterpret_cast<LPARAM>(&item)) < 0)
        return -1;
    data.columns.insert(data.columns.begin() + at, inserted);
    ListUpdateScrollBars(hwnd, data);
    InvalidateRect(hwnd, nullptr, TRUE);
    return at;
}

bool GetColumn(const ListViewData& data, int index, LVCOLUMN& column) {
    if (index < 0 || index >= ListColumnCount(data))
        return false;
    const ListColumn& own = data.columns[static_cast<size_t>(index)];
    HDITEM item{};
    item.mask = HDI_WIDTH | HDI_ORDER | ((column.mask & LVCF_TEXT) ? HDI_TEXT : 0);
    item.pszText = column.pszText;
    item.cchTextMax = column.cchTextMax;
    SendMessage(data.header, HDM_GETITEM, static_cast<WPARAM>(index),
                reinterpret_cast<LPARAM>(&item));
    if (column.mask & LVCF_FMT)
        column.fmt = own.format;
    if (column.mask & LVCF_WIDTH)
        column.cx = item.cxy;
    if (column.mask & LVCF_SUBITEM)
        column.iSubItem = own.subItem;
    if (column.mask & LVCF_IMAGE)
        column.iImage = own.image;
    if (column.mask & LVCF_ORDER)
        column.iOrder = item.iOrder;
    return true;
}

bool SetColumn(HWND hwnd, ListViewData& data, int index, const LVCOLUMN& column) {
    if (index < 0 || index >= ListColumnCount(data))
        return false;
    ListColumn& own = data.columns[static_cast<size_t>(index)];
    if (column.mask & LVCF_FMT)
        own.format = index == 0 ? LVCFMT_LEFT : column.fmt;
    if (column.mask & LVCF_SUBITEM)
        own.subItem = column.iSubItem;
    if (column.mask & LVCF_IMAGE)
        own.image = column.iImage;
    HDITEM item = HeaderItemOf(column, index);
    if (item.mask)
        SendMessage(data.header, HDM_SETITEM, static_cast<WPARAM>(index),
                    reinterpret_cast<LPARAM>(&item));
    ListUpdateScrollBars(hwnd, data);
    InvalidateRect(hwnd, nullptr, TRUE);
    return true;
}

bool DeleteColumn(HWND hwnd, ListViewData& data, int index) {
    if (index < 0 || index >= ListColumnCount(data))
        return false;
    SendMessage(data.header, HDM_DELETEITEM, static_cast<WPARAM>(index), 0);
    data.columns.erase(data.columns.begin() + index);
    ListUpdateScrollBars(hwnd, data);
    InvalidateRect(hwnd, nullptr, TRUE);
    return true;
}

// The width that shows every text of the column (LVSCW_AUTOSIZE), or the heading as well
// (LVSCW_AUTOSIZE_USEHEADER).
int AutoWidth(HWND hwnd, const ListViewData& data, int column, bool useHeader) {
    const HDC dc = GetDC(hwnd);
    int widest = 0;
    {
        ControlFontScope font(hwnd, dc);
        const int subItem = data.columns[static_cast<size_t>(column)].subItem;
        for (int each = 0; each < data.Count(); ++each) {
            const CString text = ListCellText(hwnd, data, each, subItem);
            SIZE size{};
            GetTextExtentPoint32(dc, text.GetString(), text.GetLength(), &size);
            widest = std::max<int>(widest, size.cx);
        }
        if (useHeader) {
            char heading[260] = {};
            HDITEM item{};
            item.mask = HDI_TEXT;
            item.pszText = heading;
            item.cchTextMax = sizeof heading;
            SendMessage(data.header, HDM_GETITEM, static_cast<WPARAM>(column),
                        reinterpret_cast<LPARAM>(&item));
            SIZE size{};
            GetTextExtentPoint32(dc, heading, static_cast<int>(std::strlen(heading)), &size);
            widest = std::max<int>(widest, size.cx);
        }
    }
    ReleaseDC(hwnd, dc);
    if (column != 0 || !data.Count())
        return widest + kSubItemTextMargin;
    RECT label;
    RECT cell;
    ListItemRect(hwnd, data, 0, 0, LVIR_LABEL, label);
    cell = ListCellRect(hwnd, data, 0, 0);
    return label.left - cell.left + widest + kLabelTextMargin;
}

bool SetColumnWidth(HWND hwnd, ListViewData& data, int column, int width) {
    if (column < 0 || column >= std::max(1, ListColumnCount(data)) || data.columns.empty())
        return false;
    if (width == LVSCW_AUTOSIZE || width == LVSCW_AUTOSIZE_USEHEADER)
        width = AutoWidth(hwnd, data, column, width == LVSCW_AUTOSIZE_USEHEADER);
    HDITEM item{};
    item.mask = HDI_WIDTH;
    item.cxy = std::max(0, width);
    SendMessage(data.header, HDM_SETITEM, static_cast<WPARAM>(column),
                reinterpret_cast<LPARAM>(&item));
    ListUpdateScrollBars(hwnd, data);
    InvalidateRect(hwnd, nullptr, TRUE);
    return true;
}

// A picture of the row's icon and label, for dragging it.
HIMAGELIST CreateDragImage(HWND hwnd, const ListViewData& data, int index, POINT* upperLeft) {
    RECT icon;
    RECT label;
    if (!ListItemRect(hwnd, data, index, 0, LVIR_ICON, icon) ||
        !ListItemRect(hwnd, data, index, 0, LVIR_LABEL, label))
        return nullptr;
    const CString text = ListCellText(hwnd, data, index, 0);
    const int width = std::max(1, static_cast<int>(label.right - icon.left));
    const int height = std::max(1, static_cast<int>(label.bottom - label.top));
    const HIMAGELIST list = ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, 1, 0);
    const HDC screen = GetDC(hwnd);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(hwnd, screen);
    const HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    {
        ControlFontScope font(hwnd, dc);
        FillBox(dc, RECT{0, 0, width, height}, data.background);
        if (data.images[LVSIL_SMALL] && data.Row(index).image >= 0)
            ImageList_Draw(data.images[LVSIL_SMALL], data.Row(index).image, dc, 0, 0,
                           ILD_TRANSPARENT);
        RECT textRect{label.left - icon.left + 2, 0, width, height};
        SetTextColor(dc, data.text);
        SetBkMode(dc, TRANSPARENT);
        DrawText(dc, text.GetString(), text.GetLength(), &textRect,
                 DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    SelectObject(dc, oldBitmap);
    DeleteDC(dc);
    ImageList_Add(list, bitmap, nullptr);
    DeleteObject(bitmap);
    if (upperLeft)
        *upperLeft = POINT{icon.left, icon.top};
    return list;
}

void OnHeaderNotify(HWND hwnd, ListViewData& data, const NMHEADER& notice) {
    switch (notice.hdr.code) {
    case HDN_ITEMCLICK:
        ListNotify(hwnd, LVN_COLUMNCLICK, -1, notice.iItem);
        break;
    case HDN_ITEMCHANGED:
        ListUpdateScrollBars(hwnd, data);
        InvalidateRect(hwnd, nullptr, TRUE);
        break;
    case HDN_ENDDRAG:
        // The header takes its new order once this notification returns.
        InvalidateRect(hwnd, nullptr, TRUE);
        break;
    case HDN_DIVIDERDBLCLICK:
        SetColumnWidth(hwnd, data, notice.iItem, LVSCW_AUTOSIZE);
        break;
    default:
        break;
    }
}

void OnCreate(HWND hwnd, ListViewData& data) {
    data.header = CreateWindowEx(0, WC_HEADER, "", WS_CHILD | HDS_HORZ | HDS_BUTTONS, 0, 0, 0, 0,
                                 hwnd, nullptr, nullptr, nullptr);
    ListUpdateScrollBars(hwnd, data);
}

COLORREF SetColor(HWND hwnd, COLORREF& field, LPARAM lParam) {
    field = static_cast<COLORREF>(lParam);
    InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

LRESULT ColumnMessage(HWND hwnd, ListViewData& data, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case LVM_INSERTCOLUMN:
        return lParam ? InsertColumn(hwnd, data, Index(wParam),
                                     *reinterpret_cast<const LVCOLUMN*>(lParam))
                      : -1;
    case LVM_GETCOLUMN:
        return lParam && GetColumn(data, Index(wParam), *reinterpret_cast<LVCOLUMN*>(lParam));
    case LVM_SETCOLUMN:
        return lParam &&
               SetColumn(hwnd, data, Index(wParam), *reinterpret_cast<const LVCOLUMN*>(lParam));
    case LVM_DELETECOLUMN:
        return DeleteColumn(hwnd, data, Index(wParam));
    case LVM_GETCOLUMNWIDTH:
        return Index(wParam) >= 0 && Index(wParam) < ListColumnCount(data)
                   ? ListColumnWidth(data, Index(wParam))
                   : 0;
    case LVM_SETCOLUMNWIDTH:
        return SetColumnWidth(hwnd, data, Index(wParam), static_cast<short>(LOWORD(lParam)));
    case LVM_GETCOLUMNORDERARRAY:
        return SendMessage(data.header, HDM_GETORDERARRAY, wParam, lParam);
    case LVM_SETCOLUMNORDERARRAY: {
        const LRESULT done = SendMessage(data.header, HDM_SETORDERARRAY, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return done;
    }
    case LVM_GETHEADER:
        return reinterpret_cast<LRESULT>(data.header);
    default:
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

LRESULT GeometryMessage(HWND hwnd, ListViewData& data, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case LVM_GETITEMRECT:
    case LVM_GETSUBITEMRECT: {
        if (!lParam)
            return FALSE;
        auto* rect = reinterpret_cast<RECT*>(lParam);
        const int column = message == LVM_GETITEMRECT ? 0 : rect->top;
        return ListItemRect(hwnd, data, Index(wParam), column, rect->left, *rect);
    }
    case LVM_HITTEST:
    case LVM_SUBITEMHITTEST:
        return lParam ? ListHitTest(hwnd, data, *reinterpret_cast<LVHITTESTINFO*>(lParam),
                                    message == LVM_SUBITEMHITTEST)
                      : -1;
    case LVM_ENSUREVISIBLE:
        ListEnsureVisible(hwnd, data, Index(wParam));
        return data.Valid(Index(wParam));
    case LVM_SCROLL:
        ListScrollHorizontally(hwnd, data, data.scrollX + Index(wParam));
        ListSetTop(hwnd, data, data.top + static_cast<int>(lParam) / ListRowHeight(data));
        return TRUE;
    case LVM_GETTOPINDEX:
        return data.top;
    case LVM_GETCOUNTPERPAGE:
        return ListRowsPerPage(hwnd, data);
    case LVM_GETORIGIN:
        if (lParam)
            *reinterpret_cast<POINT*>(lParam) = POINT{data.scrollX, 0};
        return TRUE;
    case LVM_GETVIEWRECT:
        if (!lParam)
            return FALSE;
        *reinterpret_cast<RECT*>(lParam) =
            RECT{-data.scrollX, 0, ListTotalWidth(data) - data.scrollX,
                 ListHeaderHeight(data) + (data.Count() - data.top) * ListRowHeight(data)};
        return TRUE;
    case LVM_GETSTRINGWIDTH:
        return lParam ? ListTextWidth(hwnd, reinterpret_cast<LPCSTR>(lParam)) : 0;
    case LVM_REDRAWITEMS:
        for (int each = std::max(0, Index(wParam));
             each <= static_cast<int>(lParam) && data.Valid(each); ++each)
            ListInvalidateRow(hwnd, data, each);
        return TRUE;
    case LVM_UPDATE:
        ListInvalidateRow(hwnd, data, Index(wParam));
        return data.Valid(Index(wParam));
    default:
        return ColumnMessage(hwnd, data, message, wParam, lParam);
    }
}

LRESULT LookMessage(HWND hwnd, ListViewData& data, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case LVM_GETBKCOLOR:
        return data.background;
    case LVM_SETBKCOLOR:
        return SetColor(hwnd, data.background, lParam);
    case LVM_GETTEXTCOLOR:
        return data.text;
    case LVM_SETTEXTCOLOR:
        return SetColor(hwnd, data.text, lParam);
    case LVM_GETTEXTBKCOLOR:
        return data.textBackground;
    case LVM_SETTEXTBKCOLOR:
        return SetColor(hwnd, data.textBackground, lParam);
    case LVM_GETIMAGELIST:
        return Index(wParam) >= LVSIL_NORMAL && Index(wParam) <= LVSIL_STATE
                   ? reinterpret_cast<LRESULT>(data.images[Index(wParam)])
                   : 0;
    case LVM_SETIMAGELIST:
        return reinterpret_cast<LRESULT>(
            SetImageList(hwnd, data, Index(wParam), reinterpret_cast<HIMAGELIST>(lParam)));
    case LVM_GETEXTENDEDLISTVIEWSTYLE:
        return data.extended;
    case LVM_SETEXTENDEDLISTVIEWSTYLE: {
        const DWORD previous = data.extended;
        SetExtendedStyle(hwnd, data, static_cast<DWORD>(wParam), static_cast<DWORD>(lParam));
        return previous;
    }
    case LVM_CREATEDRAGIMAGE:
        return reinterpret_cast<LRESULT>(
            CreateDragImage(hwnd, data, Index(wParam), reinterpret_cast<POINT*>(lParam)));
    default:
        return GeometryMessage(hwnd, data, message, wParam, lParam);
    }
}

LRESULT ItemMessage(HWND hwnd, ListViewData& data, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case LVM_GETITEMCOUNT:
        return data.Count();
    case LVM_SETITEMCOUNT:
        // A list that holds its items itself only makes room for them, if it can.
        try {
            data.rows.reserve(static_cast<size_t>(std::max(Index(wParam), 0)));
        } catch (const std::bad_alloc&) {
            return FALSE;
        }
        return TRUE;
    case LVM_INSERTITEM:
        return lParam ? ListInsertItem(hwnd, data, *reinterpret_cast<const LVITEM*>(lParam)) : -1;
    case LVM_DELETEITEM:
        return ListDeleteItem(hwnd, data, Index(wParam));
    case LVM_DELETEALLITEMS:
        return ListDeleteAll(hwnd, data);
    case LVM_GETITEM:
        return lParam && ListGetItem(hwnd, data, *reinterpret_cast<LVITEM*>(lParam));
    case LVM_SETITEM:
        return lParam && ListSetItem(hwnd, data, *reinterpret_cast<const LVITEM*>(lParam));
    case LVM_GETITEMTEXT:
        return lParam ? ListItemText(hwnd, data, Index(wParam), *reinterpret_cast<LVITEM*>(lParam))
                      : 0;
    case LVM_SETITEMTEXT: {
        if (!lParam)
            return FALSE;
        LVITEM item = *reinterpret_cast<const LVITEM*>(lParam);
        item.mask = LVIF_TEXT;
        item.iItem = Index(wParam);
        return ListSetItem(hwnd, data, item);
    }
    case LVM_GETITEMSTATE:
        return data.Valid(Index(wParam)) ? data.Row(Index(wParam)).state & lParam : 0;
    case LVM_SETITEMSTATE: {
        if (!lParam)
            return FALSE;
        const auto& item = *reinterpret_cast<const LVITEM*>(lParam);
        return ListSetState(hwnd, data, Index(wParam), item.state, item.stateMask);
    }
    case LVM_GETNEXTITEM:
        return ListNextItem(data, Index(wParam), LOWORD(lParam));
    case LVM_GETSELECTEDCOUNT: {
        int selected = 0;
        for (int each = 0; each < data.Count(); ++each)
            selected += (data.Row(each).state & LVIS_SELECTED) ? 1 : 0;
        return selected;
    }
    case LVM_GETSELECTIONMARK:
        return data.anchor;
    case LVM_SETSELECTIONMARK: {
        const int previous = data.anchor;
        data.anchor = data.Valid(static_cast<int>(lParam)) ? static_cast<int>(lParam) : -1;
        return previous;
    }
    case LVM_FINDITEM:
        return lParam ? ListFindItem(hwnd, data, Index(wParam),
                                     *reinterpret_cast<const LVFINDINFO*>(lParam))
                      : -1;
    case LVM_SORTITEMS:
        return ListSortItems(hwnd, data, reinterpret_cast<PFNLVCOMPARE>(lParam),
                             static_cast<LPARAM>(wParam));
    default:
        return LookMessage(hwnd, data, message, wParam, lParam);
    }
}

LRESULT ListMessage(HWND hwnd, ListViewData& data, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (ListInput(hwnd, data, message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_CREATE:
        OnCreate(hwnd, data);
        return 0;
    case WM_DESTROY:
        if (data.ownCheckBoxes) {
            ImageList_Destroy(data.ownCheckBoxes);
            data.images[LVSIL_STATE] =
                data.images[LVSIL_STATE] == data.ownCheckBoxes ? nullptr : data.images[LVSIL_STATE];
            data.ownCheckBoxes = nullptr;
        }
        return DefWindowProc(hwnd, message, wParam, lParam);
    case WM_PAINT:
        ListPaint(hwnd, data);
        return 0;
    case WM_ERASEBKGND:
        ListEraseBackground(hwnd, data, reinterpret_cast<HDC>(wParam));
        return TRUE;
    case WM_SIZE:
    case WM_STYLECHANGED:
        ListUpdateScrollBars(hwnd, data);
        InvalidateRect(hwnd, nullptr, TRUE);
        return DefWindowProc(hwnd, message, wParam, lParam);
    case WM_SETFONT:
        SendMessage(data.header, WM_SETFONT, wParam, lParam);
        DefWindowProc(hwnd, message, wParam, lParam);
        ListUpdateScrollBars(hwnd, data);
        return 0;
    case WM_SYSCOLORCHANGE:
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_SETREDRAW:
        DefWindowProc(hwnd, message, wParam, lParam);
        data.redraw = wParam != 0;
        if (data.redraw) {
            ListUpdateScrollBars(hwnd, data);
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return 0;
    case WM_NOTIFY:
        if (lParam && reinterpret_cast<const NMHDR*>(lParam)->hwndFrom == data.header)
            OnHeaderNotify(hwnd, data, *reinterpret_cast<const NMHEADER*>(lParam));
        return 0;
    default:
        return ItemMessage(hwnd, data, message, wParam, lParam);
    }
}

const SystemClass kListViewClass(WC_LISTVIEW, ControlProcedure<ListViewData, ListMessage>,
                                 CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);

} // namespace

ListViewData::ListViewData()
    : background(GetSysColor(COLOR_WINDOW)), text(GetSysColor(COLOR_WINDOWTEXT)),
      textBackground(CLR_DEFAULT) {}
