#include "vornui/vornsocket/SocketClient.h"

#include "vornui/log/VornErr.h"
#include "vornui/log/VornTrace.h"
#include "vornui/platform/CTime.h"
#include "vornui/platform/DialogManager.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/vornsocket/VornSOCKET.h"

#include <cstring>
#include <ctime>

namespace {

constexpr const char* kSource = "vornsocket/SocketClient";
constexpr const char* kWindowClass = "CSocketClient";
constexpr long kNotifiedEvents = FD_READ | FD_CLOSE;

#define CLIENT_TRACE(...) VornLogAt(kSource, __LINE__, 1, __VA_ARGS__)

LPCTSTR ClientWindowClass() {
    static const LPCTSTR name = [] {
        WNDCLASS windowClass{};
        windowClass.lpfnWndProc = DefWindowProc;
        windowClass.lpszClassName = kWindowClass;
        RegisterClass(&windowClass);
        return kWindowClass;
    }();
    return name;
}

const char* LastErrorText(int error) {
    switch (error) {
    case 183:
        return "Socket failure: cannot create a file when that file already exists!?";
    case WSAEINTR:
        return " The (blocking) call was canceled using WSACancelBlockingCall.";
    case WSAEFAULT:
        return " The namelen argument is incorrect.";
    case WSAEINVAL:
        return " The socket is not already bound to an address.";
    case WSAEMFILE:
        return " No more file descriptors are available.";
    case WSAEWOULDBLOCK:
        return " The socket is marked as nonblocking and the connection cannot be completed "
               "immediately. It is possible to select the socket while it is connecting by "
               "selecting it for writing.";
    case WSAEINPROGRESS:
        return " A blocking Windows Sockets call is in progress.";
    case WSAENOTSOCK:
        return " The descriptor is not a socket.";
    case WSAEAFNOSUPPORT:
        return " Addresses in the specified family cannot be used with this socket.";
    case WSAEADDRINUSE:
        return " The specified address is already in use.";
    case WSAEADDRNOTAVAIL:
        return " The specified address is not available from the local computer.";
    case WSAENETDOWN:
        return " The Windows Sockets implementation has detected that the network subsystem has "
               "failed.";
    case WSAENETUNREACH:
        return " The network can't be reached from this host at this time.";
    case WSAECONNABORTED:
        return " The connection was aborted.";
    case WSAECONNRESET:
        return " Connection reset by peer.";
    case WSAENOBUFS:
        return " No buffer space is available. The socket cannot be connected.";
    case WSAEISCONN:
        return " The socket is already connected.";
    case WSAETIMEDOUT:
        return " Attempt to connect timed out without establishing a connection.";
    case WSAECONNREFUSED:
        return " The attempt to connect was forcefully rejected.";
    case WSANOTINITIALISED:
        return " A successful WSAStartup must occur before using this function.";
    default:
        return nullptr;
    }
}

} // namespace

IMPLEMENT_DYNAMIC(CSocketClient, CWnd)

CSocketClient::CSocketClient(bool buffering) : m_bBuffering(buffering) {
    const BYTE loopback[4] = {127, 0, 0, 1};
    std::memcpy(&m_dwAddress, loopback, sizeof m_dwAddress);
}

CSocketClient::~CSocketClient() {
    if (m_hWnd)
        DestroyWindow();
}

BOOL CSocketClient::CreateClientWindow(CWnd* owner, LPCTSTR caption) {
    CRect rect;
    owner->GetWindowRect(&rect);
    return Create(ClientWindowClass(), caption, WS_CHILD, rect, owner, SOCKET_CLIENT_CONTROL_ID);
}

int CSocketClient::OnCreate(LPCREATESTRUCT create) {
    m_bLibraryStarted = InitSocketLibrary() == 1;
    return CWnd::OnCreate(create);
}

void CSocketClient::OnDestroy() {
    CloseConnection();
    if (m_bLibraryStarted)
        WSACleanup();
    m_bLibraryStarted = false;
    CWnd::OnDestroy();
}

void CSocketClient::SetCallback(SocketClientCallback callback, void* userData) {
    m_pCallback = callback;
    m_pUserData = userData;
}

