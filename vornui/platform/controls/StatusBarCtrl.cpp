#include "vornui/platform/StatusBarCtrl.h"

#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/FrameControls.h"
#include "vornui/platform/InputCodes.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/SystemBrushes.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/Text.h"
#include "vornui/platform/internal/ControlFont.h"
#include "vornui/platform/internal/ControlNotify.h"
#include "vornui/platform/internal/ControlPaintDC.h"
#include "vornui/platform/internal/ControlProcedure.h"
#include "vornui/platform/internal/WindowClass.h"
#include "vornui/platform/internal/WindowRecord.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kBorderHorizontal = 0;
constexpr int kBorderVertical = 2;
constexpr int kBorderBetween = 2;
constexpr int kMaxParts = 256;

struct StatusPart {
    int rightEdge = -1;
    CString text;
    int type = 0;
};

struct StatusData : ControlData {
    std::vector<StatusPart> parts{StatusPart{}};
    StatusPart simplePart;
    bool simple = false;
    int minHeight = 0;
};

int Height(const StatusData& data) {
    return std::max(data.minHeight + 2 * kBorderVertical, ControlFontMetrics().height + 9);
}

// Along the bottom (or top) of the parent's client area, unless told to stay put.
void AlignWithParent(HWND hwnd, const StatusData& data) {
    const DWORD style = StyleOf(hwnd);
    if (style & (CCS_NORESIZE | CCS_NOPARENTALIGN))
        return;
    RECT parent;
    GetClientRect(GetParent(hwnd), &parent);
    const int height = Height(data);
    const bool top = (style & CCS_BOTTOM) == CCS_TOP;
    MoveWindow(hwnd, 0, top ? 0 : parent.bottom - height, parent.right, height, TRUE);
}

StatusPart* PartOf(StatusData& data, int index) {
    if (index == SB_SIMPLEID || data.simple)
        return index == SB_SIMPLEID ? &data.simplePart : nullptr;
    return index >= 0 && index < static_cast<int>(data.parts.size())
               ? &data.parts[static_cast<size_t>(index)]
               : nullptr;
}

CRect PartRect(HWND hwnd, const StatusData& data, int index) {
    RECT client;
    GetClientRect(hwnd, &client);
    if (data.simple)
        return CRect(0, kBorderVertical, client.right, client.bottom - kBorderVertical);
    const auto& parts = data.parts;
    const int left = index == 0 ? kBorderHorizontal
                                : parts[static_cast<size_t>(index) - 1].rightEdge + kBorderBetween;
    const int edge = parts[static_cast<size_t>(index)].rightEdge;
    return CRect(left, kBorderVertical, edge < 0 ? client.right : edge,
                 client.bottom - kBorderVertical);
}

