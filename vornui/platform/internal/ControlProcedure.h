#pragma once

// Inside the standard controls: the opening their window procedures share. The control's
// data is made on WM_NCCREATE, before its handler sees that message; a window without the
// data (one of another class that calls the procedure, or one past WM_NCDESTROY) gets the
// default procedure. Each control family registers its classes with SystemClass.

#include "vornui/platform/Window.h"
#include "vornui/platform/internal/WindowRecord.h"

#include <memory>

template <typename Data>
using ControlHandler = LRESULT (*)(HWND hwnd, Data& data, UINT message, WPARAM wParam,
                                   LPARAM lParam);

template <typename Data, ControlHandler<Data> handle>
LRESULT ControlProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        LiveWindow(hwnd)->control = std::make_unique<Data>();
    Data* data = ControlDataOf<Data>(hwnd);
    if (!data)
        return DefWindowProc(hwnd, message, wParam, lParam);
    return handle(hwnd, *data, message, wParam, lParam);
}
