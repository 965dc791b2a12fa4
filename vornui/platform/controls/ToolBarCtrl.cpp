#include "vornui/platform/ToolBarCtrl.h"

#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/DesktopInput.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/SystemBrushes.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/internal/ControlPainting.h"
#include "vornui/platform/internal/ControlProcedure.h"
#include "vornui/platform/internal/SystemColors.h"
#include "vornui/platform/internal/WindowClass.h"
#include "vornui/platform/internal/WindowInternals.h"
#include "vornui/platform/internal/WindowRecord.h"

#include <algorithm>
#include <array>
#include <type_traits>
#include <vector>

namespace {

constexpr int kEdge = 2;        // around the row of buttons
constexpr int kSeparator = 8;   // a separator's width unless its iBitmap says otherwise
constexpr int kArrowWidth = 12; // the drop-down arrow beside a button
constexpr CSize kImagePadding(8, 7);

enum ImageListKind { kNormal, kHot, kDisabled };

struct ToolBarData : ControlData {
    std::vector<TBBUTTON> buttons;
    std::array<HIMAGELIST, 3> lists{};
    CSize bitmapSize{16, 15};
    CSize buttonSize{16 + kImagePadding.cx, 15 + kImagePadding.cy};
    bool buttonSizeSet = false;
    DWORD extendedStyle = 0;
    int hot = -1;
    int pressed = -1; // held down with the mouse
    bool pressedInside = false;
    int droppedDown = -1;
    bool trackingLeave = false;
    HWND owner = nullptr;
};

bool Valid(const ToolBarData& data, int index) {
    return index >= 0 && index < static_cast<int>(data.buttons.size());
}

int IndexOf(const ToolBarData& data, int id) {
    const auto found =
        std::find_if(data.buttons.begin(), data.buttons.end(),
                     [id](const TBBUTTON& button) { return button.idCommand == id; });
    return found == data.buttons.end() ? -1 : static_cast<int>(found - data.buttons.begin());
}

bool IsSeparator(const TBBUTTON& button) {
    return (button.fsStyle & TBSTYLE_SEP) != 0;
}

bool HasArrow(const ToolBarData& data, const TBBUTTON& button) {
    return (button.fsStyle & TBSTYLE_DROPDOWN) && (data.extendedStyle & TBSTYLE_EX_DRAWDDARROWS);
}

int Width(const ToolBarData& data, const TBBUTTON& button) {
    if (button.fsState & TBSTATE_HIDDEN)
        return 0;
    if (IsSeparator(button))
        return button.iBitmap > 0 ? button.iBitmap : kSeparator;
    return data.buttonSize.cx + (HasArrow(data, button) ? kArrowWidth : 0);
}

// Left to right from the top-left corner; a hidden button takes no room.
std::vector<CRect> Layout(const ToolBarData& data) {
    std::vector<CRect> rects;
    int x = kEdge;
    for (const TBBUTTON& button : data.buttons) {
        const int width = Width(data, button);
        rects.emplace_back(x, kEdge, x + width, kEdge + data.buttonSize.cy);
        x += width;
    }
    return rects;
}

CRect ArrowPart(const CRect& rect) {
    return CRect(rect.right - kArrowWidth, rect.top, rect.right, rect.bottom);
}

// The button (not separator, not hidden) under `point`, or -1.
int HitButton(const ToolBarData& data, POINT point) {
    const std::vector<CRect> rects = Layout(data);
    for (size_t index = 0; index < rects.size(); ++index) {
        const TBBUTTON& button = data.buttons[index];
        if (!IsSeparator(button) && !(button.fsState & TBSTATE_HIDDEN) &&
            rects[index].PtInRect(point))
            return static_cast<int>(index);
    }
    return -1;
}

POINT PointOf(LPARAM lParam) {
    return POINT{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
}

void Redraw(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, TRUE);
}

// -------------------------------------------------------------------------------- painting

struct ButtonLooks {
    bool flat;
    bool enabled;
    bool sunken;
    bool hot;
};

void PaintArrow(HDC hdc, const CRect& part, COLORREF color, int shift) {
    const HBRUSH brush = CreateSolidBrush(color);
    const int middle = part.left + part.Width() / 2 + shift;
    const int top = part.top + part.Height() / 2 - 1 + shift;
    for (int row = 0; row < 3; ++row) {
        const RECT line{middle - 2 + row, top + row, middle + 3 - row, top + row + 1};
        FillRect(hdc, &line, brush);
    }
    DeleteObject(brush);
}

void PaintFrame(HDC hdc, CRect part, const ButtonLooks& looks, const ControlPalette& palette) {
    if (looks.sunken)
        PaintEdge(hdc, &part, looks.flat ? BDR_SUNKENOUTER : EDGE_SUNKEN, BF_RECT, palette);
    else if (looks.hot)
        PaintEdge(hdc, &part, BDR_RAISEDINNER, BF_RECT, palette);
    else if (!looks.flat)
        PaintEdge(hdc, &part, EDGE_RAISED, BF_RECT, palette);
}

// The disabled list for a disabled button, the hot list for the hot one, when the toolbar
// has them and they hold the image; else the normal list.
HIMAGELIST ListFor(const ToolBarData& data, int image, const ButtonLooks& looks) {
    const auto holds = [image](HIMAGELIST list) {
        return list && image < ImageList_GetImageCount(list);
    };
    if (!looks.enabled && holds(data.lists[kDisabled]))
        return data.lists[kDisabled];
    if (looks.hot && holds(data.lists[kHot]))
        return data.lists[kHot];
    return holds(data.lists[kNormal]) ? data.lists[kNormal] : nullptr;
}

void PaintImage(HDC hdc, const ToolBarData& data, int image, const CRect& part,
                const ButtonLooks& looks, const ControlPalette& palette) {
    const HIMAGELIST list = image >= 0 ? ListFor(data, image, looks) : nullptr;
    int width = 0;
    int height = 0;
    if (!list || !ImageList_GetIconSize(list, &width, &height))
        return;
    const int shift = looks.sunken ? 1 : 0;
    const int x = part.left + (part.Width() - width) / 2 + shift;
    const int y = part.top + (part.Height() - height) / 2 + shift;
    if (!looks.enabled && list == data.lists[kNormal])
        ImageList_DrawEx(list, image, hdc, x, y, 0, 0, CLR_NONE, palette.face,
                         ILD_TRANSPARENT | ILD_BLEND50);
    else
        ImageList_Draw(list, image, hdc, x, y, ILD_TRANSPARENT);
}

void PaintSeparator(HDC hdc, const CRect& rect, bool flat, const ControlPalette& palette) {
    if (!flat)
        return;
    CRect line(rect.left + rect.Width() / 2 - 1, rect.top + 1, rect.left + rect.Width() / 2 + 1,
               rect.bottom - 1);
    PaintEdge(hdc, &line, EDGE_ETCHED, BF_LEFT, palette);
}

void PaintButton(HDC hdc, const ToolBarData& data, int index, const CRect& rect, bool flat,
                 const ControlPalette& palette) {
    const TBBUTTON& button = data.buttons[static_cast<size_t>(index)];
    if (IsSeparator(button))
        return PaintSeparator(hdc, rect, flat, palette);
    const bool enabled = (button.fsState & TBSTATE_ENABLED) != 0;
    const bool held = data.pressed == index && data.pressedInside;
    ButtonLooks looks{flat, enabled,
                      (button.fsState & (TBSTATE_PRESSED | TBSTATE_CHECKED)) != 0 || held,
                      flat && enabled && data.hot == index};
    CRect face = rect;
    if (HasArrow(data, button)) {
        const CRect arrow = ArrowPart(rect);
        face.right = arrow.left;
        const bool dropped = data.droppedDown == index;
        PaintFrame(hdc, arrow, ButtonLooks{flat, enabled, dropped, looks.hot}, palette);
        PaintArrow(hdc, arrow, enabled ? palette.buttonText : palette.grayText, dropped ? 1 : 0);
    } else if (data.droppedDown == index) {
        looks.sunken = true;
    }
    PaintFrame(hdc, face, looks, palette);
    PaintImage(hdc, data, button.iBitmap, face, looks, palette);
}

void Paint(HWND hwnd, const ToolBarData& data) {
    PAINTSTRUCT paint;
    const HDC hdc = BeginPaint(hwnd, &paint);
    const ControlPalette palette = SystemControlPalette();
    RECT client;
    GetClientRect(hwnd, &client);
    FillSolid(hdc, client, palette.face);
    const bool flat = (StyleOf(hwnd) & TBSTYLE_FLAT) != 0;
    const std::vector<CRect> rects = Layout(data);
    for (size_t index = 0; index < rects.size(); ++index)
        if (!(data.buttons[index].fsState & TBSTATE_HIDDEN))
            PaintButton(hdc, data, static_cast<int>(index), rects[index], flat, palette);
    EndPaint(hwnd, &paint);
}

// ------------------------------------------------------------------------------- the mouse

// Makes `index` the hot button unless the owner refuses (TBN_HOTITEMCHANGE).
void SetHot(HWND hwnd, ToolBarData& data, int index, DWORD reason) {
    if (index == data.hot)
        return;
    const auto idAt = [&](int at) { return Valid(data, at) ? data.buttons[at].idCommand : 0; };
    NMTBHOTITEM change{{hwnd, static_cast<UINT_PTR>(GetDlgCtrlID(hwnd)), TBN_HOTITEMCHANGE},
                       idAt(data.hot),
                       idAt(index),
                       reason | (index < 0 ? HICF_LEAVING : 0)};
    if (SendMessage(data.owner, WM_NOTIFY, change.hdr.idFrom, reinterpret_cast<LPARAM>(&change)))
        return;
    if (ToolBarData* live = ControlDataOf<ToolBarData>(hwnd)) {
        live->hot = index;
        Redraw(hwnd);
    }
}

void TrackHot(HWND hwnd, ToolBarData& data, POINT point) {
    if (!(StyleOf(hwnd) & TBSTYLE_FLAT))
        return;
    const int index = HitButton(data, point);
    const bool enabled =
        index >= 0 && (data.buttons[static_cast<size_t>(index)].fsState & TBSTATE_ENABLED);
    if (!data.trackingLeave) {
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, hwnd, 0};
        data.trackingLeave = TrackMouseEvent(&track) != FALSE;
    }
    SetHot(hwnd, data, enabled ? index : -1, HICF_MOUSE);
}

