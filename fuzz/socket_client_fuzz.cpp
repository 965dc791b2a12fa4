// The socket client's packet framing over any sequence of reads: one datagram is one read,
// so the input chooses buffering, the packet length and the size of every read. Whatever
// arrives, no packet is longer than the packet length, and buffered packets are exactly
// that long.

#include "tests/WinSockLoopback.h"

#include "vornui/platform/Window.h"
#include "vornui/vornsocket/SocketClient.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

struct Expectation {
    bool buffering;
    int packetLength;
};

void Check(unsigned short, unsigned short length, const char* data, void* user) {
    const auto& expected = *static_cast<const Expectation*>(user);
    if (!data)
        return;
    if (length > expected.packetLength || (expected.buffering && length != expected.packetLength))
        __builtin_trap();
}

LPCTSTR OwnerClass() {
    static const LPCTSTR name = [] {
        WNDCLASS windowClass{};
        windowClass.lpfnWndProc = DefWindowProc;
        windowClass.lpszClassName = "SocketClientFuzzOwner";
        RegisterClass(&windowClass);
        return "SocketClientFuzzOwner";
    }();
    return name;
}

constexpr size_t kMaxReads = 64;
constexpr unsigned kMaxDatagram = 40000;
const BYTE kLoopback[4] = {127, 0, 0, 1};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3)
        return 0;
    const Expectation expected{(data[0] & 1) != 0,
                               1 + ((data[1] << 8) | data[2]) % MAX_BUFFER_SIZE};
    CWnd owner;
    owner.CreateEx(0, OwnerClass(), "fuzz", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr);
    CSocketClient client(expected.buffering);
    client.CreateClientWindow(&owner, "VEROVAR UDP communication");
    client.SetCallback(Check, const_cast<Expectation*>(&expected));
    client.SetPacketLength(expected.packetLength);
    const unsigned short port = FreeDatagramPort();
    if (client.EstablishUDPConnection(kLoopback, port, 0)) {
        const SOCKET sender = socket(AF_INET, SOCK_DGRAM, 0);
        const sockaddr_in target = LoopbackAddress(port);
        std::string datagram;
        for (size_t at = 3, reads = 0; at + 1 < size && reads < kMaxReads; at += 2, ++reads) {
            datagram.assign(((data[at] << 8) | data[at + 1]) % (kMaxDatagram + 1),
                            static_cast<char>(reads));
            sendto(sender, datagram.data(), static_cast<int>(datagram.size()), 0,
                   reinterpret_cast<const sockaddr*>(&target), sizeof target);
            client.PumpMessages();
        }
        closesocket(sender);
    }
    client.DestroyWindow();
    owner.DestroyWindow();
    return 0;
}
