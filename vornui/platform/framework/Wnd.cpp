#include "vornui/platform/Wnd.h"

#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/CDC.h"
#include "vornui/platform/CGdiObject.h"
#include "vornui/platform/CMenu.h"
#include "vornui/platform/CmdUI.h"
#include "vornui/platform/DialogManager.h"
#include "vornui/platform/FrameWnd.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/WinApp.h"
#include "vornui/platform/internal/ThreadMessageQueue.h"
#include "vornui/platform/internal/WindowInternals.h"
#include "vornui/platform/internal/WindowRecord.h"

#include <algorithm>

namespace {

// Read on every message: this model finds it with one load instead of a call into the
// loader, and its few bytes leave room for the library to be loaded late.
[[gnu::tls_model("initial-exec")]] thread_local MSG t_currentMessage{};

CPoint PointOf(LPARAM lParam) {
    return CPoint(static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam)));
}

CWnd* WndOf(WPARAM handle) {
    return CWnd::FromHandle(reinterpret_cast<HWND>(handle));
}

CWnd* WndOf(LPARAM handle) {
    return CWnd::FromHandle(reinterpret_cast<HWND>(handle));
}

// Asks the update handlers whether a command is enabled, and changes nothing.
class CTestCmdUI : public CCmdUI {
public:
    explicit CTestCmdUI(UINT id) { m_nID = id; }
    void Enable(BOOL on) override {
        m_bEnabled = on;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int) override {}
    void SetRadio(BOOL) override {}
    void SetText(LPCTSTR) override {}

    BOOL m_bEnabled = TRUE;
};

// Buttons that change by themselves when clicked (check boxes, radio buttons) and group
// boxes stay enabled without a handler: nothing carries them out.
bool DisabledWithoutHandler(CWnd& control) {
    if (!(control.SendMessage(WM_GETDLGCODE) & DLGC_BUTTON))
        return false;
    const UINT type = control.GetStyle() & 0x0F;
    return type != BS_AUTOCHECKBOX && type != BS_AUTO3STATE && type != BS_GROUPBOX &&
           type != BS_AUTORADIOBUTTON;
}

} // namespace

void TemporaryWndDeleter::operator()(CWnd* wnd) const {
    wnd->m_hWnd = nullptr; // the window is going; the wrapper must not destroy it again
    delete wnd;
}

LRESULT AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = CWnd::FromHandlePermanent(hwnd);
    if (!wnd)
        return ::DefWindowProc(hwnd, message, wParam, lParam);
    // The framework's current message never has a time or a point (they stay zero), so only
    // the four fields that change are kept for the message this one may have interrupted.
    MSG& current = t_currentMessage;
    const MSG saved{current.hwnd, current.message, current.wParam, current.lParam, 0, {}};
    current.hwnd = hwnd;
    current.message = message;
    current.wParam = wParam;
    current.lParam = lParam;
    const LRESULT result = wnd->WindowProc(message, wParam, lParam);
    current.hwnd = saved.hwnd;
    current.message = saved.message;
    current.wParam = saved.wParam;
    current.lParam = saved.lParam;
    return result;
}

CWnd::CWnd() = default;

CWnd::~CWnd() {
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this)
        ::DestroyWindow(m_hWnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) {
    WindowRecord* record = LiveWindow(hwnd);
    return record ? record->wnd : nullptr;
}

CWnd* CWnd::FromHandle(HWND hwnd) {
    WindowRecord* record = LiveWindow(hwnd);
    if (!record)
        return nullptr;
    if (record->wnd)
        return record->wnd;
    if (!record->temporaryWrapper) {
        record->temporaryWrapper.reset(new CWnd);
        record->temporaryWrapper->m_hWnd = hwnd;
    }
    return record->temporaryWrapper.get();
}

BOOL CWnd::Attach(HWND hwnd) {
    WindowRecord* record = LiveWindow(hwnd);
    if (!record || m_hWnd || record->wnd)
        return FALSE;
    record->wnd = this;
    m_hWnd = hwnd;
    return TRUE;
}

