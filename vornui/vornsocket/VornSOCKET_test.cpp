#include "tests/LoopbackPeers.h"
#include "tests/TempDir.h"
#include "tests/WinSockLoopback.h"

#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/ProcessIdentity.h"
#include "vornui/vornsocket/SocketTrace_test.h"
#include "vornui/vornsocket/VornSOCKET.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsSupersetOf;
using ::testing::StartsWith;
using Texts = std::vector<::testing::Matcher<std::string>>;

namespace {

// Traces everything into a file of a fresh folder, which is also VORNHOME, with the
// socket library started.
class SocketService : public ::testing::Test {
protected:
    void SetUp() override {
        StartTracingInto(m_home, 2);
        ASSERT_EQ(InitSocketLibrary(), 1);
    }
    void TearDown() override {
        WSACleanup();
        StopTracing();
    }

    std::vector<std::string> TraceTexts() const { return TraceTextsIn(m_home); }
    static std::string Number(SOCKET s) { return std::to_string(static_cast<int>(s)); }
    static int ReceiveBuffer(SOCKET s) {
        int size = 0;
        int length = sizeof size;
        getsockopt(s, SOL_SOCKET, SO_RCVBUF, reinterpret_cast<char*>(&size), &length);
        return size;
    }
    static bool IsNonBlocking(SOCKET s) {
        char byte;
        return recv(s, &byte, 1, 0) == SOCKET_ERROR && WSAGetLastError() == WSAEWOULDBLOCK;
    }

    TempDir m_home;
    const std::string m_pid = std::to_string(GetCurrentProcessId());
};

} // namespace

TEST_F(SocketService, TracesReadableTextsForErrorCodes) {
    TraceSocketError(WSAECONNREFUSED);
    TraceSocketError(12345);
    TraceSocketError(WSAEWOULDBLOCK);
    EXPECT_THAT(TraceTexts(),
                ElementsAre("The attempt to connect was forcefully rejected. ",
                            "An unknown socket error 12345 has been observed",
                            StartsWith("The socket is marked as nonblocking and the connection")));
    EXPECT_THAT(TempDir::read(TraceFileIn(m_home)), HasSubstr("|vornsocket/VornSOCKET@"));
}

TEST_F(SocketService, CreateSocketRaisesTheReceiveBufferButNeverLowersIt) {
    SOCKET raised = 0;
    ASSERT_EQ(CreateSocket(SOCK_STREAM, &raised, 200000), 1);
    const int size = ReceiveBuffer(raised);
    EXPECT_GE(size, 200000);
    SOCKET kept = 0;
    ASSERT_EQ(CreateSocket(SOCK_DGRAM, &kept, 1), 1);
    const int unchanged = ReceiveBuffer(kept);
    EXPECT_THAT(
        TraceTexts(),
        ElementsAre("CreateSocket client id=" + m_pid, "socket= " + Number(raised),
                    StartsWith("socket= " + Number(raised) + " Receive Buffer "),
                    "socket= " + Number(raised) + " Receive Buffer Changed to " +
                        std::to_string(size),
                    "CreateSocket client id=" + m_pid, "socket= " + Number(kept),
                    "socket= " + Number(kept) + " Receive Buffer " + std::to_string(unchanged)));
    closesocket(raised);
    closesocket(kept);
}

TEST_F(SocketService, ConnectsToLoopbackWhenTheAddressNamesNoHost) {
    TcpPeer server;
    SOCKET s = 0;
    ASSERT_EQ(CreateSocketAndConnectToServer(SOCK_STREAM, server.port(), 0x0000007F, &s, 0, 1, 1),
              1);
    ASSERT_TRUE(server.Accept());
    EXPECT_TRUE(IsNonBlocking(s));
    EXPECT_EQ(send(s, "ack", 3, 0), 3);
    EXPECT_EQ(server.Receive(3), "ack");
    closesocket(s);

    TcpPeer named;
    ASSERT_EQ(
        CreateSocketAndConnectToServer(SOCK_STREAM, named.port(), kLoopbackAddress, &s, 1, 0, 1),
        1);
    closesocket(s);
    EXPECT_THAT(TraceTexts(),
                IsSupersetOf(Texts{"CreateSocketAndConnectToServer client id=" + m_pid,
                                   "Using local addr INADDR_LOOPBACK 127.0.0.1",
                                   "Using remote addr 127.0.0.1"}));
}

TEST_F(SocketService, ThreeAttemptsOnAClosedPortFailAndEachIsTraced) {
    ClosedPort closed;
    SOCKET s = 0;
    EXPECT_EQ(CreateSocketAndConnectToServer(SOCK_STREAM, closed.port(), 0, &s, 0, 3, 1), 0);
    EXPECT_EQ(s, INVALID_SOCKET);
    const std::vector<std::string> texts = TraceTexts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(),
                         "NTCreateSocketAndConnectToServer(): socket error 10061"),
              3);
    EXPECT_EQ(
        std::count(texts.begin(), texts.end(), "The attempt to connect was forcefully rejected. "),
        3);
}

