#pragma once

// The loopback addresses the socket fuzz targets send their datagrams to.

#include "vornui/platform/WinSock.h"

inline sockaddr_in LoopbackAt(unsigned short port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

// A UDP port on 127.0.0.1 that nothing holds at the moment of asking.
inline unsigned short FreeDatagramPort() {
    const SOCKET probe = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in address = LoopbackAt(0);
    bind(probe, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    int length = sizeof address;
    getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
    closesocket(probe);
    return ntohs(address.sin_port);
}
