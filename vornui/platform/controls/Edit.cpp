#include "vornui/platform/Edit.h"

#include "vornui/platform/Clipboard.h"
#include "vornui/platform/DialogManager.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/internal/ControlFont.h"
#include "vornui/platform/internal/ControlNotify.h"
#include "vornui/platform/internal/ControlPaint.h"
#include "vornui/platform/internal/ControlProcedure.h"
#include "vornui/platform/internal/WindowClass.h"
#include "vornui/platform/internal/WindowRecord.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kDefaultLimit = 32767;
constexpr int kUnlimited = 0x7FFFFFFE;

struct EditData : ControlData {
    int anchor = 0;
    int caret = 0;
    int limit = kDefaultLimit;
    bool modified = false;
    bool canUndo = false;
    CString undoText;
    int undoCaret = 0;
    char passwordChar = 0;
    int leftMargin = 1;
    int rightMargin = 1;
    int firstLine = 0; // the line at the top of a multi-line edit

    int SelStart() const { return std::min(anchor, caret); }
    int SelEnd() const { return std::max(anchor, caret); }
};

bool IsMultiLine(HWND hwnd) {
    return (StyleOf(hwnd) & ES_MULTILINE) != 0;
}

CString& TextOf(HWND hwnd) {
    return LiveWindow(hwnd)->text;
}

void NotifyChanged(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, TRUE);
    NotifyParent(hwnd, EN_UPDATE);
    if (IsWindow(hwnd))
        NotifyParent(hwnd, EN_CHANGE);
}

CString CaseConverted(HWND hwnd, CString text) {
    if (StyleOf(hwnd) & ES_UPPERCASE)
        text.MakeUpper();
    else if (StyleOf(hwnd) & ES_LOWERCASE)
        text.MakeLower();
    return text;
}

int LineStart(const CString& text, int index) {
    while (index > 0 && text[index - 1] != '\n')
        --index;
    return index;
}

int LineEnd(const CString& text, int index) {
    while (index < text.GetLength() && text[index] != '\r' && text[index] != '\n')
        ++index;
    return index;
}

int LineOf(const CString& text, int index) {
    int line = 0;
    for (int at = 0; at < index && at < text.GetLength(); ++at)
        line += text[at] == '\n';
    return line;
}

int IndexOfLine(const CString& text, int line) {
    int index = 0;
    for (; line > 0; --line) {
        index = text.Find('\n', index);
        if (index < 0)
            return -1;
        ++index;
    }
    return index;
}

int Clamp(const CString& text, int index) {
    return std::clamp(index, 0, text.GetLength());
}

void Remember(EditData& data, const CString& text) {
    data.undoText = text;
    data.undoCaret = data.caret;
    data.canUndo = true;
}

// Replaces the selection with `insert`, truncated to the text limit when the user types.
void ReplaceSelection(HWND hwnd, EditData& data, CString insert, bool canUndo) {
    CString& text = TextOf(hwnd);
    insert = CaseConverted(hwnd, insert);
    const int start = data.SelStart();
    const int end = data.SelEnd();
    const int room = std::max(0, data.limit - (text.GetLength() - (end - start)));
    if (insert.GetLength() > room) {
        insert = insert.Left(room);
        NotifyParent(hwnd, EN_MAXTEXT);
    }
    if (insert.IsEmpty() && start == end)
        return;
    if (canUndo)
        Remember(data, text);
    text.Delete(start, end - start);
    text.Insert(start, insert);
    data.anchor = data.caret = start + insert.GetLength();
    data.modified = true;
    NotifyChanged(hwnd);
}

void Select(EditData& data, int anchor, int caret) {
    data.anchor = anchor;
    data.caret = caret;
}

void CopySelection(HWND hwnd, const EditData& data) {
    if (data.passwordChar || data.SelStart() == data.SelEnd())
        return;
    const CString selected = TextOf(hwnd).Mid(data.SelStart(), data.SelEnd() - data.SelStart());
    if (!OpenClipboard(hwnd))
        return;
    EmptyClipboard();
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, selected.GetLength() + 1);
    std::memcpy(GlobalLock(memory), selected.GetString(), selected.GetLength() + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
}

