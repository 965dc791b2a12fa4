// The system's socket header first, then vornui's socket client: refused.

// The order of these includes is the point of this file.
// clang-format off
#include <sys/socket.h>

#include "vornui/vornsocket/SocketClient.h"
// clang-format on
