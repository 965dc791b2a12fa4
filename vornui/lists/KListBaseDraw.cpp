// KListBase's part in painting and in what the person does: the real rectangles of a row
// whose label stays left, owner drawing, the tint of the sort column, and the clicks,
// keys and header notifications that depend on them.

#include "vornui/lists/ColumnAlignment.h"
#include "vornui/lists/KListBase.h"
#include "vornui/platform/CDC.h"
#include "vornui/platform/InputCodes.h"
#include "vornui/platform/SystemSettings.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kHighlightMargin = 8;
constexpr int kCentredHighlightMargin = 12;
constexpr int kDividerFirstColumnPadding = 6;
constexpr int kAutosizeFirstColumnPadding = 12;
constexpr int kAutosizeLabelPadding = 8;

void Fill(CDC* dc, const CRect& rect, COLORREF color) {
    if (!rect.IsRectEmpty())
        dc->FillSolidRect(&rect, color);
}

} // namespace

int KListBase::ScrollX() const {
    return m_pListCtrl->GetScrollPos(SB_HORZ);
}

bool KListBase::LabelMoved() {
    return m_bKeepLabelLeft && IndexToOrder(0) > 0;
}

int KListBase::LabelColumn() {
    return LabelMoved() ? OrderToIndex(0) : 0;
}

BOOL KListBase::GetRealSubItemRect(int index, int column, int area, CRect& rect) {
    CListCtrl& list = *m_pListCtrl;
    switch (area) {
    case LVIR_BOUNDS: {
        if (column != 0)
            return list.GetSubItemRect(index, column, LVIR_BOUNDS, rect);
        CRect row;
        CRect label;
        if (!list.GetItemRect(index, &row, LVIR_BOUNDS) ||
            !list.GetItemRect(index, &label, LVIR_LABEL))
            return FALSE;
        const int order = IndexToOrder(0);
        int left = row.left;
        if (order > 0) {
            CRect before;
            list.GetSubItemRect(index, OrderToIndex(order - 1), LVIR_BOUNDS, before);
            left = before.right;
        }
        rect = CRect(left, label.top, label.right, label.bottom);
        return TRUE;
    }
    case LVIR_ICON: {
        CRect icon;
        CRect bounds;
        if (!list.GetItemRect(index, &icon, LVIR_ICON) ||
            !GetRealSubItemRect(index, 0, LVIR_BOUNDS, bounds))
            return FALSE;
        if (LabelMoved()) {
            CRect first;
            GetRealSubItemRect(index, OrderToIndex(0), LVIR_BOUNDS, first);
            const int left = first.left + icon.left - bounds.left;
            rect =
                CRect(left, icon.top, std::min<int>(left + icon.Width(), first.right), icon.bottom);
        } else {
            rect = icon;
            rect.right = std::min(rect.right, bounds.right);
        }
        return TRUE;
    }
    case LVIR_LABEL: {
        if (!LabelMoved())
            return list.GetItemRect(index, &rect, LVIR_LABEL);
        CRect label;
        CRect bounds;
        if (!list.GetItemRect(index, &label, LVIR_LABEL) ||
            !GetRealSubItemRect(index, 0, LVIR_BOUNDS, bounds))
            return FALSE;
        GetRealSubItemRect(index, OrderToIndex(0), LVIR_BOUNDS, rect);
        rect.left += label.left - bounds.left;
        return TRUE;
    }
    default:
        return FALSE;
    }
}

BOOL KListBase::GetStateIconRect(int index, LPRECT rect) {
    CRect column;
    CRect icon;
    if (!GetRealSubItemRect(index, LabelColumn(), LVIR_BOUNDS, column) ||
        !GetRealSubItemRect(index, 0, LVIR_ICON, icon))
        return FALSE;
    *rect = column;
    rect->left += m_nIconXOff;
    rect->right = icon.left - 1;
    if (rect->right >= column.right)
        rect->right = column.right + 3;
    return TRUE;
}

int KListBase::HitTest(CPoint point, UINT* flags) {
    LVHITTESTINFO info{point, 0, -1, 0};
    const int index = HitTest(&info);
    if (flags)
        *flags = info.flags;
    return index;
}

