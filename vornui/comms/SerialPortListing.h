#pragma once

// The serial ports a user is offered: the COM numbers of the machine's serial-port
// registry key, in the key's own order.

#include "vornui/platform/Export.h"

#include <vector>

// The numbers n of the "COMn" values of HKEY_LOCAL_MACHINE "HARDWARE\DEVICEMAP\SERIALCOMM",
// in the key's value order (never sorted), without those above `limit` unless `limit` is
// 0. Empty when the key cannot be opened or lists nothing.
VORNUI_API std::vector<int> ListSerialPorts(int limit);
