#include "tests/LoopbackPeers.h"
#include "tests/TempDir.h"
#include "tests/TestWindowClass.h"

#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/vornsocket/SocketClient.h"
#include "vornui/vornsocket/SocketTrace_test.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::MatchesRegex;

namespace {

const BYTE kLoopback[4] = {127, 0, 0, 1};

struct Delivery {
    unsigned short port;
    std::optional<std::string> data; // none for a close notice
    bool operator==(const Delivery&) const = default;
};

void PrintTo(const Delivery& delivery, std::ostream* out) {
    *out << delivery.port << ':' << (delivery.data ? '"' + *delivery.data + '"' : "closed");
}

Delivery Data(unsigned short port, std::string bytes) {
    return Delivery{port, std::move(bytes)};
}
Delivery Closed(unsigned short port) {
    return Delivery{port, std::nullopt};
}

void Record(unsigned short port, unsigned short length, const char* data, void* user) {
    auto& deliveries = *static_cast<std::vector<Delivery>*>(user);
    if (data)
        deliveries.push_back(Data(port, std::string(data, length)));
    else
        deliveries.push_back(
            Delivery{port, length ? std::optional<std::string>("?") : std::nullopt});
}

// A client window over an owner window, tracing level 1 into a fresh VORNHOME, with a
// scripted user answering the message boxes.
class SocketClientTest : public ::testing::Test {
protected:
    explicit SocketClientTest(bool buffering = false) : m_client(buffering) {}

    void SetUp() override {
        StartTracingInto(m_home, 1);
        ASSERT_TRUE(m_owner.CreateEx(0, TestWindowClass("VornuiTestSocketOwner"), "Port settings",
                                     WS_POPUP, 10, 20, 300, 200, nullptr, nullptr));
        ASSERT_TRUE(m_client.CreateClientWindow(&m_owner, "VEROVAR Communication"));
        m_client.SetCallback(Record, &m_deliveries);
    }
    void TearDown() override {
        m_client.DestroyWindow();
        m_owner.DestroyWindow();
        StopTracing();
    }

    std::vector<std::string> TraceTexts() const { return TraceTextsIn(m_home); }
    // Everything the client did visibly: trace lines and deliveries.
    size_t Observed() const { return TraceTexts().size() + m_deliveries.size(); }

    // Runs the thread's loop until `done` holds (five seconds at most).
    void PumpUntil(const std::function<bool()>& done) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        do {
            m_client.PumpMessages();
            if (done())
                return;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        } while (std::chrono::steady_clock::now() < deadline);
    }
    void PumpUntilObserved(size_t before) {
        PumpUntil([&] { return Observed() > before; });
    }

    bool ConnectTo(TcpPeer& peer) {
        return m_client.EstablishConnection(kLoopback, peer.port(), 65536, 1) == 1 && peer.Accept();
    }

    TempDir m_home;
    CScriptedUser m_user;
    CWnd m_owner;
    CSocketClient m_client;
    std::vector<Delivery> m_deliveries;
};

class BufferingSocketClient : public SocketClientTest {
protected:
    BufferingSocketClient() : SocketClientTest(true) {}

    // Receives on a local UDP port, so that each datagram is exactly one read.
    void ListenForDatagrams(int packetLength) {
        m_port = FreeLoopbackPort(true);
        m_client.SetPacketLength(packetLength);
        ASSERT_EQ(m_client.EstablishUDPConnection(kLoopback, m_port, 0), 1);
    }
    void Read(const std::string& bytes) {
        const size_t before = Observed();
        m_sender.SendTo(m_port, bytes);
        PumpUntilObserved(before);
    }

    UdpSender m_sender;
    unsigned short m_port = 0;
};

} // namespace