HWND CWnd::Detach() {
    const HWND hwnd = std::exchange(m_hWnd, nullptr);
    if (WindowRecord* record = LiveWindow(hwnd); record && record->wnd == this)
        record->wnd = nullptr;
    return hwnd;
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
    if (!Attach(hwnd))
        return FALSE;
    PreSubclassWindow();
    const auto previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtr(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (previous != &AfxWndProc)
        m_pfnSuper = previous;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    const HWND control = ::GetDlgItem(parent->m_hWnd, static_cast<int>(id));
    return control && SubclassWindow(control);
}

HWND CWnd::UnsubclassWindow() {
    if (m_pfnSuper)
        ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

void CWnd::HookCreation(HWND hwnd, void* context) {
    static_cast<CWnd*>(context)->SubclassWindow(hwnd);
}

BOOL CWnd::Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id, void* context) {
    return CreateEx(0, className, windowName, style | WS_CHILD, rect, parent, id, context);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style,
                    const RECT& rect, CWnd* parent, UINT id, LPVOID param) {
    return CreateEx(exStyle, className, windowName, style, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top,
                    parent ? parent->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), param);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU idOrMenu, LPVOID param) {
    CREATESTRUCT create{
        param,      nullptr,   idOrMenu, parent, height, width, y, x, static_cast<LONG>(style),
        windowName, className, exStyle};
    if (!PreCreateWindow(create))
        return FALSE;
    SetWindowCreationHook(&CWnd::HookCreation, this);
    const HWND hwnd =
        ::CreateWindowEx(create.dwExStyle, create.lpszClass, create.lpszName,
                         static_cast<DWORD>(create.style), create.x, create.y, create.cx, create.cy,
                         create.hwndParent, create.hMenu, create.hInstance, create.lpCreateParams);
    SetWindowCreationHook(nullptr, nullptr);
    return hwnd != nullptr;
}

