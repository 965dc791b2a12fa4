#include "vornui/comms/SerialPortListing.h"

#include "vornui/platform/Registry.h"

#include <cstdlib>
#include <cstring>

std::vector<int> ListSerialPorts(int limit) {
    std::vector<int> ports;
    HKEY key = nullptr;
    if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return ports;
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD nameSize = sizeof name;
        char data[64] = "";
        DWORD dataSize = sizeof data - 1;
        const LSTATUS status = RegEnumValue(key, index, name, &nameSize, nullptr, nullptr,
                                            reinterpret_cast<BYTE*>(data), &dataSize);
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        if (status != ERROR_SUCCESS || std::strncmp(data, "COM", 3) != 0)
            continue;
        const int number = std::atoi(data + 3);
        if (limit == 0 || number <= limit)
            ports.push_back(number);
    }
    RegCloseKey(key);
    return ports;
}
