#pragma once

// The serial events the "Port settings" dialog can show, each with its show flag's key
// in the profile section "COM select", its display name and the text the display shows.

#include "vornui/platform/MSComm.h"
#include "vornui/resources/PortDialogIds.h"

// One serial event the display can show.
struct SerialEventFlag {
    LPCTSTR profileKey;
    UINT nameId; // the display name's string
    short event; // the serial control's CommEvent
    LPCTSTR text;
};

// The flags in their order.
inline constexpr SerialEventFlag g_SerialEventFlags[] = {
    {"Show CTS", IDS_SHOW_CTS, comEvCTS, "<CTS>\r\n"},
    {"Show DSR", IDS_SHOW_DSR, comEvDSR, "<DSR>\r\n"},
    {"Show CD", IDS_SHOW_CD, comEvCD, "<CD>\r\n"},
    {"Show Ring", IDS_SHOW_RING, comEvRing, "<Ring>\r\n"},
    {"Show EOF", IDS_SHOW_EOF, comEvEOF, "<EOF>\r\n"},
    {"Show Break Recv.", IDS_SHOW_BREAK, comEventBreak, "Error :Break received\r\n"},
    {"Show IDS Timeout", IDS_SHOW_IDS_TIMEOUT, comEventCTSTO, "Error :IDS Timeout\r\n"},
    {"Show DSR Timeout", IDS_SHOW_DSR_TIMEOUT, comEventDSRTO, "Error :DSR Timeout\r\n"},
    {"Show Frame error", IDS_SHOW_FRAME, comEventFrame, "Error :Frame\r\n"},
    {"Show Overrun error", IDS_SHOW_OVERRUN, comEventOverrun, "Error :Overrun\r\n"},
    {"Show CD Timeout", IDS_SHOW_CD_TIMEOUT, comEventCDTO, "Error :CD Timeout\r\n"},
    {"Show RX buffer overflow", IDS_SHOW_RX_OVERFLOW, comEventRxOver,
     "Error :Read buffer overflow\r\n"},
    {"Show Parity error", IDS_SHOW_PARITY, comEventRxParity, "Error :Parity\r\n"},
    {"Show TX buffer full", IDS_SHOW_TX_FULL, comEventTxFull, "Error :Transmit buffer full\r\n"},
};
