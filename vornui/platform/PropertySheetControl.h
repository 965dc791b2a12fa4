#pragma once

// The system's property sheet: a dialog of the class "#32770" that shows one page at a
// time, chosen with a "SysTabControl32" (or with Back and Next in a wizard), above the
// standard buttons. Pages are child dialogs made from their templates when first shown.
// The sheet talks to its pages with WM_NOTIFY (the PSN_* codes, from the sheet's own
// window) and is told things with the PSM_* messages.
//
// The order of the notifications: a tab change asks the page being left (PSN_KILLACTIVE;
// a non-zero result keeps it), then tells the page being shown (PSN_SETACTIVE). OK and
// Apply ask the active page (PSN_KILLACTIVE), then every page made so far (PSN_APPLY, in
// order; PSNRET_INVALID shows the page that refused and stops). Cancel asks the active page
// (PSN_QUERYCANCEL; TRUE keeps the sheet), then resets every page made (PSN_RESET). When
// OK, Cancel or Finish is done, a modal sheet ends and a PSH_MODELESS one has no current
// page any more (PSM_GETCURRENTPAGEHWND answers null), which tells its owner to destroy it.
//
// A wizard (PSH_WIZARD) shows Back and Next side by side, then Cancel; Finish takes Next's
// place when a page asks for it (PSM_SETWIZBUTTONS). A wizard with PSH_WIZARDHASFINISH
// always shows Finish, right of Next, enabled only while a page asks for it.

#include "vornui/platform/CommonControls.h"
#include "vornui/platform/DialogTemplate.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/Icons.h"
#include "vornui/platform/TabCtrl.h"
#include "vornui/platform/WindowTypes.h"

// The sheet's own controls.
#define AFX_IDC_TAB_CONTROL 0x3020
#define ID_APPLY_NOW 0x3021
#define ID_WIZBACK 0x3023
#define ID_WIZNEXT 0x3024
#define ID_WIZFINISH 0x3025

#define PSH_DEFAULT 0x00000000
#define PSH_PROPTITLE 0x00000001
#define PSH_USEHICON 0x00000002
#define PSH_USEICONID 0x00000004
#define PSH_PROPSHEETPAGE 0x00000008
#define PSH_WIZARDHASFINISH 0x00000010
#define PSH_WIZARD 0x00000020
#define PSH_USEPSTARTPAGE 0x00000040
#define PSH_NOAPPLYNOW 0x00000080
#define PSH_USECALLBACK 0x00000100
#define PSH_HASHELP 0x00000200
#define PSH_MODELESS 0x00000400
#define PSH_RTLREADING 0x00000800
#define PSH_WIZARDCONTEXTHELP 0x00001000
#define PSH_WIZARD97 0x01000000
#define PSH_NOCONTEXTHELP 0x02000000

#define PSP_DEFAULT 0x00000000
#define PSP_DLGINDIRECT 0x00000001
#define PSP_USEHICON 0x00000002
#define PSP_USEICONID 0x00000004
#define PSP_USETITLE 0x00000008
#define PSP_RTLREADING 0x00000010
#define PSP_HASHELP 0x00000020
#define PSP_USEREFPARENT 0x00000040
#define PSP_USECALLBACK 0x00000080
#define PSP_PREMATURE 0x00000400

// The sheet's callback (PSH_USECALLBACK): PSCB_PRECREATE with the sheet's template, which
// it may change, before the window is made; PSCB_INITIALIZED with the window afterwards.
#define PSCB_INITIALIZED 1
#define PSCB_PRECREATE 2
// A page's callback (PSP_USECALLBACK): PSPCB_CREATE just before its window is made.
#define PSPCB_ADDREF 0
#define PSPCB_RELEASE 1
#define PSPCB_CREATE 2

#define PSM_SETCURSEL (WM_USER + 101)
#define PSM_REMOVEPAGE (WM_USER + 102)
#define PSM_ADDPAGE (WM_USER + 103)
#define PSM_CHANGED (WM_USER + 104)
#define PSM_CANCELTOCLOSE (WM_USER + 107)
#define PSM_QUERYSIBLINGS (WM_USER + 108)
#define PSM_UNCHANGED (WM_USER + 109)
#define PSM_APPLY (WM_USER + 110)
#define PSM_SETTITLE (WM_USER + 111)
#define PSM_SETWIZBUTTONS (WM_USER + 112)
#define PSM_PRESSBUTTON (WM_USER + 113)
#define PSM_SETCURSELID (WM_USER + 114)
#define PSM_SETFINISHTEXT (WM_USER + 115)
#define PSM_GETTABCONTROL (WM_USER + 116)
#define PSM_ISDIALOGMESSAGE (WM_USER + 117)
#define PSM_GETCURRENTPAGEHWND (WM_USER + 118)
#define PSM_HWNDTOINDEX (WM_USER + 129)
#define PSM_INDEXTOHWND (WM_USER + 130)