void PasteClipboard(HWND hwnd, EditData& data) {
    if (!OpenClipboard(hwnd))
        return;
    CString pasted;
    if (const HANDLE memory = GetClipboardData(CF_TEXT)) {
        const auto* bytes = static_cast<const char*>(GlobalLock(memory));
        pasted = CString(bytes, static_cast<int>(strnlen(bytes, GlobalSize(memory))));
        GlobalUnlock(memory);
    }
    CloseClipboard();
    if (!IsMultiLine(hwnd))
        pasted = pasted.SpanExcluding("\r\n");
    if (!pasted.IsEmpty())
        ReplaceSelection(hwnd, data, pasted, true);
}

bool ReadOnly(HWND hwnd) {
    return (StyleOf(hwnd) & ES_READONLY) != 0;
}

void DeleteAround(HWND hwnd, EditData& data, bool backwards) {
    const CString& text = TextOf(hwnd);
    if (data.SelStart() == data.SelEnd()) {
        int from = data.caret;
        int to = data.caret;
        if (backwards)
            from = from >= 2 && text.Mid(from - 2, 2) == "\r\n" ? from - 2 : std::max(0, from - 1);
        else
            to = text.Mid(to, 2) == "\r\n" ? to + 2 : std::min(text.GetLength(), to + 1);
        Select(data, from, to);
    }
    ReplaceSelection(hwnd, data, CString(), true);
}

void MoveCaret(HWND hwnd, EditData& data, int to, bool extend) {
    to = Clamp(TextOf(hwnd), to);
    data.caret = to;
    if (!extend)
        data.anchor = to;
}

void OnKeyDown(HWND hwnd, EditData& data, WPARAM key) {
    const CString& text = TextOf(hwnd);
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const bool control = GetKeyState(VK_CONTROL) < 0;
    const bool collapsed = data.anchor == data.caret;
    switch (key) {
    case VK_LEFT:
        MoveCaret(hwnd, data, shift || collapsed ? data.caret - 1 : data.SelStart(), shift);
        break;
    case VK_RIGHT:
        MoveCaret(hwnd, data, shift || collapsed ? data.caret + 1 : data.SelEnd(), shift);
        break;
    case VK_HOME:
        MoveCaret(hwnd, data, control ? 0 : LineStart(text, data.caret), shift);
        break;
    case VK_END:
        MoveCaret(hwnd, data, control ? text.GetLength() : LineEnd(text, data.caret), shift);
        break;
    case VK_UP:
    case VK_DOWN: {
        if (!IsMultiLine(hwnd))
            break;
        const int column = data.caret - LineStart(text, data.caret);
        const int line = LineOf(text, data.caret) + (key == VK_UP ? -1 : 1);
        const int start = line < 0 ? -1 : IndexOfLine(text, line);
        if (start >= 0)
            MoveCaret(hwnd, data, std::min(start + column, LineEnd(text, start)), shift);
        break;
    }
    case VK_DELETE:
        if (shift) {
            SendMessage(hwnd, WM_CUT, 0, 0);
        } else if (!ReadOnly(hwnd)) {
            DeleteAround(hwnd, data, false);
        }
        break;
    case VK_INSERT:
        if (control)
            SendMessage(hwnd, WM_COPY, 0, 0);
        else if (shift)
            SendMessage(hwnd, WM_PASTE, 0, 0);
        break;
    default:
        break;
    }
}

void OnChar(HWND hwnd, EditData& data, char ch) {
    const unsigned char code = static_cast<unsigned char>(ch);
    switch (code) {
    case 0x01:
        Select(data, 0, TextOf(hwnd).GetLength());
        return;
    case 0x03:
        SendMessage(hwnd, WM_COPY, 0, 0);
        return;
    case 0x16:
        SendMessage(hwnd, WM_PASTE, 0, 0);
        return;
    case 0x18:
        SendMessage(hwnd, WM_CUT, 0, 0);
        return;
    case 0x1A:
        SendMessage(hwnd, EM_UNDO, 0, 0);
        return;
    default:
        break;
    }
    if (ReadOnly(hwnd)) {
        MessageBeep(0);
        return;
    }
    if (code == '\b') {
        DeleteAround(hwnd, data, true);
    } else if (code == '\r') {
        if (IsMultiLine(hwnd))
            ReplaceSelection(hwnd, data, CString("\r\n"), true);
    } else if (code >= 0x20 || (code == '\t' && IsMultiLine(hwnd))) {
        if ((StyleOf(hwnd) & ES_NUMBER) && (code < '0' || code > '9')) {
            MessageBeep(0);
            return;
        }
        ReplaceSelection(hwnd, data, CString(ch), true);
    }
}

