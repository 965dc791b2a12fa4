#include "vornui/platform/CodePage.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/LastError.h"
#include "vornui/platform/Menu.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/SystemBrushes.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/internal/MenuRecord.h"
#include "vornui/platform/internal/WindowClass.h"
#include "vornui/platform/internal/WindowRecord.h"

#include <cctype>
#include <cstdio>
#include <string>

namespace {

constexpr const char* kMenuClass = "#32768";

// The state of a popup menu's window.
struct PopupMenuData : ControlData {
    HMENU menu = nullptr;
    int hot = -1; // the selected item, -1 for none
};

// One popup menu being tracked by the calling thread.
struct MenuTracking {
    HMENU menu;
    HWND popup;
    HWND owner;
    UINT flags;
    bool ended = false;
    UINT chosen = 0;
};

thread_local MenuTracking* t_tracking = nullptr;

void PaintPopup(HWND hwnd) {
    PAINTSTRUCT paint{};
    HDC hdc = BeginPaint(hwnd, &paint);
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(hdc, &client, GetSysColorBrush(COLOR_MENU));
    const PopupMenuData* data = ControlDataOf<PopupMenuData>(hwnd);
    if (const MenuTag* menu = data ? LiveMenu(data->menu) : nullptr) {
        for (size_t index = 0; index < menu->items.size(); ++index)
            PaintMenuItem(hdc, menu->items[index], false, static_cast<int>(index) == data->hot);
    }
    EndPaint(hwnd, &paint);
}

LRESULT PopupMenuProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE: {
        auto data = std::make_unique<PopupMenuData>();
        data->menu = static_cast<HMENU>(reinterpret_cast<CREATESTRUCT*>(lParam)->lpCreateParams);
        LiveWindow(hwnd)->control = std::move(data);
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
    case WM_PAINT:
        PaintPopup(hwnd);
        return 0;
    case WM_ERASEBKGND:
        return 1; // the paint covers the whole client area
    case MN_GETHMENU: {
        const PopupMenuData* data = ControlDataOf<PopupMenuData>(hwnd);
        return data ? reinterpret_cast<LRESULT>(data->menu) : 0;
    }
    default:
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

// Where the menu goes: aligned to (x, y) as the flags say, flipped to the other side of
// the point where it would leave the work area, and off the excluded rectangle.
CRect PlacePopup(CSize size, UINT flags, int x, int y, const RECT* exclude) {
    int left = (flags & TPM_RIGHTALIGN)    ? x - size.cx
               : (flags & TPM_CENTERALIGN) ? x - size.cx / 2
                                           : x;
    int top = (flags & TPM_BOTTOMALIGN)    ? y - size.cy
              : (flags & TPM_VCENTERALIGN) ? y - size.cy / 2
                                           : y;
    MONITORINFO info{sizeof info, {}, {}, 0};
    GetMonitorInfo(MonitorFromPoint(POINT{x, y}, MONITOR_DEFAULTTONEAREST), &info);
    const CRect area(info.rcWork);
    if (left + size.cx > area.right)
        left = x - size.cx;
    if (top + size.cy > area.bottom)
        top = y - size.cy;
    left = std::max<int>(area.left, std::min<int>(left, area.right - size.cx));
    top = std::max<int>(area.top, std::min<int>(top, area.bottom - size.cy));
    CRect placed(CPoint(left, top), size);
    CRect overlap;
    if (!exclude || !overlap.IntersectRect(&placed, exclude))
        return placed;
    if (flags & TPM_VERTICAL) {
        const int below = exclude->bottom;
        placed.MoveToY(below + size.cy <= area.bottom ? below : exclude->top - size.cy);
    } else {
        const int right = exclude->right;
        placed.MoveToX(right + size.cx <= area.right ? right : exclude->left - size.cx);
    }
    return placed;
}

HWND OpenPopupWindow(HMENU menu, UINT flags, int x, int y, HWND owner, const RECT* exclude) {
    const DWORD style = WS_POPUP | WS_DLGFRAME;
    const DWORD exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    const HWND popup =
        CreateWindowEx(exStyle, kMenuClass, "", style, 0, 0, 0, 0, owner, nullptr, nullptr, menu);
    if (!popup)
        return nullptr;
    HDC hdc = GetDC(popup);
    const CSize items = LayOutPopupItems(hdc, *LiveMenu(menu));
    ReleaseDC(popup, hdc);
    CRect frame(CPoint(0, 0), items);
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLong(popup, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLong(popup, GWL_EXSTYLE)));
    const CRect placed = PlacePopup(frame.Size(), flags, x, y, exclude);
    SetWindowPos(popup, HWND_TOP, placed.left, placed.top, placed.Width(), placed.Height(),
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    LiveMenu(menu)->window = popup;
    UpdateWindow(popup);
    return popup;
}

// The item under a screen point, -1 for none.
int ItemAt(const MenuTracking& tracking, POINT screen) {
    const MenuTag* menu = LiveMenu(tracking.menu);
    if (!menu)
        return -1;
    ScreenToClient(tracking.popup, &screen);
    for (size_t index = 0; index < menu->items.size(); ++index)
        if (menu->items[index].rect.PtInRect(screen))
            return static_cast<int>(index);
    return -1;
}

bool Selectable(const MenuItemRecord& item) {
    return !(item.flags & (MF_SEPARATOR | MF_GRAYED | MF_DISABLED)) && !item.subMenu;
}

// Selects item `index` (none for -1 or a separator, which is never drawn selected).
void SetHot(const MenuTracking& tracking, int index) {
    const MenuTag* menu = LiveMenu(tracking.menu);
    if (!menu || index < 0 || static_cast<size_t>(index) >= menu->items.size() ||
        (menu->items[static_cast<size_t>(index)].flags & MF_SEPARATOR))
        index = -1;
    PopupMenuData* data = ControlDataOf<PopupMenuData>(tracking.popup);
    if (!data || data->hot == index)
        return;
    data->hot = index;
    InvalidateRect(tracking.popup, nullptr, FALSE);
    UpdateWindow(tracking.popup);
}

// A greyed item, a separator or a submenu cannot be picked: the menu stays open.
void Choose(MenuTracking& tracking, int index) {
    const MenuTag* menu = LiveMenu(tracking.menu);
    if (!menu || index < 0 || static_cast<size_t>(index) >= menu->items.size())
        return;
    const MenuItemRecord& item = menu->items[static_cast<size_t>(index)];
    if (!Selectable(item))
        return;
    tracking.chosen = static_cast<UINT>(item.id);
    tracking.ended = true;
}

void MoveHot(const MenuTracking& tracking, int step) {
    const MenuTag* menu = LiveMenu(tracking.menu);
    const PopupMenuData* data = ControlDataOf<PopupMenuData>(tracking.popup);
    if (!menu || !data || menu->items.empty())
        return;
    const int count = static_cast<int>(menu->items.size());
    int index = data->hot < 0 && step < 0 ? count : data->hot;
    for (int tries = 0; tries < count; ++tries) {
        index = ((index + step) % count + count) % count;
        if (!(menu->items[static_cast<size_t>(index)].flags & MF_SEPARATOR))
            return SetHot(tracking, index);
    }
}

// The item whose underlined letter is `key`, -1 for none.
int ItemWithMnemonic(const MenuTracking& tracking, UINT key) {
    const MenuTag* menu = LiveMenu(tracking.menu);
    if (!menu)
        return -1;
    for (size_t index = 0; index < menu->items.size(); ++index) {
        const CString& text = menu->items[index].text;
        for (int at = text.Find('&'); at >= 0 && at + 1 < text.GetLength();
             at = text.Find('&', at + 2)) {
            const auto letter = static_cast<unsigned char>(text[at + 1]);
            if (letter != '&' && static_cast<UINT>(std::toupper(letter)) == key)
                return static_cast<int>(index);
        }
    }
    return -1;
}

void HandleKey(MenuTracking& tracking, UINT key) {
    switch (key) {
    case VK_ESCAPE:
    case VK_MENU:
        tracking.ended = true;
        break;
    case VK_UP:
        MoveHot(tracking, -1);
        break;
    case VK_DOWN:
        MoveHot(tracking, 1);
        break;
    case VK_RETURN:
        if (const PopupMenuData* data = ControlDataOf<PopupMenuData>(tracking.popup))
            Choose(tracking, data->hot);
        break;
    default:
        Choose(tracking, ItemWithMnemonic(tracking, key));
        break;
    }
}

void HandleMouse(MenuTracking& tracking, const MSG& msg) {
    const int index = ItemAt(tracking, msg.pt);
    switch (msg.message) {
    case WM_MOUSEMOVE:
        SetHot(tracking, index);
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: {
        RECT window;
        GetWindowRect(tracking.popup, &window);
        if (!PtInRect(&window, msg.pt))
            tracking.ended = true; // a click beside the menu closes it
        else
            SetHot(tracking, index);
        break;
    }
    case WM_LBUTTONUP:
        Choose(tracking, index);
        break;
    case WM_RBUTTONUP:
        if (tracking.flags & TPM_RIGHTBUTTON)
            Choose(tracking, index);
        break;
    default:
        break;
    }
}

// The menu loop takes the input itself; everything else is dispatched as usual.
bool HandleInput(MenuTracking& tracking, const MSG& msg) {
    if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) {
        HandleMouse(tracking, msg);
        return true;
    }
    if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) {
        if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN)
            HandleKey(tracking, static_cast<UINT>(msg.wParam));
        return true;
    }
    return false;
}

