#pragma once

// "Port settings": chooses the kind of an instrument port and its parameters, and tests
// it live. SelectPort and SelectCOMPort (PortSelection.h) run it on a copy of the caller's
// values.
//
// A serial port is opened as soon as it is chosen and shows what it receives; an IP port
// shows what arrives once connected. The raw bytes can be captured to a file and are
// forwarded as datagrams to the raw-data viewer on 127.0.0.1 port 14886 while it runs.
// The display is refreshed at most once per 100 ms on each path (serial, socket) and
// shows the last 512 characters.
//
// Two choices of this dialog's own: starting a capture empties the serial control's
// transmit buffer (OutBufferCount = 0), which leaves every received byte to the capture;
// and a connection that fails (result 0) shows "Can't connect to Server on IP-address:
// ..." and leaves the dialog disconnected, since that is what a person needs to know.
// The viewer's console title and colours have no meaning on Linux and are only passed on.

#include "vornui/comms/PortSetUpStructure.h"
#include "vornui/platform/Button.h"
#include "vornui/platform/ComboBox.h"
#include "vornui/platform/Dialog.h"
#include "vornui/platform/Edit.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/IPAddressCtrl.h"
#include "vornui/platform/MSComm.h"

#include <cstdio>
#include <memory>

class CSocketClient;

// The dialog of template IDD_COM_PORT.
class VORNUI_API CComPortDlg : public CDialog {
public:
    // Reads the "COM select" settings of the host's profile; `allowedKinds` is a set of
    // ePortAllowed bits.
    CComPortDlg(CWnd* pParent, unsigned int allowedKinds);
    // Ends a capture and the forwarding; a running viewer is left running.
    ~CComPortDlg() override;

    // Shown as the caption when not empty.
    CString m_strTitle;
    // The kind of port (ePortType); any other kind opens as PORT_NONE.
    int m_nPortType = PORT_NONE;

    // The serial port: its COM number (0: the first one listed), baud, parity index
    // (0 none, 1 odd, 2 even), data bits (7 or 8) and stop bits (1 or 2).
    int m_nComPort = 0;
    int m_nBaudRate = g_nDefaultBaudRate;
    int m_nParity = 0;
    int m_nDataBits = 8;
    int m_nStopBits = 1;

    // The IP port: its number (0 to 65535) and address, first octet first.
    int m_nIPPort = 0;
    BYTE m_IPAddress[4] = {};

protected:
    // Lists the ports and baud rates, presets the choices and enables what the kind uses.
    BOOL OnInitDialog() override;
    // Attaches the controls and exchanges the IP port number.
    void DoDataExchange(CDataExchange* pDX) override;
    // Reads every choice back; a bad IP port number keeps the dialog open on its field.
    // The serial port is closed and a connection ended.
    void OnOK() override;
    // Ends a connection and closes the dialog.
    void OnCancel() override;

    // One of the five "Port type" choices was clicked.
    void OnKindNone();
    void OnKindCom();
    void OnKindUdp();
    void OnKindTcp();
    void OnKindDuva();
    // "Local" was ticked or cleared: the address becomes 127.0.0.1 or editable again.
    void OnLocal();
    // Another serial port was picked: it is opened instead.
    void OnPortChosen();
    // The baud rate, parity, data bits or stop bits changed: the open port takes them.
    void OnSerialSettingChanged();
    // The serial control's event: data received, a line change or a line error.
    void OnComm();
    // Connects to the IP port, or disconnects.
    void OnConnect();
    // Starts a capture into a file, or stops it and opens the file.
    void OnCapture();
    // Chooses which serial events the display shows.
    void OnShowSettings();
    // Starts the raw-data viewer, or ends it.
    void OnRawMonitor();

    DECLARE_MESSAGE_MAP()

private:
    enum class Path { Serial, Socket };
    static constexpr int kShowFlagCount = 14; // one per SerialEventFlags.h entry

    static void OnSocketData(unsigned short port, unsigned short length, const char* data,
                             void* dialog);
    void ReceiveSocketData(const char* data, int length);
    void ReceiveSerialData();
    void Forward(const char* data, int length) const;
    void AddToDisplay(const CString& text, Path path);
    void OpenSerialPort();
    void CloseSerialPort();
    CString SerialSettings() const;
    void Connect();
    void Disconnect();
    void StartCapture();
    void StopCapture();
    void StartViewer();
    void PrepareViewerButton();
    void ListPorts();
    void ListBaudRates();
    void PresetSerialChoices();
    void ChooseKind(int kind);
    void EnableControls();
    void ReadSerialChoices();
    void ShowLocalAddress();

    unsigned int m_nAllowedKinds;
    int m_nPortLimit;
    BOOL m_bLocal = FALSE;
    int m_nParityChoice = 0;
    int m_nDataBitsChoice = 1;
    int m_nStopBitsChoice = 0;

    BOOL m_bShow[kShowFlagCount];
    CString m_strDisplay;
    DWORD m_dwLastRefresh[2] = {};
    bool m_bRefreshed[2] = {};
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> m_CaptureFile{nullptr, std::fclose};
    CString m_strCaptureFile;
    std::unique_ptr<CSocketClient> m_pClient;
    CString m_strViewerCommand;
    HANDLE m_hViewer = nullptr;
    UINT_PTR m_ForwardSocket = 0;
    bool m_bSocketsStarted = false;

    CMSComm m_Comm;
    CComboBox m_PortList;
    CComboBox m_BaudList;
    CIPAddressCtrl m_Address;
    CEdit m_Display;
};