// A double click selects the word around the point: the run of characters that are no
// blanks.
void SelectWord(HWND hwnd, EditData& data, int index) {
    const CString& text = TextOf(hwnd);
    const auto blank = [&text](int at) {
        return text[at] == ' ' || text[at] == '\t' || text[at] == '\r' || text[at] == '\n';
    };
    int start = Clamp(text, index);
    int end = start;
    while (start > 0 && !blank(start - 1))
        --start;
    while (end < text.GetLength() && !blank(end))
        ++end;
    Select(data, start, end);
    InvalidateRect(hwnd, nullptr, FALSE);
}

POINT PositionOf(HWND hwnd, const EditData& data, int index) {
    const CString& text = TextOf(hwnd);
    index = Clamp(text, index);
    const FontCharMetrics cell = ControlFontMetrics();
    return POINT{data.leftMargin + (index - LineStart(text, index)) * cell.averageWidth,
                 (LineOf(text, index) - data.firstLine) * cell.height};
}

int IndexAt(HWND hwnd, const EditData& data, POINT point) {
    const CString& text = TextOf(hwnd);
    const FontCharMetrics cell = ControlFontMetrics();
    const int line =
        IsMultiLine(hwnd) ? std::max(0, static_cast<int>(point.y) / cell.height + data.firstLine) : 0;
    int start = IndexOfLine(text, line);
    if (start < 0)
        start = LineStart(text, text.GetLength());
    const int column =
        std::max(0, (static_cast<int>(point.x) - data.leftMargin + cell.averageWidth / 2) /
                        cell.averageWidth);
    return std::min(start + column, LineEnd(text, start));
}

void SetText(HWND hwnd, EditData& data, LPCTSTR text) {
    TextOf(hwnd) = CaseConverted(hwnd, CString(text));
    Select(data, 0, 0);
    data.firstLine = 0;
    data.modified = false;
    data.canUndo = false;
    if (!IsMultiLine(hwnd))
        NotifyChanged(hwnd);
}

// A multi-line edit shows its lines from `firstLine` on (within its text).
LRESULT ScrollLines(HWND hwnd, EditData& data, int firstLine) {
    if (!IsMultiLine(hwnd))
        return FALSE;
    const CString& text = TextOf(hwnd);
    data.firstLine = std::clamp(firstLine, 0, LineOf(text, text.GetLength()));
    InvalidateRect(hwnd, nullptr, FALSE);
    return TRUE;
}

void ScrollCaretIntoView(HWND hwnd, EditData& data) {
    RECT client;
    GetClientRect(hwnd, &client);
    const int visible = std::max(1, static_cast<int>(client.bottom) / ControlFontMetrics().height);
    const int caretLine = LineOf(TextOf(hwnd), data.caret);
    if (caretLine < data.firstLine)
        ScrollLines(hwnd, data, caretLine);
    else if (caretLine >= data.firstLine + visible)
        ScrollLines(hwnd, data, caretLine - visible + 1);
}

LRESULT GetLine(HWND hwnd, WPARAM line, LPARAM buffer) {
    const CString& text = TextOf(hwnd);
    const int start = IsMultiLine(hwnd) ? IndexOfLine(text, static_cast<int>(line)) : 0;
    if (start < 0 || !buffer)
        return 0;
    WORD capacity;
    std::memcpy(&capacity, reinterpret_cast<const void*>(buffer), sizeof capacity);
    const int length = std::min<int>(LineEnd(text, start) - start, capacity);
    std::memcpy(reinterpret_cast<char*>(buffer), text.GetString() + start, length);
    return length;
}

