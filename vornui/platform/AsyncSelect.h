#pragma once

// Socket notifications as window messages (WSAAsyncSelect). The message loop of the thread
// that registers a socket watches it while it waits for messages and posts the registered
// message to the window: wParam is the socket, lParam WSAMAKESELECTREPLY(event, error).
//
// As Windows has it, each event is posted once and then waits for its re-enabling call:
// FD_READ for recv/recvfrom (so a new FD_READ follows each recv while data remains),
// FD_WRITE for a send that failed with WSAEWOULDBLOCK, FD_ACCEPT for accept. FD_CONNECT
// comes once per connect, FD_CLOSE once when the peer closed (error 0, after the data has
// been read) or the connection broke (WSAECONNRESET, WSAECONNABORTED). Registering makes
// the socket non-blocking; registering events 0 cancels; closesocket forgets the socket.
// The calling thread must run a message loop for the notifications to come.

#include "vornui/platform/Export.h"
#include "vornui/platform/WinSock.h"
#include "vornui/platform/WindowTypes.h"

#define FD_READ 0x01
#define FD_WRITE 0x02
#define FD_OOB 0x04
#define FD_ACCEPT 0x08
#define FD_CONNECT 0x10
#define FD_CLOSE 0x20
#define FD_ALL_EVENTS 0x3FF

#define WSAMAKESELECTREPLY(event, error) MAKELONG(event, error)
#define WSAGETSELECTEVENT(lParam) LOWORD(lParam)
#define WSAGETSELECTERROR(lParam) HIWORD(lParam)

VORNUI_API int WSAAsyncSelect(SOCKET s, HWND hwnd, UINT message, long events);
