#pragma once

// Files of the template store for the tests: meta templates and template files written
// byte for byte, and a template set up in memory the way a meta template would.

#include "vornui/templates/AsciiTemplate.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

using MetaRecords = std::vector<std::pair<std::string, int>>;

inline std::string MetaTemplateText(const MetaRecords& records) {
    std::string text = "[Template]\nmetatemplatename=meta\n[RecordTemplate]\ncount=" +
                       std::to_string(records.size()) + "\n";
    for (size_t i = 0; i < records.size(); ++i)
        text += "[RecordTemplate_" + std::to_string(i) + "]\nname=" + records[i].first +
                "\ntype=" + std::to_string(records[i].second) + "\n";
    return text;
}

inline std::string WriteStoreFile(const std::string& module, const std::string& name,
                                  const std::string& content) {
    const std::filesystem::path folder = std::filesystem::path(GetAsciiTemplateRoot()) / module;
    std::filesystem::create_directories(folder);
    const std::string path = (folder / name).string();
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

inline void WriteMetaTemplate(const std::string& module, const MetaRecords& records) {
    WriteStoreFile(module, "_meta_.aft", MetaTemplateText(records));
}

// A template with the default chop settings and the given records, as the constructor
// would make it from a meta template (here without one on disk).
inline AsciiTemplate MemoryTemplate(const std::vector<AsciiRecordTemplate>& records) {
    AsciiTemplate templ("MEMORY");
    std::strcpy(templ.fileChop.separators, "\n");
    std::strcpy(templ.fileChop.hitlist, "\r");
    std::strcpy(templ.columnChop.separators, ",");
    std::strcpy(templ.columnChop.hitlist, " ");
    templ.recordCount = static_cast<int>(records.size());
    for (size_t i = 0; i < records.size(); ++i)
        templ.records[i] = records[i];
    return templ;
}

inline AsciiRecordTemplate RecordOf(const char* name, int encoding, std::vector<int> sources = {},
                                    double factor = 1.0, double offset = 0.0) {
    AsciiRecordTemplate record{};
    std::strncpy(record.name, name, sizeof record.name - 1);
    record.encoding = encoding;
    for (size_t i = 0; i < sources.size() && i < kAsciiRecordSources; ++i)
        record.sources[i] = sources[i];
    record.ConvFactor = factor;
    record.ConvOffset = offset;
    return record;
}
