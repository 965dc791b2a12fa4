#include "vornui/platform/GdiObjects.h"

#include "vornui/platform/LastError.h"
#include "vornui/platform/internal/GdiRecords.h"
#include "vornui/platform/internal/StaticColors.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

HGDIOBJ MakeStock(std::unique_ptr<GdiObject> record) {
    record->stock = true;
    return RegisterGdiObject(std::move(record));
}

HPEN StockPen(int style, COLORREF color) {
    return static_cast<HPEN>(
        MakeStock(std::make_unique<PenRecord>(LOGPEN{static_cast<UINT>(style), {1, 0}, color})));
}

HBRUSH StockBrush(UINT style, COLORREF color) {
    return static_cast<HBRUSH>(MakeStock(std::make_unique<BrushRecord>(LOGBRUSH{style, color, 0})));
}

LOGFONT StockFontLog(const char* face, int height, int weight, BYTE pitchAndFamily) {
    LOGFONT log{};
    log.lfHeight = height;
    log.lfWeight = weight;
    log.lfCharSet = ANSI_CHARSET;
    log.lfPitchAndFamily = pitchAndFamily;
    std::strncpy(log.lfFaceName, face, LF_FACESIZE - 1);
    return log;
}

HFONT StockFont(const LOGFONT& log) {
    return static_cast<HFONT>(MakeStock(std::make_unique<FontRecord>(log)));
}

std::array<HGDIOBJ, DC_PEN + 1> MakeStockObjects() {
    std::array<HGDIOBJ, DC_PEN + 1> stock{};
    stock[WHITE_BRUSH] = StockBrush(BS_SOLID, RGB(255, 255, 255));
    stock[LTGRAY_BRUSH] = StockBrush(BS_SOLID, RGB(192, 192, 192));
    stock[GRAY_BRUSH] = StockBrush(BS_SOLID, RGB(128, 128, 128));
    stock[DKGRAY_BRUSH] = StockBrush(BS_SOLID, RGB(64, 64, 64));
    stock[BLACK_BRUSH] = StockBrush(BS_SOLID, RGB(0, 0, 0));
    stock[NULL_BRUSH] = StockBrush(BS_NULL, 0);
    stock[WHITE_PEN] = StockPen(PS_SOLID, RGB(255, 255, 255));
    stock[BLACK_PEN] = StockPen(PS_SOLID, RGB(0, 0, 0));
    stock[NULL_PEN] = StockPen(PS_NULL, 0);
    const LOGFONT fixed = StockFontLog("Courier", 16, FW_NORMAL, FIXED_PITCH | FF_MODERN);
    stock[OEM_FIXED_FONT] = StockFont(fixed);
    stock[ANSI_FIXED_FONT] = StockFont(fixed);
    stock[SYSTEM_FIXED_FONT] = StockFont(fixed);
    stock[ANSI_VAR_FONT] =
        StockFont(StockFontLog("MS Sans Serif", -11, FW_NORMAL, VARIABLE_PITCH | FF_SWISS));
    stock[SYSTEM_FONT] = StockFont(StockFontLog("System", 16, FW_BOLD, VARIABLE_PITCH | FF_SWISS));
    stock[DEVICE_DEFAULT_FONT] = stock[SYSTEM_FONT];
    stock[DEFAULT_GUI_FONT] =
        StockFont(StockFontLog("MS Shell Dlg", -11, FW_NORMAL, VARIABLE_PITCH | FF_SWISS));
    std::vector<PALETTEENTRY> entries(StaticColors().begin(), StaticColors().end());
    stock[DEFAULT_PALETTE] = MakeStock(std::make_unique<PaletteRecord>(std::move(entries)));
    auto dcBrush = std::make_unique<BrushRecord>(LOGBRUSH{BS_SOLID, RGB(255, 255, 255), 0});
    dcBrush->followsDcColor = true;
    stock[DC_BRUSH] = MakeStock(std::move(dcBrush));
    auto dcPen = std::make_unique<PenRecord>(LOGPEN{PS_SOLID, {1, 0}, RGB(0, 0, 0)});
    dcPen->followsDcColor = true;
    stock[DC_PEN] = MakeStock(std::move(dcPen));
    return stock;
}

template <typename Value>
int CopyOut(const Value& value, int size, LPVOID buffer) {
    if (!buffer)
        return sizeof(Value);
    const int bytes = std::min<int>(size, sizeof(Value));
    if (bytes <= 0)
        return 0;
    std::memcpy(buffer, &value, static_cast<std::size_t>(bytes));
    return bytes;
}

int DescribeBitmap(const BitmapRecord& bitmap, int size, LPVOID buffer) {
    BITMAP bm{0,
              bitmap.surface->width(),
              bitmap.surface->height(),
              bitmap.widthBytes(),
              1,
              static_cast<WORD>(bitmap.bitsPixel),
              bitmap.dibHeader ? static_cast<LPVOID>(bitmap.dibBits.get()) : nullptr};
    if (!bitmap.dibHeader || size < static_cast<int>(sizeof(DIBSECTION)) || !buffer)
        return CopyOut(bm, size, buffer);
    DIBSECTION section{};
    section.dsBm = bm;
    section.dsBmih = *bitmap.dibHeader;
    section.dsBmih.biSizeImage = static_cast<DWORD>(bm.bmWidthBytes * bm.bmHeight);
    return CopyOut(section, size, buffer);
}

} // namespace

