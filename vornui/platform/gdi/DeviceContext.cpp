#include "vornui/platform/DeviceContext.h"

#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/internal/GdiRecords.h"
#include "vornui/platform/internal/Shapes.h"
#include "vornui/platform/internal/StaticColors.h"

#include <algorithm>
#include <atomic>
#include <type_traits>
#include <utility>

namespace {

std::atomic<int> g_displayBitsPerPixel{32};

bool PaletteDisplay() {
    return g_displayBitsPerPixel.load() <= 8;
}

HBITMAP DefaultBitmap() {
    static const HBITMAP bitmap = [] {
        auto record = std::make_unique<BitmapRecord>(1, 1, 1);
        record->stock = true;
        return static_cast<HBITMAP>(RegisterGdiObject(std::move(record)));
    }();
    return bitmap;
}

void HoldState(DcState& state) {
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(state.pen), static_cast<HGDIOBJ>(state.brush),
                           static_cast<HGDIOBJ>(state.font), static_cast<HGDIOBJ>(state.palette)})
        HoldGdiObject(object);
}

void ReleaseState(DcState& state) {
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(state.pen), static_cast<HGDIOBJ>(state.brush),
                           static_cast<HGDIOBJ>(state.font), static_cast<HGDIOBJ>(state.palette)})
        ReleaseGdiObject(object);
}

bool AttachBitmap(DeviceContext& dc, HBITMAP bitmap) {
    auto record = LiveGdiObjectOf<BitmapRecord>(bitmap);
    if (!record || (!record->stock && record->selectedInto && record->selectedInto != &dc))
        return false;
    if (!record->stock && !HoldGdiObject(bitmap))
        return false; // deleted meanwhile by another thread
    if (auto old = LiveGdiObjectOf<BitmapRecord>(dc.state.bitmap); old && !old->stock) {
        old->selectedInto = nullptr;
        ReleaseGdiObject(dc.state.bitmap);
    }
    if (!record->stock)
        record->selectedInto = &dc;
    dc.state.bitmap = bitmap;
    dc.clipChanged();
    return true;
}

template <typename Handle>
Handle LiveOr(Handle handle, int stockIndex) {
    return LiveGdiObject(handle) ? handle : static_cast<Handle>(GetStockObject(stockIndex));
}

// The clip area in device coordinates when no clip region is selected.
Region WholeDevice(DeviceContext& dc) {
    if (dc.visible)
        return *dc.visible;
    const PixelSurface* surface = dc.surface();
    if (!surface)
        return Region();
    CRect bounds(0, 0, surface->width(), surface->height());
    bounds.OffsetRect(-dc.surfaceOrigin.x, -dc.surfaceOrigin.y);
    return Region(bounds);
}

int SetDeviceClip(DeviceContext& dc, std::optional<Region> clip) {
    dc.state.clip = std::move(clip);
    dc.clipChanged();
    return RegionComplexity(dc.state.clip ? *dc.state.clip : WholeDevice(dc));
}

CRect DeviceRect(const DeviceContext& dc, int left, int top, int right, int bottom) {
    CRect rect = NormalizedRect(left, top, right, bottom);
    rect.OffsetRect(dc.logicalToDevice());
    return rect;
}

template <typename Value>
Value Exchange(HDC hdc, Value DcState::*field, Value value, Value failure) {
    const auto dc = LiveDC(hdc);
    if (!dc)
        return failure;
    return std::exchange(dc->state.*field, value);
}

template <typename Value>
Value Read(HDC hdc, Value DcState::*field, Value failure) {
    const auto dc = LiveDC(hdc);
    return dc ? dc->state.*field : failure;
}

BOOL MoveOrigin(HDC hdc, CPoint DcState::*field, int x, int y, bool relative, LPPOINT previous) {
    const auto dc = LiveDC(hdc);
    if (!dc)
        return FALSE;
    CPoint& origin = dc->state.*field;
    if (previous)
        *previous = origin;
    origin = relative ? CPoint(origin.x + x, origin.y + y) : CPoint(x, y);
    return TRUE;
}

