#include "vornui/platform/Static.h"

#include "vornui/platform/Button.h"
#include "vornui/platform/ControlNotify.h"
#include "vornui/platform/WindowClass.h"
#include "vornui/platform/WindowRecord.h"

namespace {

struct StaticData : ControlData {
    HANDLE icon = nullptr;
    HANDLE bitmap = nullptr;
};

bool Notifies(HWND hwnd) {
    return (StyleOf(hwnd) & SS_NOTIFY) != 0;
}

LRESULT StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        LiveWindow(hwnd)->control = std::make_unique<StaticData>();
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
    StaticData* data = ControlDataOf<StaticData>(hwnd);
    if (!data)
        return DefWindowProc(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_NCHITTEST:
        return Notifies(hwnd) ? DefWindowProc(hwnd, message, wParam, lParam) : HTTRANSPARENT;
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    case WM_LBUTTONDOWN:
        if (Notifies(hwnd))
            NotifyParent(hwnd, STN_CLICKED);
        return 0;
    case WM_LBUTTONDBLCLK:
        if (Notifies(hwnd))
            NotifyParent(hwnd, STN_DBLCLK);
        return 0;
    case WM_ENABLE:
        if (Notifies(hwnd))
            NotifyParent(hwnd, wParam ? STN_ENABLE : STN_DISABLE);
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case STM_SETICON:
        return reinterpret_cast<LRESULT>(
            std::exchange(data->icon, reinterpret_cast<HANDLE>(wParam)));
    case STM_GETICON:
        return reinterpret_cast<LRESULT>(data->icon);
    case STM_SETIMAGE: {
        HANDLE& slot = wParam == IMAGE_ICON ? data->icon : data->bitmap;
        InvalidateRect(hwnd, nullptr, TRUE);
        return reinterpret_cast<LRESULT>(std::exchange(slot, reinterpret_cast<HANDLE>(lParam)));
    }
    case STM_GETIMAGE:
        return reinterpret_cast<LRESULT>(wParam == IMAGE_ICON ? data->icon : data->bitmap);
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProc(hwnd, message, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return result;
    }
    default:
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

} // namespace

void RegisterStaticClass() {
    RegisterSystemClass("Static", StaticProc, CS_DBLCLKS | CS_PARENTDC);
}

BOOL CStatic::Create(LPCTSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("Static", text, style, rect, parent, id);
}

HANDLE CStatic::SetIcon(HANDLE icon) {
    return reinterpret_cast<HANDLE>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(icon)));
}

HANDLE CStatic::GetIcon() const {
    return reinterpret_cast<HANDLE>(SendMessage(STM_GETICON));
}

HANDLE CStatic::SetBitmap(HANDLE bitmap) {
    return reinterpret_cast<HANDLE>(
        SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
}

HANDLE CStatic::GetBitmap() const {
    return reinterpret_cast<HANDLE>(SendMessage(STM_GETIMAGE, IMAGE_BITMAP));
}
