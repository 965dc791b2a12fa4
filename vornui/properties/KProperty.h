#pragma once

// One row of a property window (KPropWnd): a name and a value bound to a variable of the
// host's. The row measures, draws and edits itself; it changes the bound variable only in
// OnCommand or SetValueText, and only after its host accepted the new value. Hosts derive
// their own rows from it, or from KIconTextButtonProperty, which most rows need; the
// virtual operations keep their order, so that a host's row lines up with the library's.
//
// The window lays its rows out in content coordinates (its scroll position moved out):
// the rectangle of a row is its value column, and the points it is handed are in the
// same coordinates.

#include "vornui/platform/CDC.h"
#include "vornui/platform/CRect.h"
#include "vornui/platform/CString.h"
#include "vornui/platform/Export.h"
#include "vornui/properties/IPropertyHost.h"

class KPropWnd;

class VORNUI_API KProperty {
public:
    // `host` and `data` are not owned and must outlive the row. An editable row is still
    // edited only while its host's CanEdit agrees.
    KProperty(IPropertyHost* host, const char* name, void* data, bool editable);
    virtual ~KProperty();
    KProperty(const KProperty&) = delete;
    KProperty& operator=(const KProperty&) = delete;

    // A command of the window's range for this row (its edit, its button, its menu
    // entries), with the control's notification code; true when the bound value changed.
    virtual bool OnCommand(KPropWnd* wnd, UINT id, UINT code);
    // The text of the name column.
    virtual CString GetName();
    // The width the value needs, in the DC's font.
    virtual int GetWidth(CDC* dc);
    // The height of a row that does not measure itself.
    virtual int GetDefaultHeight();
    // The row's height, in the DC's font.
    virtual int GetHeight(CDC* dc);
    // Draws the value into the row's rectangle.
    virtual void Draw(CDC* dc, KPropWnd* wnd);
    // Draws the value, outlined in red: the row the host wants seen.
    virtual void DrawHighlighted(CDC* dc, KPropWnd* wnd);
    // The window made the row its active one. Nothing by default: a row with something to
    // edit sets m_bActive and makes its edit windows (KIconTextButtonProperty does).
    virtual void Activate(KPropWnd* wnd);
    // A key pressed in the window while this row is active; true when the row used it.
    virtual bool OnKeyDown(KPropWnd* wnd, UINT key);
    // The row stops being edited; the row clears what Activate set.
    virtual void Deactivate();
    // A click into the active row; true when the bound value changed.
    virtual bool OnLButtonDown(KPropWnd* wnd, CPoint point);
    // Editable at all, and allowed by the host now.
    virtual bool IsEditable();
    // Whether a click makes the row the active one.
    virtual bool CanActivate();
    // The colour of the row's name column: the window's face colour, darker while active.
    virtual COLORREF GetColor(KPropWnd* wnd);
    // The value as a number, for comparisons; false for a row without one.
    virtual bool GetNumber(double* value);
    // The value as the row shows it.
    virtual CString GetValueText();
    // Orders two rows: by number when both have one, else by value text (case counts).
    virtual int Compare(KProperty& other);
    // A double click into the active row; true when the bound value changed.
    virtual bool OnLButtonDblClk(KPropWnd* wnd, CPoint point);
    // The help text, from a string resource or given.
    virtual void SetDescription(UINT stringId);
    virtual void SetDescription(const CString& text);
    virtual CString GetDescription();
    // Whether the window shows the row; a hidden row takes no place.
    virtual bool IsVisible();
    // The row was handed to `wnd`, or taken from it.
    virtual void OnAdded(KPropWnd* wnd);
    virtual void OnRemoved(KPropWnd* wnd);
    // The wheel turned while this row is active; true when the bound value changed (the
    // window scrolls otherwise).
    virtual bool OnMouseWheel(KPropWnd* wnd, UINT flags, short delta, CPoint point);
    // The window scrolled while this row is active.
    virtual void OnScrolled(KPropWnd* wnd);
    // A right click into the row; true when the bound value changed.
    virtual bool OnRButtonDown(KPropWnd* wnd, CPoint point);
    // Stores the value that `text` shows, when the host accepts it; false otherwise.
    virtual bool SetValueText(const CString& text);
    // A character typed in the window while this row is active; true when the bound value
    // changed.
    virtual bool OnChar(KPropWnd* wnd, UINT ch);

    // A listener beside the host: choice rows ask it (AcceptChange with no value, its answer
    // aside) once their host accepted a value, and the window tells it of every change
    // after the host. Null for none; not owned.
    void SetSecondListener(IPropertyHost* listener) { m_pSecondListener = listener; }
    IPropertyHost* GetSecondListener() const { return m_pSecondListener; }
    IPropertyHost* GetHost() const { return m_pHost; }
    void* GetData() const { return m_pData; }
    bool IsActive() const { return m_bActive; }
    // Where the window lays the row's value out.
    const CRect& GetRect() const { return m_rect; }
    void SetRect(const CRect& rect) { m_rect = rect; }

protected:
    // The host's answer for `proposed`; a row without a host takes every value.
    bool Accepts(const void* proposed);

    // Whether the row may be edited at all.
    bool m_bEditable;
    // Whether the row is being edited.
    bool m_bActive = false;
    // The text of the name column.
    CString m_strName;
    // Asked and told of changes; not owned.
    IPropertyHost* m_pHost;
    // See SetSecondListener; not owned.
    IPropertyHost* m_pSecondListener = nullptr;
    // The value column of the row, in the window's content coordinates.
    CRect m_rect;
    // The host's variable the row is bound to; not owned.
    void* m_pData;
    // The help text.
    CString m_strDescription;
};
