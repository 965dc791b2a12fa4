#include "vornui/platform/internal/SerialLine.h"

#include <asm/termbits.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct StandardRate {
    int baud;
    unsigned constant;
};

constexpr StandardRate kStandardRates[] = {
    {50, B50},         {75, B75},         {110, B110},       {134, B134},       {150, B150},
    {200, B200},       {300, B300},       {600, B600},       {1200, B1200},     {1800, B1800},
    {2400, B2400},     {4800, B4800},     {9600, B9600},     {19200, B19200},   {38400, B38400},
    {57600, B57600},   {115200, B115200}, {230400, B230400}, {460800, B460800}, {500000, B500000},
    {576000, B576000}, {921600, B921600}};

// A B constant where the rate has one (so that every reader of the line sees it), else
// BOTHER with the rate itself.
unsigned SpeedBits(int baud) {
    for (const StandardRate& rate : kStandardRates) {
        if (rate.baud == baud)
            return rate.constant;
    }
    return BOTHER;
}

} // namespace

bool ParseSerialSettings(const char* text, SerialLineSettings& settings) {
    if (!text)
        return false;
    int baud = 0;
    char parity = 0;
    int dataBits = 0;
    char stop[4] = "";
    char rest = 0;
    if (std::sscanf(text, "%d,%c,%d,%3[0-9.]%c", &baud, &parity, &dataBits, stop, &rest) != 4)
        return false;
    const char upper = static_cast<char>(parity & ~0x20);
    if (baud <= 0 || !std::strchr("NOEMS", upper) || upper == 0 || dataBits < 5 || dataBits > 8)
        return false;
    int stopBits = 0;
    if (std::strcmp(stop, "1") == 0)
        stopBits = 1;
    else if (std::strcmp(stop, "1.5") == 0 || std::strcmp(stop, "2") == 0)
        stopBits = 2;
    else
        return false;
    settings = SerialLineSettings{baud, upper, dataBits, stopBits};
    return true;
}

int OpenSerialLine(const std::string& device, std::string& error) {
    struct stat status {};
    if (stat(device.c_str(), &status) != 0 || !S_ISCHR(status.st_mode)) {
        error = device + " is not a serial device";
        return -1;
    }
    const int fd = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = device + ": " + std::strerror(errno);
        return -1;
    }
    if (fstat(fd, &status) != 0 || !S_ISCHR(status.st_mode) || !isatty(fd) ||
        ioctl(fd, TIOCEXCL) != 0) {
        error = device + " is not a serial device";
        close(fd);
        return -1;
    }
    return fd;
}

bool ApplySerialSettings(int fd, const SerialLineSettings& settings) {
    termios2 line{};
    if (ioctl(fd, TCGETS2, &line) != 0)
        return false;
    // Raw: no translation of bytes, no echo, no signals; reads return what there is.
    line.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF);
    line.c_oflag &= ~OPOST;
    line.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    line.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CBAUD | CRTSCTS);
    line.c_cflag |= CREAD | CLOCAL;
    static constexpr unsigned kSizes[] = {CS5, CS6, CS7, CS8};
    line.c_cflag |= kSizes[settings.dataBits - 5];
    if (settings.parity != 'N')
        line.c_cflag |= PARENB;
    if (settings.parity == 'O' || settings.parity == 'M')
        line.c_cflag |= PARODD;
    if (settings.parity == 'M' || settings.parity == 'S')
        line.c_cflag |= CMSPAR;
    if (settings.stopBits == 2)
        line.c_cflag |= CSTOPB;
    const unsigned speed = SpeedBits(settings.baud);
    line.c_cflag |= speed;
    line.c_cflag &= ~(CBAUD << IBSHIFT); // the input rate follows the output rate
    line.c_ispeed = line.c_ospeed = static_cast<speed_t>(settings.baud);
    line.c_cc[VMIN] = 0;
    line.c_cc[VTIME] = 0;
    return ioctl(fd, TCSETS2, &line) == 0;
}

bool ReadSerialLineCounts(int fd, SerialLineCounts& counts) {
    serial_icounter_struct driver{};
    if (ioctl(fd, TIOCGICOUNT, &driver) != 0)
        return false;
    counts =
        SerialLineCounts{driver.cts,     driver.dsr,    driver.rng, driver.dcd,        driver.frame,
                         driver.overrun, driver.parity, driver.brk, driver.buf_overrun};
    return true;
}

int WaitForModemLineChange(int fd) {
    return ioctl(fd, TIOCMIWAIT, TIOCM_CTS | TIOCM_DSR | TIOCM_CD | TIOCM_RNG);
}
