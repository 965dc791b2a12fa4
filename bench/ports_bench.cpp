// Bytes per second from a serial peer writing flat out (a pseudo-terminal): through the
// serial control, its receive events and the message loop to the handler that takes the
// input, beside a plain poll-and-read loop on the same line. "lost" counts the bytes the
// peer wrote that never reached the reader (0 expected). 115200 baud is 11520 bytes/s.

#include "vornui/platform/MSComm.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/SerialDevices.h"
#include "vornui/platform/WinApp.h"
#include "vornui/platform/Window.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fcntl.h>
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

} // namespace

BENCHMARK(SerialControl)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(PlainRead)->Unit(benchmark::kMillisecond)->UseRealTime();
