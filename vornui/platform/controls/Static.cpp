#include "vornui/platform/Static.h"

#include "vornui/platform/Button.h"
#include "vornui/platform/CGdiObject.h"
#include "vornui/platform/internal/ControlNotify.h"
#include "vornui/platform/internal/ControlPaint.h"
#include "vornui/platform/internal/ControlProcedure.h"
#include "vornui/platform/internal/ReflectedItems.h"
#include "vornui/platform/internal/WindowClass.h"
#include "vornui/platform/internal/WindowRecord.h"

#include <string>

namespace {

struct StaticData : ControlData {
    HANDLE icon = nullptr;
    HANDLE bitmap = nullptr;
    CBitmap loadedBitmap; // the bitmap named at creation, which the control owns
};

// An icon or bitmap control named its picture in its text (a dialog template's
// MAKEINTRESOURCE(id), or a name): it loads the picture from its module or the resource
// chain.
void LoadNamedImage(StaticData& data, const CREATESTRUCT& create) {
    const DWORD type = static_cast<DWORD>(create.style) & SS_TYPEMASK;
    const LPCTSTR name = create.lpszName;
    if ((type != SS_ICON && type != SS_BITMAP) || !name ||
        (!IS_INTRESOURCE(name) && name[0] == '\0'))
        return;
    const bool icon = type == SS_ICON;
    const LPCTSTR resourceType = icon ? RT_GROUP_ICON : RT_BITMAP;
    auto* module = static_cast<HINSTANCE>(create.hInstance);
    if (!module || !FindResource(module, name, resourceType))
        module = AfxFindResourceHandle(name, resourceType);
    if (icon) {
        data.icon = LoadImage(module, name, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED);
        return;
    }
    data.loadedBitmap.Attach(LoadBitmap(module, name));
    data.bitmap = data.loadedBitmap.GetSafeHandle();
}

bool Notifies(HWND hwnd) {
    return (StyleOf(hwnd) & SS_NOTIFY) != 0;
}

UINT TextFormat(DWORD style) {
    UINT format = DT_EXPANDTABS;
    switch (style & SS_TYPEMASK) {
    case SS_CENTER:
        format |= DT_CENTER | DT_WORDBREAK;
        break;
    case SS_RIGHT:
        format |= DT_RIGHT | DT_WORDBREAK;
        break;
    case SS_SIMPLE:
        format = DT_SINGLELINE;
        break;
    case SS_LEFTNOWORDWRAP:
        break;
    default:
        format |= DT_WORDBREAK;
        break;
    }
    if (style & SS_NOPREFIX)
        format |= DT_NOPREFIX;
    if (style & SS_EDITCONTROL)
        format |= DT_EDITCONTROL;
    if (style & SS_CENTERIMAGE)
        format = (format & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
    if (style & SS_ENDELLIPSIS)
        format |= DT_END_ELLIPSIS;
    if (style & SS_PATHELLIPSIS)
        format |= DT_PATH_ELLIPSIS;
    return format;
}

// The kinds that are rectangles, frames and etched lines rather than text.
bool PaintShape(const ControlPaintScope& paint, DWORD type) {
    CRect rect(paint.client());
    const ControlPalette& palette = paint.palette();
    const auto fill = [&](COLORREF color) { FillRect(paint.dc(), &rect, CBrush(color)); };
    const auto frame = [&](COLORREF color) { FrameRect(paint.dc(), &rect, CBrush(color)); };
    switch (type) {
    case SS_BLACKRECT:
        fill(palette.darkShadow);
        return true;
    case SS_GRAYRECT:
        fill(palette.shadow);
        return true;
    case SS_WHITERECT:
        fill(palette.highlight);
        return true;
    case SS_BLACKFRAME:
        frame(palette.darkShadow);
        return true;
    case SS_GRAYFRAME:
        frame(palette.shadow);
        return true;
    case SS_WHITEFRAME:
        frame(palette.highlight);
        return true;
    case SS_ETCHEDHORZ:
        PaintEdge(paint.dc(), &rect, EDGE_ETCHED, BF_TOP, palette);
        return true;
    case SS_ETCHEDVERT:
        PaintEdge(paint.dc(), &rect, EDGE_ETCHED, BF_LEFT, palette);
        return true;
    case SS_ETCHEDFRAME:
        PaintEdge(paint.dc(), &rect, EDGE_ETCHED, BF_RECT, palette);
        return true;
    default:
        return false;
    }
}

void PaintStatic(HWND hwnd, const StaticData& data) {
    ControlPaintScope paint(hwnd, WM_CTLCOLORSTATIC);
    const DWORD style = static_cast<DWORD>(GetWindowLong(hwnd, GWL_STYLE));
    const DWORD type = style & SS_TYPEMASK;
    if (type == SS_OWNERDRAW) {
        paint.drawByOwner(ODT_STATIC, IsWindowEnabled(hwnd) ? 0 : ODS_DISABLED);
        return;
    }
    paint.fillBackground();
    if (type == SS_ICON || type == SS_BITMAP) {
        PaintControlImage(paint.dc(), paint.client(), type == SS_ICON ? data.icon : nullptr,
                          type == SS_BITMAP ? data.bitmap : nullptr, (style & SS_CENTERIMAGE) != 0);
        return;
    }
    if (PaintShape(paint, type))
        return;
    // The whole text, however long: a message of ten thousand characters shows whole.
    std::string text(static_cast<size_t>(GetWindowTextLength(hwnd)) + 1, '\0');
    text.resize(
        static_cast<size_t>(GetWindowText(hwnd, text.data(), static_cast<int>(text.size()))));
    PaintStaticText(paint.dc(), paint.client(), text, TextFormat(style),
                    IsWindowEnabled(hwnd) != FALSE, paint.textColor(), paint.palette());
}

LRESULT HandleStaticMessage(HWND hwnd, StaticData& data, UINT message, WPARAM wParam,
                            LPARAM lParam) {
    const RepaintAfter repaint(hwnd, message);
    switch (message) {
    case WM_PAINT:
        PaintStatic(hwnd, data);
        return 0;
    case WM_ERASEBKGND:
        return 1; // painted whole with WM_PAINT
    case WM_NCHITTEST:
        return Notifies(hwnd) ? DefWindowProc(hwnd, message, wParam, lParam) : HTTRANSPARENT;
    case WM_CREATE:
        LoadNamedImage(data, *reinterpret_cast<const CREATESTRUCT*>(lParam));
        return 0;
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
        return 0;
    case STM_SETICON:
        return reinterpret_cast<LRESULT>(
            std::exchange(data.icon, reinterpret_cast<HANDLE>(wParam)));
    case STM_GETICON:
        return reinterpret_cast<LRESULT>(data.icon);
    case STM_SETIMAGE: {
        HANDLE& slot = wParam == IMAGE_ICON ? data.icon : data.bitmap;
        return reinterpret_cast<LRESULT>(std::exchange(slot, reinterpret_cast<HANDLE>(lParam)));
    }
    case STM_GETIMAGE:
        return reinterpret_cast<LRESULT>(wParam == IMAGE_ICON ? data.icon : data.bitmap);
    default:
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

const SystemClass kStaticClass("Static", ControlProcedure<StaticData, HandleStaticMessage>,
                               CS_DBLCLKS | CS_PARENTDC);

} // namespace

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

void CStatic::DrawItem(LPDRAWITEMSTRUCT) {
    DeclineReflectedMessage();
}

BOOL CStatic::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    return TakeReflectedItemMessage(*this, message, lParam, result) ||
           CWnd::OnChildNotify(message, wParam, lParam, result);
}

IMPLEMENT_DYNAMIC(CStatic, CWnd)
