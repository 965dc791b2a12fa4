#include "vornui/platform/TreeCtrl.h"

#include <cstring>

namespace {

WPARAM AsWParam(HTREEITEM item) {
    return reinterpret_cast<WPARAM>(item);
}

LPARAM AsLParam(HTREEITEM item) {
    return reinterpret_cast<LPARAM>(item);
}

HTREEITEM AsItem(LRESULT result) {
    return reinterpret_cast<HTREEITEM>(result);
}

} // namespace

CTreeCtrl::~CTreeCtrl() {
    m_normalImages.Detach();
    m_stateImages.Detach();
}

BOOL CTreeCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(WC_TREEVIEW, nullptr, style, rect, parent, id);
}

UINT CTreeCtrl::GetCount() const {
    return static_cast<UINT>(SendMessage(TVM_GETCOUNT));
}

UINT CTreeCtrl::GetIndent() const {
    return static_cast<UINT>(SendMessage(TVM_GETINDENT));
}

void CTreeCtrl::SetIndent(UINT indent) {
    SendMessage(TVM_SETINDENT, indent);
}

CImageList* CTreeCtrl::GetImageList(int which) const {
    const auto list =
        reinterpret_cast<HIMAGELIST>(SendMessage(TVM_GETIMAGELIST, static_cast<WPARAM>(which)));
    if (!list)
        return nullptr;
    CImageList& wrapper = which == TVSIL_STATE ? m_stateImages : m_normalImages;
    wrapper.Detach();
    wrapper.Attach(list);
    return &wrapper;
}

CImageList* CTreeCtrl::SetImageList(CImageList* list, int which) {
    const LRESULT previous =
        SendMessage(TVM_SETIMAGELIST, static_cast<WPARAM>(which),
                    reinterpret_cast<LPARAM>(list ? list->GetSafeHandle() : nullptr));
    if (!previous)
        return nullptr;
    CImageList& wrapper = which == TVSIL_STATE ? m_stateImages : m_normalImages;
    wrapper.Detach();
    wrapper.Attach(reinterpret_cast<HIMAGELIST>(previous));
    return &wrapper;
}

UINT CTreeCtrl::GetVisibleCount() const {
    return static_cast<UINT>(SendMessage(TVM_GETVISIBLECOUNT));
}

SHORT CTreeCtrl::GetItemHeight() const {
    return static_cast<SHORT>(SendMessage(TVM_GETITEMHEIGHT));
}

SHORT CTreeCtrl::SetItemHeight(SHORT height) {
    return static_cast<SHORT>(SendMessage(TVM_SETITEMHEIGHT, static_cast<WPARAM>(height)));
}

COLORREF CTreeCtrl::GetBkColor() const {
    return static_cast<COLORREF>(SendMessage(TVM_GETBKCOLOR));
}

COLORREF CTreeCtrl::SetBkColor(COLORREF color) {
    return static_cast<COLORREF>(SendMessage(TVM_SETBKCOLOR, 0, static_cast<LPARAM>(color)));
}

COLORREF CTreeCtrl::GetTextColor() const {
    return static_cast<COLORREF>(SendMessage(TVM_GETTEXTCOLOR));
}

COLORREF CTreeCtrl::SetTextColor(COLORREF color) {
    return static_cast<COLORREF>(SendMessage(TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(color)));
}

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM item, UINT code) const {
    return AsItem(SendMessage(TVM_GETNEXTITEM, code, AsLParam(item)));
}

HTREEITEM CTreeCtrl::GetRootItem() const {
    return GetNextItem(nullptr, TVGN_ROOT);
}

HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM item) const {
    return GetNextItem(item, TVGN_CHILD);
}

HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM item) const {
    return GetNextItem(item, TVGN_NEXT);
}

HTREEITEM CTreeCtrl::GetPrevSiblingItem(HTREEITEM item) const {
    return GetNextItem(item, TVGN_PREVIOUS);
}

HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM item) const {
    return GetNextItem(item, TVGN_PARENT);
}