TEST_F(SocketClientTest, IsAHiddenChildOverItsOwnerWithTheClientId) {
    EXPECT_EQ(m_client.GetDlgCtrlID(), SOCKET_CLIENT_CONTROL_ID);
    EXPECT_EQ(m_client.GetParent(), &m_owner);
    EXPECT_FALSE(m_client.IsWindowVisible());
    EXPECT_TRUE(m_client.GetStyle() & WS_CHILD);
    char className[32];
    GetClassName(m_client, className, sizeof className);
    EXPECT_STREQ(className, "CSocketClient");
    EXPECT_STREQ(m_client.GetRuntimeClass()->m_lpszClassName, "CSocketClient");
    EXPECT_TRUE(m_client.IsKindOf(RUNTIME_CLASS(CWnd)));
    CString caption;
    m_client.GetWindowText(caption);
    EXPECT_EQ(caption, "VEROVAR Communication");
    EXPECT_FALSE(m_client.IsConnected());
}

TEST_F(SocketClientTest, DeliversEachReadAsItComesThenOneCloseNoticeWhenTheServerCloses) {
    TcpPeer peer;
    m_client.SetPacketLength(100);
    ASSERT_TRUE(ConnectTo(peer));
    EXPECT_TRUE(m_client.IsConnected());
    peer.Send("$GPGGA,1");
    PumpUntil([&] { return m_deliveries.size() == 1; });
    peer.Send("$GPGGA,2");
    PumpUntil([&] { return m_deliveries.size() == 2; });
    peer.Close();
    PumpUntil([&] { return m_deliveries.size() == 3; });
    m_client.PumpMessages();
    EXPECT_THAT(m_deliveries, ElementsAre(Data(peer.port(), "$GPGGA,1"),
                                          Data(peer.port(), "$GPGGA,2"), Closed(peer.port())));
    EXPECT_FALSE(m_client.IsConnected());
    EXPECT_THAT(TraceTexts(),
                Contains(MatchesRegex("CloseConnection\\(\\): closing socket [0-9]+")));
    EXPECT_THAT(TraceTexts(), Contains(MatchesRegex("CloseConnection\\(\\): closed [0-9]+")));
}

TEST_F(SocketClientTest, AResetEndsTheConnectionSilentlyWithACloseNoticeAndSendsThenFail) {
    TcpPeer peer;
    m_client.SetPacketLength(100);
    ASSERT_TRUE(ConnectTo(peer));
    EXPECT_EQ(m_client.Send("PING", 4), 1);
    EXPECT_EQ(peer.Receive(4), "PING");
    peer.Reset();
    std::this_thread::sleep_for(std::chrono::milliseconds(20)); // the reset has arrived
    EXPECT_EQ(m_client.Send("PING", 4), 0);
    PumpUntil([&] { return !m_deliveries.empty(); });
    EXPECT_THAT(m_deliveries, ElementsAre(Closed(peer.port())));
    EXPECT_FALSE(m_client.IsConnected());
    EXPECT_TRUE(m_user.MessageBoxesShown().empty());
    EXPECT_THAT(TraceTexts(), Contains(MatchesRegex("SEND FAIL on socket:[0-9]+ bytes:4")));
    EXPECT_THAT(TraceTexts(), Contains(" Connection reset by peer."));
    EXPECT_EQ(m_client.Send("PING", 4), 1); // not connected: nothing to send
}

TEST_F(SocketClientTest, AFailedConnectionReturnsZeroAndDestroyingTheWindowCloses) {
    ClosedPort closed;
    EXPECT_EQ(m_client.EstablishConnection(kLoopback, closed.port(), 65536, 1), 0);
    EXPECT_FALSE(m_client.IsConnected());
    EXPECT_THAT(TraceTexts(), Contains("CSocketClient::EstablishConnection() failed!? socket:0"));

    TcpPeer peer;
    m_client.SetPacketLength(100);
    ASSERT_TRUE(ConnectTo(peer));
    m_client.DestroyWindow();
    EXPECT_EQ(peer.Receive(1, std::chrono::seconds(1)), ""); // the connection ended
    EXPECT_THAT(TraceTexts(), Contains(MatchesRegex("CloseConnection\\(\\): closed [0-9]+")));
}

