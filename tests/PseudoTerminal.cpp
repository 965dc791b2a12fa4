#include "tests/PseudoTerminal.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

PseudoTerminal::PseudoTerminal() : m_master(posix_openpt(O_RDWR | O_NOCTTY)) {
    if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0)
        return;
    m_device = ptsname(m_master);
    m_keepOpen = open(m_device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    // A raw line: bytes pass as they are, 0x00 and 0xFF included.
    termios raw{};
    if (m_keepOpen >= 0 && tcgetattr(m_keepOpen, &raw) == 0) {
        cfmakeraw(&raw);
        tcsetattr(m_keepOpen, TCSANOW, &raw);
    }
    if (tcgetattr(m_master, &raw) == 0) {
        cfmakeraw(&raw);
        tcsetattr(m_master, TCSANOW, &raw);
    }
}

PseudoTerminal::~PseudoTerminal() {
    Close();
}

void PseudoTerminal::Write(std::string_view bytes) const {
    while (!bytes.empty()) {
        const ssize_t written = write(m_master, bytes.data(), bytes.size());
        if (written > 0) {
            bytes.remove_prefix(static_cast<size_t>(written));
        } else if (written < 0 && errno != EINTR && errno != EAGAIN) {
            return;
        } else {
            pollfd writable{m_master, POLLOUT, 0};
            if (poll(&writable, 1, 5000) <= 0)
                return;
        }
    }
}

void PseudoTerminal::Close() {
    if (m_keepOpen >= 0)
        close(m_keepOpen);
    if (m_master >= 0)
        close(m_master);
    m_keepOpen = m_master = -1;
}
