#include "vornui/platform/ProgressCtrl.h"

#include "vornui/platform/Drawing.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/SystemBrushes.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/WindowStyles.h"
#include "vornui/platform/internal/ControlPainting.h"
#include "vornui/platform/internal/ControlProcedure.h"
#include "vornui/platform/internal/WindowClass.h"
#include "vornui/platform/internal/WindowRecord.h"

#include <algorithm>

namespace {

struct ProgressData : ControlData {
    int lower = 0;
    int upper = 100;
    int pos = 0;
    int step = 10;
    COLORREF bar = CLR_DEFAULT;
    COLORREF background = CLR_DEFAULT;
};

// The bar's client area and which way it fills, read once for each change.
struct BarShape {
    RECT client;
    bool vertical;

    explicit BarShape(HWND hwnd) : vertical((GetWindowLong(hwnd, GWL_STYLE) & PBS_VERTICAL) != 0) {
        GetClientRect(hwnd, &client);
    }

    // How much of the bar is filled, in pixels along its length.
    int FilledExtent(const ProgressData& data) const {
        const long long length = vertical ? client.bottom : client.right;
        const long long low = std::min(data.lower, data.upper);
        const long long high = std::max(data.lower, data.upper);
        return high == low ? 0 : static_cast<int>(length * (data.pos - low) / (high - low));
    }

