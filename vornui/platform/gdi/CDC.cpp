#include "vornui/platform/CDC.h"

#include "vornui/platform/internal/TemporaryWrappers.h"

#include <memory>
#include <unordered_map>

namespace {

// As for GDI objects: DCs wrapped by an object that owns them, and temporary wrappers
// that let go of their DC before they are destroyed.
struct DcMaps {
    std::unordered_map<HDC, CDC*> permanent;
    std::unordered_map<HDC, std::unique_ptr<CDC>> temporary;
    ~DcMaps() { releaseTemporaries(); }
    void releaseTemporaries() {
        if (temporary.empty())
            return; // a loop that is idle often need not clear an empty table each time
        for (auto& [hdc, wrapper] : temporary)
            wrapper->m_hDC = wrapper->m_hAttribDC = nullptr;
        temporary.clear();
    }
};

DcMaps& Maps() {
    thread_local DcMaps maps;
    return maps;
}

} // namespace

void ReleaseTemporaryWrappers() {
    Maps().releaseTemporaries();
    ReleaseTemporaryGdiObjects();
}

CDC::~CDC() {
    if (m_hDC)
        ::DeleteDC(Detach());
}

CDC* CDC::FromHandle(HDC hdc) {
    return TemporaryFor(hdc);
}

CDC* CDC::TemporaryFor(HDC hdc) {
    if (!hdc)
        return nullptr;
    DcMaps& maps = Maps();
    if (auto it = maps.permanent.find(hdc); it != maps.permanent.end())
        return it->second;
    auto& slot = maps.temporary[hdc];
    if (!slot) {
        slot = std::make_unique<CDC>();
        slot->m_hDC = slot->m_hAttribDC = hdc;
    }
    return slot.get();
}

BOOL CDC::Attach(HDC hdc) {
    if (!hdc || m_hDC)
        return FALSE;
    m_hDC = m_hAttribDC = hdc;
    Maps().permanent[hdc] = this;
    return TRUE;
}

HDC CDC::Detach() {
    HDC hdc = m_hDC;
    if (hdc) {
        auto& permanent = Maps().permanent;
        if (auto it = permanent.find(hdc); it != permanent.end() && it->second == this)
            permanent.erase(it);
    }
    m_hDC = m_hAttribDC = nullptr;
    return hdc;
}

BOOL CDC::CreateCompatibleDC(CDC* dc) {
    return Attach(::CreateCompatibleDC(dc ? dc->m_hDC : nullptr));
}

BOOL CDC::DeleteDC() {
    if (!m_hDC)
        return FALSE;
    return ::DeleteDC(Detach());
}

CPen* CDC::SelectObject(CPen* pen) {
    return CPen::FromHandle(
        static_cast<HPEN>(::SelectObject(m_hDC, pen ? pen->m_hObject : nullptr)));
}

CBrush* CDC::SelectObject(CBrush* brush) {
    return CBrush::FromHandle(
        static_cast<HBRUSH>(::SelectObject(m_hDC, brush ? brush->m_hObject : nullptr)));
}

CFont* CDC::SelectObject(CFont* font) {
    return CFont::FromHandle(
        static_cast<HFONT>(::SelectObject(m_hDC, font ? font->m_hObject : nullptr)));
}

CBitmap* CDC::SelectObject(CBitmap* bitmap) {
    return CBitmap::FromHandle(
        static_cast<HBITMAP>(::SelectObject(m_hDC, bitmap ? bitmap->m_hObject : nullptr)));
}

int CDC::SelectObject(CRgn* region) {
    return region ? ::SelectClipRgn(m_hDC, *region) : ERROR;
}

CGdiObject* CDC::SelectObject(CGdiObject* object) {
    return CGdiObject::FromHandle(::SelectObject(m_hDC, object ? object->m_hObject : nullptr));
}

CGdiObject* CDC::SelectStockObject(int index) {
    return CGdiObject::FromHandle(::SelectObject(m_hDC, ::GetStockObject(index)));
}

CPen* CDC::GetCurrentPen() const {
    return CPen::FromHandle(static_cast<HPEN>(::GetCurrentObject(m_hDC, OBJ_PEN)));
}

CBrush* CDC::GetCurrentBrush() const {
    return CBrush::FromHandle(static_cast<HBRUSH>(::GetCurrentObject(m_hDC, OBJ_BRUSH)));
}

CFont* CDC::GetCurrentFont() const {
    return CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hDC, OBJ_FONT)));
}

