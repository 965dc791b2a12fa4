#include "vornui/platform/Window.h"

#include "vornui/platform/LastError.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/internal/ThreadMessageQueue.h"
#include "vornui/platform/internal/UpdateRegions.h"
#include "vornui/platform/internal/WindowClass.h"
#include "vornui/platform/internal/WindowInternals.h"
#include "vornui/platform/internal/WindowRecord.h"

#include <algorithm>
#include <cstring>

namespace {

bool ExtraIndexValid(const WindowRecord& record, int index, size_t width) {
    return index >= 0 && static_cast<size_t>(index) + width <= record.extra.size();
}

template <typename Value>
Value ReadExtra(const WindowRecord& record, int index) {
    Value value{};
    std::memcpy(&value, record.extra.data() + index, sizeof value);
    return value;
}

template <typename Value>
Value WriteExtra(WindowRecord& record, int index, Value value) {
    const Value previous = ReadExtra<Value>(record, index);
    std::memcpy(record.extra.data() + index, &value, sizeof value);
    return previous;
}

// The top-level window that holds `hwnd`.
HWND RootOf(HWND hwnd) {
    for (HWND parent = RecordOf(hwnd)->parent; parent; parent = RecordOf(hwnd)->parent)
        hwnd = parent;
    return hwnd;
}

DWORD ChangeStyle(HWND hwnd, int index, DWORD value) {
    WindowRecord& record = *RecordOf(hwnd);
    DWORD& field = index == GWL_STYLE ? record.style : record.exStyle;
    STYLESTRUCT change{field, value};
    SendMessage(hwnd, WM_STYLECHANGING, static_cast<WPARAM>(index),
                reinterpret_cast<LPARAM>(&change));
    const DWORD previous = field;
    field = change.styleNew;
    change.styleOld = previous;
    NotePaintChange(); // it may have been shown
    SendMessage(hwnd, WM_STYLECHANGED, static_cast<WPARAM>(index),
                reinterpret_cast<LPARAM>(&change));
    return previous;
}

LONG_PTR SetWindowData(HWND hwnd, int index, LONG_PTR value, size_t width) {
    WindowRecord* record = LiveWindow(hwnd);
    if (!record)
        return 0;
    switch (index) {
    case GWLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(
            std::exchange(record->proc, reinterpret_cast<WNDPROC>(value)));
    case GWLP_HINSTANCE:
        return reinterpret_cast<LONG_PTR>(
            std::exchange(record->instance, reinterpret_cast<HANDLE>(value)));
    case GWLP_HWNDPARENT:
        return reinterpret_cast<LONG_PTR>(
            std::exchange(record->owner, reinterpret_cast<HWND>(value)));
    case GWL_STYLE:
    case GWL_EXSTYLE:
        return ChangeStyle(hwnd, index, static_cast<DWORD>(value));
    case GWLP_USERDATA:
        return std::exchange(record->userData, value);
    case GWLP_ID:
        return static_cast<LONG_PTR>(std::exchange(record->id, static_cast<UINT_PTR>(value)));
    default:
        if (!ExtraIndexValid(*record, index, width)) {
            SetLastError(ERROR_INVALID_INDEX);
            return 0;
        }
        return width == sizeof(LONG) ? WriteExtra<LONG>(*record, index, static_cast<LONG>(value))
                                     : WriteExtra<LONG_PTR>(*record, index, value);
    }
}

LONG_PTR GetWindowData(HWND hwnd, int index, size_t width) {
    const WindowRecord* record = LiveWindow(hwnd);
    if (!record)
        return 0;
    switch (index) {
    case GWLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(record->proc);
    case GWLP_HINSTANCE:
        return reinterpret_cast<LONG_PTR>(record->instance);
    case GWLP_HWNDPARENT:
        return reinterpret_cast<LONG_PTR>(record->parent ? record->parent : record->owner);
    case GWL_STYLE:
        return static_cast<LONG>(record->style);
    case GWL_EXSTYLE:
        return static_cast<LONG>(record->exStyle);
    case GWLP_USERDATA:
        return record->userData;
    case GWLP_ID:
        return static_cast<LONG_PTR>(record->id);
    default:
        if (!ExtraIndexValid(*record, index, width)) {
            SetLastError(ERROR_INVALID_INDEX);
            return 0;
        }
        return width == sizeof(LONG) ? ReadExtra<LONG>(*record, index)
                                     : ReadExtra<LONG_PTR>(*record, index);
    }
}

void CollectDescendants(HWND parent, std::vector<HWND>& out) {
    for (HWND child : ChildrenOf(parent)) {
        out.push_back(child);
        CollectDescendants(child, out);
    }
}

} // namespace

LONG GetWindowLong(HWND hwnd, int index) {
    return static_cast<LONG>(GetWindowData(hwnd, index, sizeof(LONG)));
}

DWORD StyleOf(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLong(hwnd, GWL_STYLE));
}

LONG SetWindowLong(HWND hwnd, int index, LONG value) {
    return static_cast<LONG>(SetWindowData(hwnd, index, value, sizeof(LONG)));
}

LONG_PTR GetWindowLongPtr(HWND hwnd, int index) {
    return GetWindowData(hwnd, index, sizeof(LONG_PTR));
}

LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value) {
    return SetWindowData(hwnd, index, value, sizeof(LONG_PTR));
}

int GetDlgCtrlID(HWND hwnd) {
    const WindowRecord* record = LiveWindow(hwnd);
    return record && (record->style & WS_CHILD) ? static_cast<int>(record->id) : 0;
}

