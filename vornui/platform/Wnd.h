#pragma once

// The framework's window object. A CWnd is attached to one window; the window's procedure
// becomes the framework's, which hands every message to WindowProc, from there to the
// virtual handlers below (each one's default passes the message on to the procedure the
// window had before). Control notifications that reach a parent are first offered back to
// the control's own object (reflection): OnReflectedCommand and OnReflectedNotify; so are
// the owner-draw messages (WM_DRAWITEM, WM_MEASUREITEM, WM_COMPAREITEM, WM_DELETEITEM),
// which the control classes turn into their DrawItem, MeasureItem, CompareItem and
// DeleteItem. A reflected message the control does not take reaches the parent's own
// handler (OnDrawItem, ...) after all.

#include "vornui/platform/CRect.h"
#include "vornui/platform/CString.h"
#include "vornui/platform/CmdTarget.h"
#include "vornui/platform/ControlBars.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/Forward.h"
#include "vornui/platform/Icons.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Object.h"
#include "vornui/platform/OwnerDraw.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPosition.h"

// The class of windows created without one (CWnd::Create with a null class name).
inline constexpr const char* kFrameworkWindowClass = "AfxWnd";

// The framework's window procedure, shared by every window that has a CWnd.
VORNUI_API LRESULT AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

class VORNUI_API CWnd : public CCmdTarget {
    DECLARE_DYNCREATE(CWnd)
public:
    CWnd();
    ~CWnd() override;

    HWND m_hWnd = nullptr;

    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The object attached to `hwnd`; a temporary one, owned by the window, when none is.
    static CWnd* FromHandle(HWND hwnd);
    static CWnd* FromHandlePermanent(HWND hwnd);
    BOOL Attach(HWND hwnd);
    HWND Detach();
    BOOL SubclassWindow(HWND hwnd);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();

