#include "vornui/platform/ListCtrl.h"

#include "vornui/platform/internal/ReflectedItems.h"

namespace {

template <typename T>
LPARAM Pointer(T* pointer) {
    return reinterpret_cast<LPARAM>(pointer);
}

WPARAM Index(int index) {
    return static_cast<WPARAM>(index);
}

} // namespace

BOOL CListCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(WC_LISTVIEW, nullptr, style, rect, parent, id);
}

int CListCtrl::GetItemCount() const {
    return static_cast<int>(SendMessage(LVM_GETITEMCOUNT));
}

void CListCtrl::SetItemCount(int nItems) {
    SendMessage(LVM_SETITEMCOUNT, Index(nItems));
}

int CListCtrl::InsertItem(const LVITEM* item) {
    return static_cast<int>(SendMessage(LVM_INSERTITEM, 0, Pointer(item)));
}

int CListCtrl::InsertItem(int index, LPCTSTR label) {
    return InsertItem(LVIF_TEXT, index, label, 0, 0, 0, 0);
}

int CListCtrl::InsertItem(int index, LPCTSTR label, int image) {
    return InsertItem(LVIF_TEXT | LVIF_IMAGE, index, label, 0, 0, image, 0);
}

int CListCtrl::InsertItem(UINT mask, int index, LPCTSTR label, UINT state, UINT stateMask,
                          int image, LPARAM param) {
    LVITEM item{mask, index, 0, state, stateMask, const_cast<LPSTR>(label), 0, image, param, 0};
    return InsertItem(&item);
}

BOOL CListCtrl::DeleteItem(int index) {
    return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, Index(index)));
}

BOOL CListCtrl::DeleteAllItems() {
    return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS));
}

BOOL CListCtrl::GetItem(LVITEM* item) const {
    return static_cast<BOOL>(SendMessage(LVM_GETITEM, 0, Pointer(item)));
}

BOOL CListCtrl::SetItem(const LVITEM* item) {
    return static_cast<BOOL>(SendMessage(LVM_SETITEM, 0, Pointer(item)));
}

BOOL CListCtrl::SetItem(int index, int subItem, UINT mask, LPCTSTR text, int image, UINT state,
                        UINT stateMask, LPARAM param) {
    LVITEM item{mask, index, subItem, state, stateMask, const_cast<LPSTR>(text),
                0,    image, param,   0};
    return SetItem(&item);
}

CString CListCtrl::GetItemText(int index, int subItem) const {
    // The text may be longer than any buffer guessed first: grow until it fits.
    for (int size = 256;; size *= 2) {
        CString text;
        LPSTR buffer = text.GetBuffer(size);
        LVITEM item{};
        item.iSubItem = subItem;
        item.pszText = buffer;
        item.cchTextMax = size;
        const int length =
            static_cast<int>(SendMessage(LVM_GETITEMTEXT, Index(index), Pointer(&item)));
        if (length < size - 1) {
            text.ReleaseBuffer(length);
            return text;
        }
        text.ReleaseBuffer(0);
    }
}

int CListCtrl::GetItemText(int index, int subItem, LPTSTR buffer, int length) const {
    LVITEM item{};
    item.iSubItem = subItem;
    item.pszText = buffer;
    item.cchTextMax = length;
    return static_cast<int>(SendMessage(LVM_GETITEMTEXT, Index(index), Pointer(&item)));
}

BOOL CListCtrl::SetItemText(int index, int subItem, LPCTSTR text) {
    LVITEM item{};
    item.iSubItem = subItem;
    item.pszText = const_cast<LPSTR>(text);
    return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXT, Index(index), Pointer(&item)));
}

DWORD_PTR CListCtrl::GetItemData(int index) const {
    LVITEM item{};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    return GetItem(&item) ? static_cast<DWORD_PTR>(item.lParam) : 0;
}

BOOL CListCtrl::SetItemData(int index, DWORD_PTR data) {
    return SetItem(index, 0, LVIF_PARAM, nullptr, 0, 0, 0, static_cast<LPARAM>(data));
}

UINT CListCtrl::GetItemState(int index, UINT mask) const {
    return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, Index(index), mask));
}

BOOL CListCtrl::SetItemState(int index, UINT state, UINT mask) {
    LVITEM item{};
    item.state = state;
    item.stateMask = mask;
    return SetItemState(index, &item);
}

BOOL CListCtrl::SetItemState(int index, LVITEM* item) {
    return static_cast<BOOL>(SendMessage(LVM_SETITEMSTATE, Index(index), Pointer(item)));
}

int CListCtrl::GetNextItem(int index, int flags) const {
    return static_cast<int>(SendMessage(LVM_GETNEXTITEM, Index(index), MAKELPARAM(flags, 0)));
}

UINT CListCtrl::GetSelectedCount() const {
    return static_cast<UINT>(SendMessage(LVM_GETSELECTEDCOUNT));
}

