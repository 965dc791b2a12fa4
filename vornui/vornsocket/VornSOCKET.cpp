#include "vornui/vornsocket/VornSOCKET.h"

#include "vornui/log/VornErr.h"
#include "vornui/log/VornTrace.h"
#include "vornui/platform/ProcessIdentity.h"
#include "vornui/platform/Sleep.h"

namespace {

constexpr char kSourceFile[] = "vornsocket/VornSOCKET";
constexpr int kDefaultAttempts = 10;
constexpr DWORD kAttemptPause = 1000;

#define SOCKET_TRACE(level, ...) VornLogAt(kSourceFile, __LINE__, level, __VA_ARGS__)
#define SOCKET_REPORT(level, call)                                                                 \
    VornErrAt(kSourceFile, __LINE__, level, g_lpszVornErrMsg[VORNMSG_UNIX_SOCKET], call)

struct SocketErrorText {
    int code;
    const char* text;
};

constexpr SocketErrorText kSocketErrorTexts[] = {
    {10004, "The (blocking) call was canceled using WSACancelBlockingCall."},
    {10013, "Attempt to connect datagram socket to broadcast address failed because setsockopt "
            "option SO_BROADCAST is not enabled. "},
    {10014, "The name or the namelen parameter is not a valid part of the user address space, "
            "the namelen parameter is too small, or the name parameter contains incorrect "
            "address format for the associated address family. "},
    {10022, "The parameter s is a listening socket, or the destination address specified is not "
            "consistent with that of the constrained group the socket belongs to. "},
    {10024, "No more file descriptors are available."},
    {10035, "The socket is marked as nonblocking and the connection cannot be completed "
            "immediately. Use select to determine the completion of the connection request by "
            "checking to see if the socket is writable. "},
    {10036, "A blocking Windows Sockets call is in progress."},
    {10037, "A nonblocking connect call is in progress on the specified socket. "},
    {10038, "The descriptor is not a socket. "},
    {10041, "The specified protocol is the wrong type for this socket."},
    {10043, "The specified protocol is not supported."},
    {10044, "The specified socket type is not supported in this address family."},
    {10047, "Addresses in the specified family cannot be used with this socket. "},
    {10048, "The specified address is already in use."},
    {10049, "The specified address is not available from the local machine. "},
    {10050, "The Windows Sockets implementation has detected that the network subsystem has "
            "failed."},
    {10051, "The network cannot be reached from this host at this time. "},
    {10055, "No buffer space is available. The socket cannot be connected. "},
    {10056, "The socket is already connected (connection-oriented sockets only). "},
    {10060, "Attempt to connect timed out without establishing a connection. "},
    {10061, "The attempt to connect was forcefully rejected. "},
    {10065, "A socket operation was attempted to an unreachable host."},
    {10093, "A successful WSAStartup must occur before using this function."},
};

struct BufferOption {
    int option;
    const char* sizeTrace;
    const char* changedTrace;
};

constexpr BufferOption kSendBuffer{SO_SNDBUF, "socket= %d Send Buffer %d",
                                   "socket= %d Send Buffer Changed to %d"};
constexpr BufferOption kReceiveBuffer{SO_RCVBUF, "socket= %d Receive Buffer %d",
                                      "socket= %d Receive Buffer Changed to %d"};

int ProcessId() {
    return static_cast<int>(GetCurrentProcessId());
}

int BufferSize(SOCKET s, const BufferOption& buffer) {
    int size = 0;
    int length = sizeof size;
    getsockopt(s, SOL_SOCKET, buffer.option, reinterpret_cast<char*>(&size), &length);
    return size;
}

// A buffer is raised to the requested size, never lowered.
void RaiseBuffer(SOCKET s, const BufferOption& buffer, int requested, int traceLevel) {
    int size = BufferSize(s, buffer);
    SOCKET_TRACE(traceLevel, buffer.sizeTrace, static_cast<int>(s), size);
    if (size >= requested)
        return;
    setsockopt(s, SOL_SOCKET, buffer.option, reinterpret_cast<const char*>(&requested),
               sizeof requested);
    size = BufferSize(s, buffer);
    SOCKET_TRACE(traceLevel, buffer.changedTrace, static_cast<int>(s), size);
}

// A socket that stays blocking still works; the failure is only reported.
void MakeNonBlocking(SOCKET s) {
    u_long nonBlocking = 1;
    if (ioctlsocket(s, FIONBIO, &nonBlocking) == SOCKET_ERROR)
        SOCKET_REPORT(VORNERR_ERROR, "fcntl - F_GETFL");
}

sockaddr_in InternetAddress(DWORD address, unsigned short port) {
    sockaddr_in result{};
    result.sin_family = AF_INET;
    result.sin_port = htons(port);
    result.sin_addr.s_addr = address;
    return result;
}

const sockaddr* AsGeneric(const sockaddr_in& address) {
    return reinterpret_cast<const sockaddr*>(&address);
}

bool HasFourthOctet(DWORD address) {
    return (address >> 24) != 0;
}

// The peer, or the loopback address when the caller named no host.
sockaddr_in PeerAddress(DWORD address, unsigned short port) {
    if (!HasFourthOctet(address)) {
        SOCKET_TRACE(1, "Using local addr INADDR_LOOPBACK 127.0.0.1");
        return InternetAddress(htonl(INADDR_LOOPBACK), port);
    }
    const sockaddr_in peer = InternetAddress(address, port);
    const auto& octets = peer.sin_addr.S_un.S_un_b;
    SOCKET_TRACE(1, "Using remote addr %d.%d.%d.%d", octets.s_b1, octets.s_b2, octets.s_b3,
                 octets.s_b4);
    return peer;
}

// The last socket error, traced from `line` with `format` (which prints its code) and as
// its text.
void TraceLastError(int line, const char* format) {
    const int error = WSAGetLastError();
    VornLogAt(kSourceFile, line, 1, format, error);
    TraceSocketError(error);
}

constexpr char kConnectFailure[] = "NTCreateSocketAndConnectToServer(): socket error %d";
constexpr char kServiceFailure[] = "NTInitSocketService() error %d";
constexpr char kDatagramFailure[] = "NTInitSocketDGRAMService(): socket error %d";

bool ConnectWithPauses(SOCKET s, const sockaddr_in& peer, int attempts) {
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (connect(s, AsGeneric(peer), sizeof peer) == 0)
            return true;
        TraceLastError(__LINE__, kConnectFailure);
        Sleep(kAttemptPause);
    }
    return false;
}

} // namespace

