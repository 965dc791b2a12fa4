// The "Port settings" dialog's socket data path over any datagrams: connected to a UDP or a
// DUVA port and capturing, it takes whatever arrives. Input: byte 0 chooses the kind (bit 0
// set: DUVA), then up to 32 datagrams, each a length byte and that many bytes. Whatever
// arrives, the capture holds the bytes the path keeps (datagrams of 2 bytes or more, DUVA
// packets without their header) in order, every byte value included, and the display never
// shows more than 512 characters.

#include "tests/WinSockLoopback.h"

#include "vornui/comms/PortSelection.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/TimeSource.h"
#include "vornui/platform/Window.h"
#include "vornui/resources/PortDialogIds.h"
#include "vornui/vornsocket/SocketClient.h"
#include "vornui/vornsocket/VornSOCKET.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr size_t kMostDatagrams = 32;
constexpr int kShownCharacters = 512;
constexpr int kClientWindowId = 133337;

// The capture files' folder, the dialog's TEMP for the whole run.
const std::filesystem::path& CaptureFolder() {
    static const std::filesystem::path folder = [] {
        char pattern[] = "/tmp/vornui-fuzz-capture-XXXXXX";
        const std::filesystem::path made = mkdtemp(pattern);
        setenv("TEMP", made.c_str(), 1);
        std::atexit([] { std::filesystem::remove_all(CaptureFolder()); });
        return made;
    }();
    return folder;
}

// What the capture files hold; they are removed.
std::string TakeCaptured() {
    std::string captured;
    for (const auto& file : std::filesystem::directory_iterator(CaptureFolder())) {
        std::ifstream in(file.path(), std::ios::binary);
        captured.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        in.close();
        std::filesystem::remove(file.path());
    }
    return captured;
}

// The bytes of a datagram that the path keeps.
std::string Kept(const std::string& datagram, bool duva) {
    if (datagram.size() < 2)
        return {};
    size_t header = 0;
    if (duva && datagram[0] == 'E')
        header = 24;
    else if (duva && datagram[0] == 'R')
        header = 27;
    return datagram.substr(std::min(header, datagram.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const bool duva = (data[0] & 1) != 0;
    std::vector<std::string> datagrams;
    std::string expected;
    for (size_t at = 1; at < size && datagrams.size() < kMostDatagrams;) {
        const size_t length = std::min<size_t>(data[at], size - at - 1);
        datagrams.emplace_back(reinterpret_cast<const char*>(data) + at + 1, length);
        expected += Kept(datagrams.back(), duva);
        at += 1 + length;
    }

    CaptureFolder();
    static const int socketsStarted = InitSocketLibrary(); // for the whole run
    if (socketsStarted != 1)
        return 0;
    PortSetUpStructure record{};
    record.nPortType = duva ? PORT_DUVA : PORT_UDP;
    record.nPort = FreeDatagramPort();
    record.IPAddress[0] = 127;
    record.IPAddress[3] = 1;
    int longestShown = 0;
    CSteppedClock clock; // every datagram comes after the display's pause: each is shown
    CScriptedUser user;
    user.AnswerNextMessageBox(IDOK);  // "Open 127.0.0.1 Port ..."
    user.AnswerNextMessageBox(IDYES); // "Save in"
    user.Click(IDC_CONNECT)
        .Click(IDC_CAPTURE)
        .Then([&](HWND dialog) {
            auto* client =
                static_cast<CSocketClient*>(CWnd::FromHandle(GetDlgItem(dialog, kClientWindowId)));
            const SOCKET sender = socket(AF_INET, SOCK_DGRAM, 0);
            const sockaddr_in target = LoopbackAddress(static_cast<unsigned short>(record.nPort));
            const HWND display = GetDlgItem(dialog, IDC_DISPLAY);
            for (const std::string& datagram : datagrams) {
                clock.Advance(101);
                sendto(sender, datagram.data(), static_cast<int>(datagram.size()), 0,
                       reinterpret_cast<const sockaddr*>(&target), sizeof target);
                if (client)
                    client->PumpMessages();
                longestShown = std::max(longestShown, GetWindowTextLength(display));
            }
            closesocket(sender);
            return ModalAction::Acted;
        })
        .Click(IDCANCEL);
    SelectPort(record, PORT_ALLOW_ALL, nullptr, "");

    // A datagram the system had not delivered when the dialog closed is missing at the end.
    const std::string captured = TakeCaptured();
    if (captured.size() > expected.size() || expected.compare(0, captured.size(), captured) != 0)
        __builtin_trap();
    if (longestShown > kShownCharacters)
        __builtin_trap();
    return 0;
}