#define PSN_FIRST (0u - 200u)
#define PSN_SETACTIVE (PSN_FIRST - 0)
#define PSN_KILLACTIVE (PSN_FIRST - 1)
#define PSN_APPLY (PSN_FIRST - 2)
#define PSN_RESET (PSN_FIRST - 3)
#define PSN_HELP (PSN_FIRST - 5)
#define PSN_WIZBACK (PSN_FIRST - 6)
#define PSN_WIZNEXT (PSN_FIRST - 7)
#define PSN_WIZFINISH (PSN_FIRST - 8)
#define PSN_QUERYCANCEL (PSN_FIRST - 9)

#define PSNRET_NOERROR 0
#define PSNRET_INVALID 1
#define PSNRET_INVALID_NOCHANGEPAGE 2

#define PSWIZB_BACK 0x00000001
#define PSWIZB_NEXT 0x00000002
#define PSWIZB_FINISH 0x00000004
#define PSWIZB_DISABLEDFINISH 0x00000008

#define PSBTN_BACK 0
#define PSBTN_NEXT 1
#define PSBTN_FINISH 2
#define PSBTN_OK 3
#define PSBTN_APPLYNOW 4
#define PSBTN_CANCEL 5
#define PSBTN_HELP 6

struct PROPSHEETPAGE;
using LPPROPSHEETPAGE = PROPSHEETPAGE*;
using LPCPROPSHEETPAGE = const PROPSHEETPAGE*;
using LPFNPSPCALLBACK = UINT (*)(HWND hwnd, UINT message, LPPROPSHEETPAGE page);
using PFNPROPSHEETCALLBACK = int (*)(HWND hwnd, UINT message, LPARAM lParam);

// One page: its template (by name in `hInstance`, through the resource chain when that is
// null, or the template itself with PSP_DLGINDIRECT), its procedure and title. A template
// in the framework's binary layout is handed in read (CBinaryDialogTemplate).
struct PROPSHEETPAGE {
    DWORD dwSize = sizeof(PROPSHEETPAGE);
    DWORD dwFlags = 0;
    HINSTANCE hInstance = nullptr;
    LPCTSTR pszTemplate = nullptr;
    const DialogTemplate* pResource = nullptr;
    LPCTSTR pszTitle = nullptr;
    DLGPROC pfnDlgProc = nullptr;
    LPARAM lParam = 0;
    LPFNPSPCALLBACK pfnCallback = nullptr;
};

// The sheet: its pages (copied when the sheet is made), caption and start page.
struct PROPSHEETHEADER {
    DWORD dwSize = sizeof(PROPSHEETHEADER);
    DWORD dwFlags = 0;
    HWND hwndParent = nullptr;
    HINSTANCE hInstance = nullptr;
    HICON hIcon = nullptr;
    LPCTSTR pszCaption = nullptr;
    UINT nPages = 0;
    UINT nStartPage = 0;
    LPCTSTR pStartPage = nullptr; // with PSH_USEPSTARTPAGE: the title of the start page
    LPCPROPSHEETPAGE ppsp = nullptr;
    PFNPROPSHEETCALLBACK pfnCallback = nullptr;
};
using LPPROPSHEETHEADER = PROPSHEETHEADER*;
using LPCPROPSHEETHEADER = const PROPSHEETHEADER*;

// What the sheet sends its pages with each PSN_* code; lParam is TRUE for the PSN_APPLY
// of OK and FALSE for that of Apply.
struct PSHNOTIFY {
    NMHDR hdr;
    LPARAM lParam;
};
using LPPSHNOTIFY = PSHNOTIFY*;

// Makes the sheet. With PSH_MODELESS the sheet's window is returned at once; otherwise the
// sheet runs modally and the result is 1 when it ended with OK or Finish, 0 when it was
// cancelled, -1 when it could not be made (no pages, a page without a template).
VORNUI_API INT_PTR PropertySheet(LPCPROPSHEETHEADER header);
