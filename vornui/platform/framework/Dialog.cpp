#include "vornui/platform/Dialog.h"

#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/WinApp.h"
#include "vornui/platform/internal/ModalLoop.h"
#include "vornui/platform/internal/WindowInternals.h"

CDialog::CDialog() = default;

CDialog::CDialog(UINT idTemplate, CWnd* parent)
    : m_lpszTemplateName(MAKEINTRESOURCE(idTemplate)), m_nIDHelp(idTemplate), m_pParentWnd(parent) {
}

CDialog::CDialog(LPCTSTR templateName, CWnd* parent)
    : m_lpszTemplateName(templateName), m_pParentWnd(parent) {}

const DialogTemplate* CDialog::FindTemplate() const {
    if (m_lpDialogTemplate)
        return m_lpDialogTemplate;
    return m_lpszTemplateName ? LoadDialogTemplate(nullptr, m_lpszTemplateName) : nullptr;
}

BOOL CDialog::CreateFromTemplate(const DialogTemplate* dialogTemplate, HWND parent) {
    if (!dialogTemplate)
        return FALSE;
    SetWindowCreationHook(&CWnd::HookCreation, this);
    const HWND hwnd =
        CreateDialogIndirectParam(AfxGetResourceHandle(), dialogTemplate, parent, nullptr, 0);
    SetWindowCreationHook(nullptr, nullptr);
    return hwnd != nullptr;
}

BOOL CDialog::Create(UINT idTemplate, CWnd* parent) {
    return Create(MAKEINTRESOURCE(idTemplate), parent);
}

BOOL CDialog::Create(LPCTSTR templateName, CWnd* parent) {
    m_lpszTemplateName = templateName;
    m_pParentWnd = parent;
    return CreateFromTemplate(LoadDialogTemplate(nullptr, templateName),
                              parent ? parent->m_hWnd : nullptr);
}

BOOL CDialog::CreateIndirect(const DialogTemplate* dialogTemplate, CWnd* parent) {
    m_pParentWnd = parent;
    return CreateFromTemplate(dialogTemplate, parent ? parent->m_hWnd : nullptr);
}

BOOL CDialog::InitModalIndirect(const DialogTemplate* dialogTemplate, CWnd* parent) {
    m_lpDialogTemplate = dialogTemplate;
    m_pParentWnd = parent;
    return dialogTemplate != nullptr;
}

HWND CDialog::ModalParent() const {
    CWnd* parent = m_pParentWnd;
    if (!parent && AfxGetApp())
        parent = AfxGetApp()->m_pMainWnd;
    if (!parent || !::IsWindow(parent->m_hWnd))
        return nullptr;
    return ::GetAncestor(parent->m_hWnd, GA_ROOT);
}

INT_PTR CDialog::DoModal() {
    const DialogTemplate* dialogTemplate = FindTemplate();
    if (!dialogTemplate)
        return -1;
    const HWND parent = ModalParent();
    const bool enableParent = parent && ::IsWindowEnabled(parent);
    if (enableParent)
        ::EnableWindow(parent, FALSE);
    m_nModalResult = -1;
    m_bContinueModal = true;
    if (CreateFromTemplate(dialogTemplate, parent) && m_bContinueModal) {
        if (!IsWindowVisible())
            ShowWindow(SW_SHOWNORMAL);
        const HWND self = m_hWnd;
        RunModalDialogLoop(
            self, [this, self] { return !m_bContinueModal || !::IsWindow(self); },
            [self](MSG* msg) { return CWnd::WalkPreTranslateTree(self, msg) != FALSE; },
            [this] { EndDialog(IDCANCEL); });
    }
    m_bContinueModal = false;
    if (m_hWnd)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    if (enableParent) {
        ::EnableWindow(parent, TRUE);
        if (::GetActiveWindow() == m_hWnd)
            ::SetActiveWindow(parent);
    }
    DestroyWindow();
    return m_nModalResult;
}

void CDialog::EndDialog(int result) {
    if (m_bContinueModal) {
        m_nModalResult = result;
        m_bContinueModal = false;
    }
    ::EndDialog(m_hWnd, result);
}

void CDialog::NextDlgCtrl() const {
    SendMessage(WM_NEXTDLGCTL, 0, 0);
}

void CDialog::PrevDlgCtrl() const {
    SendMessage(WM_NEXTDLGCTL, 1, 0);
}

void CDialog::GotoDlgCtrl(CWnd* control) {
    if (control)
        SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control->m_hWnd), 1);
}

void CDialog::SetDefID(UINT id) {
    SendMessage(DM_SETDEFID, id);
}

DWORD CDialog::GetDefID() const {
    return static_cast<DWORD>(SendMessage(DM_GETDEFID));
}

void CDialog::MapDialogRect(LPRECT rect) const {
    ::MapDialogRect(m_hWnd, rect);
}

BOOL CDialog::OnInitDialog() {
    if (!UpdateData(FALSE)) {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
    const bool input = (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) ||
                       (msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST);
    return input && ::IsDialogMessage(m_hWnd, msg);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (CWnd::OnCommand(wParam, lParam))
        return TRUE;
    if (HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK:
        OnOK();
        return TRUE;
    case IDCANCEL:
        OnCancel();
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_INITDIALOG) {
        *result = OnInitDialog();
        return TRUE;
    }
    return CWnd::OnWndMsg(message, wParam, lParam, result);
}

IMPLEMENT_DYNAMIC(CDialog, CWnd)
