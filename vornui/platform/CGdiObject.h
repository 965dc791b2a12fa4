#pragma once

// The framework's wrappers of GDI objects: CGdiObject and its pen, brush, font, bitmap,
// region and palette classes. An object owns its handle and deletes it when destroyed;
// FromHandle gives a temporary wrapper for a handle nobody wraps: one per handle, of the
// class of the object it names, whichever class was asked, deleted when the thread's
// message loop is next idle outside every window procedure.

#include "vornui/platform/Bitmaps.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/Forward.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/Object.h"
#include "vornui/platform/Regions.h"

#include <memory>

class VORNUI_API CGdiObject : public CObject {
    DECLARE_DYNCREATE(CGdiObject)
public:
    CGdiObject() = default;
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ m_hObject = nullptr;

    static CGdiObject* FromHandle(HGDIOBJ object);
    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    operator HGDIOBJ() const { return m_hObject; }
    BOOL Attach(HGDIOBJ object);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    int GetObject(int size, LPVOID buffer) const { return ::GetObject(m_hObject, size, buffer); }
    UINT GetObjectType() const { return static_cast<UINT>(::GetObjectType(m_hObject)); }
    BOOL CreateStockObject(int index);
    BOOL UnrealizeObject() { return ::UnrealizeObject(m_hObject); }

protected:
    // The wrapper of a handle seen as `Wrapper`; null when the handle names an object of
    // another class.
    template <typename Wrapper>
    static Wrapper* TemporaryFor(HGDIOBJ object) {
        return dynamic_cast<Wrapper*>(WrapperOf(object));
    }

private:
    static CGdiObject* WrapperOf(HGDIOBJ object);
};

class VORNUI_API CPen : public CGdiObject {
    DECLARE_DYNAMIC(CPen)
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    static CPen* FromHandle(HPEN pen) { return TemporaryFor<CPen>(pen); }
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }
    BOOL CreatePen(int style, int width, COLORREF color) {
        return Attach(::CreatePen(style, width, color));
    }
    BOOL CreatePenIndirect(LOGPEN* pen) { return Attach(::CreatePenIndirect(pen)); }
    int GetLogPen(LOGPEN* pen) { return GetObject(sizeof(LOGPEN), pen); }
};

class VORNUI_API CBrush : public CGdiObject {
    DECLARE_DYNAMIC(CBrush)
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    CBrush(int hatch, COLORREF color) { CreateHatchBrush(hatch, color); }
    static CBrush* FromHandle(HBRUSH brush) { return TemporaryFor<CBrush>(brush); }
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
    BOOL CreateSolidBrush(COLORREF color) { return Attach(::CreateSolidBrush(color)); }
    BOOL CreateHatchBrush(int hatch, COLORREF color) {
        return Attach(::CreateHatchBrush(hatch, color));
    }
    BOOL CreatePatternBrush(class CBitmap* bitmap);
    BOOL CreateBrushIndirect(const LOGBRUSH* brush) { return Attach(::CreateBrushIndirect(brush)); }
    int GetLogBrush(LOGBRUSH* brush) { return GetObject(sizeof(LOGBRUSH), brush); }
};

class VORNUI_API CFont : public CGdiObject {
    DECLARE_DYNAMIC(CFont)
public:
    static CFont* FromHandle(HFONT font) { return TemporaryFor<CFont>(font); }
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
    BOOL CreateFontIndirect(const LOGFONT* font) { return Attach(::CreateFontIndirect(font)); }
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                    BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily, LPCSTR faceName);
    // Tenths of a point at the resolution of `dc` (the screen when null).
    BOOL CreatePointFont(int pointSize, LPCSTR faceName, CDC* dc = nullptr);
    BOOL CreatePointFontIndirect(const LOGFONT* font, CDC* dc = nullptr);
    int GetLogFont(LOGFONT* font) { return GetObject(sizeof(LOGFONT), font); }
};

class VORNUI_API CBitmap : public CGdiObject {
    DECLARE_DYNAMIC(CBitmap)
public:
    static CBitmap* FromHandle(HBITMAP bitmap) { return TemporaryFor<CBitmap>(bitmap); }
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
    BOOL CreateBitmap(int width, int height, UINT planes, UINT bitCount, const void* bits) {
        return Attach(::CreateBitmap(width, height, planes, bitCount, bits));
    }
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    int GetBitmap(BITMAP* bitmap) { return GetObject(sizeof(BITMAP), bitmap); }
};

class VORNUI_API CRgn : public CGdiObject {
    DECLARE_DYNAMIC(CRgn)
public:
    static CRgn* FromHandle(HRGN region) { return TemporaryFor<CRgn>(region); }
    operator HRGN() const { return static_cast<HRGN>(m_hObject); }
    BOOL CreateRectRgn(int left, int top, int right, int bottom) {
        return Attach(::CreateRectRgn(left, top, right, bottom));
    }
    BOOL CreateRectRgnIndirect(LPCRECT rect) { return Attach(::CreateRectRgnIndirect(rect)); }
    BOOL CreateEllipticRgn(int left, int top, int right, int bottom) {
        return Attach(::CreateEllipticRgn(left, top, right, bottom));
    }
    BOOL CreateEllipticRgnIndirect(LPCRECT rect) {
        return Attach(::CreateEllipticRgnIndirect(rect));
    }
    BOOL CreatePolygonRgn(const POINT* points, int count, int fillMode) {
        return Attach(::CreatePolygonRgn(points, count, fillMode));
    }
    int CombineRgn(const CRgn* a, const CRgn* b, int mode) {
        return ::CombineRgn(*this, a ? static_cast<HRGN>(*a) : nullptr,
                            b ? static_cast<HRGN>(*b) : nullptr, mode);
    }
    int CopyRgn(const CRgn* source) { return CombineRgn(source, nullptr, RGN_COPY); }
    BOOL EqualRgn(const CRgn* other) const { return ::EqualRgn(*this, *other); }
    int OffsetRgn(int dx, int dy) { return ::OffsetRgn(*this, dx, dy); }
    int OffsetRgn(POINT by) { return OffsetRgn(by.x, by.y); }
    int GetRgnBox(LPRECT rect) const { return ::GetRgnBox(*this, rect); }
    BOOL PtInRegion(int x, int y) const { return ::PtInRegion(*this, x, y); }
    BOOL PtInRegion(POINT pt) const { return PtInRegion(pt.x, pt.y); }
    BOOL RectInRegion(LPCRECT rect) const { return ::RectInRegion(*this, rect); }
    void SetRectRgn(int left, int top, int right, int bottom) {
        ::SetRectRgn(*this, left, top, right, bottom);
    }
    void SetRectRgn(LPCRECT rect) { SetRectRgn(rect->left, rect->top, rect->right, rect->bottom); }
};

class VORNUI_API CPalette : public CGdiObject {
    DECLARE_DYNAMIC(CPalette)
public:
    static CPalette* FromHandle(HPALETTE palette) { return TemporaryFor<CPalette>(palette); }
    operator HPALETTE() const { return static_cast<HPALETTE>(m_hObject); }
    BOOL CreatePalette(LPLOGPALETTE palette) { return Attach(::CreatePalette(palette)); }
    int GetEntryCount() { return static_cast<int>(::GetPaletteEntries(*this, 0, 0, nullptr)); }
    UINT GetPaletteEntries(UINT start, UINT count, LPPALETTEENTRY entries) const {
        return ::GetPaletteEntries(*this, start, count, entries);
    }
    UINT GetNearestPaletteIndex(COLORREF color) const {
        return ::GetNearestPaletteIndex(*this, color);
    }
};
