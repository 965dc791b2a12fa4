#pragma once

// The serial communications control ("MSCOMMLib.MSComm.1") and its framework wrapper
// CMSComm, over a termios serial line. The properties a program sets are those of the
// system's control; a property it refuses throws a COleDispatchException* with the
// control's error code and text, as the framework's wrappers do.
//
// Events reach the parent as WM_COMMAND with the control's id and MSCOMMN_ONCOMM, on the
// parent's thread; CommEvent says which. Received data comes at most 100 characters per
// comEvReceive (while the handler has not taken them, no more is read); the next event
// follows at once when the line holds more. Line errors and modem line changes come from
// the driver's counts (TIOCGICOUNT), read as data arrives and whenever CTS, DSR, CD or RI
// changes: while the port is open a thread of the control's own waits for such changes
// (TIOCMIWAIT) and ends when the port is closed. A pseudo-terminal has no counts and no
// modem lines (its thread ends at once), so a test raises the events with RaiseCommEvent.

#include "vornui/platform/CString.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Object.h"
#include "vornui/platform/Wnd.h"

#include <array>
#include <memory>
#include <span>
#include <string>
#include <vector>

#define MSCOMM_CLASS "MSCOMMLib.MSComm.1"

// The control's OnComm event, as the notification code of its WM_COMMAND.
#define MSCOMMN_ONCOMM 1

// CommEvent: communication events.
#define comEvSend 1
#define comEvReceive 2
#define comEvCTS 3
#define comEvDSR 4
#define comEvCD 5
#define comEvRing 6
#define comEvEOF 7
// CommEvent: errors.
#define comEventBreak 1001
#define comEventCTSTO 1002
#define comEventDSRTO 1003
#define comEventFrame 1004
#define comEventOverrun 1006
#define comEventCDTO 1007
#define comEventRxOver 1008
#define comEventRxParity 1009
#define comEventTxFull 1010

// InputMode.
#define comInputModeText 0
#define comInputModeBinary 1

// Error codes of the exceptions.
#define comInvalidPropertyValue 380
#define comPortOpen 8000
#define comPortInvalid 8002
#define comPortAlreadyOpen 8005
#define comPortNotAvailable 8010
#define comSetCommStateFailed 8015
#define comPortNotOpen 8018

// The framework's report of an error raised by a control.
class VORNUI_API COleDispatchException : public CObject {
public:
    COleDispatchException(LPCTSTR description, WORD code)
        : m_wCode(code), m_strDescription(description) {}

    // Shows the description in a message box with the exclamation icon.
    int ReportError(UINT type = MB_OK, UINT helpId = 0) const;
    // Frees the exception (they are thrown by pointer).
    void Delete() { delete this; }

    WORD m_wCode;
    CString m_strDescription;
};

class WaitingThread;

// The framework's class of the serial communications control.
class VORNUI_API CMSComm : public CWnd, private ILoopWaitSource {
    DECLARE_DYNAMIC(CMSComm)
public:
    CMSComm();
    ~CMSComm() override;

    using CWnd::Create;
    BOOL Create(LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // The port's COM number; refused while the port is open or when the machine has no
    // serial device of that number.
    void SetCommPort(short port);
    short GetCommPort() const { return m_nCommPort; }
    // "baud,parity,data bits,stop bits"; applied at once to an open port.
    void SetSettings(LPCTSTR settings);
    CString GetSettings() const { return m_strSettings; }
    void SetInputMode(long mode);
    long GetInputMode() const { return m_nInputMode; }
    // How many characters Input takes; 0: all there are.
    void SetInputLen(short length);
    short GetInputLen() const { return m_nInputLen; }
    // comEvReceive is raised when this many characters wait; 0: never.
    void SetRThreshold(short threshold);
    short GetRThreshold() const { return m_nRThreshold; }
    void SetPortOpen(BOOL open);
    BOOL GetPortOpen() const { return m_fd >= 0; }
    // Takes characters from the receive buffer (every byte, zeros included).
    CString GetInput();
    short GetInBufferCount() const { return static_cast<short>(m_received.size()); }
    // 0 empties the receive buffer.
    void SetInBufferCount(short count);
    short GetOutBufferCount() const { return 0; }
    // 0 empties the transmit buffer (which never holds anything: writes go out at once).
    void SetOutBufferCount(short count);
    // The event being handled.
    short GetCommEvent() const { return m_nCommEvent; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CollectPollFds(std::vector<pollfd>& fds) override;
    void OnPollResult(std::span<const pollfd> fds) override;
    bool ReadChunk();
    void RaiseDriverEvents();
    void Fire(short event);
    void Close();

    short m_nCommPort = 1;
    CString m_strSettings = "9600,N,8,1";
    long m_nInputMode = comInputModeText;
    short m_nInputLen = 0;
    short m_nRThreshold = 0;
    short m_nCommEvent = 0;
    int m_fd = -1;
    bool m_bWatching = false;
    bool m_bLineGone = false;
    bool m_bReceivePending = false;
    std::string m_received;
    std::array<int, 9> m_driverCounts{}; // as last read: the events since then are raised
    bool m_bDriverCounts = false;
    std::unique_ptr<WaitingThread> m_pModemLinesWatch;
};

// Raises `event` (a comEv or comEvent code) on the control `control` as its line's driver
// would; the control tells its parent on the parent's thread.
VORNUI_API BOOL RaiseCommEvent(HWND control, short event);
