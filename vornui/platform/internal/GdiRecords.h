#pragma once

// Inside the graphics layer: the records behind GDI handles and device contexts, and the
// registries that say which handles are alive. Not part of the public interface.

#include "vornui/platform/GdiTypes.h"
#include "vornui/platform/internal/FontEngine.h"
#include "vornui/platform/internal/PixelSurface.h"
#include "vornui/platform/internal/Region.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

struct DeviceContext;

// The record behind a GDI handle; one class per kind of object.
struct GdiObject {
    virtual ~GdiObject() = default;
    const int type;
    bool stock = false;
    int selections = 0; // device contexts that have it selected; guarded by the registry

protected:
    explicit GdiObject(int type_) : type(type_) {}
};
template <int Type>
struct GdiObjectOf : GdiObject {
protected:
    GdiObjectOf() : GdiObject(Type) {}
};

struct PenRecord : GdiObjectOf<OBJ_PEN> {
    explicit PenRecord(const LOGPEN& log_) : log(log_) {}
    LOGPEN log;
    bool followsDcColor = false; // the DC_PEN stock pen
};

struct BrushRecord : GdiObjectOf<OBJ_BRUSH> {
    explicit BrushRecord(const LOGBRUSH& log_) : log(log_) {}
    LOGBRUSH log;
    bool followsDcColor = false; // the DC_BRUSH stock brush
    int systemColor = -1;        // a system colour brush: the colour's index
    // A pattern brush keeps its own copy of the bitmap's pixels, as the system does.
    std::shared_ptr<const PixelSurface> pattern;
};

struct FontRecord : GdiObjectOf<OBJ_FONT> {
    explicit FontRecord(const LOGFONT& log_) : log(log_) {}
    LOGFONT log;
    std::shared_ptr<const FontInstance> instance; // resolved on first use
    const FontInstance* resolved();
};

struct BitmapRecord : GdiObjectOf<OBJ_BITMAP> {
    BitmapRecord(int width, int height, int bitsPixel_);
    // A DIB section over `bits` (top-down when the header's height is negative).
    BitmapRecord(const BITMAPINFOHEADER& header, std::unique_ptr<Pixel[]> bits);
    int bitsPixel;
    std::unique_ptr<Pixel[]> dibBits; // DIB sections only
    std::optional<BITMAPINFOHEADER> dibHeader;
    std::unique_ptr<PixelSurface> surface;
    DeviceContext* selectedInto = nullptr;
    int widthBytes() const;
};

struct RegionRecord : GdiObjectOf<OBJ_REGION> {
    explicit RegionRecord(Region region_) : region(std::move(region_)) {}
    Region region;
};

// How the region functions describe an area: NULLREGION, SIMPLEREGION or COMPLEXREGION.
inline int RegionComplexity(const Region& region) {
    return region.empty() ? NULLREGION : region.isRectangle() ? SIMPLEREGION : COMPLEXREGION;
}

// The operation of a combine mode from RGN_AND to RGN_DIFF; other modes have none.
inline std::optional<RegionOp> RegionOpOfMode(int mode) {
    static constexpr RegionOp kOps[] = {RegionOp::And, RegionOp::Or, RegionOp::Xor, RegionOp::Diff};
    if (mode < RGN_AND || mode > RGN_DIFF)
        return std::nullopt;
    return kOps[mode - RGN_AND];
}

struct PaletteRecord : GdiObjectOf<OBJ_PAL> {
    explicit PaletteRecord(std::vector<PALETTEENTRY> entries_) : entries(std::move(entries_)) {}
    std::vector<PALETTEENTRY> entries;
};

// Everything SaveDC keeps and RestoreDC puts back.
struct DcState {
    HPEN pen = nullptr;
    HBRUSH brush = nullptr;
    HFONT font = nullptr;
    HBITMAP bitmap = nullptr;
    HPALETTE palette = nullptr;
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    COLORREF dcBrushColor = RGB(255, 255, 255);
    COLORREF dcPenColor = RGB(0, 0, 0);
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    int polyFillMode = ALTERNATE;
    int stretchMode = BLACKONWHITE;
    UINT textAlign = TA_LEFT | TA_TOP | TA_NOUPDATECP;
    CPoint current;
    CPoint viewportOrg;
    CPoint windowOrg;
    CPoint brushOrg;
    std::optional<Region> clip; // device coordinates of this DC
};

struct DeviceContext {
    int type = OBJ_MEMDC;
    // Window and screen DCs paint into a surface they do not own; memory DCs into the
    // selected bitmap's.
    PixelSurface* fixedSurface = nullptr;
    CPoint surfaceOrigin;          // where device (0, 0) lies on the surface
    std::optional<Region> visible; // what a window DC may touch, in device coordinates
    const void* window = nullptr;  // the window a window DC belongs to
    std::shared_ptr<PixelSurface> surfaceKeeper; // keeps a window's surface while in use
    // Brings the pixels up to date before they are read (a window's pending painting).
    std::function<void()> beforeRead;
    DcState state;
    std::vector<DcState> saved;

    PixelSurface* surface() const;
    // Whether it paints into a monochrome bitmap, which keeps black and white only.
    bool monochrome() const;
    CPoint logicalToSurface() const {
        return CPoint(state.viewportOrg.x - state.windowOrg.x + surfaceOrigin.x,
                      state.viewportOrg.y - state.windowOrg.y + surfaceOrigin.y);
    }
    CPoint logicalToDevice() const {
        return CPoint(state.viewportOrg.x - state.windowOrg.x,
                      state.viewportOrg.y - state.windowOrg.y);
    }
    // The area painting may touch, in surface coordinates.
    const Region& clipOnSurface();
    void clipChanged() { m_clipValid = false; }

private:
    Region m_clip;
    bool m_clipValid = false;
};

// Objects and device contexts stay alive while anyone holds what the look-up returned,
// so another thread's DeleteObject or DeleteDC never frees one in use; the handle is dead
// for every later look-up.
HGDIOBJ RegisterGdiObject(std::shared_ptr<GdiObject> object);
std::shared_ptr<GdiObject> LiveGdiObject(HGDIOBJ handle);
template <typename Record>
std::shared_ptr<Record> LiveGdiObjectOf(HGDIOBJ handle) {
    return std::dynamic_pointer_cast<Record>(LiveGdiObject(handle));
}
// Counts a selection into a device context; false when the handle names no object.
bool HoldGdiObject(HGDIOBJ handle);
void ReleaseGdiObject(HGDIOBJ handle);
// Deletes the object unless a device context has it selected; stock objects stay.
bool DeleteGdiObject(HGDIOBJ handle);

HDC RegisterDC(std::shared_ptr<DeviceContext> dc);
std::shared_ptr<DeviceContext> LiveDC(HDC hdc);
bool DestroyDC(HDC hdc);

// The device context any new DC starts from: stock pen, brush, font and palette.
DcState DefaultDcState();
// A DC that paints into a surface it does not own (window DCs).
HDC CreateSurfaceDC(PixelSurface* surface, CPoint origin, std::optional<Region> visible);