    virtual BOOL Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect,
                        CWnd* parent, UINT id, void* context = nullptr);
    virtual BOOL CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style,
                          const RECT& rect, CWnd* parent, UINT id, LPVOID param = nullptr);
    BOOL CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, int x, int y,
                  int width, int height, HWND parent, HMENU idOrMenu, LPVOID param = nullptr);
    virtual BOOL DestroyWindow();

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                                  BOOL deep = TRUE) const;

    // Styles, identity, text.
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    // Changes the style bits; with `flags`, SetWindowPos applies them to the frame.
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);
    static BOOL ModifyStyle(HWND hwnd, DWORD remove, DWORD add, UINT flags);
    static BOOL ModifyStyleEx(HWND hwnd, DWORD remove, DWORD add, UINT flags);
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int id);
    void SetWindowText(LPCTSTR text);
    int GetWindowText(LPTSTR text, int maxCount) const;
    void GetWindowText(CString& text) const;
    int GetWindowTextLength() const;
    // The font the window writes with (WM_GETFONT; null: the system's), and a new one
    // (WM_SETFONT), which stays the caller's.
    CFont* GetFont() const;
    void SetFont(CFont* font, BOOL redraw = TRUE);
    // The window's big or small icon (WM_SETICON); returns the one it replaces.
    HICON SetIcon(HICON icon, BOOL bigIcon);
    HICON GetIcon(BOOL bigIcon) const;

    // The tree.
    CWnd* GetParent() const;
    CWnd* SetParent(CWnd* newParent);
    CWnd* GetOwner() const;
    CWnd* GetParentOwner() const;
    CWnd* GetTopLevelParent() const;
    CWnd* GetWindow(UINT command) const;
    CWnd* GetTopWindow() const;
    CWnd* GetNextWindow(UINT command = GW_HWNDNEXT) const;
    CWnd* GetDlgItem(int id) const;
    void GetDlgItem(int id, HWND* hwnd) const;
    BOOL IsChild(const CWnd* wnd) const;
    CWnd* GetNextDlgTabItem(CWnd* control, BOOL previous = FALSE) const;
    CWnd* GetNextDlgGroupItem(CWnd* control, BOOL previous = FALSE) const;
    // The frame window that holds this window (null when none does).
    CFrameWnd* GetParentFrame() const;
    // The window a new popup (a dialog, a message box) should be owned by: the top-level
    // window of `parent`, or, without one, the main window's last active popup. With
    // `top`, the top-level window above it is disabled and handed back (null when it was
    // not enabled or is the owner itself).
    static CWnd* GetSafeOwner(CWnd* parent = nullptr, HWND* top = nullptr);

    // The menu bar and the window menu.
    CMenu* GetMenu() const;
    BOOL SetMenu(CMenu* menu);
    void DrawMenuBar();
    CMenu* GetSystemMenu(BOOL revert) const;

    // Geometry.
    void GetWindowRect(LPRECT rect) const;
    void GetClientRect(LPRECT rect) const;
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
    // `insertAfter` is a window, one of the places below, or null for the top.
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    // The special places of SetWindowPos: objects whose handles are HWND_TOP, HWND_BOTTOM,
    // HWND_TOPMOST and HWND_NOTOPMOST.
    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;
    void BringWindowToTop();
    void ScreenToClient(LPPOINT point) const;
    void ScreenToClient(LPRECT rect) const;
    void ClientToScreen(LPPOINT point) const;
    void ClientToScreen(LPRECT rect) const;
    void MapWindowPoints(CWnd* to, LPRECT rect) const;
    void MapWindowPoints(CWnd* to, LPPOINT points, UINT count) const;
    static CWnd* WindowFromPoint(POINT point);
    CWnd* ChildWindowFromPoint(POINT point) const;
    BOOL GetWindowPlacement(WINDOWPLACEMENT* placement) const;
    BOOL SetWindowPlacement(const WINDOWPLACEMENT* placement);
    // Centres the window over its owner (or `alternate`), kept inside the work area.
    void CenterWindow(CWnd* alternate = nullptr);

    // State.
    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;
    BOOL IsIconic() const;
    BOOL IsZoomed() const;
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    CWnd* SetFocus();
    static CWnd* GetFocus();
    CWnd* SetCapture();
    static CWnd* GetCapture();
    CWnd* SetActiveWindow();
    static CWnd* GetActiveWindow();
    void SetRedraw(BOOL redraw = TRUE);

    // Painting bookkeeping.
    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE);
    void ValidateRect(LPCRECT rect);
    BOOL GetUpdateRect(LPRECT rect, BOOL erase = FALSE);
    void UpdateWindow();
    BOOL RedrawWindow(LPCRECT rect = nullptr, void* region = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);

    // Timers and scroll bars.
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc);
    BOOL KillTimer(UINT_PTR id);
    int SetScrollPos(int bar, int pos, BOOL redraw = TRUE);
    int GetScrollPos(int bar) const;
    void SetScrollRange(int bar, int minPos, int maxPos, BOOL redraw = TRUE);
    void GetScrollRange(int bar, LPINT minPos, LPINT maxPos) const;
    BOOL SetScrollInfo(int bar, LPSCROLLINFO info, BOOL redraw = TRUE);
    BOOL GetScrollInfo(int bar, LPSCROLLINFO info, UINT mask = SIF_ALL);
    int GetScrollLimit(int bar);
    void ShowScrollBar(UINT bar, BOOL show = TRUE);

    // Dialog items.
    void SetDlgItemText(int id, LPCTSTR text);
    int GetDlgItemText(int id, CString& text) const;
    void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE);
    UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const;
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;
    void CheckRadioButton(int firstId, int lastId, int checkId);
    int GetCheckedRadioButton(int firstId, int lastId);

    // Lays out the control bars among the children (ids `firstId`..`lastId`) along the
    // client area's edges and gives what is left to child `leftOverId`; reposQuery only
    // computes the rectangle left over into `rectParam`.
    void RepositionBars(UINT firstId, UINT lastId, UINT leftOverId, UINT flags = reposDefault,
                        LPRECT rectParam = nullptr, LPCRECT rectClient = nullptr,
                        BOOL stretch = TRUE);

    // Enables, checks and names each control of this window through the update handlers
    // of `target` (ON_UPDATE_COMMAND_UI) for the control's id.
    void UpdateDialogControls(CCmdTarget* target, BOOL disableIfNoHandler);

    // Data exchange between the window's controls and its members.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* dx);

    // The message pipeline.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual BOOL PreCreateWindow(CREATESTRUCT& create);
    virtual void PreSubclassWindow();
    virtual void PostNcDestroy();
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // A notification of this control reached its parent; TRUE keeps it from the parent.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual BOOL OnReflectedCommand(UINT code);
    virtual BOOL OnReflectedNotify(NMHDR* header, LRESULT* result);
    // The framework's own DrawItem, MeasureItem, CompareItem and DeleteItem call this: the
    // class left the message to its parent.
    static void DeclineReflectedMessage();
    // Runs the handler of a reflected message; FALSE when the handler declined it.
    template <typename Handler>
    static BOOL TakeReflectedMessage(Handler&& handler) {
        BeginReflectedMessage();
        handler();
        return EndReflectedMessage();
    }
    // Offers the message being handled to the object of control `child`.
    static BOOL ReflectLastMsg(HWND child, LRESULT* result = nullptr);
    // Runs `msg` through PreTranslateMessage of each window from its target up to `stop`.
    static BOOL WalkPreTranslateTree(HWND stop, MSG* msg);
    // The message the window procedure is handling now.
    static const MSG* GetCurrentMessage();

