#include "vornui/platform/View.h"

#include "vornui/platform/CDC.h"
#include "vornui/platform/FrameWnd.h"
#include "vornui/platform/WindowDC.h"
#include "vornui/platform/internal/FrameOrViewClass.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

CView::CView() = default;

CView::~CView() = default;

BOOL CView::PreCreateWindow(CREATESTRUCT& create) {
    if (!create.lpszClass)
        create.lpszClass = FrameOrViewClass();
    create.style |= WS_CLIPSIBLINGS;
    if (create.style & WS_BORDER) { // a view's border is drawn sunken
        create.style &= ~WS_BORDER;
        create.dwExStyle |= WS_EX_CLIENTEDGE;
    }
    return TRUE;
}

void CView::OnInitialUpdate() {
    Invalidate(TRUE);
}

BOOL CView::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_INITIALUPDATE) {
        OnInitialUpdate();
        *result = 0;
        return TRUE;
    }
    return CWnd::OnWndMsg(message, wParam, lParam, result);
}

void CView::PostNcDestroy() {
    delete this;
}

void CView::OnPaint() {
    CPaintDC dc(this);
    OnDraw(&dc);
}

void CView::OnDestroy() {
    if (CFrameWnd* frame = GetParentFrame(); frame && frame->GetActiveView() == this)
        frame->SetActiveView(nullptr, FALSE);
    CWnd::OnDestroy();
}
