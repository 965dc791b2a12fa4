#pragma once

// Inside the registry: one hive (HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE) as an INI
// document. Each key is a section named by its path below the hive ("Software\Vorn");
// each value an entry whose text says its type and data:
//   name=sz:text            REG_SZ (stored with its closing zero)
//   name=expand_sz:text     REG_EXPAND_SZ (the same)
//   name=dword:0000002a     REG_DWORD of four bytes
//   name=qword:000000000000002a
//   name=hex:01,ff          REG_BINARY
//   name=hex(7):61,00,00    any other type or size, byte for byte
// The default value is named "@". Bytes that the INI form cannot hold as they are (line
// breaks, '=', '\', brackets, outer blanks) are written as \xHH. A parent key exists when
// one of its sub-keys does. Entries that do not read as a value are not values.

#include "vornui/platform/WinTypes.h"
#include "vornui/platform/internal/IniDocument.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct RegistryValue {
    DWORD type;
    std::string data;
};

class RegistryHive {
public:
    RegistryHive() = default;
    explicit RegistryHive(std::string_view content) : m_document(content) {}

    std::string Serialize() const { return m_document.Serialize(); }

    // `path` is a key path below the hive, "" for the hive's root; compared without
    // regard to case.
    bool KeyExists(std::string_view path) const;
    std::vector<std::string> SubKeys(std::string_view path) const;
    std::vector<std::string> ValueNames(std::string_view path) const;
    std::optional<RegistryValue> Value(std::string_view path, std::string_view name) const;

    void CreateKey(std::string_view path);
    void SetValue(std::string_view path, std::string_view name, const RegistryValue& value);
    bool DeleteValue(std::string_view path, std::string_view name);
    // Removes the key's own values (not its sub-keys).
    void ClearKey(std::string_view path);

private:
    IniDocument m_document;
};

// "A\\B\\C" with empty components dropped; nullopt when a component is longer than the
// registry allows.
std::optional<std::string> NormalizedKeyPath(std::string_view path);
std::string JoinKeyPath(std::string_view parent, std::string_view child);
