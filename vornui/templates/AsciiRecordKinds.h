#pragma once

// The names the template editor and the template dialogs show: record kinds with their
// sources (in AsciiFieldEncoding order), value types and column types.

#include "vornui/platform/Export.h"

struct AsciiRecordKind {
    char name[60];
    int sourceCount;
    char sourceNames[7][30];
    bool isDate;
};

inline constexpr int kAsciiRecordKindCount = 4;
VORNUI_API extern const AsciiRecordKind AsciiRecordKindCatalogue[kAsciiRecordKindCount];

// Indexed by AsciiValueType.
VORNUI_API extern const char* const AsciiValueTypeNames[4];

struct AsciiColumnTypeName {
    int code; // AsciiColumnType
    const char* name;
};
inline constexpr int kAsciiColumnTypeNameCount = 7;
VORNUI_API extern const AsciiColumnTypeName AsciiColumnTypeNames[kAsciiColumnTypeNameCount];
