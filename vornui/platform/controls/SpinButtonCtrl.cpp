#include "vornui/platform/SpinButtonCtrl.h"

#include "vornui/platform/internal/ControlNotify.h"
#include "vornui/platform/internal/ControlProcedure.h"
#include "vornui/platform/internal/WindowClass.h"
#include "vornui/platform/internal/WindowRecord.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

struct SpinData : ControlData {
    int lower = 100; // the system's default range runs from 100 down to 0
    int upper = 0;
    int pos = 0;
    int base = 10;
    HWND buddy = nullptr;
    bool pressed = false;
};

CString FormatPosition(HWND hwnd, const SpinData& data) {
    CString text;
    if (data.base == 16) {
        text.Format("0x%04X", data.pos);
        return text;
    }
    text.Format("%d", data.pos);
    if (StyleOf(hwnd) & UDS_NOTHOUSANDS)
        return text;
    const int digitsStart = data.pos < 0 ? 1 : 0;
    for (int at = text.GetLength() - 3; at > digitsStart; at -= 3)
        text.Insert(at, ',');
    return text;
}

void ShowInBuddy(HWND hwnd, const SpinData& data) {
    if (data.buddy && (StyleOf(hwnd) & UDS_SETBUDDYINT))
        SetWindowText(data.buddy, FormatPosition(hwnd, data));
}

// Sits along the buddy's edge; the buddy gives up the width it needs.
void AlignWithBuddy(HWND hwnd, const SpinData& data) {
    const DWORD style = StyleOf(hwnd);
    if (!data.buddy || !(style & (UDS_ALIGNLEFT | UDS_ALIGNRIGHT)))
        return;
    RECT own;
    GetWindowRect(hwnd, &own);
    const int width = own.right - own.left;
    RECT buddy;
    GetWindowRect(data.buddy, &buddy);
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<LPPOINT>(&buddy), 2);
    const int height = buddy.bottom - buddy.top;
    if (style & UDS_ALIGNRIGHT) {
        MoveWindow(data.buddy, buddy.left, buddy.top, buddy.right - buddy.left - width, height,
                   TRUE);
        MoveWindow(hwnd, buddy.right - width, buddy.top, width, height, TRUE);
    } else {
        MoveWindow(data.buddy, buddy.left + width, buddy.top, buddy.right - buddy.left - width,
                   height, TRUE);
        MoveWindow(hwnd, buddy.left, buddy.top, width, height, TRUE);
    }
}

int Clamp(const SpinData& data, int pos) {
    return std::clamp(pos, std::min(data.lower, data.upper), std::max(data.lower, data.upper));
}

// A buddy that shows the position may have been edited: its text is the position then.
// False when the text is no number within the range.
bool ReadBuddy(HWND hwnd, SpinData& data) {
    if (!data.buddy || !(StyleOf(hwnd) & UDS_SETBUDDYINT))
        return true;
    char text[64];
    GetWindowText(data.buddy, text, sizeof text);
    CString digits(text);
    digits.Remove(',');
    digits.Trim();
    char* end = nullptr;
    const long value = std::strtol(digits, &end, data.base);
    if (digits.IsEmpty() || *end || value != Clamp(data, static_cast<int>(value)))
        return false;
    data.pos = static_cast<int>(value);
    return true;
}

// Tells the parent of the position the way a scroll bar would.
void NotifyScroll(HWND hwnd, WORD code, int pos) {
    const UINT scroll = (StyleOf(hwnd) & UDS_HORZ) ? WM_HSCROLL : WM_VSCROLL;
    SendMessage(GetParent(hwnd), scroll, MAKEWPARAM(code, pos), reinterpret_cast<LPARAM>(hwnd));
}

// The user pressed an arrow: one step towards the upper end (up) or the lower end.
void Step(HWND hwnd, SpinData& data, bool up) {
    const int delta = (up == (data.upper >= data.lower)) ? 1 : -1;
    NMUPDOWN change{
        {hwnd, static_cast<UINT_PTR>(GetDlgCtrlID(hwnd)), UDN_DELTAPOS}, data.pos, delta};
    if (SendMessage(GetParent(hwnd), WM_NOTIFY, change.hdr.idFrom,
                    reinterpret_cast<LPARAM>(&change)))
        return;
    int target = data.pos + change.iDelta;
    const int low = std::min(data.lower, data.upper);
    const int high = std::max(data.lower, data.upper);
    if (StyleOf(hwnd) & UDS_WRAP)
        target = target > high ? low : target < low ? high : target;
    data.pos = std::clamp(target, low, high);
    ShowInBuddy(hwnd, data);
    NotifyScroll(hwnd, SB_THUMBPOSITION, data.pos);
}

bool InUpperHalf(HWND hwnd, POINT point) {
    RECT client;
    GetClientRect(hwnd, &client);
    if (StyleOf(hwnd) & UDS_HORZ)
        return point.x >= client.right / 2; // the right arrow
    return point.y < client.bottom / 2;
}

