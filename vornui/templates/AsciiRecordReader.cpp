#include "vornui/templates/AsciiRecordReader.h"

#include "vornui/templates/AsciiChopTable.h"
#include "vornui/templates/AsciiDataFile.h"
#include "vornui/templates/AsciiRecord.h"
#include "vornui/templates/NumberScan.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace {

// What a character is to a line and to its columns.
enum CharClass : uint8_t {
    kKeep,       // stays in its column
    kColumnEnd,  // ends a column
    kColumnDrop, // vanishes from its column (a line of nothing else is still a line)
    kLineDrop,   // vanishes from the line
    kLineEnd,    // ends the line
};

// How a column is read.
constexpr uint8_t kReadInt = 1;
constexpr uint8_t kReadDouble = 2;

// Every character a plain number can hold: where one of them separates or is dropped, a
// number read in place could run over the end of its column.
constexpr std::string_view kNumberChars = "0123456789+-.eE";

constexpr int kDateParts = 6;

bool IsDropped(uint8_t kind) {
    return kind == kColumnDrop || kind == kLineDrop;
}

bool ReadsAngleOrTime(const AsciiTemplate& templ, int column) {
    const int type = column < templ.UsedColumnCount() ? templ.columnTypes[column] : 0;
    return type == AsciiColumnAngle || type == AsciiColumnTime || type == AsciiColumnJulianDate;
}

} // namespace

AsciiRecordReader::AsciiRecordReader(const char* path, const AsciiTemplate& templ)
    : m_template(&templ) {
    std::optional<FileBytes> content = ReadAsciiDataFile(path);
    if (!content)
        return;
    m_content = std::move(*content);
    m_content.bytes[m_content.size] = '\0';
    m_next = m_content.bytes.get();
    m_end = m_next + m_content.size;
    const AsciiChopTable lines(templ.fileChop);
    const AsciiChopTable columns(templ.columnChop);
    for (size_t i = 0; i < m_class.size(); ++i) {
        const char ch = static_cast<char>(i);
        m_class[i] = lines.EndsToken(ch)     ? kLineEnd
                     : !lines.Keeps(ch)      ? kLineDrop
                     : columns.EndsToken(ch) ? kColumnEnd
                     : !columns.Keeps(ch)    ? kColumnDrop
                                             : kKeep;
    }
    m_bPlain = FindPlainReads(templ);
}

bool AsciiRecordReader::ReadNext(AsciiRecord& record) {
    while (m_next < m_end) {
        const char* const start = m_next;
        // The columns read were found for this reader's template, not for another record's.
        if (m_bPlain && record.m_template == m_template) {
            const Line line = ReadPlainLine(record);
            if (line == Line::Read)
                return true;
            if (line == Line::Empty)
                continue;
        }
        if (ParseGenerally(start, record))
            return true;
    }
    return false;
}

// Which columns the records read, and whether each read can be a plain number.
bool AsciiRecordReader::FindPlainReads(const AsciiTemplate& templ) {
    if (!std::all_of(kNumberChars.begin(), kNumberChars.end(),
                     [this](char ch) { return ClassOf(ch) == kKeep; }))
        return false;
    for (int i = 0; i < templ.UsedRecordCount(); ++i) {
        const AsciiRecordTemplate& record = templ.records[i];
        const int* sources = record.sources;
        switch (record.encoding) {
        case AsciiEncodingDouble:
            if (sources[0] != -1 &&
                (!MarkRead(sources[0], kReadDouble) || ReadsAngleOrTime(templ, sources[0])))
                return false;
            break;
        case AsciiEncodingInteger:
            if (!MarkRead(sources[0], kReadInt))
                return false;
            break;
        case AsciiEncodingStacked:
            return false;
        case AsciiEncodingDate:
            if (std::all_of(sources, sources + kDateParts, [](int source) { return source == 0; }))
                return false;
            for (int part = 0; part < kDateParts; ++part) {
                const uint8_t read = part < kDateParts - 1 ? kReadInt : kReadDouble;
                if (sources[part] < 0 || (sources[part] > 0 && !MarkRead(sources[part] - 1, read)))
                    return false;
            }
            break;
        default:
            break;
        }
    }
    return true;
}

bool AsciiRecordReader::MarkRead(int column, uint8_t read) {
    if (column < 0 || column >= kAsciiMaxColumns)
        return false;
    m_reads[static_cast<size_t>(column)] |= read;
    m_nReadColumns = std::max(m_nReadColumns, column + 1);
    return true;
}

// One pass over the line: each column read is converted where it stands, the others are
// stepped over.
AsciiRecordReader::Line AsciiRecordReader::ReadPlainLine(AsciiRecord& record) {
    const char* at = m_next;
    int column = 0;
    bool isLine = false;
    for (;;) {
        const uint8_t kind = ClassOf(*at);
        if (kind == kKeep) {
            isLine = true;
            const bool read = column < m_nReadColumns && m_reads[static_cast<size_t>(column)];
            at = read ? ReadColumn(at, column) : SkipColumn(at);
            if (!at)
                return Line::NotPlain;
            ++column;
        } else if (kind == kLineEnd || at == m_end) {
            break;
        } else {
            isLine = isLine || kind != kLineDrop;
            ++at;
        }
    }
    m_next = at < m_end ? at + 1 : m_end;
    if (!isLine)
        return Line::Empty;
    if (column < m_nReadColumns)
        return Line::NotPlain;
    record.ParsePlain(m_ints.data(), m_doubles.data());
    return Line::Read;
}

// The end of the number that fills the column starting `at`; nullptr when the column holds
// anything else.
const char* AsciiRecordReader::ReadColumn(const char* at, int column) {
    const size_t index = static_cast<size_t>(column);
    const char* end = at;
    if (m_reads[index] & kReadInt) {
        end = number_scan::ReadDecimal(at, m_ints[index]);
        if (!end || !EndsColumn(end))
            return nullptr;
    }
    if (m_reads[index] & kReadDouble) {
        end = ReadPlainDouble(at, m_doubles[index]);
        if (!end || !EndsColumn(end))
            return nullptr;
    }
    return end;
}

// Dropped characters vanish inside a column; only a separator or the line's end ends it.
const char* AsciiRecordReader::SkipColumn(const char* at) const {
    for (;; ++at) {
        const uint8_t kind = ClassOf(*at);
        if (kind == kColumnEnd || kind == kLineEnd || at == m_end)
            return at;
    }
}

bool AsciiRecordReader::EndsColumn(const char* at) const {
    while (at != m_end && IsDropped(ClassOf(*at)))
        ++at;
    return at == m_end || ClassOf(*at) == kColumnEnd || ClassOf(*at) == kLineEnd;
}

const char* AsciiRecordReader::LineEnd(const char* at) const {
    while (at < m_end && ClassOf(*at) != kLineEnd)
        ++at;
    return at;
}

// The line as the file's line splitting gives it, without the characters it drops; a line
// of dropped characters only is no line.
bool AsciiRecordReader::ParseGenerally(const char* start, AsciiRecord& record) {
    const char* const end = LineEnd(start);
    m_next = end < m_end ? end + 1 : m_end;
    m_line.assign(start, end);
    std::erase_if(m_line, [this](char ch) { return ClassOf(ch) == kLineDrop; });
    if (m_line.empty())
        return false;
    record.Parse(m_line);
    return true;
}
