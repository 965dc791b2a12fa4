#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/InputCodes.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Resources.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/SystemBrushes.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/internal/SystemColors.h"
#include "vornui/platform/internal/WindowClass.h"
#include "vornui/platform/internal/WindowFrame.h"
#include "vornui/platform/internal/WindowInternals.h"
#include "vornui/platform/internal/WindowRecord.h"

#include <algorithm>
#include <cstring>

#define MA_ACTIVATE 1

namespace {

LRESULT CopyText(const CString& text, WPARAM maxCount, LPARAM buffer) {
    if (maxCount == 0 || !buffer)
        return 0;
    const size_t length = std::min(static_cast<size_t>(text.GetLength()), maxCount - 1);
    char* out = reinterpret_cast<char*>(buffer);
    std::memcpy(out, text.GetString(), length);
    out[length] = '\0';
    return static_cast<LRESULT>(length);
}

// The class's background brush over the area to paint; 0 when the class has none.
LRESULT EraseWithClassBrush(HWND hwnd, HDC hdc) {
    const WindowClassRecord* windowClass = RecordOf(hwnd)->windowClass;
    const HBRUSH brush = ResolveBrushHandle(windowClass ? windowClass->wc.hbrBackground : nullptr);
    if (!brush || !hdc)
        return 0;
    CRect client;
    GetClientRect(hwnd, &client);
    FillRect(hdc, &client, brush);
    return 1;
}

// Edits and lists are painted like windows, everything else like dialogs.
LRESULT DefaultControlColors(UINT message, HDC hdc) {
    const int background =
        message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX ? COLOR_WINDOW : COLOR_3DFACE;
    SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(hdc, GetSysColor(background));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(background));
}

void SendSizeAndMove(HWND hwnd, const WINDOWPOS& pos) {
    const WindowRecord& record = *RecordOf(hwnd);
    const CRect& client = record.clientArea;
    if (!(pos.flags & SWP_NOCLIENTMOVE))
        SendMessage(hwnd, WM_MOVE, 0,
                    MAKELPARAM(record.rect.left + client.left, record.rect.top + client.top));
    if (!(pos.flags & SWP_NOCLIENTSIZE)) {
        const WPARAM kind = IsIconic(hwnd)   ? SIZE_MINIMIZED
                            : IsZoomed(hwnd) ? SIZE_MAXIMIZED
                                             : SIZE_RESTORED;
        SendMessage(hwnd, WM_SIZE, kind, MAKELPARAM(client.Width(), client.Height()));
    }
}

} // namespace

LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowRecord* record = LiveWindow(hwnd);
    if (!record)
        return 0;
    switch (message) {
    case WM_NCCREATE: {
        const auto* create = reinterpret_cast<const CREATESTRUCT*>(lParam);
        if (create && create->lpszName && !IS_INTRESOURCE(create->lpszName))
            record->text = create->lpszName;
        return TRUE;
    }
    case WM_NCCALCSIZE: {
        // The rectangle is the window's in its parent's client coordinates; it becomes the
        // client area's.
        auto* rect = reinterpret_cast<RECT*>(lParam);
        const RECT insets = FrameInsets(record->style, record->exStyle);
        rect->left += insets.left;
        rect->top += insets.top;
        rect->right -= insets.right;
        rect->bottom -= insets.bottom;
        if (record->menu && !(record->style & WS_CHILD))
            rect->top += GetSystemMetrics(SM_CYMENU);
        if (record->style & WS_VSCROLL)
            rect->right -= GetSystemMetrics(SM_CXVSCROLL);
        if (record->style & WS_HSCROLL)
            rect->bottom -= GetSystemMetrics(SM_CYHSCROLL);
        rect->right = std::max(rect->right, rect->left);
        rect->bottom = std::max(rect->bottom, rect->top);
        return 0;
    }
    case WM_SETTEXT:
        record->text = reinterpret_cast<LPCTSTR>(lParam);
        return TRUE;
    case WM_GETTEXT:
        return CopyText(record->text, wParam, lParam);
    case WM_GETTEXTLENGTH:
        return record->text.GetLength();
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        BeginPaint(hwnd, &paint);
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_NCPAINT:
        PaintWindowFrame(hwnd);
        return 0;
    case WM_ERASEBKGND:
        return EraseWithClassBrush(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_SETFONT:
        record->font = reinterpret_cast<HANDLE>(wParam);
        if (LOWORD(lParam))
            InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(record->font);
    case WM_SETICON: {
        HANDLE& icon = wParam == ICON_BIG ? record->bigIcon : record->smallIcon;
        const HANDLE previous = icon;
        icon = reinterpret_cast<HANDLE>(lParam);
        return reinterpret_cast<LRESULT>(previous);
    }
    case WM_GETICON:
        return reinterpret_cast<LRESULT>(wParam == ICON_BIG ? record->bigIcon : record->smallIcon);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        return DefaultControlColors(message, reinterpret_cast<HDC>(wParam));
    case WM_SETREDRAW:
        record->redraw = wParam != 0;
        return 0;
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_NCHITTEST:
    case WM_SETCURSOR:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_SYSCOMMAND:
        return DefFrameMessage(hwnd, message, wParam, lParam);
    case WM_WINDOWPOSCHANGING: {
        auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
        if (!(pos->flags & SWP_NOSIZE)) {
            const CSize size = TrackingSize(hwnd, CSize(pos->cx, pos->cy));
            pos->cx = size.cx;
            pos->cy = size.cy;
        }
        return 0;
    }
    case WM_WINDOWPOSCHANGED:
        SendSizeAndMove(hwnd, *reinterpret_cast<const WINDOWPOS*>(lParam));
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !IsChild(hwnd, GetFocus()))
            SetFocus(hwnd);
        return 0;
    case WM_MOUSEACTIVATE:
        if ((record->style & WS_CHILD) && record->parent)
            if (const LRESULT answer = SendMessage(record->parent, message, wParam, lParam))
                return answer;
        return MA_ACTIVATE;
    case WM_RBUTTONUP: {
        // Releasing the right button asks for the window's context menu, at the pointer.
        POINT point{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
        ClientToScreen(hwnd, &point);
        SendMessage(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd),
                    MAKELPARAM(point.x, point.y));
        return 0;
    }
    case WM_CONTEXTMENU:
    case WM_MOUSEWHEEL:
        if ((record->style & WS_CHILD) && record->parent)
            return SendMessage(record->parent, message, wParam, lParam);
        return 0;
    case WM_SYSKEYDOWN:
        if (wParam == VK_F4)
            PostMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    default:
        return 0;
    }
}
