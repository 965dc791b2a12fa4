#include "vornui/lists/CListCtrlEx.h"

#include "vornui/lists/ColumnAlignment.h"
#include "vornui/lists/ListSortKeys.h"
#include "vornui/platform/CDC.h"
#include "vornui/platform/CGdiObject.h"
#include "vornui/platform/DesktopInput.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Registry.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/WindowDC.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNCREATE(CListCtrlEx, CListCtrl)

namespace {

constexpr int kTextOffset = 12;
constexpr int kIconSize = 16;
constexpr size_t kShortBuffer = 260;
constexpr COLORREF kDarkBackground = RGB(0x53, 0x53, 0x53);

} // namespace

CListCtrlEx::CListCtrlEx() = default;

CListCtrlEx::~CListCtrlEx() = default;

void CListCtrlEx::CreateColumns(char** const headings, int* const widths, int* const formats,
                                int count) {
    for (int column = 0; column < count; ++column)
        InsertColumn(column, headings[column], formats[column], widths[column], column);
}

int CListCtrlEx::InsertRow(int index, CStringList& strings, bool makeColumns) {
    if (strings.IsEmpty())
        return -1;
    const int row = InsertItem(index, strings.RemoveHead());
    if (row < 0)
        return row;
    for (int column = 1; !strings.IsEmpty(); ++column) {
        if (!IsColumn(column)) {
            if (!makeColumns)
                break;
            CString heading;
            heading.Format("Column %d", column + 1);
            InsertColumn(column, heading, LVCFMT_LEFT, GetColumnWidth(0));
        }
        SetItemText(row, column, strings.RemoveHead());
    }
    return row;
}

void CListCtrlEx::AddItem(CStringList& strings) {
    InsertRow(0, strings, false);
}

int CListCtrlEx::AddItemAt(CStringList& strings, int index) {
    if (index > GetItemCount())
        return 0;
    InsertRow(index, strings, false);
    return 1;
}

int CListCtrlEx::AddItemTail(CStringList& strings) {
    return InsertRow(GetItemCount(), strings, true);
}

int CListCtrlEx::AddItemTail(std::vector<CString>& strings) {
    if (strings.empty())
        return -1;
    CStringList list;
    for (const CString& each : strings)
        list.AddTail(each);
    strings.clear();
    return AddItemTail(list);
}

int CListCtrlEx::AddItemTailNumbered(CStringList& strings) {
    CString number;
    number.Format("%05d", GetItemCount());
    strings.AddHead(number);
    return AddItemTail(strings);
}

int CListCtrlEx::IsColumn(int column) {
    CHeaderCtrl* header = GetHeaderCtrl();
    return header && column >= 0 && column < header->GetItemCount();
}

int CListCtrlEx::IsItem(int index) {
    return index < GetItemCount();
}

int CListCtrlEx::GetSelectedItem(int after) {
    return GetNextItem(after, LVNI_SELECTED);
}

int CListCtrlEx::SelectItem(int index) {
    return SetItemState(index, LVIS_SELECTED, LVIS_SELECTED);
}

int CListCtrlEx::SelectAll() {
    for (int index = 0; index < GetItemCount(); ++index)
        if (!SelectItem(index))
            return 0;
    return 1;
}

void CListCtrlEx::SetModeGridLine(int horizontal, int vertical) {
    m_nGridLineHorz = horizontal;
    m_nGridLineVert = vertical;
    Invalidate();
}

