#include "vornui/platform/ComboBox.h"

#include "vornui/platform/Edit.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/internal/ControlFont.h"
#include "vornui/platform/internal/ControlNotify.h"
#include "vornui/platform/internal/ControlPaint.h"
#include "vornui/platform/internal/ControlProcedure.h"
#include "vornui/platform/internal/ListItems.h"
#include "vornui/platform/internal/ReflectedItems.h"
#include "vornui/platform/internal/WindowClass.h"
#include "vornui/platform/internal/WindowRecord.h"

#include <algorithm>

namespace {

constexpr ItemQueryCodes kQueries{CB_GETCOUNT,    CB_GETLBTEXT,  CB_GETLBTEXTLEN,
                                  CB_GETITEMDATA, CB_FINDSTRING, CB_FINDSTRINGEXACT};

struct ComboData : ControlData {
    ListItems items;
    int current = -1;
    int top = 0;
    bool dropped = false;
    bool openingClick = false;
    bool settingEdit = false; // the combo box itself is changing its edit's text
    int itemHeight = ControlFontMetrics().height;
    int fieldHeight = itemHeight + 2 + 6;
    int droppedHeight = 0;
    int droppedWidth = 0;
    HWND edit = nullptr;
    HWND list = nullptr; // the always-shown list of a simple combo box
};

// The border the list of a simple combo box keeps around its rows.
constexpr int kListFrame = 2;

bool IsOwnerDrawn(HWND hwnd) {
    return (StyleOf(hwnd) & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0;
}

RowHeights RowsOf(HWND hwnd, const ComboData& data) {
    return RowHeights{data.itemHeight, (StyleOf(hwnd) & CBS_OWNERDRAWVARIABLE) != 0};
}

// An owner-drawn combo box without CBS_HASSTRINGS keeps the values it is given as item data.
bool KeepsData(HWND hwnd) {
    return IsOwnerDrawn(hwnd) && !(StyleOf(hwnd) & CBS_HASSTRINGS);
}

// The height the owner gives the selection field (`index` -1) or the items.
int AskItemHeight(HWND hwnd, int index, int height, ULONG_PTR itemData) {
    MEASUREITEMSTRUCT measure{ODT_COMBOBOX,
                              static_cast<UINT>(GetDlgCtrlID(hwnd)),
                              static_cast<UINT>(index),
                              0,
                              static_cast<UINT>(height),
                              itemData};
    SendMessage(GetParent(hwnd), WM_MEASUREITEM, measure.CtlID, reinterpret_cast<LPARAM>(&measure));
    return std::clamp(static_cast<int>(measure.itemHeight), 1, 255);
}

// Hands item `index` (-1: none) to the owner to draw in `rect` of `dc`.
void DrawItemByOwner(HWND hwnd, const ComboData& data, HDC dc, int index, const RECT& rect,
                     UINT state) {
    DRAWITEMSTRUCT item{ODT_COMBOBOX,
                        static_cast<UINT>(GetDlgCtrlID(hwnd)),
                        static_cast<UINT>(index),
                        ODA_DRAWENTIRE,
                        state | (IsWindowEnabled(hwnd) ? 0 : ODS_DISABLED),
                        hwnd,
                        dc,
                        rect,
                        data.items.Valid(index) ? data.items[index].data : 0};
    SendMessage(GetParent(hwnd), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
}

DWORD KindOf(HWND hwnd) {
    return StyleOf(hwnd) & 0x3;
}

void ShowSelectionText(HWND hwnd, ComboData& data) {
    const CString text = data.items.Valid(data.current) ? data.items[data.current].text : CString();
    if (data.edit) {
        data.settingEdit = true;
        SetWindowText(data.edit, text);
        SendMessage(data.edit, EM_SETSEL, 0, -1);
        data.settingEdit = false;
    }
    LiveWindow(hwnd)->text = text;
    InvalidateRect(hwnd, nullptr, TRUE);
}

void Select(HWND hwnd, ComboData& data, int index) {
    data.current = data.items.Valid(index) ? index : -1;
    ShowSelectionText(hwnd, data);
}

// The item under a point of the dropped list (client coordinates of the combo box), or -1.
int ItemAt(HWND hwnd, const ComboData& data, POINT point) {
    RECT client;
    GetClientRect(hwnd, &client);
    const int listTop = data.fieldHeight;
    if (point.x < 0 || point.x >= client.right || point.y < listTop ||
        point.y >= data.droppedHeight)
        return -1;
    const int index =
        data.items.RowAt(RowsOf(hwnd, data), data.top, static_cast<int>(point.y) - listTop);
    return data.items.Valid(index) ? index : -1;
}

void Drop(HWND hwnd, ComboData& data) {
    if (data.dropped || KindOf(hwnd) == CBS_SIMPLE)
        return;
    NotifyParent(hwnd, CBN_DROPDOWN);
    data.dropped = true;
    const int visible =
        data.items.RowsFitting(RowsOf(hwnd, data), data.top, data.droppedHeight - data.fieldHeight);
    if (data.current >= 0 && (data.current < data.top || data.current >= data.top + visible))
        data.top = data.current;
    SetCapture(hwnd);
}

// Closes the list; `endCode` (CBN_SELENDOK, CBN_SELENDCANCEL, or 0) goes first.
void CloseUp(HWND hwnd, ComboData& data, int endCode) {
    if (!data.dropped)
        return;
    data.dropped = false;
    data.openingClick = false;
    if (GetCapture() == hwnd)
        ReleaseCapture();
    if (endCode)
        NotifyParent(hwnd, endCode);
    NotifyParent(hwnd, CBN_CLOSEUP);
}

void ChooseFromList(HWND hwnd, ComboData& data, int index) {
    const bool changed = index != data.current;
    Select(hwnd, data, index);
    CloseUp(hwnd, data, CBN_SELENDOK);
    if (changed)
        NotifyParent(hwnd, CBN_SELCHANGE);
}

void KeyboardSelect(HWND hwnd, ComboData& data, int index) {
    index = std::clamp(index, 0, data.items.Count() - 1);
    if (index == data.current)
        return;
    Select(hwnd, data, index);
    NotifyParent(hwnd, CBN_SELCHANGE);
}

void OnLButtonDown(HWND hwnd, ComboData& data, POINT point) {
    if (data.dropped) {
        if (ItemAt(hwnd, data, point) < 0)
            CloseUp(hwnd, data, CBN_SELENDCANCEL);
        return;
    }
    if (KindOf(hwnd) == CBS_SIMPLE)
        return; // its list is a window of its own
    SetFocus(data.edit ? data.edit : hwnd);
    Drop(hwnd, data);
    data.openingClick = true;
}

void OnLButtonUp(HWND hwnd, ComboData& data, POINT point) {
    if (!data.dropped)
        return;
    const int index = ItemAt(hwnd, data, point);
    if (index >= 0)
        ChooseFromList(hwnd, data, index);
    data.openingClick = false;
}

void OnKeyDown(HWND hwnd, ComboData& data, WPARAM key, bool alt) {
    const bool toggle = key == VK_F4 || (alt && (key == VK_DOWN || key == VK_UP));
    if (toggle) {
        if (data.dropped)
            CloseUp(hwnd, data, CBN_SELENDOK);
        else
            Drop(hwnd, data);
        return;
    }
    if (data.items.Count() == 0)
        return;
    switch (key) {
    case VK_UP:
        KeyboardSelect(hwnd, data, data.current - 1);
        break;
    case VK_DOWN:
        KeyboardSelect(hwnd, data, data.current + 1);
        break;
    case VK_HOME:
        KeyboardSelect(hwnd, data, 0);
        break;
    case VK_END:
        KeyboardSelect(hwnd, data, data.items.Count() - 1);
        break;
    case VK_RETURN:
        CloseUp(hwnd, data, CBN_SELENDOK);
        break;
    case VK_ESCAPE:
        CloseUp(hwnd, data, CBN_SELENDCANCEL);
        break;
    default:
        break;
    }
}

// The list of a simple combo box fills the box below the field; with integral height it
// shows whole rows only, so it may end above the box.
int ListHeight(HWND hwnd, const ComboData& data, int boxHeight) {
    const int room = std::max(0, boxHeight - data.fieldHeight);
    if (StyleOf(hwnd) & CBS_NOINTEGRALHEIGHT)
        return room;
    const int rows = WholeRowsHeight(RowsOf(hwnd, data), std::max(0, room - kListFrame));
    return std::min(room, rows + kListFrame);
}

// A drop-down combo box stays one field tall: a height it is given is its list's when
// dropped. True when it took the height and went back to its field.
bool TakeDroppedHeight(HWND hwnd, ComboData& data) {
    RECT window;
    GetWindowRect(hwnd, &window);
    const int height = static_cast<int>(window.bottom - window.top);
    if (KindOf(hwnd) == CBS_SIMPLE || height == data.fieldHeight)
        return false;
    data.droppedHeight = height;
    SetWindowPos(hwnd, nullptr, 0, 0, window.right - window.left, data.fieldHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

void PlaceParts(HWND hwnd, const ComboData& data) {
    RECT client;
    GetClientRect(hwnd, &client);
    const int width = static_cast<int>(client.right);
    if (data.edit) {
        const int button = KindOf(hwnd) == CBS_SIMPLE ? 0 : GetSystemMetrics(SM_CXVSCROLL);
        MoveWindow(data.edit, 3, 3, std::max(0, width - 6 - button), data.fieldHeight - 6, FALSE);
    }
    if (data.list)
        MoveWindow(data.list, 0, data.fieldHeight, width,
                   ListHeight(hwnd, data, static_cast<int>(client.bottom)), FALSE);
}

HWND CreateChild(HWND hwnd, LPCTSTR className, LPCTSTR text, DWORD style, int id) {
    return CreateWindowEx(0, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, hwnd,
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
}

void CreateParts(HWND hwnd, ComboData& data, const CREATESTRUCT& create) {
    data.droppedHeight = create.cy;
    if (IsOwnerDrawn(hwnd)) {
        data.fieldHeight = AskItemHeight(hwnd, -1, data.fieldHeight - 6, 0) + 6;
        if (StyleOf(hwnd) & CBS_OWNERDRAWFIXED)
            data.itemHeight = AskItemHeight(hwnd, 0, data.itemHeight, 0);
    }
    if (KindOf(hwnd) != CBS_SIMPLE)
        SetWindowPos(hwnd, nullptr, 0, 0, create.cx, data.fieldHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (KindOf(hwnd) != CBS_DROPDOWNLIST) {
        DWORD editStyle = 0;
        if (create.style & CBS_AUTOHSCROLL)
            editStyle |= ES_AUTOHSCROLL;
        if (create.style & CBS_UPPERCASE)
            editStyle |= ES_UPPERCASE;
        if (create.style & CBS_LOWERCASE)
            editStyle |= ES_LOWERCASE;
        data.edit = CreateChild(hwnd, "Edit", create.lpszName, editStyle, IDC_COMBO_EDIT);
    }
    if (KindOf(hwnd) == CBS_SIMPLE)
        data.list = CreateChild(hwnd, "ComboLBox", "", WS_BORDER, IDC_COMBO_LIST);
    PlaceParts(hwnd, data);
}

LRESULT FromEdit(HWND hwnd, ComboData& data, WPARAM wParam) {
    switch (HIWORD(wParam)) {
    case EN_UPDATE:
        if (!data.settingEdit)
            NotifyParent(hwnd, CBN_EDITUPDATE);
        return 0;
    case EN_CHANGE:
        if (!data.settingEdit)
            NotifyParent(hwnd, CBN_EDITCHANGE);
        return 0;
    case EN_SETFOCUS:
        NotifyParent(hwnd, CBN_SETFOCUS);
        return 0;
    case EN_KILLFOCUS:
        CloseUp(hwnd, data, CBN_SELENDCANCEL);
        NotifyParent(hwnd, CBN_KILLFOCUS);
        return 0;
    default:
        return 0;
    }
}

LRESULT ItemMessage(HWND hwnd, ComboData& data, UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    switch (message) {
    case CB_ADDSTRING:
    case CB_INSERTSTRING: {
        const CString text(KeepsData(hwnd) ? "" : reinterpret_cast<LPCTSTR>(lParam));
        const int at = message == CB_ADDSTRING
                           ? data.items.Add(text, (StyleOf(hwnd) & CBS_SORT) != 0)
                           : data.items.Insert(index, text);
        if (at >= 0 && KeepsData(hwnd))
            data.items[at].data = static_cast<ULONG_PTR>(lParam);
        if (at >= 0 && RowsOf(hwnd, data).variable)
            data.items[at].height = AskItemHeight(hwnd, at, data.itemHeight, data.items[at].data);
        if (at >= 0 && data.current >= at)
            ++data.current;
        return at < 0 ? CB_ERR : at;
    }
    case CB_DELETESTRING:
        if (!data.items.Valid(index))
            return CB_ERR;
        data.items.Delete(index, data.current);
        return data.items.Count();
    case CB_RESETCONTENT:
        data.items.Clear();
        Select(hwnd, data, -1);
        data.top = 0;
        return CB_OKAY;
    case CB_SETITEMDATA:
        if (!data.items.Valid(index))
            return CB_ERR;
        data.items[index].data = static_cast<ULONG_PTR>(lParam);
        return CB_OKAY;
    case CB_SELECTSTRING: {
        const int found = data.items.Find(index, reinterpret_cast<LPCTSTR>(lParam), false);
        if (found >= 0)
            Select(hwnd, data, found);
        return found < 0 ? CB_ERR : found;
    }
    case CB_GETCURSEL:
        return data.current >= 0 ? data.current : CB_ERR;
    case CB_SETCURSEL:
        Select(hwnd, data, index);
        return data.current >= 0 ? data.current : CB_ERR;
    default:
        if (const auto answer = data.items.AnswerQuery(kQueries, message, wParam, lParam))
            return *answer;
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

LRESULT FieldMessage(HWND hwnd, ComboData& data, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case CB_SHOWDROPDOWN:
        if (wParam)
            Drop(hwnd, data);
        else
            CloseUp(hwnd, data, 0);
        return TRUE;
    case CB_GETDROPPEDSTATE:
        return data.dropped;
    case CB_GETDROPPEDCONTROLRECT: {
        RECT* rect = reinterpret_cast<RECT*>(lParam);
        GetWindowRect(hwnd, rect);
        rect->bottom = rect->top + std::max(data.droppedHeight, data.fieldHeight);
        if (data.droppedWidth > rect->right - rect->left)
            rect->right = rect->left + data.droppedWidth;
        return TRUE;
    }
    case CB_GETITEMHEIGHT:
        if (static_cast<INT_PTR>(wParam) == -1)
            return data.fieldHeight - 6;
        return data.items.RowHeight(RowsOf(hwnd, data), static_cast<int>(wParam));
    case CB_SETITEMHEIGHT: {
        const int height = static_cast<int>(lParam);
        if (height <= 0 || height > 255)
            return CB_ERR;
        if (static_cast<INT_PTR>(wParam) == -1) {
            data.fieldHeight = height + 6;
            RECT rect;
            GetWindowRect(hwnd, &rect);
            if (KindOf(hwnd) != CBS_SIMPLE)
                SetWindowPos(hwnd, nullptr, 0, 0, rect.right - rect.left, data.fieldHeight,
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        } else if (RowsOf(hwnd, data).variable && data.items.Valid(static_cast<int>(wParam))) {
            data.items[static_cast<int>(wParam)].height = height;
        } else {
            data.itemHeight = height;
        }
        PlaceParts(hwnd, data);
        return CB_OKAY;
    }
    case CB_LIMITTEXT:
        if (data.edit)
            SendMessage(data.edit, EM_LIMITTEXT, wParam, 0);
        return TRUE;
    case CB_GETEDITSEL:
        return data.edit ? SendMessage(data.edit, EM_GETSEL, wParam, lParam) : CB_ERR;
    case CB_SETEDITSEL:
        if (!data.edit)
            return CB_ERR;
        SendMessage(data.edit, EM_SETSEL, static_cast<WPARAM>(static_cast<SHORT>(LOWORD(lParam))),
                    static_cast<SHORT>(HIWORD(lParam)));
        return TRUE;
    case CB_GETTOPINDEX:
        return data.top;
    case CB_SETTOPINDEX:
        if (!data.items.Valid(static_cast<int>(wParam)))
            return CB_ERR;
        data.top = static_cast<int>(wParam);
        return CB_OKAY;
    case CB_GETDROPPEDWIDTH: {
        RECT rect;
        GetWindowRect(hwnd, &rect);
        return std::max<LRESULT>(data.droppedWidth, rect.right - rect.left);
    }
    case CB_SETDROPPEDWIDTH:
        data.droppedWidth = static_cast<int>(wParam);
        return data.droppedWidth;
    default:
        return ItemMessage(hwnd, data, message, wParam, lParam);
    }
}

LRESULT TextMessage(HWND hwnd, ComboData& data, UINT message, WPARAM wParam, LPARAM lParam) {
    if (data.edit)
        return SendMessage(data.edit, message, wParam, lParam);
    if (message != WM_SETTEXT)
        return DefWindowProc(hwnd, message, wParam, lParam);
    const int found = data.items.Find(-1, reinterpret_cast<LPCTSTR>(lParam), true);
    if (found < 0)
        return CB_ERR;
    Select(hwnd, data, found);
    return TRUE;
}

void PaintComboBox(HWND hwnd, const ComboData& data) {
    ControlPaintScope paint(hwnd, WM_CTLCOLOREDIT);
    const CString text = data.items.Valid(data.current) ? data.items[data.current].text : "";
    CRect field(paint.client());
    field.bottom = std::min<LONG>(field.bottom, field.top + data.fieldHeight);
    const bool focused = GetFocus() == hwnd && !data.edit;
    const bool byOwner = IsOwnerDrawn(hwnd) && !data.edit;
    const CRect inner =
        PaintComboBox(paint.dc(), field, byOwner ? "" : text.view(), IsWindowEnabled(hwnd) != FALSE,
                      focused && !byOwner, paint.palette());
    if (byOwner)
        DrawItemByOwner(hwnd, data, paint.dc(), data.current, inner,
                        ODS_COMBOBOXEDIT | (focused ? ODS_SELECTED | ODS_FOCUS : 0));
}

LRESULT HandleComboBoxMessage(HWND hwnd, ComboData& data, UINT message, WPARAM wParam,
                              LPARAM lParam) {
    const RepaintAfter repaint(hwnd, message);
    switch (message) {
    case WM_PAINT:
        PaintComboBox(hwnd, data);
        return 0;
    case WM_ERASEBKGND:
        return 1; // painted whole with WM_PAINT
    case WM_CREATE:
        CreateParts(hwnd, data, *reinterpret_cast<const CREATESTRUCT*>(lParam));
        return 0;
    case WM_SIZE:
        if (!TakeDroppedHeight(hwnd, data))
            PlaceParts(hwnd, data);
        return 0;
    case WM_SETTEXT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
        return TextMessage(hwnd, data, message, wParam, lParam);
    case WM_COMMAND:
        return reinterpret_cast<HWND>(lParam) == data.edit ? FromEdit(hwnd, data, wParam) : 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS | (data.dropped ? DLGC_WANTMESSAGE : 0);
    case WM_SETFOCUS:
        if (data.edit) {
            SetFocus(data.edit);
            SendMessage(data.edit, EM_SETSEL, 0, -1);
        } else {
            NotifyParent(hwnd, CBN_SETFOCUS);
        }
        return 0;
    case WM_KILLFOCUS:
        if (!data.edit || reinterpret_cast<HWND>(wParam) != data.edit) {
            CloseUp(hwnd, data, CBN_SELENDCANCEL);
            if (!data.edit)
                NotifyParent(hwnd, CBN_KILLFOCUS);
        }
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown(hwnd, data, CPoint(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp(hwnd, data, CPoint(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        if (data.dropped && reinterpret_cast<HWND>(lParam) != hwnd)
            CloseUp(hwnd, data, CBN_SELENDCANCEL);
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        OnKeyDown(hwnd, data, wParam, message == WM_SYSKEYDOWN);
        return 0;
    case WM_CHAR: {
        const int found = data.items.FindTyped(data.current, static_cast<char>(wParam));
        if (found >= 0)
            KeyboardSelect(hwnd, data, found);
        return 0;
    }
    case WM_ENABLE:
        if (data.edit)
            EnableWindow(data.edit, static_cast<BOOL>(wParam));
        return 0;
    default:
        return FieldMessage(hwnd, data, message, wParam, lParam);
    }
}

void PaintComboList(HWND list, const ComboData& data) {
    const HWND combo = GetParent(list);
    if (IsOwnerDrawn(combo)) {
        ControlPaintScope paint(list, WM_CTLCOLORLISTBOX);
        paint.fillBackground();
        const RowHeights rows = RowsOf(combo, data);
        for (int index = data.top, top = 0;
             index < data.items.Count() && top < paint.client().bottom; ++index) {
            const int bottom = top + data.items.RowHeight(rows, index);
            DrawItemByOwner(combo, data, paint.dc(), index,
                            CRect(0, top, paint.client().right, bottom),
                            index == data.current ? ODS_SELECTED : 0);
            top = bottom;
        }
        return;
    }
    ListLook look;
    look.topIndex = data.top;
    look.itemHeight = data.itemHeight;
    look.caret = data.current;
    PaintListWindow(list, data.items, look, false);
}

// The list of a simple combo box shows and picks the items its combo box holds.
LRESULT ComboListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND combo = GetParent(list);
    ComboData* data = ControlDataOf<ComboData>(combo);
    if (!data)
        return DefWindowProc(list, message, wParam, lParam);
    switch (message) {
    case WM_PAINT:
        PaintComboList(list, *data);
        return 0;
    case WM_ERASEBKGND:
        return 1; // painted whole with WM_PAINT
    case WM_LBUTTONDOWN: {
        const int index =
            data->items.RowAt(RowsOf(combo, *data), data->top, static_cast<int>(CPoint(lParam).y));
        if (data->items.Valid(index)) {
            KeyboardSelect(combo, *data, index);
            InvalidateRect(list, nullptr, TRUE);
        }
        return 0;
    }
    case WM_LBUTTONDBLCLK:
        NotifyParent(combo, CBN_DBLCLK);
        return 0;
    default:
        return DefWindowProc(list, message, wParam, lParam);
    }
}

const SystemClass kComboBoxClass("ComboBox", ControlProcedure<ComboData, HandleComboBoxMessage>,
                                 CS_DBLCLKS | CS_PARENTDC);
const SystemClass kComboListClass("ComboLBox", ComboListProc, CS_DBLCLKS | CS_PARENTDC);

} // namespace

BOOL CComboBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("ComboBox", nullptr, style, rect, parent, id);
}

int CComboBox::GetCount() const {
    return static_cast<int>(SendMessage(CB_GETCOUNT));
}

int CComboBox::AddString(LPCTSTR text) {
    return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

int CComboBox::InsertString(int index, LPCTSTR text) {
    return static_cast<int>(
        SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
}

int CComboBox::DeleteString(UINT index) {
    return static_cast<int>(SendMessage(CB_DELETESTRING, index));
}

void CComboBox::ResetContent() {
    SendMessage(CB_RESETCONTENT);
}

int CComboBox::GetLBText(int index, LPTSTR buffer) const {
    return static_cast<int>(
        SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer)));
}

void CComboBox::GetLBText(int index, CString& text) const {
    const int length = GetLBTextLen(index);
    if (length < 0) {
        text.Empty();
        return;
    }
    GetLBText(index, text.GetBufferSetLength(length));
    text.ReleaseBuffer(length);
}

int CComboBox::GetLBTextLen(int index) const {
    return static_cast<int>(SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index)));
}

int CComboBox::GetCurSel() const {
    return static_cast<int>(SendMessage(CB_GETCURSEL));
}

int CComboBox::SetCurSel(int select) {
    return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(select)));
}

int CComboBox::FindString(int startAfter, LPCTSTR text) const {
    return static_cast<int>(SendMessage(CB_FINDSTRING, static_cast<WPARAM>(startAfter),
                                        reinterpret_cast<LPARAM>(text)));
}

int CComboBox::FindStringExact(int startAfter, LPCTSTR text) const {
    return static_cast<int>(SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(startAfter),
                                        reinterpret_cast<LPARAM>(text)));
}

int CComboBox::SelectString(int startAfter, LPCTSTR text) {
    return static_cast<int>(SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(startAfter),
                                        reinterpret_cast<LPARAM>(text)));
}

DWORD_PTR CComboBox::GetItemData(int index) const {
    return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(index)));
}

int CComboBox::SetItemData(int index, DWORD_PTR data) {
    return static_cast<int>(
        SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
}

void* CComboBox::GetItemDataPtr(int index) const {
    return reinterpret_cast<void*>(GetItemData(index));
}

int CComboBox::SetItemDataPtr(int index, void* data) {
    return SetItemData(index, reinterpret_cast<DWORD_PTR>(data));
}

void CComboBox::ShowDropDown(BOOL show) {
    SendMessage(CB_SHOWDROPDOWN, show);
}

BOOL CComboBox::GetDroppedState() const {
    return static_cast<BOOL>(SendMessage(CB_GETDROPPEDSTATE));
}

void CComboBox::GetDroppedControlRect(LPRECT rect) const {
    SendMessage(CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(rect));
}

int CComboBox::GetItemHeight(int index) const {
    return static_cast<int>(SendMessage(CB_GETITEMHEIGHT, static_cast<WPARAM>(index)));
}

int CComboBox::SetItemHeight(int index, UINT height) {
    return static_cast<int>(SendMessage(CB_SETITEMHEIGHT, static_cast<WPARAM>(index), height));
}

BOOL CComboBox::LimitText(int maxChars) {
    return static_cast<BOOL>(SendMessage(CB_LIMITTEXT, static_cast<WPARAM>(maxChars)));
}

DWORD CComboBox::GetEditSel() const {
    return static_cast<DWORD>(SendMessage(CB_GETEDITSEL));
}

BOOL CComboBox::SetEditSel(int start, int end) {
    return static_cast<BOOL>(SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(start, end)));
}

int CComboBox::GetTopIndex() const {
    return static_cast<int>(SendMessage(CB_GETTOPINDEX));
}

int CComboBox::SetTopIndex(int index) {
    return static_cast<int>(SendMessage(CB_SETTOPINDEX, static_cast<WPARAM>(index)));
}

int CComboBox::GetDroppedWidth() const {
    return static_cast<int>(SendMessage(CB_GETDROPPEDWIDTH));
}

int CComboBox::SetDroppedWidth(UINT width) {
    return static_cast<int>(SendMessage(CB_SETDROPPEDWIDTH, width));
}

void CComboBox::DrawItem(LPDRAWITEMSTRUCT) {
    DeclineReflectedMessage();
}

void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT) {
    DeclineReflectedMessage();
}

int CComboBox::CompareItem(LPCOMPAREITEMSTRUCT) {
    DeclineReflectedMessage();
    return 0;
}

void CComboBox::DeleteItem(LPDELETEITEMSTRUCT) {
    DeclineReflectedMessage();
}

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    return TakeReflectedItemMessage(*this, message, lParam, result) ||
           CWnd::OnChildNotify(message, wParam, lParam, result);
}

IMPLEMENT_DYNAMIC(CComboBox, CWnd)