    // The part between two filled extents (the filled part from 0).
    RECT Band(int from, int to) const {
        const int first = std::min(from, to);
        const int last = std::max(from, to);
        if (vertical) // fills from the bottom up
            return RECT{0, client.bottom - last, client.right, client.bottom - first};
        return RECT{first, 0, last, client.bottom};
    }
};

// Moves to `pos` (within the range) and returns where it was. Only the pixels that change
// are repainted: a move within one pixel paints nothing.
LRESULT MoveTo(HWND hwnd, ProgressData& data, long long pos) {
    const int previous = data.pos;
    data.pos = static_cast<int>(std::clamp<long long>(pos, std::min(data.lower, data.upper),
                                                      std::max(data.lower, data.upper)));
    if (data.pos == previous)
        return previous;
    const BarShape shape(hwnd);
    ProgressData before = data;
    before.pos = previous;
    const int filledBefore = shape.FilledExtent(before);
    if (const int filled = shape.FilledExtent(data); filled != filledBefore) {
        const RECT band = shape.Band(filledBefore, filled);
        InvalidateRect(hwnd, &band, FALSE);
    }
    return previous;
}

void FillWithColor(HDC hdc, const RECT& rect, COLORREF color, int systemColor) {
    if (color == CLR_DEFAULT) {
        FillRect(hdc, &rect, GetSysColorBrush(systemColor));
        return;
    }
    FillSolid(hdc, rect, color);
}

void Paint(HWND hwnd, const ProgressData& data) {
    PAINTSTRUCT paint;
    const HDC hdc = BeginPaint(hwnd, &paint);
    const BarShape shape(hwnd);
    FillWithColor(hdc, shape.client, data.background, COLOR_3DFACE);
    FillWithColor(hdc, shape.Band(0, shape.FilledExtent(data)), data.bar, COLOR_HIGHLIGHT);
    EndPaint(hwnd, &paint);
}

// One step on: past either end the bar starts over from the other (past the upper end
// from the lower one, as the system documents for its steps).
long long NextStep(const ProgressData& data) {
    const long long low = std::min(data.lower, data.upper);
    const long long high = std::max(data.lower, data.upper);
    const long long next = static_cast<long long>(data.pos) + data.step;
    if ((next <= high && next >= low) || high == low)
        return next;
    const long long range = high - low;
    return low + ((next - low) % range + range) % range;
}

LRESULT SetRange(HWND hwnd, ProgressData& data, int lower, int upper) {
    const LRESULT previous = MAKELRESULT(data.lower, data.upper);
    data.lower = lower;
    data.upper = upper;
    MoveTo(hwnd, data, data.pos);
    InvalidateRect(hwnd, nullptr, TRUE);
    return previous;
}

LRESULT HandleProgressMessage(HWND hwnd, ProgressData& data, UINT message, WPARAM wParam,
                              LPARAM lParam) {
    switch (message) {
    case PBM_SETRANGE:
        return SetRange(hwnd, data, static_cast<SHORT>(LOWORD(lParam)),
                        static_cast<SHORT>(HIWORD(lParam)));
    case PBM_SETRANGE32:
        return SetRange(hwnd, data, static_cast<int>(wParam), static_cast<int>(lParam));
    case PBM_GETRANGE:
        if (lParam)
            *reinterpret_cast<PBRANGE*>(lParam) = PBRANGE{data.lower, data.upper};
        return wParam ? data.lower : data.upper;
    case PBM_SETPOS:
        return MoveTo(hwnd, data, static_cast<int>(wParam));
    case PBM_DELTAPOS:
        return MoveTo(hwnd, data, static_cast<long long>(data.pos) + static_cast<int>(wParam));
    case PBM_GETPOS:
        return data.pos;
    case PBM_SETSTEP:
        return std::exchange(data.step, static_cast<int>(wParam));
    case PBM_GETSTEP:
        return data.step;
    case PBM_STEPIT:
        return MoveTo(hwnd, data, NextStep(data));
    case PBM_SETBARCOLOR:
        return std::exchange(data.bar, static_cast<COLORREF>(lParam));
    case PBM_GETBARCOLOR:
        return data.bar;
    case PBM_SETBKCOLOR:
        return std::exchange(data.background, static_cast<COLORREF>(lParam));
    case PBM_GETBKCOLOR:
        return data.background;
    case PBM_SETMARQUEE:
        return TRUE;
    case WM_ERASEBKGND:
        return TRUE; // WM_PAINT fills every pixel
    case WM_PAINT:
        Paint(hwnd, data);
        return 0;
    default:
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

const SystemClass kProgressClass(PROGRESS_CLASS,
                                 ControlProcedure<ProgressData, HandleProgressMessage>,
                                 CS_HREDRAW | CS_VREDRAW);

} // namespace

BOOL CProgressCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(PROGRESS_CLASS, nullptr, style, rect, parent, id);
}

void CProgressCtrl::SetRange(short lower, short upper) {
    SendMessage(PBM_SETRANGE, 0, MAKELPARAM(lower, upper));
}

void CProgressCtrl::SetRange32(int lower, int upper) {
    SendMessage(PBM_SETRANGE32, static_cast<WPARAM>(lower), upper);
}

void CProgressCtrl::GetRange(int& lower, int& upper) const {
    PBRANGE range{};
    SendMessage(PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
    lower = range.iLow;
    upper = range.iHigh;
}

int CProgressCtrl::GetPos() const {
    return static_cast<int>(SendMessage(PBM_GETPOS));
}

int CProgressCtrl::SetPos(int pos) {
    return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(pos)));
}

int CProgressCtrl::OffsetPos(int pos) {
    return static_cast<int>(SendMessage(PBM_DELTAPOS, static_cast<WPARAM>(pos)));
}

int CProgressCtrl::SetStep(int step) {
    return static_cast<int>(SendMessage(PBM_SETSTEP, static_cast<WPARAM>(step)));
}

int CProgressCtrl::GetStep() const {
    return static_cast<int>(SendMessage(PBM_GETSTEP));
}

int CProgressCtrl::StepIt() {
    return static_cast<int>(SendMessage(PBM_STEPIT));
}

COLORREF CProgressCtrl::SetBarColor(COLORREF color) {
    return static_cast<COLORREF>(SendMessage(PBM_SETBARCOLOR, 0, static_cast<LPARAM>(color)));
}

COLORREF CProgressCtrl::SetBkColor(COLORREF color) {
    return static_cast<COLORREF>(SendMessage(PBM_SETBKCOLOR, 0, static_cast<LPARAM>(color)));
}

IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)
