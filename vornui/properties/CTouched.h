#pragma once

// A property page that knows which of its controls the user changed. Every command a child
// control sends on its way through OnCmdMsg is looked at: a change (a click or double
// click of a button, text changed in an edit, a new selection in a combo box or list box,
// an up-down step, or the touched event 99 of a nested page, a "#32770" dialog) records the
// control's id as touched and marks the page touched. A listener window, when set, hears
// of every command of a child first, as WM_COMMAND: for a change the page's own id with
// code 99, for anything else the command's own id and code; the control's window is the
// second parameter either way. Then the command goes on to the page's message map.
//
// A question about where a command's handler is (OnCmdMsg with handler information, as
// the command-update machinery asks it) is not a command and touches nothing.
//
// Only the user touches a page. While the page initialises (WM_INITDIALOG, the first data
// exchange included) and while the sheet shows it (PSN_SETACTIVE, which loads its data
// again), the commands its controls send come from the program filling them: they go on to
// the page's message map without being looked at or relayed, so a sheet opens untouched
// and stays so when the user only moves between its tabs. A host that changes a control
// at any other time touches it as the user would.

#include "vornui/platform/PropertyPage.h"
#include "vornui/platform/PropertySheetControl.h"
#include "vornui/platform/Window.h"

#include <set>
#include <strings.h>

// The notification code a touched page relays to its listener.
inline constexpr WORD kTouchedNotification = 99;

// A page base (CPropertyPage) that records touched controls; see the file's comment.
template <class TPage>
class CTouched : public TPage {
public:
    using TPage::TPage;

    // Records control `id` as touched and marks the page touched.
    void SetItemTouched(unsigned int id) {
        m_touchedItems.insert(id);
        SetPageTouched(true);
    }
    // Forgets that control `id` was touched; the page stays as it is.
    void SetItemUntouched(unsigned int id) { m_touchedItems.erase(id); }
    // Whether control `id` was touched.
    bool IsItemTouched(unsigned int id) const { return m_touchedItems.count(id) != 0; }
    // Whether the page holds changes.
    bool GetPageTouched() const { return m_bPageTouched; }
    // Marks the page as holding changes or not.
    virtual void SetPageTouched(bool touched) { m_bPageTouched = touched; }
    // The window told of the page's commands; null stops telling.
    void SetListener2Notify(HWND listener) { m_hListener = listener; }

    // Looks at the command (see the file's comment), then routes it as the page would.
    BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) override {
        if (!handlerInfo && !m_bLoading)
            NoteCommand(id, code);
        return TPage::OnCmdMsg(id, code, extra, handlerInfo);
    }

protected:
    // Keeps the commands of the page's own loading apart (see the file's comment).
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        if (!IsLoading(message, lParam))
            return TPage::OnWndMsg(message, wParam, lParam, result);
        const bool outer = m_bLoading;
        m_bLoading = true;
        const BOOL handled = TPage::OnWndMsg(message, wParam, lParam, result);
        m_bLoading = outer;
        return handled;
    }

private:
    // Whether `message` has the page fill its controls: its initialisation, or the sheet
    // showing it.
    bool IsLoading(UINT message, LPARAM lParam) const {
        if (message == WM_INITDIALOG)
            return true;
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        return message == WM_NOTIFY && header && header->code == PSN_SETACTIVE &&
               header->hwndFrom == ::GetParent(this->m_hWnd);
    }

    static bool IsClass(const char* className, const char* wanted) {
        return strcasecmp(className, wanted) == 0;
    }

    // Whether a child of class `className` sent a change with notification `code`.
    static bool IsChange(const char* className, WORD code) {
        if (IsClass(className, "Button"))
            return code == 0 || code == 5;
        if (IsClass(className, "Edit"))
            return code == 768;
        if (IsClass(className, "ComboBox") || IsClass(className, "ListBox"))
            return code == 1;
        if (IsClass(className, "msctls_updown32"))
            return code == 0xFD2E;
        return className[0] == '#' && code == kTouchedNotification;
    }

    void NoteCommand(UINT id, int code) {
        const HWND control = ::GetDlgItem(this->m_hWnd, static_cast<int>(id));
        if (!control || ::GetClassName(control, m_szClassName, sizeof m_szClassName) <= 0)
            return;
        const WORD notification = LOWORD(static_cast<DWORD>(code));
        const bool change = IsChange(m_szClassName, notification);
        if (change)
            SetItemTouched(id);
        if (!m_hListener || !::IsWindow(m_hListener))
            return;
        const WPARAM command =
            change ? MAKEWPARAM(this->GetDlgCtrlID(), kTouchedNotification) : MAKEWPARAM(id, code);
        ::SendMessage(m_hListener, WM_COMMAND, command, reinterpret_cast<LPARAM>(control));
    }

    HWND m_hListener = nullptr;
    bool m_bPageTouched = false;
    bool m_bLoading = false;
    std::set<unsigned int> m_touchedItems;
    char m_szClassName[128] = "";
};

// The library's instance lives in the library.
extern template class VORNUI_API CTouched<CPropertyPage>;
