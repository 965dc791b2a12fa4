#include "vornui/platform/Resources.h"

#include "vornui/platform/FileContent.h"
#include "vornui/platform/LastError.h"
#include "vornui/platform/internal/LoadedObjects.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <unistd.h>
#include <vector>

struct ResourceRecord {
    const void* data;
    DWORD size;
};

struct ModuleRecord {
    std::string path;           // file path; for resource-only modules, their name
    const void* base = nullptr; // load address of the binary, when it is one
    std::map<std::string, ResourceRecord> resources;
};

namespace {

struct ModuleRegistry {
    std::mutex lock;
    std::vector<std::unique_ptr<ModuleRecord>> modules;
    HINSTANCE resourceHandle = nullptr;
    std::vector<CDynLinkLibrary*> chain; // owned: each entry was handed over by its constructor
};

// Never destroyed: modules unload during process exit, after static destructors may
// already have run, and still need the registry to leave the chain.
ModuleRegistry& Registry() {
    static ModuleRegistry* const registry = new ModuleRegistry;
    return *registry;
}

// Resource types and names are numbers or case-insensitive texts; "#123" means 123.
std::string ResourceId(LPCTSTR name) {
    if (IS_INTRESOURCE(name))
        return "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name));
    if (name[0] == '#')
        return "#" + std::to_string(std::strtoul(name + 1, nullptr, 10));
    std::string id(name);
    for (char& ch : id)
        ch = ToUpper1252(ch);
    return id;
}

std::string ResourceKey(LPCTSTR type, LPCTSTR name) {
    return ResourceId(type) + '/' + ResourceId(name);
}

std::string ProgramPath() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    return length > 0 ? std::string(path, static_cast<size_t>(length)) : std::string();
}

HMODULE AddModule(ModuleRegistry& registry, std::string path, const void* base) {
    registry.modules.push_back(std::make_unique<ModuleRecord>());
    ModuleRecord& module = *registry.modules.back();
    module.path = std::move(path);
    module.base = base;
    return &module;
}

HMODULE ProgramModule(ModuleRegistry& registry) {
    if (registry.modules.empty())
        AddModule(registry, ProgramPath(), nullptr);
    return registry.modules.front().get();
}

std::string_view FileNameOf(std::string_view path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool IsKnown(ModuleRegistry& registry, HMODULE module) {
    return std::any_of(registry.modules.begin(), registry.modules.end(),
                       [module](const auto& owned) { return owned.get() == module; });
}

const ResourceRecord* Find(HMODULE module, const std::string& key) {
    const auto found = module->resources.find(key);
    return found == module->resources.end() ? nullptr : &found->second;
}

// Current resource module first, then the extension modules in chain order.
std::vector<HMODULE> SearchOrder(ModuleRegistry& registry) {
    std::vector<HMODULE> order{registry.resourceHandle ? registry.resourceHandle
                                                       : ProgramModule(registry)};
    for (const CDynLinkLibrary* library : registry.chain)
        order.push_back(library->m_hResource);
    return order;
}

} // namespace

HMODULE GetModuleHandle(LPCTSTR moduleName) {
    {
        ModuleRegistry& registry = Registry();
        std::lock_guard guard(registry.lock);
        if (!moduleName)
            return ProgramModule(registry);
        for (const auto& module : registry.modules) {
            if (CompareNoCase1252(module->path, moduleName) == 0 ||
                CompareNoCase1252(FileNameOf(module->path), moduleName) == 0)
                return module.get();
        }
    }
    // A library the program loaded that no one has asked for before.
    if (const void* address = LoadedObjectAddress(moduleName))
        return RegisterModuleForAddress(address);
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
}

HMODULE RegisterModuleForAddress(const void* address) {
    Dl_info info{};
    if (!dladdr(address, &info) || !info.dli_fname)
        return GetModuleHandle(nullptr);
    ModuleRegistry& registry = Registry();
    std::lock_guard guard(registry.lock);
    ProgramModule(registry);
    for (const auto& module : registry.modules)
        if (module->base == info.dli_fbase)
            return module.get();
    return AddModule(registry, ResolvedPath(info.dli_fname), info.dli_fbase);
}

HMODULE CreateResourceModule(LPCTSTR name) {
    ModuleRegistry& registry = Registry();
    std::lock_guard guard(registry.lock);
    ProgramModule(registry);
    return AddModule(registry, name ? name : "", nullptr);
}

void FreeResourceModule(HMODULE module) {
    ModuleRegistry& registry = Registry();
    std::lock_guard guard(registry.lock);
    if (module == ProgramModule(registry))
        return;
    if (registry.resourceHandle == module)
        registry.resourceHandle = nullptr;
    std::erase_if(registry.modules, [module](const auto& owned) { return owned.get() == module; });
}

