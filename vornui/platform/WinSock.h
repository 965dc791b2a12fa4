#pragma once

// Windows Sockets 2 over the system's BSD sockets: the same names, types, option and
// flag values and error codes (WSAGetLastError, which is the thread's last error). A
// SOCKET is never 0. Files that include this header cannot include the system's socket
// headers, whose functions have the same names. When one of those came first, the check
// below says so; when they come after this header, they fail on its names themselves.

#include "vornui/platform/Export.h"
#include "vornui/platform/WinSockErrors.h"
#include "vornui/platform/WinTypes.h"

// Declared either way, so that the headers built on this one add nothing to the error.
using SOCKET = UINT_PTR;

#if defined(_SYS_SOCKET_H) || defined(_NETINET_IN_H) || defined(_ARPA_INET_H) || defined(_NETDB_H)
#error "vornui: the Windows socket API (vornui/platform/WinSock.h, vornui/vornsockets.h, \
vornui/vornsocket/*.h) cannot share a file with the system's socket headers \
(<sys/socket.h>, <netinet/in.h>, <arpa/inet.h>, <netdb.h>): include them in separate files"
#else

#include <sys/types.h> // u_char, u_short, u_int and u_long, which the system names already

#define INVALID_SOCKET (static_cast<SOCKET>(~0))
#define SOCKET_ERROR (-1)

#define AF_UNSPEC 0
#define AF_INET 2
#define PF_INET AF_INET
#define SOCK_STREAM 1
#define SOCK_DGRAM 2
#define IPPROTO_IP 0
#define IPPROTO_TCP 6
#define IPPROTO_UDP 17

#define INADDR_ANY static_cast<ULONG>(0x00000000)
#define INADDR_LOOPBACK 0x7f000001
#define INADDR_BROADCAST static_cast<ULONG>(0xffffffff)
#define INADDR_NONE 0xffffffff

#define SOL_SOCKET 0xffff
#define SO_ACCEPTCONN 0x0002
#define SO_REUSEADDR 0x0004
#define SO_KEEPALIVE 0x0008
#define SO_BROADCAST 0x0020
#define SO_SNDBUF 0x1001
#define SO_RCVBUF 0x1002
#define SO_ERROR 0x1007
#define SO_TYPE 0x1008
#define TCP_NODELAY 0x0001

#define MSG_OOB 0x1
#define MSG_PEEK 0x2

#define SD_RECEIVE 0x00
#define SD_SEND 0x01
#define SD_BOTH 0x02

#define FIONREAD static_cast<LONG>(0x4004667F)
#define FIONBIO static_cast<LONG>(0x8004667E)

struct in_addr {
    union {
        struct {
            u_char s_b1, s_b2, s_b3, s_b4;
        } S_un_b;
        struct {
            u_short s_w1, s_w2;
        } S_un_w;
        ULONG S_addr;
    } S_un;
};
#define s_addr S_un.S_addr

struct sockaddr {
    u_short sa_family;
    char sa_data[14];
};

struct sockaddr_in {
    short sin_family;
    u_short sin_port;
    in_addr sin_addr;
    char sin_zero[8];
};

using SOCKADDR = sockaddr;
using SOCKADDR_IN = sockaddr_in;
using IN_ADDR = in_addr;

#define WSADESCRIPTION_LEN 256
#define WSASYS_STATUS_LEN 128

struct WSADATA {
    WORD wVersion;
    WORD wHighVersion;
    unsigned short iMaxSockets;
    unsigned short iMaxUdpDg;
    char* lpVendorInfo;
    char szDescription[WSADESCRIPTION_LEN + 1];
    char szSystemStatus[WSASYS_STATUS_LEN + 1];
};
using LPWSADATA = WSADATA*;

// Starts the socket library for the caller (versions 1.0 to 2.2; the highest is 2.2).
// Every other call fails with WSANOTINITIALISED until a start, and after the last cleanup.
VORNUI_API int WSAStartup(WORD versionRequested, LPWSADATA data);
VORNUI_API int WSACleanup();
VORNUI_API int WSAGetLastError();
VORNUI_API void WSASetLastError(int error);

VORNUI_API SOCKET socket(int af, int type, int protocol);
VORNUI_API int bind(SOCKET s, const sockaddr* name, int namelen);
VORNUI_API int listen(SOCKET s, int backlog);
VORNUI_API int connect(SOCKET s, const sockaddr* name, int namelen);
// The accepted socket is non-blocking when `s` is.
VORNUI_API SOCKET accept(SOCKET s, sockaddr* addr, int* addrlen);
VORNUI_API int send(SOCKET s, const char* buf, int len, int flags);
VORNUI_API int recv(SOCKET s, char* buf, int len, int flags);
VORNUI_API int sendto(SOCKET s, const char* buf, int len, int flags, const sockaddr* to, int tolen);
VORNUI_API int recvfrom(SOCKET s, char* buf, int len, int flags, sockaddr* from, int* fromlen);
VORNUI_API int getsockname(SOCKET s, sockaddr* name, int* namelen);
VORNUI_API int shutdown(SOCKET s, int how);
VORNUI_API int closesocket(SOCKET s);
VORNUI_API int setsockopt(SOCKET s, int level, int optname, const char* optval, int optlen);
VORNUI_API int getsockopt(SOCKET s, int level, int optname, char* optval, int* optlen);
// FIONBIO switches non-blocking mode; FIONREAD tells how many bytes can be read at once.
VORNUI_API int ioctlsocket(SOCKET s, LONG cmd, u_long* argp);

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "network order is swapped order here");
inline u_short htons(u_short value) {
    return static_cast<u_short>((value << 8) | (value >> 8));
}
inline u_short ntohs(u_short value) {
    return htons(value);
}
inline ULONG htonl(ULONG value) {
    return __builtin_bswap32(value);
}
inline ULONG ntohl(ULONG value) {
    return htonl(value);
}

#endif
