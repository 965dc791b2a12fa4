#pragma once

// The plain look of the standard controls: what their WM_PAINT handling draws. Each function paints
// one kind of control into a DC, in the colours of a palette taken from the system colours, with
// the font already selected.

#include "vornui/platform/CRect.h"
#include "vornui/platform/GdiTypes.h"

#include <string_view>
#include <vector>

struct ControlPalette {
    COLORREF face;
    COLORREF light;
    COLORREF highlight;
    COLORREF shadow;
    COLORREF darkShadow;
    COLORREF window;
    COLORREF windowText;
    COLORREF buttonText;
    COLORREF grayText;
    COLORREF selection;
    COLORREF selectionText;
    COLORREF frame;
};

// Fills `rect` with `color`.
void FillSolid(HDC hdc, const RECT& rect, COLORREF color);
// DrawEdge with explicit colours; with BF_ADJUST the rectangle shrinks by the edge.
void PaintEdge(HDC hdc, RECT* rect, UINT edge, UINT flags, const ControlPalette& palette);

struct ButtonLook {
    bool pushed = false;
    bool isDefault = false;
    bool focused = false;
    bool enabled = true;
    int check = 0; // 0 unchecked, 1 checked, 2 indeterminate
    bool textOnLeft = false;
    bool multiline = false;
};

void PaintPushButton(HDC hdc, const CRect& client, std::string_view text, const ButtonLook& look,
                     const ControlPalette& palette);
void PaintCheckButton(HDC hdc, const CRect& client, std::string_view text, const ButtonLook& look,
                      bool radio, const ControlPalette& palette);
void PaintGroupBox(HDC hdc, const CRect& client, std::string_view text, bool enabled,
                   const ControlPalette& palette);
// Text of a static control; `format` holds the DrawText flags its style asks for.
void PaintStaticText(HDC hdc, const CRect& client, std::string_view text, UINT format, bool enabled,
                     COLORREF color, const ControlPalette& palette);

struct EditLook {
    int selectionStart = 0;
    int selectionEnd = 0;
    bool showSelection = false;
    bool multiline = false;
    bool editable = true;
    UINT alignment = 0; // DT_LEFT, DT_CENTER or DT_RIGHT
};
void PaintEditText(HDC hdc, const CRect& client, std::string_view text, const EditLook& look,
                   const ControlPalette& palette);

struct ListLook {
    int topIndex = 0;
    int itemHeight = 0;
    std::vector<bool> selected;
    int caret = -1;
    bool focused = false;
    int scrollX = 0;           // pixels the texts are scrolled left
    bool expandTabs = false;   // tabs move the text on to the stops (a list box's LBS_USETABSTOPS)
    std::vector<int> tabStops; // pixels from where the text starts; empty: eight average characters
};
void PaintListItems(HDC hdc, const CRect& client, const std::vector<std::string_view>& items,
                    const ListLook& look, const ControlPalette& palette);
// The closed box of a combo box: its text field and the drop-down button; gives the field
// inside its frame, where an owner-drawn combo box has its selection drawn.
CRect PaintComboBox(HDC hdc, const CRect& client, std::string_view text, bool enabled, bool focused,
                    const ControlPalette& palette);
