#include "vornui/platform/WindowPaint.h"

#include "vornui/platform/Blits.h"
#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/internal/GdiRecords.h"
#include "vornui/platform/internal/UpdateRegions.h"
#include "vornui/platform/internal/WindowInternals.h"
#include "vornui/platform/internal/WindowRecord.h"
#include "vornui/platform/internal/WindowSurfaces.h"

#include <algorithm>

namespace {

CRect ScreenWindowRect(HWND hwnd) {
    CRect rect;
    GetWindowRect(hwnd, &rect);
    return rect;
}

CRect ScreenClientRect(HWND hwnd) {
    CRect rect;
    GetClientRect(hwnd, &rect);
    CPoint origin(0, 0);
    ClientToScreen(hwnd, &origin);
    rect.OffsetRect(origin);
    return rect;
}

bool IsChildWindow(HWND hwnd) {
    return (GetWindowLong(hwnd, GWL_STYLE) & WS_CHILD) != 0;
}

// What of `area` (screen) shows: inside every ancestor's client area, without the
// windows it clips away.
Region VisibleOnScreen(HWND hwnd, const CRect& area, bool client) {
    if (!IsWindowVisible(hwnd))
        return Region();
    Region visible(area);
    for (HWND child = hwnd; IsChildWindow(child);) {
        const HWND parent = GetParent(child);
        if (!parent)
            break;
        visible = Region::Combine(visible, Region(ScreenClientRect(parent)), RegionOp::And);
        child = parent;
    }
    const DWORD style = static_cast<DWORD>(GetWindowLong(hwnd, GWL_STYLE));
    if (client && (style & WS_CLIPCHILDREN))
        for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (IsWindowVisible(child))
                visible = Region::Combine(visible, Region(ScreenWindowRect(child)), RegionOp::Diff);
    if ((style & WS_CLIPSIBLINGS) && IsChildWindow(hwnd))
        for (HWND above = GetWindow(hwnd, GW_HWNDFIRST); above && above != hwnd;
             above = GetWindow(above, GW_HWNDNEXT))
            if (IsWindowVisible(above))
                visible = Region::Combine(visible, Region(ScreenWindowRect(above)), RegionOp::Diff);
    return visible;
}

HDC MakeWindowDC(HWND hwnd, bool client, const Region* limit = nullptr) {
    const HWND top = GetAncestor(hwnd, GA_ROOT);
    const CRect topRect = ScreenWindowRect(top);
    const CRect area = client ? ScreenClientRect(hwnd) : ScreenWindowRect(hwnd);
    Region visible = VisibleOnScreen(hwnd, area, client);
    visible.offset(-area.left, -area.top);
    if (limit)
        visible = Region::Combine(visible, *limit, RegionOp::And);
    std::shared_ptr<PixelSurface> surface = WindowSurfaceOf(top);
    HDC hdc =
        CreateSurfaceDC(surface.get(), CPoint(area.left - topRect.left, area.top - topRect.top),
                        std::move(visible));
    const auto dc = LiveDC(hdc);
    dc->surfaceKeeper = std::move(surface);
    dc->window = hwnd;
    dc->beforeRead = [top] { PaintPendingWindows(top); };
    return hdc;
}

} // namespace

HDC GetDC(HWND hwnd) {
    if (!hwnd)
        return CreateSurfaceDC(nullptr, CPoint(), Region());
    return IsWindow(hwnd) ? MakeWindowDC(hwnd, true) : nullptr;
}

HDC GetWindowDC(HWND hwnd) {
    if (!hwnd)
        return GetDC(nullptr);
    return IsWindow(hwnd) ? MakeWindowDC(hwnd, false) : nullptr;
}

int ReleaseDC(HWND /*hwnd*/, HDC hdc) {
    const auto dc = LiveDC(hdc);
    if (!dc || dc->type != OBJ_DC)
        return 0;
    return DeleteDC(hdc) ? 1 : 0;
}

HWND WindowFromDC(HDC hdc) {
    const auto dc = LiveDC(hdc);
    return dc ? static_cast<HWND>(const_cast<void*>(dc->window)) : nullptr;
}

HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT paint) {
    if (!paint || !IsWindow(hwnd))
        return nullptr;
    const Region update = TakeUpdateRegion(hwnd, &paint->fErase);
    HDC hdc = MakeWindowDC(hwnd, true, &update);
    paint->hdc = hdc;
    paint->rcPaint = update.bounds();
    paint->fRestore = paint->fIncUpdate = FALSE;
    if (paint->fErase)
        paint->fErase =
            SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0) ? FALSE : TRUE;
    return hdc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint) {
    return paint ? ReleaseDC(hwnd, paint->hdc) : FALSE;
}

BOOL PrintWindow(HWND hwnd, HDC hdc, UINT flags) {
    if (!IsWindow(hwnd) || !LiveDC(hdc))
        return FALSE;
    RedrawWindow(hwnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const bool client = flags & PW_CLIENTONLY;
    CRect area;
    if (client)
        GetClientRect(hwnd, &area);
    else
        area = ScreenWindowRect(hwnd);
    HDC source = client ? GetDC(hwnd) : GetWindowDC(hwnd);
    const BOOL copied = BitBlt(hdc, 0, 0, area.Width(), area.Height(), source, 0, 0, SRCCOPY);
    ReleaseDC(hwnd, source);
    return copied;
}

void EraseBackgroundNow(HWND hwnd) {
    RecordOf(hwnd)->erase = false;
    HDC hdc = GetDC(hwnd);
    SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0);
    ReleaseDC(hwnd, hdc);
}

BOOL UpdateWindow(HWND hwnd) {
    WindowRecord* record = OwnWindow(hwnd);
    if (!record)
        return FALSE;
    if (NeedsPainting(*record) && IsWindowVisible(hwnd))
        SendMessage(hwnd, WM_PAINT, 0, 0);
    return TRUE;
}

void PaintPendingWindows(HWND hwnd) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}
