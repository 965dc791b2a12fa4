// Any data line read through a template whose records and column types come from the
// input's first bytes: every encoding, every column type, any source columns.
#include "vornui/templates/AsciiColumnList.h"
#include "vornui/templates/AsciiRecord.h"

#include <cstring>
#include <string_view>

namespace {

constexpr size_t kHeaderSize = 16;

AsciiTemplate TemplateFrom(const uint8_t* header) {
    AsciiTemplate templ("FUZZ");
    std::strcpy(templ.columnChop.separators, header[0] & 1 ? ",;" : ", :");
    std::strcpy(templ.columnChop.hitlist, header[0] & 2 ? " " : "");
    templ.columnCount = 8;
    for (int i = 0; i < 8; ++i)
        templ.columnTypes[i] = header[1 + i] % 10;
    templ.recordCount = 4;
    for (int i = 0; i < 4; ++i) {
        AsciiRecordTemplate& record = templ.records[i];
        record.name[0] = static_cast<char>('A' + i);
        record.encoding = header[9 + i] % 5;
        for (int source = 0; source < kAsciiRecordSources; ++source)
            record.sources[source] = static_cast<signed char>(header[13 + (i + source) % 3]) % 9;
        record.ConvFactor = i == 0 ? 1.0 : 0.5 * i;
        record.ConvOffset = i == 3 ? -1.0 : 0.0;
    }
    return templ;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < kHeaderSize)
        return 0;
    const AsciiTemplate templ = TemplateFrom(data);
    const std::string_view line(reinterpret_cast<const char*>(data) + kHeaderSize,
                                size - kHeaderSize);
    AsciiRecord record(line, templ);
    for (const char* name : {"A", "b", "C", "d", "E"}) {
        const AsciiValue value = record.GetValue(name);
        value.AsDouble();
        value.AsInt();
        for (int i = -1; i <= value.GetCount(); ++i)
            value.GetAt(i);
    }
    const AsciiColumnList columns(line, templ);
    for (int i = 0; i < columns.GetCount(); ++i) {
        const AsciiField field = columns.GetField(i);
        field.GetDouble();
        field.GetInt();
        field.IsDouble();
        field.IsInt();
        field.GetHemisphereSign();
    }
    return 0;
}
