// The serial devices the application profile names, for the machine's device list: its
// section "Serial devices" maps COM numbers to devices ("COM12=/dev/pts/7").

#include "vornui/platform/SerialDevices.h"
#include "vornui/platform/WinApp.h"

namespace {

constexpr int kHighestPort = 256;

std::vector<SerialDevice> ProfileSerialDevices() {
    std::vector<SerialDevice> devices;
    CWinApp* const app = AfxGetApp();
    for (int number = 1; number <= kHighestPort; ++number) {
        CString key;
        key.Format("COM%d", number);
        const CString device = app->GetProfileString("Serial devices", key, "");
        if (!device.IsEmpty())
            devices.push_back({number, device.GetString()});
    }
    return devices;
}

// Installed when the library loads, so that every listing sees the profile of the moment.
const bool g_profileInstalled = (SetNamedSerialDeviceSource(ProfileSerialDevices), true);

} // namespace
