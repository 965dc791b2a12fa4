#pragma once

// What the common controls share: their notification header ranges and the CCS_* styles
// that place a bar along its parent's edge.

#include "vornui/platform/WindowMessages.h"

#define CCS_TOP 0x00000001L
#define CCS_NOMOVEY 0x00000002L
#define CCS_BOTTOM 0x00000003L
#define CCS_NORESIZE 0x00000004L
#define CCS_NOPARENTALIGN 0x00000008L
#define CCS_ADJUSTABLE 0x00000020L
#define CCS_NODIVIDER 0x00000040L

#define CCM_FIRST 0x2000
#define CCM_SETBKCOLOR (CCM_FIRST + 1)

#define TCN_FIRST (0u - 550u)
#define UDN_FIRST (0u - 721u)
#define SBN_FIRST (0u - 880u)