BOOL CWnd::DestroyWindow() {
    return m_hWnd && ::DestroyWindow(m_hWnd);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessage(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::PostMessage(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::SendDlgItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessage(::GetDlgItem(m_hWnd, id), message, wParam, lParam);
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL deep) const {
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        ::SendMessage(child, message, wParam, lParam);
        if (deep && ::IsWindow(child))
            FromHandle(child)->SendMessageToDescendants(message, wParam, lParam, deep);
    }
}

DWORD CWnd::GetStyle() const {
    return static_cast<DWORD>(::GetWindowLong(m_hWnd, GWL_STYLE));
}

DWORD CWnd::GetExStyle() const {
    return static_cast<DWORD>(::GetWindowLong(m_hWnd, GWL_EXSTYLE));
}

static BOOL ModifyStyleBits(HWND hwnd, int index, DWORD remove, DWORD add, UINT flags) {
    const DWORD style = static_cast<DWORD>(::GetWindowLong(hwnd, index));
    const DWORD changed = (style & ~remove) | add;
    if (style == changed)
        return FALSE;
    ::SetWindowLong(hwnd, index, static_cast<LONG>(changed));
    if (flags)
        ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    return TRUE;
}

BOOL CWnd::ModifyStyle(HWND hwnd, DWORD remove, DWORD add, UINT flags) {
    return ModifyStyleBits(hwnd, GWL_STYLE, remove, add, flags);
}

BOOL CWnd::ModifyStyleEx(HWND hwnd, DWORD remove, DWORD add, UINT flags) {
    return ModifyStyleBits(hwnd, GWL_EXSTYLE, remove, add, flags);
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags) {
    return ModifyStyle(m_hWnd, remove, add, flags);
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT flags) {
    return ModifyStyleEx(m_hWnd, remove, add, flags);
}

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon) {
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

HICON CWnd::GetIcon(BOOL bigIcon) const {
    return reinterpret_cast<HICON>(SendMessage(WM_GETICON, bigIcon ? ICON_BIG : ICON_SMALL));
}

int CWnd::GetDlgCtrlID() const {
    return ::GetDlgCtrlID(m_hWnd);
}

int CWnd::SetDlgCtrlID(int id) {
    return static_cast<int>(::SetWindowLongPtr(m_hWnd, GWLP_ID, id));
}

void CWnd::SetWindowText(LPCTSTR text) {
    ::SetWindowText(m_hWnd, text);
}

int CWnd::GetWindowText(LPTSTR text, int maxCount) const {
    return ::GetWindowText(m_hWnd, text, maxCount);
}

void CWnd::GetWindowText(CString& text) const {
    const int length = ::GetWindowTextLength(m_hWnd);
    ::GetWindowText(m_hWnd, text.GetBufferSetLength(length), length + 1);
    text.ReleaseBuffer();
}

int CWnd::GetWindowTextLength() const {
    return ::GetWindowTextLength(m_hWnd);
}

CWnd* CWnd::GetParent() const {
    return FromHandle(::GetParent(m_hWnd));
}

CWnd* CWnd::SetParent(CWnd* newParent) {
    return FromHandle(::SetParent(m_hWnd, newParent ? newParent->m_hWnd : nullptr));
}

CWnd* CWnd::GetOwner() const {
    return FromHandle(::GetWindow(m_hWnd, GW_OWNER));
}

CWnd* CWnd::GetParentOwner() const {
    HWND hwnd = m_hWnd;
    while (hwnd && (::GetWindowLong(hwnd, GWL_STYLE) & WS_CHILD))
        hwnd = ::GetParent(hwnd);
    return FromHandle(hwnd);
}

CWnd* CWnd::GetTopLevelParent() const {
    HWND top = m_hWnd;
    for (HWND up = m_hWnd; up; up = ::GetParent(up))
        top = up;
    return top == m_hWnd ? nullptr : FromHandle(top);
}

CWnd* CWnd::GetWindow(UINT command) const {
    return FromHandle(::GetWindow(m_hWnd, command));
}

CWnd* CWnd::GetTopWindow() const {
    return FromHandle(::GetTopWindow(m_hWnd));
}

CWnd* CWnd::GetNextWindow(UINT command) const {
    return FromHandle(::GetWindow(m_hWnd, command));
}

CWnd* CWnd::GetDlgItem(int id) const {
    return FromHandle(::GetDlgItem(m_hWnd, id));
}

void CWnd::GetDlgItem(int id, HWND* hwnd) const {
    *hwnd = ::GetDlgItem(m_hWnd, id);
}

BOOL CWnd::IsChild(const CWnd* wnd) const {
    return wnd && ::IsChild(m_hWnd, wnd->m_hWnd);
}

CWnd* CWnd::GetNextDlgTabItem(CWnd* control, BOOL previous) const {
    return FromHandle(::GetNextDlgTabItem(m_hWnd, control ? control->m_hWnd : nullptr, previous));
}

CWnd* CWnd::GetNextDlgGroupItem(CWnd* control, BOOL previous) const {
    return FromHandle(::GetNextDlgGroupItem(m_hWnd, control ? control->m_hWnd : nullptr, previous));
}

void CWnd::GetWindowRect(LPRECT rect) const {
    ::GetWindowRect(m_hWnd, rect);
}

void CWnd::GetClientRect(LPRECT rect) const {
    ::GetClientRect(m_hWnd, rect);
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
    ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}

void CWnd::MoveWindow(LPCRECT rect, BOOL repaint) {
    ::MoveWindow(m_hWnd, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top,
                 repaint);
}

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
    // Older callers pass the system's places cast to a pointer; those are no objects.
    const HWND place = reinterpret_cast<HWND>(const_cast<CWnd*>(insertAfter));
    const bool systemPlace = place == HWND_TOP || place == HWND_BOTTOM || place == HWND_TOPMOST ||
                             place == HWND_NOTOPMOST;
    return ::SetWindowPos(m_hWnd, systemPlace ? place : insertAfter->m_hWnd, x, y, cx, cy, flags);
}

void CWnd::BringWindowToTop() {
    ::BringWindowToTop(m_hWnd);
}

void CWnd::ScreenToClient(LPPOINT point) const {
    ::ScreenToClient(m_hWnd, point);
}

void CWnd::ScreenToClient(LPRECT rect) const {
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(&rect->left));
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(&rect->right));
}

void CWnd::ClientToScreen(LPPOINT point) const {
    ::ClientToScreen(m_hWnd, point);
}

void CWnd::ClientToScreen(LPRECT rect) const {
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(&rect->left));
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(&rect->right));
}

void CWnd::MapWindowPoints(CWnd* to, LPRECT rect) const {
    ::MapWindowPoints(m_hWnd, to ? to->m_hWnd : nullptr, reinterpret_cast<LPPOINT>(rect), 2);
}

void CWnd::MapWindowPoints(CWnd* to, LPPOINT points, UINT count) const {
    ::MapWindowPoints(m_hWnd, to ? to->m_hWnd : nullptr, points, count);
}

CWnd* CWnd::WindowFromPoint(POINT point) {
    return FromHandle(::WindowFromPoint(point));
}

CWnd* CWnd::ChildWindowFromPoint(POINT point) const {
    return FromHandle(::ChildWindowFromPoint(m_hWnd, point));
}

BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* placement) const {
    return ::GetWindowPlacement(m_hWnd, placement);
}

BOOL CWnd::SetWindowPlacement(const WINDOWPLACEMENT* placement) {
    return ::SetWindowPlacement(m_hWnd, placement);
}

void CWnd::CenterWindow(CWnd* alternate) {
    const DWORD style = GetStyle();
    HWND center = alternate
                      ? alternate->m_hWnd
                      : ((style & WS_CHILD) ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER));
    CRect area;
    CRect over;
    if (style & WS_CHILD) {
        const HWND parent = ::GetParent(m_hWnd);
        ::GetClientRect(parent, &area);
        ::GetClientRect(center, &over);
        ::MapWindowPoints(center, parent, reinterpret_cast<LPPOINT>(&over), 2);
    } else {
        if (center && (!::IsWindowVisible(center) || ::IsIconic(center)))
            center = nullptr;
        MONITORINFO info{sizeof info, {}, {}, 0};
        ::GetMonitorInfo(::MonitorFromWindow(center ? center : m_hWnd, MONITOR_DEFAULTTONEAREST),
                         &info);
        area = info.rcWork;
        if (center)
            ::GetWindowRect(center, &over);
        else
            over = area;
    }
    CRect window;
    GetWindowRect(&window);
    int x = (over.left + over.right) / 2 - window.Width() / 2;
    int y = (over.top + over.bottom) / 2 - window.Height() / 2;
    if (x + window.Width() > area.right)
        x = area.right - window.Width();
    if (x < area.left)
        x = area.left;
    if (y + window.Height() > area.bottom)
        y = area.bottom - window.Height();
    if (y < area.top)
        y = area.top;
    ::SetWindowPos(m_hWnd, nullptr, x, y, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::ShowWindow(int command) {
    return ::ShowWindow(m_hWnd, command);
}

BOOL CWnd::IsWindowVisible() const {
    return ::IsWindowVisible(m_hWnd);
}

BOOL CWnd::IsIconic() const {
    return ::IsIconic(m_hWnd);
}

BOOL CWnd::IsZoomed() const {
    return ::IsZoomed(m_hWnd);
}

BOOL CWnd::EnableWindow(BOOL enable) {
    return ::EnableWindow(m_hWnd, enable);
}

BOOL CWnd::IsWindowEnabled() const {
    return ::IsWindowEnabled(m_hWnd);
}

CWnd* CWnd::SetFocus() {
    return FromHandle(::SetFocus(m_hWnd));
}

CWnd* CWnd::GetFocus() {
    return FromHandle(::GetFocus());
}

CWnd* CWnd::SetCapture() {
    return FromHandle(::SetCapture(m_hWnd));
}

CWnd* CWnd::GetCapture() {
    return FromHandle(::GetCapture());
}

CWnd* CWnd::SetActiveWindow() {
    return FromHandle(::SetActiveWindow(m_hWnd));
}

CWnd* CWnd::GetActiveWindow() {
    return FromHandle(::GetActiveWindow());
}

void CWnd::SetRedraw(BOOL redraw) {
    SendMessage(WM_SETREDRAW, redraw, 0);
}

void CWnd::Invalidate(BOOL erase) {
    ::InvalidateRect(m_hWnd, nullptr, erase);
}

void CWnd::InvalidateRect(LPCRECT rect, BOOL erase) {
    ::InvalidateRect(m_hWnd, rect, erase);
}

void CWnd::ValidateRect(LPCRECT rect) {
    ::ValidateRect(m_hWnd, rect);
}

BOOL CWnd::GetUpdateRect(LPRECT rect, BOOL erase) {
    return ::GetUpdateRect(m_hWnd, rect, erase);
}

void CWnd::UpdateWindow() {
    ::UpdateWindow(m_hWnd);
}

BOOL CWnd::RedrawWindow(LPCRECT rect, void* region, UINT flags) {
    return ::RedrawWindow(m_hWnd, rect, region, flags);
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc) {
    return ::SetTimer(m_hWnd, id, elapse, proc);
}

BOOL CWnd::KillTimer(UINT_PTR id) {
    return ::KillTimer(m_hWnd, id);
}

int CWnd::SetScrollPos(int bar, int pos, BOOL redraw) {
    return ::SetScrollPos(m_hWnd, bar, pos, redraw);
}

int CWnd::GetScrollPos(int bar) const {
    return ::GetScrollPos(m_hWnd, bar);
}

void CWnd::SetScrollRange(int bar, int minPos, int maxPos, BOOL redraw) {
    ::SetScrollRange(m_hWnd, bar, minPos, maxPos, redraw);
}

void CWnd::GetScrollRange(int bar, LPINT minPos, LPINT maxPos) const {
    ::GetScrollRange(m_hWnd, bar, minPos, maxPos);
}

BOOL CWnd::SetScrollInfo(int bar, LPSCROLLINFO info, BOOL redraw) {
    ::SetScrollInfo(m_hWnd, bar, info, redraw);
    return TRUE;
}

BOOL CWnd::GetScrollInfo(int bar, LPSCROLLINFO info, UINT mask) {
    info->fMask = mask;
    return ::GetScrollInfo(m_hWnd, bar, info);
}

int CWnd::GetScrollLimit(int bar) {
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
    if (!::GetScrollInfo(m_hWnd, bar, &info))
        return 0;
    return info.nMax - std::max<int>(static_cast<int>(info.nPage) - 1, 0);
}

void CWnd::ShowScrollBar(UINT bar, BOOL show) {
    ::ShowScrollBar(m_hWnd, static_cast<int>(bar), show);
}

void CWnd::SetDlgItemText(int id, LPCTSTR text) {
    ::SetDlgItemText(m_hWnd, id, text);
}

int CWnd::GetDlgItemText(int id, CString& text) const {
    const HWND item = ::GetDlgItem(m_hWnd, id);
    text.Empty();
    if (item)
        FromHandle(item)->GetWindowText(text);
    return text.GetLength();
}

void CWnd::SetDlgItemInt(int id, UINT value, BOOL isSigned) {
    ::SetDlgItemInt(m_hWnd, id, value, isSigned);
}

UINT CWnd::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const {
    return ::GetDlgItemInt(m_hWnd, id, translated, isSigned);
}

void CWnd::CheckDlgButton(int id, UINT check) {
    ::CheckDlgButton(m_hWnd, id, check);
}

UINT CWnd::IsDlgButtonChecked(int id) const {
    return ::IsDlgButtonChecked(m_hWnd, id);
}

void CWnd::CheckRadioButton(int firstId, int lastId, int checkId) {
    ::CheckRadioButton(m_hWnd, firstId, lastId, checkId);
}

int CWnd::GetCheckedRadioButton(int firstId, int lastId) {
    for (int id = firstId; id <= lastId; ++id)
        if (::IsDlgButtonChecked(m_hWnd, id))
            return id;
    return 0;
}

void CWnd::DoDataExchange(CDataExchange*) {}

const MSG* CWnd::GetCurrentMessage() {
    return &t_currentMessage;
}

LRESULT CWnd::Default() {
    return DefWindowProc(t_currentMessage.message, t_currentMessage.wParam,
                         t_currentMessage.lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper)
        return CallProcedure(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProc(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& create) {
    if (create.lpszClass)
        return TRUE;
    // A window without a class of its own gets the framework's, registered on first use.
    static const ATOM registered = [] {
        WNDCLASS framework{};
        framework.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        framework.lpfnWndProc = ::DefWindowProc;
        framework.hInstance = AfxGetInstanceHandle();
        framework.lpszClassName = kFrameworkWindowClass;
        return ::RegisterClass(&framework);
    }();
    create.lpszClass = kFrameworkWindowClass;
    return registered != 0;
}

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy() {}

BOOL CWnd::WalkPreTranslateTree(HWND stop, MSG* msg) {
    for (HWND hwnd = msg->hwnd; hwnd; hwnd = ::GetParent(hwnd)) {
        if (CWnd* wnd = FromHandlePermanent(hwnd); wnd && wnd->PreTranslateMessage(msg))
            return TRUE;
        if (hwnd == stop)
            break;
    }
    return FALSE;
}

BOOL CWnd::ReflectLastMsg(HWND child, LRESULT* result) {
    CWnd* wnd = FromHandlePermanent(child);
    return wnd && wnd->SendChildNotifyLastMsg(result);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* result) {
    return OnChildNotify(t_currentMessage.message, t_currentMessage.wParam, t_currentMessage.lParam,
                         result);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    switch (message) {
    case WM_COMMAND:
        return OnReflectedCommand(HIWORD(wParam));
    case WM_NOTIFY: {
        LRESULT ignored = 0;
        return OnReflectedNotify(reinterpret_cast<NMHDR*>(lParam), result ? result : &ignored);
    }
    default:
        return FALSE;
    }
}

BOOL CWnd::OnReflectedCommand(UINT) {
    return FALSE;
}

BOOL CWnd::OnReflectedNotify(NMHDR*, LRESULT*) {
    return FALSE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    const auto control = reinterpret_cast<HWND>(lParam);
    int code = HIWORD(wParam);
    if (control) {
        if (ReflectLastMsg(control))
            return TRUE;
    } else {
        if (id == 0)
            return FALSE;
        // A menu item or accelerator whose command was disabled since it was shown does
        // nothing.
        CTestCmdUI state(id);
        OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &state, nullptr);
        if (!state.m_bEnabled)
            return TRUE;
        code = CN_COMMAND;
    }
    return id != 0 && OnCmdMsg(id, code, nullptr, nullptr);
}

void CWnd::UpdateDialogControls(CCmdTarget* target, BOOL disableIfNoHandler) {
    CCmdUI state;
    for (HWND child = ::GetTopWindow(m_hWnd); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        state.m_nID = static_cast<UINT>(::GetDlgCtrlID(child));
        state.m_pOther = FromHandle(child);
        if (CWnd::OnCmdMsg(state.m_nID, CN_UPDATE_COMMAND_UI, &state, nullptr))
            continue;
        state.DoUpdate(target, disableIfNoHandler && DisabledWithoutHandler(*state.m_pOther));
    }
}

CFont* CWnd::GetFont() const {
    const auto font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    return font ? CFont::FromHandle(font) : nullptr;
}

void CWnd::SetFont(CFont* font, BOOL redraw) {
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font ? font->m_hObject : nullptr), redraw);
}

