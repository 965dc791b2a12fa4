#include "vornui/templates/AsciiRecordKinds.h"

#include "vornui/templates/AsciiTemplate.h"

const AsciiRecordKind AsciiRecordKindCatalogue[kAsciiRecordKindCount] = {
    {"Double", 1, {"Data"}, false},
    {"Integer", 1, {"Data"}, false},
    {"Stacked", 1, {"First"}, false},
    {"Date (y+m+d + h+m+s)", 6, {"Year", "Month", "Day", "Hour", "Minute", "Second"}, true},
};

const char* const AsciiValueTypeNames[4] = {"Invalid", "Integer", "Double", "Stacked"};

const AsciiColumnTypeName AsciiColumnTypeNames[kAsciiColumnTypeNameCount] = {
    {AsciiColumnNone, "None"},
    {AsciiColumnIgnore, "Ignore"},
    {AsciiColumnNorthSouth, "North/South"},
    {AsciiColumnEastWest, "East/West"},
    {AsciiColumnAngle, "Angle (ddd?mm?ss.ss)"},
    {AsciiColumnTime, "Time (hh?mm?ss.ss)"},
    {AsciiColumnJulianDate, "Julian Date (jjjhhmmss.ss)"},
};
