#include "vornui/platform/DialogBar.h"

#include "vornui/platform/DialogManager.h"
#include "vornui/platform/FrameWnd.h"
#include "vornui/platform/internal/WindowInternals.h"

IMPLEMENT_DYNAMIC(CDialogBar, CControlBar)

CDialogBar::CDialogBar() = default;

CDialogBar::~CDialogBar() = default;

BOOL CDialogBar::Create(CWnd* parent, LPCTSTR templateName, UINT style, UINT id) {
    const DialogTemplate* dialogTemplate = LoadDialogTemplate(nullptr, templateName);
    if (!parent || !dialogTemplate)
        return FALSE;
    m_dwStyle = style & CBRS_ALL;
    SetWindowCreationHook(&CWnd::HookCreation, this);
    const HWND hwnd = CreateDialogIndirectParam(AfxFindResourceHandle(templateName, RT_DIALOG),
                                                dialogTemplate, parent->m_hWnd, nullptr, 0);
    SetWindowCreationHook(nullptr, nullptr);
    if (!hwnd)
        return FALSE;
    SetDlgCtrlID(static_cast<int>(id));
    CRect window;
    GetWindowRect(&window);
    m_sizeDefault = window.Size();
    if (style & WS_VISIBLE)
        ShowWindow(SW_SHOWNOACTIVATE);
    return TRUE;
}

BOOL CDialogBar::Create(CWnd* parent, UINT templateId, UINT style, UINT id) {
    return Create(parent, MAKEINTRESOURCE(templateId), style, id);
}

CSize CDialogBar::CalcFixedLayout(BOOL stretch, BOOL horizontal) {
    if (!stretch)
        return m_sizeDefault;
    return horizontal ? CSize(32767, m_sizeDefault.cy) : CSize(m_sizeDefault.cx, 32767);
}

void CDialogBar::OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) {
    UpdateDialogControls(target, disableIfNoHandler);
}
