#include "vornui/comms/PortSetUpStructure.h"

#include <climits>
#include <string>
#include <string_view>

const int g_nBaudRates[g_nBaudRateCount] = {110,    300,    600,    1200,   2400,   4800,
                                            9600,   14400,  19200,  38400,  56000,  57600,
                                            115200, 128000, 230400, 256000, 460800, 921600};

namespace {

const char* IpKindName(int32_t kind) {
    switch (kind) {
    case PORT_UDP:
        return "UDP";
    case PORT_TCP:
        return "TCP";
    case PORT_DUVA:
        return "DUVA";
    default:
        return nullptr;
    }
}

// Reads the text form from left to right; every step fails on anything GetText would not
// have printed.
class TextFormReader {
public:
    explicit TextFormReader(std::string_view text) : m_rest(text) {}

    bool Word(std::string_view word) {
        if (!m_rest.starts_with(word))
            return false;
        m_rest.remove_prefix(word.size());
        return true;
    }

    // A plain decimal number from 0 to `limit`: digits only, no leading zero.
    bool Number(long long limit, long long& value) {
        size_t digits = 0;
        while (digits < m_rest.size() && m_rest[digits] >= '0' && m_rest[digits] <= '9')
            ++digits;
        if (digits == 0 || (digits > 1 && m_rest[0] == '0') || digits > 10)
            return false;
        value = 0;
        for (size_t each = 0; each < digits; ++each)
            value = value * 10 + (m_rest[each] - '0');
        m_rest.remove_prefix(digits);
        return value <= limit;
    }

    // One digit among `allowed`.
    bool Digit(std::string_view allowed, int& value) {
        if (m_rest.empty() || allowed.find(m_rest[0]) == std::string_view::npos)
            return false;
        value = m_rest[0] - '0';
        m_rest.remove_prefix(1);
        return true;
    }

    bool Letter(std::string_view allowed, char& letter) {
        if (m_rest.empty() || allowed.find(m_rest[0]) == std::string_view::npos)
            return false;
        letter = m_rest[0];
        m_rest.remove_prefix(1);
        return true;
    }

    bool AtEnd() const { return m_rest.empty(); }

private:
    std::string_view m_rest;
};

bool ReadSerial(TextFormReader& reader, PortSetUpStructure& record) {
    long long port = 0;
    long long baud = 0;
    int dataBits = 0;
    int stopBits = 0;
    if (!reader.Number(INT32_MAX, port) || !reader.Word(" ") || !reader.Number(INT32_MAX, baud) ||
        !reader.Word(" ") || !reader.Letter("NOEnoe", record.cParity) ||
        !reader.Digit("78", dataBits) || !reader.Digit("12", stopBits) || !reader.AtEnd())
        return false;
    record.nPortType = PORT_COM;
    record.nPort = static_cast<int32_t>(port);
    record.nBaud = static_cast<int32_t>(baud);
    record.nDataBits = static_cast<int16_t>(dataBits);
    record.nStopBits = static_cast<int16_t>(stopBits);
    return true;
}

bool ReadIp(TextFormReader& reader, int32_t kind, PortSetUpStructure& record) {
    long long port = 0;
    long long octets[4] = {};
    if (!reader.Number(65535, port) || !reader.Word(" "))
        return false;
    for (int each = 0; each < 4; ++each) {
        if ((each > 0 && !reader.Word(".")) || !reader.Number(255, octets[each]))
            return false;
    }
    if (!reader.AtEnd())
        return false;
    record.nPortType = kind;
    record.nPort = static_cast<int32_t>(port);
    for (int each = 0; each < 4; ++each)
        record.IPAddress[each] = static_cast<uint8_t>(octets[each]);
    return true;
}

} // namespace

CString PortSetUpStructure::GetText() const {
    CString text;
    if (nPortType == PORT_COM) {
        text.Format("COM%d %d ", nPort, nBaud);
        if (cParity != '\0')
            text += cParity;
        text.AppendFormat("%d%d", nDataBits, nStopBits);
    } else if (const char* kind = IpKindName(nPortType)) {
        text.Format("%s %d %d.%d.%d.%d", kind, nPort, IPAddress[0], IPAddress[1], IPAddress[2],
                    IPAddress[3]);
    } else {
        text = "????";
    }
    return text;
}

bool PortSetUpStructure::SetText(const char* text) {
    if (!text)
        return false;
    const std::string_view whole(text);
    if (whole == "????") {
        nPortType = PORT_NONE;
        return true;
    }
    PortSetUpStructure read = *this;
    TextFormReader reader(whole);
    bool accepted = false;
    if (reader.Word("COM")) {
        accepted = ReadSerial(reader, read);
    } else {
        // The kind and its blank are one word: a reader that took "UDP" of "UDPDUVA ..." and
        // then failed on the blank would go on to read "DUVA ..." as the kind.
        for (const int32_t kind : {PORT_UDP, PORT_TCP, PORT_DUVA}) {
            if (reader.Word(std::string(IpKindName(kind)) + ' ')) {
                accepted = ReadIp(reader, kind, read);
                break;
            }
        }
    }
    if (accepted)
        *this = read;
    return accepted;
}

int ParityIndexFromLetter(char parity) {
    switch (parity) {
    case 'O':
    case 'o':
        return 1;
    case 'E':
    case 'e':
        return 2;
    default:
        return 0;
    }
}

char ParityLetterFromIndex(int index) {
    static constexpr char kLetters[] = {'N', 'O', 'E'};
    return index >= 0 && index < 3 ? kLetters[index] : 'N';
}

CString SerialSettingsText(int baud, char parity, int dataBits, int stopBits) {
    CString text;
    text.Format("%d,%c,%d,%d", baud, parity, dataBits, stopBits);
    return text;
}