TEST_F(SocketClientTest, NotifiedErrorsAndUnknownEventsAreShownInMessageBoxesOfTheClient) {
    TcpPeer peer;
    m_client.SetPacketLength(100);
    ASSERT_TRUE(ConnectTo(peer));
    m_client.SendMessage(SOCKET_CLIENT_MESSAGE, 77, WSAMAKESELECTREPLY(FD_OOB, 0));
    WSASetLastError(WSAENETDOWN);
    const LRESULT result =
        m_client.SendMessage(SOCKET_CLIENT_MESSAGE, 77, WSAMAKESELECTREPLY(FD_READ, WSAENETDOWN));
    EXPECT_EQ(result, WSAENETDOWN);
    EXPECT_FALSE(m_client.IsConnected());
    const std::string port = std::to_string(peer.port());
    const auto& boxes = m_user.MessageBoxesShown();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, "Socket event error: 4");
    EXPECT_EQ(boxes[0].text,
              ("Unknown socket event???   Server/connected-socket: " + port + "/77").c_str());
    EXPECT_EQ(boxes[1].caption, "Socket error: 10050");
    EXPECT_EQ(boxes[1].text, ("Server/connected-socket: " + port + "/77").c_str());
    for (const MessageBoxRequest& box : boxes) {
        EXPECT_EQ(box.owner, m_client.m_hWnd);
        EXPECT_EQ(box.type, MB_OK | MB_ICONEXCLAMATION);
    }
    EXPECT_THAT(TraceTexts(),
                Contains(" The Windows Sockets implementation has detected that the network "
                         "subsystem has failed."));
    EXPECT_THAT(TraceTexts(), Contains(MatchesRegex("ERR 10050 [0-2][0-9]:[0-5][0-9]:[0-6][0-9]")));
}

TEST_F(SocketClientTest, TracesTheTextOfTheLastSocketError) {
    for (int error : {183, WSAECONNABORTED, 12345}) {
        WSASetLastError(error);
        EXPECT_EQ(m_client.TraceLastSocketError(), error);
    }
    const std::vector<std::string> texts = TraceTexts();
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(texts[0], "Socket failure: cannot create a file when that file already exists!?");
    EXPECT_EQ(texts[2], " The connection was aborted.");
    EXPECT_EQ(texts[4], " The socket connection has failed due to a not known error - 12345.");
    EXPECT_THAT(texts[5], MatchesRegex("ERR 12345 [0-9][0-9]:[0-9][0-9]:[0-9][0-9]"));
}

TEST_F(SocketClientTest, ABurstBeyondTheSocketBuffersArrivesWhole) {
    TcpPeer peer;
    m_client.SetPacketLength(MAX_BUFFER_SIZE);
    ASSERT_TRUE(ConnectTo(peer));
    std::string burst(16 * 1024 * 1024, '\0');
    for (size_t index = 0; index < burst.size(); ++index)
        burst[index] = static_cast<char>(index * 7 + index / 4096);
    std::thread sender([&] {
        peer.Send(burst);
        peer.Close();
    });
    PumpUntil([&] { return !m_deliveries.empty() && !m_deliveries.back().data; });
    sender.join();
    std::string received;
    for (size_t index = 0; index + 1 < m_deliveries.size(); ++index)
        received += m_deliveries[index].data.value_or("");
    EXPECT_EQ(received.size(), burst.size());
    EXPECT_TRUE(received == burst);
    EXPECT_EQ(m_deliveries.back(), Closed(peer.port()));
}

