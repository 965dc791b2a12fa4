#pragma once

// Dialog templates as compiled-in data: the caption, styles, font and size of the dialog
// and every control with its class, text, id, styles and rectangle, all in dialog units.
// A template is registered as an RT_DIALOG resource whose data is one DialogTemplate
// (and whose size is sizeof(DialogTemplate)); the items it points to must live as long.

#include "vornui/platform/Export.h"
#include "vornui/platform/Resources.h"
#include "vornui/platform/WindowTypes.h"

struct DialogItemTemplate {
    LPCTSTR windowClass; // "Button", "Edit", "Static", ... or a registered class
    LPCTSTR text;        // the control's text; MAKEINTRESOURCE(id) for an image resource
    WORD id;
    DWORD style; // WS_CHILD is implied; WS_VISIBLE is not (a control may start hidden)
    DWORD exStyle;
    short x;
    short y;
    short cx;
    short cy;
};

struct DialogTemplate {
    DWORD style;
    DWORD exStyle;
    short x;
    short y;
    short cx;
    short cy;
    LPCTSTR caption;
    LPCTSTR fontName; // with DS_SETFONT
    WORD pointSize;
    const DialogItemTemplate* items;
    WORD itemCount;
    LPCTSTR windowClass = nullptr; // null: the system's dialog class
};

// The template stored as resource `name` in `module`, or null when the resource is not
// there or is not a template.
VORNUI_API const DialogTemplate* LoadDialogTemplate(HINSTANCE module, LPCTSTR name);
