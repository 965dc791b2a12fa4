#include "vornui/platform/ListView.h"

#include "vornui/platform/internal/ReflectedItems.h"

IMPLEMENT_DYNCREATE(CListView, CView)

CListView::CListView() = default;

CListView::~CListView() {
    m_list.m_hWnd = nullptr;
}

CListCtrl& CListView::GetListCtrl() const {
    m_list.m_hWnd = m_hWnd;
    return m_list;
}

void CListView::DrawItem(LPDRAWITEMSTRUCT) {
    DeclineReflectedMessage();
}

void CListView::OnDraw(CDC*) {}

BOOL CListView::PreCreateWindow(CREATESTRUCT& create) {
    create.lpszClass = WC_LISTVIEW;
    return CView::PreCreateWindow(create);
}

void CListView::PreSubclassWindow() {
    m_list.m_hWnd = m_hWnd;
    CView::PreSubclassWindow();
}

int CListView::OnCreate(LPCREATESTRUCT create) {
    m_list.m_hWnd = m_hWnd;
    return CView::OnCreate(create);
}

void CListView::OnPaint() {
    Default();
}

BOOL CListView::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    return TakeReflectedItemMessage(*this, message, lParam, result) ||
           CView::OnChildNotify(message, wParam, lParam, result);
}