DWORD GetModuleFileName(HMODULE module, LPTSTR fileName, DWORD size) {
    std::string path;
    {
        ModuleRegistry& registry = Registry();
        std::lock_guard guard(registry.lock);
        if (!module)
            module = ProgramModule(registry);
        if (!IsKnown(registry, module)) {
            SetLastError(ERROR_MOD_NOT_FOUND);
            return 0;
        }
        path = module->path;
    }
    if (!fileName || size == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    // A path that does not fit is cut, still terminated, and the full size is reported.
    const DWORD copied = static_cast<DWORD>(std::min<size_t>(path.size(), size - 1));
    std::memcpy(fileName, path.data(), copied);
    fileName[copied] = '\0';
    if (copied < path.size()) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return size;
    }
    SetLastError(ERROR_SUCCESS);
    return copied;
}

BOOL AddResource(HMODULE module, LPCTSTR type, LPCTSTR name, const void* data, DWORD size) {
    if (!module || !type || !name || !data) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::lock_guard guard(Registry().lock);
    module->resources[ResourceKey(type, name)] = ResourceRecord{data, size};
    return TRUE;
}

BOOL AddStringResources(HMODULE module, const StringResource* strings, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        const auto length = static_cast<DWORD>(std::strlen(strings[i].text));
        if (!AddResource(module, RT_STRING, MAKEINTRESOURCE(strings[i].id), strings[i].text,
                         length))
            return FALSE;
    }
    return TRUE;
}

HRSRC FindResource(HMODULE module, LPCTSTR name, LPCTSTR type) {
    if (!name || !type) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    ModuleRegistry& registry = Registry();
    std::lock_guard guard(registry.lock);
    if (!module)
        module = ProgramModule(registry);
    const ResourceRecord* found = Find(module, ResourceKey(type, name));
    if (!found)
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return found;
}

HGLOBAL LoadResource(HMODULE, HRSRC resource) {
    return resource ? resource->data : nullptr;
}
LPVOID LockResource(HGLOBAL loaded) {
    return const_cast<void*>(loaded);
}
DWORD SizeofResource(HMODULE, HRSRC resource) {
    return resource ? resource->size : 0;
}

int LoadString(HINSTANCE module, UINT id, LPTSTR buffer, int bufferMax) {
    if (!buffer || bufferMax <= 0)
        return 0;
    buffer[0] = '\0';
    HRSRC found = FindResource(module, MAKEINTRESOURCE(id), RT_STRING);
    if (!found)
        return 0;
    const int copied =
        static_cast<int>(std::min<DWORD>(found->size, static_cast<DWORD>(bufferMax - 1)));
    std::memcpy(buffer, found->data, static_cast<size_t>(copied));
    buffer[copied] = '\0';
    return copied;
}

HINSTANCE AfxGetInstanceHandle() {
    return GetModuleHandle(nullptr);
}

HINSTANCE AfxGetResourceHandle() {
    ModuleRegistry& registry = Registry();
    std::lock_guard guard(registry.lock);
    return registry.resourceHandle ? registry.resourceHandle : ProgramModule(registry);
}

void AfxSetResourceHandle(HINSTANCE module) {
    ModuleRegistry& registry = Registry();
    std::lock_guard guard(registry.lock);
    registry.resourceHandle = module;
}

HINSTANCE AfxFindResourceHandle(LPCTSTR name, LPCTSTR type) {
    ModuleRegistry& registry = Registry();
    std::lock_guard guard(registry.lock);
    const std::string key = ResourceKey(type, name);
    const std::vector<HMODULE> order = SearchOrder(registry);
    for (HMODULE module : order)
        if (Find(module, key))
            return module;
    return order.front();
}

BOOL LoadStringFromResourceChain(UINT id, CString& text) {
    ModuleRegistry& registry = Registry();
    std::lock_guard guard(registry.lock);
    const std::string key = ResourceKey(RT_STRING, MAKEINTRESOURCE(id));
    for (HMODULE module : SearchOrder(registry)) {
        if (const ResourceRecord* found = Find(module, key)) {
            text = CString(static_cast<const char*>(found->data), static_cast<int>(found->size));
            return TRUE;
        }
    }
    return FALSE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state)
    : m_hModule(state.hModule), m_hResource(state.hResource) {
    ModuleRegistry& registry = Registry();
    std::lock_guard guard(registry.lock);
    registry.chain.insert(registry.chain.begin(), this);
}

CDynLinkLibrary::~CDynLinkLibrary() {
    ModuleRegistry& registry = Registry();
    std::lock_guard guard(registry.lock);
    std::erase(registry.chain, this);
}

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE module) {
    if (!module)
        return FALSE;
    if (!state.bInitialized) {
        state.hModule = module;
        state.hResource = module;
        state.bInitialized = TRUE;
    }
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL) {
    ModuleRegistry& registry = Registry();
    std::vector<std::unique_ptr<CDynLinkLibrary>> ending;
    {
        std::lock_guard guard(registry.lock);
        for (CDynLinkLibrary* library : registry.chain)
            if (library->m_hModule == state.hModule)
                ending.emplace_back(library);
    }
    ending.clear(); // each destructor unlinks itself
    state.bInitialized = FALSE;
}

// A string of the framework, found where every other resource is.
BOOL CString::LoadString(UINT id) {
    CString loaded;
    if (!LoadStringFromResourceChain(id, loaded))
        return FALSE;
    *this = loaded;
    return TRUE;
}

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CObject)
