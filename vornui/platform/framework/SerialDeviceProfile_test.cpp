#include "vornui/platform/Registry.h"
#include "vornui/platform/SerialDevices.h"
#include "vornui/platform/WinApp.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

// A pseudo-terminal standing in for a serial line.
class PseudoTerminal {
public:
    PseudoTerminal() : m_master(posix_openpt(O_RDWR | O_NOCTTY)) {
        if (m_master >= 0 && grantpt(m_master) == 0 && unlockpt(m_master) == 0)
            m_device = ptsname(m_master);
    }
    ~PseudoTerminal() {
        if (m_master >= 0)
            close(m_master);
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;
    const std::string& Device() const { return m_device; }

private:
    int m_master;
    std::string m_device;
};

} // namespace

TEST(SerialDeviceProfile, TheSerialKeyListsTheDeviceTheProfileNames) {
    PseudoTerminal line;
    ASSERT_FALSE(line.Device().empty());
    SetSerialDeviceScan(false);
    AfxGetApp()->WriteProfileString("Serial devices", "COM12", line.Device().c_str());

    HKEY key = nullptr;
    ASSERT_EQ(
        RegOpenKeyEx(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key),
        ERROR_SUCCESS);
    char name[256];
    DWORD nameSize = sizeof name;
    char data[16];
    DWORD dataSize = sizeof data;
    DWORD type = 0;
    ASSERT_EQ(RegEnumValue(key, 0, name, &nameSize, nullptr, &type, reinterpret_cast<BYTE*>(data),
                           &dataSize),
              ERROR_SUCCESS);
    EXPECT_EQ(std::string(name, nameSize), line.Device());
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_STREQ(data, "COM12");
    nameSize = sizeof name;
    EXPECT_EQ(RegEnumValue(key, 1, name, &nameSize, nullptr, nullptr, nullptr, nullptr),
              ERROR_NO_MORE_ITEMS);
    RegCloseKey(key);
    EXPECT_EQ(SerialDeviceForPort(12), line.Device());
    EXPECT_FALSE(SerialDeviceForPort(1).has_value());

    // A second device may not take a number or a device already given.
    AfxGetApp()->WriteProfileString("Serial devices", "COM3", line.Device().c_str());
    ASSERT_EQ(ListSerialDevices().size(), 1u);
    EXPECT_EQ(ListSerialDevices().front().number, 3);

    AfxGetApp()->WriteProfileString("Serial devices", nullptr, nullptr);
    EXPECT_TRUE(ListSerialDevices().empty());
    SetSerialDeviceScan(true);
}
