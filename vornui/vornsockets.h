#pragma once

// The Windows socket API of the platform, the socket service and the socket client, in one
// include. Their names (socket, sockaddr, htons, ...) have the Windows meaning, so a file
// that includes this cannot include the system's socket headers; a program keeps its
// POSIX socket code and its vornui sockets in separate files.

#include "vornui/platform/AsyncSelect.h"
#include "vornui/platform/WinSock.h"
#include "vornui/platform/WinSockErrors.h"
#include "vornui/vornsocket/SocketClient.h"
#include "vornui/vornsocket/VornSOCKET.h"
