#include "vornui/platform/ToolTipCtrl.h"

#include "vornui/platform/DesktopInput.h"
#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/Text.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/WindowStyles.h"
#include "vornui/platform/internal/ControlPainting.h"
#include "vornui/platform/internal/ControlProcedure.h"
#include "vornui/platform/internal/WindowClass.h"
#include "vornui/platform/internal/WindowRecord.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr UINT_PTR kShowTimer = 1;
constexpr UINT_PTR kPopTimer = 2;
constexpr int kMarginX = 4;
constexpr int kMarginY = 2;
constexpr int kTextLimit = 256; // what TTM_GETTEXT writes when not told the buffer's size

struct Tool {
    UINT flags;
    HWND hwnd;
    UINT_PTR id;
    RECT rect;
    CString text;
};

struct Delays {
    int initial;
    int autoPop;
    int reshow;
};

Delays AutomaticDelays(int initial) {
    return Delays{initial, initial * 10, initial / 5};
}

struct ToolTipData : ControlData {
    std::vector<Tool> tools;
    bool active = true;
    Delays delays = AutomaticDelays(static_cast<int>(GetDoubleClickTime()));
    int pending = -1; // the tool whose tip shows when the show timer fires
    int shown = -1;
};

int FindTool(const ToolTipData& data, HWND hwnd, UINT_PTR id) {
    for (size_t index = 0; index < data.tools.size(); ++index)
        if (data.tools[index].hwnd == hwnd && data.tools[index].id == id)
            return static_cast<int>(index);
    return -1;
}

int FindTool(const ToolTipData& data, const TOOLINFO* info) {
    return info ? FindTool(data, info->hwnd, info->uId) : -1;
}

// The window whose client area a tool covers, and the part of it.
HWND ToolWindow(const Tool& tool) {
    return (tool.flags & TTF_IDISHWND) ? reinterpret_cast<HWND>(tool.id) : tool.hwnd;
}

CRect ToolArea(const Tool& tool) {
    if (!(tool.flags & TTF_IDISHWND))
        return CRect(tool.rect);
    RECT client{};
    GetClientRect(ToolWindow(tool), &client);
    return CRect(client);
}

// The tool under `point` of `hwnd`'s client area, or -1.
int ToolAt(const ToolTipData& data, HWND hwnd, POINT point) {
    for (size_t index = 0; index < data.tools.size(); ++index) {
        const Tool& tool = data.tools[index];
        if (ToolWindow(tool) == hwnd && ToolArea(tool).PtInRect(point))
            return static_cast<int>(index);
    }
    return -1;
}

bool PointerOver(const Tool& tool) {
    POINT point{};
    GetCursorPos(&point);
    const HWND hwnd = ToolWindow(tool);
    return IsWindow(hwnd) && ScreenToClient(hwnd, &point) && ToolArea(tool).PtInRect(point);
}

CString TextOf(const TOOLINFO& info) {
    if (!info.lpszText || info.lpszText == LPSTR_TEXTCALLBACK)
        return CString();
    if (!IS_INTRESOURCE(info.lpszText))
        return CString(info.lpszText);
    char text[kTextLimit] = {};
    const UINT id = static_cast<UINT>(reinterpret_cast<ULONG_PTR>(info.lpszText));
    LoadString(info.hinst ? info.hinst : AfxGetResourceHandle(), id, text, kTextLimit);
    return CString(text);
}

void NotifyTool(HWND hwnd, const Tool& tool, UINT code) {
    NMHDR header{hwnd, tool.id, code};
    if (IsWindow(tool.hwnd))
        SendMessage(tool.hwnd, WM_NOTIFY, tool.id, reinterpret_cast<LPARAM>(&header));
}

void Hide(HWND hwnd, ToolTipData& data) {
    KillTimer(hwnd, kShowTimer);
    data.pending = -1;
    if (data.shown < 0)
        return;
    KillTimer(hwnd, kPopTimer);
    ShowWindow(hwnd, SW_HIDE);
    const Tool tool = data.tools[static_cast<size_t>(data.shown)];
    data.shown = -1;
    NotifyTool(hwnd, tool, TTN_POP);
}

