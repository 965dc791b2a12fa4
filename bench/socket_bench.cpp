// Bytes per second from a local TCP sender to the receiver: through CSocketClient, its
// notifications and the message loop to its callback, beside a plain blocking recv loop
// on the same data with the same read size. Arguments: the read size (the port dialog's
// 32768 and a smaller 8192) and, for the client, packet buffering off (0) or on (1).

#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Window.h"
#include "vornui/vornsocket/SocketClient.h"
#include "vornui/vornsocket/VornSOCKET.h"

#include <benchmark/benchmark.h>

#include <string>
#include <thread>

namespace {

constexpr size_t kTransferBytes = 16 * 1024 * 1024;
constexpr int kReceiveBuffer = 65536;

const std::string& Payload() {
    static const std::string payload = [] {
        std::string bytes(kTransferBytes, '\0');
        for (size_t index = 0; index < bytes.size(); ++index)
            bytes[index] = static_cast<char>(index * 31);
        return bytes;
    }();
    return payload;
}

// A blocking listener on 127.0.0.1 whose accepted connections get the payload and close.
class Sender {
public:
    Sender() : m_listener(socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in local{};
        local.sin_family = AF_INET;
        local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(m_listener, reinterpret_cast<const sockaddr*>(&local), sizeof local);
        int length = sizeof local;
        getsockname(m_listener, reinterpret_cast<sockaddr*>(&local), &length);
        m_port = ntohs(local.sin_port);
        listen(m_listener, 4);
    }
    ~Sender() { closesocket(m_listener); }
    Sender(const Sender&) = delete;
    Sender& operator=(const Sender&) = delete;

    unsigned short port() const { return m_port; }

    // Accepts the connection that is being made and sends the payload on a thread.
    std::thread SendToNextClient() const {
        return std::thread([listener = m_listener] {
            const SOCKET connection = accept(listener, nullptr, nullptr);
            const std::string& payload = Payload();
            for (size_t at = 0; at < payload.size();) {
                const int sent =
                    send(connection, payload.data() + at, static_cast<int>(payload.size() - at), 0);
                if (sent <= 0)
                    break;
                at += static_cast<size_t>(sent);
            }
            closesocket(connection);
        });
    }

private:
    SOCKET m_listener;
    unsigned short m_port = 0;
};

struct Received {
    size_t bytes = 0;
    bool closed = false;
};

void Count(unsigned short, unsigned short length, const char* data, void* user) {
    auto& received = *static_cast<Received*>(user);
    if (data)
        received.bytes += length;
    else
        received.closed = true;
}

LPCTSTR OwnerClass() {
    static const LPCTSTR name = [] {
        WNDCLASS windowClass{};
        windowClass.lpfnWndProc = DefWindowProc;
        windowClass.lpszClassName = "SocketBenchOwner";
        RegisterClass(&windowClass);
        return "SocketBenchOwner";
    }();
    return name;
}

const BYTE kLoopback[4] = {127, 0, 0, 1};

void BM_SocketClientThroughMessageLoop(benchmark::State& state) {
    InitSocketLibrary();
    Payload();
    Sender sender;
    CWnd owner;
    owner.CreateEx(0, OwnerClass(), "bench", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr);
    const bool buffering = state.range(1) != 0;
    CSocketClient client(buffering);
    client.CreateClientWindow(&owner, "VEROVAR Communication");
    client.SetPacketLength(static_cast<int>(state.range(0)));
    size_t total = 0;
    for (auto _ : state) {
        Received received;
        client.SetCallback(Count, &received);
        std::thread sending = sender.SendToNextClient();
        if (!client.EstablishConnection(kLoopback, sender.port(), kReceiveBuffer, 1)) {
            sending.join();
            state.SkipWithError("no connection");
            break;
        }
        MSG msg;
        while (!received.closed && GetMessage(&msg, nullptr, 0, 0))
            DispatchMessage(&msg);
        sending.join();
        // Packet buffering drops a partial packet that the next read would overfill.
        if (!buffering && received.bytes != kTransferBytes)
            state.SkipWithError("bytes lost");
        total += kTransferBytes;
    }
    state.SetBytesProcessed(static_cast<int64_t>(total));
    client.DestroyWindow();
    owner.DestroyWindow();
    WSACleanup();
}
BENCHMARK(BM_SocketClientThroughMessageLoop)
    ->ArgsProduct({{MAX_BUFFER_SIZE, 8192}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_PlainBlockingRecv(benchmark::State& state) {
    InitSocketLibrary();
    Payload();
    Sender sender;
    const int readSize = static_cast<int>(state.range(0));
    static char buffer[MAX_BUFFER_SIZE];
    size_t total = 0;
    for (auto _ : state) {
        std::thread sending = sender.SendToNextClient();
        const SOCKET s = socket(AF_INET, SOCK_STREAM, 0);
        const int size = kReceiveBuffer;
        setsockopt(s, SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char*>(&size), sizeof size);
        sockaddr_in peer{};
        peer.sin_family = AF_INET;
        peer.sin_port = htons(sender.port());
        peer.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        connect(s, reinterpret_cast<const sockaddr*>(&peer), sizeof peer);
        size_t received = 0;
        for (int got; (got = recv(s, buffer, readSize, 0)) > 0;)
            received += static_cast<size_t>(got);
        closesocket(s);
        sending.join();
        if (received != kTransferBytes)
            state.SkipWithError("bytes lost");
        total += received;
    }
    state.SetBytesProcessed(static_cast<int64_t>(total));
    WSACleanup();
}
BENCHMARK(BM_PlainBlockingRecv)
    ->Arg(MAX_BUFFER_SIZE)
    ->Arg(8192)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
