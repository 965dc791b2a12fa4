#pragma once

// The description of one instrument input: which kind of port it reads and that port's
// parameters. Hosts keep the record as binary, so its bytes are its interface: the
// offsets below never move. Hosts edit it with SelectPort (PortSelection.h).

#include "vornui/platform/CString.h"
#include "vornui/platform/Export.h"

#include <cstddef>
#include <cstdint>

// The kinds of port a record describes, as stored in PortSetUpStructure::nPortType.
enum ePortType : int32_t {
    PORT_NONE = 0,
    PORT_COM = 1,
    PORT_UDP = 2,
    PORT_TCP = 3,
    PORT_DUVA = 4,
};

// Bits of the allowed kinds handed to SelectPort: a kind whose bit is clear is shown but
// cannot be chosen. PORT_ALLOW_NO_VIEWER hides the dialog's raw-data viewer button.
enum ePortAllowed : unsigned int {
    PORT_ALLOW_NONE = 1,
    PORT_ALLOW_COM = 2,
    PORT_ALLOW_UDP = 4,
    PORT_ALLOW_TCP = 8,
    PORT_ALLOW_DUVA = 16,
    PORT_ALLOW_ALL = 31,
    PORT_ALLOW_NO_VIEWER = 32,
};

// The port description record. A plain record: hosts copy it with memcpy and store it.
struct VORNUI_API PortSetUpStructure {
    int32_t nPortType; // ePortType
    int32_t nPort;     // serial: the COM port number; otherwise the IP port (0 to 65535)
    union {
        int32_t nBaud;        // serial: the baud rate
        uint8_t IPAddress[4]; // UDP, TCP, DUVA: the IPv4 address, first octet first
    };
    int16_t nDataBits; // serial: 7 or 8
    int16_t nStopBits; // serial: 1 or 2
    char cParity;      // serial: 'N', 'O' or 'E' (hosts may store lower case)

    // The one-line text form: "COM1 9600 N81", "UDP 5000 192.168.1.20", "TCP ...",
    // "DUVA ...", and "????" for any other kind. The parity letter is printed as stored;
    // a zero parity byte is left out rather than put inside the text.
    CString GetText() const;

    // Not part of the original interface, added for hosts that keep ports as text: reads
    // the text form back. Only what GetText prints for a valid record is accepted: data
    // bits 7 or 8, stop bits 1 or 2, a parity letter N, O or E in either case, address
    // bytes 0 to 255, an IP port of 0 to 65535, plain decimal numbers that fit their field
    // (no sign, no leading zeros); "????" is a record of no port, whose other fields stay.
    // Anything else answers false and leaves the record untouched.
    bool SetText(const char* text);
};

static_assert(offsetof(PortSetUpStructure, nPortType) == 0);
static_assert(offsetof(PortSetUpStructure, nPort) == 4);
static_assert(offsetof(PortSetUpStructure, nBaud) == 8);
static_assert(offsetof(PortSetUpStructure, IPAddress) == 8);
static_assert(offsetof(PortSetUpStructure, nDataBits) == 12);
static_assert(offsetof(PortSetUpStructure, nStopBits) == 14);
static_assert(offsetof(PortSetUpStructure, cParity) == 16);
static_assert(sizeof(PortSetUpStructure) == 20);

// The baud rates a serial port is offered, in the order they are offered.
inline constexpr int g_nBaudRateCount = 18;
// The baud rates, slowest first.
VORNUI_API extern const int g_nBaudRates[g_nBaudRateCount];
// The baud rate of a port that has none yet.
inline constexpr int g_nDefaultBaudRate = 9600;

// The parity choice's index for a letter: 'N'/'n' 0, 'O'/'o' 1, 'E'/'e' 2; any other
// letter means no parity.
VORNUI_API int ParityIndexFromLetter(char parity);
// The letter of a parity index: 'N', 'O' or 'E'; an index out of range means 'N'.
VORNUI_API char ParityLetterFromIndex(int index);

// The settings text a serial port is opened with: "9600,N,8,1".
VORNUI_API CString SerialSettingsText(int baud, char parity, int dataBits, int stopBits);