CSize TipSize(HWND hwnd, const CString& text) {
    const HDC hdc = GetDC(hwnd);
    const HGDIOBJ old = SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE extent{};
    GetTextExtentPoint32(hdc, text, text.GetLength(), &extent);
    SelectObject(hdc, old);
    ReleaseDC(hwnd, hdc);
    return CSize(extent.cx + 2 * kMarginX + 2, extent.cy + 2 * kMarginY + 2);
}

// Below the pointer, inside the screen.
void Show(HWND hwnd, ToolTipData& data, int index) {
    const Tool& tool = data.tools[static_cast<size_t>(index)];
    if (tool.text.IsEmpty())
        return;
    SetWindowText(hwnd, tool.text);
    const CSize size = TipSize(hwnd, tool.text);
    POINT pointer{};
    GetCursorPos(&pointer);
    const int x = std::max(0, std::min<int>(pointer.x, GetSystemMetrics(SM_CXSCREEN) - size.cx));
    int y = pointer.y + GetSystemMetrics(SM_CYCURSOR) / 2 + 4;
    if (y + size.cy > GetSystemMetrics(SM_CYSCREEN))
        y = pointer.y - size.cy;
    data.shown = index;
    SetWindowPos(hwnd, HWND_TOPMOST, x, y, size.cx, size.cy, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetTimer(hwnd, kPopTimer, static_cast<UINT>(data.delays.autoPop), nullptr);
    NotifyTool(hwnd, tool, TTN_SHOW);
}

void Relay(HWND hwnd, ToolTipData& data, const MSG& msg) {
    if (msg.message != WM_MOUSEMOVE) {
        // A press, or the pointer leaving the tool's window, takes the tip away.
        Hide(hwnd, data);
        return;
    }
    const int tool = data.active ? ToolAt(data, msg.hwnd,
                                          POINT{static_cast<SHORT>(LOWORD(msg.lParam)),
                                                static_cast<SHORT>(HIWORD(msg.lParam))})
                                 : -1;
    if (tool < 0) {
        Hide(hwnd, data);
        return;
    }
    if (tool == data.shown || tool == data.pending)
        return;
    // From one tool's tip to the next the wait is shorter.
    const bool switching = data.shown >= 0;
    Hide(hwnd, data);
    data.pending = tool;
    SetTimer(hwnd, kShowTimer,
             static_cast<UINT>(switching ? data.delays.reshow : data.delays.initial), nullptr);
}

bool IsRelayed(UINT message) {
    switch (message) {
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return true;
    default:
        return false;
    }
}

void OnTimer(HWND hwnd, ToolTipData& data, UINT_PTR id) {
    if (id == kPopTimer) {
        Hide(hwnd, data);
        return;
    }
    KillTimer(hwnd, kShowTimer);
    const int tool = std::exchange(data.pending, -1);
    if (data.active && tool >= 0 && PointerOver(data.tools[static_cast<size_t>(tool)]))
        Show(hwnd, data, tool);
}

void Paint(HWND hwnd) {
    PAINTSTRUCT paint;
    const HDC hdc = BeginPaint(hwnd, &paint);
    RECT client;
    GetClientRect(hwnd, &client);
    FillSolid(hdc, client, GetSysColor(COLOR_INFOBK));
    const HBRUSH frame = CreateSolidBrush(GetSysColor(COLOR_WINDOWFRAME));
    FrameRect(hdc, &client, frame);
    DeleteObject(frame);
    char text[kTextLimit] = {};
    const int length = GetWindowText(hwnd, text, kTextLimit);
    const HGDIOBJ old = SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(COLOR_INFOTEXT));
    DrawText(hdc, text, length, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(hdc, old);
    EndPaint(hwnd, &paint);
}

void SetDelay(ToolTipData& data, WPARAM which, int time) {
    const int delay = time < 0 ? static_cast<int>(GetDoubleClickTime()) : time;
    switch (which) {
    case TTDT_AUTOMATIC:
        data.delays = AutomaticDelays(delay);
        break;
    case TTDT_RESHOW:
        data.delays.reshow = time < 0 ? delay / 5 : delay;
        break;
    case TTDT_AUTOPOP:
        data.delays.autoPop = time < 0 ? delay * 10 : delay;
        break;
    case TTDT_INITIAL:
        data.delays.initial = delay;
        break;
    default:
        break;
    }
}

bool IsToolMessage(UINT message) {
    switch (message) {
    case TTM_ADDTOOL:
    case TTM_DELTOOL:
    case TTM_NEWTOOLRECT:
    case TTM_UPDATETIPTEXT:
    case TTM_GETTEXT:
    case TTM_GETTOOLINFO:
        return true;
    default:
        return false;
    }
}

// The messages that name a tool by the TOOLINFO in lParam.
LRESULT ToolMessage(HWND hwnd, ToolTipData& data, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto* info = reinterpret_cast<const TOOLINFO*>(lParam);
    const int index = FindTool(data, info);
    switch (message) {
    case TTM_ADDTOOL:
        if (!info || index >= 0)
            return FALSE;
        data.tools.push_back(Tool{info->uFlags, info->hwnd, info->uId, info->rect, TextOf(*info)});
        return TRUE;
    case TTM_DELTOOL:
        if (index < 0)
            return 0;
        if (data.shown == index || data.pending == index)
            Hide(hwnd, data);
        data.tools.erase(data.tools.begin() + index);
        return 0;
    case TTM_NEWTOOLRECT:
        if (index >= 0)
            data.tools[static_cast<size_t>(index)].rect = info->rect;
        return 0;
    case TTM_UPDATETIPTEXT:
        if (index >= 0)
            data.tools[static_cast<size_t>(index)].text = TextOf(*info);
        if (index >= 0 && index == data.shown) {
            SetWindowText(hwnd, data.tools[static_cast<size_t>(index)].text);
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return 0;
    case TTM_GETTEXT: {
        auto* out = reinterpret_cast<TOOLINFO*>(lParam);
        if (index < 0 || !out->lpszText)
            return 0;
        const size_t room = wParam ? wParam : kTextLimit;
        const CString& text = data.tools[static_cast<size_t>(index)].text;
        const size_t length = std::min(room - 1, static_cast<size_t>(text.GetLength()));
        std::memcpy(out->lpszText, text.GetString(), length);
        out->lpszText[length] = '\0';
        return 0;
    }
    case TTM_GETTOOLINFO:
        if (index < 0)
            return FALSE;
        reinterpret_cast<TOOLINFO*>(lParam)->uFlags = data.tools[static_cast<size_t>(index)].flags;
        reinterpret_cast<TOOLINFO*>(lParam)->rect = data.tools[static_cast<size_t>(index)].rect;
        return TRUE;
    default:
        return 0;
    }
}

LRESULT HandleToolTipMessage(HWND hwnd, ToolTipData& data, UINT message, WPARAM wParam,
                             LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint(hwnd);
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_TIMER:
        OnTimer(hwnd, data, wParam);
        return 0;
    case TTM_ACTIVATE:
        data.active = wParam != 0;
        if (!data.active)
            Hide(hwnd, data);
        return 0;
    case TTM_RELAYEVENT:
        if (const auto* msg = reinterpret_cast<const MSG*>(lParam); msg && IsRelayed(msg->message))
            Relay(hwnd, data, *msg);
        return 0;
    case TTM_POP:
        Hide(hwnd, data);
        return 0;
    case TTM_SETDELAYTIME:
        SetDelay(data, wParam, static_cast<SHORT>(LOWORD(lParam)));
        return 0;
    case TTM_GETDELAYTIME:
        return wParam == TTDT_RESHOW    ? data.delays.reshow
               : wParam == TTDT_AUTOPOP ? data.delays.autoPop
                                        : data.delays.initial;
    case TTM_GETTOOLCOUNT:
        return static_cast<LRESULT>(data.tools.size());
    default:
        return IsToolMessage(message) ? ToolMessage(hwnd, data, message, wParam, lParam)
                                      : DefWindowProc(hwnd, message, wParam, lParam);
    }
}

const SystemClass kToolTipClass(TOOLTIPS_CLASS, ControlProcedure<ToolTipData, HandleToolTipMessage>,
                                CS_SAVEBITS);

} // namespace

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style) {
    return CWnd::CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, TOOLTIPS_CLASS, nullptr,
                          WS_POPUP | style, CRect(0, 0, 0, 0), parent, 0);
}

