#pragma once

// The port choices a host offers its user: a whole port record, or a serial port given
// as separate values, each edited in the "Port settings" dialog.

#include "vornui/comms/PortSetUpStructure.h"
#include "vornui/platform/CString.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/Forward.h"

// Lets the user choose the port `record` describes among the kinds of `allowedKinds`
// (ePortAllowed bits), in a dialog owned by `parent` (the main window when null) and
// captioned `title` when it is not empty. On OK the record takes the choice and the
// result is 1; otherwise the record keeps every byte and the result is 0.
VORNUI_API int SelectPort(PortSetUpStructure& record, unsigned int allowedKinds, CWnd* parent,
                          const CString& title);

// Lets the user choose a serial port; `parity` is the parity index (0 none, 1 odd,
// 2 even). On OK the five values take the choice and the result is 1; otherwise they
// stay and the result is 0.
VORNUI_API int SelectCOMPort(int& port, int& baud, int& parity, int& dataBits, int& stopBits,
                             CWnd* parent);
// The same with the parity as a letter 'N', 'O' or 'E' (either case; any other letter
// counts as none); on OK the letter is upper case.
VORNUI_API int SelectCOMPort(int& port, int& baud, char& parity, int& dataBits, int& stopBits,
                             CWnd* parent);
