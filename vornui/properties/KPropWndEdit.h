#pragma once

// The in-place edit of a property window's active row. The edit ends when the focus
// leaves it for anything but its companions (the row's button and the like): the window
// then stores what was typed through the row's SetValueText and deactivates the row.
// Return ends the edit too (unless the row wants Return typed in); Escape puts the shown
// text back first, so that nothing is stored.

#include "vornui/platform/Edit.h"

#include <vector>

class KIconTextButtonProperty;
class KPropWnd;

class VORNUI_API KPropWndEdit : public CEdit {
public:
    // The edit of `row` on `wnd`; the row creates it as a child of the window.
    KPropWndEdit(KPropWnd* wnd, KIconTextButtonProperty* row);

    // A window the focus may move to without ending the edit.
    void AddCompanion(HWND companion);

    // Destroys the edit without ending the edit a second time.
    BOOL DestroyWindow() override;

protected:
    // Losing the focus ends the edit (unless to a companion); Return and Escape end it.
    void OnKillFocus(CWnd* newWnd) override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    void OnChar(UINT ch, UINT repeat, UINT flags) override;

private:
    bool KeepsEditFor(HWND focus) const;
    void EndEdit();

    KPropWnd* m_pWnd;
    KIconTextButtonProperty* m_pRow;
    std::vector<HWND> m_companions;
    bool m_bClosing = false;
};
