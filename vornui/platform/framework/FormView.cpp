#include "vornui/platform/FormView.h"

#include "vornui/platform/DialogManager.h"
#include "vornui/platform/DialogTemplate.h"
#include "vornui/platform/internal/WindowInternals.h"

IMPLEMENT_DYNAMIC(CFormView, CScrollView)

CFormView::CFormView(UINT idTemplate) : m_lpszTemplateName(MAKEINTRESOURCE(idTemplate)) {}

CFormView::CFormView(LPCTSTR templateName) : m_lpszTemplateName(templateName) {}

CFormView::~CFormView() = default;

BOOL CFormView::Create(LPCTSTR, LPCTSTR, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                       void*) {
    const DialogTemplate* dialogTemplate = LoadDialogTemplate(nullptr, m_lpszTemplateName);
    if (!parent || !dialogTemplate)
        return FALSE;
    SetWindowCreationHook(&CWnd::HookCreation, this);
    const HWND hwnd =
        CreateDialogIndirectParam(AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG),
                                  dialogTemplate, parent->m_hWnd, nullptr, 0);
    SetWindowCreationHook(nullptr, nullptr);
    if (!hwnd)
        return FALSE;
    SetDlgCtrlID(static_cast<int>(id));
    CRect templateRect;
    GetWindowRect(&templateRect);
    SetScrollSizes(MM_TEXT, templateRect.Size());
    MoveWindow(&rect);
    if (style & WS_VISIBLE)
        ShowWindow(SW_SHOWNOACTIVATE);
    return TRUE;
}

void CFormView::OnInitialUpdate() {
    UpdateData(FALSE);
    CScrollView::OnInitialUpdate();
}

void CFormView::OnDraw(CDC*) {}
