#include "vornui/properties/KPropWndEdit.h"

#include "vornui/platform/InputCodes.h"
#include "vornui/properties/KIconTextButtonProperty.h"
#include "vornui/properties/KPropWnd.h"

#include <algorithm>

KPropWndEdit::KPropWndEdit(KPropWnd* wnd, KIconTextButtonProperty* row)
    : m_pWnd(wnd), m_pRow(row) {}

void KPropWndEdit::AddCompanion(HWND companion) {
    m_companions.push_back(companion);
}

BOOL KPropWndEdit::DestroyWindow() {
    // Losing the focus while the row takes the edit away ends nothing more.
    m_bClosing = true;
    return CEdit::DestroyWindow();
}

bool KPropWndEdit::KeepsEditFor(HWND focus) const {
    if (!focus)
        return false;
    if (std::find(m_companions.begin(), m_companions.end(), focus) != m_companions.end())
        return true;
    UINT first = 0;
    UINT last = 0;
    m_pWnd->GetCommandRange(first, last);
    return ::GetParent(focus) == m_pWnd->m_hWnd &&
           static_cast<UINT>(::GetDlgCtrlID(focus)) == first + 1;
}

void KPropWndEdit::OnKillFocus(CWnd* newWnd) {
    CEdit::OnKillFocus(newWnd);
    if (m_bClosing || KeepsEditFor(newWnd ? newWnd->m_hWnd : nullptr))
        return;
    // Posted: the edit is still busy losing the focus, and the row may destroy it.
    m_pWnd->PostMessage(KPropWnd::kEndEditMessage, 0, reinterpret_cast<LPARAM>(m_hWnd));
}

void KPropWndEdit::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    if (key == VK_ESCAPE) {
        SetWindowText(m_pRow->GetShownText());
        EndEdit();
        return;
    }
    if (key == VK_RETURN && !m_pRow->WantsReturn()) {
        EndEdit();
        return;
    }
    CEdit::OnKeyDown(key, repeat, flags);
}

// Return and Escape also arrive as characters, which a single-line edit would beep at.
void KPropWndEdit::OnChar(UINT ch, UINT repeat, UINT flags) {
    if ((ch == '\r' && !m_pRow->WantsReturn()) || ch == 0x1B)
        return;
    CEdit::OnChar(ch, repeat, flags);
}

void KPropWndEdit::EndEdit() {
    m_pWnd->SetFocus();
}
