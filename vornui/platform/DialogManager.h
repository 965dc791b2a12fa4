#pragma once

// The system's dialog manager: dialogs made from templates, the default dialog procedure,
// keyboard navigation (Tab, arrows in groups, Enter for the default button, Escape for
// Cancel), modal dialogs with their nested loop, and the helpers for dialog items.

#include "vornui/platform/DialogTemplate.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/Resources.h"
#include "vornui/platform/Sound.h"
#include "vornui/platform/WindowMessages.h"
#include "vornui/platform/WindowTypes.h"

#define DM_GETDEFID (WM_USER + 0)
#define DM_SETDEFID (WM_USER + 1)
#define DM_REPOSITION (WM_USER + 2)
#define DC_HASDEFID 0x534B

VORNUI_API HWND CreateDialogIndirectParam(HINSTANCE instance, const DialogTemplate* dialog,
                                          HWND parent, DLGPROC proc, LPARAM param);
// Finds template `name` in `instance` (through the resource chain when instance is null).
VORNUI_API HWND CreateDialogParam(HINSTANCE instance, LPCTSTR name, HWND parent, DLGPROC proc,
                                  LPARAM param);
VORNUI_API INT_PTR DialogBoxIndirectParam(HINSTANCE instance, const DialogTemplate* dialog,
                                          HWND parent, DLGPROC proc, LPARAM param);
VORNUI_API INT_PTR DialogBoxParam(HINSTANCE instance, LPCTSTR name, HWND parent, DLGPROC proc,
                                  LPARAM param);
// Marks the dialog ended with `result` and hides it; a modal loop then ends, a modeless
// dialog stays (hidden) until it is destroyed.
VORNUI_API BOOL EndDialog(HWND dialog, INT_PTR result);
VORNUI_API LRESULT DefDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
VORNUI_API BOOL IsDialogMessage(HWND dialog, LPMSG msg);
VORNUI_API HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
VORNUI_API HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous);
// Dialog units to pixels with the dialog's base units.
VORNUI_API BOOL MapDialogRect(HWND dialog, LPRECT rect);

VORNUI_API LRESULT SendDlgItemMessage(HWND dialog, int id, UINT message, WPARAM wParam,
                                      LPARAM lParam);
VORNUI_API BOOL SetDlgItemText(HWND dialog, int id, LPCTSTR text);
VORNUI_API UINT GetDlgItemText(HWND dialog, int id, LPTSTR text, int maxCount);
VORNUI_API BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned);
VORNUI_API UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned);
VORNUI_API BOOL CheckDlgButton(HWND dialog, int id, UINT check);
VORNUI_API UINT IsDlgButtonChecked(HWND dialog, int id);
VORNUI_API BOOL CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId);
