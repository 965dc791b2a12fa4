#include "vornui/templates/AsciiTemplate.h"
#include "vornui/templates/ProfileKeys.h"
#include "vornui/templates/TemplateStore.h"

#include <cstdio>
#include <cstring>

namespace {

// One meta record; false when its name is empty or too long for the field, or its type
// does not read.
bool ReadMetaRecord(int index, const char* path, AsciiMetaTemplate::Record& record) {
    char section[32];
    std::snprintf(section, sizeof section, "RecordTemplate_%d", index);
    char name[kAsciiMetaNameSize + 1];
    ReadProfileText(section, "name", path, name, sizeof name);
    if (name[0] == '\0' || std::strlen(name) >= kAsciiMetaNameSize)
        return false;
    std::memcpy(record.name, name, sizeof record.name);
    return ReadProfileInt(section, "type", path, record.type);
}

} // namespace

std::optional<AsciiMetaTemplate> AsciiMetaTemplate::Read(const char* module) {
    if (!module)
        return std::nullopt;
    return ReadFile(module, TemplateStorePath(module, "_meta_.aft").c_str());
}

std::optional<AsciiMetaTemplate> AsciiMetaTemplate::ReadFile(const char* module, const char* path) {
    AsciiMetaTemplate meta{};
    if (!module || !path || !CopyToField(meta.moduleName, sizeof meta.moduleName, module))
        return std::nullopt;
    char name[2];
    ReadProfileText("Template", "metatemplatename", path, name, sizeof name);
    int count = 0;
    if (name[0] == '\0' || !ReadProfileInt("RecordTemplate", "count", path, count))
        return std::nullopt;
    if (count < 1)
        return meta;
    if (count > kAsciiMaxRecords)
        return std::nullopt;
    for (int i = 0; i < count; ++i)
        if (!ReadMetaRecord(i, path, meta.records[i]))
            return std::nullopt;
    meta.recordCount = count;
    return meta;
}
