#include "vornui/platform/internal/BsdSockets.h"

#include "vornui/platform/WinSockErrors.h"

#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bsd {
namespace {

constexpr int kLowestSocketDescriptor = 3;

struct OptionName {
    int level;
    int name;
};

OptionName NameOf(Option option) {
    switch (option) {
    case Option::SendBuffer:
        return {SOL_SOCKET, SO_SNDBUF};
    case Option::ReceiveBuffer:
        return {SOL_SOCKET, SO_RCVBUF};
    case Option::Broadcast:
        return {SOL_SOCKET, SO_BROADCAST};
    case Option::ReuseAddress:
        return {SOL_SOCKET, SO_REUSEADDR};
    case Option::KeepAlive:
        return {SOL_SOCKET, SO_KEEPALIVE};
    case Option::Error:
        return {SOL_SOCKET, SO_ERROR};
    case Option::Type:
        return {SOL_SOCKET, SO_TYPE};
    case Option::AcceptsConnections:
        return {SOL_SOCKET, SO_ACCEPTCONN};
    case Option::NoDelay:
        return {IPPROTO_TCP, TCP_NODELAY};
    }
    return {SOL_SOCKET, -1};
}

bool IsNonBlocking(int fd) {
    const int flags = fcntl(fd, F_GETFL);
    return flags >= 0 && (flags & O_NONBLOCK);
}

// Standard input, output and error may be closed; a socket must not take their numbers.
int AboveStandardStreams(int fd) {
    if (fd < 0 || fd >= kLowestSocketDescriptor)
        return fd;
    const int moved = fcntl(fd, F_DUPFD_CLOEXEC, kLowestSocketDescriptor);
    const int error = errno;
    close(fd);
    errno = error;
    return moved;
}

int WsaErrorOf(int error) {
    switch (error) {
    case EINTR:
        return WSAEINTR;
    case EBADF:
    case ENOTSOCK:
        return WSAENOTSOCK;
    case EACCES:
    case EPERM:
        return WSAEACCES;
    case EFAULT:
        return WSAEFAULT;
    case EINVAL:
        return WSAEINVAL;
    case EMFILE:
    case ENFILE:
        return WSAEMFILE;
    case EAGAIN:
    case EINPROGRESS: // a non-blocking connect under way
        return WSAEWOULDBLOCK;
    case EALREADY:
        return WSAEALREADY;
    case EDESTADDRREQ:
        return WSAEDESTADDRREQ;
    case EMSGSIZE:
        return WSAEMSGSIZE;
    case EPROTOTYPE:
        return WSAEPROTOTYPE;
    case ENOPROTOOPT:
        return WSAENOPROTOOPT;
    case EPROTONOSUPPORT:
        return WSAEPROTONOSUPPORT;
    case ESOCKTNOSUPPORT:
        return WSAESOCKTNOSUPPORT;
    case EOPNOTSUPP:
        return WSAEOPNOTSUPP;
    case EPFNOSUPPORT:
        return WSAEPFNOSUPPORT;
    case EAFNOSUPPORT:
        return WSAEAFNOSUPPORT;
    case EADDRINUSE:
        return WSAEADDRINUSE;
    case EADDRNOTAVAIL:
        return WSAEADDRNOTAVAIL;
    case ENETDOWN:
        return WSAENETDOWN;
    case ENETUNREACH:
        return WSAENETUNREACH;
    case ENETRESET:
        return WSAENETRESET;
    case ECONNABORTED:
        return WSAECONNABORTED;
    case ECONNRESET:
    case EPIPE: // writing to a connection the peer has closed
        return WSAECONNRESET;
    case ENOBUFS:
    case ENOMEM:
        return WSAENOBUFS;
    case EISCONN:
        return WSAEISCONN;
    case ENOTCONN:
        return WSAENOTCONN;
    case ESHUTDOWN:
        return WSAESHUTDOWN;
    case ETOOMANYREFS:
        return WSAETOOMANYREFS;
    case ETIMEDOUT:
        return WSAETIMEDOUT;
    case ECONNREFUSED:
        return WSAECONNREFUSED;
    case ELOOP:
        return WSAELOOP;
    case ENAMETOOLONG:
        return WSAENAMETOOLONG;
    case EHOSTDOWN:
        return WSAEHOSTDOWN;
    case EHOSTUNREACH:
        return WSAEHOSTUNREACH;
    default:
        return WSAEINVAL;
    }
}

} // namespace

