#pragma once

// The "Button" class: push buttons, default push buttons, check boxes (two and three
// states), radio buttons, group boxes and owner-drawn buttons, with their messages and the
// notifications they send to the parent (WM_COMMAND with BN_*).

#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/Wnd.h"

class VORNUI_API CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)
public:
    using CWnd::Create;
    BOOL Create(LPCTSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);

    UINT GetState() const;
    void SetState(BOOL highlight);
    int GetCheck() const;
    void SetCheck(int check);
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT style, BOOL redraw = TRUE);
    HANDLE SetIcon(HANDLE icon);
    HANDLE GetIcon() const;
    HANDLE SetBitmap(HANDLE bitmap);
    HANDLE GetBitmap() const;

    // Owner drawing (BS_OWNERDRAW, SS_OWNERDRAW): a class that draws itself overrides it;
    // this one leaves the drawing to the parent.
    virtual void DrawItem(LPDRAWITEMSTRUCT item);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};