// A tool without an id is the whole client area of its window, held by the window's parent.
TOOLINFO CToolTipCtrl::ToolFor(CWnd* wnd, UINT_PTR toolId) const {
    TOOLINFO info{};
    info.cbSize = sizeof info;
    const HWND hwnd = wnd ? wnd->m_hWnd : nullptr;
    if (toolId) {
        info.hwnd = hwnd;
        info.uId = toolId;
    } else {
        info.uFlags = TTF_IDISHWND;
        info.hwnd = ::GetParent(hwnd) ? ::GetParent(hwnd) : hwnd;
        info.uId = reinterpret_cast<UINT_PTR>(hwnd);
    }
    return info;
}

BOOL CToolTipCtrl::AddTool(CWnd* wnd, LPCTSTR text, LPCRECT rect, UINT_PTR toolId) {
    if (!wnd || !wnd->m_hWnd)
        return FALSE;
    TOOLINFO info = ToolFor(wnd, toolId);
    if (rect)
        info.rect = *rect;
    info.lpszText = const_cast<LPSTR>(text);
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&info)));
}

BOOL CToolTipCtrl::AddTool(CWnd* wnd, UINT textId, LPCRECT rect, UINT_PTR toolId) {
    CString text;
    LoadStringFromResourceChain(textId, text);
    return AddTool(wnd, text.GetString(), rect, toolId);
}