void CSocketClient::SetPacketLength(int length) {
    if (length > MAX_BUFFER_SIZE) {
        VornErrAt(kSource, __LINE__, VORNERR_ERROR,
                  "SetPacketLength %d bigger than MAX_BUFFER_SIZE %d", length, MAX_BUFFER_SIZE);
        length = MAX_BUFFER_SIZE;
    }
    m_nPacketLength = length;
}

int CSocketClient::RegisterForNotifications() {
    return WSAAsyncSelect(static_cast<SOCKET>(m_nSocket), m_hWnd, SOCKET_CLIENT_MESSAGE,
                          kNotifiedEvents);
}

int CSocketClient::EstablishConnection(const BYTE* address, int port, int receiveBufferSize,
                                       int attempts) {
    CloseConnection();
    std::memcpy(&m_dwAddress, address, sizeof m_dwAddress);
    m_nPort = port;
    SOCKET connected = 0;
    if (!CreateSocketAndConnectToServer(SOCK_STREAM, static_cast<unsigned short>(port), m_dwAddress,
                                        &connected, 0, attempts, receiveBufferSize)) {
        CLIENT_TRACE("CSocketClient::EstablishConnection() failed!? socket:%d", m_nSocket);
        m_nSocket = 0;
        return 0;
    }
    m_nSocket = static_cast<int>(connected);
    if (RegisterForNotifications() != 0) {
        CLIENT_TRACE("CSocketClient::EstablishConnection() failed!? socket:%d", m_nSocket);
        ForgetSocket();
        TraceLastSocketError();
        return 0;
    }
    return 1;
}

int CSocketClient::EstablishUDPConnection(const BYTE* address, int port, int /*size*/) {
    std::memcpy(&m_dwAddress, address, sizeof m_dwAddress);
    m_nPort = port;
    m_nSocket = static_cast<int>(socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP));
    const int reuse = 1;
    const int option = setsockopt(static_cast<SOCKET>(m_nSocket), SOL_SOCKET, SO_REUSEADDR,
                                  reinterpret_cast<const char*>(&reuse), sizeof reuse);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(static_cast<u_short>(port));
    local.sin_addr.s_addr = INADDR_ANY;
    const int bound = bind(static_cast<SOCKET>(m_nSocket),
                           reinterpret_cast<const sockaddr*>(&local), sizeof local);
    CLIENT_TRACE("Create and connect %d -> socket %d opt %d", bound, m_nSocket, option);
    if (RegisterForNotifications() != 0) {
        ForgetSocket();
        TraceLastSocketError();
        return 0;
    }
    return 1;
}

int CSocketClient::Send(const char* data, int length) {
    if (!IsConnected())
        return 1;
    if (send(static_cast<SOCKET>(m_nSocket), data, length, 0) == SOCKET_ERROR) {
        CLIENT_TRACE("SEND FAIL on socket:%d bytes:%d", m_nSocket, length);
        TraceLastSocketError();
        return 0;
    }
    return 1;
}

void CSocketClient::CloseConnection() {
    if (!m_nSocket)
        return;
    const SOCKET s = static_cast<SOCKET>(m_nSocket);
    CLIENT_TRACE("CloseConnection(): closing socket %d", m_nSocket);
    shutdown(s, SD_BOTH);
    while (recv(s, m_RecvBuffer, m_nPacketLength, 0) > 0) {
    }
    if (closesocket(s) != 0)
        TraceLastSocketError();
    CLIENT_TRACE("CloseConnection(): closed %d", m_nSocket);
    m_nSocket = 0;
}

// A socket that the connection's end left behind is released without the closing ritual:
// there is nothing left to drain or trace.
void CSocketClient::ForgetSocket() {
    if (m_nSocket > 0) {
        const int error = WSAGetLastError();
        closesocket(static_cast<SOCKET>(m_nSocket));
        WSASetLastError(error);
    }
    m_nSocket = 0;
}

int CSocketClient::TraceLastSocketError() {
    const int error = WSAGetLastError();
    if (const char* text = LastErrorText(error))
        CLIENT_TRACE("%s", text);
    else
        CLIENT_TRACE(" The socket connection has failed due to a not known error - %d.", error);
    std::tm utc{};
    CTime::GetCurrentTime().GetGmtTm(&utc);
    CLIENT_TRACE("ERR %d %02d:%02d:%02d", error, utc.tm_hour, utc.tm_min, utc.tm_sec);
    return error;
}

