#pragma once

// The "msctls_statusbar32" class: a bar of text parts along the bottom of its parent,
// which follows the parent's size when the parent passes WM_SIZE on to it.

#include "vornui/platform/CommonControls.h"
#include "vornui/platform/Wnd.h"

#define STATUSCLASSNAME "msctls_statusbar32"

#define SBARS_SIZEGRIP 0x0100
#define SBARS_TOOLTIPS 0x0800

#define SB_SETTEXT (WM_USER + 1)
#define SB_GETTEXT (WM_USER + 2)
#define SB_GETTEXTLENGTH (WM_USER + 3)
#define SB_SETPARTS (WM_USER + 4)
#define SB_GETPARTS (WM_USER + 6)
#define SB_GETBORDERS (WM_USER + 7)
#define SB_SETMINHEIGHT (WM_USER + 8)
#define SB_SIMPLE (WM_USER + 9)
#define SB_GETRECT (WM_USER + 10)
#define SB_ISSIMPLE (WM_USER + 14)

#define SBT_OWNERDRAW 0x1000
#define SBT_NOBORDERS 0x0100
#define SBT_POPOUT 0x0200
#define SBT_RTLREADING 0x0400
#define SBT_NOTABPARSING 0x0800
#define SB_SIMPLEID 0x00FF

class VORNUI_API CStatusBarCtrl : public CWnd {
    DECLARE_DYNAMIC(CStatusBarCtrl)
public:
    using CWnd::Create;
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    BOOL SetText(LPCTSTR text, int part, int type);
    CString GetText(int part, int* type = nullptr) const;
    int GetTextLength(int part, int* type = nullptr) const;
    BOOL SetParts(int count, int* rightEdges);
    int GetParts(int count, int* rightEdges) const;
    BOOL GetBorders(int& horizontal, int& vertical, int& between) const;
    void SetMinHeight(int height);
    BOOL SetSimple(BOOL simple = TRUE);
    BOOL IsSimple() const;
    BOOL GetRect(int part, LPRECT rect) const;
};