BOOL ReadOrigin(HDC hdc, CPoint DcState::*field, LPPOINT origin) {
    const auto dc = LiveDC(hdc);
    if (!dc || !origin)
        return FALSE;
    *origin = dc->state.*field;
    return TRUE;
}

} // namespace

PixelSurface* DeviceContext::surface() const {
    if (fixedSurface)
        return fixedSurface;
    auto bitmap = LiveGdiObjectOf<BitmapRecord>(state.bitmap);
    return bitmap ? bitmap->surface.get() : nullptr;
}

bool DeviceContext::monochrome() const {
    const auto bitmap = LiveGdiObjectOf<BitmapRecord>(state.bitmap);
    return !fixedSurface && bitmap && bitmap->bitsPixel == 1;
}

const Region& DeviceContext::clipOnSurface() {
    if (m_clipValid)
        return m_clip;
    const PixelSurface* target = surface();
    m_clip = target ? Region(CRect(0, 0, target->width(), target->height())) : Region();
    for (const std::optional<Region>* limit : {&visible, &state.clip}) {
        if (!*limit)
            continue;
        Region moved = **limit;
        moved.offset(surfaceOrigin.x, surfaceOrigin.y);
        m_clip = Region::Combine(m_clip, moved, RegionOp::And);
    }
    m_clipValid = true;
    return m_clip;
}

DcState DefaultDcState() {
    DcState state;
    state.pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
    state.brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    state.font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    state.palette = static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
    return state;
}

HDC CreateSurfaceDC(PixelSurface* surface, CPoint origin, std::optional<Region> visible) {
    auto dc = std::make_unique<DeviceContext>();
    dc->type = OBJ_DC;
    dc->fixedSurface = surface;
    dc->surfaceOrigin = origin;
    dc->visible = std::move(visible);
    dc->state = DefaultDcState();
    HoldState(dc->state);
    return RegisterDC(std::move(dc));
}

HDC CreateCompatibleDC(HDC hdc) {
    if (hdc && !LiveDC(hdc))
        return nullptr;
    auto dc = std::make_unique<DeviceContext>();
    dc->state = DefaultDcState();
    dc->state.bitmap = DefaultBitmap();
    HoldState(dc->state);
    return RegisterDC(std::move(dc));
}

BOOL DeleteDC(HDC hdc) {
    const auto dc = LiveDC(hdc);
    if (!dc)
        return FALSE;
    AttachBitmap(*dc, DefaultBitmap());
    ReleaseState(dc->state);
    return DestroyDC(hdc) ? TRUE : FALSE;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object) {
    const auto dc = LiveDC(hdc);
    const auto record = LiveGdiObject(object);
    if (!dc || !record)
        return nullptr;
    auto swap = [&](auto& slot) -> HGDIOBJ {
        if (!HoldGdiObject(object))
            return nullptr; // deleted meanwhile by another thread
        HGDIOBJ previous = slot;
        ReleaseGdiObject(previous);
        slot = static_cast<std::remove_reference_t<decltype(slot)>>(object);
        return previous;
    };
    switch (record->type) {
    case OBJ_PEN:
        return swap(dc->state.pen);
    case OBJ_BRUSH:
        return swap(dc->state.brush);
    case OBJ_FONT:
        return swap(dc->state.font);
    case OBJ_BITMAP: {
        if (dc->type != OBJ_MEMDC)
            return nullptr;
        HGDIOBJ previous = dc->state.bitmap;
        return AttachBitmap(*dc, static_cast<HBITMAP>(object)) ? previous : nullptr;
    }
    case OBJ_REGION:
        return reinterpret_cast<HGDIOBJ>(
            static_cast<LONG_PTR>(SelectClipRgn(hdc, static_cast<HRGN>(object))));
    default:
        return nullptr;
    }
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
    const auto dc = LiveDC(hdc);
    if (!dc)
        return nullptr;
    switch (type) {
    case OBJ_PEN:
        return dc->state.pen;
    case OBJ_BRUSH:
        return dc->state.brush;
    case OBJ_FONT:
        return dc->state.font;
    case OBJ_BITMAP:
        return dc->state.bitmap;
    case OBJ_PAL:
        return dc->state.palette;
    default:
        return nullptr;
    }
}

