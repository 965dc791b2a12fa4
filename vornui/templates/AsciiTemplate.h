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

inline constexpr int kAsciiChopSetSize = 15;      // a character set, its zero included
inline constexpr int kAsciiRecordNameSize = 30;   // a record name, its zero included
inline constexpr int kAsciiRecordSources = 7;     // sources of a record
inline constexpr int kAsciiMaxColumns = 200;      // column types of a template
inline constexpr int kAsciiMaxRecords = 20;       // records of a template
inline constexpr int kAsciiModuleNameSize = 30;   // a module name, its zero included
inline constexpr int kAsciiTemplateNameSize = 30; // a template name, its zero included
inline constexpr int kAsciiPathSize = 200;        // a path, its zero included
inline constexpr int kAsciiMatchTextSize = 255;   // a header match text, its zero included
inline constexpr int kAsciiMetaNameSize = 32;     // a name in a meta template, its zero included

// One set of splitting characters. Each set is a zero-terminated list of at most 14
// characters; the quote sets and ignoremulti are kept for the editor only.
struct AsciiChopSettings {
    char separators[kAsciiChopSetSize]; // each ends a token
    char hitlist[kAsciiChopSetSize];    // each is dropped wherever it stands
    char quotestart[kAsciiChopSetSize]; // kept for the editor
    char quoteend[kAsciiChopSetSize];   // kept for the editor
    int ignoremulti;                    // kept for the editor; runs of separators always merge
};

// One record the consumer wants from every data line.
struct AsciiRecordTemplate {
    char name[kAsciiRecordNameSize];  // values are asked for by it, ignoring case
    int type;                         // the meta template's number for the record
    int encoding;                     // AsciiFieldEncoding
    int sources[kAsciiRecordSources]; // columns: from 0 for a number, from 1 for a date
    double ConvFactor;                // a fetched value is value * ConvFactor + ConvOffset
    double ConvOffset;                // see ConvFactor
};

// The records a module expects, read from the module's "_meta_.aft".
struct VORNUI_API AsciiMetaTemplate {
    // One record every template of the module must give.
    struct Record {
        char name[kAsciiMetaNameSize]; // the record's name
        int type;                      // the module's number for it
    };

    char moduleName[kAsciiMetaNameSize]; // the module asked for
    int recordCount;                     // 0 ... 20
    Record records[kAsciiMaxRecords];    // the records, in order

    // The meta template of `module` in the template store; nothing when it cannot be read.
    static std::optional<AsciiMetaTemplate> Read(const char* module);
    // The same from a meta template file anywhere.
    static std::optional<AsciiMetaTemplate> ReadFile(const char* module, const char* path);
};

// One template: how a data file of one layout is cut into lines and columns, how its
// columns are decoded and which records each line gives.
struct VORNUI_API AsciiTemplate {
    // Reads the module's meta template and, when there is one, fills the defaults.
    explicit AsciiTemplate(const char* module);

    // Loads the template `name` of the module's folder in the template store; false when
    // a required key is missing or unreadable.
    bool Load(const char* name);
    // Loads the template file at `fullPath`.
    bool LoadFromPath(const char* fullPath);
    // Saves as template `name` in the module's folder of the template store.
    bool Save(const char* name);
    // Saves to the template file at `fullPath`; false when a write failed.
    bool SaveToPath(const char* fullPath);
    // Whether the meta template was read and the last load succeeded.
    bool IsValid() const { return valid; }

    // The counts kept within the fixed arrays, whatever the fields hold.
    int UsedColumnCount() const;
    int UsedRecordCount() const;

    char moduleName[kAsciiModuleNameSize] = {};         // the module's folder name
    char templateName[kAsciiTemplateNameSize] = {};     // the file name, without extension
    AsciiChopSettings fileChop = {};                    // how the file is cut into lines
    AsciiChopSettings columnChop = {};                  // how a line is cut into columns
    int columnCount = 0;                                // how many column types are given
    int columnTypes[kAsciiMaxColumns] = {};             // AsciiColumnType of column 0, 1, ...
    int recordCount = 0;                                // how many records are given
    AsciiRecordTemplate records[kAsciiMaxRecords] = {}; // the records built from each line
    char exampleFile[kAsciiPathSize] = {};              // kept for the editor
    char matchposition[kAsciiMatchTextSize] = {};       // kept for the editor
    char matchdate[kAsciiMatchTextSize] = {};           // kept for the editor
    char matchtime[kAsciiMatchTextSize] = {};           // kept for the editor
    bool loading = false;                               // a load (not a save) runs
    char path[kAsciiPathSize] = {};                     // the file last loaded or saved
    bool valid = false;                                 // see IsValid

private:
    std::string StorePath(const char* name) const;
    bool Exchange();
};

// The folder that holds one folder per module, derived from the running program's path;
// the text lives in one process-wide buffer that the next call overwrites.
VORNUI_API const char* GetAsciiTemplateRoot();