HTREEITEM CTreeCtrl::GetFirstVisibleItem() const {
    return GetNextItem(nullptr, TVGN_FIRSTVISIBLE);
}

HTREEITEM CTreeCtrl::GetNextVisibleItem(HTREEITEM item) const {
    return GetNextItem(item, TVGN_NEXTVISIBLE);
}

HTREEITEM CTreeCtrl::GetPrevVisibleItem(HTREEITEM item) const {
    return GetNextItem(item, TVGN_PREVIOUSVISIBLE);
}

HTREEITEM CTreeCtrl::GetLastVisibleItem() const {
    return GetNextItem(nullptr, TVGN_LASTVISIBLE);
}

HTREEITEM CTreeCtrl::GetSelectedItem() const {
    return GetNextItem(nullptr, TVGN_CARET);
}

HTREEITEM CTreeCtrl::GetDropHilightItem() const {
    return GetNextItem(nullptr, TVGN_DROPHILITE);
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM item) const {
    TVITEM fields{};
    fields.mask = TVIF_CHILDREN | TVIF_HANDLE;
    fields.hItem = item;
    return GetItem(&fields) && fields.cChildren != 0;
}

HTREEITEM CTreeCtrl::InsertItem(LPTVINSERTSTRUCT insert) {
    return AsItem(SendMessage(TVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(insert)));
}

HTREEITEM CTreeCtrl::InsertItem(UINT mask, LPCTSTR text, int image, int selectedImage, UINT state,
                                UINT stateMask, LPARAM param, HTREEITEM parent,
                                HTREEITEM insertAfter) {
    TVINSERTSTRUCT insert{parent,
                          insertAfter,
                          {mask, nullptr, state, stateMask, const_cast<LPSTR>(text), 0, image,
                           selectedImage, 0, param}};
    return InsertItem(&insert);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR text, HTREEITEM parent, HTREEITEM insertAfter) {
    return InsertItem(TVIF_TEXT, text, 0, 0, 0, 0, 0, parent, insertAfter);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR text, int image, int selectedImage, HTREEITEM parent,
                                HTREEITEM insertAfter) {
    return InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, text, image, selectedImage, 0, 0,
                      0, parent, insertAfter);
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM item) {
    return static_cast<BOOL>(SendMessage(TVM_DELETEITEM, 0, AsLParam(item)));
}

BOOL CTreeCtrl::DeleteAllItems() {
    return DeleteItem(TVI_ROOT);
}

BOOL CTreeCtrl::GetItem(TVITEM* item) const {
    return static_cast<BOOL>(SendMessage(TVM_GETITEM, 0, reinterpret_cast<LPARAM>(item)));
}

BOOL CTreeCtrl::SetItem(TVITEM* item) {
    return static_cast<BOOL>(SendMessage(TVM_SETITEM, 0, reinterpret_cast<LPARAM>(item)));
}

BOOL CTreeCtrl::SetItem(HTREEITEM item, UINT mask, LPCTSTR text, int image, int selectedImage,
                        UINT state, UINT stateMask, LPARAM param) {
    TVITEM fields{mask | TVIF_HANDLE, item, state, stateMask, const_cast<LPSTR>(text), 0, image,
                  selectedImage,      0,    param};
    return SetItem(&fields);
}

CString CTreeCtrl::GetItemText(HTREEITEM item) const {
    // Labels may be long: ask with room to spare until the answer fits.
    for (int room = 256;; room *= 4) {
        CString text;
        TVITEM fields{};
        fields.mask = TVIF_TEXT | TVIF_HANDLE;
        fields.hItem = item;
        fields.pszText = text.GetBufferSetLength(room);
        fields.cchTextMax = room;
        fields.pszText[0] = '\0';
        const BOOL found = GetItem(&fields);
        text.ReleaseBuffer();
        if (!found || text.GetLength() < room - 1)
            return text;
    }
}

