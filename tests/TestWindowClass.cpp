#include "TestWindowClass.h"

LPCTSTR TestWindowClass(LPCTSTR name, WNDPROC proc) {
    WNDCLASS existing{};
    if (GetClassInfo(nullptr, name, &existing))
        return existing.lpfnWndProc == proc ? name : nullptr;
    WNDCLASS wc{};
    wc.lpfnWndProc = proc;
    wc.lpszClassName = name;
    return RegisterClass(&wc) ? name : nullptr;
}
