#include "vornui/platform/DialogManager.h"

#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/CGdiObject.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/EditControl.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/SystemBrushes.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/internal/DialogMnemonics.h"
#include "vornui/platform/internal/ModalLoop.h"
#include "vornui/platform/internal/SystemColors.h"
#include "vornui/platform/internal/WindowClass.h"
#include "vornui/platform/internal/WindowInternals.h"
#include "vornui/platform/internal/WindowRecord.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct DialogData : ControlData {
    CSize baseUnits{4, 8};
    CFont font; // the template's font, given to every control
    WORD defaultId = 0;
    HWND savedFocus = nullptr;
    bool ended = false;
    INT_PTR result = 0;
};

DialogData& DialogDataOf(HWND dialog) {
    if (DialogData* const data = ControlDataOf<DialogData>(dialog))
        return *data;
    WindowRecord* record = LiveWindow(dialog);
    record->control = std::make_unique<DialogData>();
    return static_cast<DialogData&>(*record->control);
}

// The background the dialog asks for with WM_CTLCOLORDLG (the face colour by default).
LRESULT EraseDialogBackground(HWND dialog, HDC hdc) {
    if (!hdc)
        return 0;
    const auto answer = SendMessage(dialog, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(hdc),
                                    reinterpret_cast<LPARAM>(dialog));
    HBRUSH brush = ResolveBrushHandle(reinterpret_cast<const void*>(answer));
    if (!brush)
        brush = GetSysColorBrush(COLOR_3DFACE);
    CRect client;
    GetClientRect(dialog, &client);
    FillRect(hdc, &client, brush);
    return 1;
}

bool IsDialog(HWND hwnd) {
    WindowRecord* record = LiveWindow(hwnd);
    return record && dynamic_cast<DialogData*>(record->control.get());
}

// Read from the record the caller has already found: every message a dialog does not handle
// itself passes here, a notice for each row of a long list among them.
DLGPROC DialogProcOf(const WindowRecord& dialog) {
    DLGPROC proc = nullptr;
    if (dialog.extra.size() >= DWLP_DLGPROC + sizeof proc)
        std::memcpy(&proc, dialog.extra.data() + DWLP_DLGPROC, sizeof proc);
    return proc;
}

// A control the keyboard can reach: shown and enabled itself, whatever its dialog is.
bool Reachable(HWND hwnd) {
    const DWORD style = StyleOf(hwnd);
    return (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

// The controls Tab walks through, in order; a child that is a control parent itself
// (a page inside a sheet) contributes its own controls.
void CollectTabOrder(HWND parent, std::vector<HWND>& order) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLong(child, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) && Reachable(child))
            CollectTabOrder(child, order);
        else
            order.push_back(child);
    }
}

