#include "vornui/edits/CmEdit.h"

#include <algorithm>

namespace {

// The keys the masked edit handles itself; the edit's default handles the others.
bool IsMaskedKey(UINT key) {
    return key == VK_BACK || key == VK_SHIFT || key == VK_CONTROL ||
           (key >= VK_PRIOR && key <= VK_DOWN) || key == VK_DELETE;
}

// The keys whose default is the edit's own selection with Shift held.
bool ExtendsWithShift(UINT key) {
    return key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN || key == VK_HOME ||
           key == VK_END;
}

bool IsEnter(const MSG* msg) {
    return msg && ((msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) ||
                   (msg->message == WM_CHAR && msg->wParam == '\r'));
}

} // namespace

UINT CmEdit::DialogCode(const MSG* msg) {
    const auto code = static_cast<UINT>(
        CWnd::DefWindowProc(WM_GETDLGCODE, msg ? msg->wParam : 0, reinterpret_cast<LPARAM>(msg)));
    return IsEnter(msg) ? code | DLGC_WANTMESSAGE : code;
}

LRESULT CmEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE:
        return DialogCode(reinterpret_cast<const MSG*>(lParam));
    case WM_SETTEXT:
        SetWindowText(reinterpret_cast<LPCTSTR>(lParam));
        return TRUE;
    case EM_REPLACESEL:
        ReplaceSel(reinterpret_cast<LPCTSTR>(lParam));
        return 0;
    default: {
        LRESULT result = 0;
        if (HandleClipboardMessage(message, result))
            return result;
        return CEdit::WindowProc(message, wParam, lParam);
    }
    }
}

// The edit itself never sees a character: what it would do with one is not the template's.
void CmEdit::OnChar(UINT ch, UINT, UINT) {
    const char typed = static_cast<char>(ch);
    int start;
    int end;
    GetSelection(start, end);
    if (start >= Length() || typed == '\b')
        return;
    const int position = NextMasked(start);
    if (position >= Length() || !m_aChars[position].Accepts(typed))
        return;
    // What ReplaceSel of the one character would store, and where its field would then be
    // selected, shown at once: typing is the edit's busiest path.
    m_aChars[position].SetValue(Converted(typed));
    const auto [fieldStart, fieldEnd] = FieldAt(position + 1);
    Show(fieldStart, fieldEnd);
}

void CmEdit::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    if (!IsMaskedKey(key) || (m_bShiftDown && ExtendsWithShift(key))) {
        CEdit::OnKeyDown(key, repeat, flags);
        return;
    }
    switch (key) {
    case VK_SHIFT:
        m_bShiftDown = true;
        break;
    case VK_CONTROL:
        m_bControlDown = true;
        break;
    case VK_LEFT:
    case VK_UP:
        if (m_bControlDown)
            SelectPreviousField();
        else
            StepLeft();
        break;
    case VK_RIGHT:
    case VK_DOWN:
        if (m_bControlDown)
            SelectNextField();
        else
            StepRight();
        break;
    case VK_PRIOR:
        SelectPreviousField();
        break;
    case VK_NEXT:
        SelectNextField();
        break;
    case VK_HOME:
        SetMaskedSel(0);
        break;
    case VK_END:
        SelectLastField();
        break;
    case VK_BACK:
        PressBackspace();
        break;
    case VK_DELETE:
        PressDelete();
        break;
    default:
        break;
    }
}

void CmEdit::StepLeft() {
    int start;
    int end;
    GetSelection(start, end);
    if (start == end && start != 0)
        --start;
    SetSel(start, -1);
}

void CmEdit::StepRight() {
    int start;
    int end;
    GetSelection(start, end);
    if (start == end && end < Length())
        ++end;
    SetSel(end, end);
}

void CmEdit::PressBackspace() {
    int start;
    int end;
    GetSelection(start, end);
    if (start != end || start == 0) {
        EmptyPositions(start, end);
    } else {
        start = std::min(start, Length()) - 1;
        while (start > 0 && !IsMaskedAt(start))
            --start;
        EmptyPositions(start, start + 1);
    }
    Show(start, start);
}

void CmEdit::PressDelete() {
    int start;
    int end;
    GetSelection(start, end);
    EmptyPositions(start, start == end ? start + 1 : end);
    Show(start, start);
}

void CmEdit::OnKeyUp(UINT key, UINT repeat, UINT flags) {
    if (key == VK_SHIFT)
        m_bShiftDown = false;
    else if (key == VK_CONTROL)
        m_bControlDown = false;
    else if (key == VK_RETURN)
        ReleaseEnter();
    else
        CEdit::OnKeyUp(key, repeat, flags);
}

// Enter goes on to the next field, and from the last one to the next control.
void CmEdit::ReleaseEnter() {
    int start;
    int end;
    GetSelection(start, end);
    SetMaskedSel(start);
    GetSelection(start, end);
    if (end + 1 <= Length()) {
        SetMaskedSel(end + 1);
        return;
    }
    CWnd* const parent = GetParent();
    CWnd* const next = parent ? parent->GetNextDlgTabItem(this) : nullptr;
    if (!next || next->m_hWnd == m_hWnd)
        SetMaskedSel(0);
    else
        next->SetFocus();
}

void CmEdit::OnLButtonDown(UINT flags, CPoint point) {
    CEdit::OnLButtonDown(flags, point);
    int start;
    int end;
    GetSelection(start, end);
    SetSel(start, start);
}

void CmEdit::OnLButtonUp(UINT flags, CPoint point) {
    CEdit::OnLButtonUp(flags, point);
    int start;
    int end;
    GetSelection(start, end);
    for (int at = start + 1; at <= end && start < end; ++at) {
        if (!IsMaskedAt(at)) {
            SetMaskedSel(start);
            return;
        }
    }
}

void CmEdit::OnLButtonDblClk(UINT, CPoint) {
    int start;
    int end;
    GetSelection(start, end);
    SetMaskedSel(FieldStart(start));
}

// Swallowed: the edit's context menu would offer Undo and a Paste that ignores the mask.
void CmEdit::OnRButtonUp(UINT, CPoint) {}

void CmEdit::OnSetFocus(CWnd* oldWnd) {
    CEdit::OnSetFocus(oldWnd);
    SetMaskedSel(0);
}
