#pragma once

// The row most property rows are: an optional icon, the value as one line of text, and,
// while the row is active and editable, an in-place edit over the text and a "..." button
// at the right. A deriving row says which of these it has (GetIconWidth, HasEdit,
// HasButton) and gives its value text (GetTextValue); the edit sends the window command
// id `first` of its range, the button `first` + 1 (600 and 601 by default).
//
//   class LineNameRow : public KIconTextButtonProperty {
//   public:
//       LineNameRow(IPropertyHost* host, CString* name)
//           : KIconTextButtonProperty(host, "Line", name, true) {}
//       CString GetTextValue() override { return *static_cast<CString*>(m_pData); }
//       bool HasEdit() override { return true; }
//       bool SetValueText(const CString& text) override {
//           if (!Accepts(&text))
//               return false;
//           *static_cast<CString*>(m_pData) = text;
//           return true;
//       }
//   };

#include "vornui/properties/KProperty.h"

class CHoverButton;
class KPropWndEdit;

class VORNUI_API KIconTextButtonProperty : public KProperty {
public:
    // As KProperty; the row's edit and button, while it has them, die with it.
    KIconTextButtonProperty(IPropertyHost* host, const char* name, void* data, bool editable);
    ~KIconTextButtonProperty() override;

    // The value text (GetTextValue), measured: icon, margins and text.
    int GetWidth(CDC* dc) override;
    // One line of the value text (or of "Q" when it is empty) and its margins.
    int GetHeight(CDC* dc) override;
    void Draw(CDC* dc, KPropWnd* wnd) override;
    // Creates the edit (with all its text selected and the focus) and the button, as the
    // row has them and is editable.
    void Activate(KPropWnd* wnd) override;
    // Destroys the edit and the button.
    void Deactivate() override;
    // A click on the drawn button runs the row's button command; answers false.
    bool OnLButtonDown(KPropWnd* wnd, CPoint point) override;
    // The value text.
    CString GetValueText() override;

    // The width of the icon; 0 for none.
    virtual int GetIconWidth();
    // Whether the row has a "..." button while it is editable.
    virtual bool HasButton();
    // Draws the icon into `rect`; by default its outline.
    virtual void DrawIcon(CDC* dc, KPropWnd* wnd, const CRect& rect);
    // The value as text; every row overrides it.
    virtual CString GetTextValue();
    // Whether the value text is drawn at all.
    virtual bool ShowsValueText();
    // Whether the row has an in-place edit while it is editable.
    virtual bool HasEdit();
    // Whether Return is typed into the edit rather than ending it.
    virtual bool WantsReturn();

    // Alignment of the value text and of the edit.
    enum { eAlignLeft = 0, eAlignCenter = 1, eAlignRight = 2 };
    void SetAlignment(int alignment) { m_nAlignment = alignment; }
    // The value text when the row was activated.
    const CString& GetShownText() const { return m_strShownText; }

protected:
    // The in-place edit and the row button while the row is active; null otherwise.
    KPropWndEdit* m_pEdit = nullptr;
    CHoverButton* m_pButton = nullptr;
    // The button's width in pixels.
    int m_nButtonWidth = 20;
    // eAlignLeft, eAlignCenter or eAlignRight.
    int m_nAlignment = eAlignLeft;
    // Where the text, the icon, the edit (on the window) and the button lie, as last laid
    // out.
    CRect m_rectText;
    CRect m_rectIcon;
    CRect m_rectEdit;
    CRect m_rectButton;
    // The value text when the row was activated.
    CString m_strShownText;
    // The DC's viewport origin when the row was last drawn: what content coordinates are
    // moved by on the window.
    CPoint m_ptOffset;

private:
    // Places icon, text and button inside the row's rectangle.
    void LayOut(KPropWnd* wnd, bool withButton);
    void DrawValueText(CDC* dc, KPropWnd* wnd, bool editable);
    void CreateEdit(KPropWnd* wnd, UINT id);
    void CreateButton(KPropWnd* wnd, UINT id);
};
