#include "vornui/platform/Registry.h"

#include "vornui/platform/CString.h"
#include "vornui/platform/FileContent.h"
#include "vornui/platform/LastError.h"
#include "vornui/platform/SerialDevices.h"
#include "vornui/platform/internal/RegistryHive.h"

#include <array>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace {

constexpr std::string_view kHardware = "HARDWARE";
constexpr std::string_view kSerialKey = "HARDWARE\\DEVICEMAP\\SERIALCOMM";
constexpr std::array<const char*, 2> kHiveFiles = {"HKEY_CURRENT_USER.ini",
                                                   "HKEY_LOCAL_MACHINE.ini"};
enum Hive { kCurrentUser, kLocalMachine };

struct OpenKey {
    Hive hive;
    std::string path;
    REGSAM access;
    // Keys under HKEY_LOCAL_MACHINE\HARDWARE: the machine as it was when the key was opened.
    std::shared_ptr<const RegistryHive> hardware;
};

struct RegistryState {
    std::mutex lock;
    std::string folder; // empty: the hives live in memory
    std::array<RegistryHive, 2> hives;
    std::map<HKEY, OpenKey> open;
    ULONG_PTR nextHandle = 0x10000;
};

RegistryState& Registry() {
    static RegistryState* const registry = new RegistryState; // outlives every caller
    return *registry;
}

bool SameName(std::string_view a, std::string_view b) {
    return CompareNoCase1252(a, b) == 0;
}

bool IsHardware(Hive hive, std::string_view path) {
    return hive == kLocalMachine &&
           (SameName(path.substr(0, kHardware.size()), kHardware) &&
            (path.size() == kHardware.size() || path[kHardware.size()] == '\\'));
}

std::shared_ptr<const RegistryHive> HardwareView() {
    auto view = std::make_shared<RegistryHive>();
    view->CreateKey(kSerialKey);
    for (const SerialDevice& device : ListSerialDevices())
        view->SetValue(kSerialKey, device.device,
                       RegistryValue{REG_SZ, "COM" + std::to_string(device.number) + '\0'});
    return view;
}

std::optional<OpenKey> Resolve(HKEY key) {
    if (key == HKEY_CURRENT_USER || key == HKEY_LOCAL_MACHINE)
        return OpenKey{key == HKEY_CURRENT_USER ? kCurrentUser : kLocalMachine, "", KEY_ALL_ACCESS,
                       nullptr};
    const auto found = Registry().open.find(key);
    if (found == Registry().open.end())
        return std::nullopt;
    return found->second;
}

// The open key behind `key` when it was opened with the access `right`; otherwise nothing,
// and `status` says why.
std::optional<OpenKey> ResolveFor(HKEY key, REGSAM right, LSTATUS& status) {
    std::optional<OpenKey> open = Resolve(key);
    status = !open                     ? ERROR_INVALID_HANDLE
             : !(open->access & right) ? ERROR_ACCESS_DENIED
                                       : ERROR_SUCCESS;
    return status == ERROR_SUCCESS ? open : std::nullopt;
}

const RegistryHive& View(const OpenKey& key) {
    return key.hardware ? *key.hardware : Registry().hives[key.hive];
}

HKEY AddHandle(OpenKey key) {
    const HKEY handle = reinterpret_cast<HKEY>(Registry().nextHandle);
    Registry().nextHandle += 16;
    Registry().open.emplace(handle, std::move(key));
    return handle;
}

// Writes `changed` as the hive's new content (file first) and keeps it when that worked.
LSTATUS Commit(Hive hive, RegistryHive changed) {
    RegistryState& registry = Registry();
    if (!registry.folder.empty()) {
        std::error_code ignored;
        std::filesystem::create_directories(registry.folder, ignored);
        if (!ReplaceFileContent(registry.folder + "/" + kHiveFiles[hive], changed.Serialize()))
            return GetLastError() ? static_cast<LSTATUS>(GetLastError()) : ERROR_WRITE_FAULT;
    }
    registry.hives[hive] = std::move(changed);
    return ERROR_SUCCESS;
}