LRESULT TextMessage(HWND hwnd, StatusData& data, UINT message, WPARAM wParam, LPARAM lParam) {
    StatusPart* part = PartOf(data, LOBYTE(wParam));
    switch (message) {
    case SB_SETTEXT:
        if (!part)
            return FALSE;
        part->text = reinterpret_cast<LPCTSTR>(lParam);
        part->type = static_cast<int>(wParam & 0xFF00);
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    case SB_GETTEXT:
        if (!part)
            return 0;
        if (lParam)
            std::memcpy(reinterpret_cast<char*>(lParam), part->text.GetString(),
                        static_cast<size_t>(part->text.GetLength()) + 1);
        return MAKELRESULT(part->text.GetLength(), part->type);
    case SB_GETTEXTLENGTH:
        return part ? MAKELRESULT(part->text.GetLength(), part->type) : 0;
    default:
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

LRESULT StatusMessage(HWND hwnd, StatusData& data, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case SB_SETPARTS: {
        const int count = static_cast<int>(wParam);
        if (count <= 0 || count > kMaxParts || !lParam)
            return FALSE;
        const int* edges = reinterpret_cast<const int*>(lParam);
        data.parts.resize(static_cast<size_t>(count));
        for (int index = 0; index < count; ++index)
            data.parts[static_cast<size_t>(index)].rightEdge = edges[index];
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    }
    case SB_GETPARTS: {
        int* edges = reinterpret_cast<int*>(lParam);
        for (size_t index = 0; edges && index < std::min<size_t>(wParam, data.parts.size());
             ++index)
            edges[index] = data.parts[index].rightEdge;
        return static_cast<LRESULT>(data.parts.size());
    }
    case SB_GETBORDERS: {
        int* borders = reinterpret_cast<int*>(lParam);
        borders[0] = kBorderHorizontal;
        borders[1] = kBorderVertical;
        borders[2] = kBorderBetween;
        return TRUE;
    }
    case SB_SETMINHEIGHT:
        data.minHeight = static_cast<int>(wParam);
        return 0;
    case SB_SIMPLE:
        data.simple = wParam != 0;
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case SB_ISSIMPLE:
        return data.simple;
    case SB_GETRECT: {
        const int index = static_cast<int>(wParam);
        if (!data.simple && (index < 0 || index >= static_cast<int>(data.parts.size())))
            return FALSE;
        *reinterpret_cast<RECT*>(lParam) = PartRect(hwnd, data, index);
        return TRUE;
    }
    default:
        return TextMessage(hwnd, data, message, wParam, lParam);
    }
}

// The size grip: a square as high as the bar in its bottom-right corner, while the frame
// it sizes is not maximised; empty while there is none.
CRect GripRect(HWND hwnd) {
    const HWND frame = GetParent(hwnd);
    if (!(StyleOf(hwnd) & SBARS_SIZEGRIP) || !frame || IsZoomed(frame))
        return CRect();
    RECT client;
    GetClientRect(hwnd, &client);
    return CRect(client.right - client.bottom, 0, client.right, client.bottom);
}

void PaintPart(HDC dc, CRect rect, const StatusPart& part) {
    if (!(part.type & SBT_NOBORDERS))
        DrawEdge(dc, &rect, (part.type & SBT_POPOUT) ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
    rect.DeflateRect(3, 1);
    DrawText(dc, part.text, part.text.GetLength(), &rect,
             DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
}

// The bar: its parts in the button face, each with its text, and the size grip.
void Paint(HWND hwnd, const StatusData& data) {
    ControlPaintDC paint(hwnd);
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(paint.dc(), &client, GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(paint.dc(), TRANSPARENT);
    SetTextColor(paint.dc(), GetSysColor(COLOR_BTNTEXT));
    if (data.simple) {
        PaintPart(paint.dc(), PartRect(hwnd, data, 0), data.simplePart);
    } else {
        for (size_t index = 0; index < data.parts.size(); ++index)
            PaintPart(paint.dc(), PartRect(hwnd, data, static_cast<int>(index)), data.parts[index]);
    }
    CRect grip = GripRect(hwnd);
    if (!grip.IsRectEmpty())
        DrawFrameControl(paint.dc(), &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}

LRESULT HandleStatusMessage(HWND hwnd, StatusData& data, UINT message, WPARAM wParam,
                            LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE; // WM_PAINT fills every pixel
    case WM_PAINT:
        Paint(hwnd, data);
        return 0;
    case WM_NCHITTEST: {
        POINT point{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
        ScreenToClient(hwnd, &point);
        return GripRect(hwnd).PtInRect(point) ? HTBOTTOMRIGHT
                                              : DefWindowProc(hwnd, message, wParam, lParam);
    }
    case WM_NCLBUTTONDOWN:
        // Dragging the grip sizes the frame.
        if (wParam == HTBOTTOMRIGHT)
            return SendMessage(GetParent(hwnd), WM_SYSCOMMAND, SC_SIZE + WMSZ_BOTTOMRIGHT, lParam);
        return DefWindowProc(hwnd, message, wParam, lParam);
    case WM_CREATE:
        AlignWithParent(hwnd, data);
        return 0;
    case WM_SIZE:
        // The parent passes its own WM_SIZE on; the bar follows the parent.
        if (!(StyleOf(hwnd) & (CCS_NORESIZE | CCS_NOPARENTALIGN))) {
            RECT own;
            GetWindowRect(hwnd, &own);
            RECT parent;
            GetClientRect(GetParent(hwnd), &parent);
            MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<LPPOINT>(&own), 2);
            if (own.right != parent.right || own.bottom != parent.bottom || own.left != 0)
                AlignWithParent(hwnd, data);
        }
        return 0;
    default:
        return StatusMessage(hwnd, data, message, wParam, lParam);
    }
}

const SystemClass kStatusBarClass(STATUSCLASSNAME,
                                  ControlProcedure<StatusData, HandleStatusMessage>,
                                  CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);

} // namespace

BOOL CStatusBarCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(STATUSCLASSNAME, nullptr, style, rect, parent, id);
}

BOOL CStatusBarCtrl::SetText(LPCTSTR text, int part, int type) {
    return static_cast<BOOL>(SendMessage(SB_SETTEXT, static_cast<WPARAM>((part & 0xFF) | type),
                                         reinterpret_cast<LPARAM>(text)));
}

CString CStatusBarCtrl::GetText(int part, int* type) const {
    const int length = GetTextLength(part, type);
    CString text;
    SendMessage(SB_GETTEXT, static_cast<WPARAM>(part),
                reinterpret_cast<LPARAM>(text.GetBufferSetLength(length)));
    text.ReleaseBuffer(length);
    return text;
}

int CStatusBarCtrl::GetTextLength(int part, int* type) const {
    const LRESULT packed = SendMessage(SB_GETTEXTLENGTH, static_cast<WPARAM>(part));
    if (type)
        *type = HIWORD(packed);
    return LOWORD(packed);
}

BOOL CStatusBarCtrl::SetParts(int count, int* rightEdges) {
    return static_cast<BOOL>(
        SendMessage(SB_SETPARTS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(rightEdges)));
}

int CStatusBarCtrl::GetParts(int count, int* rightEdges) const {
    return static_cast<int>(
        SendMessage(SB_GETPARTS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(rightEdges)));
}

BOOL CStatusBarCtrl::GetBorders(int& horizontal, int& vertical, int& between) const {
    int borders[3] = {};
    const BOOL result =
        static_cast<BOOL>(SendMessage(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders)));
    horizontal = borders[0];
    vertical = borders[1];
    between = borders[2];
    return result;
}

void CStatusBarCtrl::SetMinHeight(int height) {
    SendMessage(SB_SETMINHEIGHT, static_cast<WPARAM>(height));
}

BOOL CStatusBarCtrl::SetSimple(BOOL simple) {
    return static_cast<BOOL>(SendMessage(SB_SIMPLE, simple));
}

BOOL CStatusBarCtrl::IsSimple() const {
    return static_cast<BOOL>(SendMessage(SB_ISSIMPLE));
}

BOOL CStatusBarCtrl::GetRect(int part, LPRECT rect) const {
    return static_cast<BOOL>(
        SendMessage(SB_GETRECT, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(rect)));
}

IMPLEMENT_DYNAMIC(CStatusBarCtrl, CWnd)