CMenu* CWnd::GetMenu() const {
    return CMenu::FromHandle(::GetMenu(m_hWnd));
}

BOOL CWnd::SetMenu(CMenu* menu) {
    return ::SetMenu(m_hWnd, menu ? menu->m_hMenu : nullptr);
}

void CWnd::DrawMenuBar() {
    ::DrawMenuBar(m_hWnd);
}

CMenu* CWnd::GetSystemMenu(BOOL revert) const {
    return CMenu::FromHandle(::GetSystemMenu(m_hWnd, revert));
}

CFrameWnd* CWnd::GetParentFrame() const {
    for (HWND up = ::GetParent(m_hWnd); up; up = ::GetParent(up))
        if (auto* frame = dynamic_cast<CFrameWnd*>(FromHandlePermanent(up)))
            return frame;
    return nullptr;
}

CWnd* CWnd::GetSafeOwner(CWnd* parent, HWND* top) {
    HWND owner = parent ? parent->m_hWnd : nullptr;
    if (!owner) {
        CWnd* main = AfxGetMainWnd();
        owner = main ? main->m_hWnd : nullptr;
    }
    // A popup cannot be owned by a child window.
    while (owner && (::GetWindowLong(owner, GWL_STYLE) & WS_CHILD))
        owner = ::GetParent(owner);
    HWND topLevel = owner;
    for (HWND up = owner; up; up = ::GetParent(up))
        topLevel = up;
    if (!parent && owner)
        owner = ::GetLastActivePopup(owner);
    if (top) {
        *top = nullptr;
        if (topLevel && topLevel != owner && ::IsWindowEnabled(topLevel)) {
            *top = topLevel;
            ::EnableWindow(topLevel, FALSE);
        }
    }
    return FromHandle(owner);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* result) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (!header)
        return FALSE;
    if (ReflectLastMsg(header->hwndFrom, result))
        return TRUE;
    // Not taken by the control: the message maps get it, by the control's own id.
    AFX_NOTIFY notify{result, header};
    const auto id = static_cast<UINT>(::GetDlgCtrlID(header->hwndFrom));
    return OnCmdMsg(id, static_cast<int>(MAKELONG(LOWORD(header->code), WM_NOTIFY)), &notify,
                    nullptr);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    // Only the system's messages have handlers here: a control's own (LVM_..., the most
    // frequent) and an application's go straight on to the window's procedure.
    if (message >= WM_USER)
        return FALSE;
    switch (message) {
    case WM_COMMAND:
        return OnCommand(wParam, lParam);
    case WM_NOTIFY:
        return OnNotify(wParam, lParam, result);
    case WM_CREATE:
        *result = OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam));
        return TRUE;
    case WM_DESTROY:
        OnDestroy();
        return TRUE;
    case WM_NCDESTROY:
        OnNcDestroy();
        return TRUE;
    case WM_PAINT:
        OnPaint();
        return TRUE;
    case WM_ERASEBKGND:
        *result = OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
        return TRUE;
    case WM_TIMER:
        OnTimer(wParam);
        return TRUE;
    case WM_INITMENUPOPUP:
        OnInitMenuPopup(CMenu::FromHandle(reinterpret_cast<HMENU>(wParam)), LOWORD(lParam),
                        HIWORD(lParam));
        return TRUE;
    default:
        return DispatchWindowState(message, wParam, lParam, result) ||
               DispatchOwnerDraw(message, wParam, lParam, result) ||
               DispatchInput(message, wParam, lParam, result);
    }
}

