#include "vornui/platform/IPAddressCtrl.h"

#include "vornui/platform/EditControl.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/Text.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/WindowStyles.h"
#include "vornui/platform/internal/ControlNotify.h"
#include "vornui/platform/internal/ControlPaint.h"
#include "vornui/platform/internal/ControlProcedure.h"
#include "vornui/platform/internal/WindowClass.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

constexpr int kFieldCount = 4;
constexpr int kBlank = -1;

struct IPAddressData : ControlData {
    std::array<int, kFieldCount> fields{kBlank, kBlank, kBlank, kBlank};
    int current = 0;           // the field that takes the next digit
    bool replaceWhole = false; // everything selected: the next digit starts a new address
    bool controlDown = false;
};

DWORD Packed(const IPAddressData& data) {
    DWORD address = 0;
    for (const int field : data.fields)
        address = (address << 8) | static_cast<DWORD>(field == kBlank ? 0 : field);
    return address;
}

int FilledCount(const IPAddressData& data) {
    int filled = 0;
    for (const int field : data.fields)
        filled += field != kBlank;
    return filled;
}

// Keeps the window text in step with the fields.
void Show(HWND hwnd, const IPAddressData& data) {
    const DWORD address = Packed(data);
    char text[16];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", FIRST_IPADDRESS(address),
                  SECOND_IPADDRESS(address), THIRD_IPADDRESS(address), FOURTH_IPADDRESS(address));
    DefWindowProc(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    InvalidateRect(hwnd, nullptr, TRUE);
}

void Changed(HWND hwnd, const IPAddressData& data) {
    Show(hwnd, data);
    NotifyParent(hwnd, EN_CHANGE);
}

// "a.b.c.d" with each part a number of 0 to 255.
bool ParseAddress(LPCTSTR text, DWORD& address) {
    unsigned parts[kFieldCount];
    char rest = 0;
    if (!text || std::sscanf(text, "%3u.%3u.%3u.%3u%c", &parts[0], &parts[1], &parts[2], &parts[3],
                             &rest) != kFieldCount)
        return false;
    for (const unsigned part : parts) {
        if (part > 255)
            return false;
    }
    address = static_cast<DWORD>(MAKEIPADDRESS(parts[0], parts[1], parts[2], parts[3]));
    return true;
}

void Fill(IPAddressData& data, DWORD address) {
    data.fields = {
        static_cast<int>(FIRST_IPADDRESS(address)), static_cast<int>(SECOND_IPADDRESS(address)),
        static_cast<int>(THIRD_IPADDRESS(address)), static_cast<int>(FOURTH_IPADDRESS(address))};
    data.current = 0;
}

void SetAll(HWND hwnd, IPAddressData& data, DWORD address) {
    Fill(data, address);
    Changed(hwnd, data);
}

void Clear(HWND hwnd, IPAddressData& data) {
    data.fields.fill(kBlank);
    data.current = 0;
    Changed(hwnd, data);
}

// Text that is not an address clears the fields.
void SetFromText(HWND hwnd, IPAddressData& data, LPCTSTR text) {
    DWORD address = 0;
    if (ParseAddress(text, address))
        SetAll(hwnd, data, address);
    else
        Clear(hwnd, data);
}

// A digit joins the current field; a field that is full (three digits, or one more would
// pass 255) moves on to the next. '.' moves on from a field that holds something.
void Type(HWND hwnd, IPAddressData& data, char ch) {
    if (data.replaceWhole && ch >= '0' && ch <= '9') {
        data.fields.fill(kBlank);
        data.current = 0;
    }
    data.replaceWhole = false;
    int& field = data.fields[static_cast<size_t>(data.current)];
    if (ch == '.' || ch == ' ') {
        if (field != kBlank && data.current < kFieldCount - 1)
            ++data.current;
        return;
    }
    if (ch == '\b') {
        field = field == kBlank || field < 10 ? kBlank : field / 10;
        Changed(hwnd, data);
        return;
    }
    if (ch < '0' || ch > '9')
        return;
    field = field == kBlank ? ch - '0' : std::min(field * 10 + (ch - '0'), 255);
    if (field >= 26 && data.current < kFieldCount - 1)
        ++data.current;
    Changed(hwnd, data);
}