// Tells the owner that the drop-down part of button `index` was pressed; the button shows
// pressed while the owner answers (it may open a menu there).
void DropDown(HWND hwnd, ToolBarData& data, int index) {
    NMTOOLBAR notice{};
    notice.hdr = {hwnd, static_cast<UINT_PTR>(GetDlgCtrlID(hwnd)), TBN_DROPDOWN};
    notice.tbButton = data.buttons[static_cast<size_t>(index)];
    notice.iItem = notice.tbButton.idCommand;
    notice.rcButton = Layout(data)[static_cast<size_t>(index)];
    data.droppedDown = index;
    Redraw(hwnd);
    UpdateWindow(hwnd);
    SendMessage(data.owner, WM_NOTIFY, notice.hdr.idFrom, reinterpret_cast<LPARAM>(&notice));
    if (ToolBarData* live = ControlDataOf<ToolBarData>(hwnd)) {
        live->droppedDown = -1;
        Redraw(hwnd);
    }
}

void OnButtonDown(HWND hwnd, ToolBarData& data, POINT point) {
    const int index = HitButton(data, point);
    if (index < 0)
        return;
    const TBBUTTON& button = data.buttons[static_cast<size_t>(index)];
    if (!(button.fsState & TBSTATE_ENABLED))
        return;
    const bool dropDown = (button.fsStyle & TBSTYLE_DROPDOWN) != 0;
    if (dropDown && (!HasArrow(data, button) || (button.fsStyle & BTNS_WHOLEDROPDOWN) ||
                     ArrowPart(Layout(data)[static_cast<size_t>(index)]).PtInRect(point)))
        return DropDown(hwnd, data, index);
    data.pressed = index;
    data.pressedInside = true;
    SetCapture(hwnd);
    Redraw(hwnd);
}