// A position is the selected row's index plus one, so that no position is null.
POSITION CListCtrl::GetFirstSelectedItemPosition() const {
    return reinterpret_cast<POSITION>(static_cast<INT_PTR>(GetNextItem(-1, LVNI_SELECTED) + 1));
}

int CListCtrl::GetNextSelectedItem(POSITION& position) const {
    const int index = static_cast<int>(reinterpret_cast<INT_PTR>(position)) - 1;
    position =
        reinterpret_cast<POSITION>(static_cast<INT_PTR>(GetNextItem(index, LVNI_SELECTED) + 1));
    return index;
}

int CListCtrl::GetSelectionMark() const {
    return static_cast<int>(SendMessage(LVM_GETSELECTIONMARK));
}

int CListCtrl::SetSelectionMark(int index) {
    return static_cast<int>(SendMessage(LVM_SETSELECTIONMARK, 0, index));
}

BOOL CListCtrl::GetCheck(int index) const {
    return ((GetItemState(index, LVIS_STATEIMAGEMASK) >> 12) - 1) > 0;
}

BOOL CListCtrl::SetCheck(int index, BOOL check) {
    return SetItemState(index, INDEXTOSTATEIMAGEMASK(check ? 2 : 1), LVIS_STATEIMAGEMASK);
}

int CListCtrl::FindItem(LVFINDINFO* info, int start) const {
    return static_cast<int>(SendMessage(LVM_FINDITEM, Index(start), Pointer(info)));
}

BOOL CListCtrl::SortItems(PFNLVCOMPARE compare, DWORD_PTR data) {
    return static_cast<BOOL>(
        SendMessage(LVM_SORTITEMS, static_cast<WPARAM>(data), reinterpret_cast<LPARAM>(compare)));
}

BOOL CListCtrl::RedrawItems(int first, int last) {
    return static_cast<BOOL>(SendMessage(LVM_REDRAWITEMS, Index(first), last));
}

BOOL CListCtrl::Update(int index) {
    return static_cast<BOOL>(SendMessage(LVM_UPDATE, Index(index)));
}

int CListCtrl::InsertColumn(int index, const LVCOLUMN* column) {
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMN, Index(index), Pointer(column)));
}

int CListCtrl::InsertColumn(int index, LPCTSTR heading, int format, int width, int subItem) {
    LVCOLUMN column{};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = const_cast<LPSTR>(heading);
    column.fmt = format;
    if (width != -1) {
        column.mask |= LVCF_WIDTH;
        column.cx = width;
    }
    if (subItem != -1) {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = subItem;
    }
    return InsertColumn(index, &column);
}

BOOL CListCtrl::DeleteColumn(int index) {
    return static_cast<BOOL>(SendMessage(LVM_DELETECOLUMN, Index(index)));
}

BOOL CListCtrl::GetColumn(int index, LVCOLUMN* column) const {
    return static_cast<BOOL>(SendMessage(LVM_GETCOLUMN, Index(index), Pointer(column)));
}

BOOL CListCtrl::SetColumn(int index, const LVCOLUMN* column) {
    return static_cast<BOOL>(SendMessage(LVM_SETCOLUMN, Index(index), Pointer(column)));
}

int CListCtrl::GetColumnWidth(int index) const {
    return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, Index(index)));
}

BOOL CListCtrl::SetColumnWidth(int index, int width) {
    return static_cast<BOOL>(
        SendMessage(LVM_SETCOLUMNWIDTH, Index(index), MAKELPARAM(static_cast<WORD>(width), 0)));
}

BOOL CListCtrl::GetColumnOrderArray(LPINT array, int count) {
    if (count == -1)
        count = GetHeaderCtrl() ? GetHeaderCtrl()->GetItemCount() : 0;
    return static_cast<BOOL>(SendMessage(LVM_GETCOLUMNORDERARRAY, Index(count), Pointer(array)));
}

BOOL CListCtrl::SetColumnOrderArray(int count, LPINT array) {
    return static_cast<BOOL>(SendMessage(LVM_SETCOLUMNORDERARRAY, Index(count), Pointer(array)));
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl() {
    const auto header = reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER));
    if (!header)
        return nullptr;
    // The header's own object when it has one; otherwise this list's, which speaks to it
    // with messages only and leaves its procedure alone.
    if (auto* own = dynamic_cast<CHeaderCtrl*>(CWnd::FromHandlePermanent(header)))
        return own;
    m_header.m_hWnd = header;
    return &m_header;
}

BOOL CListCtrl::GetItemRect(int index, LPRECT rect, UINT code) const {
    if (!rect)
        return FALSE;
    rect->left = static_cast<LONG>(code);
    return static_cast<BOOL>(SendMessage(LVM_GETITEMRECT, Index(index), Pointer(rect)));
}