int Socket(int family, int type, int protocol) {
    return AboveStandardStreams(socket(family, type | SOCK_CLOEXEC, protocol));
}

int Bind(int fd, const void* address, int length) {
    return bind(fd, static_cast<const sockaddr*>(address), static_cast<socklen_t>(length));
}

int Listen(int fd, int backlog) {
    return listen(fd, backlog);
}

int Connect(int fd, const void* address, int length) {
    return connect(fd, static_cast<const sockaddr*>(address), static_cast<socklen_t>(length));
}

int Accept(int fd, void* address, int* length) {
    socklen_t size = length ? static_cast<socklen_t>(*length) : 0;
    const int flags = SOCK_CLOEXEC | (IsNonBlocking(fd) ? SOCK_NONBLOCK : 0);
    const int accepted =
        accept4(fd, static_cast<sockaddr*>(address), length ? &size : nullptr, flags);
    if (accepted >= 0 && length)
        *length = static_cast<int>(size);
    return AboveStandardStreams(accepted);
}

long Send(int fd, const void* data, std::size_t length, int flags) {
    return send(fd, data, length, flags | MSG_NOSIGNAL);
}

long Receive(int fd, void* data, std::size_t length, int flags) {
    return recv(fd, data, length, flags);
}

long SendTo(int fd, const void* data, std::size_t length, int flags, const void* address,
            int addressLength) {
    return sendto(fd, data, length, flags | MSG_NOSIGNAL, static_cast<const sockaddr*>(address),
                  static_cast<socklen_t>(addressLength));
}

long ReceiveFrom(int fd, void* data, std::size_t length, int flags, void* address,
                 int* addressLength) {
    socklen_t size = addressLength ? static_cast<socklen_t>(*addressLength) : 0;
    const long received = recvfrom(fd, data, length, flags, static_cast<sockaddr*>(address),
                                   addressLength ? &size : nullptr);
    if (received >= 0 && addressLength)
        *addressLength = static_cast<int>(size);
    return received;
}

int LocalAddress(int fd, void* address, int* length) {
    socklen_t size = static_cast<socklen_t>(*length);
    const int result = getsockname(fd, static_cast<sockaddr*>(address), &size);
    if (result == 0)
        *length = static_cast<int>(size);
    return result;
}

int Shutdown(int fd, int how) {
    return shutdown(fd, how);
}

int Close(int fd) {
    struct stat status {};
    if (fstat(fd, &status) != 0)
        return -1;
    if (!S_ISSOCK(status.st_mode)) {
        errno = ENOTSOCK;
        return -1;
    }
    return close(fd);
}

int SetOption(int fd, Option option, const void* value, int length) {
    const OptionName name = NameOf(option);
    return setsockopt(fd, name.level, name.name, value, static_cast<socklen_t>(length));
}

int GetOption(int fd, Option option, void* value, int* length) {
    const OptionName name = NameOf(option);
    socklen_t size = static_cast<socklen_t>(*length);
    const int result = getsockopt(fd, name.level, name.name, value, &size);
    if (result != 0)
        return result;
    *length = static_cast<int>(size);
    if (option == Option::Error && size == sizeof(int)) {
        int* pending = static_cast<int*>(value);
        *pending = *pending ? WsaErrorOf(*pending) : 0;
    }
    return 0;
}

int SetNonBlocking(int fd, bool nonBlocking) {
    const int flags = fcntl(fd, F_GETFL);
    if (flags < 0)
        return -1;
    return fcntl(fd, F_SETFL, nonBlocking ? flags | O_NONBLOCK : flags & ~O_NONBLOCK);
}

int BytesReadable(int fd, int* count) {
    return ioctl(fd, FIONREAD, count);
}

int LastWsaError() {
    return WsaErrorOf(errno);
}

} // namespace bsd
