#include "vornui/platform/MSComm.h"

#include "vornui/platform/MessageBox.h"
#include "vornui/platform/SerialDevices.h"
#include "vornui/platform/WinApp.h"
#include "vornui/platform/internal/SerialLine.h"
#include "vornui/platform/internal/WaitingThread.h"
#include "vornui/platform/internal/WindowClass.h"

#include <algorithm>
#include <poll.h>
#include <unistd.h>

namespace {

// The most characters one comEvReceive hands out.
constexpr size_t kChunk = 100;
constexpr size_t kInBufferSize = 1024;
// Posted to the control itself: an event for its parent (wParam the event).
constexpr UINT kCommEventMessage = WM_USER + 0x0C0C;
// Posted to the control by its modem lines' watch: a line changed.
constexpr UINT kModemLinesMessage = WM_USER + 0x0C0D;

[[noreturn]] void Raise(WORD code, const CString& description) {
    throw new COleDispatchException(description, code);
}

[[noreturn]] void RaiseInvalidValue() {
    Raise(comInvalidPropertyValue, "Invalid property value");
}

// The device of COM<port>, or an error that names what is wrong with it.
std::string DeviceOf(short port) {
    const std::optional<std::string> device = SerialDeviceForPort(port);
    CString description;
    if (!device) {
        description.Format("Invalid Port Number (the machine has no COM%d)", port);
        Raise(comPortInvalid, description);
    }
    return *device;
}

LRESULT ControlProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProc(hwnd, message, wParam, lParam);
}

const SystemClass kMSCommClass(MSCOMM_CLASS, ControlProcedure, 0);

} // namespace

int COleDispatchException::ReportError(UINT type, UINT helpId) const {
    return AfxMessageBox(m_strDescription, type | MB_ICONEXCLAMATION, helpId);
}

CMSComm::CMSComm() = default;

CMSComm::~CMSComm() {
    Close();
}

BOOL CMSComm::Create(LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(MSCOMM_CLASS, windowName, style, rect, parent, id);
}

void CMSComm::SetCommPort(short port) {
    if (m_fd >= 0)
        Raise(comPortOpen, "Operation not valid while the port is opened");
    if (port < 1)
        RaiseInvalidValue();
    const std::string device = DeviceOf(port);
    std::string error;
    const int probe = OpenSerialLine(device, error);
    if (probe < 0)
        Raise(comPortInvalid, CString(("Invalid Port Number (" + error + ")").c_str()));
    close(probe);
    m_nCommPort = port;
}

void CMSComm::SetSettings(LPCTSTR settings) {
    SerialLineSettings parsed;
    if (!ParseSerialSettings(settings, parsed))
        RaiseInvalidValue();
    if (m_fd >= 0 && !ApplySerialSettings(m_fd, parsed))
        Raise(comSetCommStateFailed, "Could not set comm state");
    m_strSettings = settings;
}

void CMSComm::SetInputMode(long mode) {
    if (mode != comInputModeText && mode != comInputModeBinary)
        RaiseInvalidValue();
    m_nInputMode = mode;
}

void CMSComm::SetInputLen(short length) {
    if (length < 0)
        RaiseInvalidValue();
    m_nInputLen = length;
}

void CMSComm::SetRThreshold(short threshold) {
    if (threshold < 0)
        RaiseInvalidValue();
    m_nRThreshold = threshold;
}

void CMSComm::SetPortOpen(BOOL open) {
    if (!open) {
        if (m_fd < 0)
            Raise(comPortNotOpen, "Operation valid only when the port is open");
        Close();
        return;
    }
    if (m_fd >= 0)
        Raise(comPortAlreadyOpen, "Port already open");
    std::string error;
    const int fd = OpenSerialLine(DeviceOf(m_nCommPort), error);
    if (fd < 0)
        Raise(comPortNotAvailable,
              CString(("The hardware is not available (" + error + ")").c_str()));
    SerialLineSettings settings;
    if (!ParseSerialSettings(m_strSettings, settings) || !ApplySerialSettings(fd, settings)) {
        close(fd);
        Raise(comSetCommStateFailed, "Could not set comm state");
    }
    m_fd = fd;
    m_bLineGone = false;
    m_bReceivePending = false;
    m_received.clear();
    SerialLineCounts counts;
    m_bDriverCounts = ReadSerialLineCounts(m_fd, counts);
    if (m_bDriverCounts)
        m_driverCounts = {counts.cts,     counts.dsr,   counts.ring,
                          counts.carrier, counts.frame, counts.overrun,
                          counts.parity,  counts.brk,   counts.bufferOverrun};
    AddLoopWaitSource(this);
    m_bWatching = true;
    const HWND control = m_hWnd;
    m_pModemLinesWatch = std::make_unique<WaitingThread>(
        [fd] { return WaitForModemLineChange(fd); },
        [control] { ::PostMessage(control, kModemLinesMessage, 0, 0); });
}