BOOL CListCtrl::GetSubItemRect(int index, int subItem, int area, CRect& rect) {
    rect.top = subItem;
    rect.left = area;
    return static_cast<BOOL>(SendMessage(LVM_GETSUBITEMRECT, Index(index), Pointer(&rect)));
}

int CListCtrl::HitTest(LVHITTESTINFO* info) const {
    return static_cast<int>(SendMessage(LVM_HITTEST, 0, Pointer(info)));
}

int CListCtrl::HitTest(CPoint point, UINT* flags) const {
    LVHITTESTINFO info{point, 0, -1, 0};
    const int index = HitTest(&info);
    if (flags)
        *flags = info.flags;
    return index;
}

int CListCtrl::SubItemHitTest(LVHITTESTINFO* info) {
    return static_cast<int>(SendMessage(LVM_SUBITEMHITTEST, 0, Pointer(info)));
}

BOOL CListCtrl::EnsureVisible(int index, BOOL partialOk) {
    return static_cast<BOOL>(SendMessage(LVM_ENSUREVISIBLE, Index(index), partialOk));
}

BOOL CListCtrl::Scroll(CSize size) {
    return static_cast<BOOL>(SendMessage(LVM_SCROLL, static_cast<WPARAM>(size.cx), size.cy));
}

int CListCtrl::GetTopIndex() const {
    return static_cast<int>(SendMessage(LVM_GETTOPINDEX));
}

int CListCtrl::GetCountPerPage() const {
    return static_cast<int>(SendMessage(LVM_GETCOUNTPERPAGE));
}

BOOL CListCtrl::GetOrigin(LPPOINT point) const {
    return static_cast<BOOL>(SendMessage(LVM_GETORIGIN, 0, Pointer(point)));
}

BOOL CListCtrl::GetViewRect(LPRECT rect) const {
    return static_cast<BOOL>(SendMessage(LVM_GETVIEWRECT, 0, Pointer(rect)));
}

int CListCtrl::GetStringWidth(LPCTSTR text) const {
    return static_cast<int>(SendMessage(LVM_GETSTRINGWIDTH, 0, Pointer(text)));
}

CImageList* CListCtrl::SetImageList(CImageList* list, int type) {
    if (type < LVSIL_NORMAL || type > LVSIL_STATE)
        return nullptr;
    CImageList* const previous = GetImageList(type);
    SendMessage(LVM_SETIMAGELIST, Index(type),
                reinterpret_cast<LPARAM>(list ? list->GetSafeHandle() : nullptr));
    m_imageLists[type] = list;
    return previous;
}

CImageList* CListCtrl::GetImageList(int type) const {
    if (type < LVSIL_NORMAL || type > LVSIL_STATE)
        return nullptr;
    const auto installed = reinterpret_cast<HIMAGELIST>(SendMessage(LVM_GETIMAGELIST, Index(type)));
    CImageList* const known = m_imageLists[type];
    return known && known->GetSafeHandle() == installed ? known : nullptr;
}

DWORD CListCtrl::SetExtendedStyle(DWORD style) {
    return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style));
}

DWORD CListCtrl::GetExtendedStyle() const {
    return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE));
}

COLORREF CListCtrl::GetBkColor() const {
    return static_cast<COLORREF>(SendMessage(LVM_GETBKCOLOR));
}

BOOL CListCtrl::SetBkColor(COLORREF color) {
    return static_cast<BOOL>(SendMessage(LVM_SETBKCOLOR, 0, color));
}

COLORREF CListCtrl::GetTextColor() const {
    return static_cast<COLORREF>(SendMessage(LVM_GETTEXTCOLOR));
}

BOOL CListCtrl::SetTextColor(COLORREF color) {
    return static_cast<BOOL>(SendMessage(LVM_SETTEXTCOLOR, 0, color));
}

COLORREF CListCtrl::GetTextBkColor() const {
    return static_cast<COLORREF>(SendMessage(LVM_GETTEXTBKCOLOR));
}

BOOL CListCtrl::SetTextBkColor(COLORREF color) {
    return static_cast<BOOL>(SendMessage(LVM_SETTEXTBKCOLOR, 0, color));
}

CImageList* CListCtrl::CreateDragImage(int index, LPPOINT upperLeft) {
    const auto list = reinterpret_cast<HIMAGELIST>(
        SendMessage(LVM_CREATEDRAGIMAGE, Index(index), Pointer(upperLeft)));
    if (!list)
        return nullptr;
    auto* image = new CImageList;
    image->Attach(list);
    return image;
}

void CListCtrl::DrawItem(LPDRAWITEMSTRUCT) {
    DeclineReflectedMessage();
}

BOOL CListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    return TakeReflectedItemMessage(*this, message, lParam, result) ||
           CWnd::OnChildNotify(message, wParam, lParam, result);
}

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)
