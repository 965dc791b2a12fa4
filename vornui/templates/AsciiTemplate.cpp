#include "vornui/templates/AsciiTemplate.h"

#include "vornui/platform/ProfileFile.h"
#include "vornui/templates/ProfileKeys.h"
#include "vornui/templates/TemplateStore.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

namespace {

// Walks the keys of a template file in one direction: reading each key into its field
// while loading, writing each field into its key while saving. Every key is visited;
// the result remembers whether any of those that count has failed. A save collects its
// keys and replaces the file once, when Finish is called.
class KeyExchange {
public:
    KeyExchange(const char* path, bool loading) : m_path(path) {
        if (!loading)
            m_writes.emplace(path);
    }

    bool Finish() {
        if (m_writes)
            Note(m_writes->Commit() != FALSE);
        return m_succeeded;
    }

    template <int Size>
    void Text(const char* section, const char* key, char (&field)[Size], bool counts) {
        if (!m_writes)
            ReadProfileText(section, key, m_path, field, Size);
        else
            Note(WriteProfileText(*m_writes, section, key, field, Size) || !counts);
    }

    void Int(const char* section, const char* key, int& field) {
        Note(!m_writes ? ReadProfileInt(section, key, m_path, field)
                       : WriteProfileInt(*m_writes, section, key, field));
    }

    void Double(const char* section, const char* key, double& field) {
        Note(!m_writes ? ReadProfileDouble(section, key, m_path, field)
                       : WriteProfileDouble(*m_writes, section, key, field));
    }

    // A count that sizes a fixed array: one outside 0 ... max fails and is not taken.
    void Count(const char* section, const char* key, int& field, int max) {
        int count = std::clamp(field, 0, max);
        Int(section, key, count);
        if (count >= 0 && count <= max)
            field = count;
        else
            Note(false);
    }

    // A set of characters, one key per place, each holding the byte as a signed number.
    void CharacterSet(const char* section, const char* name, char (&set)[kAsciiChopSetSize]) {
        for (int i = 0; i < kAsciiChopSetSize; ++i) {
            char key[32];
            std::snprintf(key, sizeof key, "%s_%d", name, i);
            int code = static_cast<signed char>(set[i]);
            Int(section, key, code);
            set[i] = static_cast<char>(code & 0xFF);
        }
    }

    void Chop(const char* section, AsciiChopSettings& chop) {
        CharacterSet(section, "seperator", chop.separators);
        CharacterSet(section, "hitlist", chop.hitlist);
        CharacterSet(section, "quotestart", chop.quotestart);
        CharacterSet(section, "quoteend", chop.quoteend);
        Int(section, "ignoremulti", chop.ignoremulti);
    }

    void Record(int index, AsciiRecordTemplate& record) {
        char section[32];
        std::snprintf(section, sizeof section, "RecordTemplate_%d", index);
        Text(section, "name", record.name, false);
        Int(section, "type", record.type);
        Int(section, "AsciiFieldEncoding", record.encoding);
        Double(section, "ConvFactor", record.ConvFactor);
        Double(section, "ConvOffset", record.ConvOffset);
        for (int source = 0; source < kAsciiRecordSources; ++source) {
            char key[16];
            std::snprintf(key, sizeof key, "src%i", source);
            Int(section, key, record.sources[source]);
        }
    }

private:
    void Note(bool succeeded) { m_succeeded = m_succeeded && succeeded; }

    const char* m_path;
    std::optional<ProfileFileWrites> m_writes; // while saving
    bool m_succeeded = true;
};

void SetChop(AsciiChopSettings& chop, const char* separators, const char* hitlist) {
    chop = AsciiChopSettings{};
    CopyToField(chop.separators, sizeof chop.separators, separators);
    CopyToField(chop.hitlist, sizeof chop.hitlist, hitlist);
}

} // namespace

AsciiTemplate::AsciiTemplate(const char* module) {
    if (!module || !CopyToField(moduleName, sizeof moduleName, module))
        return;
    const std::optional<AsciiMetaTemplate> meta = AsciiMetaTemplate::Read(module);
    if (!meta)
        return;
    SetChop(fileChop, "\n", "\r");
    SetChop(columnChop, ",", " ");
    recordCount = meta->recordCount;
    for (int i = 0; i < recordCount; ++i) {
        AsciiRecordTemplate& record = records[i];
        CopyToField(record.name, sizeof record.name, meta->records[i].name);
        record.type = meta->records[i].type;
        record.ConvFactor = 1.0;
    }
    valid = true;
}

int AsciiTemplate::UsedColumnCount() const {
    return std::clamp(columnCount, 0, kAsciiMaxColumns);
}

int AsciiTemplate::UsedRecordCount() const {
    return std::clamp(recordCount, 0, kAsciiMaxRecords);
}

std::string AsciiTemplate::StorePath(const char* name) const {
    const std::string module(moduleName, strnlen(moduleName, sizeof moduleName));
    return TemplateStorePath(module.c_str(), (std::string(name) + ".aft").c_str());
}

bool AsciiTemplate::Load(const char* name) {
    if (!name || !CopyToField(templateName, sizeof templateName, name)) {
        valid = false;
        return false;
    }
    return LoadFromPath(StorePath(templateName).c_str());
}

bool AsciiTemplate::LoadFromPath(const char* fullPath) {
    if (!fullPath || !CopyToField(path, sizeof path, fullPath)) {
        valid = false;
        return false;
    }
    loading = true;
    const bool succeeded = Exchange();
    valid = valid && succeeded;
    return succeeded;
}

bool AsciiTemplate::Save(const char* name) {
    return name && SaveToPath(StorePath(name).c_str());
}

bool AsciiTemplate::SaveToPath(const char* fullPath) {
    if (!fullPath || !CopyToField(path, sizeof path, fullPath))
        return false;
    loading = false;
    return Exchange();
}

bool AsciiTemplate::Exchange() {
    KeyExchange keys(path, loading);
    keys.Text("template", "metatemplatename", moduleName, true);
    keys.Text("template", "ExampleFile", exampleFile, true);
    keys.Chop("chopfile", fileChop);
    keys.Chop("chopColumns", columnChop);
    keys.Count("coltypes", "count", columnCount, kAsciiMaxColumns);
    for (int i = 0; i < UsedColumnCount(); ++i) {
        char key[16];
        std::snprintf(key, sizeof key, "col%d", i);
        keys.Int("coltypes", key, columnTypes[i]);
    }
    keys.Count("RecordTemplate", "count", recordCount, kAsciiMaxRecords);
    for (int i = 0; i < UsedRecordCount(); ++i)
        keys.Record(i, records[i]);
    keys.Text("header", "matchposition", matchposition, false);
    keys.Text("header", "matchdate", matchdate, false);
    keys.Text("header", "matchtime", matchtime, false);
    return keys.Finish();
}