// A check button turns over; in a group, checking one unchecks the others of its group.
void Toggle(ToolBarData& data, int index) {
    TBBUTTON& button = data.buttons[static_cast<size_t>(index)];
    if (!(button.fsStyle & TBSTYLE_CHECK))
        return;
    if (!(button.fsStyle & TBSTYLE_GROUP)) {
        button.fsState ^= TBSTATE_CHECKED;
        return;
    }
    const auto inGroup = [](const TBBUTTON& other) {
        return (other.fsStyle & TBSTYLE_CHECKGROUP) == TBSTYLE_CHECKGROUP;
    };
    for (int at = index - 1; at >= 0 && inGroup(data.buttons[at]); --at)
        data.buttons[at].fsState &= ~TBSTATE_CHECKED;
    for (size_t at = index + 1; at < data.buttons.size() && inGroup(data.buttons[at]); ++at)
        data.buttons[at].fsState &= ~TBSTATE_CHECKED;
    button.fsState |= TBSTATE_CHECKED;
}

void OnButtonUp(HWND hwnd, ToolBarData& data, POINT point) {
    const int index = data.pressed;
    if (index < 0)
        return;
    const bool inside = HitButton(data, point) == index;
    data.pressed = -1;
    ReleaseCapture();
    Redraw(hwnd);
    if (!inside)
        return;
    Toggle(data, index);
    SendMessage(data.owner, WM_COMMAND,
                MAKEWPARAM(data.buttons[static_cast<size_t>(index)].idCommand, BN_CLICKED),
                reinterpret_cast<LPARAM>(hwnd));
}

