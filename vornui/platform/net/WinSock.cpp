#include "vornui/platform/WinSock.h"

#include "vornui/platform/LastError.h"
#include "vornui/platform/internal/AsyncSelectHooks.h"
#include "vornui/platform/internal/BsdSockets.h"

#include <atomic>
#include <climits>
#include <cstring>
#include <optional>

namespace {

constexpr WORD kHighestVersion = MAKEWORD(2, 2);

std::atomic<int> g_startups{0};

int Fail() {
    WSASetLastError(bsd::LastWsaError());
    return SOCKET_ERROR;
}

int FailWith(int error) {
    WSASetLastError(error);
    return SOCKET_ERROR;
}

// The descriptor behind a socket handle, or -1 (with the error set) when the library is
// not started or the handle cannot be a socket.
int Descriptor(SOCKET s) {
    if (g_startups.load() <= 0)
        return FailWith(WSANOTINITIALISED);
    if (s == 0 || s > static_cast<SOCKET>(INT_MAX))
        return FailWith(WSAENOTSOCK);
    return static_cast<int>(s);
}

int FromResult(long result) {
    return result < 0 ? Fail() : static_cast<int>(result);
}

std::optional<bsd::Option> OptionOf(int level, int optname) {
    if (level == IPPROTO_TCP && optname == TCP_NODELAY)
        return bsd::Option::NoDelay;
    if (level != SOL_SOCKET)
        return std::nullopt;
    switch (optname) {
    case SO_SNDBUF:
        return bsd::Option::SendBuffer;
    case SO_RCVBUF:
        return bsd::Option::ReceiveBuffer;
    case SO_BROADCAST:
        return bsd::Option::Broadcast;
    case SO_REUSEADDR:
        return bsd::Option::ReuseAddress;
    case SO_KEEPALIVE:
        return bsd::Option::KeepAlive;
    case SO_ERROR:
        return bsd::Option::Error;
    case SO_TYPE:
        return bsd::Option::Type;
    case SO_ACCEPTCONN:
        return bsd::Option::AcceptsConnections;
    default:
        return std::nullopt;
    }
}

bool IsBelowVersion(WORD version, WORD floor) {
    return LOBYTE(version) < LOBYTE(floor) ||
           (LOBYTE(version) == LOBYTE(floor) && HIBYTE(version) < HIBYTE(floor));
}

} // namespace

int WSAStartup(WORD versionRequested, LPWSADATA data) {
    if (!data)
        return WSAEFAULT;
    if (IsBelowVersion(versionRequested, MAKEWORD(1, 0)))
        return WSAVERNOTSUPPORTED;
    std::memset(data, 0, sizeof *data);
    data->wVersion =
        IsBelowVersion(versionRequested, kHighestVersion) ? versionRequested : kHighestVersion;
    data->wHighVersion = kHighestVersion;
    std::strcpy(data->szDescription, "WinSock 2.0");
    std::strcpy(data->szSystemStatus, "Running");
    ++g_startups;
    return 0;
}

int WSACleanup() {
    int count = g_startups.load();
    while (count > 0 && !g_startups.compare_exchange_weak(count, count - 1)) {
    }
    return count > 0 ? 0 : FailWith(WSANOTINITIALISED);
}

int WSAGetLastError() {
    return static_cast<int>(GetLastError());
}

void WSASetLastError(int error) {
    SetLastError(static_cast<DWORD>(error));
}

SOCKET socket(int af, int type, int protocol) {
    if (g_startups.load() <= 0) {
        FailWith(WSANOTINITIALISED);
        return INVALID_SOCKET;
    }
    const int fd = bsd::Socket(af, type, protocol);
    if (fd < 0) {
        Fail();
        return INVALID_SOCKET;
    }
    return static_cast<SOCKET>(fd);
}

int bind(SOCKET s, const sockaddr* name, int namelen) {
    const int fd = Descriptor(s);
    return fd < 0 ? SOCKET_ERROR : FromResult(bsd::Bind(fd, name, namelen));
}

int listen(SOCKET s, int backlog) {
    const int fd = Descriptor(s);
    if (fd < 0)
        return SOCKET_ERROR;
    const int result = FromResult(bsd::Listen(fd, backlog));
    if (result == 0)
        AsyncSelectRestart(s, FD_ACCEPT);
    return result;
}

int connect(SOCKET s, const sockaddr* name, int namelen) {
    const int fd = Descriptor(s);
    if (fd < 0)
        return SOCKET_ERROR;
    const int result = FromResult(bsd::Connect(fd, name, namelen));
    if (result == 0 || WSAGetLastError() == WSAEWOULDBLOCK)
        AsyncSelectRestart(s, FD_CONNECT);
    return result;
}

