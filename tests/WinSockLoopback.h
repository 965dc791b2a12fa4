#pragma once

// 127.0.0.1 addresses for tests that drive the library's WinSock calls directly.

#include "vornui/platform/WinSock.h"

inline sockaddr_in LoopbackAddress(unsigned short port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

// Binds `s` to a free port of 127.0.0.1; the address it got, with port 0 when that failed.
inline sockaddr_in BindToLoopback(SOCKET s) {
    sockaddr_in local = LoopbackAddress(0);
    int length = sizeof local;
    if (bind(s, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0 ||
        getsockname(s, reinterpret_cast<sockaddr*>(&local), &length) != 0)
        local.sin_port = 0;
    return local;
}

// A UDP port of 127.0.0.1 that nothing holds at the moment of asking; 0 when none was had.
inline unsigned short FreeDatagramPort() {
    const SOCKET probe = socket(AF_INET, SOCK_DGRAM, 0);
    const sockaddr_in bound = BindToLoopback(probe);
    closesocket(probe);
    return ntohs(bound.sin_port);
}