LRESULT MouseMessage(HWND hwnd, ToolBarData& data, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE:
        if (data.pressed >= 0) {
            const bool inside = HitButton(data, PointOf(lParam)) == data.pressed;
            if (inside != data.pressedInside) {
                data.pressedInside = inside;
                Redraw(hwnd);
            }
        } else {
            TrackHot(hwnd, data, PointOf(lParam));
        }
        return 0;
    case WM_MOUSELEAVE:
        data.trackingLeave = false;
        SetHot(hwnd, data, -1, HICF_MOUSE);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnButtonDown(hwnd, data, PointOf(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnButtonUp(hwnd, data, PointOf(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        if (data.pressed >= 0 && reinterpret_cast<HWND>(lParam) != hwnd) {
            data.pressed = -1;
            Redraw(hwnd);
        }
        return 0;
    default:
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

// ------------------------------------------------------------------------------- messages

HIMAGELIST SwapList(HWND hwnd, ToolBarData& data, ImageListKind kind, LPARAM lParam) {
    const auto list = reinterpret_cast<HIMAGELIST>(lParam);
    int width = 0;
    int height = 0;
    if (kind == kNormal && list && ImageList_GetIconSize(list, &width, &height)) {
        data.bitmapSize = CSize(width, height);
        if (!data.buttonSizeSet)
            data.buttonSize = data.bitmapSize + kImagePadding;
    }
    Redraw(hwnd);
    return std::exchange(data.lists[kind], list);
}

LRESULT SetStateBit(HWND hwnd, ToolBarData& data, int id, BYTE bit, bool on) {
    const int index = IndexOf(data, id);
    if (index < 0)
        return FALSE;
    BYTE& state = data.buttons[static_cast<size_t>(index)].fsState;
    state = static_cast<BYTE>(on ? state | bit : state & ~bit);
    Redraw(hwnd);
    return TRUE;
}

LRESULT StateBit(const ToolBarData& data, int id, BYTE bit) {
    const int index = IndexOf(data, id);
    return index >= 0 && (data.buttons[static_cast<size_t>(index)].fsState & bit) ? bit : 0;
}

LRESULT ButtonInfo(HWND hwnd, ToolBarData& data, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* info = reinterpret_cast<TBBUTTONINFO*>(lParam);
    if (!info)
        return message == TB_GETBUTTONINFO ? -1 : FALSE;
    const int index = (info->dwMask & TBIF_BYINDEX) ? static_cast<int>(wParam)
                                                    : IndexOf(data, static_cast<int>(wParam));
    if (!Valid(data, index))
        return message == TB_GETBUTTONINFO ? -1 : FALSE;
    TBBUTTON& button = data.buttons[static_cast<size_t>(index)];
    const bool get = message == TB_GETBUTTONINFO;
    const auto exchange = [&](DWORD flag, auto& field, auto& value) {
        if (!(info->dwMask & flag))
            return;
        if (get)
            value = static_cast<std::remove_reference_t<decltype(value)>>(field);
        else
            field = static_cast<std::remove_reference_t<decltype(field)>>(value);
    };
    exchange(TBIF_COMMAND, button.idCommand, info->idCommand);
    exchange(TBIF_IMAGE, button.iBitmap, info->iImage);
    exchange(TBIF_STATE, button.fsState, info->fsState);
    exchange(TBIF_STYLE, button.fsStyle, info->fsStyle);
    exchange(TBIF_LPARAM, button.dwData, info->lParam);
    if (get)
        return index;
    Redraw(hwnd);
    return TRUE;
}

LRESULT ButtonListMessage(HWND hwnd, ToolBarData& data, UINT message, WPARAM wParam,
                          LPARAM lParam) {
    const int index = static_cast<int>(wParam);
    switch (message) {
    case TB_ADDBUTTONS:
    case TB_INSERTBUTTON: {
        const auto* buttons = reinterpret_cast<const TBBUTTON*>(lParam);
        const int count = message == TB_ADDBUTTONS ? index : 1;
        if (!buttons || count < 0)
            return FALSE;
        const size_t at = message == TB_ADDBUTTONS || !Valid(data, index)
                              ? data.buttons.size()
                              : static_cast<size_t>(index);
        data.buttons.insert(data.buttons.begin() + static_cast<std::ptrdiff_t>(at), buttons,
                            buttons + count);
        data.hot = -1;
        Redraw(hwnd);
        return TRUE;
    }
    case TB_DELETEBUTTON:
        if (!Valid(data, index))
            return FALSE;
        data.buttons.erase(data.buttons.begin() + index);
        data.hot = data.pressed = -1;
        Redraw(hwnd);
        return TRUE;
    case TB_GETBUTTON:
        if (!Valid(data, index) || !lParam)
            return FALSE;
        *reinterpret_cast<TBBUTTON*>(lParam) = data.buttons[static_cast<size_t>(index)];
        return TRUE;
    case TB_BUTTONCOUNT:
        return static_cast<LRESULT>(data.buttons.size());
    case TB_COMMANDTOINDEX:
        return IndexOf(data, index);
    case TB_GETITEMRECT:
    case TB_GETRECT: {
        const int at = message == TB_GETRECT ? IndexOf(data, index) : index;
        if (!Valid(data, at) || !lParam ||
            (data.buttons[static_cast<size_t>(at)].fsState & TBSTATE_HIDDEN))
            return FALSE;
        *reinterpret_cast<RECT*>(lParam) = Layout(data)[static_cast<size_t>(at)];
        return TRUE;
    }
    case TB_HITTEST:
        return lParam ? HitButton(data, *reinterpret_cast<POINT*>(lParam)) : -1;
    case TB_GETBUTTONINFO:
    case TB_SETBUTTONINFO:
        return ButtonInfo(hwnd, data, message, wParam, lParam);
    default:
        return MouseMessage(hwnd, data, message, wParam, lParam);
    }
}

LRESULT StateMessage(HWND hwnd, ToolBarData& data, UINT message, WPARAM wParam, LPARAM lParam) {
    const int id = static_cast<int>(wParam);
    const bool on = LOWORD(lParam) != 0;
    switch (message) {
    case TB_ENABLEBUTTON:
        return SetStateBit(hwnd, data, id, TBSTATE_ENABLED, on);
    case TB_CHECKBUTTON:
        return SetStateBit(hwnd, data, id, TBSTATE_CHECKED, on);
    case TB_PRESSBUTTON:
        return SetStateBit(hwnd, data, id, TBSTATE_PRESSED, on);
    case TB_HIDEBUTTON:
        return SetStateBit(hwnd, data, id, TBSTATE_HIDDEN, on);
    case TB_ISBUTTONENABLED:
        return StateBit(data, id, TBSTATE_ENABLED);
    case TB_ISBUTTONCHECKED:
        return StateBit(data, id, TBSTATE_CHECKED);
    case TB_ISBUTTONPRESSED:
        return StateBit(data, id, TBSTATE_PRESSED);
    case TB_ISBUTTONHIDDEN:
        return StateBit(data, id, TBSTATE_HIDDEN);
    case TB_SETSTATE: {
        const int index = IndexOf(data, id);
        if (index < 0)
            return FALSE;
        data.buttons[static_cast<size_t>(index)].fsState = static_cast<BYTE>(LOWORD(lParam));
        Redraw(hwnd);
        return TRUE;
    }
    case TB_GETSTATE: {
        const int index = IndexOf(data, id);
        return index < 0 ? -1 : data.buttons[static_cast<size_t>(index)].fsState;
    }
    default:
        return ButtonListMessage(hwnd, data, message, wParam, lParam);
    }
}

// Along the top (or bottom) of the parent, as high as the buttons, unless told to stay put.
void AutoSize(HWND hwnd, const ToolBarData& data) {
    const DWORD style = StyleOf(hwnd);
    if (style & (CCS_NORESIZE | CCS_NOPARENTALIGN))
        return;
    RECT parent;
    GetClientRect(GetParent(hwnd), &parent);
    const int height = data.buttonSize.cy + 2 * kEdge;
    const bool bottom = (style & CCS_BOTTOM) == CCS_BOTTOM;
    MoveWindow(hwnd, 0, bottom ? parent.bottom - height : 0, parent.right, height, TRUE);
}

LRESULT HandleToolBarMessage(HWND hwnd, ToolBarData& data, UINT message, WPARAM wParam,
                             LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        data.owner = GetParent(hwnd);
        return 0;
    case WM_PAINT:
        Paint(hwnd, data);
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    case TB_BUTTONSTRUCTSIZE:
        return 0;
    case TB_SETPARENT:
        return reinterpret_cast<LRESULT>(std::exchange(data.owner, reinterpret_cast<HWND>(wParam)));
    case TB_SETBITMAPSIZE:
    case TB_SETBUTTONSIZE: {
        const CSize size(LOWORD(lParam), HIWORD(lParam));
        if (size.cx <= 0 || size.cy <= 0)
            return FALSE;
        if (message == TB_SETBUTTONSIZE)
            data.buttonSizeSet = true;
        else
            data.bitmapSize = size;
        data.buttonSize = message == TB_SETBUTTONSIZE ? size
                          : data.buttonSizeSet        ? data.buttonSize
                                                      : size + kImagePadding;
        Redraw(hwnd);
        return TRUE;
    }
    case TB_GETBUTTONSIZE:
        return MAKELRESULT(data.buttonSize.cx, data.buttonSize.cy);
    case TB_GETMAXSIZE: {
        if (!lParam)
            return FALSE;
        int width = 0;
        for (const TBBUTTON& button : data.buttons)
            width += Width(data, button);
        *reinterpret_cast<SIZE*>(lParam) = SIZE{width, data.buttonSize.cy};
        return TRUE;
    }
    case TB_AUTOSIZE:
        AutoSize(hwnd, data);
        return 0;
    case TB_SETIMAGELIST:
        return reinterpret_cast<LRESULT>(SwapList(hwnd, data, kNormal, lParam));
    case TB_SETHOTIMAGELIST:
        return reinterpret_cast<LRESULT>(SwapList(hwnd, data, kHot, lParam));
    case TB_SETDISABLEDIMAGELIST:
        return reinterpret_cast<LRESULT>(SwapList(hwnd, data, kDisabled, lParam));
    case TB_GETIMAGELIST:
        return reinterpret_cast<LRESULT>(data.lists[kNormal]);
    case TB_GETHOTIMAGELIST:
        return reinterpret_cast<LRESULT>(data.lists[kHot]);
    case TB_GETDISABLEDIMAGELIST:
        return reinterpret_cast<LRESULT>(data.lists[kDisabled]);
    case TB_GETHOTITEM:
        return data.hot;
    case TB_SETHOTITEM: {
        const int previous = data.hot;
        SetHot(hwnd, data, Valid(data, static_cast<int>(wParam)) ? static_cast<int>(wParam) : -1,
               0);
        return previous;
    }
    case TB_SETEXTENDEDSTYLE:
        Redraw(hwnd);
        return static_cast<LRESULT>(std::exchange(data.extendedStyle, static_cast<DWORD>(lParam)));
    case TB_GETEXTENDEDSTYLE:
        return static_cast<LRESULT>(data.extendedStyle);
    default:
        return StateMessage(hwnd, data, message, wParam, lParam);
    }
}

const SystemClass kToolBarClass(TOOLBARCLASSNAME,
                                ControlProcedure<ToolBarData, HandleToolBarMessage>, CS_DBLCLKS);

LPARAM Pair(int low, int high) {
    return MAKELPARAM(low, high);
}

} // namespace

BOOL CToolBarCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(TOOLBARCLASSNAME, nullptr, style, rect, parent, id);
}

BOOL CToolBarCtrl::AddButtons(int count, LPCTBBUTTON buttons) {
    return static_cast<BOOL>(
        SendMessage(TB_ADDBUTTONS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(buttons)));
}

BOOL CToolBarCtrl::InsertButton(int index, LPCTBBUTTON button) {
    return static_cast<BOOL>(
        SendMessage(TB_INSERTBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(button)));
}

BOOL CToolBarCtrl::DeleteButton(int index) {
    return static_cast<BOOL>(SendMessage(TB_DELETEBUTTON, static_cast<WPARAM>(index)));
}

int CToolBarCtrl::GetButtonCount() const {
    return static_cast<int>(SendMessage(TB_BUTTONCOUNT));
}

BOOL CToolBarCtrl::GetButton(int index, LPTBBUTTON button) const {
    return static_cast<BOOL>(
        SendMessage(TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(button)));
}

int CToolBarCtrl::CommandToIndex(UINT id) const {
    return static_cast<int>(SendMessage(TB_COMMANDTOINDEX, id));
}

BOOL CToolBarCtrl::GetItemRect(int index, LPRECT rect) const {
    return static_cast<BOOL>(
        SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect)));
}

