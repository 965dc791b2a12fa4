#include "bench/LoopbackDatagrams.h"

#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A datagram sent on the loopback is normally queued at the receiver before send returns;
// this is how long the sender leaves the system to finish anything it deferred.
constexpr auto kSettleTime = std::chrono::milliseconds(10);

sockaddr_in Loopback(unsigned short port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

} // namespace

unsigned short FreeDatagramPort() {
    const int probe = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in address = Loopback(0);
    socklen_t length = sizeof address;
    bind(probe, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
    close(probe);
    return ntohs(address.sin_port);
}

PacedDatagramSender::PacedDatagramSender(unsigned short port, long rate, size_t count,
                                         std::function<void()> finished)
    : m_onFinished(std::move(finished)),
      m_thread([this, port, rate, count] { Send(port, rate, count); }) {}

PacedDatagramSender::~PacedDatagramSender() {
    m_thread.join();
}

void PacedDatagramSender::Send(unsigned short port, long rate, size_t count) {
    const int s = socket(AF_INET, SOCK_DGRAM, 0);
    const sockaddr_in peer = Loopback(port);
    connect(s, reinterpret_cast<const sockaddr*>(&peer), sizeof peer);
    char datagram[kDatagramSize];
    for (size_t index = 0; index < sizeof datagram; ++index)
        datagram[index] = static_cast<char>('0' + index % 64);
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    size_t sent = 0;
    for (size_t index = 0; index < count; ++index) {
        if (rate > 0)
            std::this_thread::sleep_until(
                start +
                std::chrono::nanoseconds(static_cast<long long>(index) * 1'000'000'000LL / rate));
        if (send(s, datagram, sizeof datagram, 0) == static_cast<ssize_t>(sizeof datagram))
            ++sent;
    }
    close(s);
    std::this_thread::sleep_for(kSettleTime);
    m_sent = sent;
    m_finished.store(true, std::memory_order_release);
    if (m_onFinished)
        m_onFinished();
}

PlainDatagramReceiver::PlainDatagramReceiver(unsigned short port)
    : m_socket(socket(AF_INET, SOCK_DGRAM, 0)) {
    const sockaddr_in local = Loopback(port);
    bind(m_socket, reinterpret_cast<const sockaddr*>(&local), sizeof local);
}

PlainDatagramReceiver::~PlainDatagramReceiver() {
    close(m_socket);
}

size_t PlainDatagramReceiver::ReceiveAll(const PacedDatagramSender& sender) {
    size_t received = 0;
    for (;;) {
        // Whatever the sender sent before it said it had finished is queued by now.
        const bool finished = sender.Finished();
        received += Drain();
        if (finished)
            return received;
        pollfd readable{m_socket, POLLIN, 0};
        poll(&readable, 1, 1);
    }
}

size_t PlainDatagramReceiver::Drain() {
    size_t received = 0;
    char datagram[65536];
    while (recv(m_socket, datagram, sizeof datagram, MSG_DONTWAIT) > 0)
        ++received;
    return received;
}