TEST_F(SocketClientTest, WithoutAPacketLengthDataIsDiscardedWithOneReportAndTheCloseArrives) {
    TcpPeer peer;
    ASSERT_TRUE(ConnectTo(peer)); // the packet length is still the constructor's 0
    peer.Send("$GPGGA,1");
    PumpUntil([&] { return !m_user.MessageBoxesShown().empty(); });
    peer.Send("$GPGGA,2");
    peer.Close();
    PumpUntil([&] { return !m_deliveries.empty(); });
    m_client.PumpMessages();
    EXPECT_THAT(m_deliveries, ElementsAre(Closed(peer.port())));
    EXPECT_FALSE(m_client.IsConnected());

    m_client.SetPacketLength(-3);
    const unsigned short port = FreeLoopbackPort(true);
    ASSERT_EQ(m_client.EstablishUDPConnection(kLoopback, port, 0), 1);
    UdpSender sender;
    for (const char* datagram : {"one", "two"}) {
        sender.SendTo(port, datagram);
        const auto readBy = std::chrono::steady_clock::now() + std::chrono::milliseconds(200);
        PumpUntil([&] { return std::chrono::steady_clock::now() > readBy; });
    }
    EXPECT_THAT(m_deliveries, ElementsAre(Closed(peer.port())));

    const std::string errors = TempDir::read((m_home.path() / "log" / "error").string());
    const std::string why = "discarded: packet length 0, call SetPacketLength first";
    EXPECT_THAT(errors, HasSubstr("Data on port " + std::to_string(peer.port()) + " " + why));
    EXPECT_EQ(errors.find(why), errors.rfind(why)); // reported once
    EXPECT_EQ(m_user.MessageBoxesShown().size(), 1u);
}

TEST_F(SocketClientTest, APacketLengthAboveTheMaximumIsReportedAndCut) {
    m_client.SetPacketLength(40000);
    ASSERT_EQ(m_user.MessageBoxesShown().size(), 1u);
    EXPECT_THAT(m_user.MessageBoxesShown()[0].text.str(),
                HasSubstr("SetPacketLength 40000 bigger than MAX_BUFFER_SIZE 32768"));
    EXPECT_THAT(TempDir::read((m_home.path() / "log" / "error").string()),
                HasSubstr("vornsocket/SocketClient"));

    // Reads now ask for 32768 bytes at most: a larger datagram is cut to that.
    const unsigned short port = FreeLoopbackPort(true);
    ASSERT_EQ(m_client.EstablishUDPConnection(kLoopback, port, 0), 1);
    EXPECT_THAT(TraceTexts(),
                Contains(MatchesRegex("Create and connect 0 -> socket [0-9]+ opt 0")));
    UdpSender sender;
    sender.SendTo(port, std::string(40000, 'x'));
    PumpUntil([&] { return !m_deliveries.empty(); });
    EXPECT_THAT(m_deliveries, ElementsAre(Data(port, std::string(32768, 'x'))));
}

TEST_F(BufferingSocketClient, ReadsOfFourFourAndTwoMakeOnePacketOfTen) {
    ListenForDatagrams(10);
    Read("ABCD");
    Read("EFGH");
    Read("IJ");
    EXPECT_THAT(m_deliveries, ElementsAre(Data(m_port, "ABCDEFGHIJ")));
    EXPECT_THAT(TraceTexts(),
                testing::IsSupersetOf({"Packet buffered up (4 bytes)! Total was 0",
                                       "Packet buffered up (4 bytes)! Total was 4",
                                       "Buffered message packet generated! - size: 8+2=10 bytes"}));
}

TEST_F(BufferingSocketClient, AnOverflowingReadDropsThePartialPacketAndStartsANewOne) {
    ListenForDatagrams(10);
    Read("AAAAAA");
    Read("BBBBBB");
    EXPECT_TRUE(m_deliveries.empty());
    EXPECT_THAT(TraceTexts(),
                Contains("Packet skipped (6 bytes), but new packet is buffered up (6 bytes)!"));
    Read("CCCC");
    EXPECT_THAT(m_deliveries, ElementsAre(Data(m_port, "BBBBBBCCCC")));
}

