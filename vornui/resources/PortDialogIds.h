#pragma once

// Ids of the "Port settings" dialog's template, controls and strings. Hosts may use them
// through the resource chain.

#define IDD_COM_PORT 13122 // template "Port settings"

#define IDC_CONNECT 13128    // connect / disconnect the IP port
#define IDC_RAWMONITOR 13129 // start / end the raw-data viewer

#define IDC_CAPTURE 14100          // start / stop the capture
#define IDC_DISPLAY 14101          // what the port received
#define IDC_COM_PORT_LIST 14102    // the serial ports
#define IDC_BAUD_LIST 14104        // the baud rates
#define IDC_PARITY_NONE 14105      // parity "None"
#define IDC_PARITY_EVEN 14106      // parity "Even"
#define IDC_PARITY_ODD 14107       // parity "Odd"
#define IDC_DATA_BITS_8 14108      // data bits "8"
#define IDC_DATA_BITS_7 14109      // data bits "7"
#define IDC_STOP_BITS_1 14110      // stop bits "1"
#define IDC_STOP_BITS_2 14111      // stop bits "2"
#define IDC_SHOW_SETTINGS 14112    // "Show settings"
#define IDC_MSCOMM 14113           // the serial port control
#define IDC_IP_GROUP 14118         // the IP port's frame
#define IDC_IP_ADDRESS 14119       // the IP address
#define IDC_IP_PORT 14121          // the IP port number
#define IDC_IP_ADDRESS_LABEL 14123 // the IP address's label
#define IDC_IP_PORT_LABEL 14125    // the IP port number's label
#define IDC_COM_PORT_LABEL 14127   // the serial ports' label
#define IDC_BAUD_LABEL 14129       // the baud rates' label
#define IDC_PARITY_FRAME 14131     // the parity choices' frame
#define IDC_DATA_BITS_FRAME 14133  // the data-bit choices' frame
#define IDC_STOP_BITS_FRAME 14134  // the stop-bit choices' frame
#define IDC_SERIAL_GROUP 14135     // the serial port's frame
#define IDC_KIND_COM 14136         // "COM Port"
#define IDC_KIND_UDP 14137         // "UDP/IP Port"
#define IDC_KIND_TCP 14138         // "TCP/IP Port"
#define IDC_KIND_NONE 14139        // "No Port"
#define IDC_LOCAL 14140            // "Local": the address is 127.0.0.1
#define IDC_KIND_DUVA 14141        // "DUVA"

// The display names of the serial events the dialog can show, in the order of the
// "COM select" show flags.
#define IDS_SHOW_CTS 14150         // "Show CTS"
#define IDS_SHOW_DSR 14151         // "Show DSR"
#define IDS_SHOW_CD 14152          // "Show CD"
#define IDS_SHOW_RING 14153        // "Show Ring"
#define IDS_SHOW_EOF 14154         // "Show EOF"
#define IDS_SHOW_BREAK 14155       // "Show break received"
#define IDS_SHOW_IDS_TIMEOUT 14156 // "Show IDS timeout"
#define IDS_SHOW_DSR_TIMEOUT 14157 // "Show DSR timeout"
#define IDS_SHOW_FRAME 14158       // "Show Frame error"
#define IDS_SHOW_OVERRUN 14159     // "Show overrun error"
#define IDS_SHOW_CD_TIMEOUT 14160  // "Show CD timeout"
#define IDS_SHOW_RX_OVERFLOW 14161 // "Show receive buffer overflow"
#define IDS_SHOW_PARITY 14162      // "Show parity error"
#define IDS_SHOW_TX_FULL 14163     // "Show transmit buffer full"
