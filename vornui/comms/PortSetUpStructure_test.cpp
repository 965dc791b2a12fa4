// The port record's text form, read and written, and the small tables beside it.

#include "vornui/comms/PortSetUpStructure.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>

namespace {

PortSetUpStructure Serial(int port, int baud, char parity, int dataBits, int stopBits) {
    PortSetUpStructure record{};
    record.nPortType = PORT_COM;
    record.nPort = port;
    record.nBaud = baud;
    record.cParity = parity;
    record.nDataBits = static_cast<int16_t>(dataBits);
    record.nStopBits = static_cast<int16_t>(stopBits);
    return record;
}

PortSetUpStructure Ip(int kind, int port, uint8_t a, uint8_t b, uint8_t c, uint8_t d) {
    PortSetUpStructure record{};
    record.nPortType = kind;
    record.nPort = port;
    record.IPAddress[0] = a;
    record.IPAddress[1] = b;
    record.IPAddress[2] = c;
    record.IPAddress[3] = d;
    return record;
}

std::string TextOf(const PortSetUpStructure& record) {
    return record.GetText().str();
}

} // namespace

TEST(PortSetUpStructure, TheTextFormNamesTheKindAndItsParameters) {
    EXPECT_EQ(TextOf(Serial(1, 9600, 'N', 8, 1)), "COM1 9600 N81");
    EXPECT_EQ(TextOf(Serial(3, 19200, 'E', 8, 1)), "COM3 19200 E81");
    // The letter is printed as the host stored it.
    EXPECT_EQ(TextOf(Serial(3, 19200, 'e', 7, 2)), "COM3 19200 e72");
    EXPECT_EQ(TextOf(Ip(PORT_UDP, 5000, 192, 168, 1, 20)), "UDP 5000 192.168.1.20");
    EXPECT_EQ(TextOf(Ip(PORT_TCP, 4001, 10, 0, 0, 255)), "TCP 4001 10.0.0.255");
    EXPECT_EQ(TextOf(Ip(PORT_DUVA, 0, 127, 0, 0, 1)), "DUVA 0 127.0.0.1");
    for (const int kind : {0, 5, -1, 1000})
        EXPECT_EQ(TextOf(Ip(kind, 1, 2, 3, 4, 5)), "????") << kind;

    // A zero parity byte never ends up inside the text.
    const CString noParity = Serial(2, 4800, '\0', 8, 1).GetText();
    EXPECT_EQ(noParity.str(), "COM2 4800 81");
    EXPECT_EQ(std::strlen(noParity), static_cast<size_t>(noParity.GetLength()));
}

TEST(PortSetUpStructure, TheTextFormReadsBackIntoTheSameRecord) {
    for (const PortSetUpStructure& written :
         {Serial(1, 9600, 'N', 8, 1), Serial(12, 921600, 'o', 7, 2), Serial(0, 0, 'E', 8, 2),
          Serial(2147483647, 2147483647, 'n', 7, 1), Ip(PORT_UDP, 65535, 255, 255, 255, 255),
          Ip(PORT_TCP, 0, 0, 0, 0, 0), Ip(PORT_DUVA, 14886, 127, 0, 0, 1)}) {
        PortSetUpStructure read{};
        ASSERT_TRUE(read.SetText(written.GetText())) << TextOf(written);
        EXPECT_EQ(TextOf(read), TextOf(written));
        EXPECT_EQ(read.nPortType, written.nPortType);
        EXPECT_EQ(read.nPort, written.nPort);
        EXPECT_EQ(read.nBaud, written.nBaud);
        if (written.nPortType == PORT_COM) {
            EXPECT_EQ(read.cParity, written.cParity);
            EXPECT_EQ(read.nDataBits, written.nDataBits);
            EXPECT_EQ(read.nStopBits, written.nStopBits);
        }
    }

    // "????" is a record of no port; its other fields stay as they were.
    PortSetUpStructure none = Serial(4, 2400, 'O', 7, 1);
    ASSERT_TRUE(none.SetText("????"));
    EXPECT_EQ(none.nPortType, PORT_NONE);
    EXPECT_EQ(none.nBaud, 2400);
}