int SaveDC(HDC hdc) {
    const auto dc = LiveDC(hdc);
    if (!dc)
        return 0;
    dc->saved.push_back(dc->state);
    return static_cast<int>(dc->saved.size());
}

BOOL RestoreDC(HDC hdc, int savedDC) {
    const auto dc = LiveDC(hdc);
    if (!dc)
        return FALSE;
    const int depth = static_cast<int>(dc->saved.size());
    const int level = savedDC < 0 ? depth + 1 + savedDC : savedDC;
    if (level < 1 || level > depth)
        return FALSE;
    DcState restored = dc->saved[static_cast<std::size_t>(level - 1)];
    dc->saved.resize(static_cast<std::size_t>(level - 1));
    ReleaseState(dc->state);
    restored.pen = LiveOr(restored.pen, BLACK_PEN);
    restored.brush = LiveOr(restored.brush, WHITE_BRUSH);
    restored.font = LiveOr(restored.font, SYSTEM_FONT);
    restored.palette = LiveOr(restored.palette, DEFAULT_PALETTE);
    HoldState(restored);
    const HBITMAP bitmap = restored.bitmap;
    restored.bitmap = dc->state.bitmap;
    dc->state = std::move(restored);
    if (dc->type == OBJ_MEMDC && bitmap != dc->state.bitmap && !AttachBitmap(*dc, bitmap))
        AttachBitmap(*dc, DefaultBitmap());
    dc->clipChanged();
    return TRUE;
}

int GetDeviceCaps(HDC hdc, int index) {
    if (hdc && !LiveDC(hdc))
        return 0;
    const bool palette = PaletteDisplay();
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    const int dpi = GetScreenDpi();
    switch (index) {
    case TECHNOLOGY:
        return DT_RASDISPLAY;
    case HORZRES:
        return width;
    case VERTRES:
        return height;
    case HORZSIZE:
        return width * 254 / (dpi * 10);
    case VERTSIZE:
        return height * 254 / (dpi * 10);
    case BITSPIXEL:
        return g_displayBitsPerPixel.load();
    case PLANES:
        return 1;
    case NUMCOLORS:
        return palette ? static_cast<int>(StaticColors().size()) : -1;
    case RASTERCAPS:
        return RC_BITBLT | RC_BITMAP64 | RC_DI_BITMAP | RC_DIBTODEV | RC_STRETCHBLT |
               RC_STRETCHDIB | (palette ? RC_PALETTE : 0);
    case LOGPIXELSX:
    case LOGPIXELSY:
        return dpi;
    case SIZEPALETTE:
        return palette ? 256 : 0;
    case NUMRESERVED:
        return palette ? static_cast<int>(StaticColors().size()) : 0;
    case COLORRES:
        return palette ? 18 : 24;
    default:
        return 0;
    }
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
    return Exchange(hdc, &DcState::textColor, color, CLR_INVALID);
}
COLORREF GetTextColor(HDC hdc) {
    return Read(hdc, &DcState::textColor, CLR_INVALID);
}
COLORREF SetBkColor(HDC hdc, COLORREF color) {
    return Exchange(hdc, &DcState::bkColor, color, CLR_INVALID);
}
COLORREF GetBkColor(HDC hdc) {
    return Read(hdc, &DcState::bkColor, CLR_INVALID);
}
int SetBkMode(HDC hdc, int mode) {
    return mode == TRANSPARENT || mode == OPAQUE ? Exchange(hdc, &DcState::bkMode, mode, 0) : 0;
}
int GetBkMode(HDC hdc) {
    return Read(hdc, &DcState::bkMode, 0);
}
int SetROP2(HDC hdc, int mode) {
    return mode >= R2_BLACK && mode <= R2_WHITE ? Exchange(hdc, &DcState::rop2, mode, 0) : 0;
}
int GetROP2(HDC hdc) {
    return Read(hdc, &DcState::rop2, 0);
}
int SetPolyFillMode(HDC hdc, int mode) {
    return mode == ALTERNATE || mode == WINDING ? Exchange(hdc, &DcState::polyFillMode, mode, 0)
                                                : 0;
}
int GetPolyFillMode(HDC hdc) {
    return Read(hdc, &DcState::polyFillMode, 0);
}
int SetStretchBltMode(HDC hdc, int mode) {
    return mode >= BLACKONWHITE && mode <= HALFTONE ? Exchange(hdc, &DcState::stretchMode, mode, 0)
                                                    : 0;
}
int GetStretchBltMode(HDC hdc) {
    return Read(hdc, &DcState::stretchMode, 0);
}
UINT SetTextAlign(HDC hdc, UINT align) {
    return Exchange(hdc, &DcState::textAlign, align, GDI_ERROR);
}
UINT GetTextAlign(HDC hdc) {
    return Read(hdc, &DcState::textAlign, GDI_ERROR);
}
COLORREF SetDCBrushColor(HDC hdc, COLORREF color) {
    return Exchange(hdc, &DcState::dcBrushColor, color, CLR_INVALID);
}
COLORREF GetDCBrushColor(HDC hdc) {
    return Read(hdc, &DcState::dcBrushColor, CLR_INVALID);
}
COLORREF SetDCPenColor(HDC hdc, COLORREF color) {
    return Exchange(hdc, &DcState::dcPenColor, color, CLR_INVALID);
}
COLORREF GetDCPenColor(HDC hdc) {
    return Read(hdc, &DcState::dcPenColor, CLR_INVALID);
}

