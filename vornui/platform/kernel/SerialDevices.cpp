#include "vornui/platform/SerialDevices.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <mutex>
#include <set>
#include <string_view>

namespace {

std::atomic<bool> g_scanDev{true};

struct NamedSource {
    std::mutex lock;
    std::function<std::vector<SerialDevice>()> source;
};

NamedSource& Named() {
    static NamedSource named;
    return named;
}

// The number after `prefix` in a device name such as ttyUSB3; -1 when there is none.
int NumberAfter(std::string_view name, std::string_view prefix) {
    if (name.substr(0, prefix.size()) != prefix || name.size() == prefix.size() ||
        name.size() > prefix.size() + 4)
        return -1;
    int number = 0;
    for (const char ch : name.substr(prefix.size())) {
        if (ch < '0' || ch > '9')
            return -1;
        number = number * 10 + (ch - '0');
    }
    return number;
}

// A ttyS line the driver knows a UART behind (its type is not 0, "unknown").
bool IsRealUart(const std::string& name) {
    std::ifstream type("/sys/class/tty/" + name + "/type");
    int kind = 0;
    return type >> kind && kind != 0;
}

struct ScannedDevices {
    std::vector<std::pair<int, std::string>> uarts; // (n of ttyS<n>, device)
    std::vector<std::string> others;                // ttyUSB*, then ttyACM*, by number
};

ScannedDevices ScanDev() {
    ScannedDevices found;
    std::vector<std::pair<int, std::string>> usb;
    std::vector<std::pair<int, std::string>> acm;
    DIR* folder = opendir("/dev");
    if (!folder)
        return found;
    while (const dirent* entry = readdir(folder)) {
        const std::string name = entry->d_name;
        if (const int n = NumberAfter(name, "ttyS"); n >= 0 && IsRealUart(name))
            found.uarts.emplace_back(n, "/dev/" + name);
        else if (const int u = NumberAfter(name, "ttyUSB"); u >= 0)
            usb.emplace_back(u, "/dev/" + name);
        else if (const int a = NumberAfter(name, "ttyACM"); a >= 0)
            acm.emplace_back(a, "/dev/" + name);
    }
    closedir(folder);
    std::sort(usb.begin(), usb.end());
    std::sort(acm.begin(), acm.end());
    for (const auto& list : {usb, acm})
        for (const auto& device : list)
            found.others.push_back(device.second);
    return found;
}

std::vector<SerialDevice> NamedDevices() {
    std::lock_guard guard(Named().lock);
    return Named().source ? Named().source() : std::vector<SerialDevice>{};
}

} // namespace

std::vector<SerialDevice> ListSerialDevices() {
    std::vector<SerialDevice> devices;
    std::set<int> taken;
    std::set<std::string> listed;
    const auto add = [&](int number, const std::string& device) {
        if (number < 1 || taken.count(number) || listed.count(device))
            return;
        devices.push_back({number, device});
        taken.insert(number);
        listed.insert(device);
    };
    for (const SerialDevice& named : NamedDevices())
        add(named.number, named.device);
    if (g_scanDev) {
        const ScannedDevices scanned = ScanDev();
        for (const auto& [line, device] : scanned.uarts)
            add(line + 1, device);
        int next = 1;
        for (const std::string& device : scanned.others) {
            while (taken.count(next))
                ++next;
            add(next, device);
        }
    }
    std::sort(devices.begin(), devices.end(),
              [](const SerialDevice& a, const SerialDevice& b) { return a.number < b.number; });
    return devices;
}

std::optional<std::string> SerialDeviceForPort(int number) {
    for (const SerialDevice& device : ListSerialDevices())
        if (device.number == number)
            return device.device;
    return std::nullopt;
}

void SetSerialDeviceScan(bool scanDev) {
    g_scanDev = scanDev;
}

void SetNamedSerialDeviceSource(std::function<std::vector<SerialDevice>()> source) {
    std::lock_guard guard(Named().lock);
    Named().source = std::move(source);
}
