#pragma once

#include "vornui/platform/CString.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/StdioFile.h"

// Guesses the delimiter of a delimited text file: tab, space, ',' or ';', whichever alone
// occurs equally often on every data line after the header line, read from where the
// file stands. "," when none or several do. The file is rewound to its beginning
// afterwards. Lines of any length are read through a buffer of fixed size.
VORNUI_API CString FindCSVDelimiter(CStdioFile& file);
