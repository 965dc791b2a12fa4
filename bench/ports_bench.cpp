// Bytes per second from a serial peer writing flat out (a pseudo-terminal): through the
// serial control, its receive events and the message loop to the handler that takes the
// input, beside a plain poll-and-read loop on the same line. "lost" counts the bytes the
// peer wrote that never reached the reader (0 expected). 115200 baud is 11520 bytes/s.
//
// Datagrams of 100 bytes from a loopback sender at 10,000 a second and faster (the
// argument; 0 is as fast as the system sends): through CSocketClient and its notifications
// to a callback, through the whole "Port settings" dialog connected to UDP with a capture
// running, and beside both a plain poll-and-recv loop. "sent/s" and "received/s" are the
// rates reached, "lost" the datagrams sent that were never received. The time is the
// sender's, from its first datagram until everything it sent has been taken.

#include "bench/LoopbackDatagrams.h"

#include "vornui/comms/PortSelection.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/MSComm.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/SerialDevices.h"
#include "vornui/platform/WinApp.h"
#include "vornui/platform/Window.h"
#include "vornui/resources/PortDialogIds.h"
#include "vornui/vornsocket/SocketClient.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <poll.h>
#include <string>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr size_t kTransferBytes = 1 << 20;
constexpr int kCommId = 14113;

// The peer's end of a raw pseudo-terminal, and its device.
class Line {
public:
    Line() : m_peer(posix_openpt(O_RDWR | O_NOCTTY)) {
        grantpt(m_peer);
        unlockpt(m_peer);
        termios raw{};
        tcgetattr(m_peer, &raw);
        cfmakeraw(&raw);
        tcsetattr(m_peer, TCSANOW, &raw);
        m_device = ptsname(m_peer);
    }
    ~Line() { close(m_peer); }
    Line(const Line&) = delete;
    Line& operator=(const Line&) = delete;

    const std::string& device() const { return m_device; }

    std::thread WriteFlatOut() const {
        return std::thread([peer = m_peer] {
            const std::string bytes(kTransferBytes, 'x');
            for (size_t at = 0; at < bytes.size();) {
                const ssize_t written = write(peer, bytes.data() + at, bytes.size() - at);
                if (written > 0)
                    at += static_cast<size_t>(written);
            }
        });
    }

private:
    int m_peer;
    std::string m_device;
};

size_t g_received = 0;

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == MSCOMMN_ONCOMM) {
        auto* comm = static_cast<CMSComm*>(CWnd::FromHandle(reinterpret_cast<HWND>(lParam)));
        if (comm->GetCommEvent() == comEvReceive)
            g_received += static_cast<size_t>(comm->GetInput().GetLength());
        return 0;
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

HWND MakeOwner() {
    static const bool registered = [] {
        WNDCLASS windowClass{};
        windowClass.lpfnWndProc = OwnerProc;
        windowClass.lpszClassName = "PortsBenchOwner";
        return RegisterClass(&windowClass) != 0;
    }();
    return registered ? CreateWindowEx(0, "PortsBenchOwner", "", WS_POPUP, 0, 0, 10, 10, nullptr,
                                       nullptr, nullptr, nullptr)
                      : nullptr;
}

void SerialControl(benchmark::State& state) {
    const Line line;
    SetSerialDeviceScan(false);
    AfxGetApp()->WriteProfileString("Serial devices", "COM9", line.device().c_str());
    const HWND owner = MakeOwner();
    CMSComm comm;
    comm.Create(nullptr, WS_CHILD, CRect(0, 0, 1, 1), CWnd::FromHandle(owner), kCommId);
    comm.SetCommPort(9);
    comm.SetSettings("115200,N,8,1");
    comm.SetRThreshold(1);
    comm.SetPortOpen(TRUE);
    size_t lost = 0;
    for (auto _ : state) {
        g_received = 0;
        std::thread peer = line.WriteFlatOut();
        MSG msg;
        while (g_received < kTransferBytes && GetMessage(&msg, nullptr, 0, 0))
            DispatchMessage(&msg);
        peer.join();
        lost += kTransferBytes - g_received;
    }
    comm.SetPortOpen(FALSE);
    comm.DestroyWindow();
    DestroyWindow(owner);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kTransferBytes));
    state.counters["lost"] = static_cast<double>(lost);
}

void PlainRead(benchmark::State& state) {
    const Line line;
    const int fd = open(line.device().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    size_t lost = 0;
    for (auto _ : state) {
        size_t received = 0;
        std::thread peer = line.WriteFlatOut();
        char bytes[100]; // the control's reads are no larger
        while (received < kTransferBytes) {
            pollfd readable{fd, POLLIN, 0};
            if (poll(&readable, 1, 5000) <= 0)
                break;
            const ssize_t count = read(fd, bytes, sizeof bytes);
            if (count > 0)
                received += static_cast<size_t>(count);
        }
        peer.join();
        lost += kTransferBytes - received;
    }
    close(fd);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kTransferBytes));
    state.counters["lost"] = static_cast<double>(lost);
}

constexpr size_t kDatagrams = 20000;

using Clock = std::chrono::steady_clock;

void ReportDatagrams(benchmark::State& state, size_t sent, size_t received,
                     Clock::duration elapsed) {
    const double seconds = std::chrono::duration<double>(elapsed).count();
    state.counters["sent/s"] = static_cast<double>(sent) / seconds;
    state.counters["received/s"] = static_cast<double>(received) / seconds;
    state.counters["lost"] = static_cast<double>(sent - received);
}