// Moves the focus the way the dialog manager does: an edit gets all its text selected.
void DialogSetFocus(HWND control) {
    if (!control)
        return;
    if (SendMessage(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        SendMessage(control, EM_SETSEL, 0, -1);
    SetFocus(control);
}

HWND FirstTabItem(HWND dialog) {
    return GetNextDlgTabItem(dialog, nullptr, FALSE);
}

void RestoreFocus(HWND dialog) {
    DialogData& data = DialogDataOf(dialog);
    if (data.savedFocus && IsChild(dialog, data.savedFocus) && Reachable(data.savedFocus))
        SetFocus(data.savedFocus);
    else if (const HWND first = FirstTabItem(dialog))
        DialogSetFocus(first);
}

void ChangeDefaultId(HWND dialog, WORD id) {
    DialogData& data = DialogDataOf(dialog);
    if (const HWND old = GetDlgItem(dialog, data.defaultId);
        old && (SendMessage(old, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON))
        SendMessage(old, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    data.defaultId = id;
    if (const HWND button = GetDlgItem(dialog, id);
        button && (SendMessage(button, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON))
        SendMessage(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

// The dialog's own state is looked up only by the messages that use it: a notice from a
// control, which the dialog's owner did not take, arrives once per row of a long list.
LRESULT DefaultDialogProcessing(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NOTIFY: // nothing is due, here or in the window's default processing
        return 0;
    case WM_CLOSE:
        PostMessage(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                    reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
        return 0;
    case WM_NEXTDLGCTL:
        if (LOWORD(lParam))
            DialogSetFocus(reinterpret_cast<HWND>(wParam));
        else
            DialogSetFocus(GetNextDlgTabItem(dialog, GetFocus(), wParam != 0));
        return 0;
    case DM_GETDEFID: {
        const WORD defaultId = DialogDataOf(dialog).defaultId;
        return defaultId ? MAKELRESULT(defaultId, DC_HASDEFID) : 0;
    }
    case DM_SETDEFID:
        ChangeDefaultId(dialog, static_cast<WORD>(wParam));
        return TRUE;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (IsChild(dialog, GetFocus()))
                DialogDataOf(dialog).savedFocus = GetFocus();
        } else if (!IsChild(dialog, GetFocus())) {
            RestoreFocus(dialog);
        }
        return 0;
    case WM_SETFOCUS:
        RestoreFocus(dialog);
        return 0;
    case WM_ERASEBKGND:
        return EraseDialogBackground(dialog, reinterpret_cast<HDC>(wParam));
    default:
        return DefWindowProc(dialog, message, wParam, lParam);
    }
}

// Messages whose dialog-procedure result is the message's result itself, not DWLP_MSGRESULT.
bool ReturnsDirectly(UINT message) {
    return message == WM_INITDIALOG || (message >= WM_CTLCOLOREDIT && message <= WM_CTLCOLORSTATIC);
}

LRESULT DialogClassProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        DialogDataOf(dialog);
    return DefDlgProc(dialog, message, wParam, lParam);
}

CSize BaseUnitsFor(const DialogTemplate& dialog) {
    if ((dialog.style & DS_SETFONT) && dialog.fontName) {
        const FontCharMetrics metrics = MeasureFont(dialog.fontName, dialog.pointSize);
        return CSize(metrics.averageWidth, metrics.height);
    }
    const LONG units = GetDialogBaseUnits();
    return CSize(LOWORD(units), HIWORD(units));
}

CRect ToPixels(CSize units, int x, int y, int cx, int cy) {
    return CRect(MulDiv(x, units.cx, 4), MulDiv(y, units.cy, 8), MulDiv(x + cx, units.cx, 4),
                 MulDiv(y + cy, units.cy, 8));
}

// The dialog's window rectangle: the template's client size with the frame around it,
// placed relative to its owner's client area (or centred, or on the screen).
CRect DialogWindowRect(const DialogTemplate& dialog, CSize units, HWND parent) {
    const CRect client = ToPixels(units, dialog.x, dialog.y, dialog.cx, dialog.cy);
    CRect window(0, 0, client.Width(), client.Height());
    AdjustWindowRectEx(&window, dialog.style, FALSE, dialog.exStyle);
    window.OffsetRect(-window.left, -window.top);
    if (dialog.style & DS_CENTER) {
        MONITORINFO info{sizeof info, {}, {}, 0};
        const HMONITOR monitor = parent ? MonitorFromWindow(parent, MONITOR_DEFAULTTONEAREST)
                                        : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
        GetMonitorInfo(monitor, &info);
        const CRect work = info.rcWork;
        window.OffsetRect(work.left + (work.Width() - window.Width()) / 2,
                          work.top + (work.Height() - window.Height()) / 2);
        return window;
    }
    POINT origin = client.TopLeft();
    if (parent && !(dialog.style & DS_ABSALIGN) && !(dialog.style & WS_CHILD))
        ClientToScreen(parent, &origin);
    window.OffsetRect(origin);
    return window;
}

// The template's font, at the screen's resolution, for the dialog and its controls.
void CreateDialogFont(HWND dialog, const DialogTemplate& dialogTemplate) {
    if (!(dialogTemplate.style & DS_SETFONT) || !dialogTemplate.fontName)
        return;
    CFont& font = DialogDataOf(dialog).font;
    font.CreateFont(-MulDiv(dialogTemplate.pointSize, GetScreenDpi(), 72), 0, 0, 0, FW_NORMAL,
                    FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                    DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, dialogTemplate.fontName);
    SendMessage(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font.m_hObject), FALSE);
}

bool CreateControls(HWND dialog, const DialogTemplate& dialogTemplate, CSize units,
                    HINSTANCE instance) {
    DialogData& data = DialogDataOf(dialog);
    for (WORD index = 0; index < dialogTemplate.itemCount; ++index) {
        const DialogItemTemplate& item = dialogTemplate.items[index];
        const CRect rect = ToPixels(units, item.x, item.y, item.cx, item.cy);
        const HWND control = CreateWindowEx(
            item.exStyle | WS_EX_NOPARENTNOTIFY, item.windowClass, item.text, item.style | WS_CHILD,
            rect.left, rect.top, rect.Width(), rect.Height(), dialog,
            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(item.id)), instance, nullptr);
        if (!control && !(dialogTemplate.style & DS_NOFAILCREATE))
            return false;
        if (control && data.font.m_hObject)
            SendMessage(control, WM_SETFONT, reinterpret_cast<WPARAM>(data.font.m_hObject), FALSE);
        if (control && (item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON &&
            SendMessage(control, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON && !data.defaultId)
            data.defaultId = item.id;
    }
    return true;
}

// Enter presses the focused push button, else the default button (IDOK without one).
void PressEnter(HWND dialog, HWND focus) {
    HWND button = nullptr;
    int id = IDOK;
    if (focus &&
        (SendMessage(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
        button = focus;
        id = GetDlgCtrlID(focus);
    } else {
        const LRESULT defId = SendMessage(dialog, DM_GETDEFID, 0, 0);
        if (HIWORD(defId) == DC_HASDEFID)
            id = LOWORD(defId);
        button = GetDlgItem(dialog, id);
    }
    if (button && !IsWindowEnabled(button)) {
        MessageBeep(0);
        return;
    }
    SendMessage(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

// The keys the dialog handles itself unless the focused control (its WM_GETDLGCODE answer
// is `code`) wants them; true when `key` was one of them.
bool NavigateWithKey(HWND dialog, WPARAM key, LRESULT code) {
    const HWND focus = GetFocus();
    switch (key) {
    case VK_TAB:
        if (code & DLGC_WANTTAB)
            return false;
        DialogSetFocus(GetNextDlgTabItem(dialog, focus, GetKeyState(VK_SHIFT) < 0));
        return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
        if (code & DLGC_WANTARROWS)
            return false;
        const HWND next = GetNextDlgGroupItem(dialog, focus, key == VK_LEFT || key == VK_UP);
        if (next && next != focus) {
            DialogSetFocus(next);
            if (SendMessage(next, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)
                SendMessage(next, BM_CLICK, 0, 0);
        }
        return true;
    }
    case VK_RETURN:
        PressEnter(dialog, focus);
        return true;
    case VK_ESCAPE:
        SendMessage(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                    reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
        return true;
    default:
        return false;
    }
}

// Dialogs keep their procedure and results in the window's extra bytes.
const SystemClass kDialogClass("#32770", DialogClassProc, CS_DBLCLKS | CS_SAVEBITS, DLGWINDOWEXTRA);

} // namespace

const DialogTemplate* LoadDialogTemplate(HINSTANCE module, LPCTSTR name) {
    if (!module)
        module = AfxFindResourceHandle(name, RT_DIALOG);
    const HRSRC resource = FindResource(module, name, RT_DIALOG);
    if (!resource || SizeofResource(module, resource) != sizeof(DialogTemplate))
        return nullptr;
    return static_cast<const DialogTemplate*>(LockResource(LoadResource(module, resource)));
}

LRESULT DefDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    const WindowRecord* const record = LiveWindow(dialog);
    if (!record)
        return 0;
    if (const DLGPROC proc = DialogProcOf(*record)) {
        SetWindowLongPtr(dialog, DWLP_MSGRESULT, 0);
        const INT_PTR handled = proc(dialog, message, wParam, lParam);
        if (!IsWindow(dialog))
            return 0;
        if (ReturnsDirectly(message))
            return handled;
        if (handled)
            return GetWindowLongPtr(dialog, DWLP_MSGRESULT);
    }
    return DefaultDialogProcessing(dialog, message, wParam, lParam);
}

HWND CreateDialogIndirectParam(HINSTANCE instance, const DialogTemplate* dialog, HWND parent,
                               DLGPROC proc, LPARAM param) {
    if (!dialog)
        return nullptr;
    const CSize units = BaseUnitsFor(*dialog);
    const CRect window = DialogWindowRect(*dialog, units, parent);
    DWORD exStyle = dialog->exStyle;
    if (dialog->style & DS_MODALFRAME)
        exStyle |= WS_EX_DLGMODALFRAME;
    if (dialog->style & DS_CONTROL)
        exStyle |= WS_EX_CONTROLPARENT;
    const HWND hwnd =
        CreateWindowEx(exStyle, dialog->windowClass ? dialog->windowClass : "#32770",
                       dialog->caption, dialog->style & ~WS_VISIBLE, window.left, window.top,
                       window.Width(), window.Height(), parent, nullptr, instance, nullptr);
    if (!hwnd)
        return nullptr;
    DialogDataOf(hwnd).baseUnits = units;
    SetWindowLongPtr(hwnd, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));
    CreateDialogFont(hwnd, *dialog);
    if (!CreateControls(hwnd, *dialog, units, instance)) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    const HWND first = FirstTabItem(hwnd);
    if (SendMessage(hwnd, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param) && first &&
        IsWindow(hwnd))
        DialogSetFocus(first);
    // A dialog that showed itself while initialised (restoring a maximised placement) stays
    // as it is.
    if (IsWindow(hwnd) && (dialog->style & WS_VISIBLE) && !DialogDataOf(hwnd).ended &&
        !(GetWindowLong(hwnd, GWL_STYLE) & WS_VISIBLE))
        ShowWindow(hwnd, SW_SHOWNORMAL);
    return IsWindow(hwnd) ? hwnd : nullptr;
}

HWND CreateDialogParam(HINSTANCE instance, LPCTSTR name, HWND parent, DLGPROC proc, LPARAM param) {
    return CreateDialogIndirectParam(instance, LoadDialogTemplate(instance, name), parent, proc,
                                     param);
}

INT_PTR DialogBoxIndirectParam(HINSTANCE instance, const DialogTemplate* dialog, HWND parent,
                               DLGPROC proc, LPARAM param) {
    const HWND owner = parent ? GetAncestor(parent, GA_ROOT) : nullptr;
    const bool disabledOwner = owner && IsWindowEnabled(owner);
    if (disabledOwner)
        EnableWindow(owner, FALSE);
    const HWND hwnd = CreateDialogIndirectParam(instance, dialog, parent, proc, param);
    INT_PTR result = -1;
    if (hwnd) {
        if (!DialogDataOf(hwnd).ended && !IsWindowVisible(hwnd))
            ShowWindow(hwnd, SW_SHOWNORMAL);
        RunModalDialogLoop(
            hwnd, [hwnd] { return !IsWindow(hwnd) || DialogDataOf(hwnd).ended; },
            [hwnd](MSG* msg) { return IsDialogMessage(hwnd, msg) != FALSE; },
            [hwnd] { EndDialog(hwnd, IDCANCEL); });
        result = IsWindow(hwnd) ? DialogDataOf(hwnd).result : IDCANCEL;
    }
    if (disabledOwner)
        EnableWindow(owner, TRUE);
    if (IsWindow(hwnd))
        DestroyWindow(hwnd);
    return result;
}

INT_PTR DialogBoxParam(HINSTANCE instance, LPCTSTR name, HWND parent, DLGPROC proc, LPARAM param) {
    const DialogTemplate* dialog = LoadDialogTemplate(instance, name);
    return dialog ? DialogBoxIndirectParam(instance, dialog, parent, proc, param) : -1;
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
    if (!IsDialog(dialog))
        return FALSE;
    DialogData& data = DialogDataOf(dialog);
    data.ended = true;
    data.result = result;
    // The dialog disappears at once, also a modeless one, which stays until destroyed.
    SetWindowPos(dialog, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    return TRUE;
}

BOOL IsDialogMessage(HWND dialog, LPMSG msg) {
    if (!IsWindow(dialog) || (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd)))
        return FALSE;
    if (msg->message == WM_SYSCHAR && ActOnMnemonic(dialog, static_cast<char>(msg->wParam)))
        return TRUE;
    if (msg->message == WM_KEYDOWN || msg->message == WM_CHAR) {
        const LRESULT code =
            SendMessage(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg));
        // A letter typed where no characters are wanted is a mnemonic, as with Alt.
        if (msg->message == WM_CHAR && !(code & (DLGC_WANTCHARS | DLGC_WANTALLKEYS)) &&
            msg->wParam > ' ' && ActOnMnemonic(dialog, static_cast<char>(msg->wParam)))
            return TRUE;
        if (!(code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE))) {
            if (msg->message == WM_KEYDOWN && NavigateWithKey(dialog, msg->wParam, code))
                return TRUE;
            // The characters of the keys the dialog handles are not typed into the control.
            const bool navigation = msg->wParam == '\r' || msg->wParam == 0x1B ||
                                    (msg->wParam == '\t' && !(code & DLGC_WANTTAB));
            if (msg->message == WM_CHAR && navigation)
                return TRUE;
        }
    }
    TranslateMessage(msg);
    DispatchMessage(msg);
    return TRUE;
}

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    std::vector<HWND> order;
    CollectTabOrder(dialog, order);
    if (previous)
        std::reverse(order.begin(), order.end());
    const auto stop = [](HWND hwnd) { return (StyleOf(hwnd) & WS_TABSTOP) && Reachable(hwnd); };
    // A control inside a control (the edit of a combo box) stands for its container.
    while (control && GetParent(control) &&
           std::find(order.begin(), order.end(), control) == order.end() &&
           IsChild(dialog, GetParent(control)))
        control = GetParent(control);
    const auto at = std::find(order.begin(), order.end(), control);
    if (at == order.end()) {
        const auto first = std::find_if(order.begin(), order.end(), stop);
        return first == order.end() ? nullptr : *first;
    }
    const size_t start = static_cast<size_t>(at - order.begin());
    for (size_t step = 1; step <= order.size(); ++step) {
        const HWND candidate = order[(start + step) % order.size()];
        if (stop(candidate))
            return candidate;
    }
    return control;
}

HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
    if (!control || !IsChild(dialog, control))
        return GetNextDlgTabItem(dialog, nullptr, FALSE);
    std::vector<HWND> siblings;
    for (HWND child = GetWindow(GetParent(control), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT))
        siblings.push_back(child);
    const auto at = std::find(siblings.begin(), siblings.end(), control);
    auto first = at;
    while (first != siblings.begin() && !(StyleOf(*first) & WS_GROUP))
        --first;
    auto last = at + 1;
    while (last != siblings.end() && !(StyleOf(*last) & WS_GROUP))
        ++last;
    std::vector<HWND> group(first, last);
    if (previous)
        std::reverse(group.begin(), group.end());
    const size_t start =
        static_cast<size_t>(std::find(group.begin(), group.end(), control) - group.begin());
    for (size_t step = 1; step < group.size(); ++step) {
        const HWND candidate = group[(start + step) % group.size()];
        if (Reachable(candidate))
            return candidate;
    }
    return control;
}

BOOL MapDialogRect(HWND dialog, LPRECT rect) {
    if (!IsDialog(dialog) || !rect)
        return FALSE;
    const CSize units = DialogDataOf(dialog).baseUnits;
    *rect =
        ToPixels(units, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
    return TRUE;
}

LRESULT SendDlgItemMessage(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessage(GetDlgItem(dialog, id), message, wParam, lParam);
}

BOOL SetDlgItemText(HWND dialog, int id, LPCTSTR text) {
    return SetWindowText(GetDlgItem(dialog, id), text);
}

UINT GetDlgItemText(HWND dialog, int id, LPTSTR text, int maxCount) {
    return static_cast<UINT>(GetWindowText(GetDlgItem(dialog, id), text, maxCount));
}

BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned) {
    char text[16];
    std::snprintf(text, sizeof text, isSigned ? "%d" : "%u", value);
    return SetDlgItemText(dialog, id, text);
}

UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned) {
    char text[64];
    if (translated)
        *translated = FALSE;
    const HWND item = GetDlgItem(dialog, id);
    if (!item || GetWindowTextLength(item) >= static_cast<int>(sizeof text))
        return 0;
    GetWindowText(item, text, sizeof text);
    const char* begin = text;
    while (*begin == ' ')
        ++begin;
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(begin, &end, 10);
    while (end && *end == ' ')
        ++end;
    const bool inRange = isSigned ? (value >= INT32_MIN && value <= INT32_MAX)
                                  : (value >= 0 && value <= UINT32_MAX && *begin != '-');
    if (end == begin || !end || *end || errno || !inRange)
        return 0;
    if (translated)
        *translated = TRUE;
    return static_cast<UINT>(value);
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
    return SendDlgItemMessage(dialog, id, BM_SETCHECK, check, 0) == 0 &&
           GetDlgItem(dialog, id) != nullptr;
}

UINT IsDlgButtonChecked(HWND dialog, int id) {
    return static_cast<UINT>(SendDlgItemMessage(dialog, id, BM_GETCHECK, 0, 0));
}

BOOL CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId) {
    for (int id = firstId; id <= lastId; ++id)
        SendDlgItemMessage(dialog, id, BM_SETCHECK, id == checkId ? BST_CHECKED : BST_UNCHECKED, 0);
    return TRUE;
}
