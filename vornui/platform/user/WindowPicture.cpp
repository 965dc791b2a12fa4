#include "vornui/platform/WindowPicture.h"

#include "vornui/platform/Bitmaps.h"
#include "vornui/platform/CDC.h"
#include "vornui/platform/CRect.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/internal/GdiRecords.h"
#include "vornui/platform/internal/ImageFiles.h"

BOOL RenderWindowToPng(HWND hwnd, LPCSTR path) {
    if (!path || !IsWindow(hwnd) || !IsWindowVisible(hwnd))
        return FALSE;
    CRect window;
    GetWindowRect(hwnd, &window);
    if (window.IsRectEmpty())
        return FALSE;
    const HBITMAP bitmap = CreateBitmap(window.Width(), window.Height(), 1, 32, nullptr);
    bool written = false;
    {
        CDC memory;
        memory.CreateCompatibleDC(nullptr);
        const HGDIOBJ previous = memory.SelectObject(static_cast<HGDIOBJ>(bitmap));
        const BOOL printed = PrintWindow(hwnd, memory, 0);
        memory.SelectObject(previous);
        // The bitmap's own pixels, so that the file is PNG whatever its name says.
        if (const auto record = LiveGdiObjectOf<BitmapRecord>(bitmap); printed && record)
            written = WritePngFile(*record->surface, path);
    }
    DeleteObject(bitmap);
    return written ? TRUE : FALSE;
}
