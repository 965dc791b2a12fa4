#include "tests/LoopbackPeers.h"
#include "tests/TestWindowClass.h"
#include "tests/WinSockLoopback.h"

#include "vornui/platform/AsyncSelect.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Window.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr UINT kNotice = 4747;

struct Notice {
    SOCKET socket;
    int event;
    int error;
    bool operator==(const Notice&) const = default;
};

std::vector<Notice>& Notices() {
    static std::vector<Notice> notices;
    return notices;
}

LRESULT RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kNotice)
        Notices().push_back(Notice{wParam, WSAGETSELECTEVENT(lParam), WSAGETSELECTERROR(lParam)});
    return DefWindowProc(hwnd, message, wParam, lParam);
}

// A window that records the notifications it gets, over a started socket library.
class AsyncSelect : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(TestWindowClass("VornuiTestSocketNotices", RecordingProc));
        WSADATA data;
        ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &data), 0);
        m_window = CreateWindowEx(0, "VornuiTestSocketNotices", "", WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, nullptr, nullptr);
        Notices().clear();
    }
    void TearDown() override {
        DestroyWindow(m_window);
        WSACleanup();
    }

    // Runs the loop until `done` holds or five seconds passed, then until it is idle.
    static void PumpUntil(const std::function<bool()>& done) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!done() && std::chrono::steady_clock::now() < deadline) {
            PumpIdle();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        PumpIdle();
    }
    static void PumpIdle() {
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessage(&msg);
    }
    static bool Got(size_t count) { return Notices().size() >= count; }

    static SOCKET ConnectTo(unsigned short port) {
        const SOCKET s = socket(AF_INET, SOCK_STREAM, 0);
        const sockaddr_in peer = LoopbackAddress(port);
        connect(s, reinterpret_cast<const sockaddr*>(&peer), sizeof peer);
        return s;
    }
    static std::string Receive(SOCKET s, int count) {
        std::string bytes(static_cast<size_t>(count), '\0');
        const int got = recv(s, bytes.data(), count, 0);
        bytes.resize(got > 0 ? static_cast<size_t>(got) : 0);
        return bytes;
    }

    HWND m_window = nullptr;
};

} // namespace

TEST_F(AsyncSelect, ReadsAreToldAgainAfterEachRecvWhileDataRemainsThenTheCloseOnce) {
    TcpPeer peer;
    const SOCKET s = ConnectTo(peer.port());
    ASSERT_TRUE(peer.Accept());
    ASSERT_EQ(WSAAsyncSelect(s, m_window, kNotice, FD_READ | FD_CLOSE), 0);
    peer.Send("0123456789");
    PumpUntil([] { return Got(1); });
    EXPECT_EQ(Notices(), (std::vector<Notice>{{s, FD_READ, 0}}));
    PumpIdle(); // no recv yet: no new notice
    EXPECT_EQ(Notices().size(), 1u);

    EXPECT_EQ(Receive(s, 4), "0123");
    PumpIdle();
    EXPECT_EQ(Notices().size(), 2u);
    peer.Close();
    EXPECT_EQ(Receive(s, 6), "456789");
    PumpUntil([] { return Got(3); });
    EXPECT_EQ(Notices(), (std::vector<Notice>{{s, FD_READ, 0}, {s, FD_READ, 0}, {s, FD_CLOSE, 0}}));
    EXPECT_EQ(Receive(s, 10), "");
    PumpIdle();
    EXPECT_EQ(Notices().size(), 3u);
    closesocket(s);
}

TEST_F(AsyncSelect, AResetIsAnUnannouncedCloseWithTheResetCode) {
    TcpPeer peer;
    const SOCKET s = ConnectTo(peer.port());
    ASSERT_TRUE(peer.Accept());
    ASSERT_EQ(WSAAsyncSelect(s, m_window, kNotice, FD_READ | FD_CLOSE), 0);
    peer.Reset();
    PumpUntil([] { return Got(1); });
    EXPECT_EQ(Notices(), (std::vector<Notice>{{s, FD_CLOSE, WSAECONNRESET}}));
    closesocket(s);
}

