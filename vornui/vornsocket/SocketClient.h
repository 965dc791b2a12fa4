#pragma once

// A receiver of one TCP server or one UDP port without a thread of its own: a hidden child
// window to which the message loop posts a notification whenever the socket has data or
// was closed. Each read goes to the owner's callback as it arrives or, with packet
// buffering, gathered into packets of the packet length:
//
//     CSocketClient client(true);
//     client.CreateClientWindow(&dialog, "VEROVAR Communication");
//     client.SetCallback(OnData, &dialog);
//     client.SetPacketLength(10);
//     const BYTE server[4] = {127, 0, 0, 1};
//     if (!client.EstablishConnection(server, 4001, 65536, 3))
//         ...
//
// The callback runs on the window's thread, from its message handling. A close notice is a
// call with length 0 and no data. Until a packet length above 0 is set, data that arrives
// is read and discarded, and reported once to the error log.

#include "vornui/platform/AsyncSelect.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/Wnd.h"

#define MAX_BUFFER_SIZE 32768           // the largest packet length
#define SOCKET_CLIENT_MESSAGE 4747      // the socket notification message of the client window
#define SOCKET_CLIENT_CONTROL_ID 133337 // the client window's control id

// Receives the bytes of one read or packet, or the close notice (length 0, no data).
using SocketClientCallback = void (*)(unsigned short port, unsigned short length, const char* data,
                                      void* userData);

// The receiver itself: a hidden child window that reads its socket when notified.
class VORNUI_API CSocketClient : public CWnd {
    DECLARE_DYNAMIC(CSocketClient)

public:
    // With `buffering`, reads are gathered into packets of the packet length.
    explicit CSocketClient(bool buffering);
    // Destroys the window, which closes the connection.
    ~CSocketClient() override;

    // Creates the hidden child window over `owner`'s rectangle; `caption` names the use.
    BOOL CreateClientWindow(CWnd* owner, LPCTSTR caption);

    // The function that gets the bytes, and what it gets with them.
    void SetCallback(SocketClientCallback callback, void* userData);
    // The most bytes one read takes, and the size of a buffered packet (at most
    // MAX_BUFFER_SIZE). It starts at 0: set it before connecting.
    void SetPacketLength(int length);

    // Connects to the TCP server at `address` (four octets, first to last) and `port`.
    int EstablishConnection(const BYTE* address, int port, int receiveBufferSize, int attempts);
    // Receives the datagrams that reach local `port`; `size` is not used.
    int EstablishUDPConnection(const BYTE* address, int port, int size);
    // Whether the client has a socket.
    bool IsConnected() const { return m_nSocket > 0; }
    // Sends the bytes once (1 without a connection); 0 when sending failed.
    virtual int Send(const char* data, int length);
    // Shuts the socket down, reads what is left and closes it.
    void CloseConnection();

    // Traces the text of the last socket error and the time; returns the error code.
    int TraceLastSocketError();
    // Dispatches every waiting message of the thread, offering this window dialog
    // navigation first.
    void PumpMessages();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    // Starts the socket library for the window's lifetime.
    int OnCreate(LPCREATESTRUCT create) override;
    // Closes the connection and ends the socket library.
    void OnDestroy() override;

private:
    LRESULT OnSocketNotification(SOCKET s, int event, int error);
    LRESULT OnSocketError(SOCKET s, int error);
    LRESULT OnDataToRead();
    void ReportUnframedData();
    void Frame(int count);
    void Deliver(const char* data, int length);
    void NotifyClosed();
    int RegisterForNotifications();
    void ForgetSocket();

    int m_nPort = 0;
    int m_nSocket = 0;
    DWORD m_dwAddress;
    int m_nPacketLength = 0;
    char m_RecvBuffer[65536];
    char m_PacketBuffer[65536];
    const bool m_bBuffering;
    int m_nBuffered = 0;
    SocketClientCallback m_pCallback = nullptr;
    void* m_pUserData = nullptr;
    bool m_bLibraryStarted = false;
    bool m_bReportedUnframedData = false;
};