LSTATUS CopyName(const std::string& name, LPSTR buffer, LPDWORD size) {
    if (name.size() + 1 > *size)
        return ERROR_MORE_DATA;
    std::memcpy(buffer, name.c_str(), name.size() + 1);
    *size = static_cast<DWORD>(name.size());
    return ERROR_SUCCESS;
}

// The value's bytes into the caller's buffer; null `data` asks only for the size.
LSTATUS CopyData(const RegistryValue& value, LPDWORD type, LPBYTE data, LPDWORD size) {
    if (type)
        *type = value.type;
    if (!size)
        return data ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
    const auto needed = static_cast<DWORD>(value.data.size());
    if (data && *size < needed) {
        *size = needed;
        return ERROR_MORE_DATA;
    }
    if (data)
        std::memcpy(data, value.data.data(), needed);
    *size = needed;
    return ERROR_SUCCESS;
}

std::vector<std::string> SubKeysOf(const OpenKey& key) {
    std::vector<std::string> names = View(key).SubKeys(key.path);
    const bool machineRoot = key.hive == kLocalMachine && key.path.empty();
    if (machineRoot && std::none_of(names.begin(), names.end(), [](const std::string& name) {
            return SameName(name, kHardware);
        }))
        names.emplace_back(kHardware);
    return names;
}

// Opens (or, with `create`, makes) `subKey` below `key`.
LSTATUS OpenOrCreate(HKEY key, LPCSTR subKey, REGSAM access, PHKEY result, bool create,
                     LPDWORD disposition) {
    if (!result)
        return ERROR_INVALID_PARAMETER;
    std::lock_guard guard(Registry().lock);
    const std::optional<OpenKey> parent = Resolve(key);
    if (!parent)
        return ERROR_INVALID_HANDLE;
    const auto path = NormalizedKeyPath(JoinKeyPath(parent->path, subKey ? subKey : ""));
    if (!path)
        return ERROR_INVALID_PARAMETER;
    OpenKey opened{parent->hive, *path, access, nullptr};
    if (IsHardware(opened.hive, opened.path))
        opened.hardware = HardwareView();
    const bool existed = View(opened).KeyExists(opened.path);
    if (!existed && (!create || opened.hardware))
        return opened.hardware && create ? ERROR_ACCESS_DENIED : ERROR_FILE_NOT_FOUND;
    if (!existed) {
        RegistryHive changed = Registry().hives[opened.hive];
        changed.CreateKey(opened.path);
        if (const LSTATUS status = Commit(opened.hive, std::move(changed)))
            return status;
    }
    if (disposition)
        *disposition = existed ? REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY;
    *result = AddHandle(std::move(opened));
    return ERROR_SUCCESS;
}

// Changes a stored key's values, when the handle allows it.
template <class Change>
LSTATUS ChangeValues(HKEY key, Change change) {
    std::lock_guard guard(Registry().lock);
    const std::optional<OpenKey> open = Resolve(key);
    if (!open)
        return ERROR_INVALID_HANDLE;
    if (open->hardware || IsHardware(open->hive, open->path) || !(open->access & KEY_SET_VALUE))
        return ERROR_ACCESS_DENIED;
    RegistryHive changed = Registry().hives[open->hive];
    if (const LSTATUS status = change(changed, open->path))
        return status;
    return Commit(open->hive, std::move(changed));
}

} // namespace

LSTATUS RegOpenKeyEx(HKEY key, LPCSTR subKey, DWORD, REGSAM access, PHKEY result) {
    return OpenOrCreate(key, subKey, access, result, false, nullptr);
}

LSTATUS RegCreateKeyEx(HKEY key, LPCSTR subKey, DWORD, LPSTR, DWORD, REGSAM access,
                       SECURITY_ATTRIBUTES*, PHKEY result, LPDWORD disposition) {
    return OpenOrCreate(key, subKey, access, result, true, disposition);
}