void Paint(HWND hwnd, const IPAddressData& data) {
    ControlPaintScope paint(hwnd, IsWindowEnabled(hwnd) ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC);
    paint.fillBackground();
    const HDC hdc = paint.dc();
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, IsWindowEnabled(hwnd) ? paint.textColor() : paint.palette().grayText);
    const CRect& client = paint.client();
    const int width = client.Width() / kFieldCount;
    for (int index = 0; index < kFieldCount; ++index) {
        CRect cell(client.left + index * width, client.top, client.left + (index + 1) * width,
                   client.bottom);
        if (const int field = data.fields[static_cast<size_t>(index)]; field != kBlank) {
            char digits[4];
            std::snprintf(digits, sizeof digits, "%d", field);
            DrawText(hdc, digits, -1, &cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
        if (index < kFieldCount - 1) {
            CRect dot(cell.right - 2, cell.top, cell.right + 2, cell.bottom);
            DrawText(hdc, ".", 1, &dot, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
        }
    }
}

LRESULT HandleKeyDown(HWND hwnd, IPAddressData& data, WPARAM key) {
    if (key == VK_CONTROL)
        data.controlDown = true;
    else if (key == VK_HOME || key == VK_END)
        data.replaceWhole = data.controlDown || (GetKeyState(VK_SHIFT) < 0);
    else if (key == VK_LEFT && data.current > 0)
        --data.current;
    else if (key == VK_RIGHT && data.current < kFieldCount - 1)
        ++data.current;
    else if (key == VK_DELETE)
        Clear(hwnd, data);
    return 0;
}

LRESULT HandleIPAddressMessage(HWND hwnd, IPAddressData& data, UINT message, WPARAM wParam,
                               LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        DWORD address = 0;
        if (ParseAddress(reinterpret_cast<const CREATESTRUCT*>(lParam)->lpszName, address))
            Fill(data, address);
        Show(hwnd, data);
        return 0;
    }
    case IPM_CLEARADDRESS:
        Clear(hwnd, data);
        return 0;
    case IPM_SETADDRESS:
        SetAll(hwnd, data, static_cast<DWORD>(lParam));
        return TRUE;
    case IPM_GETADDRESS:
        if (lParam)
            *reinterpret_cast<DWORD*>(lParam) = Packed(data);
        return FilledCount(data);
    case IPM_ISBLANK:
        return FilledCount(data) == 0;
    case IPM_SETFOCUS:
        data.current = std::min(static_cast<int>(wParam), kFieldCount - 1);
        SetFocus(hwnd);
        return 0;
    case WM_SETTEXT:
        SetFromText(hwnd, data, reinterpret_cast<LPCTSTR>(lParam));
        return TRUE;
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS | DLGC_WANTARROWS;
    case WM_LBUTTONDOWN:
        SetFocus(hwnd);
        return 0;
    case WM_KEYDOWN:
        return HandleKeyDown(hwnd, data, wParam);
    case WM_KEYUP:
        if (wParam == VK_CONTROL)
            data.controlDown = false;
        return 0;
    case WM_CHAR:
        Type(hwnd, data, static_cast<char>(wParam));
        return 0;
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_ERASEBKGND:
        return 1; // painted whole with WM_PAINT
    case WM_PAINT:
        Paint(hwnd, data);
        return 0;
    default:
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

const SystemClass kIPAddressClass(WC_IPADDRESS,
                                  ControlProcedure<IPAddressData, HandleIPAddressMessage>,
                                  CS_HREDRAW | CS_VREDRAW);

} // namespace

BOOL CIPAddressCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(WC_IPADDRESS, nullptr, style, rect, parent, id);
}

int CIPAddressCtrl::GetAddress(BYTE& field0, BYTE& field1, BYTE& field2, BYTE& field3) const {
    DWORD address = 0;
    const int filled = GetAddress(address);
    field0 = static_cast<BYTE>(FIRST_IPADDRESS(address));
    field1 = static_cast<BYTE>(SECOND_IPADDRESS(address));
    field2 = static_cast<BYTE>(THIRD_IPADDRESS(address));
    field3 = static_cast<BYTE>(FOURTH_IPADDRESS(address));
    return filled;
}

int CIPAddressCtrl::GetAddress(DWORD& address) const {
    return static_cast<int>(SendMessage(IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address)));
}

void CIPAddressCtrl::SetAddress(BYTE field0, BYTE field1, BYTE field2, BYTE field3) {
    SetAddress(static_cast<DWORD>(MAKEIPADDRESS(field0, field1, field2, field3)));
}

void CIPAddressCtrl::SetAddress(DWORD address) {
    SendMessage(IPM_SETADDRESS, 0, static_cast<LPARAM>(address));
}

void CIPAddressCtrl::ClearAddress() {
    SendMessage(IPM_CLEARADDRESS);
}

BOOL CIPAddressCtrl::IsBlank() const {
    return static_cast<BOOL>(SendMessage(IPM_ISBLANK));
}

void CIPAddressCtrl::SetFieldFocus(WORD field) {
    SendMessage(IPM_SETFOCUS, field);
}

IMPLEMENT_DYNAMIC(CIPAddressCtrl, CWnd)