LRESULT SpinMessage(HWND hwnd, SpinData& data, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case UDM_SETRANGE:
        data.upper = static_cast<SHORT>(LOWORD(lParam));
        data.lower = static_cast<SHORT>(HIWORD(lParam));
        return 0;
    case UDM_GETRANGE:
        return MAKELRESULT(data.upper, data.lower);
    case UDM_SETRANGE32:
        data.lower = static_cast<int>(wParam);
        data.upper = static_cast<int>(lParam);
        return 0;
    case UDM_GETRANGE32:
        if (wParam)
            *reinterpret_cast<int*>(wParam) = data.lower;
        if (lParam)
            *reinterpret_cast<int*>(lParam) = data.upper;
        return 0;
    case UDM_SETPOS:
    case UDM_SETPOS32: {
        const int previous = data.pos;
        data.pos = Clamp(data, message == UDM_SETPOS ? static_cast<SHORT>(LOWORD(lParam))
                                                     : static_cast<int>(lParam));
        ShowInBuddy(hwnd, data);
        return previous;
    }
    case UDM_GETPOS: {
        const bool valid = ReadBuddy(hwnd, data);
        return MAKELRESULT(data.pos, valid ? 0 : 1);
    }
    case UDM_GETPOS32: {
        const bool valid = ReadBuddy(hwnd, data);
        if (lParam)
            *reinterpret_cast<BOOL*>(lParam) = valid ? FALSE : TRUE;
        return data.pos;
    }
    case UDM_SETBUDDY: {
        const HWND previous = data.buddy;
        data.buddy = reinterpret_cast<HWND>(wParam);
        AlignWithBuddy(hwnd, data);
        return reinterpret_cast<LRESULT>(previous);
    }
    case UDM_GETBUDDY:
        return reinterpret_cast<LRESULT>(data.buddy);
    case UDM_SETBASE: {
        if (wParam != 10 && wParam != 16)
            return 0;
        const int previous = data.base;
        data.base = static_cast<int>(wParam);
        ShowInBuddy(hwnd, data);
        return previous;
    }
    case UDM_GETBASE:
        return data.base;
    default:
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

LRESULT HandleSpinMessage(HWND hwnd, SpinData& data, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        if (StyleOf(hwnd) & UDS_AUTOBUDDY) {
            data.buddy = GetWindow(hwnd, GW_HWNDPREV);
            AlignWithBuddy(hwnd, data);
            ShowInBuddy(hwnd, data);
        }
        return 0;
    case WM_LBUTTONDOWN:
        data.pressed = true;
        SetCapture(hwnd);
        Step(hwnd, data, InUpperHalf(hwnd, CPoint(lParam)));
        return 0;
    case WM_LBUTTONUP:
        if (data.pressed) {
            data.pressed = false;
            ReleaseCapture();
            NotifyScroll(hwnd, SB_ENDSCROLL, data.pos);
        }
        return 0;
    default:
        return SpinMessage(hwnd, data, message, wParam, lParam);
    }
}

const SystemClass kUpDownClass(UPDOWN_CLASS, ControlProcedure<SpinData, HandleSpinMessage>,
                               CS_HREDRAW | CS_VREDRAW);

} // namespace

BOOL CSpinButtonCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(UPDOWN_CLASS, nullptr, style, rect, parent, id);
}

void CSpinButtonCtrl::SetRange(short lower, short upper) {
    SendMessage(UDM_SETRANGE, 0, MAKELPARAM(upper, lower));
}

void CSpinButtonCtrl::SetRange32(int lower, int upper) {
    SendMessage(UDM_SETRANGE32, static_cast<WPARAM>(lower), upper);
}

void CSpinButtonCtrl::GetRange(int& lower, int& upper) const {
    SendMessage(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
}

DWORD CSpinButtonCtrl::GetRange() const {
    return static_cast<DWORD>(SendMessage(UDM_GETRANGE));
}

int CSpinButtonCtrl::SetPos(int pos) {
    return static_cast<SHORT>(LOWORD(SendMessage(UDM_SETPOS, 0, MAKELPARAM(pos, 0))));
}

int CSpinButtonCtrl::GetPos() const {
    return static_cast<int>(SendMessage(UDM_GETPOS));
}

int CSpinButtonCtrl::SetPos32(int pos) {
    return static_cast<int>(SendMessage(UDM_SETPOS32, 0, pos));
}

int CSpinButtonCtrl::GetPos32(LPBOOL error) const {
    return static_cast<int>(SendMessage(UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(error)));
}

CWnd* CSpinButtonCtrl::SetBuddy(CWnd* buddy) {
    return CWnd::FromHandle(reinterpret_cast<HWND>(
        SendMessage(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy ? buddy->m_hWnd : nullptr))));
}

CWnd* CSpinButtonCtrl::GetBuddy() const {
    return CWnd::FromHandle(reinterpret_cast<HWND>(SendMessage(UDM_GETBUDDY)));
}

int CSpinButtonCtrl::SetBase(int base) {
    return static_cast<int>(SendMessage(UDM_SETBASE, static_cast<WPARAM>(base)));
}

UINT CSpinButtonCtrl::GetBase() const {
    return static_cast<UINT>(SendMessage(UDM_GETBASE));
}

IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)
