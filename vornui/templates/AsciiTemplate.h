#pragma once

// ASCII data-file templates: the layout of one kind of data file (how the file is cut
// into lines, lines into columns, how each column is decoded and which records are built
// from the columns), loaded from and saved to an ".aft" profile file in the template store.

#include "vornui/platform/Export.h"

#include <optional>
#include <string>

// How the value of a record is built from the columns of a line.
enum AsciiFieldEncoding : int {
    AsciiEncodingDouble = 0,
    AsciiEncodingInteger = 1,
    AsciiEncodingStacked = 2,
    AsciiEncodingDate = 3,
};

// How the text of a column is decoded. Every code without a name here decodes as a plain
// number.
enum AsciiColumnType : int {
    AsciiColumnNone = 0,
    AsciiColumnIgnore = 1,
    AsciiColumnNorthSouth = 4,
    AsciiColumnEastWest = 5,
    AsciiColumnAngle = 6,
    AsciiColumnTime = 8,
    AsciiColumnJulianDate = 9,
};

inline constexpr int kAsciiChopSetSize = 15;
inline constexpr int kAsciiRecordNameSize = 30;
inline constexpr int kAsciiRecordSources = 7;
inline constexpr int kAsciiMaxColumns = 200;
inline constexpr int kAsciiMaxRecords = 20;
inline constexpr int kAsciiModuleNameSize = 30;
inline constexpr int kAsciiTemplateNameSize = 30;
inline constexpr int kAsciiPathSize = 200;
inline constexpr int kAsciiMatchTextSize = 255;
inline constexpr int kAsciiMetaNameSize = 32;

// One set of splitting characters. Each set is a zero-terminated list of at most 14
// characters; the quote sets and ignoremulti are kept for the editor only.
struct AsciiChopSettings {
    char separators[kAsciiChopSetSize];
    char hitlist[kAsciiChopSetSize];
    char quotestart[kAsciiChopSetSize];
    char quoteend[kAsciiChopSetSize];
    int ignoremulti;
};

// One record the consumer wants from every data line.
struct AsciiRecordTemplate {
    char name[kAsciiRecordNameSize];
    int type;
    int encoding; // AsciiFieldEncoding
    int sources[kAsciiRecordSources];
    double ConvFactor;
    double ConvOffset;
};

// The records a module expects, read from the module's "_meta_.aft".
struct VORNUI_API AsciiMetaTemplate {
    struct Record {
        char name[kAsciiMetaNameSize];
        int type;
    };

    char moduleName[kAsciiMetaNameSize];
    int recordCount;
    Record records[kAsciiMaxRecords];

    static std::optional<AsciiMetaTemplate> Read(const char* module);
    // The same from a meta template file anywhere.
    static std::optional<AsciiMetaTemplate> ReadFile(const char* module, const char* path);
};

struct VORNUI_API AsciiTemplate {
    // Reads the module's meta template and, when there is one, fills the defaults.
    explicit AsciiTemplate(const char* module);

    // The template `name` of the module's folder in the template store.
    bool Load(const char* name);
    bool LoadFromPath(const char* fullPath);
    bool Save(const char* name);
    bool SaveToPath(const char* fullPath);
    bool IsValid() const { return valid; }

    // The counts kept within the fixed arrays, whatever the fields hold.
    int UsedColumnCount() const;
    int UsedRecordCount() const;

    char moduleName[kAsciiModuleNameSize] = {};
    char templateName[kAsciiTemplateNameSize] = {};
    AsciiChopSettings fileChop = {};
    AsciiChopSettings columnChop = {};
    int columnCount = 0;
    int columnTypes[kAsciiMaxColumns] = {};
    int recordCount = 0;
    AsciiRecordTemplate records[kAsciiMaxRecords] = {};
    char exampleFile[kAsciiPathSize] = {};
    char matchposition[kAsciiMatchTextSize] = {};
    char matchdate[kAsciiMatchTextSize] = {};
    char matchtime[kAsciiMatchTextSize] = {};
    bool loading = false;
    char path[kAsciiPathSize] = {};
    bool valid = false;

private:
    std::string StorePath(const char* name) const;
    bool Exchange();
};

// The folder that holds one folder per module, derived from the running program's path;
// the text lives in one process-wide buffer that the next call overwrites.
VORNUI_API const char* GetAsciiTemplateRoot();