BOOL CWnd::DispatchWindowState(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    switch (message) {
    case WM_CLOSE:
        OnClose();
        return TRUE;
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), static_cast<SHORT>(LOWORD(lParam)),
               static_cast<SHORT>(HIWORD(lParam)));
        return TRUE;
    case WM_SIZING:
        OnSizing(static_cast<UINT>(wParam), reinterpret_cast<LPRECT>(lParam));
        *result = TRUE;
        return TRUE;
    case WM_MOVE:
        OnMove(static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam)));
        return TRUE;
    case WM_WINDOWPOSCHANGING:
        OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(lParam));
        return TRUE;
    case WM_WINDOWPOSCHANGED:
        OnWindowPosChanged(reinterpret_cast<WINDOWPOS*>(lParam));
        return TRUE;
    case WM_GETMINMAXINFO:
        OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
        return TRUE;
    case WM_SHOWWINDOW:
        OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
        return TRUE;
    case WM_ENABLE:
        OnEnable(static_cast<BOOL>(wParam));
        return TRUE;
    case WM_ACTIVATE:
        OnActivate(LOWORD(wParam), WndOf(lParam), HIWORD(wParam));
        return TRUE;
    case WM_SETFOCUS:
        OnSetFocus(WndOf(wParam));
        return TRUE;
    case WM_KILLFOCUS:
        OnKillFocus(WndOf(wParam));
        return TRUE;
    case WM_CAPTURECHANGED:
        OnCaptureChanged(WndOf(lParam));
        return TRUE;
    case WM_GETDLGCODE:
        *result = OnGetDlgCode();
        return TRUE;
    case WM_HSCROLL:
        OnHScroll(LOWORD(wParam), HIWORD(wParam), WndOf(lParam));
        return TRUE;
    case WM_VSCROLL:
        OnVScroll(LOWORD(wParam), HIWORD(wParam), WndOf(lParam));
        return TRUE;
    case WM_PARENTNOTIFY:
        OnParentNotify(LOWORD(wParam), lParam);
        return TRUE;
    case WM_STYLECHANGED:
        OnStyleChanged(static_cast<int>(wParam), reinterpret_cast<LPSTYLESTRUCT>(lParam));
        return TRUE;
    case WM_SYSCOLORCHANGE:
        OnSysColorChange();
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CWnd::DispatchInput(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const UINT flags = static_cast<UINT>(wParam);
    const UINT repeat = LOWORD(lParam);
    const UINT keyFlags = HIWORD(lParam);
    switch (message) {
    case WM_LBUTTONDOWN:
        OnLButtonDown(flags, PointOf(lParam));
        return TRUE;
    case WM_LBUTTONUP:
        OnLButtonUp(flags, PointOf(lParam));
        return TRUE;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(flags, PointOf(lParam));
        return TRUE;
    case WM_RBUTTONDOWN:
        OnRButtonDown(flags, PointOf(lParam));
        return TRUE;
    case WM_RBUTTONUP:
        OnRButtonUp(flags, PointOf(lParam));
        return TRUE;
    case WM_MOUSEMOVE:
        OnMouseMove(flags, PointOf(lParam));
        return TRUE;
    case WM_MOUSEWHEEL:
        *result = OnMouseWheel(LOWORD(wParam), static_cast<short>(HIWORD(wParam)), PointOf(lParam));
        return TRUE;
    case WM_MOUSEHOVER:
        OnMouseHover(flags, PointOf(lParam));
        return TRUE;
    case WM_MOUSELEAVE:
        OnMouseLeave();
        return TRUE;
    case WM_KEYDOWN:
        OnKeyDown(flags, repeat, keyFlags);
        return TRUE;
    case WM_KEYUP:
        OnKeyUp(flags, repeat, keyFlags);
        return TRUE;
    case WM_CHAR:
        OnChar(flags, repeat, keyFlags);
        return TRUE;
    case WM_SYSKEYDOWN:
        OnSysKeyDown(flags, repeat, keyFlags);
        return TRUE;
    case WM_CONTEXTMENU:
        OnContextMenu(WndOf(wParam), PointOf(lParam));
        return TRUE;
    case WM_SETCURSOR:
        *result = OnSetCursor(WndOf(wParam), LOWORD(lParam), HIWORD(lParam));
        return TRUE;
    case WM_NCHITTEST:
        *result = OnNcHitTest(PointOf(lParam));
        return TRUE;
    default:
        return FALSE;
    }
}