void CListCtrlEx::SetModeColumnWidths(const CString& key) {
    m_strColumnWidthKey = key;
    HKEY opened = nullptr;
    if (key.IsEmpty() ||
        RegOpenKeyEx(HKEY_CURRENT_USER, key, 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return;
    CHeaderCtrl* header = GetHeaderCtrl();
    const int count = header ? header->GetItemCount() : 0;
    for (int column = 0; column < count; ++column) {
        CString name;
        name.Format("Column%d", column);
        DWORD type = 0;
        DWORD value = 0;
        DWORD size = sizeof value;
        if (RegQueryValueEx(opened, name, nullptr, &type, reinterpret_cast<LPBYTE>(&value),
                            &size) == ERROR_SUCCESS &&
            type == REG_DWORD && size == sizeof value)
            SetColumnWidth(column, LOWORD(value));
    }
    RegCloseKey(opened);
}

void CListCtrlEx::PreSubclassWindow() {
    CListCtrl::PreSubclassWindow();
    const COLORREF textBack = GetTextBkColor();
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    if ((textBack != CLR_NONE && textBack != CLR_DEFAULT) || GetSysColor(COLOR_WINDOW) != face)
        return;
    // Text on the window's own colour, which is the dialog's: give it a contrast.
    if (GetRValue(face) + GetGValue(face) + GetBValue(face) < 383)
        SetTextBkColor(face == kDarkBackground ? RGB(0, 0, 0) : kDarkBackground);
    else
        SetTextBkColor(face == RGB(255, 255, 255) ? RGB(0xC0, 0xC0, 0xC0) : RGB(255, 255, 255));
}

BOOL CListCtrlEx::OnReflectedNotify(NMHDR* header, LRESULT* result) {
    switch (header->code) {
    case LVN_COLUMNCLICK:
        OnColumnclick(header, result);
        return FALSE; // the parent hears of it too
    case NM_CLICK:
        OnClick(header, result);
        return FALSE;
    case NM_DBLCLK:
        OnDblClick(header, result);
        return FALSE;
    case NM_KILLFOCUS:
        OnKillfocus(header, result);
        return FALSE;
    case NM_SETFOCUS:
        OnSetfocus(header, result);
        return FALSE;
    default:
        return CListCtrl::OnReflectedNotify(header, result);
    }
}

void CListCtrlEx::OnColumnclick(NMHDR* header, LRESULT* result) {
    const int column = reinterpret_cast<const NMLISTVIEW*>(header)->iSubItem;
    m_nSortAscending = column == m_nSortColumn ? !m_nSortAscending : 1;
    m_nSortColumn = column;
    const int count = GetItemCount();
    std::vector<LPARAM> data(static_cast<size_t>(count));
    std::vector<CString> texts(static_cast<size_t>(count));
    for (int index = 0; index < count; ++index) {
        SetItemData(index, static_cast<DWORD_PTR>(index));
        data[static_cast<size_t>(index)] = index;
        texts[static_cast<size_t>(index)] = GetItemText(index, column);
    }
    m_sortKeys = std::make_unique<ListSortKeys>(data, texts);
    SortItems(CompareFunc, reinterpret_cast<DWORD_PTR>(this));
    m_sortKeys.reset();
    *result = 0;
}

int CListCtrlEx::CompareFunc(LPARAM first, LPARAM second, LPARAM listParam) {
    auto* list = reinterpret_cast<CListCtrlEx*>(listParam);
    std::optional<int> result;
    if (list->m_sortKeys)
        result = list->m_sortKeys->Compare(first, second);
    if (!result) {
        // Outside a column click, or for data no row has: the cells as they are now.
        const auto read = [list](LPARAM data) {
            LVFINDINFO find{LVFI_PARAM, nullptr, data, {}, 0};
            return MakeSortKey(list->GetItemText(list->FindItem(&find), list->m_nSortColumn));
        };
        result = CompareSortKeys(read(first), read(second), false, false);
    }
    return list->m_nSortAscending ? *result : -*result;
}

void CListCtrlEx::OnClick(NMHDR*, LRESULT*) {
    const DWORD position = GetMessagePos();
    CPoint point(static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position)));
    ScreenToClient(&point);
    UINT flags = 0;
    HitTest(point, &flags);
    if (flags & (LVHT_ONITEMICON | LVHT_ONITEMLABEL))
        return;
    const bool firstColumn = m_nModeFirstColumn && point.x <= GetColumnWidth(0);
    if (!firstColumn && !m_nModeAnyColumn)
        return;
    const int index = HitTest(CPoint(2, point.y));
    if (index >= 0)
        SetItemState(index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void CListCtrlEx::OnDblClick(NMHDR*, LRESULT* result) {
    *result = 1;
}

void CListCtrlEx::OutlineRow(int index, bool focusRectangle) {
    CRect row;
    CRect label;
    if (index < 0 || !GetItemRect(index, &row, LVIR_BOUNDS) ||
        !GetItemRect(index, &label, LVIR_LABEL))
        return;
    row.left = label.left;
    CClientDC dc(this);
    CPen pen(PS_SOLID, 1, GetSysColor(COLOR_HIGHLIGHT));
    const HGDIOBJ oldBrush = ::SelectObject(dc.GetSafeHdc(), GetStockObject(NULL_BRUSH));
    const HGDIOBJ oldPen = ::SelectObject(dc.GetSafeHdc(), pen.m_hObject);
    dc.Rectangle(&row);
    ::SelectObject(dc.GetSafeHdc(), oldPen);
    ::SelectObject(dc.GetSafeHdc(), oldBrush);
    if (focusRectangle)
        dc.DrawFocusRect(&row);
}

void CListCtrlEx::OnKillfocus(NMHDR*, LRESULT*) {
    OutlineRow(GetNextItem(-1, LVNI_SELECTED), false);
}

void CListCtrlEx::OnSetfocus(NMHDR*, LRESULT*) {
    OutlineRow(GetNextItem(-1, LVNI_FOCUSED), true);
}

CString CListCtrlEx::MakeShortString(CDC* dc, const char* text, int width, int offset) {
    const int length = static_cast<int>(std::strlen(text));
    if (dc->GetTextExtent(text, length).cx + offset <= width)
        return text;
    char buffer[kShortBuffer];
    std::strncpy(buffer, text, kShortBuffer - 1);
    buffer[kShortBuffer - 1] = '\0';
    // The dots are measured with their terminating zero, as four characters.
    const int dots = dc->GetTextExtent("...", 4).cx;
    int kept = static_cast<int>(std::strlen(buffer));
    while (kept > 1 && dc->GetTextExtent(buffer, kept).cx + dots + offset > width)
        buffer[--kept] = '\0';
    return CString(buffer) + "...";
}

void CListCtrlEx::DrawItem(LPDRAWITEMSTRUCT draw) {
    CDC* dc = CDC::FromHandle(draw->hDC);
    const int index = static_cast<int>(draw->itemID);
    const UINT state = GetItemState(index, LVIS_SELECTED | LVIS_FOCUSED | LVIS_STATEIMAGEMASK);
    const bool selected = (state & LVIS_SELECTED) != 0;
    const CRect row(draw->rcItem);
    dc->FillSolidRect(&row, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    dc->SetTextColor(GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    dc->SetBkMode(TRANSPARENT);
    LVITEM item{};
    item.mask = LVIF_IMAGE;
    item.iItem = index;
    GetItem(&item);
    int x = row.left;
    const auto stateImages =
        reinterpret_cast<HIMAGELIST>(SendMessage(LVM_GETIMAGELIST, LVSIL_STATE));
    const int stateImage = static_cast<int>((state & LVIS_STATEIMAGEMASK) >> 12);
    if (stateImages && stateImage > 0) {
        ImageList_Draw(stateImages, stateImage - 1, draw->hDC, x, row.top, ILD_TRANSPARENT);
        x += kIconSize;
    }
    if (const auto small =
            reinterpret_cast<HIMAGELIST>(SendMessage(LVM_GETIMAGELIST, LVSIL_SMALL))) {
        ImageList_Draw(small, item.iImage, draw->hDC, x, row.top, ILD_TRANSPARENT);
        x += kIconSize;
    }
    CPen grid(PS_SOLID, 1, GetSysColor(COLOR_WINDOWTEXT));
    CPen* const oldPen = dc->SelectObject(&grid);
    CHeaderCtrl* header = GetHeaderCtrl();
    const int count = header ? header->GetItemCount() : 0;
    for (int column = 0; column < count; ++column) {
        CRect cell;
        GetSubItemRect(index, column, LVIR_BOUNDS, cell);
        if (column == 0)
            cell.right = cell.left + GetColumnWidth(0);
        LVCOLUMN description{};
        description.mask = LVCF_FMT;
        GetColumn(column, &description);
        CRect text = cell;
        text.left = std::max<int>(text.left, column == 0 ? x : text.left);
        const CString shown =
            MakeShortString(dc, GetItemText(index, column), text.Width(), kTextOffset);
        text.DeflateRect(kTextOffset / 2, 0);
        dc->DrawText(shown, shown.GetLength(), &text,
                     ColumnTextAlignment(description.fmt) | DT_SINGLELINE | DT_VCENTER |
                         DT_NOPREFIX);
        if (m_nGridLineHorz) {
            dc->MoveTo(cell.left, cell.bottom - 1);
            dc->LineTo(cell.right, cell.bottom - 1);
        }
        if (m_nGridLineVert) {
            dc->MoveTo(cell.right - 1, cell.top);
            dc->LineTo(cell.right - 1, cell.bottom);
        }
    }
    dc->SelectObject(oldPen);
    if ((state & LVIS_FOCUSED) && ::GetFocus() == m_hWnd)
        dc->DrawFocusRect(&row);
}