int InitSocketLibrary() {
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 0), &data) != 0)
        return 0;
    if (data.wVersion == MAKEWORD(2, 0))
        return 1;
    WSACleanup();
    return 0;
}

void TraceSocketError(int error) {
    for (const SocketErrorText& entry : kSocketErrorTexts)
        if (entry.code == error) {
            SOCKET_TRACE(1, "%s", entry.text);
            return;
        }
    SOCKET_TRACE(1, "An unknown socket error %d has been observed", error);
}

int CreateSocket(int type, SOCKET* socketOut, int receiveBufferSize) {
    SOCKET_TRACE(3, "CreateSocket client id=%d", ProcessId());
    *socketOut = socket(AF_INET, type, 0);
    if (*socketOut == INVALID_SOCKET) {
        SOCKET_REPORT(VORNERR_ERROR, "socket");
        return 0;
    }
    SOCKET_TRACE(3, "socket= %d", static_cast<int>(*socketOut));
    RaiseBuffer(*socketOut, kReceiveBuffer, receiveBufferSize, 3);
    return 1;
}

int CreateSocketAndConnectToServer(int type, unsigned short port, DWORD address, SOCKET* socketOut,
                                   int blocking, int attempts, int receiveBufferSize) {
    SOCKET_TRACE(3, "CreateSocketAndConnectToServer client id=%d", ProcessId());
    const SOCKET s = socket(AF_INET, type, 0);
    *socketOut = s;
    if (s == INVALID_SOCKET) {
        TraceLastError(__LINE__, kConnectFailure);
        SOCKET_REPORT(VORNERR_ERROR, "socket");
        return 0;
    }
    SOCKET_TRACE(3, "socket= %d", static_cast<int>(s));
    const sockaddr_in peer = PeerAddress(address, port);
    RaiseBuffer(s, kReceiveBuffer, receiveBufferSize, 1);
    if (!ConnectWithPauses(s, peer, attempts ? attempts : kDefaultAttempts)) {
        closesocket(s);
        *socketOut = INVALID_SOCKET;
        return 0;
    }
    if (!blocking)
        MakeNonBlocking(s);
    return 1;
}

