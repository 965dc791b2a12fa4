#include "vornui/lists/KListViewEx.h"

IMPLEMENT_DYNCREATE(KListViewEx, CListView)

KListViewEx::KListViewEx() = default;

KListViewEx::~KListViewEx() = default;

BOOL KListViewEx::PreCreateWindow(CREATESTRUCT& create) {
    create.style |= WS_CHILD | WS_VISIBLE | WS_BORDER;
    return CListView::PreCreateWindow(create);
}
