#include "vornui/edits/CmEdit.h"

#include <algorithm>
#include <cstring>

CmEdit::CmEdit() = default;

CmEdit::~CmEdit() = default;

BOOL CmEdit::SubclassWindow(HWND hwnd) {
    if (!CEdit::SubclassWindow(hwnd))
        return FALSE;
    Refresh();
    return TRUE;
}

BOOL CmEdit::SubclassDlgItem(UINT id, CWnd* parent) {
    const HWND item = parent ? ::GetDlgItem(parent->m_hWnd, static_cast<int>(id)) : nullptr;
    return item && SubclassWindow(item);
}

bool CmEdit::IsMaskedAt(int position) const {
    return position >= 0 && position < Length() && m_aChars[position].Masked();
}

int CmEdit::NextMasked(int position) const {
    position = std::max(position, 0);
    while (position < Length() && !m_aChars[position].Masked())
        ++position;
    return std::min(position, Length());
}

int CmEdit::FieldEnd(int position) const {
    while (IsMaskedAt(position))
        ++position;
    return position;
}

int CmEdit::FieldStart(int position) const {
    while (position > 0 && IsMaskedAt(position - 1))
        --position;
    return position;
}

CString CmEdit::DisplayedText() const {
    std::string shown(m_aChars.size(), m_cPrompt);
    for (size_t at = 0; at < m_aChars.size(); ++at) {
        const CmEditChar& position = m_aChars[at];
        if (position.GetValue() != 0)
            shown[at] = m_cPassword && position.Masked() ? m_cPassword : position.GetValue();
    }
    return CString(shown);
}

void CmEdit::GetSelection(int& start, int& end) const {
    start = end = 0;
    if (GetSafeHwnd())
        CEdit::GetSel(start, end);
}

void CmEdit::Refresh() {
    int start;
    int end;
    GetSelection(start, end);
    Show(start, end);
}

// The text goes to the edit's own procedure: WM_SETTEXT from anyone else means
// SetWindowText, which would come back here.
void CmEdit::Show(int start, int end) {
    if (!GetSafeHwnd())
        return;
    const CString shown = DisplayedText();
    CWnd::DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(shown.GetString()));
    if (start > Length())
        start = end = Length();
    SetSel(start, std::min(end, Length()));
}

// Outside the text no position is editable: the moves start at its nearer end.
void CmEdit::SetSel(int nStart, int nEnd, int bNoScroll) {
    if (nEnd < nStart && nStart >= 0) {
        nStart = std::min(nStart, Length());
        while (nStart > 0 && !IsMaskedAt(nStart))
            --nStart;
    }
    if (nEnd == nStart) {
        nStart = std::max(nStart, 0);
        while (nStart < Length() && !IsMaskedAt(nStart))
            ++nStart;
    }
    if (nEnd < nStart)
        nEnd = nStart;
    if (GetSafeHwnd())
        CEdit::SetSel(nStart, nEnd, bNoScroll);
}

std::pair<int, int> CmEdit::FieldAt(int position) const {
    if (position == Length())
        position = 0;
    const int start = NextMasked(position);
    return {start, FieldEnd(start)};
}

void CmEdit::SetMaskedSel(int position) {
    const auto [start, end] = FieldAt(position);
    if (GetSafeHwnd())
        CEdit::SetSel(start, end);
}

void CmEdit::SelectNextField() {
    int start;
    int end;
    GetSelection(start, end);
    SetMaskedSel(FieldEnd(end));
}

// Back over the current field and the literals before it to the previous field; from the
// first field (nothing before it) round to the last.
void CmEdit::SelectPreviousField() {
    int start;
    int end;
    GetSelection(start, end);
    int position = std::min(start, Length());
    if (IsMaskedAt(position))
        position = FieldStart(position);
    while (position > 0 && !IsMaskedAt(position - 1))
        --position;
    if (position == 0)
        SelectLastField();
    else
        SetMaskedSel(FieldStart(position));
}

void CmEdit::SelectLastField() {
    int last = Length() - 1;
    while (last >= 0 && !IsMaskedAt(last))
        --last;
    if (last < 0)
        SetSel(Length(), Length());
    else
        SetMaskedSel(FieldStart(last));
}

void CmEdit::EmptyPositions(int start, int end) {
    for (int at = std::max(start, 0); at < std::min(end, Length()); ++at)
        m_aChars[at].Empty();
}

char CmEdit::Converted(char ch) const {
    if (m_bToLower)
        ch = ToLower1252(ch);
    if (m_bToUpper)
        ch = ToUpper1252(ch);
    return ch;
}

void CmEdit::ReplaceSel(const char* text, int) {
    int start;
    int end;
    GetSelection(start, end);
    if (start >= Length())
        return;
    if (start == end)
        end = Length();
    const std::string_view typed(text ? text : "");
    size_t next = 0;
    for (int at = start; at < std::min(end, Length()) && next < typed.size(); ++at) {
        CmEditChar& position = m_aChars[at];
        if (!position.Masked())
            continue;
        while (next < typed.size() && !position.Accepts(typed[next]))
            ++next;
        if (next < typed.size())
            position.SetValue(Converted(typed[next++]));
    }
    const auto [fieldStart, fieldEnd] = FieldAt(start);
    Show(fieldStart, fieldEnd);
}

void CmEdit::SetPrompt(char prompt) {
    if (prompt == 0)
        return;
    m_cPrompt = prompt;
    Refresh();
}

void CmEdit::SetPasswordChar(char password) {
    m_cPassword = password;
    Refresh();
}

void CmEdit::ConverToLower(bool b) {
    m_bToLower = b;
    m_bToUpper = !b;
}

void CmEdit::ConverToUpper(bool b) {
    m_bToUpper = b;
    m_bToLower = !b;
}

void CmEdit::SetWindowText(const char* text) {
    if (text) {
        EmptyPositions(0, Length());
        SetSel(0, Length());
        ReplaceSel(text);
    }
    Refresh();
}

void CmEdit::SetData(CString s) {
    if (!s.IsEmpty())
        SetWindowText(s);
}

CString CmEdit::GetData(int nStart, int nCount) const {
    if (nStart < 0 || nStart >= Length())
        nStart = 0;
    if (nCount < 0 || nCount > Length() - nStart)
        nCount = Length() - nStart;
    std::string data;
    for (int at = nStart; at < nStart + nCount; ++at) {
        const CmEditChar& position = m_aChars[at];
        if (m_bCopyNonMasked)
            data += position.GetValue() ? position.GetValue() : m_cPrompt;
        else if (position.Masked() && position.GetValue())
            data += position.GetValue();
    }
    return CString(data);
}

void CmEdit::GetWindowText(CString& text) const {
    text = GetData(0, -1);
}

int CmEdit::GetWindowText(char* buffer, int nMax) const {
    if (!buffer || nMax <= 0)
        return 0;
    const CString data = GetData(0, nMax);
    const int length = std::min(data.GetLength(), nMax - 1);
    std::memcpy(buffer, data.GetString(), length);
    buffer[length] = 0;
    return length;
}

int CmEdit::GetWindowTextLength() const {
    return GetData(0, -1).GetLength();
}

IMPLEMENT_DYNCREATE(CmEdit, CEdit)
