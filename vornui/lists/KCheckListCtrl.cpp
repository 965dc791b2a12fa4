#include "vornui/lists/KCheckListCtrl.h"

#include "vornui/module/VornuiModule.h"
#include "vornui/platform/CDC.h"
#include "vornui/platform/DesktopInput.h"
#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/Images.h"
#include "vornui/platform/Resources.h"
#include "vornui/resources/ListResourceIds.h"

#include <vector>

IMPLEMENT_DYNAMIC(KCheckListCtrl, KListCtrlEx)

namespace {

constexpr UINT_PTR kScrollTimerId = 65246;
constexpr UINT kScrollTimerMs = 300;
constexpr int kCheckBoxSize = 16;
constexpr int kDropTextLength = 255;

} // namespace

KCheckListCtrl::KCheckListCtrl(unsigned long extendedStyle) : m_dwExStyle(extendedStyle) {}

KCheckListCtrl::~KCheckListCtrl() {
    delete m_pImageList[0];
    delete m_pImageList[2];
}

void KCheckListCtrl::PreSubclassWindow() {
    KListCtrlEx::PreSubclassWindow();
    KResourceScope library;
    SetExtendedStyle(m_dwExStyle);
    if (m_dwExStyle & LVS_EX_CHECKBOXES) {
        m_pImageList[2] = CreateTransparent(IDB_CHECK_BOXES);
        KListBase::SetImageList(m_pImageList[2], LVSIL_STATE);
    }
}

void KCheckListCtrl::PostNcDestroy() {
    delete m_pImageList[2];
    m_pImageList[2] = nullptr;
    KListCtrlEx::PostNcDestroy();
}

CImageList* KCheckListCtrl::CreateTransparent(int bitmapId) {
    const LPCTSTR name = MAKEINTRESOURCE(bitmapId);
    const HBITMAP bitmap = LoadBitmap(AfxFindResourceHandle(name, RT_BITMAP), name);
    if (!bitmap)
        return nullptr;
    // The colour of the corner is the one that shows through.
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF transparent = GetPixel(dc, 0, 0);
    SelectObject(dc, old);
    DeleteDC(dc);
    auto* images = new CImageList;
    images->Create(kCheckBoxSize, kCheckBoxSize, ILC_COLOR24 | ILC_MASK, 2, 0);
    ImageList_AddMasked(images->GetSafeHandle(), bitmap, transparent);
    DeleteObject(bitmap);
    return images;
}

CImageList* KCheckListCtrl::CreateDragImageEx(int index) {
    POINT upperLeft{};
    return CreateDragImage(index, &upperLeft);
}

BOOL KCheckListCtrl::OnReflectedNotify(NMHDR* header, LRESULT* result) {
    if (header->code == LVN_BEGINDRAG) {
        OnBeginDrag(header, result);
        return TRUE;
    }
    if (header->code == NM_DBLCLK) {
        OnDblclk(header, result);
        return FALSE; // the parent sees it too
    }
    return KListCtrlEx::OnReflectedNotify(header, result);
}

void KCheckListCtrl::OnDblclk(NMHDR*, LRESULT* result) {
    *result = 1;
}

void KCheckListCtrl::OnBeginDrag(NMHDR* header, LRESULT* result) {
    *result = 0;
    const auto* notice = reinterpret_cast<const NMLISTVIEW*>(header);
    if (notice->iItem < 0)
        return;
    m_nDragItem = notice->iItem;
    delete m_pImageList[0];
    m_pImageList[0] = CreateDragImageEx(m_nDragItem);
    if (!m_pImageList[0])
        return;
    const CPoint pointer(notice->ptAction);
    m_pImageList[0]->BeginDrag(0, CPoint(pointer.x - 4, 0));
    CImageList::DragEnter(this, pointer);
    m_nDragging = 1;
    m_nDropTarget = -1;
    SetCapture();
}

void KCheckListCtrl::StopScrollTimer() {
    if (m_nScrollTimer) {
        KillTimer(m_nScrollTimer);
        m_nScrollTimer = 0;
    }
}

void KCheckListCtrl::EndDragImage() {
    CImageList::DragLeave(this);
    CImageList::EndDrag();
    m_nDragging = 0;
}

