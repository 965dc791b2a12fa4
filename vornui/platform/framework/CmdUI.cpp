#include "vornui/platform/CmdUI.h"

#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/CMenu.h"
#include "vornui/platform/CmdTarget.h"
#include "vornui/platform/Wnd.h"

CCmdUI::CCmdUI() = default;

CCmdUI::~CCmdUI() = default;

void CCmdUI::Enable(BOOL on) {
    if (m_pMenu) {
        if (m_pSubMenu)
            return; // a submenu is not greyed through its first item
        m_pMenu->EnableMenuItem(m_nIndex,
                                MF_BYPOSITION | (on ? MF_ENABLED : MF_DISABLED | MF_GRAYED));
    } else if (m_pOther) {
        // A control losing its ability to act must not keep the focus.
        if (!on && ::GetFocus() == m_pOther->m_hWnd && m_pOther->GetParent())
            m_pOther->GetParent()->SendMessage(WM_NEXTDLGCTL, 0, FALSE);
        m_pOther->EnableWindow(on);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int check) {
    if (m_pMenu) {
        if (!m_pSubMenu)
            m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (check ? MF_CHECKED : MF_UNCHECKED));
    } else if (m_pOther && (m_pOther->SendMessage(WM_GETDLGCODE) & DLGC_BUTTON)) {
        m_pOther->SendMessage(BM_SETCHECK, static_cast<WPARAM>(check));
    }
}

void CCmdUI::SetRadio(BOOL on) {
    if (!m_pMenu || m_pSubMenu) {
        SetCheck(on ? 1 : 0);
        return;
    }
    if (on)
        m_pMenu->CheckMenuRadioItem(m_nIndex, m_nIndex, m_nIndex, MF_BYPOSITION);
    else
        m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | MF_UNCHECKED);
}

void CCmdUI::SetText(LPCTSTR text) {
    if (m_pMenu) {
        if (m_pSubMenu)
            return;
        const UINT state = m_pMenu->GetMenuState(m_nIndex, MF_BYPOSITION);
        const UINT kept = state & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MFT_RADIOCHECK |
                                   MF_MENUBARBREAK | MF_MENUBREAK | MF_DEFAULT);
        m_pMenu->ModifyMenu(m_nIndex, MF_BYPOSITION | MF_STRING | kept, m_nID, text);
    } else if (m_pOther) {
        CString current;
        m_pOther->GetWindowText(current);
        if (current != text) // no flicker for a text that stays
            m_pOther->SetWindowText(text);
    }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler) {
    if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF)
        return TRUE; // separators and items without a command are left alone
    m_bEnableChanged = FALSE;
    const BOOL handled = target->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
    if (!handled && disableIfNoHandler && !m_bEnableChanged) {
        AFX_CMDHANDLERINFO info{nullptr, {nullptr}};
        Enable(target->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
    }
    return handled;
}