HGDIOBJ GetStockObject(int index) {
    static const std::array<HGDIOBJ, DC_PEN + 1> stock = MakeStockObjects();
    return index >= 0 && index < static_cast<int>(stock.size()) ? stock[index] : nullptr;
}

BOOL DeleteObject(HGDIOBJ object) {
    return DeleteGdiObject(object) ? TRUE : FALSE;
}

int GetObject(HGDIOBJ object, int size, LPVOID buffer) {
    const auto record = LiveGdiObject(object);
    if (!record) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    if (auto* pen = dynamic_cast<PenRecord*>(record.get()))
        return CopyOut(pen->log, size, buffer);
    if (auto* brush = dynamic_cast<BrushRecord*>(record.get()))
        return CopyOut(brush->log, size, buffer);
    if (auto* font = dynamic_cast<FontRecord*>(record.get()))
        return CopyOut(font->log, size, buffer);
    if (auto* bitmap = dynamic_cast<BitmapRecord*>(record.get()))
        return DescribeBitmap(*bitmap, size, buffer);
    if (auto* palette = dynamic_cast<PaletteRecord*>(record.get()))
        return CopyOut(static_cast<WORD>(palette->entries.size()), size, buffer);
    return 0;
}

DWORD GetObjectType(HGDIOBJ object) {
    const auto record = LiveGdiObject(object);
    return record ? static_cast<DWORD>(record->type) : 0;
}

BOOL UnrealizeObject(HGDIOBJ object) {
    return LiveGdiObject(object) ? TRUE : FALSE;
}

HPEN CreatePen(int style, int width, COLORREF color) {
    const LOGPEN log{static_cast<UINT>(style), {width, 0}, color};
    return CreatePenIndirect(&log);
}

HPEN CreatePenIndirect(const LOGPEN* pen) {
    if (!pen || (pen->lopnStyle & PS_STYLE_MASK) > PS_INSIDEFRAME)
        return nullptr;
    return static_cast<HPEN>(RegisterGdiObject(std::make_unique<PenRecord>(*pen)));
}

HBRUSH CreateSolidBrush(COLORREF color) {
    const LOGBRUSH log{BS_SOLID, color, 0};
    return CreateBrushIndirect(&log);
}

HBRUSH CreateHatchBrush(int hatch, COLORREF color) {
    const LOGBRUSH log{BS_HATCHED, color, static_cast<ULONG_PTR>(hatch)};
    return CreateBrushIndirect(&log);
}

HBRUSH CreatePatternBrush(HBITMAP bitmap) {
    const LOGBRUSH log{BS_PATTERN, 0, reinterpret_cast<ULONG_PTR>(bitmap)};
    return CreateBrushIndirect(&log);
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* brush) {
    if (!brush)
        return nullptr;
    auto record = std::make_unique<BrushRecord>(*brush);
    switch (brush->lbStyle) {
    case BS_SOLID:
    case BS_NULL:
        break;
    case BS_HATCHED:
        if (brush->lbHatch > HS_DIAGCROSS)
            return nullptr;
        break;
    case BS_PATTERN: {
        auto bitmap = LiveGdiObjectOf<BitmapRecord>(reinterpret_cast<HGDIOBJ>(brush->lbHatch));
        if (!bitmap)
            return nullptr;
        const PixelSurface& source = *bitmap->surface;
        auto copy = std::make_shared<PixelSurface>(source.width(), source.height());
        copy->copyFrom(source);
        record->pattern = std::move(copy);
        break;
    }
    default:
        return nullptr;
    }
    return static_cast<HBRUSH>(RegisterGdiObject(std::move(record)));
}

HFONT CreateFontIndirect(const LOGFONT* font) {
    if (!font)
        return nullptr;
    LOGFONT log = *font;
    log.lfFaceName[LF_FACESIZE - 1] = '\0';
    return static_cast<HFONT>(RegisterGdiObject(std::make_unique<FontRecord>(log)));
}

HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                 DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                 DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, LPCSTR faceName) {
    LOGFONT log{height,
                width,
                escapement,
                orientation,
                weight,
                static_cast<BYTE>(italic),
                static_cast<BYTE>(underline),
                static_cast<BYTE>(strikeOut),
                static_cast<BYTE>(charSet),
                static_cast<BYTE>(outPrecision),
                static_cast<BYTE>(clipPrecision),
                static_cast<BYTE>(quality),
                static_cast<BYTE>(pitchAndFamily),
                {}};
    if (faceName)
        std::strncpy(log.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreateFontIndirect(&log);
}

const FontInstance* FontRecord::resolved() {
    if (!instance)
        instance = FontInstanceFor(log);
    return instance.get();
}

HPALETTE CreatePalette(const LOGPALETTE* palette) {
    if (!palette || palette->palVersion != 0x300 || palette->palNumEntries == 0)
        return nullptr;
    std::vector<PALETTEENTRY> entries(palette->palPalEntry,
                                      palette->palPalEntry + palette->palNumEntries);
    return static_cast<HPALETTE>(RegisterGdiObject(std::make_unique<PaletteRecord>(entries)));
}

UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, LPPALETTEENTRY entries) {
    const auto record = LiveGdiObjectOf<PaletteRecord>(palette);
    return record ? CopyPaletteEntries(record->entries, start, count, entries) : 0;
}

UINT GetNearestPaletteIndex(HPALETTE palette, COLORREF color) {
    auto record = LiveGdiObjectOf<PaletteRecord>(palette);
    if (!record)
        return CLR_INVALID;
    return static_cast<UINT>(NearestEntry(record->entries, color));
}
