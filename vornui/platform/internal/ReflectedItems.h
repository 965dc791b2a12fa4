#pragma once

// The control classes' side of reflected owner-draw messages: each one becomes the class's
// DrawItem, MeasureItem, CompareItem or DeleteItem, as far as the class has them.

#include "vornui/platform/Wnd.h"

template <typename Control>
BOOL TakeReflectedItemMessage(Control& control, UINT message, LPARAM lParam, LRESULT* result) {
    LRESULT ignored = 0;
    LRESULT& answer = result ? *result : ignored;
    if (message == WM_DRAWITEM) {
        answer = TRUE;
        return CWnd::TakeReflectedMessage(
            [&] { control.DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)); });
    }
    if constexpr (requires { control.MeasureItem(nullptr); }) {
        if (message == WM_MEASUREITEM) {
            answer = TRUE;
            return CWnd::TakeReflectedMessage(
                [&] { control.MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam)); });
        }
        if (message == WM_COMPAREITEM)
            return CWnd::TakeReflectedMessage([&] {
                answer = control.CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
            });
        if (message == WM_DELETEITEM) {
            answer = TRUE;
            return CWnd::TakeReflectedMessage(
                [&] { control.DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam)); });
        }
    }
    return FALSE;
}