int KListBase::HitTest(LVHITTESTINFO* info) {
    const int index = m_pListCtrl->CListCtrl::HitTest(info);
    if (index < 0 || !OwnerDrawn() || !(info->flags & LVHT_ONITEM))
        return index;
    CRect area;
    if (GetRealSubItemRect(index, 0, LVIR_LABEL, area) && area.PtInRect(info->pt))
        info->flags = LVHT_ONITEMLABEL;
    if (GetRealSubItemRect(index, 0, LVIR_ICON, area) && area.PtInRect(info->pt))
        info->flags = LVHT_ONITEMICON;
    if (GetStateIconRect(index, &area) && area.PtInRect(info->pt))
        info->flags = LVHT_ONITEMSTATEICON;
    return index;
}

bool KListBase::GetLVITEM(int index, LVITEM& item, CString& text) {
    // Grow the buffer until the text read leaves room to spare.
    for (int size = 256;; size *= 2) {
        char* buffer = text.GetBuffer(size);
        item = LVITEM{};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE | LVIF_INDENT;
        item.iItem = index;
        item.stateMask = 0xFFFF;
        item.pszText = buffer;
        item.cchTextMax = size;
        if (!m_pListCtrl->GetItem(&item)) {
            text.ReleaseBuffer(0);
            return false;
        }
        const int length = static_cast<int>(strnlen(buffer, static_cast<size_t>(size)));
        text.ReleaseBuffer(length);
        if (length < size - 3) {
            item.pszText = const_cast<char*>(text.GetString());
            return true;
        }
    }
}

CString KListBase::MakeShortString(CDC* dc, const char* text, int width) {
    const CString whole(text);
    if (whole.IsEmpty() || dc->GetTextExtent(whole).cx <= width)
        return whole;
    for (int length = whole.GetLength() - 1; length >= 1; --length) {
        const CString shortened = whole.Left(length) + "...";
        if (dc->GetTextExtent(shortened).cx <= width)
            return shortened;
    }
    const CString first = whole.Left(1);
    for (const char* dots : {"..", "."})
        if (dc->GetTextExtent(first + dots).cx <= width)
            return first + dots;
    return first;
}

int KListBase::GetLabelWidth(CDC* dc, int index, const char* text) {
    CRect label;
    if (!GetRealSubItemRect(index, 0, LVIR_LABEL, label))
        return 0;
    const int inset = m_nFirstColXOff + (LabelColumn() > 0 ? m_nNextColXOff : m_nFirstColXOff);
    return dc->GetTextExtent(MakeShortString(dc, text, label.Width() - inset)).cx;
}

void KListBase::DrawSmallIcon(CDC* dc, LVITEM* item, RECT* rect) {
    CImageList* images = m_pListCtrl->GetImageList(LVSIL_SMALL);
    const HIMAGELIST handle =
        images
            ? images->GetSafeHandle()
            : reinterpret_cast<HIMAGELIST>(m_pListCtrl->SendMessage(LVM_GETIMAGELIST, LVSIL_SMALL));
    if (!handle || item->iImage < 1)
        return;
    const int saved = dc->SaveDC();
    dc->IntersectClipRect(rect);
    ImageList_Draw(handle, item->iImage, dc->GetSafeHdc(), rect->left, rect->top,
                   ILD_TRANSPARENT | (item->state & LVIS_OVERLAYMASK));
    dc->RestoreDC(saved);
}

void KListBase::DrawStateIcon(CDC* dc, LVITEM* item, RECT* rect) {
    const int image = static_cast<int>((item->state & LVIS_STATEIMAGEMASK) >> 12);
    const auto handle =
        reinterpret_cast<HIMAGELIST>(m_pListCtrl->SendMessage(LVM_GETIMAGELIST, LVSIL_STATE));
    int width = 0;
    int height = 0;
    if (!handle || image == 0 || !ImageList_GetIconSize(handle, &width, &height))
        return;
    int top = rect->top;
    if (rect->bottom - rect->top > height + 2)
        top += (rect->bottom - rect->top - height) / 2;
    ImageList_Draw(handle, image - 1, dc->GetSafeHdc(), rect->left, top, ILD_TRANSPARENT);
}

void KListBase::DrawSubItemText(CDC* dc, LVITEM* item, LVCOLUMN* column, RECT* rect) {
    const int width = rect->right - rect->left;
    if (!item->pszText || !*item->pszText || width <= 0)
        return;
    const CString text = MakeShortString(dc, item->pszText, width);
    CRect area(*rect);
    dc->DrawText(text, text.GetLength(), &area,
                 ColumnTextAlignment(column->fmt) | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX |
                     DT_NOCLIP);
}

