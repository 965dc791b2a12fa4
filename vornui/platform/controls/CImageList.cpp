#include "vornui/platform/CDC.h"
#include "vornui/platform/CGdiObject.h"
#include "vornui/platform/ImageList.h"
#include "vornui/platform/Wnd.h"

#include <utility>

CImageList::~CImageList() {
    DeleteImageList();
}

BOOL CImageList::Create(int width, int height, UINT flags, int initial, int grow) {
    return Attach(ImageList_Create(width, height, flags, initial, grow));
}

BOOL CImageList::Create(UINT bitmapId, int width, int grow, COLORREF maskColor) {
    const LPCTSTR name = MAKEINTRESOURCE(bitmapId);
    CBitmap bitmap;
    if (!bitmap.Attach(LoadBitmap(AfxFindResourceHandle(name, RT_BITMAP), name)))
        return FALSE;
    BITMAP info{};
    bitmap.GetBitmap(&info);
    const UINT mask = maskColor == CLR_NONE ? 0 : ILC_MASK;
    if (!Create(width, info.bmHeight, ILC_COLOR | mask, 0, grow))
        return FALSE;
    return Add(&bitmap, maskColor) >= 0;
}

BOOL CImageList::Attach(HIMAGELIST list) {
    if (!list || m_hImageList)
        return FALSE;
    m_hImageList = list;
    return TRUE;
}

HIMAGELIST CImageList::Detach() {
    return std::exchange(m_hImageList, nullptr);
}

BOOL CImageList::DeleteImageList() {
    return m_hImageList ? ImageList_Destroy(Detach()) : FALSE;
}

int CImageList::Add(CBitmap* image, CBitmap* mask) {
    return ImageList_Add(m_hImageList, image ? static_cast<HBITMAP>(*image) : nullptr,
                         mask ? static_cast<HBITMAP>(*mask) : nullptr);
}

int CImageList::Add(CBitmap* image, COLORREF maskColor) {
    return ImageList_AddMasked(m_hImageList, image ? static_cast<HBITMAP>(*image) : nullptr,
                               maskColor);
}

BOOL CImageList::Replace(int index, CBitmap* image, CBitmap* mask) {
    return ImageList_Replace(m_hImageList, index, image ? static_cast<HBITMAP>(*image) : nullptr,
                             mask ? static_cast<HBITMAP>(*mask) : nullptr);
}

BOOL CImageList::Draw(CDC* dc, int index, POINT point, UINT style) {
    return dc && ImageList_Draw(m_hImageList, index, *dc, point.x, point.y, style);
}

BOOL CImageList::DrawEx(CDC* dc, int index, POINT point, SIZE size, COLORREF background,
                        COLORREF foreground, UINT style) {
    return dc && ImageList_DrawEx(m_hImageList, index, *dc, point.x, point.y, size.cx, size.cy,
                                  background, foreground, style);
}

BOOL CImageList::DragEnter(CWnd* lock, CPoint point) {
    return ImageList_DragEnter(lock ? lock->m_hWnd : nullptr, point.x, point.y);
}

BOOL CImageList::DragLeave(CWnd* lock) {
    return ImageList_DragLeave(lock ? lock->m_hWnd : nullptr);
}

IMPLEMENT_DYNCREATE(CImageList, CObject)
