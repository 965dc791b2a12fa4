// "Port settings" as a host runs it through SelectPort, testing a serial line (a
// pseudo-terminal standing in for an instrument) and a TCP server on 127.0.0.1, each
// pictured while data is shown.

#include "Gallery.h"

#include "vornui/vornui.h"

#include <arpa/inet.h>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr char kNmea[] = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n"
                         "$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K*48\r\n";
// Sent a little later: the display is refreshed at most every 100 ms, and shows it all
// with this one.
constexpr char kLastNmea[] = "$HEHDT,274.07,T*2A\r\n";
constexpr useconds_t kRefreshPause = 150000;

// A file descriptor closed when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// Waits, as a person would, until the display shows `text`; gives up after five seconds.
CScriptedUser::Step WaitForDisplay(const char* text) {
    auto waited = std::make_shared<int>(0);
    return [text, waited](HWND dialog) {
        char shown[1024] = "";
        GetWindowText(GetDlgItem(dialog, IDC_DISPLAY), shown, sizeof shown);
        if (std::strstr(shown, text) || ++*waited > 5000)
            return ModalAction::Acted;
        usleep(1000);
        PostMessage(dialog, WM_NULL, 0, 0);
        return ModalAction::Waiting;
    };
}

CScriptedUser::Step Picture(const char* path, int& result) {
    return [path, &result](HWND dialog) {
        result = SaveWindowPicture(*CWnd::FromHandle(dialog), path);
        return ModalAction::Acted;
    };
}

int WriteSerialPicture(const char* path) {
    const Descriptor peer(posix_openpt(O_RDWR | O_NOCTTY));
    if (peer.get() < 0 || grantpt(peer.get()) != 0 || unlockpt(peer.get()) != 0)
        return 1;
    SetSerialDeviceScan(false);
    AfxGetApp()->WriteProfileString("Serial devices", "COM4", ptsname(peer.get()));
    CScriptedUser user;
    int result = 1;
    user.Choose(IDC_BAUD_LIST, "4800")
        .Then([&peer](HWND) {
            const bool written = write(peer.get(), kNmea, sizeof kNmea - 1) > 0;
            return written ? ModalAction::Acted : ModalAction::Nothing;
        })
        .Then(WaitForDisplay("$GPGGA"))
        .Then([&peer](HWND) {
            usleep(kRefreshPause);
            const bool written = write(peer.get(), kLastNmea, sizeof kLastNmea - 1) > 0;
            return written ? ModalAction::Acted : ModalAction::Nothing;
        })
        .Then(WaitForDisplay("*2A"))
        .Then(Picture(path, result))
        .Click(IDCANCEL);
    PortSetUpStructure gyro{};
    gyro.nPortType = PORT_COM;
    gyro.nPort = 4;
    gyro.nBaud = 4800;
    gyro.nDataBits = 8;
    gyro.nStopBits = 1;
    gyro.cParity = 'N';
    SelectPort(gyro, PORT_ALLOW_ALL | PORT_ALLOW_NO_VIEWER, nullptr, "Gyro input");
    AfxGetApp()->WriteProfileString("Serial devices", nullptr, nullptr);
    return result;
}

int WriteTcpPicture(const char* path) {
    const Descriptor server(socket(AF_INET, SOCK_STREAM, 0));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (bind(server.get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(server.get(), 1) != 0 ||
        getsockname(server.get(), reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return 1;
    CScriptedUser user;
    int result = 1;
    user.Click(IDC_CONNECT)
        .Then([&server](HWND) {
            const Descriptor instrument(accept(server.get(), nullptr, nullptr));
            usleep(kRefreshPause);
            const bool sent = send(instrument.get(), kNmea, sizeof kNmea - 1, 0) > 0 &&
                              send(instrument.get(), kLastNmea, sizeof kLastNmea - 1, 0) > 0;
            return sent ? ModalAction::Acted : ModalAction::Nothing;
        })
        .Then(WaitForDisplay("*2A"))
        .Then(Picture(path, result))
        .Click(IDCANCEL);
    PortSetUpStructure positioning{};
    positioning.nPortType = PORT_TCP;
    positioning.nPort = ntohs(address.sin_port);
    positioning.IPAddress[0] = 127;
    positioning.IPAddress[3] = 1;
    SelectPort(positioning, PORT_ALLOW_ALL, nullptr, "Positioning input");
    return result;
}

const GalleryPicture
    kSerialPicture("port-settings.png",
                   "\"Port settings\" testing a serial line: what it received is shown",
                   WriteSerialPicture);
const GalleryPicture kTcpPicture("port-settings-tcp.png",
                                 "\"Port settings\" connected to a TCP server on 127.0.0.1",
                                 WriteTcpPicture);

} // namespace