LRESULT EditMessage(HWND hwnd, EditData& data, UINT message, WPARAM wParam, LPARAM lParam) {
    const CString& text = TextOf(hwnd);
    switch (message) {
    case EM_GETSEL:
        if (wParam)
            *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(data.SelStart());
        if (lParam)
            *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(data.SelEnd());
        return data.SelEnd() > 0xFFFF ? -1 : MAKELRESULT(data.SelStart(), data.SelEnd());
    case EM_SETSEL: {
        const int start = static_cast<int>(static_cast<INT_PTR>(wParam));
        const int end = static_cast<int>(lParam);
        if (start == -1)
            Select(data, data.caret, data.caret);
        else
            Select(data, Clamp(text, start), end < 0 ? text.GetLength() : Clamp(text, end));
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    }
    case EM_REPLACESEL:
        ReplaceSelection(hwnd, data, CString(reinterpret_cast<LPCTSTR>(lParam)), wParam != 0);
        return 0;
    case EM_GETMODIFY:
        return data.modified;
    case EM_SETMODIFY:
        data.modified = wParam != 0;
        return 0;
    case EM_LIMITTEXT:
        data.limit =
            wParam == 0 ? kUnlimited : static_cast<int>(std::min<WPARAM>(wParam, kUnlimited));
        return 0;
    case EM_GETLIMITTEXT:
        return data.limit;
    case EM_CANUNDO:
        return data.canUndo;
    case EM_UNDO:
    case WM_UNDO: {
        if (!data.canUndo)
            return FALSE;
        CString previous = data.undoText;
        Remember(data, text);
        TextOf(hwnd) = previous;
        Select(data, data.undoCaret, data.undoCaret);
        data.modified = true;
        NotifyChanged(hwnd);
        return TRUE;
    }
    case EM_EMPTYUNDOBUFFER:
        data.canUndo = false;
        return 0;
    case EM_SETREADONLY: {
        const LONG style = GetWindowLong(hwnd, GWL_STYLE);
        SetWindowLong(hwnd, GWL_STYLE, wParam ? (style | ES_READONLY) : (style & ~ES_READONLY));
        return TRUE;
    }
    case EM_GETLINECOUNT:
        return IsMultiLine(hwnd) ? LineOf(text, text.GetLength()) + 1 : 1;
    case EM_LINEINDEX: {
        const int line = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (!IsMultiLine(hwnd))
            return line <= 0 ? 0 : -1;
        return line < 0 ? LineStart(text, data.caret) : IndexOfLine(text, line);
    }
    case EM_LINELENGTH: {
        const int index = static_cast<int>(static_cast<INT_PTR>(wParam));
        const int at = index < 0 ? data.caret : Clamp(text, index);
        return LineEnd(text, at) - LineStart(text, at);
    }
    case EM_LINEFROMCHAR: {
        const int index = static_cast<int>(static_cast<INT_PTR>(wParam));
        return LineOf(text, index < 0 ? data.caret : index);
    }
    case EM_GETLINE:
        return GetLine(hwnd, wParam, lParam);
    case EM_GETFIRSTVISIBLELINE:
        return data.firstLine;
    case EM_LINESCROLL:
        return ScrollLines(hwnd, data, data.firstLine + static_cast<int>(lParam));
    case EM_SETPASSWORDCHAR:
        data.passwordChar = static_cast<char>(wParam);
        return 0;
    case EM_GETPASSWORDCHAR:
        return static_cast<unsigned char>(data.passwordChar);
    case EM_SETMARGINS:
        if (wParam & EC_LEFTMARGIN)
            data.leftMargin = LOWORD(lParam);
        if (wParam & EC_RIGHTMARGIN)
            data.rightMargin = HIWORD(lParam);
        return 0;
    case EM_GETMARGINS:
        return MAKELRESULT(data.leftMargin, data.rightMargin);
    case EM_POSFROMCHAR: {
        const POINT point = PositionOf(hwnd, data, static_cast<int>(wParam));
        return MAKELRESULT(point.x, point.y);
    }
    case EM_CHARFROMPOS: {
        const POINT point{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
        const int index = IndexAt(hwnd, data, point);
        return MAKELRESULT(index, LineOf(text, index));
    }
    case EM_GETRECT: {
        RECT* rect = reinterpret_cast<RECT*>(lParam);
        GetClientRect(hwnd, rect);
        rect->left += data.leftMargin;
        rect->right -= data.rightMargin;
        return 0;
    }
    case EM_SCROLLCARET:
        ScrollCaretIntoView(hwnd, data);
        return TRUE;
    default:
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

void PaintEdit(HWND hwnd, const EditData& data) {
    const DWORD style = static_cast<DWORD>(GetWindowLong(hwnd, GWL_STYLE));
    const bool editable = !(style & ES_READONLY) && IsWindowEnabled(hwnd);
    ControlPaintScope paint(hwnd, editable ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC);
    CString shown = TextOf(hwnd);
    if (data.passwordChar)
        shown = CString(data.passwordChar, shown.GetLength());
    const int hidden = data.firstLine > 0 ? std::max(0, IndexOfLine(shown, data.firstLine)) : 0;
    shown = shown.Mid(hidden);
    EditLook look;
    look.selectionStart = data.SelStart() - hidden;
    look.selectionEnd = data.SelEnd() - hidden;
    look.showSelection = GetFocus() == hwnd || (style & ES_NOHIDESEL);
    look.multiline = (style & ES_MULTILINE) != 0;
    look.editable = editable;
    look.alignment = (style & ES_CENTER) ? DT_CENTER : (style & ES_RIGHT) ? DT_RIGHT : DT_LEFT;
    CRect area(paint.client());
    area.DeflateRect(data.leftMargin, 0, data.rightMargin, 0);
    PaintEditText(paint.dc(), area, shown.view(), look, paint.palette());
}

LRESULT HandleEditMessage(HWND hwnd, EditData& data, UINT message, WPARAM wParam, LPARAM lParam) {
    const RepaintAfter repaint(hwnd, message);
    switch (message) {
    case WM_NCCREATE: {
        if (reinterpret_cast<const CREATESTRUCT*>(lParam)->style & ES_PASSWORD)
            data.passwordChar = '*';
        const LRESULT result = DefWindowProc(hwnd, message, wParam, lParam);
        TextOf(hwnd) = CaseConverted(hwnd, TextOf(hwnd));
        return result;
    }
    case WM_PAINT:
        PaintEdit(hwnd, data);
        return 0;
    case WM_ERASEBKGND:
        return 1; // painted whole with WM_PAINT
    case WM_SETTEXT:
        SetText(hwnd, data, reinterpret_cast<LPCTSTR>(lParam));
        return TRUE;
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS |
               (IsMultiLine(hwnd) ? DLGC_WANTALLKEYS : 0);
    case WM_CHAR:
        OnChar(hwnd, data, static_cast<char>(wParam));
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(hwnd, data, wParam);
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(hwnd);
        MoveCaret(hwnd, data, IndexAt(hwnd, data, CPoint(lParam)), (wParam & MK_SHIFT) != 0);
        SetCapture(hwnd);
        return 0;
    case WM_LBUTTONDBLCLK:
        SelectWord(hwnd, data, IndexAt(hwnd, data, CPoint(lParam)));
        return 0;
    case WM_MOUSEMOVE:
        if (GetCapture() == hwnd)
            MoveCaret(hwnd, data, IndexAt(hwnd, data, CPoint(lParam)), true);
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == hwnd)
            ReleaseCapture();
        return 0;
    case WM_SETFOCUS:
        InvalidateRect(hwnd, nullptr, FALSE);
        NotifyParent(hwnd, EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        InvalidateRect(hwnd, nullptr, FALSE);
        NotifyParent(hwnd, EN_KILLFOCUS);
        return 0;
    case WM_COPY:
        CopySelection(hwnd, data);
        return 0;
    case WM_CUT:
        if (!ReadOnly(hwnd) && !data.passwordChar) {
            CopySelection(hwnd, data);
            ReplaceSelection(hwnd, data, CString(), true);
        }
        return 0;
    case WM_PASTE:
        if (!ReadOnly(hwnd))
            PasteClipboard(hwnd, data);
        return 0;
    case WM_CLEAR:
        if (!ReadOnly(hwnd))
            ReplaceSelection(hwnd, data, CString(), true);
        return 0;
    default:
        return EditMessage(hwnd, data, message, wParam, lParam);
    }
}

const SystemClass kEditClass("Edit", ControlProcedure<EditData, HandleEditMessage>,
                             CS_DBLCLKS | CS_PARENTDC);

} // namespace

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("Edit", nullptr, style, rect, parent, id);
}

void CEdit::GetSel(int& start, int& end) const {
    DWORD first = 0;
    DWORD last = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
    start = static_cast<int>(first);
    end = static_cast<int>(last);
}

DWORD CEdit::GetSel() const {
    return static_cast<DWORD>(SendMessage(EM_GETSEL));
}

void CEdit::SetSel(int start, int end, BOOL noScroll) {
    SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end);
    if (!noScroll)
        SendMessage(EM_SCROLLCARET);
}

