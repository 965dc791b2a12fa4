#include "tests/LoopbackPeers.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace {

sockaddr_in Loopback(unsigned short port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

// Binds a new socket of `type` to 127.0.0.1 at `port` (0: any) and returns it with the
// port it got.
int BoundSocket(int type, unsigned short port, unsigned short& boundPort) {
    const int s = socket(AF_INET, type | SOCK_CLOEXEC, 0);
    const sockaddr_in address = Loopback(port);
    if (s < 0 || bind(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        throw std::runtime_error("cannot bind a loopback socket");
    sockaddr_in bound{};
    socklen_t length = sizeof bound;
    getsockname(s, reinterpret_cast<sockaddr*>(&bound), &length);
    boundPort = ntohs(bound.sin_port);
    return s;
}

bool WaitReadable(int fd, std::chrono::milliseconds timeout) {
    pollfd watched{fd, POLLIN, 0};
    return poll(&watched, 1, static_cast<int>(timeout.count())) > 0;
}

void CloseIfOpen(int& fd) {
    if (fd >= 0)
        close(fd);
    fd = -1;
}

} // namespace

TcpPeer::TcpPeer() : m_listener(BoundSocket(SOCK_STREAM, 0, m_port)) {
    listen(m_listener, 4);
}

TcpPeer::~TcpPeer() {
    CloseIfOpen(m_connection);
    CloseIfOpen(m_listener);
}

bool TcpPeer::Accept(std::chrono::milliseconds timeout) {
    if (!WaitReadable(m_listener, timeout))
        return false;
    m_connection = accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
    return m_connection >= 0;
}

void TcpPeer::Send(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t sent = send(m_connection, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent <= 0)
            throw std::runtime_error("the client stopped taking data");
        bytes.remove_prefix(static_cast<size_t>(sent));
    }
}

std::string TcpPeer::Receive(size_t count, std::chrono::milliseconds timeout) {
    std::string received;
    char buffer[4096];
    while (received.size() < count && WaitReadable(m_connection, timeout)) {
        const ssize_t n = recv(m_connection, buffer, sizeof buffer, 0);
        if (n <= 0)
            break;
        received.append(buffer, static_cast<size_t>(n));
    }
    return received;
}

void TcpPeer::Close() {
    CloseIfOpen(m_connection);
}

void TcpPeer::Reset() {
    const linger abortive{1, 0};
    setsockopt(m_connection, SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
    CloseIfOpen(m_connection);
}

UdpSender::UdpSender() : m_socket(socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0)) {}

UdpSender::~UdpSender() {
    CloseIfOpen(m_socket);
}

void UdpSender::SendTo(unsigned short port, std::string_view datagram) {
    const sockaddr_in target = Loopback(port);
    sendto(m_socket, datagram.data(), datagram.size(), 0,
           reinterpret_cast<const sockaddr*>(&target), sizeof target);
}

ClosedPort::ClosedPort() : m_socket(BoundSocket(SOCK_STREAM, 0, m_port)) {}

ClosedPort::~ClosedPort() {
    CloseIfOpen(m_socket);
}

unsigned short FreeLoopbackPort(bool datagram) {
    unsigned short port = 0;
    int s = BoundSocket(datagram ? SOCK_DGRAM : SOCK_STREAM, 0, port);
    CloseIfOpen(s);
    return port;
}