void KCheckListCtrl::SetDropTarget(int index) {
    if (index == m_nDropTarget)
        return;
    CImageList::DragShowNolock(FALSE);
    if (m_nDropTarget >= 0)
        SetItemState(m_nDropTarget, 0, LVIS_DROPHILITED);
    m_nDropTarget = index;
    if (index >= 0)
        SetItemState(index, LVIS_DROPHILITED, LVIS_DROPHILITED);
    UpdateWindow();
    CImageList::DragShowNolock(TRUE);
}

void KCheckListCtrl::CancelDrag() {
    StopScrollTimer();
    EndDragImage();
    if (GetCapture() && GetCapture()->GetSafeHwnd() == m_hWnd)
        ReleaseCapture();
    if (m_nDropTarget >= 0)
        SetItemState(m_nDropTarget, 0, LVIS_DROPHILITED);
    m_nDropTarget = -1;
    Invalidate();
}

int KCheckListCtrl::BandAt(CPoint point) const {
    CRect client;
    GetClientRect(&client);
    if (point.y >= client.top && point.y <= client.top + m_nScrollBand[1])
        return -1;
    if (point.y >= client.bottom - m_nScrollBand[1] && point.y <= client.bottom)
        return 1;
    return 0;
}

void KCheckListCtrl::OnMouseMove(UINT flags, CPoint point) {
    if (!m_nDragging) {
        KListCtrlEx::OnMouseMove(flags, point);
        return;
    }
    StopScrollTimer();
    const bool captured = GetCapture() && GetCapture()->GetSafeHwnd() == m_hWnd;
    if (!captured || flags == MK_RBUTTON || flags == MK_MBUTTON || GetKeyState(VK_ESCAPE) < 0) {
        CancelDrag();
        return;
    }
    CImageList::DragMove(point);
    const int target = HitTest(point);
    SetDropTarget(target);
    if (target >= 0 && BandAt(point) != 0)
        m_nScrollTimer = SetTimer(kScrollTimerId, kScrollTimerMs, nullptr);
}

void KCheckListCtrl::OnTimer(UINT_PTR id) {
    if (id != kScrollTimerId) {
        KListCtrlEx::OnTimer(id);
        return;
    }
    StopScrollTimer();
    if (!GetCapture() || GetCapture()->GetSafeHwnd() != m_hWnd) {
        CancelDrag();
        return;
    }
    CPoint point;
    GetCursorPos(&point);
    ScreenToClient(&point);
    const int top = GetTopIndex();
    const int band = BandAt(point);
    if (band != 0)
        SendMessage(WM_VSCROLL, band < 0 ? SB_LINEUP : SB_LINEDOWN);
    if (GetTopIndex() != top) {
        CImageList::DragShowNolock(FALSE);
        UpdateWindow();
        CImageList::DragMove(point);
        CImageList::DragShowNolock(TRUE);
    }
    m_nScrollTimer = SetTimer(kScrollTimerId, kScrollTimerMs, nullptr);
}

void KCheckListCtrl::OnLButtonUp(UINT flags, CPoint point) {
    if (!m_nDragging) {
        KListCtrlEx::OnLButtonUp(flags, point);
        return;
    }
    StopScrollTimer();
    EndDragImage();
    ReleaseCapture();
    const int target = m_nDropTarget;
    if (target >= 0)
        SetItemState(target, 0, LVIS_DROPHILITED);
    m_nDropTarget = -1;
    if (target >= 0 && target != m_nDragItem)
        MoveRow(m_nDragItem, target);
    Invalidate();
}

void KCheckListCtrl::MoveRow(int from, int to) {
    char label[kDropTextLength + 1] = {};
    LVITEM item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE;
    item.iItem = from;
    item.stateMask = ~0u;
    item.pszText = label;
    item.cchTextMax = sizeof label;
    if (!GetItem(&item))
        return;
    // Every sub-item moves, also those after an empty one.
    std::vector<CString> subItems;
    CHeaderCtrl* header = GetHeaderCtrl();
    for (int column = 1; header && column < header->GetItemCount(); ++column)
        subItems.push_back(GetItemText(from, column).Left(kDropTextLength));
    DeleteItem(from);
    item.iItem = to;
    const int inserted = InsertItem(&item);
    for (size_t column = 0; inserted >= 0 && column < subItems.size(); ++column)
        SetItemText(inserted, static_cast<int>(column) + 1, subItems[column]);
}
