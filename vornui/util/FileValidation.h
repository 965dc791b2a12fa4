#pragma once

// Data exchange and validation for file and folder names typed into a dialog. The flags of
// the validators are letters in any case: r (the name must exist), w (it must be
// writable), c (folders only: offer to create a missing one). A failure tells the user and
// keeps the dialog open on the control.

#include "vornui/platform/CString.h"
#include "vornui/platform/DataExchange.h"
#include "vornui/platform/Export.h"

// Exchanges the control's text with a file name as DDX_Text does.
VORNUI_API void DDX_File(CDataExchange* pDX, int nIDC, CString& value);
// Exchanges the control's text with a folder name as DDX_Text does.
VORNUI_API void DDX_Path(CDataExchange* pDX, int nIDC, CString& value);

// While saving: the file name is not empty, and by `flags` exists (r), or is writable or
// can be made in a writable folder (w). Nothing with empty flags.
VORNUI_API void DDV_ValidFile(CDataExchange* pDX, const CString& file, LPCTSTR flags);
// While saving: the folder name is not empty, and by `flags` exists (r), is writable
// (w), or, missing, is created in one level after the user agrees (c).
VORNUI_API void DDV_ValidPath(CDataExchange* pDX, const CString& path, LPCTSTR flags);