BOOL SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT previous) {
    return MoveOrigin(hdc, &DcState::viewportOrg, x, y, false, previous);
}
BOOL OffsetViewportOrgEx(HDC hdc, int dx, int dy, LPPOINT previous) {
    return MoveOrigin(hdc, &DcState::viewportOrg, dx, dy, true, previous);
}
BOOL GetViewportOrgEx(HDC hdc, LPPOINT origin) {
    return ReadOrigin(hdc, &DcState::viewportOrg, origin);
}
BOOL SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT previous) {
    return MoveOrigin(hdc, &DcState::windowOrg, x, y, false, previous);
}
BOOL OffsetWindowOrgEx(HDC hdc, int dx, int dy, LPPOINT previous) {
    return MoveOrigin(hdc, &DcState::windowOrg, dx, dy, true, previous);
}
BOOL GetWindowOrgEx(HDC hdc, LPPOINT origin) {
    return ReadOrigin(hdc, &DcState::windowOrg, origin);
}
BOOL SetBrushOrgEx(HDC hdc, int x, int y, LPPOINT previous) {
    return MoveOrigin(hdc, &DcState::brushOrg, x, y, false, previous);
}

BOOL LPtoDP(HDC hdc, LPPOINT points, int count) {
    const auto dc = LiveDC(hdc);
    if (!dc || (!points && count > 0))
        return FALSE;
    const CPoint shift = dc->logicalToDevice();
    for (int i = 0; i < count; ++i)
        points[i] = CPoint(points[i]) + shift;
    return TRUE;
}

BOOL DPtoLP(HDC hdc, LPPOINT points, int count) {
    const auto dc = LiveDC(hdc);
    if (!dc || (!points && count > 0))
        return FALSE;
    const CPoint shift = dc->logicalToDevice();
    for (int i = 0; i < count; ++i)
        points[i] = CPoint(points[i].x - shift.x, points[i].y - shift.y);
    return TRUE;
}

int SelectClipRgn(HDC hdc, HRGN region) {
    return ExtSelectClipRgn(hdc, region, RGN_COPY);
}

int ExtSelectClipRgn(HDC hdc, HRGN region, int mode) {
    const auto dc = LiveDC(hdc);
    if (!dc)
        return ERROR;
    const auto record = LiveGdiObjectOf<RegionRecord>(region);
    if (!record) {
        if (region || mode != RGN_COPY)
            return ERROR;
        return SetDeviceClip(*dc, std::nullopt);
    }
    if (mode == RGN_COPY)
        return SetDeviceClip(*dc, record->region);
    const std::optional<RegionOp> op = RegionOpOfMode(mode);
    if (!op)
        return ERROR;
    const Region current = dc->state.clip ? *dc->state.clip : WholeDevice(*dc);
    return SetDeviceClip(*dc, Region::Combine(current, record->region, *op));
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
    const auto dc = LiveDC(hdc);
    if (!dc)
        return ERROR;
    const Region current = dc->state.clip ? *dc->state.clip : WholeDevice(*dc);
    const Region limit(DeviceRect(*dc, left, top, right, bottom));
    return SetDeviceClip(*dc, Region::Combine(current, limit, RegionOp::And));
}

