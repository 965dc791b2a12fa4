// A host file that reads a device over POSIX sockets and prints with vornui: the system's
// socket headers come first.

// The order of these includes is the point of this file.
// clang-format off
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "vornui/vornui.h"

#include <cstdio>
// clang-format on

bool AddressesReadAsTheSystemHasThem();

namespace {

// A depth printed by vornui travels through a POSIX socket pair and comes back whole.
bool DepthThroughASocketPair() {
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, ends) != 0)
        return false;
    CString depth;
    KUnits(KUnits::eDEPTH_METER).FormatM2DepthUnitSymbol(12.5, depth);
    const ssize_t sent = send(ends[0], depth.GetString(), depth.GetLength(), 0);
    char received[32] = {};
    const ssize_t read = recv(ends[1], received, sizeof received - 1, 0);
    close(ends[0]);
    close(ends[1]);
    return sent == depth.GetLength() && read == sent && depth == received;
}

} // namespace

int main() {
    const bool passed = DepthThroughASocketPair() && AddressesReadAsTheSystemHasThem();
    std::puts(passed ? "POSIX sockets and vornui share a file" : "FAILED");
    return passed ? 0 : 1;
}
