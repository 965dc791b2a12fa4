#pragma once

// The names the template editor and the template dialogs show: record kinds with their
// sources (in AsciiFieldEncoding order), value types and column types.

#include "vornui/platform/Export.h"

// One kind of record (an AsciiFieldEncoding) as the editor shows it.
struct AsciiRecordKind {
    char name[60];           // "Double", "Integer", "Stacked", "Date (y+m+d + h+m+s)"
    int sourceCount;         // how many sources the kind reads
    char sourceNames[7][30]; // what each source names ("Data", "Year", ...)
    bool isDate;             // true for the date kind only
};

// The number of record kinds.
inline constexpr int kAsciiRecordKindCount = 4;
// The record kinds, indexed by AsciiFieldEncoding.
VORNUI_API extern const AsciiRecordKind AsciiRecordKindCatalogue[kAsciiRecordKindCount];

// Indexed by AsciiValueType.
VORNUI_API extern const char* const AsciiValueTypeNames[4];

// The name the editor shows for a column type.
struct AsciiColumnTypeName {
    int code;         // AsciiColumnType
    const char* name; // "None", "Angle (ddd?mm?ss.ss)", ...
};
// The number of named column types.
inline constexpr int kAsciiColumnTypeNameCount = 7;
// The named column types, in the editor's order.
VORNUI_API extern const AsciiColumnTypeName AsciiColumnTypeNames[kAsciiColumnTypeNameCount];