BOOL CTreeCtrl::SetItemText(HTREEITEM item, LPCTSTR text) {
    return SetItem(item, TVIF_TEXT, text, 0, 0, 0, 0, 0);
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM item, int& image, int& selectedImage) const {
    TVITEM fields{};
    fields.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE;
    fields.hItem = item;
    if (!GetItem(&fields))
        return FALSE;
    image = fields.iImage;
    selectedImage = fields.iSelectedImage;
    return TRUE;
}

BOOL CTreeCtrl::SetItemImage(HTREEITEM item, int image, int selectedImage) {
    return SetItem(item, TVIF_IMAGE | TVIF_SELECTEDIMAGE, nullptr, image, selectedImage, 0, 0, 0);
}

UINT CTreeCtrl::GetItemState(HTREEITEM item, UINT stateMask) const {
    return static_cast<UINT>(SendMessage(TVM_GETITEMSTATE, AsWParam(item), stateMask));
}

BOOL CTreeCtrl::SetItemState(HTREEITEM item, UINT state, UINT stateMask) {
    return SetItem(item, TVIF_STATE, nullptr, 0, 0, state, stateMask, 0);
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM item) const {
    TVITEM fields{};
    fields.mask = TVIF_PARAM | TVIF_HANDLE;
    fields.hItem = item;
    return GetItem(&fields) ? static_cast<DWORD_PTR>(fields.lParam) : 0;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM item, DWORD_PTR data) {
    return SetItem(item, TVIF_PARAM, nullptr, 0, 0, 0, 0, static_cast<LPARAM>(data));
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM item, LPRECT rect, BOOL textOnly) const {
    if (!rect)
        return FALSE;
    // The item goes in the rectangle's first bytes; a RECT is aligned for its LONGs only.
    static_assert(sizeof(HTREEITEM) <= sizeof(RECT));
    std::memcpy(rect, &item, sizeof item);
    return static_cast<BOOL>(SendMessage(TVM_GETITEMRECT, static_cast<WPARAM>(textOnly),
                                         reinterpret_cast<LPARAM>(rect)));
}

BOOL CTreeCtrl::GetCheck(HTREEITEM item) const {
    return (GetItemState(item, TVIS_STATEIMAGEMASK) >> 12) == 2;
}

BOOL CTreeCtrl::SetCheck(HTREEITEM item, BOOL check) {
    return SetItemState(item, INDEXTOSTATEIMAGEMASK(check ? 2u : 1u), TVIS_STATEIMAGEMASK);
}

BOOL CTreeCtrl::Select(HTREEITEM item, UINT code) {
    return static_cast<BOOL>(SendMessage(TVM_SELECTITEM, code, AsLParam(item)));
}

BOOL CTreeCtrl::SelectItem(HTREEITEM item) {
    return Select(item, TVGN_CARET);
}

BOOL CTreeCtrl::SelectDropTarget(HTREEITEM item) {
    return Select(item, TVGN_DROPHILITE);
}

BOOL CTreeCtrl::SelectSetFirstVisible(HTREEITEM item) {
    return Select(item, TVGN_FIRSTVISIBLE);
}

BOOL CTreeCtrl::Expand(HTREEITEM item, UINT code) {
    return static_cast<BOOL>(SendMessage(TVM_EXPAND, code, AsLParam(item)));
}

BOOL CTreeCtrl::EnsureVisible(HTREEITEM item) {
    return static_cast<BOOL>(SendMessage(TVM_ENSUREVISIBLE, 0, AsLParam(item)));
}

BOOL CTreeCtrl::SortChildren(HTREEITEM item) {
    return static_cast<BOOL>(SendMessage(TVM_SORTCHILDREN, 0, AsLParam(item)));
}

HTREEITEM CTreeCtrl::HitTest(CPoint point, UINT* flags) const {
    TVHITTESTINFO info{point, 0, nullptr};
    const HTREEITEM item = HitTest(&info);
    if (flags)
        *flags = info.flags;
    return item;
}

HTREEITEM CTreeCtrl::HitTest(TVHITTESTINFO* info) const {
    return AsItem(SendMessage(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(info)));
}

IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)