TEST_F(AsyncSelect, RegisteringMakesTheSocketNonBlockingZeroCancelsAndClosingForgets) {
    TcpPeer peer;
    const SOCKET s = ConnectTo(peer.port());
    ASSERT_TRUE(peer.Accept());
    ASSERT_EQ(WSAAsyncSelect(s, m_window, kNotice, FD_READ), 0);
    char byte;
    EXPECT_EQ(recv(s, &byte, 1, 0), SOCKET_ERROR);
    EXPECT_EQ(WSAGetLastError(), WSAEWOULDBLOCK);

    ASSERT_EQ(WSAAsyncSelect(s, m_window, kNotice, 0), 0);
    peer.Send("x");
    PumpIdle();
    EXPECT_TRUE(Notices().empty());

    ASSERT_EQ(WSAAsyncSelect(s, m_window, kNotice, FD_READ), 0);
    PumpUntil([] { return Got(1); });
    EXPECT_EQ(Notices().size(), 1u);
    EXPECT_EQ(recv(s, &byte, 1, 0), 1);
    closesocket(s);
    peer.Send("y");
    PumpIdle();
    EXPECT_EQ(Notices().size(), 1u);

    EXPECT_EQ(WSAAsyncSelect(s, m_window, kNotice, FD_READ), SOCKET_ERROR);
    EXPECT_EQ(WSAGetLastError(), WSAENOTSOCK);
    const SOCKET other = socket(AF_INET, SOCK_DGRAM, 0);
    EXPECT_EQ(WSAAsyncSelect(other, nullptr, kNotice, FD_READ), SOCKET_ERROR);
    EXPECT_EQ(WSAGetLastError(), WSAEINVAL);
    closesocket(other);
}

TEST_F(AsyncSelect, ConnectAcceptAndWriteAreToldAsTheyBecomePossible) {
    const SOCKET server = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in local = BindToLoopback(server);
    ASSERT_NE(local.sin_port, 0);
    ASSERT_EQ(WSAAsyncSelect(server, m_window, kNotice, FD_ACCEPT), 0);
    PumpIdle(); // bound, not yet listening: nothing to tell
    ASSERT_EQ(listen(server, 4), 0);

    const SOCKET client = socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_EQ(WSAAsyncSelect(client, m_window, kNotice, FD_CONNECT | FD_WRITE | FD_READ), 0);
    connect(client, reinterpret_cast<const sockaddr*>(&local), sizeof local);
    PumpUntil([] { return Got(3); });
    EXPECT_EQ(Notices().size(), 3u);
    EXPECT_NE(std::find(Notices().begin(), Notices().end(), Notice{server, FD_ACCEPT, 0}),
              Notices().end());
    const auto connected =
        std::find(Notices().begin(), Notices().end(), Notice{client, FD_CONNECT, 0});
    const auto writable =
        std::find(Notices().begin(), Notices().end(), Notice{client, FD_WRITE, 0});
    EXPECT_LT(connected, writable);
    EXPECT_NE(writable, Notices().end());

    const SOCKET accepted = accept(server, nullptr, nullptr);
    EXPECT_NE(accepted, INVALID_SOCKET);
    closesocket(accepted);

    ClosedPort refused;
    const SOCKET failing = socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_EQ(WSAAsyncSelect(failing, m_window, kNotice, FD_CONNECT | FD_CLOSE), 0);
    local.sin_port = htons(refused.port());
    connect(failing, reinterpret_cast<const sockaddr*>(&local), sizeof local);
    Notices().clear();
    PumpUntil([] { return Got(1); });
    EXPECT_EQ(Notices(), (std::vector<Notice>{{failing, FD_CONNECT, WSAECONNREFUSED}}));
    for (SOCKET s : {server, client, failing})
        closesocket(s);
}

TEST_F(AsyncSelect, EachDatagramIsOneReadAndRecvOnAnotherThreadWakesTheLoop) {
    const SOCKET s = socket(AF_INET, SOCK_DGRAM, 0);
    const sockaddr_in local = BindToLoopback(s);
    ASSERT_NE(local.sin_port, 0);
    ASSERT_EQ(WSAAsyncSelect(s, m_window, kNotice, FD_READ | FD_CLOSE), 0);
    UdpSender sender;
    sender.SendTo(ntohs(local.sin_port), "one");
    sender.SendTo(ntohs(local.sin_port), "two");
    PumpUntil([] { return Got(1); });
    EXPECT_EQ(Receive(s, 10), "one");

    // The loop sleeps in GetMessage; a recv on another thread re-enables the read notice.
    std::thread reader([s] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        char buffer[10];
        recv(s, buffer, sizeof buffer, 0);
    });
    MSG msg;
    ASSERT_TRUE(GetMessage(&msg, nullptr, 0, 0)); // the notice already pending for "two"
    DispatchMessage(&msg);
    sender.SendTo(ntohs(local.sin_port), "three");
    ASSERT_TRUE(GetMessage(&msg, nullptr, 0, 0));
    DispatchMessage(&msg);
    reader.join();
    EXPECT_EQ(Notices(), (std::vector<Notice>{{s, FD_READ, 0}, {s, FD_READ, 0}, {s, FD_READ, 0}}));
    closesocket(s);
}