int CWnd::OnCreate(LPCREATESTRUCT) {
    return static_cast<int>(Default());
}

void CWnd::OnDestroy() {
    Default();
}

void CWnd::OnNcDestroy() {
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this)
        app->m_pMainWnd = nullptr;
    Default();
    Detach();
    PostNcDestroy();
}

void CWnd::OnClose() {
    Default();
}

void CWnd::OnSize(UINT, int, int) {
    Default();
}

void CWnd::OnSizing(UINT, LPRECT) {
    Default();
}

void CWnd::OnMove(int, int) {
    Default();
}

void CWnd::OnWindowPosChanging(WINDOWPOS*) {
    Default();
}

void CWnd::OnWindowPosChanged(WINDOWPOS*) {
    Default();
}

void CWnd::OnGetMinMaxInfo(MINMAXINFO*) {
    Default();
}

void CWnd::OnShowWindow(BOOL, UINT) {
    Default();
}

void CWnd::OnEnable(BOOL) {
    Default();
}

void CWnd::OnActivate(UINT, CWnd*, BOOL) {
    Default();
}

void CWnd::OnPaint() {
    Default();
}

BOOL CWnd::OnEraseBkgnd(CDC*) {
    return static_cast<BOOL>(Default());
}

void CWnd::OnTimer(UINT_PTR) {
    Default();
}

