#include "vornui/lists/KListCtrlEx.h"

IMPLEMENT_DYNCREATE(KListCtrlEx, CListCtrl)

KListCtrlEx::KListCtrlEx() = default;

KListCtrlEx::~KListCtrlEx() = default;