SOCKET accept(SOCKET s, sockaddr* addr, int* addrlen) {
    const int fd = Descriptor(s);
    if (fd < 0)
        return INVALID_SOCKET;
    const int accepted = bsd::Accept(fd, addr, addrlen);
    AsyncSelectReenable(s, FD_ACCEPT);
    if (accepted < 0) {
        Fail();
        return INVALID_SOCKET;
    }
    return static_cast<SOCKET>(accepted);
}

int send(SOCKET s, const char* buf, int len, int flags) {
    const int fd = Descriptor(s);
    if (fd < 0)
        return SOCKET_ERROR;
    if (len < 0)
        return FailWith(WSAEFAULT);
    const int result = FromResult(bsd::Send(fd, buf, static_cast<size_t>(len), flags));
    if (result < 0 && WSAGetLastError() == WSAEWOULDBLOCK)
        AsyncSelectReenable(s, FD_WRITE);
    return result;
}

int recv(SOCKET s, char* buf, int len, int flags) {
    const int fd = Descriptor(s);
    if (fd < 0)
        return SOCKET_ERROR;
    if (len < 0)
        return FailWith(WSAEFAULT);
    const int result = FromResult(bsd::Receive(fd, buf, static_cast<size_t>(len), flags));
    AsyncSelectReadDone(s);
    return result;
}

int sendto(SOCKET s, const char* buf, int len, int flags, const sockaddr* to, int tolen) {
    const int fd = Descriptor(s);
    if (fd < 0)
        return SOCKET_ERROR;
    if (len < 0)
        return FailWith(WSAEFAULT);
    return FromResult(bsd::SendTo(fd, buf, static_cast<size_t>(len), flags, to, tolen));
}

int recvfrom(SOCKET s, char* buf, int len, int flags, sockaddr* from, int* fromlen) {
    const int fd = Descriptor(s);
    if (fd < 0)
        return SOCKET_ERROR;
    if (len < 0)
        return FailWith(WSAEFAULT);
    const int result =
        FromResult(bsd::ReceiveFrom(fd, buf, static_cast<size_t>(len), flags, from, fromlen));
    AsyncSelectReadDone(s);
    return result;
}

int getsockname(SOCKET s, sockaddr* name, int* namelen) {
    const int fd = Descriptor(s);
    if (fd < 0)
        return SOCKET_ERROR;
    if (!name || !namelen)
        return FailWith(WSAEFAULT);
    return FromResult(bsd::LocalAddress(fd, name, namelen));
}

int shutdown(SOCKET s, int how) {
    const int fd = Descriptor(s);
    return fd < 0 ? SOCKET_ERROR : FromResult(bsd::Shutdown(fd, how));
}

int closesocket(SOCKET s) {
    const int fd = Descriptor(s);
    if (fd < 0)
        return SOCKET_ERROR;
    AsyncSelectForget(s);
    return FromResult(bsd::Close(fd));
}

int setsockopt(SOCKET s, int level, int optname, const char* optval, int optlen) {
    const int fd = Descriptor(s);
    if (fd < 0)
        return SOCKET_ERROR;
    const std::optional<bsd::Option> option = OptionOf(level, optname);
    if (!option)
        return FailWith(WSAENOPROTOOPT);
    if (!optval || optlen < static_cast<int>(sizeof(int)))
        return FailWith(WSAEFAULT);
    return FromResult(bsd::SetOption(fd, *option, optval, static_cast<int>(sizeof(int))));
}

int getsockopt(SOCKET s, int level, int optname, char* optval, int* optlen) {
    const int fd = Descriptor(s);
    if (fd < 0)
        return SOCKET_ERROR;
    const std::optional<bsd::Option> option = OptionOf(level, optname);
    if (!option)
        return FailWith(WSAENOPROTOOPT);
    if (!optval || !optlen || *optlen < static_cast<int>(sizeof(int)))
        return FailWith(WSAEFAULT);
    return FromResult(bsd::GetOption(fd, *option, optval, optlen));
}

int ioctlsocket(SOCKET s, LONG cmd, u_long* argp) {
    const int fd = Descriptor(s);
    if (fd < 0)
        return SOCKET_ERROR;
    if (!argp)
        return FailWith(WSAEFAULT);
    if (cmd == FIONBIO)
        return FromResult(bsd::SetNonBlocking(fd, *argp != 0));
    if (cmd != FIONREAD)
        return FailWith(WSAEINVAL);
    int available = 0;
    if (bsd::BytesReadable(fd, &available) < 0)
        return Fail();
    *argp = static_cast<u_long>(available);
    return 0;
}
