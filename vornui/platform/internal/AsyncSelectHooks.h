#pragma once

// What the socket calls tell the notifications of WSAAsyncSelect.

#include "vornui/platform/AsyncSelect.h"

// A re-enabling call ran: recv (FD_READ), a send that would block (FD_WRITE), accept.
void AsyncSelectReenable(SOCKET s, long events);
// connect or listen started the socket afresh: it is watched again and `events` are armed.
void AsyncSelectRestart(SOCKET s, long events);
// The socket is about to be closed.
void AsyncSelectForget(SOCKET s);
