#pragma once

// "Port settings": chooses the kind of an instrument port and its parameters. SelectPort
// and SelectCOMPort (PortSelection.h) run it on a copy of the caller's values.

#include "vornui/comms/PortSetUpStructure.h"
#include "vornui/platform/Button.h"
#include "vornui/platform/ComboBox.h"
#include "vornui/platform/Dialog.h"
#include "vornui/platform/Edit.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/IPAddressCtrl.h"

// The dialog of template IDD_COM_PORT.
class VORNUI_API CComPortDlg : public CDialog {
public:
    // Reads the "COM select" settings of the host's profile; `allowedKinds` is a set of
    // ePortAllowed bits.
    CComPortDlg(CWnd* pParent, unsigned int allowedKinds);

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
    void OnOK() override;

    // One of the five "Port type" choices was clicked.
    void OnKindNone();
    void OnKindCom();
    void OnKindUdp();
    void OnKindTcp();
    void OnKindDuva();
    // "Local" was ticked or cleared: the address becomes 127.0.0.1 or editable again.
    void OnLocal();

    DECLARE_MESSAGE_MAP()

private:
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

    CComboBox m_PortList;
    CComboBox m_BaudList;
    CIPAddressCtrl m_Address;
    CEdit m_Display;
};
