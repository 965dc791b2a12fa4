#pragma once

// What the masked edit's tests share: a masked edit in a popup frame, followed in tab order
// by a plain edit, and the clipboard as a user's other programs would fill and read it.

#include "tests/TestWindowClass.h"

#include "vornui/edits/CmEdit.h"
#include "vornui/platform/Clipboard.h"
#include "vornui/platform/DesktopInput.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/Window.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Text put on the clipboard by another program (any bytes up to a NUL).
inline void PutOnClipboard(std::string_view text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    auto* bytes = static_cast<char*>(GlobalLock(memory));
    std::memcpy(bytes, text.data(), text.size());
    bytes[text.size()] = 0;
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
}

// The clipboard's text; none when it holds no text.
inline std::optional<std::string> ClipboardText() {
    if (!OpenClipboard(nullptr))
        return std::nullopt;
    std::optional<std::string> text;
    if (const HANDLE memory = GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(GlobalLock(memory));
        GlobalUnlock(memory);
    }
    CloseClipboard();
    return text;
}

// The text a window shows.
inline std::string ShownText(HWND hwnd) {
    char text[512];
    ::GetWindowText(hwnd, text, sizeof text);
    return text;
}

inline std::pair<int, int> SelectionOf(HWND edit) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessage(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}

// The screen point over character `index` of an edit (its left half, so that a click puts
// the caret before it).
inline POINT CharacterPoint(HWND edit, int index) {
    const LRESULT packed = SendMessage(edit, EM_POSFROMCHAR, static_cast<WPARAM>(index), 0);
    POINT point{static_cast<SHORT>(LOWORD(packed)) + 1, static_cast<SHORT>(HIWORD(packed)) + 4};
    ClientToScreen(edit, &point);
    return point;
}

// The frame records the context menus its children ask it for.
class MaskedEditHost : public testing::Test {
protected:
    static constexpr int kMasked = 10;
    static constexpr int kNext = 11;

    void SetUp() override {
        ContextMenus() = 0;
        m_frame = CreateWindowEx(0, TestWindowClass("VornuiTestMaskedEditFrame", FrameProc), "",
                                 WS_POPUP | WS_VISIBLE, 100, 100, 400, 120, nullptr, nullptr,
                                 nullptr, nullptr);
        CWnd* const frame = CWnd::FromHandle(m_frame);
        ASSERT_TRUE(m_edit.Create(WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL,
                                  CRect(10, 10, 300, 34), frame, kMasked));
        ASSERT_TRUE(m_next.Create(WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL,
                                  CRect(10, 50, 300, 74), frame, kNext));
    }
    void TearDown() override { DestroyWindow(m_frame); }

    std::string Shown() const { return ShownText(m_edit.m_hWnd); }
    std::pair<int, int> Selection() const { return SelectionOf(m_edit.m_hWnd); }
    POINT At(int index) const { return CharacterPoint(m_edit.m_hWnd, index); }
    std::string Data() const { return m_edit.GetData().GetString(); }

    // The user acts in the frame with the masked edit focused.
    void Act(CScriptedUser& user) {
        m_edit.SetFocus();
        ASSERT_TRUE(user.ActIn(m_frame));
    }

    static int& ContextMenus() {
        static int count = 0;
        return count;
    }

    HWND m_frame = nullptr;
    CmEdit m_edit;
    CEdit m_next;

private:
    static LRESULT FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_CONTEXTMENU)
            ++ContextMenus();
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
};
