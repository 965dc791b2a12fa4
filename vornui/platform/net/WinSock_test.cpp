#include "tests/LoopbackPeers.h"
#include "tests/WinSockLoopback.h"

#include "vornui/platform/WinSock.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Keeps the socket library started for one test.
class SocketLibrary {
public:
    SocketLibrary() { WSAStartup(MAKEWORD(2, 2), &m_data); }
    ~SocketLibrary() { WSACleanup(); }
    SocketLibrary(const SocketLibrary&) = delete;
    SocketLibrary& operator=(const SocketLibrary&) = delete;

private:
    WSADATA m_data;
};

int Connect(SOCKET s, unsigned short port) {
    const sockaddr_in peer = LoopbackAddress(port);
    return connect(s, reinterpret_cast<const sockaddr*>(&peer), sizeof peer);
}

} // namespace

TEST(WinSock, StartupGrantsUpToVersionTwoTwoAndGuardsEveryCall) {
    EXPECT_EQ(socket(AF_INET, SOCK_STREAM, 0), INVALID_SOCKET);
    EXPECT_EQ(WSAGetLastError(), WSANOTINITIALISED);
    EXPECT_EQ(WSACleanup(), SOCKET_ERROR);

    WSADATA data;
    EXPECT_EQ(WSAStartup(MAKEWORD(0, 9), &data), WSAVERNOTSUPPORTED);
    ASSERT_EQ(WSAStartup(MAKEWORD(2, 0), &data), 0);
    EXPECT_EQ(data.wVersion, MAKEWORD(2, 0));
    EXPECT_EQ(data.wHighVersion, MAKEWORD(2, 2));
    ASSERT_EQ(WSAStartup(MAKEWORD(3, 1), &data), 0);
    EXPECT_EQ(data.wVersion, MAKEWORD(2, 2));
    EXPECT_EQ(WSACleanup(), 0);
    EXPECT_EQ(WSACleanup(), 0);
    EXPECT_EQ(listen(5, 1), SOCKET_ERROR);
    EXPECT_EQ(WSAGetLastError(), WSANOTINITIALISED);
}

TEST(WinSock, StreamsCarryDataAndReportWindowsErrorCodes) {
    SocketLibrary library;
    TcpPeer server;
    const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    ASSERT_NE(s, INVALID_SOCKET);
    EXPECT_GT(s, 2u); // never taken for "no socket" or a standard stream
    ASSERT_EQ(Connect(s, server.port()), 0);
    ASSERT_TRUE(server.Accept());

    EXPECT_EQ(send(s, "ping", 4, 0), 4);
    EXPECT_EQ(server.Receive(4), "ping");
    u_long nonBlocking = 1;
    ASSERT_EQ(ioctlsocket(s, FIONBIO, &nonBlocking), 0);
    char buffer[16];
    EXPECT_EQ(recv(s, buffer, sizeof buffer, 0), SOCKET_ERROR);
    EXPECT_EQ(WSAGetLastError(), WSAEWOULDBLOCK);

    server.Send("pong!");
    u_long waiting = 0;
    while (waiting == 0)
        ASSERT_EQ(ioctlsocket(s, FIONREAD, &waiting), 0);
    EXPECT_EQ(recv(s, buffer, sizeof buffer, MSG_PEEK), 5);
    EXPECT_EQ(recv(s, buffer, sizeof buffer, 0), 5);
    EXPECT_EQ(std::string(buffer, 5), "pong!");

    server.Reset();
    int received = 0;
    do
        received = recv(s, buffer, sizeof buffer, 0);
    while (received == SOCKET_ERROR && WSAGetLastError() == WSAEWOULDBLOCK);
    EXPECT_EQ(received, SOCKET_ERROR);
    EXPECT_EQ(WSAGetLastError(), WSAECONNRESET);
    EXPECT_EQ(closesocket(s), 0);
    EXPECT_EQ(closesocket(s), SOCKET_ERROR);
    EXPECT_EQ(WSAGetLastError(), WSAENOTSOCK);
}

TEST(WinSock, RefusedConnectionsAndOrderlyCloses) {
    SocketLibrary library;
    ClosedPort closed;
    const SOCKET refused = socket(AF_INET, SOCK_STREAM, 0);
    EXPECT_EQ(Connect(refused, closed.port()), SOCKET_ERROR);
    EXPECT_EQ(WSAGetLastError(), WSAECONNREFUSED);
    closesocket(refused);

    TcpPeer server;
    const SOCKET s = socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_EQ(Connect(s, server.port()), 0);
    ASSERT_TRUE(server.Accept());
    server.Close();
    char buffer[4];
    EXPECT_EQ(recv(s, buffer, sizeof buffer, 0), 0);
    EXPECT_EQ(shutdown(s, SD_BOTH), 0);
    closesocket(s);
}

TEST(WinSock, OptionsUseTheWindowsNumbers) {
    SocketLibrary library;
    const SOCKET s = socket(AF_INET, SOCK_STREAM, 0);
    int value = 0;
    int length = sizeof value;
    ASSERT_EQ(getsockopt(s, SOL_SOCKET, SO_TYPE, reinterpret_cast<char*>(&value), &length), 0);
    EXPECT_EQ(value, SOCK_STREAM);
    const int wanted = 300000;
    ASSERT_EQ(
        setsockopt(s, SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char*>(&wanted), sizeof wanted),
        0);
    ASSERT_EQ(getsockopt(s, SOL_SOCKET, SO_RCVBUF, reinterpret_cast<char*>(&value), &length), 0);
    EXPECT_GT(value, 0);
    EXPECT_EQ(getsockopt(s, SOL_SOCKET, 0x7777, reinterpret_cast<char*>(&value), &length),
              SOCKET_ERROR);
    EXPECT_EQ(WSAGetLastError(), WSAENOPROTOOPT);
    length = 1;
    EXPECT_EQ(getsockopt(s, SOL_SOCKET, SO_TYPE, reinterpret_cast<char*>(&value), &length),
              SOCKET_ERROR);
    EXPECT_EQ(WSAGetLastError(), WSAEFAULT);
    closesocket(s);

    EXPECT_EQ(closesocket(1), SOCKET_ERROR); // standard output is not a socket: left open
    EXPECT_EQ(WSAGetLastError(), WSAENOTSOCK);
    EXPECT_EQ(closesocket(0), SOCKET_ERROR);
}

TEST(WinSock, DatagramsTravelBetweenBoundSockets) {
    SocketLibrary library;
    const SOCKET receiver = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    const sockaddr_in local = BindToLoopback(receiver);
    ASSERT_NE(local.sin_port, 0);

    const SOCKET sender = socket(AF_INET, SOCK_DGRAM, 0);
    EXPECT_EQ(sendto(sender, "fix", 3, 0, reinterpret_cast<const sockaddr*>(&local), sizeof local),
              3);
    char buffer[8];
    sockaddr_in from{};
    int fromLength = sizeof from;
    EXPECT_EQ(recvfrom(receiver, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from),
                       &fromLength),
              3);
    EXPECT_EQ(from.sin_addr.S_un.S_un_b.s_b1, 127);
    EXPECT_EQ(from.sin_addr.S_un.S_un_b.s_b4, 1);
    closesocket(sender);
    closesocket(receiver);
}