void CEdit::SetSel(DWORD selection, BOOL noScroll) {
    SetSel(static_cast<SHORT>(LOWORD(selection)), static_cast<SHORT>(HIWORD(selection)), noScroll);
}

void CEdit::ReplaceSel(LPCTSTR text, BOOL canUndo) {
    SendMessage(EM_REPLACESEL, canUndo, reinterpret_cast<LPARAM>(text));
}

void CEdit::Clear() {
    SendMessage(WM_CLEAR);
}

void CEdit::Copy() {
    SendMessage(WM_COPY);
}

void CEdit::Cut() {
    SendMessage(WM_CUT);
}

void CEdit::Paste() {
    SendMessage(WM_PASTE);
}

BOOL CEdit::Undo() {
    return static_cast<BOOL>(SendMessage(EM_UNDO));
}

BOOL CEdit::CanUndo() const {
    return static_cast<BOOL>(SendMessage(EM_CANUNDO));
}

void CEdit::EmptyUndoBuffer() {
    SendMessage(EM_EMPTYUNDOBUFFER);
}

void CEdit::LimitText(int maxChars) {
    SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(maxChars));
}

void CEdit::SetLimitText(UINT maxChars) {
    SendMessage(EM_SETLIMITTEXT, maxChars);
}

UINT CEdit::GetLimitText() const {
    return static_cast<UINT>(SendMessage(EM_GETLIMITTEXT));
}

