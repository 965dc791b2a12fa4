#include "vornui/platform/SystemPrograms.h"
#include "vornui/platform/WinApp.h"
#include "vornui/platform/Wnd.h"

void CWinApp::WinHelp(DWORD_PTR, UINT) {
    if (!m_pszHelpFilePath || !*m_pszHelpFilePath)
        return;
    // The help file is a document like any other: the desktop knows what shows it.
    const HWND owner = m_pMainWnd ? m_pMainWnd->GetSafeHwnd() : nullptr;
    ShellExecute(owner, "open", m_pszHelpFilePath, nullptr, nullptr, SW_SHOWNORMAL);
}
