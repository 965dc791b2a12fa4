#pragma once

// Sockets made the suite's way: buffers raised to a requested minimum, optional
// non-blocking mode, a bounded number of connection attempts, the loopback address as the
// default peer, and every failure written to the trace with a readable text.
//
// Addresses passed as a 32-bit integer hold the octets in memory order, the first octet in
// the lowest byte (as in sockaddr_in's s_addr); 127.0.0.1 is 0x0100007F. A socket result of
// 0 means no socket.

#include "vornui/platform/Export.h"
#include "vornui/platform/WinSock.h"
#include "vornui/platform/WinTypes.h"

// Starts the socket library; 1 only when it grants version 2.0 exactly (else it is
// released again and the result is 0). Each success is ended with WSACleanup.
VORNUI_API int InitSocketLibrary();

// Writes the text of a socket error code to the trace (level 1).
VORNUI_API void TraceSocketError(int error);

// Creates a socket of `type` (SOCK_STREAM or SOCK_DGRAM) with a receive buffer of at least
// `receiveBufferSize` bytes. 1 on success.
VORNUI_API int CreateSocket(int type, SOCKET* socketOut, int receiveBufferSize);

// Creates a socket and connects it to `address` (127.0.0.1 when its fourth octet is 0) at
// `port`, trying `attempts` times (10 when 0) one second apart. Unless `blocking` is set
// the connected socket is non-blocking. 1 when connected; otherwise 0, with the socket
// closed and INVALID_SOCKET in `*socketOut`.
VORNUI_API int CreateSocketAndConnectToServer(int type, unsigned short port, DWORD address,
                                              SOCKET* socketOut, int blocking, int attempts,
                                              int receiveBufferSize);

// Connects `s` to `address` at `port`, up to `attempts` times without pause. With no
// attempts at all only the address 255.255.255.255 counts as a failure. 1 when connected.
VORNUI_API int ConnectToServer(unsigned short port, DWORD address, SOCKET s, int blocking,
                               int attempts);

// A server socket listening at `port` on every local address, both buffers raised to
// `bufferSize`. A failure to listen is fatal for the process.
VORNUI_API SOCKET NTInitSocketService(int type, unsigned short port, int backlog, int blocking,
                                      int bufferSize);

// A datagram socket bound to `localPort` (0: any) and connected to the peer at
// `remoteAddress` (four octets, first to last) and `remotePort`, allowed to broadcast. When
// only the connection fails, the socket is still returned.
VORNUI_API SOCKET NTInitSocketDGRAMService(int type, unsigned short remotePort,
                                           const BYTE* remoteAddress, int sendBufferSize,
                                           unsigned short localPort);
