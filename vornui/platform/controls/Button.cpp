#include "vornui/platform/Button.h"

#include "vornui/platform/DialogManager.h"
#include "vornui/platform/internal/ControlNotify.h"
#include "vornui/platform/internal/ControlPaint.h"
#include "vornui/platform/internal/ControlProcedure.h"
#include "vornui/platform/internal/ReflectedItems.h"
#include "vornui/platform/internal/WindowClass.h"
#include "vornui/platform/internal/WindowRecord.h"

namespace {

struct ButtonData : ControlData {
    UINT check = BST_UNCHECKED;
    bool pushed = false;
    bool focused = false;
    HANDLE icon = nullptr;
    HANDLE bitmap = nullptr;
};

DWORD TypeOf(HWND hwnd) {
    return StyleOf(hwnd) & BS_TYPEMASK;
}

bool IsCheckType(DWORD type) {
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE ||
           type == BS_AUTO3STATE || type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

bool IsRadioType(DWORD type) {
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

bool Notifies(HWND hwnd) {
    return (StyleOf(hwnd) & BS_NOTIFY) != 0;
}

// Unchecks the other automatic radio buttons of the group that `hwnd` belongs to.
void UncheckGroupSiblings(HWND hwnd) {
    const HWND parent = GetParent(hwnd);
    for (HWND other = GetNextDlgGroupItem(parent, hwnd, FALSE); other && other != hwnd;
         other = GetNextDlgGroupItem(parent, other, FALSE))
        if (TypeOf(other) == BS_AUTORADIOBUTTON)
            SendMessage(other, BM_SETCHECK, BST_UNCHECKED, 0);
}

void Click(HWND hwnd) {
    const DWORD type = TypeOf(hwnd);
    const ButtonData* data = ControlDataOf<ButtonData>(hwnd);
    switch (type) {
    case BS_AUTOCHECKBOX:
        SendMessage(hwnd, BM_SETCHECK, data->check ? BST_UNCHECKED : BST_CHECKED, 0);
        break;
    case BS_AUTO3STATE:
        SendMessage(hwnd, BM_SETCHECK, (data->check + 1) % 3, 0);
        break;
    case BS_AUTORADIOBUTTON:
        SendMessage(hwnd, BM_SETCHECK, BST_CHECKED, 0);
        UncheckGroupSiblings(hwnd);
        break;
    default:
        break;
    }
    NotifyParent(hwnd, BN_CLICKED);
}

void SetPushed(HWND hwnd, ButtonData& data, bool pushed) {
    if (data.pushed == pushed)
        return;
    data.pushed = pushed;
    InvalidateRect(hwnd, nullptr, FALSE);
    if (Notifies(hwnd))
        NotifyParent(hwnd, pushed ? BN_HILITE : BN_UNHILITE);
}

void SetCheck(HWND hwnd, ButtonData& data, WPARAM check) {
    const DWORD type = TypeOf(hwnd);
    if (!IsCheckType(type))
        return;
    const bool threeState = type == BS_3STATE || type == BS_AUTO3STATE;
    const UINT value = check == BST_INDETERMINATE && threeState ? BST_INDETERMINATE
                       : check                                  ? BST_CHECKED
                                                                : BST_UNCHECKED;
    if (IsRadioType(type)) {
        // The checked radio button of a group is the one Tab stops at.
        const LONG style = GetWindowLong(hwnd, GWL_STYLE);
        SetWindowLong(hwnd, GWL_STYLE, value ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
    }
    if (data.check != value) {
        data.check = value;
        InvalidateRect(hwnd, nullptr, FALSE);
    }
}

UINT DialogCode(HWND hwnd) {
    switch (TypeOf(hwnd)) {
    case BS_DEFPUSHBUTTON:
        return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_PUSHBUTTON:
    case BS_PUSHBOX:
        return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX:
        return DLGC_STATIC;
    default:
        return DLGC_BUTTON;
    }
}

bool PointInside(HWND hwnd, LPARAM lParam) {
    RECT client;
    GetClientRect(hwnd, &client);
    return CRect(client).PtInRect(CPoint(lParam));
}

void PaintButton(HWND hwnd, const ButtonData& data) {
    const DWORD style = static_cast<DWORD>(GetWindowLong(hwnd, GWL_STYLE));
    const DWORD type = style & BS_TYPEMASK;
    const bool pushLike = type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_PUSHBOX ||
                          (style & BS_PUSHLIKE);
    ControlPaintScope paint(hwnd, pushLike ? WM_CTLCOLORBTN : WM_CTLCOLORSTATIC);
    ButtonLook look;
    look.pushed = data.pushed || (pushLike && IsCheckType(type) && data.check != BST_UNCHECKED);
    look.isDefault = type == BS_DEFPUSHBUTTON;
    look.focused = data.focused;
    look.enabled = IsWindowEnabled(hwnd) != FALSE;
    look.check = static_cast<int>(data.check);
    look.textOnLeft = (style & BS_LEFTTEXT) != 0;
    look.multiline = (style & BS_MULTILINE) != 0;
    if (type == BS_OWNERDRAW) {
        paint.drawByOwner(ODT_BUTTON, (look.pushed ? ODS_SELECTED : 0) |
                                          (look.focused ? ODS_FOCUS : 0) |
                                          (look.enabled ? 0 : ODS_DISABLED));
        return;
    }
    char text[512] = {};
    GetWindowText(hwnd, text, sizeof text);
    const bool picture = (style & (BS_ICON | BS_BITMAP)) != 0;
    if (pushLike) {
        PaintPushButton(paint.dc(), paint.client(), picture ? "" : text, look, paint.palette());
        if (picture)
            PaintControlImage(paint.dc(), paint.client(), (style & BS_ICON) ? data.icon : nullptr,
                              (style & BS_BITMAP) ? data.bitmap : nullptr, true,
                              look.pushed ? 1 : 0);
        return;
    }
    paint.fillBackground();
    if (type == BS_GROUPBOX)
        PaintGroupBox(paint.dc(), paint.client(), text, look.enabled, paint.palette());
    else
        PaintCheckButton(paint.dc(), paint.client(), text, look, IsRadioType(type),
                         paint.palette());
}

LRESULT HandleButtonMessage(HWND hwnd, ButtonData& data, UINT message, WPARAM wParam,
                            LPARAM lParam) {
    const bool groupBox = TypeOf(hwnd) == BS_GROUPBOX;
    const RepaintAfter repaint(hwnd, message);
    switch (message) {
    case WM_PAINT:
        PaintButton(hwnd, data);
        return 0;
    case WM_ERASEBKGND:
        return 1; // painted whole with WM_PAINT
    case WM_GETDLGCODE:
        return DialogCode(hwnd);
    case WM_NCHITTEST:
        return groupBox ? HTTRANSPARENT : DefWindowProc(hwnd, message, wParam, lParam);
    case WM_LBUTTONDBLCLK:
        if (IsRadioType(TypeOf(hwnd)) || TypeOf(hwnd) == BS_OWNERDRAW || Notifies(hwnd)) {
            NotifyParent(hwnd, BN_DOUBLECLICKED);
            return 0;
        }
        [[fallthrough]];
    case WM_LBUTTONDOWN:
        if (groupBox)
            return 0;
        SetFocus(hwnd);
        SetCapture(hwnd);
        SendMessage(hwnd, BM_SETSTATE, TRUE, 0);
        return 0;
    case WM_LBUTTONUP: {
        if (GetCapture() != hwnd)
            return 0;
        const bool wasPushed = data.pushed;
        ReleaseCapture();
        if (wasPushed && PointInside(hwnd, lParam))
            Click(hwnd);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (GetCapture() == hwnd)
            SetPushed(hwnd, data, PointInside(hwnd, lParam));
        return 0;
    case WM_CAPTURECHANGED:
        if (data.pushed)
            SendMessage(hwnd, BM_SETSTATE, FALSE, 0);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE && !groupBox)
            SendMessage(hwnd, BM_SETSTATE, TRUE, 0);
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE && data.pushed) {
            SendMessage(hwnd, BM_SETSTATE, FALSE, 0);
            Click(hwnd);
        }
        return 0;
    case WM_SETFOCUS:
        data.focused = true;
        InvalidateRect(hwnd, nullptr, FALSE);
        if (Notifies(hwnd))
            NotifyParent(hwnd, BN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        data.focused = false;
        if (data.pushed)
            SendMessage(hwnd, BM_SETSTATE, FALSE, 0);
        if (GetCapture() == hwnd)
            ReleaseCapture();
        InvalidateRect(hwnd, nullptr, FALSE);
        if (Notifies(hwnd))
            NotifyParent(hwnd, BN_KILLFOCUS);
        return 0;
    case BM_GETCHECK:
        return IsCheckType(TypeOf(hwnd)) ? data.check : BST_UNCHECKED;
    case BM_SETCHECK:
        SetCheck(hwnd, data, wParam);
        return 0;
    case BM_GETSTATE:
        return data.check | (data.pushed ? BST_PUSHED : 0) | (data.focused ? BST_FOCUS : 0);
    case BM_SETSTATE:
        SetPushed(hwnd, data, wParam != 0);
        return 0;
    case BM_SETSTYLE: {
        const LONG style = GetWindowLong(hwnd, GWL_STYLE);
        SetWindowLong(hwnd, GWL_STYLE,
                      static_cast<LONG>((static_cast<DWORD>(style) & 0xFFFF0000u) |
                                        (static_cast<DWORD>(wParam) & 0xFFFFu)));
        if (lParam)
            InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    }
    case BM_CLICK:
        if (!IsWindowEnabled(hwnd) || groupBox)
            return 0;
        SendMessage(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        SendMessage(hwnd, WM_LBUTTONUP, 0, 0);
        return 0;
    case BM_GETIMAGE:
        return reinterpret_cast<LRESULT>(wParam == IMAGE_ICON ? data.icon : data.bitmap);
    case BM_SETIMAGE: {
        HANDLE& slot = wParam == IMAGE_ICON ? data.icon : data.bitmap;
        return reinterpret_cast<LRESULT>(std::exchange(slot, reinterpret_cast<HANDLE>(lParam)));
    }
    default:
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

const SystemClass kButtonClass("Button", ControlProcedure<ButtonData, HandleButtonMessage>,
                               CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);

} // namespace

BOOL CButton::Create(LPCTSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("Button", caption, style, rect, parent, id);
}

UINT CButton::GetState() const {
    return static_cast<UINT>(SendMessage(BM_GETSTATE));
}

void CButton::SetState(BOOL highlight) {
    SendMessage(BM_SETSTATE, highlight);
}

int CButton::GetCheck() const {
    return static_cast<int>(SendMessage(BM_GETCHECK));
}

void CButton::SetCheck(int check) {
    SendMessage(BM_SETCHECK, static_cast<WPARAM>(check));
}

UINT CButton::GetButtonStyle() const {
    return static_cast<UINT>(GetStyle() & 0xFFFF);
}

void CButton::SetButtonStyle(UINT style, BOOL redraw) {
    SendMessage(BM_SETSTYLE, style, redraw);
}

HANDLE CButton::SetIcon(HANDLE icon) {
    return reinterpret_cast<HANDLE>(
        SendMessage(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon)));
}

HANDLE CButton::GetIcon() const {
    return reinterpret_cast<HANDLE>(SendMessage(BM_GETIMAGE, IMAGE_ICON));
}

HANDLE CButton::SetBitmap(HANDLE bitmap) {
    return reinterpret_cast<HANDLE>(
        SendMessage(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
}

HANDLE CButton::GetBitmap() const {
    return reinterpret_cast<HANDLE>(SendMessage(BM_GETIMAGE, IMAGE_BITMAP));
}

void CButton::DrawItem(LPDRAWITEMSTRUCT) {
    DeclineReflectedMessage();
}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    return TakeReflectedItemMessage(*this, message, lParam, result) ||
           CWnd::OnChildNotify(message, wParam, lParam, result);
}

IMPLEMENT_DYNAMIC(CButton, CWnd)