void CToolTipCtrl::DelTool(CWnd* wnd, UINT_PTR toolId) {
    const TOOLINFO info = ToolFor(wnd, toolId);
    SendMessage(TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::UpdateTipText(LPCTSTR text, CWnd* wnd, UINT_PTR toolId) {
    TOOLINFO info = ToolFor(wnd, toolId);
    info.lpszText = const_cast<LPSTR>(text);
    SendMessage(TTM_UPDATETIPTEXT, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::UpdateTipText(UINT textId, CWnd* wnd, UINT_PTR toolId) {
    CString text;
    LoadStringFromResourceChain(textId, text);
    UpdateTipText(text.GetString(), wnd, toolId);
}

void CToolTipCtrl::GetText(CString& text, CWnd* wnd, UINT_PTR toolId) const {
    char buffer[kTextLimit] = {};
    TOOLINFO info = ToolFor(wnd, toolId);
    info.lpszText = buffer;
    SendMessage(TTM_GETTEXT, kTextLimit, reinterpret_cast<LPARAM>(&info));
    text = buffer;
}

void CToolTipCtrl::SetToolRect(CWnd* wnd, UINT_PTR toolId, LPCRECT rect) {
    TOOLINFO info = ToolFor(wnd, toolId);
    info.rect = *rect;
    SendMessage(TTM_NEWTOOLRECT, 0, reinterpret_cast<LPARAM>(&info));
}

int CToolTipCtrl::GetToolCount() const {
    return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT));
}

void CToolTipCtrl::Activate(BOOL activate) {
    SendMessage(TTM_ACTIVATE, static_cast<WPARAM>(activate));
}

void CToolTipCtrl::RelayEvent(LPMSG msg) {
    SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
}

void CToolTipCtrl::Pop() {
    SendMessage(TTM_POP);
}

void CToolTipCtrl::SetDelayTime(UINT delay) {
    SendMessage(TTM_SETDELAYTIME, TTDT_AUTOMATIC, MAKELPARAM(delay, 0));
}

BOOL CToolTipCtrl::SetDelayTime(DWORD duration, int time) {
    SendMessage(TTM_SETDELAYTIME, duration, MAKELPARAM(time, 0));
    return TRUE;
}

int CToolTipCtrl::GetDelayTime(DWORD duration) const {
    return static_cast<int>(SendMessage(TTM_GETDELAYTIME, duration));
}

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)