void CSocketClient::PumpMessages() {
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!IsDialogMessage(m_hWnd, &msg)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
    }
}

LRESULT CSocketClient::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != SOCKET_CLIENT_MESSAGE)
        return CWnd::WindowProc(message, wParam, lParam);
    return OnSocketNotification(static_cast<SOCKET>(wParam), WSAGETSELECTEVENT(lParam),
                                WSAGETSELECTERROR(lParam));
}

LRESULT CSocketClient::OnSocketNotification(SOCKET s, int event, int error) {
    if (error)
        return OnSocketError(s, error);
    switch (event) {
    case FD_CLOSE:
        NotifyClosed();
        CloseConnection();
        return 1;
    case FD_READ:
        return OnDataToRead();
    default: {
        CString caption;
        caption.Format("Socket event error: %d", event);
        CString text;
        text.Format("Unknown socket event???   Server/connected-socket: %d/%d", m_nPort,
                    static_cast<int>(s));
        MessageBox(m_hWnd, text, caption, MB_OK | MB_ICONEXCLAMATION);
        return 1;
    }
    }
}

LRESULT CSocketClient::OnSocketError(SOCKET s, int error) {
    ForgetSocket();
    m_nBuffered = 0;
    if (error == WSAECONNABORTED || error == WSAECONNRESET) {
        NotifyClosed();
        CloseConnection();
        return 1;
    }
    CString caption;
    caption.Format("Socket error: %d", error);
    CString text;
    text.Format("Server/connected-socket: %d/%d", m_nPort, static_cast<int>(s));
    MessageBox(m_hWnd, text, caption, MB_OK | MB_ICONEXCLAMATION);
    return TraceLastSocketError();
}

// Without a usable packet length nothing can be framed, but the data is still read, so
// that the socket does not stay readable for ever and a close can follow it.
LRESULT CSocketClient::OnDataToRead() {
    const bool framing = m_nPacketLength > 0;
    const int count = recv(static_cast<SOCKET>(m_nSocket), m_RecvBuffer,
                           framing ? m_nPacketLength : MAX_BUFFER_SIZE, 0);
    if (count == SOCKET_ERROR) {
        CLIENT_TRACE("READ FAIL");
        return TraceLastSocketError();
    }
    if (framing)
        Frame(count);
    else
        ReportUnframedData();
    return 1;
}

void CSocketClient::ReportUnframedData() {
    if (m_bReportedUnframedData)
        return;
    m_bReportedUnframedData = true;
    VornErrAt(kSource, __LINE__, VORNERR_ERROR,
              "Data on port %d discarded: packet length %d, call SetPacketLength first", m_nPort,
              m_nPacketLength);
}

void CSocketClient::Frame(int count) {
    if (!m_bBuffering || count >= m_nPacketLength) {
        Deliver(m_RecvBuffer, count);
        return;
    }
    const int buffered = m_nBuffered;
    if (buffered + count > m_nPacketLength) {
        CLIENT_TRACE("Packet skipped (%d bytes), but new packet is buffered up (%d bytes)!",
                     buffered, count);
        std::memcpy(m_PacketBuffer, m_RecvBuffer, static_cast<size_t>(count));
        m_nBuffered = count;
        return;
    }
    std::memcpy(m_PacketBuffer + buffered, m_RecvBuffer, static_cast<size_t>(count));
    if (buffered + count == m_nPacketLength) {
        CLIENT_TRACE("Buffered message packet generated! - size: %d+%d=%d bytes", buffered, count,
                     buffered + count);
        Deliver(m_PacketBuffer, buffered + count);
        return;
    }
    CLIENT_TRACE("Packet buffered up (%d bytes)! Total was %d", count, buffered);
    m_nBuffered = buffered + count;
}

void CSocketClient::Deliver(const char* data, int length) {
    if (m_pCallback)
        m_pCallback(static_cast<unsigned short>(m_nPort), static_cast<unsigned short>(length), data,
                    m_pUserData);
    m_nBuffered = 0;
}

void CSocketClient::NotifyClosed() {
    if (m_pCallback)
        m_pCallback(static_cast<unsigned short>(m_nPort), 0, nullptr, m_pUserData);
}