void CMSComm::Close() {
    m_pModemLinesWatch.reset(); // before the descriptor it waits on goes
    if (m_bWatching)
        RemoveLoopWaitSource(this);
    m_bWatching = false;
    if (m_fd >= 0)
        close(m_fd);
    m_fd = -1;
    m_received.clear();
}

CString CMSComm::GetInput() {
    if (m_fd < 0)
        Raise(comPortNotOpen, "Operation valid only when the port is open");
    const size_t count =
        m_nInputLen == 0 ? m_received.size() : std::min<size_t>(m_received.size(), m_nInputLen);
    CString input(m_received.data(), static_cast<int>(count));
    m_received.erase(0, count);
    return input;
}

void CMSComm::SetInBufferCount(short count) {
    if (count != 0)
        RaiseInvalidValue();
    m_received.clear();
}

void CMSComm::SetOutBufferCount(short count) {
    if (count != 0)
        RaiseInvalidValue();
}

void CMSComm::CollectPollFds(std::vector<pollfd>& fds) {
    // While an event waits for its handler, or the buffer is full, the line is left alone.
    if (m_fd >= 0 && !m_bLineGone && !m_bReceivePending && m_received.size() < kInBufferSize)
        fds.push_back(pollfd{m_fd, POLLIN, 0});
}

void CMSComm::OnPollResult(std::span<const pollfd> fds) {
    if (fds.empty())
        return;
    if (fds[0].revents & POLLIN) {
        ReadChunk();
    } else if (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) {
        m_bLineGone = true; // the other end went away: nothing more will come
    }
}

// Reads what the line holds, at most one event's worth, and raises comEvReceive when the
// threshold is reached. False when nothing came.
bool CMSComm::ReadChunk() {
    char bytes[kChunk];
    const size_t room =
        std::min(kChunk, kInBufferSize - std::min(kInBufferSize, m_received.size()));
    if (m_fd < 0 || room == 0)
        return false;
    const ssize_t count = read(m_fd, bytes, room);
    if (count <= 0)
        return false;
    m_received.append(bytes, static_cast<size_t>(count));
    RaiseDriverEvents();
    if (m_nRThreshold > 0 && m_received.size() >= static_cast<size_t>(m_nRThreshold)) {
        m_bReceivePending = true;
        PostMessage(kCommEventMessage, comEvReceive);
    }
    return true;
}

// The events the driver counted since the last look, one each.
void CMSComm::RaiseDriverEvents() {
    SerialLineCounts counts;
    if (!m_bDriverCounts || !ReadSerialLineCounts(m_fd, counts))
        return;
    const std::array<int, 9> now = {counts.cts,     counts.dsr,   counts.ring,
                                    counts.carrier, counts.frame, counts.overrun,
                                    counts.parity,  counts.brk,   counts.bufferOverrun};
    static constexpr short kEvents[9] = {comEvCTS,         comEvDSR,      comEvRing,
                                         comEvCD,          comEventFrame, comEventOverrun,
                                         comEventRxParity, comEventBreak, comEventRxOver};
    for (size_t each = 0; each < now.size(); ++each) {
        if (now[each] != m_driverCounts[each])
            PostMessage(kCommEventMessage, static_cast<WPARAM>(kEvents[each]));
    }
    m_driverCounts = now;
}

void CMSComm::Fire(short event) {
    m_nCommEvent = event;
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), MSCOMMN_ONCOMM),
                            reinterpret_cast<LPARAM>(m_hWnd));
    m_nCommEvent = 0;
}

LRESULT CMSComm::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kModemLinesMessage) {
        if (m_fd >= 0)
            RaiseDriverEvents();
        return 0;
    }
    if (message != kCommEventMessage)
        return CWnd::WindowProc(message, wParam, lParam);
    const short event = static_cast<short>(wParam);
    if (event == comEvReceive) {
        m_bReceivePending = false;
        if (m_fd < 0 || m_received.empty())
            return 0;
    }
    Fire(event);
    // The line may hold more than one event's worth: the next follows at once.
    if (event == comEvReceive && m_fd >= 0 && !m_bReceivePending)
        ReadChunk();
    return 0;
}

BOOL RaiseCommEvent(HWND control, short event) {
    return PostMessage(control, kCommEventMessage, static_cast<WPARAM>(event), 0);
}

IMPLEMENT_DYNAMIC(CMSComm, CWnd)