void ReportDismissed(HMENU menu) {
    std::string items;
    const int count = GetMenuItemCount(menu);
    for (int index = 0; index < count; ++index) {
        char text[256];
        if (GetMenuString(menu, static_cast<UINT>(index), text, sizeof text, MF_BYPOSITION) > 0)
            items += (items.empty() ? "" : "|") + Utf8From1252(text);
    }
    std::fprintf(stderr, "vornui: popup menu \"%s\": no one chooses -> dismissed\n", items.c_str());
}

bool TrackingGoesOn(const MenuTracking& tracking) {
    return !tracking.ended && IsMenu(tracking.menu) && IsWindow(tracking.popup) &&
           IsWindow(tracking.owner);
}

void RunMenuLoop(MenuTracking& tracking) {
    IDesktopUser& user = GetDesktopUser();
    while (TrackingGoesOn(tracking)) {
        MSG msg;
        if (!PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            const ModalAction action = user.ActInPopupMenu(tracking.popup);
            if (action == ModalAction::Nothing) {
                ReportDismissed(tracking.menu);
                return;
            }
            if (action == ModalAction::Acted)
                continue;
        }
        if (!GetMessage(&msg, nullptr, 0, 0)) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (!HandleInput(tracking, msg)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
    }
}

UINT Track(MenuTracking& tracking, int x, int y, const RECT* exclude) {
    const bool notify = !(tracking.flags & TPM_NONOTIFY);
    if (notify) {
        SendMessage(tracking.owner, WM_ENTERMENULOOP, TRUE, 0);
        SendMessage(tracking.owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(tracking.menu), 0);
    }
    if (GetMenuItemCount(tracking.menu) > 0 && IsWindow(tracking.owner))
        tracking.popup =
            OpenPopupWindow(tracking.menu, tracking.flags, x, y, tracking.owner, exclude);
    if (tracking.popup) {
        const HWND previousCapture = SetCapture(tracking.popup);
        RunMenuLoop(tracking);
        if (GetCapture() == tracking.popup)
            SetCapture(previousCapture);
        if (MenuTag* menu = LiveMenu(tracking.menu); menu && menu->window == tracking.popup)
            menu->window = nullptr;
        DestroyWindow(tracking.popup);
    }
    if (!IsMenu(tracking.menu) || !IsWindow(tracking.owner))
        tracking.chosen = 0; // the menu or its owner went away while it was open
    if (notify && IsWindow(tracking.owner))
        SendMessage(tracking.owner, WM_EXITMENULOOP, TRUE, 0);
    return tracking.chosen;
}

const SystemClass kPopupMenuClass(kMenuClass, &PopupMenuProc, CS_SAVEBITS);

} // namespace

BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, LPTPMPARAMS params) {
    MenuTag* record = LiveMenu(menu);
    if (!record || !IsWindow(owner))
        return FALSE;
    if (record->window && record->popup) {
        SetLastError(ERROR_POPUP_ALREADY_ACTIVE);
        return FALSE;
    }
    if (t_tracking && !(flags & TPM_RECURSE)) {
        SetLastError(ERROR_POPUP_ALREADY_ACTIVE);
        return FALSE;
    }
    MenuTracking tracking{menu, nullptr, owner, flags};
    MenuTracking* const outer = std::exchange(t_tracking, &tracking);
    const UINT chosen = Track(tracking, x, y, params ? &params->rcExclude : nullptr);
    t_tracking = outer;
    if (flags & TPM_RETURNCMD)
        return static_cast<BOOL>(chosen);
    if (chosen && !(flags & TPM_NONOTIFY))
        PostMessage(owner, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
    return TRUE;
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
    return TrackPopupMenuEx(menu, flags, x, y, owner, nullptr);
}

BOOL EndMenu() {
    if (!t_tracking)
        return FALSE;
    t_tracking->ended = true;
    return TRUE;
}