TEST_F(SocketService, ConnectToServerTriesWithoutPause) {
    ClosedPort closed;
    TcpPeer server;
    SOCKET s = 0;
    ASSERT_EQ(CreateSocket(SOCK_STREAM, &s, 1), 1);
    EXPECT_EQ(ConnectToServer(server.port(), INADDR_NONE, s, 0, 0), 0);
    EXPECT_EQ(ConnectToServer(server.port(), kLoopbackAddress, s, 1, 0), 1);
    EXPECT_FALSE(server.Accept(std::chrono::milliseconds(0))); // nothing was attempted
    EXPECT_EQ(ConnectToServer(closed.port(), kLoopbackAddress, s, 0, 2), 0);
    EXPECT_EQ(ConnectToServer(server.port(), kLoopbackAddress, s, 0, 1), 1);
    EXPECT_TRUE(server.Accept());
    EXPECT_TRUE(IsNonBlocking(s));
    closesocket(s);
}

TEST_F(SocketService, ServerSocketsListenAndReportWhatFails) {
    const unsigned short port = FreeLoopbackPort(false);
    const SOCKET listening = NTInitSocketService(SOCK_STREAM, port, 5, 0, 4096);
    ASSERT_NE(listening, 0u);
    EXPECT_EQ(accept(listening, nullptr, nullptr), INVALID_SOCKET);
    EXPECT_EQ(WSAGetLastError(), WSAEWOULDBLOCK);
    EXPECT_EQ(NTInitSocketService(SOCK_STREAM, port, 5, 1, 4096), 0u);
    EXPECT_EQ(NTInitSocketService(99, port, 5, 1, 4096), 0u);

    SOCKET client = 0;
    ASSERT_EQ(CreateSocketAndConnectToServer(SOCK_STREAM, port, 0, &client, 1, 1, 1), 1);
    SOCKET accepted = INVALID_SOCKET;
    do
        accepted = accept(listening, nullptr, nullptr);
    while (accepted == INVALID_SOCKET && WSAGetLastError() == WSAEWOULDBLOCK);
    EXPECT_NE(accepted, INVALID_SOCKET);
    for (SOCKET s : {client, accepted, listening})
        closesocket(s);

    const std::vector<std::string> texts = TraceTexts();
    EXPECT_THAT(texts,
                IsSupersetOf(Texts{"InitSocketService - Server id=" + m_pid,
                                   StartsWith("socket= " + Number(listening) + " Send Buffer "),
                                   StartsWith("socket= " + Number(listening) + " Receive Buffer "),
                                   "NTInitSocketService() error 10048",
                                   "The specified address is already in use."}));
    EXPECT_THAT(texts,
                Contains(testing::MatchesRegex("NTInitSocketService\\(\\) error 100[0-9]{2}: "
                                               "type 99")));
}

TEST_F(SocketService, FailedListenEndsTheProcess) {
    EXPECT_EXIT(NTInitSocketService(SOCK_DGRAM, FreeLoopbackPort(true), 5, 1, 1024),
                ::testing::ExitedWithCode(255), "Unix domain socket function error: listen");
}

TEST_F(SocketService, DatagramServiceSendsToItsPeer) {
    const SOCKET receiver = socket(AF_INET, SOCK_DGRAM, 0);
    const sockaddr_in local = BindToLoopback(receiver);
    ASSERT_NE(local.sin_port, 0);

    const BYTE loopback[4] = {127, 0, 0, 1};
    const SOCKET s = NTInitSocketDGRAMService(SOCK_DGRAM, ntohs(local.sin_port), loopback, 1, 0);
    ASSERT_NE(s, 0u);
    EXPECT_EQ(send(s, "$SDDBT", 6, 0), 6);
    char buffer[16];
    EXPECT_EQ(recv(receiver, buffer, sizeof buffer, 0), 6);
    EXPECT_EQ(std::string(buffer, 6), "$SDDBT");

    sockaddr_in bound{};
    int length = sizeof bound;
    getsockname(s, reinterpret_cast<sockaddr*>(&bound), &length);
    EXPECT_EQ(NTInitSocketDGRAMService(SOCK_DGRAM, 9, loopback, 1, ntohs(bound.sin_port)), 0u);
    EXPECT_THAT(TraceTexts(), Contains("NTInitSocketDGRAMService(): socket error 10048"));
    closesocket(s);
    closesocket(receiver);
}

TEST_F(SocketService, SocketsAreRefusedBeforeTheLibraryStarts) {
    WSACleanup();
    CScriptedUser user;
    SOCKET s = 0;
    errno = 0;
    EXPECT_EQ(CreateSocket(SOCK_STREAM, &s, 1), 0);
    ASSERT_EQ(user.MessageBoxesShown().size(), 1u);
    EXPECT_THAT(user.MessageBoxesShown()[0].text.str(),
                HasSubstr("Error message: Unix domain socket function error: socket\n"
                          "Source file  : \"vornsocket/VornSOCKET\" at line "));
    EXPECT_EQ(CreateSocketAndConnectToServer(SOCK_STREAM, 1, 0, &s, 0, 1, 1), 0);
    EXPECT_THAT(TraceTexts(), Contains("A successful WSAStartup must occur before using this "
                                       "function."));
    InitSocketLibrary();
}