protected:
    // Passes the current message to the procedure the window had before.
    LRESULT Default();

    virtual int OnCreate(LPCREATESTRUCT create);
    virtual void OnDestroy();
    virtual void OnNcDestroy();
    virtual void OnClose();
    virtual void OnSize(UINT type, int cx, int cy);
    virtual void OnSizing(UINT side, LPRECT rect);
    virtual void OnMove(int x, int y);
    virtual void OnWindowPosChanging(WINDOWPOS* pos);
    virtual void OnWindowPosChanged(WINDOWPOS* pos);
    virtual void OnGetMinMaxInfo(MINMAXINFO* info);
    virtual void OnShowWindow(BOOL show, UINT status);
    virtual void OnEnable(BOOL enable);
    virtual void OnActivate(UINT state, CWnd* other, BOOL minimized);
    virtual void OnPaint();
    virtual BOOL OnEraseBkgnd(CDC* dc);
    virtual void OnTimer(UINT_PTR id);
    virtual void OnSetFocus(CWnd* oldWnd);
    virtual void OnKillFocus(CWnd* newWnd);
    virtual void OnCaptureChanged(CWnd* wnd);
    virtual void OnLButtonDown(UINT flags, CPoint point);
    virtual void OnLButtonUp(UINT flags, CPoint point);
    virtual void OnLButtonDblClk(UINT flags, CPoint point);
    virtual void OnRButtonDown(UINT flags, CPoint point);
    virtual void OnRButtonUp(UINT flags, CPoint point);
    virtual void OnMouseMove(UINT flags, CPoint point);
    virtual BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    virtual void OnMouseHover(UINT flags, CPoint point);
    virtual void OnMouseLeave();
    virtual void OnKeyDown(UINT key, UINT repeat, UINT flags);
    virtual void OnKeyUp(UINT key, UINT repeat, UINT flags);
    virtual void OnChar(UINT ch, UINT repeat, UINT flags);
    virtual void OnSysKeyDown(UINT key, UINT repeat, UINT flags);
    virtual UINT OnGetDlgCode();
    virtual void OnHScroll(UINT code, UINT pos, CWnd* scrollBar);
    virtual void OnVScroll(UINT code, UINT pos, CWnd* scrollBar);
    virtual void OnContextMenu(CWnd* wnd, CPoint point);
    virtual void OnInitMenuPopup(CMenu* popupMenu, UINT index, BOOL systemMenu);
    virtual BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    virtual LRESULT OnNcHitTest(CPoint point);
    virtual void OnParentNotify(UINT message, LPARAM lParam);
    virtual void OnStyleChanged(int styleType, LPSTYLESTRUCT style);
    virtual void OnSysColorChange();
    virtual void OnDrawItem(int id, LPDRAWITEMSTRUCT item);
    virtual void OnMeasureItem(int id, LPMEASUREITEMSTRUCT item);
    virtual int OnCompareItem(int id, LPCOMPAREITEMSTRUCT item);
    virtual void OnDeleteItem(int id, LPDELETEITEMSTRUCT item);

    WNDPROC m_pfnSuper = nullptr; // the procedure the window had before it was subclassed

    // Attaches the object `context` to the window being created (see SetWindowCreationHook).
    static void HookCreation(HWND hwnd, void* context);

private:
    friend struct TemporaryWndDeleter;
    explicit CWnd(HWND place) : m_hWnd(place) {}
    static void BeginReflectedMessage();
    static BOOL EndReflectedMessage();
    // The control an owner-draw message is about, and reflection to it.
    BOOL ReflectOwnerDraw(UINT message, LPARAM lParam, LRESULT* result);
    BOOL DispatchOwnerDraw(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    BOOL SendChildNotifyLastMsg(LRESULT* result);
    BOOL DispatchInput(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    BOOL DispatchWindowState(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
};