BOOL CToolBarCtrl::GetRect(int id, LPRECT rect) const {
    return static_cast<BOOL>(
        SendMessage(TB_GETRECT, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(rect)));
}

int CToolBarCtrl::HitTest(LPPOINT point) const {
    return static_cast<int>(SendMessage(TB_HITTEST, 0, reinterpret_cast<LPARAM>(point)));
}

BOOL CToolBarCtrl::EnableButton(int id, BOOL enable) {
    return static_cast<BOOL>(
        SendMessage(TB_ENABLEBUTTON, static_cast<WPARAM>(id), Pair(enable, 0)));
}

BOOL CToolBarCtrl::CheckButton(int id, BOOL check) {
    return static_cast<BOOL>(SendMessage(TB_CHECKBUTTON, static_cast<WPARAM>(id), Pair(check, 0)));
}

BOOL CToolBarCtrl::PressButton(int id, BOOL press) {
    return static_cast<BOOL>(SendMessage(TB_PRESSBUTTON, static_cast<WPARAM>(id), Pair(press, 0)));
}

BOOL CToolBarCtrl::HideButton(int id, BOOL hide) {
    return static_cast<BOOL>(SendMessage(TB_HIDEBUTTON, static_cast<WPARAM>(id), Pair(hide, 0)));
}

