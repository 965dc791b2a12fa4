// A host's input ports: the port record in its text form, read back from text, and chosen
// by the user in "Port settings" (here a scripted user and a pseudo-terminal standing in
// for a serial instrument).

#include "vornui/vornui.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

void Show(const char* what, const PortSetUpStructure& port) {
    std::printf("%-22s %s\n", what, port.GetText().GetString());
}

} // namespace

int main() {
    // A record as a host keeps it: plain bytes, edited field by field.
    PortSetUpStructure gyro{};
    gyro.nPortType = PORT_COM;
    gyro.nPort = 7;
    gyro.nBaud = 4800;
    gyro.nDataBits = 8;
    gyro.nStopBits = 1;
    gyro.cParity = 'N';
    Show("gyro", gyro);

    // Hosts that keep ports as text read them back; text no record prints is refused.
    PortSetUpStructure echo{};
    for (const char* text : {"UDP 5000 192.168.1.20", "TCP 70000 10.0.0.1", "com7 4800 N81"}) {
        const bool read = echo.SetText(text);
        std::printf("%-22s %s\n", text, read ? "read" : "refused");
    }
    Show("echo sounder", echo);

    // The machine's serial lines: here one pseudo-terminal, named COM7 in the profile.
    const int instrument = posix_openpt(O_RDWR | O_NOCTTY);
    if (instrument < 0 || grantpt(instrument) != 0 || unlockpt(instrument) != 0)
        return 1;
    SetSerialDeviceScan(false);
    AfxGetApp()->WriteProfileString("Serial devices", "COM7", ptsname(instrument));

    // The user picks 9600 baud and even parity, and confirms.
    CScriptedUser user;
    user.Choose(IDC_BAUD_LIST, "9600").Click(IDC_PARITY_EVEN).Click(IDOK);
    const int chosen = SelectPort(gyro, PORT_ALLOW_ALL, nullptr, "Gyro input");
    std::printf("SelectPort answered %d\n", chosen);
    Show("gyro", gyro);

    // Cancelled, the record keeps every byte.
    user.Click(IDC_KIND_UDP).Click(IDCANCEL);
    std::printf("SelectPort answered %d\n", SelectPort(gyro, PORT_ALLOW_ALL, nullptr, ""));
    Show("gyro", gyro);

    // The serial overload takes the parity as a letter.
    int port = 7, baud = 19200, dataBits = 8, stopBits = 1;
    char parity = 'o';
    user.Click(IDC_STOP_BITS_2).Click(IDOK);
    SelectCOMPort(port, baud, parity, dataBits, stopBits, nullptr);
    std::printf("COM%d %d %c%d%d\n", port, baud, parity, dataBits, stopBits);
    close(instrument);
    return 0;
}
