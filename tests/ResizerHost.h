#pragma once

// A top-level window with child controls for the window resizer's tests: sized by its client
// area, with a procedure of its own that records what it sees, and ways to read where the
// controls are.

#include "tests/TestWindowClass.h"

#include "vornui/platform/CRect.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/WindowStyles.h"
#include "vornui/platform/Wnd.h"

#include <functional>
#include <ostream>

// Rectangles read as corners in failed expectations.
inline void PrintTo(const CRect& rect, std::ostream* out) {
    *out << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom
         << ")";
}

class ResizerHost {
public:
    // Called by the window's own procedure for every message, before DefWindowProc.
    using Listener = std::function<void(HWND, UINT, WPARAM, LPARAM)>;

    explicit ResizerHost(int clientWidth = 400, int clientHeight = 300,
                         DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE) {
        CRect frame(0, 0, clientWidth, clientHeight);
        AdjustWindowRectEx(&frame, style, FALSE, 0);
        const HWND hwnd =
            CreateWindowEx(0, TestWindowClass("VornuiResizerHost", HostProc), "Host", style, 100,
                           100, frame.Width(), frame.Height(), nullptr, nullptr, nullptr, nullptr);
        m_wnd.Attach(hwnd);
    }
    ~ResizerHost() {
        if (IsWindow(m_wnd.m_hWnd))
            DestroyWindow(m_wnd.m_hWnd);
        m_wnd.Detach();
    }
    ResizerHost(const ResizerHost&) = delete;
    ResizerHost& operator=(const ResizerHost&) = delete;

    HWND Add(const char* className, UINT id, const CRect& rect, DWORD style = 0,
             const char* text = "") {
        return CreateWindowEx(0, className, text, WS_CHILD | WS_VISIBLE | style, rect.left,
                              rect.top, rect.Width(), rect.Height(), m_wnd.m_hWnd,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
    }
    CRect RectOf(UINT id) const { return RectOf(GetDlgItem(m_wnd.m_hWnd, static_cast<int>(id))); }
    CRect RectOf(HWND control) const {
        CRect rect;
        GetWindowRect(control, &rect);
        m_wnd.ScreenToClient(&rect);
        return rect;
    }
    // Gives the window a client area of this size.
    void SizeClient(int width, int height) {
        CRect frame(0, 0, width, height);
        AdjustWindowRectEx(&frame, m_wnd.GetStyle(), FALSE, m_wnd.GetExStyle());
        SetWindowPos(m_wnd.m_hWnd, nullptr, 0, 0, frame.Width(), frame.Height(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    CWnd* Wnd() { return &m_wnd; }
    HWND Hwnd() const { return m_wnd.m_hWnd; }

    static Listener& Listening() {
        static Listener listener;
        return listener;
    }

private:
    static LRESULT HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (Listening())
            Listening()(hwnd, message, wParam, lParam);
        return DefWindowProc(hwnd, message, wParam, lParam);
    }

    CWnd m_wnd;
};
