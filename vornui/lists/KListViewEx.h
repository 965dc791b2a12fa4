#pragma once

// A list view with KListBase's sorting, tint and owner drawing, for document frames: a
// "SysListView32" control view, child, visible and bordered.

#include "vornui/lists/KListBinding.h"

class VORNUI_API KListViewEx : public KListBinding<CListView> {
    DECLARE_DYNCREATE(KListViewEx)
public:
    KListViewEx();
    ~KListViewEx() override;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& create) override;
};
