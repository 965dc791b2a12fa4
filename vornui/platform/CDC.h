#pragma once

// The framework's device context class. A CDC that made its DC (CreateCompatibleDC)
// deletes it when destroyed; FromHandle gives a temporary wrapper for any other DC.

#include "vornui/platform/Blits.h"
#include "vornui/platform/CGdiObject.h"
#include "vornui/platform/CString.h"
#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/Object.h"
#include "vornui/platform/Text.h"

class VORNUI_API CDC : public CObject {
    DECLARE_DYNCREATE(CDC)
public:
    CDC() = default;
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;
    HDC m_hAttribDC = nullptr;

    static CDC* FromHandle(HDC hdc);
    operator HDC() const { return m_hDC; }
    HDC GetSafeHdc() const { return m_hDC; }
    BOOL Attach(HDC hdc);
    HDC Detach();
    BOOL CreateCompatibleDC(CDC* dc);
    BOOL DeleteDC();

    // Selected objects.
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    virtual CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);
    int SelectObject(CRgn* region);
    CGdiObject* SelectObject(CGdiObject* object);
    HGDIOBJ SelectObject(HGDIOBJ object) { return ::SelectObject(m_hDC, object); }
    CGdiObject* SelectStockObject(int index);
    CPen* GetCurrentPen() const;
    CBrush* GetCurrentBrush() const;
    CFont* GetCurrentFont() const;
    CBitmap* GetCurrentBitmap() const;
    CPalette* SelectPalette(CPalette* palette, BOOL forceBackground);
    UINT RealizePalette() { return ::RealizePalette(m_hDC); }
    virtual int SaveDC() { return ::SaveDC(m_hDC); }
    virtual BOOL RestoreDC(int savedDC) { return ::RestoreDC(m_hDC, savedDC); }
    int GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }

    // Colours and modes.
    virtual COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
    COLORREF GetTextColor() const { return ::GetTextColor(m_hDC); }
    virtual COLORREF SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
    COLORREF GetBkColor() const { return ::GetBkColor(m_hDC); }
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
    int GetBkMode() const { return ::GetBkMode(m_hDC); }
    int SetROP2(int mode) { return ::SetROP2(m_hDC, mode); }
    int GetROP2() const { return ::GetROP2(m_hDC); }
    int SetPolyFillMode(int mode) { return ::SetPolyFillMode(m_hDC, mode); }
    int SetStretchBltMode(int mode) { return ::SetStretchBltMode(m_hDC, mode); }
    UINT SetTextAlign(UINT align) { return ::SetTextAlign(m_hDC, align); }
    UINT GetTextAlign() const { return ::GetTextAlign(m_hDC); }

    // Coordinates.
    virtual CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(POINT pt) { return SetViewportOrg(pt.x, pt.y); }
    CPoint GetViewportOrg() const;
    virtual CPoint OffsetViewportOrg(int dx, int dy);
    CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(POINT pt) { return SetWindowOrg(pt.x, pt.y); }
    CPoint GetWindowOrg() const;
    CPoint SetBrushOrg(int x, int y);
    CPoint SetBrushOrg(POINT pt) { return SetBrushOrg(pt.x, pt.y); }
    void LPtoDP(LPPOINT points, int count = 1) const { ::LPtoDP(m_hDC, points, count); }
    void LPtoDP(LPRECT rect) const { LPtoDP(reinterpret_cast<LPPOINT>(rect), 2); }
    void DPtoLP(LPPOINT points, int count = 1) const { ::DPtoLP(m_hDC, points, count); }
    void DPtoLP(LPRECT rect) const { DPtoLP(reinterpret_cast<LPPOINT>(rect), 2); }

    // Clipping.
    virtual int SelectClipRgn(CRgn* region);
    int SelectClipRgn(CRgn* region, int mode);
    int IntersectClipRect(int left, int top, int right, int bottom) {
        return ::IntersectClipRect(m_hDC, left, top, right, bottom);
    }
    int IntersectClipRect(LPCRECT rect) {
        return IntersectClipRect(rect->left, rect->top, rect->right, rect->bottom);
    }
    int ExcludeClipRect(int left, int top, int right, int bottom) {
        return ::ExcludeClipRect(m_hDC, left, top, right, bottom);
    }
    int ExcludeClipRect(LPCRECT rect) {
        return ExcludeClipRect(rect->left, rect->top, rect->right, rect->bottom);
    }
    virtual int GetClipBox(LPRECT rect) const { return ::GetClipBox(m_hDC, rect); }
    BOOL PtVisible(int x, int y) const { return ::PtVisible(m_hDC, x, y); }
    BOOL RectVisible(LPCRECT rect) const { return ::RectVisible(m_hDC, rect); }

    // Lines and shapes.
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT pt) { return MoveTo(pt.x, pt.y); }
    BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
    BOOL LineTo(POINT pt) { return LineTo(pt.x, pt.y); }
    CPoint GetCurrentPosition() const;
    BOOL Polyline(const POINT* points, int count) { return ::Polyline(m_hDC, points, count); }
    BOOL Polygon(const POINT* points, int count) { return ::Polygon(m_hDC, points, count); }
    BOOL Rectangle(int left, int top, int right, int bottom) {
        return ::Rectangle(m_hDC, left, top, right, bottom);
    }
    BOOL Rectangle(LPCRECT rect) {
        return Rectangle(rect->left, rect->top, rect->right, rect->bottom);
    }
    BOOL Ellipse(int left, int top, int right, int bottom) {
        return ::Ellipse(m_hDC, left, top, right, bottom);
    }
    BOOL Ellipse(LPCRECT rect) { return Ellipse(rect->left, rect->top, rect->right, rect->bottom); }

    // Fills.
    void FillRect(LPCRECT rect, CBrush* brush);
    void FrameRect(LPCRECT rect, CBrush* brush);
    void InvertRect(LPCRECT rect) { ::InvertRect(m_hDC, rect); }
    // The frame of a rectangle being dragged (`size` thick), drawn by inverting through a
    // halftone brush (or `brush`), so that drawing it again erases it. The frame of
    // `lastRect` (null: none), drawn before, is erased first.
    void DrawDragRect(LPCRECT rect, SIZE size, LPCRECT lastRect, SIZE lastSize,
                      CBrush* brush = nullptr, CBrush* lastBrush = nullptr);
    void DrawFocusRect(LPCRECT rect) { ::DrawFocusRect(m_hDC, rect); }
    // Fills with the colour through the background colour, which stays set afterwards.
    void FillSolidRect(LPCRECT rect, COLORREF color);
    void FillSolidRect(int x, int y, int width, int height, COLORREF color);
    void Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight);
    void Draw3dRect(int x, int y, int width, int height, COLORREF topLeft, COLORREF bottomRight);
    BOOL FillRgn(CRgn* region, CBrush* brush);
    BOOL FrameRgn(CRgn* region, CBrush* brush, int width, int height);
    BOOL PaintRgn(CRgn* region) { return ::PaintRgn(m_hDC, *region); }
    BOOL InvertRgn(CRgn* region) { return ::InvertRgn(m_hDC, *region); }
    COLORREF SetPixel(int x, int y, COLORREF color) { return ::SetPixel(m_hDC, x, y, color); }
    COLORREF SetPixel(POINT pt, COLORREF color) { return SetPixel(pt.x, pt.y, color); }
    BOOL SetPixelV(int x, int y, COLORREF color) { return ::SetPixelV(m_hDC, x, y, color); }
    COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
    COLORREF GetPixel(POINT pt) const { return GetPixel(pt.x, pt.y); }

    // Blits.
    BOOL PatBlt(int x, int y, int width, int height, DWORD rop) {
        return ::PatBlt(m_hDC, x, y, width, height, rop);
    }
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                DWORD rop);
    BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                    int sourceWidth, int sourceHeight, DWORD rop);
    BOOL TransparentBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                        int sourceWidth, int sourceHeight, UINT transparent);

    // Text.
    virtual BOOL TextOut(int x, int y, LPCSTR text, int count) {
        return ::TextOut(m_hDC, x, y, text, count);
    }
    BOOL TextOut(int x, int y, const CString& text) {
        return TextOut(x, y, text.GetString(), text.GetLength());
    }
    virtual BOOL ExtTextOut(int x, int y, UINT options, LPCRECT rect, LPCSTR text, UINT count,
                            LPINT dx) {
        return ::ExtTextOut(m_hDC, x, y, options, rect, text, count, dx);
    }
    BOOL ExtTextOut(int x, int y, UINT options, LPCRECT rect, const CString& text, LPINT dx) {
        return ExtTextOut(x, y, options, rect, text.GetString(),
                          static_cast<UINT>(text.GetLength()), dx);
    }
    virtual int DrawText(LPCSTR text, int count, LPRECT rect, UINT format) {
        return ::DrawText(m_hDC, text, count, rect, format);
    }
    int DrawText(const CString& text, LPRECT rect, UINT format) {
        return DrawText(text.GetString(), text.GetLength(), rect, format);
    }
    CSize GetTextExtent(LPCSTR text, int count) const;
    CSize GetTextExtent(const CString& text) const {
        return GetTextExtent(text.GetString(), text.GetLength());
    }
    CSize GetOutputTextExtent(LPCSTR text, int count) const { return GetTextExtent(text, count); }
    CSize GetOutputTextExtent(const CString& text) const { return GetTextExtent(text); }
    BOOL GetTextMetrics(LPTEXTMETRIC metrics) const { return ::GetTextMetrics(m_hDC, metrics); }
    BOOL GetOutputTextMetrics(LPTEXTMETRIC metrics) const { return GetTextMetrics(metrics); }
    int GetTextFace(CString& faceName) const;
    BOOL GetCharWidth(UINT first, UINT last, LPINT widths) const {
        return ::GetCharWidth32(m_hDC, first, last, widths);
    }

private:
    static CDC* TemporaryFor(HDC hdc);
};
