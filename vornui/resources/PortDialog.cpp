// The template and strings of the "Port settings" dialog.

#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/ComboBoxControl.h"
#include "vornui/platform/DialogTemplate.h"
#include "vornui/platform/EditControl.h"
#include "vornui/platform/IPAddressCtrl.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/Static.h"
#include "vornui/platform/WindowStyles.h"
#include "vornui/resources/LibraryResources.h"
#include "vornui/resources/PortDialogIds.h"

#include <iterator>

namespace {

constexpr WORD kNoId = 0xFFFF;
constexpr DWORD kButton = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kFrame = WS_VISIBLE | BS_GROUPBOX;
constexpr DWORD kRadio = WS_VISIBLE | BS_AUTORADIOBUTTON;
constexpr DWORD kFirstRadio = kRadio | WS_GROUP | WS_TABSTOP;
constexpr DWORD kLabel = WS_VISIBLE | SS_LEFT;
constexpr DWORD kDropList = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;

constexpr DialogItemTemplate kItems[] = {
    {"Button", "Port type", kNoId, kFrame, 0, 7, 7, 80, 84},
    {"Button", "No Port", IDC_KIND_NONE, kFirstRadio, 0, 14, 20, 66, 10},
    {"Button", "COM Port", IDC_KIND_COM, kRadio, 0, 14, 33, 66, 10},
    {"Button", "UDP/IP Port", IDC_KIND_UDP, kRadio, 0, 14, 46, 66, 10},
    {"Button", "TCP/IP Port", IDC_KIND_TCP, kRadio, 0, 14, 59, 66, 10},
    {"Button", "DUVA", IDC_KIND_DUVA, kRadio, 0, 14, 72, 66, 10},
    {"Button", "Capture", IDC_CAPTURE, kButton | WS_GROUP, 0, 7, 97, 80, 14},
    {"Button", "Show settings", IDC_SHOW_SETTINGS, kButton, 0, 7, 114, 80, 14},
    {"Button", "RawMonitor", IDC_RAWMONITOR, kButton, 0, 7, 131, 80, 14},

    {"Button", "Serial port", IDC_SERIAL_GROUP, kFrame, 0, 94, 7, 239, 84},
    {"Static", "Port:", IDC_COM_PORT_LABEL, kLabel, 0, 101, 21, 30, 8},
    {"ComboBox", "", IDC_COM_PORT_LIST, kDropList | WS_GROUP, 0, 133, 19, 60, 100},
    {"Static", "Baud:", IDC_BAUD_LABEL, kLabel, 0, 101, 38, 30, 8},
    {"ComboBox", "", IDC_BAUD_LIST, kDropList, 0, 133, 36, 60, 120},
    {"Button", "Parity", IDC_PARITY_FRAME, kFrame, 0, 200, 16, 40, 50},
    {"Button", "None", IDC_PARITY_NONE, kFirstRadio, 0, 205, 27, 32, 10},
    {"Button", "Odd", IDC_PARITY_ODD, kRadio, 0, 205, 39, 32, 10},
    {"Button", "Even", IDC_PARITY_EVEN, kRadio, 0, 205, 51, 32, 10},
    {"Button", "Data bits", IDC_DATA_BITS_FRAME, kFrame, 0, 244, 16, 40, 38},
    {"Button", "7", IDC_DATA_BITS_7, kFirstRadio, 0, 249, 27, 30, 10},
    {"Button", "8", IDC_DATA_BITS_8, kRadio, 0, 249, 39, 30, 10},
    {"Button", "Stop bits", IDC_STOP_BITS_FRAME, kFrame, 0, 288, 16, 40, 38},
    {"Button", "1", IDC_STOP_BITS_1, kFirstRadio, 0, 293, 27, 30, 10},
    {"Button", "2", IDC_STOP_BITS_2, kRadio, 0, 293, 39, 30, 10},

    {"Button", "IP port", IDC_IP_GROUP, kFrame, 0, 94, 95, 239, 50},
    {"Static", "Address:", IDC_IP_ADDRESS_LABEL, kLabel, 0, 101, 108, 30, 8},
    {WC_IPADDRESS, "", IDC_IP_ADDRESS, WS_VISIBLE | WS_TABSTOP | WS_GROUP, WS_EX_CLIENTEDGE, 133,
     106, 80, 13},
    {"Button", "Local", IDC_LOCAL, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 220, 107, 40, 10},
    {"Static", "Port:", IDC_IP_PORT_LABEL, kLabel, 0, 101, 126, 30, 8},
    {"Edit", "", IDC_IP_PORT, WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 133, 124,
     40, 13},
    {"Button", "Connect", IDC_CONNECT, kButton, 0, 270, 123, 55, 14},

    {"Edit", "", IDC_DISPLAY,
     WS_VISIBLE | WS_VSCROLL | WS_GROUP | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
     WS_EX_CLIENTEDGE, 7, 151, 326, 56},
    {"Button", "OK", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 229, 212, 50, 14},
    {"Button", "Cancel", IDCANCEL, kButton, 0, 283, 212, 50, 14},
};

constexpr DialogTemplate kPortSettings{DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION |
                                           WS_SYSMENU,
                                       0,
                                       0,
                                       0,
                                       340,
                                       233,
                                       "Port settings",
                                       "MS Shell Dlg",
                                       8,
                                       kItems,
                                       static_cast<WORD>(std::size(kItems))};

constexpr StringResource kStrings[] = {
    {IDS_SHOW_CTS, "Show CTS"},
    {IDS_SHOW_DSR, "Show DSR"},
    {IDS_SHOW_CD, "Show CD"},
    {IDS_SHOW_RING, "Show Ring"},
    {IDS_SHOW_EOF, "Show EOF"},
    {IDS_SHOW_BREAK, "Show break received"},
    {IDS_SHOW_IDS_TIMEOUT, "Show IDS timeout"},
    {IDS_SHOW_DSR_TIMEOUT, "Show DSR timeout"},
    {IDS_SHOW_FRAME, "Show Frame error"},
    {IDS_SHOW_OVERRUN, "Show overrun error"},
    {IDS_SHOW_CD_TIMEOUT, "Show CD timeout"},
    {IDS_SHOW_RX_OVERFLOW, "Show receive buffer overflow"},
    {IDS_SHOW_PARITY, "Show parity error"},
    {IDS_SHOW_TX_FULL, "Show transmit buffer full"},
};

} // namespace

void RegisterPortDialog(HMODULE library) {
    AddResource(library, RT_DIALOG, MAKEINTRESOURCE(IDD_COM_PORT), &kPortSettings,
                sizeof kPortSettings);
    AddStringResources(library, kStrings, std::size(kStrings));
}
