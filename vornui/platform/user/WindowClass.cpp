#include "vornui/platform/internal/WindowClass.h"

#include "vornui/platform/CodePage.h"
#include "vornui/platform/LastError.h"
#include "vornui/platform/Resources.h"
#include "vornui/platform/Window.h"

#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace {

struct ClassRegistry {
    std::mutex lock;
    std::map<std::string, std::unique_ptr<WindowClassRecord>> byName; // upper-case names
    std::vector<std::unique_ptr<WindowClassRecord>> retired; // unregistered, windows may use them
    ATOM nextAtom = 0xC000;
};

ClassRegistry& Classes() {
    static ClassRegistry* const registry = new ClassRegistry; // windows may outlive statics
    return *registry;
}

std::string ClassKey(LPCTSTR name) {
    std::string key(name);
    for (char& ch : key)
        ch = ToUpper1252(ch);
    return key;
}

ATOM Register(const WNDCLASS& wc) {
    ClassRegistry& registry = Classes();
    std::lock_guard guard(registry.lock);
    std::string key = ClassKey(wc.lpszClassName);
    if (registry.byName.count(key)) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    auto record = std::make_unique<WindowClassRecord>();
    record->wc = wc;
    record->name = wc.lpszClassName;
    record->menuName = wc.lpszMenuName && !IS_INTRESOURCE(wc.lpszMenuName) ? wc.lpszMenuName : "";
    record->wc.lpszClassName = record->name.c_str();
    record->atom = registry.nextAtom++;
    const ATOM atom = record->atom;
    registry.byName.emplace(std::move(key), std::move(record));
    return atom;
}

} // namespace

SystemClass::SystemClass(LPCTSTR name, WNDPROC proc, UINT style, int windowExtra) {
    WNDCLASS wc{};
    wc.style = style;
    wc.cbWndExtra = windowExtra;
    wc.lpfnWndProc = proc;
    wc.lpszClassName = name;
    Register(wc);
}

const WindowClassRecord* FindWindowClass(LPCTSTR name) {
    ClassRegistry& registry = Classes();
    std::lock_guard guard(registry.lock);
    if (IS_INTRESOURCE(name)) {
        const ATOM atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name));
        for (const auto& [key, record] : registry.byName)
            if (record->atom == atom)
                return record.get();
        return nullptr;
    }
    const auto found = registry.byName.find(ClassKey(name));
    return found == registry.byName.end() ? nullptr : found->second.get();
}

ATOM RegisterClass(const WNDCLASS* windowClass) {
    if (!windowClass || !windowClass->lpszClassName || !windowClass->lpfnWndProc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return Register(*windowClass);
}

BOOL UnregisterClass(LPCTSTR className, HANDLE) {
    ClassRegistry& registry = Classes();
    std::lock_guard guard(registry.lock);
    const auto found = IS_INTRESOURCE(className) ? registry.byName.end()
                                                 : registry.byName.find(ClassKey(className));
    if (found == registry.byName.end()) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return FALSE;
    }
    registry.retired.push_back(std::move(found->second));
    registry.byName.erase(found);
    return TRUE;
}

BOOL GetClassInfo(HANDLE, LPCTSTR className, WNDCLASS* windowClass) {
    const WindowClassRecord* record = FindWindowClass(className);
    if (!record) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return FALSE;
    }
    *windowClass = record->wc;
    return TRUE;
}
