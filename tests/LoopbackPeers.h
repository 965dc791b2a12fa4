#pragma once

// Real network peers on 127.0.0.1 for tests, on the system's own sockets: a TCP server
// that accepts one client and then sends, closes or resets; a UDP sender; a port where
// nobody listens.

#include <chrono>
#include <string>
#include <string_view>

// 127.0.0.1 as the library passes addresses: first octet in the lowest byte.
inline constexpr unsigned int kLoopbackAddress = 0x0100007Fu;

class TcpPeer {
public:
    TcpPeer();
    ~TcpPeer();
    TcpPeer(const TcpPeer&) = delete;
    TcpPeer& operator=(const TcpPeer&) = delete;

    unsigned short port() const { return m_port; }
    // Waits for the client; false when none came in time.
    bool Accept(std::chrono::milliseconds timeout = std::chrono::seconds(5));
    // Sends all bytes, blocking while the client's buffers are full.
    void Send(std::string_view bytes);
    // Reads until `count` bytes came, the connection ended or the time ran out.
    std::string Receive(size_t count, std::chrono::milliseconds timeout = std::chrono::seconds(5));
    void Close();
    // Closes abortively: the client sees its connection reset.
    void Reset();

private:
    unsigned short m_port = 0; // set while the listener is made
    int m_listener = -1;
    int m_connection = -1;
};

class UdpSender {
public:
    UdpSender();
    ~UdpSender();
    UdpSender(const UdpSender&) = delete;
    UdpSender& operator=(const UdpSender&) = delete;

    void SendTo(unsigned short port, std::string_view datagram);

private:
    int m_socket = -1;
};

// A port of 127.0.0.1 held bound without listening: connections to it are refused.
class ClosedPort {
public:
    ClosedPort();
    ~ClosedPort();
    ClosedPort(const ClosedPort&) = delete;
    ClosedPort& operator=(const ClosedPort&) = delete;

    unsigned short port() const { return m_port; }

private:
    unsigned short m_port = 0; // set while the socket is made
    int m_socket = -1;
};

// A free UDP or TCP port of 127.0.0.1 at the time of the call.
unsigned short FreeLoopbackPort(bool datagram);
