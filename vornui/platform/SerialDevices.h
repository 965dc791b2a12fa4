#pragma once

// The machine's serial devices and their COM numbers, decided here and nowhere else: the
// devices the application profile names with their number first ("COM12=/dev/pts/7" in
// its section "Serial devices"), then /dev/ttyS<n> as COM<n+1> where the driver reports a
// real UART, then /dev/ttyUSB* and /dev/ttyACM* on the lowest numbers still free. A host
// (or a test) can switch the /dev scan off, so that only the named devices are listed.

#include "vornui/platform/Export.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

struct SerialDevice {
    int number; // n of COMn
    std::string device;
};

// By COM number.
VORNUI_API std::vector<SerialDevice> ListSerialDevices();
// The device behind COM<number>, if the machine has one.
VORNUI_API std::optional<std::string> SerialDeviceForPort(int number);

VORNUI_API void SetSerialDeviceScan(bool scanDev);
// Where the devices named by the application profile come from; the framework installs
// its profile here.
VORNUI_API void SetNamedSerialDeviceSource(std::function<std::vector<SerialDevice>()> source);
