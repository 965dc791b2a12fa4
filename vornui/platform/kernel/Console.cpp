#include "vornui/platform/Console.h"

#include <sys/ioctl.h>
#include <unistd.h>

int _isatty(int fd) {
    return isatty(fd);
}

int _fileno(std::FILE* stream) {
    return fileno(stream);
}

int ConsoleColumns(int fd) {
    winsize size{};
    if (ioctl(fd, TIOCGWINSZ, &size) != 0)
        return 0;
    return size.ws_col;
}
