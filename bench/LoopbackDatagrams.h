#pragma once

// Datagrams on 127.0.0.1 for the benchmarks, on the system's own sockets (kept apart from
// the files that use the library's socket names): a sender of fixed-size datagrams at a
// set rate, and a plain receiver to compare the library with.

#include <atomic>
#include <cstddef>
#include <functional>
#include <thread>

inline constexpr size_t kDatagramSize = 100;

// A UDP port of 127.0.0.1 that nothing was bound to at the time of the call.
unsigned short FreeDatagramPort();

// Sends `count` datagrams of kDatagramSize bytes to 127.0.0.1:`port` on a thread of its own,
// `rate` per second (0: as fast as the system takes them); falls behind no further than the
// system makes it, sending what is due at once. When the last one is out it says so
// (Finished) and calls `finished` from its thread.
class PacedDatagramSender {
public:
    PacedDatagramSender(unsigned short port, long rate, size_t count,
                        std::function<void()> finished);
    ~PacedDatagramSender();
    PacedDatagramSender(const PacedDatagramSender&) = delete;
    PacedDatagramSender& operator=(const PacedDatagramSender&) = delete;

    bool Finished() const { return m_finished.load(std::memory_order_acquire); }
    // How many the system accepted; read once Finished.
    size_t Sent() const { return m_sent; }

private:
    void Send(unsigned short port, long rate, size_t count);

    size_t m_sent = 0;
    std::atomic<bool> m_finished{false};
    std::function<void()> m_onFinished;
    std::thread m_thread;
};

// A datagram socket bound to 127.0.0.1:`port` with the system's default receive buffer,
// read by a plain poll-and-recv loop.
class PlainDatagramReceiver {
public:
    explicit PlainDatagramReceiver(unsigned short port);
    ~PlainDatagramReceiver();
    PlainDatagramReceiver(const PlainDatagramReceiver&) = delete;
    PlainDatagramReceiver& operator=(const PlainDatagramReceiver&) = delete;

    // Receives until the sender has finished and nothing is left; the count received.
    size_t ReceiveAll(const PacedDatagramSender& sender);

private:
    size_t Drain();

    int m_socket;
};