TEST_F(BufferingSocketClient, AFullReadIsDeliveredAtOnceAndDropsAnyPartialPacket) {
    ListenForDatagrams(10);
    Read("xyz");
    Read("0123456789");
    Read("0123456789AB"); // reads ask for 10 bytes at most
    Read("abcdefg");
    EXPECT_THAT(m_deliveries, ElementsAre(Data(m_port, "0123456789"), Data(m_port, "0123456789")));
    Read("hij");
    EXPECT_EQ(m_deliveries.back(), Data(m_port, "abcdefghij"));
}

TEST_F(SocketClientTest, WithoutBufferingEveryReadIsDeliveredAsItArrives) {
    const unsigned short port = FreeLoopbackPort(true);
    m_client.SetPacketLength(10);
    ASSERT_EQ(m_client.EstablishUDPConnection(kLoopback, port, 0), 1);
    UdpSender sender;
    for (const char* datagram : {"a", "bcd", "efghij"}) {
        sender.SendTo(port, datagram);
        const size_t before = m_deliveries.size();
        PumpUntil([&] { return m_deliveries.size() > before; });
    }
    EXPECT_THAT(m_deliveries,
                ElementsAre(Data(port, "a"), Data(port, "bcd"), Data(port, "efghij")));
}

// A TCP peer sends pieces of every size from 1 to 12 against twelve-byte packets, each
// piece read on its own: pieces that divide the packet make whole packets; the others never
// fill one exactly and are dropped.
class PiecesOverTcp : public BufferingSocketClient, public ::testing::WithParamInterface<int> {};

TEST_P(PiecesOverTcp, MakePacketsOnlyWhenTheyFillThemExactly) {
    constexpr int kPacket = 12;
    const int piece = GetParam();
    TcpPeer peer;
    m_client.SetPacketLength(kPacket);
    ASSERT_TRUE(ConnectTo(peer));
    const bool divides = kPacket % piece == 0;
    const int length = divides ? 3 * kPacket : 6 * piece;
    std::string stream;
    for (int index = 0; index < length; ++index)
        stream += static_cast<char>('a' + index % 26);
    for (size_t at = 0; at < stream.size(); at += static_cast<size_t>(piece)) {
        const size_t before = Observed();
        peer.Send(stream.substr(at, static_cast<size_t>(piece)));
        PumpUntilObserved(before);
    }
    std::vector<Delivery> expected;
    if (divides)
        for (int at = 0; at < length; at += kPacket)
            expected.push_back(Data(peer.port(), stream.substr(at, kPacket)));
    EXPECT_EQ(m_deliveries, expected);
}

INSTANTIATE_TEST_SUITE_P(EverySize, PiecesOverTcp, ::testing::Range(1, 13));

namespace {

// Bytes that occur once in a stream of this size, so that a piece can be placed in it.
std::string DistinctStream(size_t size) {
    std::mt19937 random(4747);
    std::string bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random());
    return bytes;
}

// The number in trace text `text` after `prefix`; -1 when the text does not start so.
long NumberAfter(const std::string& text, const std::string& prefix) {
    return text.rfind(prefix, 0) == 0 ? std::stol(text.substr(prefix.size())) : -1;
}

// A sender that writes bursts larger than the client's receive buffer, then closes;
// with packet buffering off (false) and on (true).
class BurstsBeyondTheReceiveBuffer : public SocketClientTest,
                                     public ::testing::WithParamInterface<bool> {
protected:
    BurstsBeyondTheReceiveBuffer() : SocketClientTest(GetParam()) {}

    static constexpr int kReceiveBuffer = 8192;
    static constexpr size_t kBurst = 256 * 1024;
    static constexpr int kBursts = 16;

    // Sends the stream and closes; returns when the client has had its close notice.
    void Transfer(const std::string& stream) {
        TcpPeer peer;
        ASSERT_EQ(m_client.EstablishConnection(kLoopback, peer.port(), kReceiveBuffer, 1), 1);
        ASSERT_TRUE(peer.Accept());
        m_port = peer.port();
        std::thread sender([&] {
            for (size_t at = 0; at < stream.size(); at += kBurst)
                peer.Send(std::string_view(stream).substr(at, kBurst));
            peer.Close();
        });
        const auto closed = [&] {
            return std::count(m_deliveries.begin(), m_deliveries.end(), Closed(m_port)) > 0;
        };
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!closed() && std::chrono::steady_clock::now() < deadline)
            PumpUntil(closed);
        sender.join();
        m_client.PumpMessages(); // anything after the close notice would show now
    }

    unsigned short m_port = 0;
};

} // namespace

