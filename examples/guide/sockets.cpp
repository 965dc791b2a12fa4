// Guide example: a TCP server made with the socket service, and CSocketClient objects
// that receive from it through the thread's message loop, with and without packet
// buffering.
#include "vornui/vornsockets.h"
#include "vornui/vornui.h"

#include <cstdio>

namespace {

// What the client's callback saw.
struct Received {
    int deliveries = 0;
    bool closed = false;
};

// Runs on the owner's thread, from the client window's message handling. A close notice
// is a call with length 0 and no data.
void OnData(unsigned short /*port*/, unsigned short length, const char* data, void* user) {
    Received& received = *static_cast<Received*>(user);
    if (data == nullptr && length == 0) {
        received.closed = true;
        std::printf("  close notice\n");
        return;
    }
    ++received.deliveries;
    std::printf("  %u bytes: \"%.*s\"\n", length, static_cast<int>(length), data);
}

// The thread's message loop, run until `done` holds or five seconds have passed. Socket
// events reach the client window as messages of this loop; there is no socket thread.
template <class Done>
bool RunMessageLoop(CWnd& owner, Done done) {
    const UINT_PTR kGiveUp = 1;
    owner.SetTimer(kGiveUp, 5000, nullptr);
    MSG msg;
    bool gaveUp = false;
    while (!done() && !gaveUp && GetMessage(&msg, nullptr, 0, 0)) {
        gaveUp = msg.message == WM_TIMER && msg.hwnd == owner.GetSafeHwnd();
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    owner.KillTimer(kGiveUp);
    return !gaveUp;
}

// A server on a port the system chooses, at the loopback address.
SOCKET StartServer(unsigned short& port) {
    const SOCKET server = NTInitSocketService(SOCK_STREAM, 0, 1, TRUE, 65536);
    sockaddr_in address{};
    int length = sizeof address;
    getsockname(server, reinterpret_cast<sockaddr*>(&address), &length);
    port = ntohs(address.sin_port);
    return server;
}

} // namespace

int main() {
    if (!InitSocketLibrary())
        return 1;
    unsigned short port = 0;
    const SOCKET server = StartServer(port);
    const BYTE loopback[4] = {127, 0, 0, 1};

    // The owner: any window of the thread that runs the message loop.
    CWnd owner;
    owner.CreateEx(0, "Static", "Survey", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr);

    std::printf("without buffering, each read is delivered as it comes:\n");
    {
        CSocketClient client(false);
        client.CreateClientWindow(&owner, "Gauge");
        Received received;
        client.SetCallback(OnData, &received);
        client.SetPacketLength(10);
        client.EstablishConnection(loopback, port, 65536, 3);
        const SOCKET peer = accept(server, nullptr, nullptr);
        send(peer, "ABCDE", 5, 0);
        RunMessageLoop(owner, [&] { return received.deliveries == 1; });
        closesocket(peer);
        RunMessageLoop(owner, [&] { return received.closed; });
        std::printf("  connected after the close notice: %d\n", client.IsConnected());
        client.DestroyWindow();
    }

    std::printf("with buffering, reads are gathered into packets of 10 bytes:\n");
    {
        CSocketClient client(true);
        client.CreateClientWindow(&owner, "Gauge");
        Received received;
        client.SetCallback(OnData, &received);
        client.SetPacketLength(10);
        client.EstablishConnection(loopback, port, 65536, 3);
        const SOCKET peer = accept(server, nullptr, nullptr);
        // Two sends of five bytes make one packet, however the reads divide them.
        send(peer, "ABCDE", 5, 0);
        send(peer, "FGHIJ", 5, 0);
        RunMessageLoop(owner, [&] { return received.deliveries == 1; });
        // Three bytes of a packet that never completes: the connection closes first, and
        // the partial packet is dropped without a delivery.
        send(peer, "KLM", 3, 0);
        closesocket(peer);
        RunMessageLoop(owner, [&] { return received.closed; });
        std::printf("  packets delivered: %d\n", received.deliveries);
        client.DestroyWindow();
    }

    owner.DestroyWindow();
    closesocket(server);
    WSACleanup();
    return 0;
}
