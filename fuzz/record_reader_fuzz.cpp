// Any data file read in one pass through a template whose chop settings, records and
// column types come from the input's first bytes: every record must be the one that the
// line reader and the record parser give for the same line, or the program stops.
#include "FuzzFile.h"

#include "vornui/templates/AsciiFileReader.h"
#include "vornui/templates/AsciiRecord.h"
#include "vornui/templates/AsciiRecordReader.h"

#include <cstdlib>
#include <cstring>
#include <iterator>

namespace {

constexpr size_t kHeaderSize = 16;

// Sets with and without the characters numbers are made of, so that both ways of reading
// a line are reached.
constexpr const char* kColumnSeparators[] = {",", " /:", ",;", " \t", "./", "-"};
constexpr const char* kColumnDropped[] = {"", " ", "\t", " \t", "\r", "0"};
constexpr const char* kLineSeparators[] = {"\n", "\n;", "\r", " "};
constexpr const char* kLineDropped[] = {"\r", "", "\t", "\r\n"};

template <size_t N>
const char* Pick(const char* const (&sets)[N], uint8_t byte) {
    return sets[byte % N];
}

AsciiTemplate TemplateFrom(const uint8_t* header) {
    AsciiTemplate templ("FUZZ");
    std::strcpy(templ.columnChop.separators, Pick(kColumnSeparators, header[0]));
    std::strcpy(templ.columnChop.hitlist, Pick(kColumnDropped, header[0] >> 4));
    std::strcpy(templ.fileChop.separators, Pick(kLineSeparators, header[1]));
    std::strcpy(templ.fileChop.hitlist, Pick(kLineDropped, header[1] >> 4));
    templ.columnCount = 4;
    for (int i = 0; i < 4; ++i)
        templ.columnTypes[i] = header[12 + i] % 10;
    templ.recordCount = 4;
    for (int i = 0; i < 4; ++i) {
        AsciiRecordTemplate& record = templ.records[i];
        record.name[0] = static_cast<char>('A' + i);
        record.encoding = header[2 + i] % 5;
        for (int source = 0; source < kAsciiRecordSources; ++source)
            record.sources[source] = static_cast<signed char>(header[6 + (i + source) % 6]) % 9;
        record.ConvFactor = i == 1 ? 0.5 : 1.0;
    }
    return templ;
}

// To the bit, so that a NaN read from "nan" matches itself and -0 differs from 0.
bool SameNumber(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool SameValue(const AsciiValue& a, const AsciiValue& b) {
    if (a.GetType() != b.GetType() || a.GetCount() != b.GetCount() || a.AsInt() != b.AsInt() ||
        !SameNumber(a.AsDouble(), b.AsDouble()))
        return false;
    for (int i = 0; i < a.GetCount(); ++i) {
        if (!SameNumber(a.GetAt(i), b.GetAt(i)))
            return false;
    }
    return true;
}

bool SameRecord(const AsciiRecord& a, const AsciiRecord& b) {
    if (a.IsValid() != b.IsValid() || a.GetValueCount() != b.GetValueCount())
        return false;
    for (int i = 0; i < a.GetValueCount(); ++i) {
        if (!SameValue(a.GetValueAt(i), b.GetValueAt(i)))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < kHeaderSize)
        return 0;
    const AsciiTemplate templ = TemplateFrom(data);
    const char* path = WriteFuzzFile(data + kHeaderSize, size - kHeaderSize);
    AsciiRecordReader reader(path, templ);
    AsciiRecord read(templ);
    AsciiRecord parsed(templ);
    for (AsciiFileReader lines(path, templ); !lines.IsEnd(); lines.Next()) {
        parsed.Parse(lines.GetLineView());
        if (!reader.ReadNext(read) || !SameRecord(read, parsed))
            std::abort();
    }
    if (reader.ReadNext(read))
        std::abort();
    return 0;
}
