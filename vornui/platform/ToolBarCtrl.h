#pragma once

// The "ToolbarWindow32" class: a row of buttons showing pictures from image lists (normal,
// hot and disabled), each sending WM_COMMAND with its id when clicked. A flat toolbar
// raises the button under the pointer (hot tracking); a drop-down button asks its parent
// what to open (TBN_DROPDOWN), from its own arrow when the toolbar draws arrows
// (TBSTYLE_EX_DRAWDDARROWS). The toolbar never destroys the image lists it is given.

#include "vornui/platform/CommonControls.h"
#include "vornui/platform/ImageList.h"
#include "vornui/platform/Wnd.h"

#define TOOLBARCLASSNAME "ToolbarWindow32"

// Button styles.
#define TBSTYLE_BUTTON 0x0000
#define TBSTYLE_SEP 0x0001
#define TBSTYLE_CHECK 0x0002
#define TBSTYLE_GROUP 0x0004
#define TBSTYLE_CHECKGROUP (TBSTYLE_GROUP | TBSTYLE_CHECK)
#define TBSTYLE_DROPDOWN 0x0008
#define BTNS_BUTTON TBSTYLE_BUTTON
#define BTNS_SEP TBSTYLE_SEP
#define BTNS_CHECK TBSTYLE_CHECK
#define BTNS_GROUP TBSTYLE_GROUP
#define BTNS_CHECKGROUP TBSTYLE_CHECKGROUP
#define BTNS_DROPDOWN TBSTYLE_DROPDOWN
#define BTNS_WHOLEDROPDOWN 0x0080

// Window styles.
#define TBSTYLE_TOOLTIPS 0x0100
#define TBSTYLE_WRAPABLE 0x0200
#define TBSTYLE_FLAT 0x0800
#define TBSTYLE_LIST 0x1000
#define TBSTYLE_TRANSPARENT 0x8000

#define TBSTYLE_EX_DRAWDDARROWS 0x00000001

// Button states.
#define TBSTATE_CHECKED 0x01
#define TBSTATE_PRESSED 0x02
#define TBSTATE_ENABLED 0x04
#define TBSTATE_HIDDEN 0x08
#define TBSTATE_INDETERMINATE 0x10

#define I_IMAGENONE (-2)

#define TB_ENABLEBUTTON (WM_USER + 1)
#define TB_CHECKBUTTON (WM_USER + 2)
#define TB_PRESSBUTTON (WM_USER + 3)
#define TB_HIDEBUTTON (WM_USER + 4)
#define TB_ISBUTTONENABLED (WM_USER + 9)
#define TB_ISBUTTONCHECKED (WM_USER + 10)
#define TB_ISBUTTONPRESSED (WM_USER + 11)
#define TB_ISBUTTONHIDDEN (WM_USER + 12)
#define TB_SETSTATE (WM_USER + 17)
#define TB_GETSTATE (WM_USER + 18)
#define TB_ADDBUTTONS (WM_USER + 20)
#define TB_INSERTBUTTON (WM_USER + 21)
#define TB_DELETEBUTTON (WM_USER + 22)
#define TB_GETBUTTON (WM_USER + 23)
#define TB_BUTTONCOUNT (WM_USER + 24)
#define TB_COMMANDTOINDEX (WM_USER + 25)
#define TB_GETITEMRECT (WM_USER + 29)
#define TB_BUTTONSTRUCTSIZE (WM_USER + 30)
#define TB_SETBUTTONSIZE (WM_USER + 31)
#define TB_SETBITMAPSIZE (WM_USER + 32)
#define TB_AUTOSIZE (WM_USER + 33)
#define TB_SETPARENT (WM_USER + 37)
#define TB_SETIMAGELIST (WM_USER + 48)
#define TB_GETIMAGELIST (WM_USER + 49)
#define TB_GETRECT (WM_USER + 51)
#define TB_SETHOTIMAGELIST (WM_USER + 52)
#define TB_GETHOTIMAGELIST (WM_USER + 53)
#define TB_SETDISABLEDIMAGELIST (WM_USER + 54)
#define TB_GETDISABLEDIMAGELIST (WM_USER + 55)
#define TB_GETBUTTONSIZE (WM_USER + 58)
#define TB_GETBUTTONINFO (WM_USER + 65)
#define TB_SETBUTTONINFO (WM_USER + 66)
#define TB_HITTEST (WM_USER + 69)
#define TB_GETHOTITEM (WM_USER + 71)
#define TB_SETHOTITEM (WM_USER + 72)
#define TB_GETMAXSIZE (WM_USER + 83)
#define TB_SETEXTENDEDSTYLE (WM_USER + 84)
#define TB_GETEXTENDEDSTYLE (WM_USER + 85)