TEST_P(BurstsBeyondTheReceiveBuffer, DeliverEveryByteInOrderThenOneCloseNotice) {
    const std::string stream = DistinctStream(kBurst * kBursts);
    const bool buffering = GetParam();
    constexpr int kPacket = 4096;
    m_client.SetPacketLength(buffering ? kPacket : MAX_BUFFER_SIZE);
    Transfer(stream);

    ASSERT_FALSE(m_deliveries.empty());
    EXPECT_EQ(m_deliveries.back(), Closed(m_port));
    EXPECT_EQ(std::count(m_deliveries.begin(), m_deliveries.end(), Closed(m_port)), 1);
    EXPECT_FALSE(m_client.IsConnected());
    // No notification found nothing to read.
    EXPECT_THAT(TraceTexts(), testing::Not(Contains("READ FAIL")));

    if (!buffering) {
        std::string received;
        for (size_t index = 0; index + 1 < m_deliveries.size(); ++index)
            received += *m_deliveries[index].data;
        EXPECT_EQ(received.size(), stream.size());
        EXPECT_TRUE(received == stream);
        return;
    }
    // Whole packets, each a piece of the stream after the one before. Every byte was read:
    // a read of a whole packet is delivered at once, and the trace tells each shorter read
    // (gathered, or starting a new packet over a dropped one).
    size_t at = 0;
    const size_t packets = m_deliveries.size() - 1;
    for (size_t index = 0; index < packets; ++index) {
        const std::string& packet = *m_deliveries[index].data;
        ASSERT_EQ(packet.size(), static_cast<size_t>(kPacket));
        const size_t found = stream.find(packet, at);
        ASSERT_NE(found, std::string::npos) << "packet " << index << " is out of order";
        at = found + packet.size();
    }
    size_t shortReads = 0;
    size_t gathered = 0;
    for (const std::string& text : TraceTexts()) {
        if (NumberAfter(text, "Packet buffered up (") >= 0) {
            shortReads += static_cast<size_t>(NumberAfter(text, "Packet buffered up ("));
        } else if (NumberAfter(text, "Packet skipped (") >= 0) {
            shortReads += static_cast<size_t>(std::stol(text.substr(text.rfind('(') + 1)));
        } else if (NumberAfter(text, "Buffered message packet generated! - size: ") >= 0) {
            shortReads += static_cast<size_t>(std::stol(text.substr(text.find('+') + 1)));
            ++gathered;
        }
    }
    EXPECT_EQ(shortReads + (packets - gathered) * kPacket, stream.size());
}

INSTANTIATE_TEST_SUITE_P(PacketBuffering, BurstsBeyondTheReceiveBuffer, ::testing::Bool());

// Data left unread when the peer resets is not delivered: the reset ends the connection
// silently with one close notice.
TEST_F(SocketClientTest, AResetBehindUnreadDataGivesOnlyTheCloseNotice) {
    TcpPeer peer;
    m_client.SetPacketLength(100);
    ASSERT_TRUE(ConnectTo(peer));
    peer.Send(std::string(1000, 'd'));
    peer.Reset();
    std::this_thread::sleep_for(std::chrono::milliseconds(20)); // the reset has arrived
    PumpUntil([&] { return !m_deliveries.empty(); });
    m_client.PumpMessages();
    EXPECT_THAT(m_deliveries, ElementsAre(Closed(peer.port())));
    EXPECT_FALSE(m_client.IsConnected());
    EXPECT_TRUE(m_user.MessageBoxesShown().empty());
}
