#pragma once

// The BSD socket calls that the Windows Sockets names are built on, with plain types, so
// that the system's declarations and the Windows ones never meet in one file. Each call
// returns -1 on failure; LastWsaError then tells why, as a Windows Sockets code.

#include <cstddef>

namespace bsd {

// Socket options by meaning; each side maps them to its own level and number.
enum class Option {
    SendBuffer,
    ReceiveBuffer,
    Broadcast,
    ReuseAddress,
    KeepAlive,
    Error,
    Type,
    AcceptsConnections,
    NoDelay
};

// Returns a descriptor above 2, so that no socket is ever taken for "no socket" (0).
int Socket(int family, int type, int protocol);
int Bind(int fd, const void* address, int length);
int Listen(int fd, int backlog);
int Connect(int fd, const void* address, int length);
// The accepted socket is non-blocking when the listening one is.
int Accept(int fd, void* address, int* length);
long Send(int fd, const void* data, std::size_t length, int flags);
long Receive(int fd, void* data, std::size_t length, int flags);
long SendTo(int fd, const void* data, std::size_t length, int flags, const void* address,
            int addressLength);
long ReceiveFrom(int fd, void* data, std::size_t length, int flags, void* address,
                 int* addressLength);
int LocalAddress(int fd, void* address, int* length);
int Shutdown(int fd, int how);
// Closes only descriptors that are sockets.
int Close(int fd);
int SetOption(int fd, Option option, const void* value, int length);
// Option::Error reads the pending error as a Windows Sockets code.
int GetOption(int fd, Option option, void* value, int* length);
int SetNonBlocking(int fd, bool nonBlocking);
int BytesReadable(int fd, int* count);

int LastWsaError();

} // namespace bsd
