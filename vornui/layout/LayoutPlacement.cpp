// The host's placement in the application profile: the byte image of the window-placement
// record, so that a window comes back where, and as large as, the user left it.

#include "vornui/layout/KLayoutMgr.h"
#include "vornui/platform/WinApp.h"
#include "vornui/platform/Wnd.h"

#include <cstring>
#include <memory>

namespace {

constexpr const char* kPlacementEntry = "WindowPlacement";

static_assert(sizeof(WINDOWPLACEMENT) == 44, "the stored placement is the 44-byte record");

// Only a maximised window comes back in its state; any other comes back normal.
UINT RestorableShowCommand(UINT showCmd) {
    return showCmd == SW_SHOWMAXIMIZED ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
}

bool IsLive(const CWnd* wnd) {
    return wnd && ::IsWindow(wnd->GetSafeHwnd());
}

} // namespace

bool KLayoutMgr::Load(LPCTSTR section) {
    CWinApp* app = AfxGetApp();
    LPBYTE data = nullptr;
    UINT bytes = 0;
    if (!app || !IsLive(m_pWnd) || !app->GetProfileBinary(section, kPlacementEntry, &data, &bytes))
        return true;
    const std::unique_ptr<BYTE[]> stored(data);
    if (bytes != sizeof(WINDOWPLACEMENT))
        return true;
    WINDOWPLACEMENT placement;
    std::memcpy(&placement, stored.get(), sizeof placement);
    placement.showCmd = RestorableShowCommand(placement.showCmd);
    m_pWnd->SetWindowPlacement(&placement);
    return true;
}

bool KLayoutMgr::Save(LPCTSTR section) {
    CWinApp* app = AfxGetApp();
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!app || !IsLive(m_pWnd) || !m_pWnd->GetWindowPlacement(&placement))
        return true;
    placement.showCmd = RestorableShowCommand(placement.showCmd);
    app->WriteProfileBinary(section, kPlacementEntry, reinterpret_cast<LPBYTE>(&placement),
                            sizeof placement);
    return true;
}
