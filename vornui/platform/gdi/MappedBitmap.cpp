#include "vornui/platform/MappedBitmap.h"

#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/Images.h"
#include "vornui/platform/Resources.h"
#include "vornui/platform/SystemSettings.h"

#include <vector>

HBITMAP CreateMappedBitmap(HINSTANCE module, INT_PTR id, UINT, const COLORMAP* map, int count) {
    const HBITMAP bitmap = LoadBitmap(module, MAKEINTRESOURCE(id));
    if (!bitmap)
        return nullptr;
    std::vector<COLORMAP> colors;
    if (map && count > 0)
        colors.assign(map, map + count);
    else
        colors = {{RGB(0, 0, 0), GetSysColor(COLOR_BTNTEXT)},
                  {RGB(128, 128, 128), GetSysColor(COLOR_BTNSHADOW)},
                  {RGB(192, 192, 192), GetSysColor(COLOR_BTNFACE)},
                  {RGB(255, 255, 255), GetSysColor(COLOR_BTNHIGHLIGHT)}};
    BITMAP size{};
    GetObject(bitmap, sizeof size, &size);
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    for (int y = 0; y < size.bmHeight; ++y)
        for (int x = 0; x < size.bmWidth; ++x) {
            const COLORREF pixel = GetPixel(dc, x, y);
            for (const COLORMAP& each : colors)
                if (pixel == each.from) {
                    SetPixel(dc, x, y, each.to);
                    break;
                }
        }
    SelectObject(dc, old);
    DeleteDC(dc);
    return bitmap;
}
