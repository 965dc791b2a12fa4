// Apart from PseudoTerminal.cpp: the kernel's termios2, which reads any rate, cannot share
// a file with <termios.h>.

#include "tests/PseudoTerminal.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

PseudoTerminal::Settings PseudoTerminal::LineSettings() const {
    termios2 line{};
    Settings settings;
    if (ioctl(m_keepOpen, TCGETS2, &line) != 0)
        return settings;
    settings.baud = line.c_ospeed;
    settings.parity = !(line.c_cflag & PARENB) ? 'N' : (line.c_cflag & PARODD) ? 'O' : 'E';
    const unsigned size = line.c_cflag & CSIZE;
    settings.dataBits = size == CS8 ? 8 : size == CS7 ? 7 : size == CS6 ? 6 : 5;
    settings.stopBits = (line.c_cflag & CSTOPB) ? 2 : 1;
    return settings;
}