int GetClassName(HWND hwnd, LPTSTR className, int maxCount) {
    const WindowRecord* record = LiveWindow(hwnd);
    if (!record || !record->windowClass || maxCount <= 0)
        return 0;
    const std::string& name = record->windowClass->name;
    const size_t length = std::min(name.size(), static_cast<size_t>(maxCount - 1));
    std::memcpy(className, name.data(), length);
    className[length] = '\0';
    return static_cast<int>(length);
}

LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallProcedure(proc, hwnd, message, wParam, lParam);
}

BOOL SetWindowText(HWND hwnd, LPCTSTR text) {
    return static_cast<BOOL>(SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)));
}

int GetWindowText(HWND hwnd, LPTSTR text, int maxCount) {
    if (!text || maxCount <= 0)
        return 0;
    text[0] = '\0';
    return static_cast<int>(SendMessage(hwnd, WM_GETTEXT, static_cast<WPARAM>(maxCount),
                                        reinterpret_cast<LPARAM>(text)));
}

int GetWindowTextLength(HWND hwnd) {
    return static_cast<int>(SendMessage(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

HWND GetParent(HWND hwnd) {
    const WindowRecord* record = LiveWindow(hwnd);
    if (!record)
        return nullptr;
    return (record->style & WS_CHILD) ? record->parent : record->owner;
}

HWND SetParent(HWND child, HWND newParent) {
    WindowRecord* record = LiveWindow(child);
    if (!record || (newParent && !IsLiveWindow(newParent)) || child == DesktopRecord())
        return nullptr;
    if (newParent == DesktopRecord())
        newParent = nullptr;
    const HWND previous = ParentOrDesktop(child);
    UnlinkChild(ParentOrDesktop(child), child);
    record->parent = newParent;
    LinkChild(ParentOrDesktop(child), child, HWND_TOP);
    NotePaintChange(); // shown with its new parent, it may paint what waited
    return previous;
}

HWND GetAncestor(HWND hwnd, UINT flags) {
    if (!IsLiveWindow(hwnd) || hwnd == DesktopRecord())
        return nullptr;
    switch (flags) {
    case GA_PARENT:
        return ParentOrDesktop(hwnd);
    case GA_ROOT:
        return RootOf(hwnd);
    case GA_ROOTOWNER:
        hwnd = RootOf(hwnd);
        while (const HWND owner = RecordOf(hwnd)->owner)
            hwnd = RootOf(owner);
        return hwnd;
    default:
        return nullptr;
    }
}

// The uppermost visible, enabled window that `owner` owns: the one the user last brought
// forward, since activation raises a window.
static HWND UppermostEnabledPopup(HWND owner) {
    for (HWND window : ChildrenOf(DesktopRecord())) {
        const WindowRecord* record = RecordOf(window);
        if (record->owner == owner && (record->style & WS_VISIBLE) &&
            !(record->style & WS_DISABLED))
            return window;
    }
    return nullptr;
}

HWND GetLastActivePopup(HWND hwnd) {
    if (!LiveWindow(hwnd))
        return nullptr;
    const HWND popup = UppermostEnabledPopup(hwnd);
    return popup ? popup : hwnd;
}

HWND GetWindow(HWND hwnd, UINT command) {
    WindowRecord* record = LiveWindow(hwnd);
    if (!record)
        return nullptr;
    if (command == GW_CHILD) {
        const std::vector<HWND> children = ChildrenOf(hwnd);
        return children.empty() ? nullptr : children.front();
    }
    if (command == GW_OWNER)
        return record->owner;
    if (command == GW_ENABLEDPOPUP)
        return UppermostEnabledPopup(hwnd);
    if (hwnd == DesktopRecord())
        return nullptr;
    const std::vector<HWND> siblings = ChildrenOf(ParentOrDesktop(hwnd));
    const auto at = std::find(siblings.begin(), siblings.end(), hwnd);
    switch (command) {
    case GW_HWNDFIRST:
        return siblings.front();
    case GW_HWNDLAST:
        return siblings.back();
    case GW_HWNDNEXT:
        return at + 1 < siblings.end() ? *(at + 1) : nullptr;
    case GW_HWNDPREV:
        return at != siblings.begin() ? *(at - 1) : nullptr;
    default:
        return nullptr;
    }
}

HWND GetTopWindow(HWND hwnd) {
    return GetWindow(hwnd ? hwnd : DesktopRecord(), GW_CHILD);
}

HWND GetNextWindow(HWND hwnd, UINT command) {
    return GetWindow(hwnd, command);
}

BOOL IsChild(HWND parent, HWND hwnd) {
    const WindowRecord* record = LiveWindow(hwnd);
    if (!record || !parent)
        return FALSE;
    for (HWND up = record->parent; up; up = RecordOf(up)->parent)
        if (up == parent)
            return TRUE;
    return FALSE;
}

HWND GetDlgItem(HWND dialog, int id) {
    if (!IsLiveWindow(dialog))
        return nullptr;
    for (HWND child : ChildrenOf(dialog))
        if (static_cast<int>(RecordOf(child)->id) == id)
            return child;
    return nullptr;
}

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam) {
    std::vector<HWND> all;
    CollectDescendants(parent ? parent : DesktopRecord(), all);
    for (HWND hwnd : all)
        if (IsLiveWindow(hwnd) && !proc(hwnd, lParam))
            return FALSE;
    return TRUE;
}

BOOL EnumWindows(WNDENUMPROC proc, LPARAM lParam) {
    for (HWND hwnd : ChildrenOf(DesktopRecord()))
        if (IsLiveWindow(hwnd) && !proc(hwnd, lParam))
            return FALSE;
    return TRUE;
}
