// A stored "WindowPlacement" of any length and content restores a layout dialog, which
// must come up visible, not minimised, at least its least size, on a monitor.

#include "vornui/layout/KLayoutDialog.h"
#include "vornui/platform/DialogTemplate.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/WinApp.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

constexpr WORD kDialogId = 100;
constexpr WORD kList = 1001;

constexpr DialogItemTemplate kItems[] = {
    {"ListBox", "", kList, WS_VISIBLE | WS_BORDER, 0, 7, 7, 100, 60},
};
constexpr DialogTemplate kTemplate{DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                   0,
                                   10,
                                   10,
                                   120,
                                   80,
                                   "Placement",
                                   "MS Shell Dlg",
                                   8,
                                   kItems,
                                   1};

class PlacedDialog : public KLayoutDialog {
public:
    PlacedDialog() : KLayoutDialog(kDialogId, nullptr, "Placement", true) {}
    BOOL OnInitDialog() override {
        KLayoutDialog::OnInitDialog();
        UpdateLayout(CreateRoot(layVertical) << item(kList, layGreedy, 0, 0, 200, 100));
        return TRUE;
    }
};

HMODULE Resources() {
    static const HMODULE module = [] {
        const HMODULE made = CreateResourceModule("placement-fuzz");
        AddResource(made, RT_DIALOG, MAKEINTRESOURCE(kDialogId), &kTemplate, sizeof kTemplate);
        AfxSetResourceHandle(made);
        SetScreenMonitors(
            {ScreenMonitor{CRect(0, 0, 1920, 1080), CRect(0, 0, 1920, 1040), true},
             ScreenMonitor{CRect(-1280, -200, 0, 824), CRect(-1280, -200, 0, 824), false}});
        return made;
    }();
    return module;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Resources();
    CWinApp app("PlacementFuzz");
    std::vector<BYTE> value(data, data + size);
    app.WriteProfileBinary("Placement", "WindowPlacement", value.data(),
                           static_cast<UINT>(value.size()));
    PlacedDialog dialog;
    if (!dialog.Create(kDialogId))
        std::abort();
    dialog.ShowWindow(SW_SHOW);
    CRect window;
    dialog.GetWindowRect(&window);
    const bool usable = dialog.IsWindowVisible() && !dialog.IsIconic() && window.Width() >= 210 &&
                        window.Height() >= 110 && MonitorFromRect(&window, MONITOR_DEFAULTTONULL);
    dialog.DestroyWindow();
    if (!usable)
        std::abort();
    return 0;
}
