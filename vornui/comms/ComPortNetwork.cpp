// The "Port settings" dialog's network side: the test connection to an IP port, the data
// it brings, and the raw-data viewer with the datagrams forwarded to it.

#include "vornui/comms/CComPortDlg.h"
#include "vornui/log/VornErr.h"
#include "vornui/module/VornuiModule.h"
#include "vornui/platform/FileSystem.h"
#include "vornui/platform/Process.h"
#include "vornui/platform/WinApp.h"
#include "vornui/platform/WindowStyles.h"
#include "vornui/resources/PortDialogIds.h"
#include "vornui/resources/ResourceIds.h"
#include "vornui/vornsockets.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr const char* kSource = "comms/ComPortNetwork";
constexpr int kReceiveBufferSize = 8192;
constexpr int kConnectAttempts = 3;
constexpr int kPacketLength = 32768;
constexpr unsigned short kViewerPort = 14886;
constexpr int kViewerSendBufferSize = 8192;
constexpr BYTE kLoopback[4] = {127, 0, 0, 1};
constexpr int kLongestViewerCommand = 260;
// A DUVA packet's header, which the display leaves out: "E" packets 24 bytes, "R" 27.
constexpr int kDuvaEventHeader = 24;
constexpr int kDuvaRecordHeader = 27;

CString AddressText(const BYTE (&address)[4], int port, LPCTSTR format) {
    CString text;
    text.Format(format, address[0], address[1], address[2], address[3], port);
    return text;
}

} // namespace

void CComPortDlg::OnConnect() {
    if (m_pClient)
        Disconnect();
    else
        Connect();
}

void CComPortDlg::Connect() {
    UpdateData(TRUE);
    m_Address.GetAddress(m_IPAddress[0], m_IPAddress[1], m_IPAddress[2], m_IPAddress[3]);
    AfxMessageBox(AddressText(m_IPAddress, m_nIPPort, "Open %d.%d.%d.%d Port %d"));
    auto client = std::make_unique<CSocketClient>(false);
    const bool tcp = m_nPortType == PORT_TCP;
    if (!client->CreateClientWindow(this,
                                    tcp ? "VEROVAR Communication" : "VEROVAR UDP communication"))
        return;
    const int result =
        tcp ? client->EstablishConnection(m_IPAddress, m_nIPPort, kReceiveBufferSize,
                                          kConnectAttempts)
            : client->EstablishUDPConnection(m_IPAddress, m_nIPPort, kReceiveBufferSize);
    if (result == 0) {
        CString message, caption;
        message.Format("Can't connect to Server on IP-address: %d.%d.%d.%d   Socket port: %04d",
                       m_IPAddress[0], m_IPAddress[1], m_IPAddress[2], m_IPAddress[3], m_nIPPort);
        caption.Format("Connection error: %d", result);
        ::MessageBox(m_hWnd, message, caption, MB_OK | MB_ICONERROR);
        return;
    }
    CString status;
    status.Format(tcp ? "TCP/IP OK %d  - it may take a while before data arrives"
                      : "UDP/IP OK %d - it may take a while before data arrives",
                  result);
    client->SetPacketLength(kPacketLength);
    client->SetCallback(&CComPortDlg::OnSocketData, this);
    m_pClient = std::move(client);
    SetDlgItemText(IDC_CONNECT, "Disconnect");
    ReceiveSocketData(status, status.GetLength());
}

void CComPortDlg::Disconnect() {
    AfxMessageBox(AddressText(m_IPAddress, m_nIPPort, "Close %d.%d.%d.%d Port %d"));
    m_pClient->CloseConnection();
    m_pClient->DestroyWindow();
    m_pClient.reset();
    SetDlgItemText(IDC_CONNECT, "Connect");
}

void CComPortDlg::OnSocketData(unsigned short, unsigned short length, const char* data,
                               void* dialog) {
    static_cast<CComPortDlg*>(dialog)->ReceiveSocketData(data, length);
}

void CComPortDlg::ReceiveSocketData(const char* data, int length) {
    if (!data || length < 2)
        return;
    if (m_nPortType == PORT_DUVA) {
        const int header = data[0] == 'E'   ? kDuvaEventHeader
                           : data[0] == 'R' ? kDuvaRecordHeader
                                            : 0;
        const int cut = std::min(header, length);
        data += cut;
        length -= cut;
    }
    if (m_CaptureFile)
        std::fwrite(data, 1, static_cast<size_t>(length), m_CaptureFile.get());
    Forward(data, length);
    AddToDisplay(CString(data, length) + "\r\n", Path::Socket);
}

// A datagram nobody takes (no viewer listening) is dropped without a word.
void CComPortDlg::Forward(const char* data, int length) const {
    if (m_ForwardSocket && length > 0)
        send(static_cast<SOCKET>(m_ForwardSocket), data, length, 0);
}

void CComPortDlg::PrepareViewerButton() {
    CWnd* button = GetDlgItem(IDC_RAWMONITOR);
    if (m_nAllowedKinds & PORT_ALLOW_NO_VIEWER) {
        button->ShowWindow(SW_HIDE);
        return;
    }
    const char* folder = std::getenv("POSMARBIN");
    if (!folder) {
        button->EnableWindow(FALSE);
        return;
    }
    m_strViewerCommand = JoinPath(folder, "RawMonitor.exe").c_str();
}

void CComPortDlg::OnRawMonitor() {
    if (!m_hViewer) {
        StartViewer();
        return;
    }
    TerminateProcess(m_hViewer, 137);
    CloseHandle(m_hViewer);
    m_hViewer = nullptr;
}

void CComPortDlg::StartViewer() {
    if (m_strViewerCommand.GetLength() > kLongestViewerCommand) {
        const KResourceScope libraryResources;
        CString tooLong;
        tooLong.LoadString(IDS_FILE_PATH_TOO_LONG);
        // The message keeps its words; the log says which command it was about.
        VornErrAt(kSource, __LINE__, VORNERR_LOG_MESSAGE, "Raw data viewer path too long: %s",
                  m_strViewerCommand.GetString());
        AfxMessageBox(tooLong, MB_ICONERROR);
        return;
    }
    STARTUPINFO startup{};
    startup.cb = sizeof startup;
    char title[] = "Posmar RawMonitor";
    startup.lpTitle = title;
    startup.dwFillAttribute = FOREGROUND_BLUE | BACKGROUND_RED;
    startup.dwFlags = STARTF_USEFILLATTRIBUTE | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    CString commandLine = m_strViewerCommand;
    if (!CreateProcess(nullptr, commandLine.GetBuffer(), nullptr, nullptr, FALSE,
                       CREATE_NEW_CONSOLE, nullptr, nullptr, &startup, &process)) {
        VornErrAt(kSource, __LINE__, VORNERR_LOG_MESSAGE,
                  "Raw data viewer could not be started: %s", m_strViewerCommand.GetString());
        return;
    }
    commandLine.ReleaseBuffer();
    CloseHandle(process.hThread);
    m_hViewer = process.hProcess;
    if (m_ForwardSocket)
        return;
    m_bSocketsStarted = InitSocketLibrary() == 1;
    m_ForwardSocket =
        NTInitSocketDGRAMService(SOCK_DGRAM, kViewerPort, kLoopback, kViewerSendBufferSize, 0);
}
