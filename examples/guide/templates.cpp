// Guide example: where a host's template store lies, the templates of one module, one
// template loaded, and the record loop over a data file read through it.
#include "vornui/vornui.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

// The program's folder with two more folders removed: where the host was installed.
std::string InstallationFolder() {
    char program[MAX_PATH] = {};
    GetModuleFileName(nullptr, program, sizeof program);
    std::string folder = program;
    for (int level = 0; level < 3; ++level)
        folder.erase(folder.rfind('/'));
    return folder;
}

int main() {
    // The store is found from the running program's path.
    std::string root = GetAsciiTemplateRoot();
    const std::string installation = InstallationFolder();
    if (root.compare(0, installation.size(), installation) == 0)
        root.replace(0, installation.size(), "<installation>");
    std::printf("templates root: %s\n", root.c_str());

    // The module's templates, without its meta template. The lister hands them out in the
    // file system's order; a host that shows them sorts them.
    std::vector<std::string> names;
    for (AsciiTemplateLister lister("TERRAL_TIDE"); !lister.IsEnd(); lister.Next())
        names.push_back(lister.GetName());
    std::sort(names.begin(), names.end());
    for (const std::string& name : names)
        std::printf("TERRAL_TIDE template: \"%s\"\n", name.c_str());

    // One template, loaded from the module's folder.
    AsciiTemplate templ("TERRAL_TIDE");
    if (!templ.Load("ISO date")) {
        std::fprintf(stderr, "the template \"ISO date\" did not load\n");
        return 1;
    }
    std::printf("column separators:");
    for (const char* c = templ.columnChop.separators; *c != '\0'; ++c)
        std::printf(" '%c'", *c);
    std::printf("\n");
    for (int i = 0; i < templ.recordCount; ++i) {
        const AsciiRecordTemplate& record = templ.records[i];
        std::printf("record \"%s\": %s from", record.name,
                    AsciiRecordKindCatalogue[record.encoding].name);
        for (int s = 0; s < AsciiRecordKindCatalogue[record.encoding].sourceCount; ++s)
            std::printf(" %s=%d", AsciiRecordKindCatalogue[record.encoding].sourceNames[s],
                        record.sources[s]);
        std::printf("\n");
    }

    // The record loop: one record per line; a line that lacks anything the template asks
    // for gives a record that is not valid, and is skipped.
    for (AsciiFileReader reader("tide_iso.txt", templ); !reader.IsEnd(); reader.Next()) {
        const AsciiRecord record(reader.GetLineView(), templ);
        if (!record.IsValid()) {
            std::printf("skipped: \"%s\"\n", reader.GetLine());
            continue;
        }
        const double dayNumber = record.GetValue("TimeDate").AsDouble();
        const double tide = record.GetValue("Tide (m, up+)").AsDouble();
        const AsciiDate date = AsciiDateFromDayNumber(dayNumber, 1970);
        const AsciiTimeOfDay time = AsciiTimeFromDayNumber(dayNumber);
        std::printf("%04d-%02d-%02d %02d:%02d  day %.4f  tide %.2f m\n", date.year, date.month,
                    date.day, time.hours, time.minutes, dayNumber, tide);
    }
    return 0;
}