void KListBase::DrawCell(CDC* dc, int index, int column, LVITEM& item, const CString& label,
                         CRect& labelHighlight) {
    CListCtrl& list = *m_pListCtrl;
    LVCOLUMN description{};
    description.mask = LVCF_FMT | LVCF_WIDTH;
    list.GetColumn(column, &description);
    CRect cell;
    GetRealSubItemRect(index, column, LVIR_BOUNDS, cell);
    const bool labelColumn = column == LabelColumn();
    const bool fullRow = (list.GetExtendedStyle() & LVS_EX_FULLROWSELECT) != 0;
    const bool selected = (item.state & LVIS_SELECTED) != 0;
    const COLORREF normal =
        m_bColorSortColumn && column == m_nSortColumn ? m_SortColumnColor : list.GetBkColor();
    const CString text = column == 0 ? label : list.GetItemText(index, column);
    CRect textArea = cell;
    CRect highlight;
    if (labelColumn) {
        GetRealSubItemRect(index, 0, LVIR_LABEL, textArea);
        const CRect labelRect = textArea;
        textArea.left += m_nFirstColXOff;
        textArea.right -= column > 0 ? m_nNextColXOff : m_nFirstColXOff;
        const int format = column == 0 ? m_nFirstColumnFormat : description.fmt;
        const bool centred = (format & LVCFMT_JUSTIFYMASK) == LVCFMT_CENTER;
        const int width =
            GetLabelWidth(dc, index, text) + (centred ? kCentredHighlightMargin : kHighlightMargin);
        highlight = labelRect;
        if ((format & LVCFMT_JUSTIFYMASK) == LVCFMT_RIGHT)
            highlight.left = std::max(labelRect.left, labelRect.right - width);
        else if (centred)
            highlight.DeflateRect(std::max(0, (labelRect.Width() - width) / 2), 0);
        else
            highlight.right = std::min(labelRect.right, labelRect.left + width);
        labelHighlight = highlight;
    } else {
        textArea.DeflateRect(m_nNextColXOff, 0);
    }
    if (fullRow)
        highlight = cell;
    Fill(dc, cell, normal);
    const bool lit = selected && !highlight.IsRectEmpty();
    if (lit)
        Fill(dc, highlight, GetSysColor(COLOR_HIGHLIGHT));
    if (labelColumn) {
        CRect state;
        CRect icon;
        GetStateIconRect(index, &state);
        GetRealSubItemRect(index, 0, LVIR_ICON, icon);
        DrawStateIcon(dc, &item, &state);
        DrawSmallIcon(dc, &item, &icon);
    }
    dc->SetTextColor(GetSysColor(lit ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    dc->SetBkMode(TRANSPARENT);
    LVITEM cellItem = item;
    cellItem.iSubItem = column;
    cellItem.pszText = const_cast<char*>(text.GetString());
    DrawSubItemText(dc, &cellItem, &description, &textArea);
}

void KListBase::DrawItem(LPDRAWITEMSTRUCT draw) {
    CDC* dc = CDC::FromHandle(draw->hDC);
    const int index = static_cast<int>(draw->itemID);
    LVITEM item{};
    CString label;
    if (!GetLVITEM(index, item, label))
        return;
    CHeaderCtrl* header = m_pListCtrl->GetHeaderCtrl();
    const int count = header ? header->GetItemCount() : 0;
    CRect labelHighlight;
    for (int order = 0; order < count; ++order)
        DrawCell(dc, index, OrderToIndex(order), item, label, labelHighlight);
    if ((item.state & LVIS_FOCUSED) && CWnd::GetFocus() &&
        CWnd::GetFocus()->GetSafeHwnd() == m_pListCtrl->GetSafeHwnd()) {
        CRect focus = labelHighlight;
        if (m_pListCtrl->GetExtendedStyle() & LVS_EX_FULLROWSELECT)
            m_pListCtrl->GetItemRect(index, &focus, LVIR_BOUNDS);
        dc->DrawFocusRect(&focus);
    }
}

BOOL KListBase::OnCustomDraw(NMHDR* header, LRESULT* result) {
    auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
    *result = CDRF_DODEFAULT;
    if (OwnerDrawn())
        return TRUE;
    switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        ReadStripLook();
        *result = CDRF_NOTIFYSUBITEMDRAW;
        break;
    case CDDS_ITEMPREPAINT:
        *result = CDRF_NOTIFYSUBITEMDRAW;
        break;
    case CDDS_SUBITEM | CDDS_ITEMPREPAINT:
        if (m_bColorSortColumn) {
            draw->clrTextBk =
                draw->iSubItem == m_nSortColumn ? m_SortColumnColor : m_pListCtrl->GetBkColor();
            *result = CDRF_NEWFONT;
        }
        if (draw->iSubItem == 0)
            *result |= CDRF_NOTIFYPOSTPAINT;
        break;
    case CDDS_SUBITEM | CDDS_ITEMPOSTPAINT:
        if (draw->iSubItem == 0)
            PaintFirstColumnStrip(draw);
        break;
    default:
        break;
    }
    return TRUE;
}

void KListBase::ReadStripLook() {
    CListCtrl& list = *m_pListCtrl;
    StripLook look;
    CHeaderCtrl* header = list.GetHeaderCtrl();
    look.known = header && header->GetItemRect(0, &look.column);
    look.moved = look.column.left != 0;
    look.column.OffsetRect(-ScrollX(), 0);
    look.fullRow = (list.GetExtendedStyle() & LVS_EX_FULLROWSELECT) != 0;
    look.plain = m_bColorSortColumn && m_nSortColumn == 0 ? m_SortColumnColor : list.GetBkColor();
    const bool focused = CWnd::GetFocus() && CWnd::GetFocus()->GetSafeHwnd() == list.GetSafeHwnd();
    look.showsSelection = focused || (list.GetStyle() & LVS_SHOWSELALWAYS);
    look.selected = GetSysColor(focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE);
    look.images = list.SendMessage(LVM_GETIMAGELIST, LVSIL_STATE) ||
                  list.SendMessage(LVM_GETIMAGELIST, LVSIL_SMALL);
    m_stripLook = look;
}

void KListBase::PaintFirstColumnStrip(NMLVCUSTOMDRAW* draw) {
    CListCtrl& list = *m_pListCtrl;
    const StripLook& look = m_stripLook;
    const int index = static_cast<int>(draw->nmcd.dwItemSpec);
    const CRect& column = look.column;
    CRect label;
    if (!look.known || !list.GetItemRect(index, &label, LVIR_LABEL))
        return;
    CDC* dc = CDC::FromHandle(draw->nmcd.hdc);
    const bool lit = look.moved && look.fullRow && look.showsSelection &&
                     (list.GetItemState(index, LVIS_SELECTED) & LVIS_SELECTED);
    Fill(dc, CRect(column.left, label.top, label.left, label.bottom),
         lit ? look.selected : look.plain);
    // Without image lists there is no image to draw beside the label.
    if (column.Width() <= 4 || !look.images)
        return;
    LVITEM item{};
    CString text;
    if (!GetLVITEM(index, item, text))
        return;
    const int saved = dc->SaveDC();
    dc->IntersectClipRect(column.left, label.top, column.right, label.bottom);
    CRect state;
    GetStateIconRect(index, &state);
    DrawStateIcon(dc, &item, &state);
    CRect icon;
    if (GetRealSubItemRect(index, 0, LVIR_ICON, icon) && icon.left >= column.left &&
        icon.left < column.right)
        DrawSmallIcon(dc, &item, &icon);
    dc->RestoreDC(saved);
}

CRect KListBase::SortColumnBand() {
    CHeaderCtrl* header = m_pListCtrl->GetHeaderCtrl();
    CRect band;
    if (!header || !header->GetItemRect(m_nSortColumn, &band))
        return CRect();
    band.OffsetRect(-ScrollX(), 0);
    return band;
}

BOOL KListBase::OnEraseBkgnd(CDC* dc) {
    if (!m_bColorSortColumn)
        return FALSE;
    CRect area;
    dc->GetClipBox(&area);
    const CRect band = SortColumnBand();
    if (band.IsRectEmpty() || band.right <= area.left || band.left >= area.right)
        return FALSE;
    const COLORREF back = m_pListCtrl->GetBkColor();
    Fill(dc, CRect(area.left, area.top, band.left, area.bottom), back);
    Fill(dc, CRect(band.right, area.top, area.right, area.bottom), back);
    Fill(dc, CRect(band.left, area.top, band.right, area.bottom), m_SortColumnColor);
    return TRUE;
}

void KListBase::InvalidateNonItemArea() {
    CListCtrl& list = *m_pListCtrl;
    CRect client;
    list.GetClientRect(&client);
    int headerBottom = 0;
    if (CHeaderCtrl* header = list.GetHeaderCtrl(); header && header->IsWindowVisible()) {
        CRect rect;
        header->GetWindowRect(&rect);
        list.ScreenToClient(&rect);
        headerBottom = rect.bottom;
    }
    const int count = list.GetItemCount();
    if (count == 0) {
        list.InvalidateRect(CRect(client.left, headerBottom, client.right, client.bottom));
        return;
    }
    CRect first;
    CRect last;
    list.GetItemRect(list.GetTopIndex(), &first, LVIR_BOUNDS);
    list.GetItemRect(count - 1, &last, LVIR_BOUNDS);
    if (first.top > headerBottom)
        list.InvalidateRect(CRect(client.left, headerBottom, client.right, first.top));
    if (last.bottom < client.bottom)
        list.InvalidateRect(CRect(client.left, last.bottom, client.right, client.bottom));
}

int KListBase::WidestText(int column) {
    int widest = 0;
    for (int index = 0; index < m_pListCtrl->GetItemCount(); ++index)
        widest =
            std::max(widest, m_pListCtrl->GetStringWidth(m_pListCtrl->GetItemText(index, column)));
    return widest;
}

int KListBase::LabelOffset(int index) {
    CRect label;
    CRect bounds;
    if (!m_pListCtrl->GetItemRect(index, &label, LVIR_LABEL) ||
        !GetRealSubItemRect(index, 0, LVIR_BOUNDS, bounds))
        return 0;
    return label.left - bounds.left;
}

BOOL KListBase::OnNotify(LPARAM lParam) {
    const auto* notice = reinterpret_cast<const NMHEADER*>(lParam);
    CHeaderCtrl* header = m_pListCtrl->GetHeaderCtrl();
    if (!notice || !header || notice->hdr.hwndFrom != header->GetSafeHwnd())
        return FALSE;
    switch (notice->hdr.code) {
    case HDN_ENDTRACKA:
    case HDN_ENDTRACKW:
    case HDN_ITEMCHANGEDA:
    case HDN_ITEMCHANGEDW:
        if (m_bColorSortColumn)
            InvalidateNonItemArea();
        return FALSE;
    case HDN_DIVIDERDBLCLICKA:
    case HDN_DIVIDERDBLCLICKW: {
        const int column = notice->iItem;
        const int order = IndexToOrder(column);
        if (!m_bKeepLabelLeft || !((column == 0 && order >= 1) || (column != 0 && order == 0)))
            return FALSE;
        int width = WidestText(column);
        width += column >= 1 ? LabelOffset(0) + 2 : kDividerFirstColumnPadding;
        m_pListCtrl->SetColumnWidth(column, width + 6);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

void KListBase::AutosizeColumns() {
    CHeaderCtrl* header = m_pListCtrl->GetHeaderCtrl();
    const int count = header ? header->GetItemCount() : 0;
    for (int order = 0; order < count; ++order) {
        const int column = OrderToIndex(order);
        if (order == 0 || column == 0) {
            const int padding =
                column >= 1 ? kAutosizeLabelPadding + LabelOffset(0) : kAutosizeFirstColumnPadding;
            m_pListCtrl->SetColumnWidth(column, WidestText(column) + padding);
        } else {
            m_pListCtrl->SetColumnWidth(column, LVSCW_AUTOSIZE);
        }
    }
}

BOOL KListBase::OnKeyDown(UINT key) {
    if (!LabelMoved())
        return FALSE;
    if (key == VK_CONTROL) {
        m_bControlKeyDown = true;
        return TRUE;
    }
    if (key == VK_ADD && m_bControlKeyDown) {
        AutosizeColumns();
        return TRUE;
    }
    return FALSE;
}

BOOL KListBase::OnKeyUp(UINT key) {
    if (LabelMoved() && key == VK_CONTROL)
        m_bControlKeyDown = false;
    return FALSE;
}

BOOL KListBase::OnLButtonDown(CPoint point) {
    if (!OwnerDrawn() || !(m_pListCtrl->GetExtendedStyle() & LVS_EX_CHECKBOXES))
        return FALSE;
    UINT flags = 0;
    const int index = HitTest(point, &flags);
    if (index < 0 || !(flags & LVHT_ONITEMSTATEICON))
        return FALSE;
    m_pListCtrl->SetCheck(index, !m_pListCtrl->GetCheck(index));
    return TRUE;
}

BOOL KListBase::OnLButtonDblClk(CPoint point) {
    return OnLButtonDown(point);
}