int ConnectToServer(unsigned short port, DWORD address, SOCKET s, int blocking, int attempts) {
    const sockaddr_in peer = InternetAddress(address, port);
    // Without attempts, the address alone decides: the broadcast address counts as failed.
    int result = address == INADDR_NONE ? SOCKET_ERROR : 0;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        result = connect(s, AsGeneric(peer), sizeof peer);
        if (result == 0)
            break;
    }
    if (result == SOCKET_ERROR)
        return 0;
    if (!blocking)
        MakeNonBlocking(s);
    return 1;
}

SOCKET NTInitSocketService(int type, unsigned short port, int backlog, int blocking,
                           int bufferSize) {
    SOCKET_TRACE(3, "InitSocketService - Server id=%d", ProcessId());
    const SOCKET s = socket(AF_INET, type, 0);
    if (s == INVALID_SOCKET) {
        const int error = WSAGetLastError();
        SOCKET_TRACE(1, "NTInitSocketService() error %d: type %d", error, type);
        TraceSocketError(error);
        return 0;
    }
    RaiseBuffer(s, kSendBuffer, bufferSize, 1);
    RaiseBuffer(s, kReceiveBuffer, bufferSize, 1);
    const sockaddr_in local = InternetAddress(INADDR_ANY, port);
    if (bind(s, AsGeneric(local), sizeof local) == SOCKET_ERROR) {
        TraceLastError(__LINE__, kServiceFailure);
        closesocket(s);
        return 0;
    }
    if (listen(s, backlog) == SOCKET_ERROR) {
        TraceLastError(__LINE__, kServiceFailure);
        SOCKET_REPORT(VORNERR_FATAL, "listen");
    }
    if (!blocking)
        MakeNonBlocking(s);
    return s;
}

SOCKET NTInitSocketDGRAMService(int type, unsigned short remotePort, const BYTE* remoteAddress,
                                int sendBufferSize, unsigned short localPort) {
    SOCKET_TRACE(3, "InitSocketService - Server id=%d", ProcessId());
    const SOCKET s = socket(AF_INET, type, 0);
    if (s == INVALID_SOCKET) {
        TraceLastError(__LINE__, kDatagramFailure);
        return 0;
    }
    RaiseBuffer(s, kSendBuffer, sendBufferSize, 3);
    const BOOL broadcast = TRUE;
    setsockopt(s, SOL_SOCKET, SO_BROADCAST, reinterpret_cast<const char*>(&broadcast),
               sizeof broadcast);
    const sockaddr_in local = InternetAddress(INADDR_ANY, localPort);
    if (bind(s, AsGeneric(local), sizeof local) == SOCKET_ERROR) {
        TraceLastError(__LINE__, kDatagramFailure);
        closesocket(s);
        return 0;
    }
    sockaddr_in remote = InternetAddress(0, remotePort);
    auto& octets = remote.sin_addr.S_un.S_un_b;
    octets = {remoteAddress[0], remoteAddress[1], remoteAddress[2], remoteAddress[3]};
    if (connect(s, AsGeneric(remote), sizeof remote) == SOCKET_ERROR)
        TraceLastError(__LINE__, kDatagramFailure);
    return s;
}
