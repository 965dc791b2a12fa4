#pragma once

// Image lists: pictures of one size kept side by side, each with its mask, drawn plain,
// blended with a highlight, as a mask, with an overlay on top, and dragged over a window.
// CImageList is the framework's wrapper.

#include "vornui/platform/Export.h"
#include "vornui/platform/Forward.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/Icons.h"
#include "vornui/platform/Images.h"
#include "vornui/platform/Object.h"
#include "vornui/platform/WindowTypes.h"

struct ImageListObject;
using HIMAGELIST = ImageListObject*;

#define ILC_MASK 0x00000001
#define ILC_COLOR 0x00000000
#define ILC_COLORDDB 0x000000FE
#define ILC_COLOR4 0x00000004
#define ILC_COLOR8 0x00000008
#define ILC_COLOR16 0x00000010
#define ILC_COLOR24 0x00000018
#define ILC_COLOR32 0x00000020

#define ILD_NORMAL 0x00000000
#define ILD_TRANSPARENT 0x00000001
#define ILD_BLEND25 0x00000002
#define ILD_FOCUS ILD_BLEND25
#define ILD_BLEND50 0x00000004
#define ILD_SELECTED ILD_BLEND50
#define ILD_BLEND ILD_BLEND50
#define ILD_MASK 0x00000010
#define ILD_IMAGE 0x00000020
#define ILD_OVERLAYMASK 0x00000F00
#define INDEXTOOVERLAYMASK(i) ((i) << 8)
// Items of list and tree views name their state image (a check box, say) this way.
#define INDEXTOSTATEIMAGEMASK(i) ((i) << 12)

#define CLR_NONE 0xFFFFFFFFu
#define CLR_DEFAULT 0xFF000000u
#define CLR_HILIGHT CLR_DEFAULT

// Images are `width` x `height`; a list of 0 x 0 images cannot be made.
VORNUI_API HIMAGELIST ImageList_Create(int width, int height, UINT flags, int initial, int grow);
VORNUI_API BOOL ImageList_Destroy(HIMAGELIST list);
VORNUI_API int ImageList_GetImageCount(HIMAGELIST list);
VORNUI_API BOOL ImageList_SetImageCount(HIMAGELIST list, UINT count);
VORNUI_API BOOL ImageList_GetIconSize(HIMAGELIST list, int* width, int* height);
// Empties the list and changes the size of its images.
VORNUI_API BOOL ImageList_SetIconSize(HIMAGELIST list, int width, int height);
// Adds one image for each image width of the bitmap; the first new index, or -1. The mask
// is white where an image is transparent.
VORNUI_API int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask);
// Pixels of `maskColor` become transparent.
VORNUI_API int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF maskColor);
VORNUI_API int ImageList_AddIcon(HIMAGELIST list, HICON icon);
// `index` -1 adds the icon.
VORNUI_API int ImageList_ReplaceIcon(HIMAGELIST list, int index, HICON icon);
VORNUI_API BOOL ImageList_Replace(HIMAGELIST list, int index, HBITMAP image, HBITMAP mask);
// `index` -1 removes every image.
VORNUI_API BOOL ImageList_Remove(HIMAGELIST list, int index);
VORNUI_API BOOL ImageList_RemoveAll(HIMAGELIST list);
VORNUI_API COLORREF ImageList_SetBkColor(HIMAGELIST list, COLORREF color);
VORNUI_API COLORREF ImageList_GetBkColor(HIMAGELIST list);
// Overlay `overlay` (1 to 15) is image `index`.
VORNUI_API BOOL ImageList_SetOverlayImage(HIMAGELIST list, int index, int overlay);
VORNUI_API BOOL ImageList_Draw(HIMAGELIST list, int index, HDC hdc, int x, int y, UINT style);
// `background` CLR_DEFAULT takes the list's background colour, CLR_NONE none;
// `foreground` is what ILD_BLEND25 and ILD_BLEND50 blend with (CLR_DEFAULT: the
// highlight colour). `width` and `height` 0 draw the whole image.
VORNUI_API BOOL ImageList_DrawEx(HIMAGELIST list, int index, HDC hdc, int x, int y, int width,
                                 int height, COLORREF background, COLORREF foreground, UINT style);
VORNUI_API HICON ImageList_GetIcon(HIMAGELIST list, int index, UINT flags);

// Dragging: the image follows the mouse over `lock`'s window, drawn on the window's
// pixels and taken off again without a trace. Positions are relative to the window's
// top-left corner.
VORNUI_API BOOL ImageList_BeginDrag(HIMAGELIST track, int index, int hotspotX, int hotspotY);
VORNUI_API BOOL ImageList_DragEnter(HWND lock, int x, int y);
VORNUI_API BOOL ImageList_DragMove(int x, int y);
VORNUI_API BOOL ImageList_DragLeave(HWND lock);
VORNUI_API BOOL ImageList_DragShowNolock(BOOL show);
VORNUI_API void ImageList_EndDrag();

class VORNUI_API CImageList : public CObject {
    DECLARE_DYNCREATE(CImageList)
public:
    CImageList() = default;
    ~CImageList();
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST m_hImageList = nullptr;

    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    BOOL Create(int width, int height, UINT flags, int initial, int grow);
    // From a bitmap resource of the resource chain, cut into images `width` wide.
    BOOL Create(UINT bitmapId, int width, int grow, COLORREF maskColor);
    BOOL Attach(HIMAGELIST list);
    HIMAGELIST Detach();
    BOOL DeleteImageList();

    int GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }
    BOOL SetImageCount(UINT count) { return ImageList_SetImageCount(m_hImageList, count); }
    int Add(CBitmap* image, CBitmap* mask);
    int Add(CBitmap* image, COLORREF maskColor);
    int Add(HICON icon) { return ImageList_AddIcon(m_hImageList, icon); }
    BOOL Replace(int index, CBitmap* image, CBitmap* mask);
    int Replace(int index, HICON icon) { return ImageList_ReplaceIcon(m_hImageList, index, icon); }
    BOOL Remove(int index) { return ImageList_Remove(m_hImageList, index); }
    COLORREF SetBkColor(COLORREF color) { return ImageList_SetBkColor(m_hImageList, color); }
    COLORREF GetBkColor() const { return ImageList_GetBkColor(m_hImageList); }
    BOOL SetOverlayImage(int index, int overlay) {
        return ImageList_SetOverlayImage(m_hImageList, index, overlay);
    }
    BOOL Draw(CDC* dc, int index, POINT point, UINT style);
    BOOL DrawEx(CDC* dc, int index, POINT point, SIZE size, COLORREF background,
                COLORREF foreground, UINT style);
    HICON ExtractIcon(int index) { return ImageList_GetIcon(m_hImageList, index, ILD_NORMAL); }

    BOOL BeginDrag(int index, CPoint hotspot) {
        return ImageList_BeginDrag(m_hImageList, index, hotspot.x, hotspot.y);
    }
    static BOOL DragEnter(CWnd* lock, CPoint point);
    static BOOL DragMove(CPoint point) { return ImageList_DragMove(point.x, point.y); }
    static BOOL DragLeave(CWnd* lock);
    static BOOL DragShowNolock(BOOL show) { return ImageList_DragShowNolock(show); }
    static void EndDrag() { ImageList_EndDrag(); }
};
