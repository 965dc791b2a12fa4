#include "vornui/comms/CComPortDlg.h"

#include "vornui/comms/SerialPortListing.h"
#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/DataExchange.h"
#include "vornui/platform/WinApp.h"
#include "vornui/resources/PortDialogIds.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace {

constexpr LPCTSTR kSettingsSection = "COM select";
constexpr int kDefaultPortLimit = 64;
constexpr BYTE kLoopback[4] = {127, 0, 0, 1};

// The "Port type" choices, indexed by kind.
constexpr int kKindIds[] = {IDC_KIND_NONE, IDC_KIND_COM, IDC_KIND_UDP, IDC_KIND_TCP, IDC_KIND_DUVA};

constexpr int kSerialIds[] = {
    IDC_SERIAL_GROUP, IDC_COM_PORT_LABEL, IDC_COM_PORT_LIST,   IDC_BAUD_LABEL,  IDC_BAUD_LIST,
    IDC_PARITY_FRAME, IDC_PARITY_NONE,    IDC_PARITY_ODD,      IDC_PARITY_EVEN, IDC_DATA_BITS_FRAME,
    IDC_DATA_BITS_7,  IDC_DATA_BITS_8,    IDC_STOP_BITS_FRAME, IDC_STOP_BITS_1, IDC_STOP_BITS_2};

constexpr int kIpIds[] = {IDC_IP_GROUP,      IDC_IP_ADDRESS_LABEL, IDC_LOCAL,
                          IDC_IP_PORT_LABEL, IDC_IP_PORT,          IDC_CONNECT};

bool IsIpKind(int kind) {
    return kind == PORT_UDP || kind == PORT_TCP || kind == PORT_DUVA;
}

int ProfileInt(LPCTSTR entry, int fallback) {
    CWinApp* app = AfxGetApp();
    return app ? static_cast<int>(app->GetProfileInt(kSettingsSection, entry, fallback)) : fallback;
}

} // namespace

CComPortDlg::CComPortDlg(CWnd* pParent, unsigned int allowedKinds)
    : CDialog(IDD_COM_PORT, pParent), m_nAllowedKinds(allowedKinds),
      m_nPortLimit(ProfileInt("ComPortSelectLimit", kDefaultPortLimit)) {}

// clang-format off
BEGIN_MESSAGE_MAP(CComPortDlg, CDialog)
    ON_BN_CLICKED(IDC_KIND_NONE, &ThisClass::OnKindNone)
    ON_BN_CLICKED(IDC_KIND_COM, &ThisClass::OnKindCom)
    ON_BN_CLICKED(IDC_KIND_UDP, &ThisClass::OnKindUdp)
    ON_BN_CLICKED(IDC_KIND_TCP, &ThisClass::OnKindTcp)
    ON_BN_CLICKED(IDC_KIND_DUVA, &ThisClass::OnKindDuva)
    ON_BN_CLICKED(IDC_LOCAL, &ThisClass::OnLocal)
END_MESSAGE_MAP()
// clang-format on

void CComPortDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COM_PORT_LIST, m_PortList);
    DDX_Control(pDX, IDC_BAUD_LIST, m_BaudList);
    DDX_Control(pDX, IDC_IP_ADDRESS, m_Address);
    DDX_Control(pDX, IDC_DISPLAY, m_Display);
    DDX_Radio(pDX, IDC_PARITY_NONE, m_nParityChoice);
    DDX_Radio(pDX, IDC_DATA_BITS_7, m_nDataBitsChoice);
    DDX_Radio(pDX, IDC_STOP_BITS_1, m_nStopBitsChoice);
    DDX_Check(pDX, IDC_LOCAL, m_bLocal);
    DDX_Text(pDX, IDC_IP_PORT, m_nIPPort);
    DDV_MinMaxInt(pDX, m_nIPPort, 0, 65535);
}

BOOL CComPortDlg::OnInitDialog() {
    if (m_nPortType < PORT_NONE || m_nPortType > PORT_DUVA)
        m_nPortType = PORT_NONE;
    PresetSerialChoices();
    m_bLocal = IsIpKind(m_nPortType) &&
               std::equal(std::begin(kLoopback), std::end(kLoopback), std::begin(m_IPAddress));
    CDialog::OnInitDialog();
    if (!m_strTitle.IsEmpty())
        SetWindowText(m_strTitle);
    ListPorts();
    ListBaudRates();
    if (IsIpKind(m_nPortType))
        m_Address.SetAddress(m_IPAddress[0], m_IPAddress[1], m_IPAddress[2], m_IPAddress[3]);
    ChooseKind(m_nPortType);
    m_Display.SetWindowText(
        "Listing available ports - note ports opened by Posmar, Sonvar etc will not be included");
    return TRUE;
}