int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom) {
    const auto dc = LiveDC(hdc);
    if (!dc)
        return ERROR;
    const Region current = dc->state.clip ? *dc->state.clip : WholeDevice(*dc);
    const Region hole(DeviceRect(*dc, left, top, right, bottom));
    return SetDeviceClip(*dc, Region::Combine(current, hole, RegionOp::Diff));
}

int OffsetClipRgn(HDC hdc, int dx, int dy) {
    const auto dc = LiveDC(hdc);
    if (!dc)
        return ERROR;
    if (!dc->state.clip)
        return RegionComplexity(WholeDevice(*dc));
    Region moved = *dc->state.clip;
    moved.offset(dx, dy);
    return SetDeviceClip(*dc, std::move(moved));
}

int GetClipBox(HDC hdc, LPRECT rect) {
    const auto dc = LiveDC(hdc);
    if (!dc || !rect)
        return ERROR;
    Region area = dc->clipOnSurface();
    const CPoint shift = dc->logicalToSurface();
    area.offset(-shift.x, -shift.y);
    *rect = area.bounds();
    return RegionComplexity(area);
}

int GetClipRgn(HDC hdc, HRGN region) {
    const auto dc = LiveDC(hdc);
    auto record = LiveGdiObjectOf<RegionRecord>(region);
    if (!dc || !record)
        return -1;
    if (!dc->state.clip)
        return 0;
    record->region = *dc->state.clip;
    return 1;
}

BOOL PtVisible(HDC hdc, int x, int y) {
    const auto dc = LiveDC(hdc);
    if (!dc)
        return FALSE;
    const CPoint shift = dc->logicalToSurface();
    return dc->clipOnSurface().contains(x + shift.x, y + shift.y) ? TRUE : FALSE;
}

BOOL RectVisible(HDC hdc, const RECT* rect) {
    const auto dc = LiveDC(hdc);
    if (!dc || !rect)
        return FALSE;
    CRect area(rect);
    area.NormalizeRect();
    area.OffsetRect(dc->logicalToSurface());
    return dc->clipOnSurface().intersects(area) ? TRUE : FALSE;
}

HPALETTE SelectPalette(HDC hdc, HPALETTE palette, BOOL /*forceBackground*/) {
    const auto dc = LiveDC(hdc);
    if (!dc || !LiveGdiObjectOf<PaletteRecord>(palette))
        return nullptr;
    if (!HoldGdiObject(palette))
        return nullptr;
    HPALETTE previous = dc->state.palette;
    ReleaseGdiObject(previous);
    dc->state.palette = palette;
    return previous;
}

UINT RealizePalette(HDC hdc) {
    const auto dc = LiveDC(hdc);
    if (!dc)
        return GDI_ERROR;
    const auto palette = LiveGdiObjectOf<PaletteRecord>(dc->state.palette);
    return palette ? static_cast<UINT>(palette->entries.size()) : 0;
}

UINT GetSystemPaletteEntries(HDC hdc, UINT start, UINT count, LPPALETTEENTRY entries) {
    if ((hdc && !LiveDC(hdc)) || !PaletteDisplay())
        return 0;
    return CopyPaletteEntries(SystemPaletteEntries(), start, count, entries);
}

void SetDisplayBitsPerPixel(int bitsPerPixel) {
    if (bitsPerPixel == 8 || bitsPerPixel == 16 || bitsPerPixel == 24 || bitsPerPixel == 32)
        g_displayBitsPerPixel = bitsPerPixel;
}

int GetDisplayBitsPerPixel() {
    return g_displayBitsPerPixel.load();
}