BOOL CToolBarCtrl::IsButtonEnabled(int id) const {
    return SendMessage(TB_ISBUTTONENABLED, static_cast<WPARAM>(id)) != 0;
}

BOOL CToolBarCtrl::IsButtonChecked(int id) const {
    return SendMessage(TB_ISBUTTONCHECKED, static_cast<WPARAM>(id)) != 0;
}

BOOL CToolBarCtrl::IsButtonPressed(int id) const {
    return SendMessage(TB_ISBUTTONPRESSED, static_cast<WPARAM>(id)) != 0;
}

BOOL CToolBarCtrl::IsButtonHidden(int id) const {
    return SendMessage(TB_ISBUTTONHIDDEN, static_cast<WPARAM>(id)) != 0;
}

BOOL CToolBarCtrl::SetState(int id, UINT state) {
    return static_cast<BOOL>(
        SendMessage(TB_SETSTATE, static_cast<WPARAM>(id), Pair(static_cast<int>(state), 0)));
}

int CToolBarCtrl::GetState(int id) const {
    return static_cast<int>(SendMessage(TB_GETSTATE, static_cast<WPARAM>(id)));
}

BOOL CToolBarCtrl::GetButtonInfo(int id, LPTBBUTTONINFO info) const {
    return SendMessage(TB_GETBUTTONINFO, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(info)) >=
           0;
}

