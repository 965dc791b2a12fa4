#pragma once

// Inside the serial port control: the device under a COM port, opened and set as a
// serial line through the kernel's termios2, which takes any rate (14400, 56000, 128000
// and 256000 have no B constant).

#include <string>

struct SerialLineSettings {
    int baud = 9600;
    char parity = 'N'; // N, O, E, M or S
    int dataBits = 8;  // 5 to 8
    int stopBits = 1;  // 1 or 2
};

// "9600,N,8,1": a positive rate, a parity letter (either case), 5 to 8 data bits and 1, 1.5
// or 2 stop bits (1.5 is kept as 2, which is what a UART does with it).
bool ParseSerialSettings(const char* text, SerialLineSettings& settings);

// Opens a character device as a raw serial line that never becomes the controlling
// terminal, does not block, ignores the modem's carrier and is not shared (TIOCEXCL).
// -1 with `error` set when the device is missing, not a character device or busy.
int OpenSerialLine(const std::string& device, std::string& error);

bool ApplySerialSettings(int fd, const SerialLineSettings& settings);

// The line's counts of events as the driver keeps them; false where the driver keeps none
// (a pseudo-terminal).
struct SerialLineCounts {
    int cts = 0, dsr = 0, ring = 0, carrier = 0;
    int frame = 0, overrun = 0, parity = 0, brk = 0, bufferOverrun = 0;
};
bool ReadSerialLineCounts(int fd, SerialLineCounts& counts);

// Blocks until one of the modem status lines (CTS, DSR, CD, RI) changes: 0, or -1 with
// errno (EINTR when a signal came; ENOTTY where the driver cannot tell, as a pseudo-terminal).
int WaitForModemLineChange(int fd);
