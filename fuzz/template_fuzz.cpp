// A template file and a meta template file of any content, loaded, then used to read a
// few data lines: whatever the file holds, the fixed fields are never overrun.
#include "FuzzFile.h"

#include "vornui/templates/AsciiRecord.h"
#include "vornui/templates/AsciiTemplate.h"

#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* path = WriteFuzzFile(data, size);
    AsciiMetaTemplate::ReadFile("FUZZ", path);
    AsciiTemplate templ("FUZZ");
    templ.LoadFromPath(path);
    for (const char* line : {"1,2,3,4,5,6,7", "2024 02 29 12:30:45.5 1.5", "N55:30:00;E3:2:1"}) {
        const AsciiRecord record(line, templ);
        for (int i = 0; i < templ.UsedRecordCount(); ++i) {
            const std::string name(templ.records[i].name,
                                   strnlen(templ.records[i].name, sizeof templ.records[i].name));
            record.GetValue(name.c_str()).AsDouble();
        }
    }
    return 0;
}
