#pragma once

// The framework's device contexts of a window: each gets its DC on construction and gives it
// back when destroyed.

#include "vornui/platform/CDC.h"
#include "vornui/platform/Forward.h"
#include "vornui/platform/WindowPaint.h"

class VORNUI_API CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* wnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd;
};

class VORNUI_API CWindowDC : public CDC {
public:
    explicit CWindowDC(CWnd* wnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd;
};

class VORNUI_API CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

protected:
    HWND m_hWnd;
};
