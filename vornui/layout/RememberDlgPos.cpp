#include "vornui/layout/RememberDlgPos.h"

#include "vornui/platform/Screen.h"
#include "vornui/platform/WinApp.h"

namespace {

constexpr int kMissing = -1;

int ProfileInt(CWinApp& app, const CString& section, LPCTSTR entry, int fallback) {
    return static_cast<int>(app.GetProfileInt(section, entry, fallback));
}

} // namespace

void RememberDlgPos::SaveWindowPosition(CString section, CWnd* wnd) {
    CWinApp* app = AfxGetApp();
    if (!wnd || !app)
        return;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    wnd->GetWindowPlacement(&placement);
    app->WriteProfileInt(section, "Top", placement.rcNormalPosition.top);
    app->WriteProfileInt(section, "Left", placement.rcNormalPosition.left);
    app->WriteProfileInt(section, "Bottom", placement.rcNormalPosition.bottom);
    app->WriteProfileInt(section, "Right", placement.rcNormalPosition.right);
    app->WriteProfileInt(section, "ShowCmd", static_cast<int>(placement.showCmd));
}

void RememberDlgPos::RestoreWindowPosition(CString section, CWnd* wnd, bool show) {
    CWinApp* app = AfxGetApp();
    if (!wnd || !app)
        return;
    CombinePreviousAndCurrent(section, wnd);
    if (show)
        wnd->ShowWindow(ProfileInt(*app, section, "ShowCmd", SW_SHOWNORMAL));
}

CRect RememberDlgPos::CombinePreviousAndCurrent(CString section, CWnd* wnd) {
    CWinApp* app = AfxGetApp();
    if (!wnd || !app)
        return CRect();
    wnd->GetWindowRect(&m_rcPrevious);
    const int width = m_rcPrevious.Width();
    const int height = m_rcPrevious.Height();
    const int top = ProfileInt(*app, section, "Top", kMissing);
    const int left = ProfileInt(*app, section, "Left", kMissing);
    const int bottom = ProfileInt(*app, section, "Bottom", kMissing);
    const int right = ProfileInt(*app, section, "Right", kMissing);
    if (top == kMissing || left == kMissing || bottom == kMissing || right == kMissing)
        return m_rcPrevious;

    MONITORINFO info{};
    info.cbSize = sizeof info;
    HMONITOR monitor = MonitorFromPoint(CPoint(left, top), MONITOR_DEFAULTTONEAREST);
    if (!monitor || !GetMonitorInfo(monitor, &info))
        return m_rcPrevious;
    const CRect screen(info.rcMonitor);
    const CRect work(info.rcWork);

    // The saved rectangle is in work-area coordinates; centre the current size on it.
    const int savedX = left + (work.left - screen.left);
    const int savedY = top + (work.top - screen.top);
    int x = savedX - (savedX + width - right) / 2;
    int y = savedY - (savedY + height - bottom) / 2;
    if (y < 0)
        y = 0;
    if (!work.PtInRect(CPoint(x, y))) {
        x = work.left;
        y = work.top;
    }
    wnd->SetWindowPos(nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOREDRAW);
    return CRect(x, y, x + width, y + height);
}