void CWnd::OnSetFocus(CWnd*) {
    Default();
}

void CWnd::OnKillFocus(CWnd*) {
    Default();
}

void CWnd::OnCaptureChanged(CWnd*) {
    Default();
}

void CWnd::OnLButtonDown(UINT, CPoint) {
    Default();
}

void CWnd::OnLButtonUp(UINT, CPoint) {
    Default();
}

void CWnd::OnLButtonDblClk(UINT, CPoint) {
    Default();
}

void CWnd::OnRButtonDown(UINT, CPoint) {
    Default();
}

void CWnd::OnRButtonUp(UINT, CPoint) {
    Default();
}

void CWnd::OnMouseMove(UINT, CPoint) {
    Default();
}

BOOL CWnd::OnMouseWheel(UINT, short, CPoint) {
    return static_cast<BOOL>(Default());
}

void CWnd::OnMouseHover(UINT, CPoint) {
    Default();
}

void CWnd::OnMouseLeave() {
    Default();
}

void CWnd::OnKeyDown(UINT, UINT, UINT) {
    Default();
}

void CWnd::OnKeyUp(UINT, UINT, UINT) {
    Default();
}

void CWnd::OnChar(UINT, UINT, UINT) {
    Default();
}

void CWnd::OnSysKeyDown(UINT, UINT, UINT) {
    Default();
}

UINT CWnd::OnGetDlgCode() {
    return static_cast<UINT>(Default());
}

void CWnd::OnHScroll(UINT, UINT, CWnd* scrollBar) {
    if (scrollBar && ReflectLastMsg(scrollBar->m_hWnd))
        return;
    Default();
}

void CWnd::OnVScroll(UINT, UINT, CWnd* scrollBar) {
    if (scrollBar && ReflectLastMsg(scrollBar->m_hWnd))
        return;
    Default();
}

void CWnd::OnContextMenu(CWnd*, CPoint) {
    Default();
}

void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) {
    Default();
}

BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) {
    return static_cast<BOOL>(Default());
}

LRESULT CWnd::OnNcHitTest(CPoint) {
    return Default();
}

void CWnd::OnParentNotify(UINT, LPARAM) {
    Default();
}

void CWnd::OnStyleChanged(int, LPSTYLESTRUCT) {
    Default();
}

void CWnd::OnSysColorChange() {
    Default();
}

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)