LSTATUS RegQueryValueEx(HKEY key, LPCSTR name, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD size) {
    std::lock_guard guard(Registry().lock);
    LSTATUS status;
    const std::optional<OpenKey> open = ResolveFor(key, KEY_QUERY_VALUE, status);
    if (!open)
        return status;
    const auto value = View(*open).Value(open->path, name ? name : "");
    return value ? CopyData(*value, type, data, size) : ERROR_FILE_NOT_FOUND;
}

LSTATUS RegSetValueEx(HKEY key, LPCSTR name, DWORD, DWORD type, const BYTE* data, DWORD size) {
    if (!data && size > 0)
        return ERROR_INVALID_PARAMETER;
    const RegistryValue value{type, std::string(reinterpret_cast<const char*>(data), size)};
    return ChangeValues(key, [&](RegistryHive& hive, const std::string& path) {
        hive.SetValue(path, name ? name : "", value);
        return ERROR_SUCCESS;
    });
}

LSTATUS RegDeleteValue(HKEY key, LPCSTR name) {
    return ChangeValues(key, [&](RegistryHive& hive, const std::string& path) -> LSTATUS {
        return hive.DeleteValue(path, name ? name : "") ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
    });
}

LSTATUS RegEnumValue(HKEY key, DWORD index, LPSTR name, LPDWORD nameSize, LPDWORD, LPDWORD type,
                     LPBYTE data, LPDWORD dataSize) {
    if (!name || !nameSize)
        return ERROR_INVALID_PARAMETER;
    std::lock_guard guard(Registry().lock);
    LSTATUS status;
    const std::optional<OpenKey> open = ResolveFor(key, KEY_QUERY_VALUE, status);
    if (!open)
        return status;
    const std::vector<std::string> names = View(*open).ValueNames(open->path);
    if (index >= names.size())
        return ERROR_NO_MORE_ITEMS;
    if ((status = CopyName(names[index], name, nameSize)) != ERROR_SUCCESS)
        return status;
    return CopyData(*View(*open).Value(open->path, names[index]), type, data, dataSize);
}

LSTATUS RegEnumKeyEx(HKEY key, DWORD index, LPSTR name, LPDWORD nameSize, LPDWORD, LPSTR keyClass,
                     LPDWORD classSize, FILETIME* lastWrite) {
    if (!name || !nameSize)
        return ERROR_INVALID_PARAMETER;
    std::lock_guard guard(Registry().lock);
    LSTATUS status;
    const std::optional<OpenKey> open = ResolveFor(key, KEY_ENUMERATE_SUB_KEYS, status);
    if (!open)
        return status;
    const std::vector<std::string> names = SubKeysOf(*open);
    if (index >= names.size())
        return ERROR_NO_MORE_ITEMS;
    if ((status = CopyName(names[index], name, nameSize)) != ERROR_SUCCESS)
        return status;
    if (keyClass && classSize && *classSize > 0)
        keyClass[0] = '\0';
    if (classSize)
        *classSize = 0;
    if (lastWrite)
        *lastWrite = FILETIME{};
    return ERROR_SUCCESS;
}

LSTATUS RegCloseKey(HKEY key) {
    if (key == HKEY_CURRENT_USER || key == HKEY_LOCAL_MACHINE)
        return ERROR_SUCCESS;
    std::lock_guard guard(Registry().lock);
    return Registry().open.erase(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

void SetRegistryFolder(LPCSTR folder) {
    std::lock_guard guard(Registry().lock);
    RegistryState& registry = Registry();
    registry.folder = folder && *folder ? NativePath(folder) : std::string();
    for (size_t hive = 0; hive < kHiveFiles.size(); ++hive) {
        const std::optional<std::string> content =
            registry.folder.empty() ? std::nullopt
                                    : ReadFileContent(registry.folder + "/" + kHiveFiles[hive]);
        registry.hives[hive] = RegistryHive(content.value_or(std::string()));
    }
}
