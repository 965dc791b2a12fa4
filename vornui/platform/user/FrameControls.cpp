#include "vornui/platform/FrameControls.h"

#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/SystemBrushes.h"
#include "vornui/platform/internal/ControlPainting.h"
#include "vornui/platform/internal/GdiRecords.h"
#include "vornui/platform/internal/SystemColors.h"

#include <algorithm>

namespace {

// The size grip: three pairs of diagonal lines in the bottom-right corner.
void PaintSizeGrip(HDC hdc, const CRect& rect, const ControlPalette& palette) {
    FillSolid(hdc, rect, palette.face);
    const int size = std::min(rect.Width(), rect.Height());
    for (int offset = size - 12; offset < size; offset += 4) {
        for (int step = 0; step < 2; ++step) {
            const COLORREF color = step == 0 ? palette.highlight : palette.shadow;
            const int start = std::max(offset + step, 0);
            for (int i = start; i < size; ++i)
                SetPixelV(hdc, rect.right - 1 - (i - start), rect.bottom - size + i, color);
        }
    }
}

// A small filled triangle pointing up, down, left or right, centred in `rect`.
void PaintArrow(HDC hdc, const CRect& rect, UINT direction, COLORREF color) {
    const CPoint centre = rect.CenterPoint();
    for (int row = 0; row < 4; ++row) {
        const int half = 3 - row;
        switch (direction) {
        case DFCS_SCROLLUP:
            FillSolid(
                hdc,
                CRect(centre.x - half, centre.y + 1 - row, centre.x + half + 1, centre.y + 2 - row),
                color);
            break;
        case DFCS_SCROLLLEFT:
            FillSolid(
                hdc,
                CRect(centre.x + 1 - row, centre.y - half, centre.x + 2 - row, centre.y + half + 1),
                color);
            break;
        case DFCS_SCROLLRIGHT:
            FillSolid(
                hdc,
                CRect(centre.x - 1 + row, centre.y - half, centre.x + row, centre.y + half + 1),
                color);
            break;
        default:
            FillSolid(
                hdc,
                CRect(centre.x - half, centre.y - 1 + row, centre.x + half + 1, centre.y + row),
                color);
            break;
        }
    }
}

void PaintButtonFrame(HDC hdc, const CRect& rect, UINT state, const ControlPalette& palette) {
    ButtonLook look;
    look.pushed = (state & DFCS_PUSHED) != 0;
    look.enabled = !(state & DFCS_INACTIVE);
    look.check = (state & DFCS_CHECKED) ? 1 : 0;
    switch (state & 0x1F) {
    case DFCS_BUTTONPUSH:
        PaintPushButton(hdc, rect, "", look, palette);
        break;
    case DFCS_BUTTONRADIO:
        PaintCheckButton(hdc, rect, "", look, true, palette);
        break;
    default:
        PaintCheckButton(hdc, rect, "", look, false, palette);
        break;
    }
}

} // namespace

BOOL DrawFrameControl(HDC hdc, LPRECT rect, UINT type, UINT state) {
    if (!LiveDC(hdc) || !rect)
        return FALSE;
    const ControlPalette palette = SystemControlPalette();
    const CRect area(rect);
    const COLORREF arrow = (state & DFCS_INACTIVE) ? palette.grayText : palette.buttonText;
    switch (type) {
    case DFC_BUTTON:
        PaintButtonFrame(hdc, area, state, palette);
        return TRUE;
    case DFC_SCROLL: {
        if ((state & 0xFF) == DFCS_SCROLLSIZEGRIP) {
            PaintSizeGrip(hdc, area, palette);
            return TRUE;
        }
        CRect face(area);
        PaintEdge(hdc, &face, (state & DFCS_PUSHED) ? EDGE_SUNKEN : EDGE_RAISED,
                  BF_RECT | BF_MIDDLE | BF_ADJUST, palette);
        const UINT direction =
            (state & 0xFF) == DFCS_SCROLLCOMBOBOX ? DFCS_SCROLLDOWN : state & 0xFF;
        PaintArrow(hdc, face, direction, arrow);
        return TRUE;
    }
    case DFC_CAPTION: {
        CRect face(area);
        PaintEdge(hdc, &face, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST, palette);
        HPEN pen = CreatePen(PS_SOLID, 1, arrow);
        HGDIOBJ old = SelectObject(hdc, pen);
        face.DeflateRect(face.Width() / 4, face.Height() / 4);
        MoveToEx(hdc, face.left, face.top, nullptr);
        LineTo(hdc, face.right, face.bottom);
        MoveToEx(hdc, face.right - 1, face.top, nullptr);
        LineTo(hdc, face.left - 1, face.bottom);
        SelectObject(hdc, old);
        DeleteObject(pen);
        return TRUE;
    }
    default:
        return FALSE;
    }
}
