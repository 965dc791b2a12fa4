#pragma once

// What the socket calls tell the notifications of WSAAsyncSelect.

#include "vornui/platform/AsyncSelect.h"

// A re-enabling call ran: a send that would block (FD_WRITE), accept.
void AsyncSelectReenable(SOCKET s, long events);
// recv or recvfrom ran: FD_READ is re-enabled, and posted at once when data remains.
void AsyncSelectReadDone(SOCKET s);
// connect or listen started the socket afresh: it is watched again and `events` are armed.
void AsyncSelectRestart(SOCKET s, long events);
// The socket is about to be closed.
void AsyncSelectForget(SOCKET s);