BOOL CToolBarCtrl::SetButtonInfo(int id, LPTBBUTTONINFO info) {
    return static_cast<BOOL>(
        SendMessage(TB_SETBUTTONINFO, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(info)));
}

BOOL CToolBarCtrl::SetBitmapSize(CSize size) {
    return static_cast<BOOL>(SendMessage(TB_SETBITMAPSIZE, 0, Pair(size.cx, size.cy)));
}

BOOL CToolBarCtrl::SetButtonSize(CSize size) {
    return static_cast<BOOL>(SendMessage(TB_SETBUTTONSIZE, 0, Pair(size.cx, size.cy)));
}

CSize CToolBarCtrl::GetButtonSize() const {
    const auto packed = static_cast<DWORD>(SendMessage(TB_GETBUTTONSIZE));
    return CSize(LOWORD(packed), HIWORD(packed));
}

void CToolBarCtrl::GetMaxSize(LPSIZE size) const {
    SendMessage(TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(size));
}

void CToolBarCtrl::AutoSize() {
    SendMessage(TB_AUTOSIZE);
}

HIMAGELIST CToolBarCtrl::SetImageList(CImageList* list) {
    return reinterpret_cast<HIMAGELIST>(SendMessage(
        TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list ? list->m_hImageList : nullptr)));
}