CBitmap* CDC::GetCurrentBitmap() const {
    return CBitmap::FromHandle(static_cast<HBITMAP>(::GetCurrentObject(m_hDC, OBJ_BITMAP)));
}

CPalette* CDC::SelectPalette(CPalette* palette, BOOL forceBackground) {
    return CPalette::FromHandle(::SelectPalette(
        m_hDC, palette ? static_cast<HPALETTE>(*palette) : nullptr, forceBackground));
}

CPoint CDC::SetViewportOrg(int x, int y) {
    CPoint previous;
    ::SetViewportOrgEx(m_hDC, x, y, &previous);
    return previous;
}

CPoint CDC::GetViewportOrg() const {
    CPoint origin;
    ::GetViewportOrgEx(m_hDC, &origin);
    return origin;
}

CPoint CDC::OffsetViewportOrg(int dx, int dy) {
    CPoint previous;
    ::OffsetViewportOrgEx(m_hDC, dx, dy, &previous);
    return previous;
}

CPoint CDC::SetWindowOrg(int x, int y) {
    CPoint previous;
    ::SetWindowOrgEx(m_hDC, x, y, &previous);
    return previous;
}

CPoint CDC::GetWindowOrg() const {
    CPoint origin;
    ::GetWindowOrgEx(m_hDC, &origin);
    return origin;
}

CPoint CDC::SetBrushOrg(int x, int y) {
    CPoint previous;
    ::SetBrushOrgEx(m_hDC, x, y, &previous);
    return previous;
}

int CDC::SelectClipRgn(CRgn* region) {
    return ::SelectClipRgn(m_hDC, region ? static_cast<HRGN>(*region) : nullptr);
}

int CDC::SelectClipRgn(CRgn* region, int mode) {
    return ::ExtSelectClipRgn(m_hDC, region ? static_cast<HRGN>(*region) : nullptr, mode);
}

CPoint CDC::MoveTo(int x, int y) {
    CPoint previous;
    ::MoveToEx(m_hDC, x, y, &previous);
    return previous;
}

CPoint CDC::GetCurrentPosition() const {
    CPoint position;
    ::GetCurrentPositionEx(m_hDC, &position);
    return position;
}

void CDC::FillRect(LPCRECT rect, CBrush* brush) {
    ::FillRect(m_hDC, rect, brush ? static_cast<HBRUSH>(*brush) : nullptr);
}

void CDC::FrameRect(LPCRECT rect, CBrush* brush) {
    ::FrameRect(m_hDC, rect, brush ? static_cast<HBRUSH>(*brush) : nullptr);
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF color) {
    ::SetBkColor(m_hDC, color);
    ::ExtTextOut(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int width, int height, COLORREF color) {
    const CRect rect(x, y, x + width, y + height);
    FillSolidRect(&rect, color);
}

void CDC::Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight) {
    Draw3dRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, topLeft,
               bottomRight);
}

void CDC::Draw3dRect(int x, int y, int width, int height, COLORREF topLeft, COLORREF bottomRight) {
    FillSolidRect(x, y, width - 1, 1, topLeft);
    FillSolidRect(x, y, 1, height - 1, topLeft);
    FillSolidRect(x + width, y, -1, height, bottomRight);
    FillSolidRect(x, y + height, width, -1, bottomRight);
}

BOOL CDC::FillRgn(CRgn* region, CBrush* brush) {
    return region && brush ? ::FillRgn(m_hDC, *region, *brush) : FALSE;
}

BOOL CDC::FrameRgn(CRgn* region, CBrush* brush, int width, int height) {
    return region && brush ? ::FrameRgn(m_hDC, *region, *brush, width, height) : FALSE;
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                 DWORD rop) {
    return ::BitBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, sourceX, sourceY,
                    rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                     int sourceWidth, int sourceHeight, DWORD rop) {
    return ::StretchBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, sourceX,
                        sourceY, sourceWidth, sourceHeight, rop);
}

BOOL CDC::TransparentBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                         int sourceWidth, int sourceHeight, UINT transparent) {
    return ::TransparentBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, sourceX,
                            sourceY, sourceWidth, sourceHeight, transparent);
}

CSize CDC::GetTextExtent(LPCSTR text, int count) const {
    SIZE size{0, 0};
    ::GetTextExtentPoint32(m_hDC, text, count, &size);
    return CSize(size);
}

int CDC::GetTextFace(CString& faceName) const {
    char buffer[LF_FACESIZE] = {};
    const int length = ::GetTextFace(m_hDC, LF_FACESIZE, buffer);
    faceName = buffer;
    return length;
}

IMPLEMENT_DYNCREATE(CDC, CObject)
