#pragma once

#include "vornui/platform/Export.h"
#include "vornui/platform/ListBox.h"
#include "vornui/platform/WinTypes.h"

// Sets the list box's horizontal scroll extent to its widest entry in the list box's own
// font. Without `tabStop` each entry is measured with an 'x' more for a margin. With one,
// the list box gets that single tab stop (in dialog units), and every tab of an entry
// counts (horizontal dialog base unit x *tabStop) / (the font's average character width)
// pixels before the text after the last tab. S_OK; E_FAIL without a window; E_OUTOFMEMORY
// without a device context.
VORNUI_API HRESULT SetHorizontalLBExtent(CListBox* listBox, const int* tabStop);
