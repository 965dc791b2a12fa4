#pragma once

// The "tooltips_class32" class: a small top-level window that shows a tool's tip text
// when the pointer rests over the tool. The tool's window passes its mouse messages to
// the tooltip (TTM_RELAYEVENT); the tip shows after the initial delay, goes after the
// auto-pop delay, and goes at once when the pointer leaves the tool or a button is
// pressed. An inactive tooltip shows nothing.

#include "vornui/platform/CommonControls.h"
#include "vornui/platform/Resources.h"
#include "vornui/platform/Wnd.h"

#define TOOLTIPS_CLASS "tooltips_class32"

#define TTS_ALWAYSTIP 0x01
#define TTS_NOPREFIX 0x02

#define TTF_IDISHWND 0x0001 // uId is the tool's window, and its client area the tool
#define TTF_CENTERTIP 0x0002
#define TTF_SUBCLASS 0x0010

#define TTDT_AUTOMATIC 0
#define TTDT_RESHOW 1
#define TTDT_AUTOPOP 2
#define TTDT_INITIAL 3

#define TTM_ACTIVATE (WM_USER + 1)
#define TTM_SETDELAYTIME (WM_USER + 3)
#define TTM_ADDTOOL (WM_USER + 4)
#define TTM_DELTOOL (WM_USER + 5)
#define TTM_NEWTOOLRECT (WM_USER + 6)
#define TTM_RELAYEVENT (WM_USER + 7)
#define TTM_GETTOOLINFO (WM_USER + 8)
#define TTM_GETTEXT (WM_USER + 11)
#define TTM_UPDATETIPTEXT (WM_USER + 12)
#define TTM_GETTOOLCOUNT (WM_USER + 13)
#define TTM_GETDELAYTIME (WM_USER + 21)
#define TTM_POP (WM_USER + 28)

#define TTN_FIRST (0u - 520u)
#define TTN_SHOW (TTN_FIRST - 1)
#define TTN_POP (TTN_FIRST - 2)

#define LPSTR_TEXTCALLBACK (reinterpret_cast<LPSTR>(-1))

struct TOOLINFO {
    UINT cbSize;
    UINT uFlags;
    HWND hwnd; // the window that holds the tool and hears TTN_SHOW and TTN_POP
    UINT_PTR uId;
    RECT rect;       // in hwnd's client area
    HINSTANCE hinst; // with a string id in lpszText: the module that holds the string
    LPSTR lpszText;
    LPARAM lParam;
    void* lpReserved;
};
using TTTOOLINFO = TOOLINFO;
using LPTOOLINFO = TOOLINFO*;

class VORNUI_API CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    using CWnd::Create;
    BOOL Create(CWnd* parent, DWORD style = 0);

    // Without a rectangle and id the tool is the whole client area of `wnd`.
    BOOL AddTool(CWnd* wnd, LPCTSTR text = LPSTR_TEXTCALLBACK, LPCRECT rect = nullptr,
                 UINT_PTR toolId = 0);
    // The text is string `textId` of the resource chain.
    BOOL AddTool(CWnd* wnd, UINT textId, LPCRECT rect = nullptr, UINT_PTR toolId = 0);
    void DelTool(CWnd* wnd, UINT_PTR toolId = 0);
    void UpdateTipText(LPCTSTR text, CWnd* wnd, UINT_PTR toolId = 0);
    void UpdateTipText(UINT textId, CWnd* wnd, UINT_PTR toolId = 0);
    void GetText(CString& text, CWnd* wnd, UINT_PTR toolId = 0) const;
    void SetToolRect(CWnd* wnd, UINT_PTR toolId, LPCRECT rect);
    int GetToolCount() const;

    void Activate(BOOL activate);
    // Hands the tooltip a message of a tool's window (mouse moves and presses).
    void RelayEvent(LPMSG msg);
    void Pop();
    // The initial delay; auto-pop and reshow follow from it.
    void SetDelayTime(UINT delay);
    BOOL SetDelayTime(DWORD duration, int time);
    int GetDelayTime(DWORD duration) const;

private:
    TOOLINFO ToolFor(CWnd* wnd, UINT_PTR toolId) const;
};
