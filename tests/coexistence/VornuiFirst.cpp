// A host file that shows vornui values and parses addresses with the system's functions:
// vornui first, the system's socket headers after it.

// The order of these includes is the point of this file.
// clang-format off
#include "vornui/vornui.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <string>
// clang-format on

bool AddressesReadAsTheSystemHasThem() {
    in_addr address{};
    if (inet_pton(AF_INET, "127.0.0.1", &address) != 1)
        return false;
    const CString port = CString("port ") + std::to_string(ntohs(htons(4001))).c_str();
    return address.s_addr == htonl(INADDR_LOOPBACK) && port == "port 4001";
}