HIMAGELIST CToolBarCtrl::GetImageList() const {
    return reinterpret_cast<HIMAGELIST>(SendMessage(TB_GETIMAGELIST));
}

HIMAGELIST CToolBarCtrl::SetHotImageList(CImageList* list) {
    return reinterpret_cast<HIMAGELIST>(SendMessage(
        TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(list ? list->m_hImageList : nullptr)));
}

HIMAGELIST CToolBarCtrl::GetHotImageList() const {
    return reinterpret_cast<HIMAGELIST>(SendMessage(TB_GETHOTIMAGELIST));
}

HIMAGELIST CToolBarCtrl::SetDisabledImageList(CImageList* list) {
    return reinterpret_cast<HIMAGELIST>(SendMessage(
        TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(list ? list->m_hImageList : nullptr)));
}

HIMAGELIST CToolBarCtrl::GetDisabledImageList() const {
    return reinterpret_cast<HIMAGELIST>(SendMessage(TB_GETDISABLEDIMAGELIST));
}

int CToolBarCtrl::GetHotItem() const {
    return static_cast<int>(SendMessage(TB_GETHOTITEM));
}

int CToolBarCtrl::SetHotItem(int index) {
    return static_cast<int>(SendMessage(TB_SETHOTITEM, static_cast<WPARAM>(index)));
}

DWORD CToolBarCtrl::SetExtendedStyle(DWORD style) {
    return static_cast<DWORD>(SendMessage(TB_SETEXTENDEDSTYLE, 0, static_cast<LPARAM>(style)));
}

DWORD CToolBarCtrl::GetExtendedStyle() const {
    return static_cast<DWORD>(SendMessage(TB_GETEXTENDEDSTYLE));
}

void CToolBarCtrl::SetOwner(CWnd* owner) {
    SendMessage(TB_SETPARENT, reinterpret_cast<WPARAM>(owner ? owner->m_hWnd : nullptr));
}

IMPLEMENT_DYNAMIC(CToolBarCtrl, CWnd)