TEST(PortSetUpStructure, TextThatNoValidRecordPrintsIsRefusedAndChangesNothing) {
    const PortSetUpStructure original = Serial(7, 4800, 'O', 7, 2);
    for (const char* text : std::initializer_list<const char*>{"",
                                                               "COM",
                                                               "COM1",
                                                               "COM1 9600",
                                                               "COM1 9600 N",
                                                               "COM1 9600 N8",
                                                               "COM1 9600 N91",
                                                               "COM1 9600 N83",
                                                               "COM1 9600 X81",
                                                               "COM1 9600 N810",
                                                               "COM1  9600 N81",
                                                               " COM1 9600 N81",
                                                               "COM1 9600 N81 ",
                                                               "com1 9600 N81",
                                                               "COM-1 9600 N81",
                                                               "COM+1 9600 N81",
                                                               "COM01 9600 N81",
                                                               "COM1 09600 N81",
                                                               "COM2147483648 9600 N81",
                                                               "COM1 99999999999 N81",
                                                               "COM1 9600 ;81",
                                                               "UDP 5000 192.168.1",
                                                               "UDP 5000 192.168.1.256",
                                                               "UDP 70000 1.2.3.4",
                                                               "UDP abc 1.2.3.4",
                                                               "UDP 5000 1.2.3.4.5",
                                                               "UDP 5000 1..3.4",
                                                               "UDP 5000 01.2.3.4",
                                                               "UDP5000 1.2.3.4",
                                                               "UDPDUVA 0 0.0.0.0",
                                                               "TCPUDP 1 1.2.3.4",
                                                               "TCP -1 1.2.3.4",
                                                               "DUVA 1 1.2.3.4x",
                                                               "SCTP 1 1.2.3.4",
                                                               "???",
                                                               "?????",
                                                               nullptr}) {
        PortSetUpStructure record = original;
        EXPECT_FALSE(record.SetText(text)) << (text ? text : "(null)");
        EXPECT_EQ(std::memcmp(&record, &original, sizeof record), 0) << (text ? text : "(null)");
    }
}

TEST(PortSetUpStructure, BaudTableParityAndSerialSettings) {
    const int expected[] = {110,   300,   600,   1200,   2400,   4800,   9600,   14400,  19200,
                            38400, 56000, 57600, 115200, 128000, 230400, 256000, 460800, 921600};
    ASSERT_EQ(g_nBaudRateCount, 18);
    for (int index = 0; index < g_nBaudRateCount; ++index)
        EXPECT_EQ(g_nBaudRates[index], expected[index]);
    EXPECT_EQ(g_nDefaultBaudRate, 9600);

    EXPECT_EQ(ParityIndexFromLetter('N'), 0);
    EXPECT_EQ(ParityIndexFromLetter('n'), 0);
    EXPECT_EQ(ParityIndexFromLetter('O'), 1);
    EXPECT_EQ(ParityIndexFromLetter('o'), 1);
    EXPECT_EQ(ParityIndexFromLetter('E'), 2);
    EXPECT_EQ(ParityIndexFromLetter('e'), 2);
    EXPECT_EQ(ParityIndexFromLetter('M'), 0);
    EXPECT_EQ(ParityIndexFromLetter('\0'), 0);
    EXPECT_EQ(ParityLetterFromIndex(0), 'N');
    EXPECT_EQ(ParityLetterFromIndex(1), 'O');
    EXPECT_EQ(ParityLetterFromIndex(2), 'E');
    EXPECT_EQ(ParityLetterFromIndex(3), 'N');
    EXPECT_EQ(ParityLetterFromIndex(-1), 'N');

    EXPECT_EQ(SerialSettingsText(9600, 'N', 8, 1).str(), "9600,N,8,1");
    EXPECT_EQ(SerialSettingsText(115200, 'E', 7, 2).str(), "115200,E,7,2");
}
