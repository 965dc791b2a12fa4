#pragma once

// The lines of a data file parsed into records, in one pass over the file held in memory:
// the records that AsciiFileReader's lines give through AsciiRecord::Parse, reached without
// cutting lines or copying columns wherever the columns a template reads are plain numbers.
// A line that is not plain (a column missing, a text that is no plain number, a character
// dropped inside a column read) is cut and parsed the general way, as is every line of a
// template whose records are not all plain numbers (a Stacked record, an angle, time or
// Julian date column, a number or sign among the separators or dropped characters).

#include "vornui/platform/Export.h"
#include "vornui/platform/FileContent.h"
#include "vornui/templates/AsciiTemplate.h"

#include <array>
#include <cstdint>
#include <string>

class AsciiRecord;

class VORNUI_API AsciiRecordReader {
public:
    // The template is borrowed and must outlive the reader unchanged. An unreadable file has
    // no lines.
    AsciiRecordReader(const char* path, const AsciiTemplate& templ);

    // Parses the next line into `record`, made for the same template (a record of another
    // template gets every line the general way); false when the lines are used up.
    bool ReadNext(AsciiRecord& record);

private:
    enum class Line { Read, Empty, NotPlain };

    bool FindPlainReads(const AsciiTemplate& templ);
    bool MarkRead(int column, uint8_t read);
    Line ReadPlainLine(AsciiRecord& record);
    const char* ReadColumn(const char* at, int column);
    const char* SkipColumn(const char* at) const;
    bool EndsColumn(const char* at) const;
    const char* LineEnd(const char* at) const;
    bool ParseGenerally(const char* start, AsciiRecord& record);
    uint8_t ClassOf(char ch) const { return m_class[static_cast<unsigned char>(ch)]; }

    const AsciiTemplate* m_template;
    FileBytes m_content;
    const char* m_next = nullptr; // where the next line starts
    const char* m_end = nullptr;  // the end of the content, a zero byte
    std::array<uint8_t, 256> m_class{};
    bool m_bPlain = false;                           // whether lines can be read plainly
    int m_nReadColumns = 0;                          // the columns read lie below it
    std::array<uint8_t, kAsciiMaxColumns> m_reads{}; // how each column is read
    std::array<int, kAsciiMaxColumns> m_ints{};
    std::array<double, kAsciiMaxColumns> m_doubles{};
    std::string m_line; // a line parsed the general way
};