#define TBN_FIRST (0u - 700u)
#define TBN_DROPDOWN (TBN_FIRST - 10)
#define TBN_HOTITEMCHANGE (TBN_FIRST - 17)
#define TBDDRET_DEFAULT 0
#define TBDDRET_NODEFAULT 1

struct TBBUTTON {
    int iBitmap;
    int idCommand;
    BYTE fsState;
    BYTE fsStyle;
    BYTE bReserved[6];
    DWORD_PTR dwData;
    INT_PTR iString;
};
using LPTBBUTTON = TBBUTTON*;
using LPCTBBUTTON = const TBBUTTON*;

#define TBIF_IMAGE 0x00000001
#define TBIF_STATE 0x00000004
#define TBIF_STYLE 0x00000008
#define TBIF_LPARAM 0x00000010
#define TBIF_COMMAND 0x00000020
#define TBIF_SIZE 0x00000040
#define TBIF_BYINDEX 0x80000000

struct TBBUTTONINFO {
    UINT cbSize;
    DWORD dwMask;
    int idCommand;
    int iImage;
    BYTE fsState;
    BYTE fsStyle;
    WORD cx;
    DWORD_PTR lParam;
    LPSTR pszText;
    int cchText;
};
using LPTBBUTTONINFO = TBBUTTONINFO*;

// TBN_DROPDOWN: iItem is the button's command id, rcButton its rectangle in the toolbar.
struct NMTOOLBAR {
    NMHDR hdr;
    int iItem;
    TBBUTTON tbButton;
    int cchText;
    LPSTR pszText;
    RECT rcButton;
};
using LPNMTOOLBAR = NMTOOLBAR*;

#define HICF_MOUSE 0x00000001
#define HICF_LEAVING 0x00000020

// TBN_HOTITEMCHANGE: the hot button moves from idOld to idNew.
struct NMTBHOTITEM {
    NMHDR hdr;
    int idOld;
    int idNew;
    DWORD dwFlags;
};

class VORNUI_API CToolBarCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolBarCtrl)
public:
    using CWnd::Create;
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    BOOL AddButtons(int count, LPCTBBUTTON buttons);
    BOOL InsertButton(int index, LPCTBBUTTON button);
    BOOL DeleteButton(int index);
    int GetButtonCount() const;
    BOOL GetButton(int index, LPTBBUTTON button) const;
    int CommandToIndex(UINT id) const;
    BOOL GetItemRect(int index, LPRECT rect) const;
    // By command id.
    BOOL GetRect(int id, LPRECT rect) const;
    int HitTest(LPPOINT point) const;

    BOOL EnableButton(int id, BOOL enable = TRUE);
    BOOL CheckButton(int id, BOOL check = TRUE);
    BOOL PressButton(int id, BOOL press = TRUE);
    BOOL HideButton(int id, BOOL hide = TRUE);
    BOOL IsButtonEnabled(int id) const;
    BOOL IsButtonChecked(int id) const;
    BOOL IsButtonPressed(int id) const;
    BOOL IsButtonHidden(int id) const;
    BOOL SetState(int id, UINT state);
    int GetState(int id) const;
    BOOL GetButtonInfo(int id, LPTBBUTTONINFO info) const;
    BOOL SetButtonInfo(int id, LPTBBUTTONINFO info);

    BOOL SetBitmapSize(CSize size);
    BOOL SetButtonSize(CSize size);
    CSize GetButtonSize() const;
    void GetMaxSize(LPSIZE size) const;
    void AutoSize();

    // Each gives the list it replaces.
    HIMAGELIST SetImageList(CImageList* list);
    HIMAGELIST GetImageList() const;
    HIMAGELIST SetHotImageList(CImageList* list);
    HIMAGELIST GetHotImageList() const;
    HIMAGELIST SetDisabledImageList(CImageList* list);
    HIMAGELIST GetDisabledImageList() const;

    int GetHotItem() const;
    int SetHotItem(int index);
    DWORD SetExtendedStyle(DWORD style);
    DWORD GetExtendedStyle() const;
    // The window that hears the toolbar's commands and notifications (the parent at first).
    void SetOwner(CWnd* owner);
};