// The current port is shown when it is listed; otherwise the first listed port is, and
// that is the port the dialog answers unless the user picks another.
void CComPortDlg::ListPorts() {
    const std::vector<int> ports = ListSerialPorts(m_nPortLimit);
    for (const int port : ports) {
        CString name;
        name.Format("COM%d", port);
        m_PortList.AddString(name);
    }
    if (ports.empty())
        return;
    if (m_nComPort == 0)
        m_nComPort = ports.front();
    const auto current = std::find(ports.begin(), ports.end(), m_nComPort);
    m_PortList.SetCurSel(current == ports.end() ? 0 : static_cast<int>(current - ports.begin()));
}

// A baud that is not in the table selects nothing and is kept.
void CComPortDlg::ListBaudRates() {
    if (m_nBaudRate == 0)
        m_nBaudRate = g_nDefaultBaudRate;
    for (int index = 0; index < g_nBaudRateCount; ++index) {
        CString rate;
        rate.Format("%d", g_nBaudRates[index]);
        m_BaudList.AddString(rate);
        if (g_nBaudRates[index] == m_nBaudRate)
            m_BaudList.SetCurSel(index);
    }
}

void CComPortDlg::PresetSerialChoices() {
    m_nStopBitsChoice = m_nStopBits == 2 ? 1 : 0;
    m_nDataBitsChoice = m_nDataBits == 7 ? 0 : 1;
    m_nParityChoice = m_nParity >= 0 && m_nParity <= 2 ? m_nParity : 0;
}

void CComPortDlg::ReadSerialChoices() {
    CString text;
    m_PortList.GetWindowText(text);
    std::sscanf(text, "COM%d", &m_nComPort);
    m_BaudList.GetWindowText(text);
    std::sscanf(text, "%d", &m_nBaudRate);
    m_nStopBits = m_nStopBitsChoice + 1;
    m_nDataBits = m_nDataBitsChoice + 7;
    m_nParity = m_nParityChoice;
}

void CComPortDlg::ChooseKind(int kind) {
    m_nPortType = kind;
    for (int each = PORT_NONE; each <= PORT_DUVA; ++each)
        CheckDlgButton(kKindIds[each], each == kind ? BST_CHECKED : BST_UNCHECKED);
    EnableControls();
}

void CComPortDlg::EnableControls() {
    for (int kind = PORT_NONE; kind <= PORT_DUVA; ++kind)
        GetDlgItem(kKindIds[kind])->EnableWindow((m_nAllowedKinds & (1u << kind)) != 0);
    for (const int id : kSerialIds)
        GetDlgItem(id)->EnableWindow(m_nPortType == PORT_COM);
    const bool ip = IsIpKind(m_nPortType);
    for (const int id : kIpIds)
        GetDlgItem(id)->EnableWindow(ip);
    m_Address.EnableWindow(ip && !IsDlgButtonChecked(IDC_LOCAL));
}

void CComPortDlg::ShowLocalAddress() {
    if (IsDlgButtonChecked(IDC_LOCAL))
        m_Address.SetAddress(kLoopback[0], kLoopback[1], kLoopback[2], kLoopback[3]);
    EnableControls();
}

void CComPortDlg::OnKindNone() {
    ChooseKind(PORT_NONE);
}

void CComPortDlg::OnKindCom() {
    ChooseKind(PORT_COM);
}

void CComPortDlg::OnKindUdp() {
    ChooseKind(PORT_UDP);
}

void CComPortDlg::OnKindTcp() {
    ChooseKind(PORT_TCP);
}

void CComPortDlg::OnKindDuva() {
    ChooseKind(PORT_DUVA);
}

void CComPortDlg::OnLocal() {
    ShowLocalAddress();
}

void CComPortDlg::OnOK() {
    if (!UpdateData(TRUE))
        return;
    ReadSerialChoices();
    m_Address.GetAddress(m_IPAddress[0], m_IPAddress[1], m_IPAddress[2], m_IPAddress[3]);
    EndDialog(IDOK);
}
