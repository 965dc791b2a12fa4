#pragma once

// A top-level window for the list tests: it holds a list as a dialog would, passes its
// notifications on for reflection, and writes down which ones reached it.

#include "vornui/platform/DesktopInput.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/ListCtrl.h"
#include "vornui/platform/Wnd.h"

#include <vector>

class ListTestHost : public CWnd {
public:
    static constexpr int kListId = 11;

    ListTestHost() {
        CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, 30, 30, 460, 320, nullptr, nullptr);
    }
    ~ListTestHost() override { DestroyWindow(); }

    // A report list window made as a dialog's is, then given to `list` to subclass.
    template <typename List>
    List& Adopt(List& list, DWORD style, const CRect& rect = CRect(10, 10, 440, 300)) {
        const HWND hwnd = ::CreateWindowEx(
            0, WC_LISTVIEW, "", WS_CHILD | WS_VISIBLE | LVS_REPORT | style, rect.left, rect.top,
            rect.Width(), rect.Height(), m_hWnd,
            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kListId)), nullptr, nullptr);
        list.SubclassWindow(hwnd);
        return list;
    }

    static POINT Screen(const CWnd& wnd, POINT point) {
        wnd.ClientToScreen(&point);
        return point;
    }
    // A point on row `index`'s label text, in screen coordinates.
    static POINT OnRow(const CListCtrl& list, int index) {
        CRect label;
        list.GetItemRect(index, &label, LVIR_LABEL);
        return Screen(list, POINT{label.left + 3, label.CenterPoint().y});
    }
    // The middle of header item `column`, in screen coordinates.
    static POINT OnTitle(CListCtrl& list, int column) {
        CRect rect;
        list.GetHeaderCtrl()->GetItemRect(column, &rect);
        return Screen(*list.GetHeaderCtrl(), rect.CenterPoint());
    }

    std::vector<UINT> heard;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        heard.push_back(reinterpret_cast<const NMHDR*>(lParam)->code);
        return CWnd::OnNotify(wParam, lParam, result);
    }
};
