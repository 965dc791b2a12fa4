// The system's address headers first, then vornui's Windows socket API: refused.

// The order of these includes is the point of this file.
// clang-format off
#include <arpa/inet.h>
#include <netinet/in.h>

#include "vornui/vornsockets.h"
// clang-format on