BOOL CEdit::GetModify() const {
    return static_cast<BOOL>(SendMessage(EM_GETMODIFY));
}

void CEdit::SetModify(BOOL modified) {
    SendMessage(EM_SETMODIFY, modified);
}

BOOL CEdit::SetReadOnly(BOOL readOnly) {
    return static_cast<BOOL>(SendMessage(EM_SETREADONLY, readOnly));
}

int CEdit::GetLineCount() const {
    return static_cast<int>(SendMessage(EM_GETLINECOUNT));
}

int CEdit::LineIndex(int line) const {
    return static_cast<int>(SendMessage(EM_LINEINDEX, static_cast<WPARAM>(line)));
}

int CEdit::LineLength(int charIndex) const {
    return static_cast<int>(SendMessage(EM_LINELENGTH, static_cast<WPARAM>(charIndex)));
}

int CEdit::LineFromChar(int charIndex) const {
    return static_cast<int>(SendMessage(EM_LINEFROMCHAR, static_cast<WPARAM>(charIndex)));
}

int CEdit::GetLine(int line, LPTSTR buffer, int maxLength) const {
    const WORD capacity = static_cast<WORD>(std::clamp(maxLength, 0, 0xFFFF));
    if (maxLength >= static_cast<int>(sizeof capacity))
        std::memcpy(buffer, &capacity, sizeof capacity);
    else
        return 0;
    return static_cast<int>(
        SendMessage(EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(buffer)));
}

void CEdit::SetPasswordChar(TCHAR ch) {
    SendMessage(EM_SETPASSWORDCHAR, static_cast<unsigned char>(ch));
}

TCHAR CEdit::GetPasswordChar() const {
    return static_cast<TCHAR>(SendMessage(EM_GETPASSWORDCHAR));
}

CPoint CEdit::PosFromChar(UINT charIndex) const {
    const LRESULT packed = SendMessage(EM_POSFROMCHAR, charIndex);
    return CPoint(static_cast<SHORT>(LOWORD(packed)), static_cast<SHORT>(HIWORD(packed)));
}

int CEdit::CharFromPos(CPoint point) const {
    return static_cast<int>(SendMessage(EM_CHARFROMPOS, 0, MAKELPARAM(point.x, point.y)));
}

void CEdit::SetMargins(UINT left, UINT right) {
    SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(left, right));
}

DWORD CEdit::GetMargins() const {
    return static_cast<DWORD>(SendMessage(EM_GETMARGINS));
}

IMPLEMENT_DYNAMIC(CEdit, CWnd)
