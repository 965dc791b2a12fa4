#pragma once

// A report list control with KListBase's sorting, tint and owner drawing, for dialogs.

#include "vornui/lists/KListBinding.h"

class VORNUI_API KListCtrlEx : public KListBinding<CListCtrl> {
    DECLARE_DYNCREATE(KListCtrlEx)
public:
    KListCtrlEx();
    ~KListCtrlEx() override;
};