void CountDatagram(unsigned short, unsigned short length, const char* data, void* received) {
    if (data && length > 0)
        ++*static_cast<size_t*>(received);
}

void UdpSocketClient(benchmark::State& state) {
    const HWND owner = MakeOwner();
    const unsigned short port = FreeDatagramPort();
    CSocketClient client(false);
    client.CreateClientWindow(CWnd::FromHandle(owner), "VEROVAR UDP communication");
    size_t received = 0;
    client.SetCallback(CountDatagram, &received);
    client.SetPacketLength(MAX_BUFFER_SIZE);
    const BYTE loopback[4] = {127, 0, 0, 1};
    client.EstablishUDPConnection(loopback, port, 0);
    size_t sent = 0;
    Clock::duration elapsed{};
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        const PacedDatagramSender sender(port, state.range(0), kDatagrams,
                                         [owner] { PostMessage(owner, WM_NULL, 0, 0); });
        for (bool finished = false; !finished;) {
            // What the sender sent before it finished is queued by now: one more round of
            // the loop takes it.
            finished = sender.Finished();
            MSG msg;
            while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessage(&msg);
            if (!finished)
                WaitMessage();
        }
        const Clock::duration taken = Clock::now() - start;
        state.SetIterationTime(std::chrono::duration<double>(taken).count());
        elapsed += taken;
        sent += sender.Sent();
    }
    client.DestroyWindow();
    DestroyWindow(owner);
    ReportDatagrams(state, sent, received, elapsed);
}

// A folder of its own for the capture files of the dialog, as its TEMP.
class CaptureFolder {
public:
    CaptureFolder() {
        char pattern[] = "/tmp/vornui-ports-bench-XXXXXX";
        m_path = mkdtemp(pattern);
        setenv("TEMP", m_path.c_str(), 1);
    }
    ~CaptureFolder() { std::filesystem::remove_all(m_path); }
    CaptureFolder(const CaptureFolder&) = delete;
    CaptureFolder& operator=(const CaptureFolder&) = delete;

    // The bytes captured since the last call, whose files are removed.
    size_t TakeCapturedBytes() const {
        size_t bytes = 0;
        for (const auto& file : std::filesystem::directory_iterator(m_path)) {
            bytes += static_cast<size_t>(file.file_size());
            std::filesystem::remove(file.path());
        }
        return bytes;
    }

private:
    std::filesystem::path m_path;
};

void UdpPortDialog(benchmark::State& state) {
    SetSerialDeviceScan(false);
    const CaptureFolder captures;
    const unsigned short port = FreeDatagramPort();
    size_t sent = 0, received = 0;
    Clock::duration elapsed{};
    for (auto _ : state) {
        PortSetUpStructure record{};
        record.nPortType = PORT_UDP;
        record.nPort = port;
        record.IPAddress[0] = 127;
        record.IPAddress[3] = 1;
        std::unique_ptr<PacedDatagramSender> sender;
        Clock::time_point start;
        CScriptedUser user;
        user.AnswerNextMessageBox(IDOK);  // "Open 127.0.0.1 Port ..."
        user.AnswerNextMessageBox(IDYES); // "Save in"
        user.Click(IDC_CONNECT)
            .Click(IDC_CAPTURE)
            .Then([&](HWND dialog) {
                start = Clock::now();
                sender = std::make_unique<PacedDatagramSender>(
                    port, state.range(0), kDatagrams,
                    [dialog] { PostMessage(dialog, WM_NULL, 0, 0); });
                return ModalAction::Acted;
            })
            // The dialog's turn comes when nothing waits for it: once the sender has
            // finished, all it sent has been taken.
            .Then([&](HWND) {
                if (!sender->Finished())
                    return ModalAction::Waiting;
                const Clock::duration taken = Clock::now() - start;
                state.SetIterationTime(std::chrono::duration<double>(taken).count());
                elapsed += taken;
                return ModalAction::Acted;
            })
            .Click(IDOK);
        if (SelectPort(record, PORT_ALLOW_ALL, nullptr, "") != 1) {
            state.SkipWithError("the dialog did not end with OK");
            break;
        }
        sent += sender->Sent();
        received += captures.TakeCapturedBytes() / kDatagramSize;
    }
    ReportDatagrams(state, sent, received, elapsed);
}

void UdpPlainRecv(benchmark::State& state) {
    const unsigned short port = FreeDatagramPort();
    PlainDatagramReceiver receiver(port);
    size_t sent = 0, received = 0;
    Clock::duration elapsed{};
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        const PacedDatagramSender sender(port, state.range(0), kDatagrams, {});
        received += receiver.ReceiveAll(sender);
        const Clock::duration taken = Clock::now() - start;
        state.SetIterationTime(std::chrono::duration<double>(taken).count());
        elapsed += taken;
        sent += sender.Sent();
    }
    ReportDatagrams(state, sent, received, elapsed);
}

void DatagramRates(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(10000)
        ->Arg(20000)
        ->Arg(50000)
        ->Arg(0)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime();
}

} // namespace

BENCHMARK(SerialControl)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(PlainRead)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(UdpSocketClient)->Apply(DatagramRates);
BENCHMARK(UdpPortDialog)->Apply(DatagramRates);
BENCHMARK(UdpPlainRecv)->Apply(DatagramRates);
