#include "vornui/platform/internal/GdiRecords.h"

#include <mutex>
#include <unordered_map>

namespace {

// Handles may be used from any user-interface thread, so the registries are guarded.
template <typename Record>
class HandleRegistry {
public:
    Record* add(std::unique_ptr<Record> record) {
        Record* handle = record.get();
        std::lock_guard lock(m_mutex);
        m_records.emplace(handle, std::move(record));
        return handle;
    }
    Record* find(const void* handle) {
        std::lock_guard lock(m_mutex);
        auto it = m_records.find(handle);
        return it == m_records.end() ? nullptr : it->second.get();
    }
    std::unique_ptr<Record> take(const void* handle) {
        std::lock_guard lock(m_mutex);
        auto it = m_records.find(handle);
        if (it == m_records.end())
            return nullptr;
        std::unique_ptr<Record> record = std::move(it->second);
        m_records.erase(it);
        return record;
    }

private:
    std::mutex m_mutex;
    std::unordered_map<const void*, std::unique_ptr<Record>> m_records;
};

HandleRegistry<GdiObject>& Objects() {
    static HandleRegistry<GdiObject> registry;
    return registry;
}

HandleRegistry<DeviceContext>& Contexts() {
    static HandleRegistry<DeviceContext> registry;
    return registry;
}

} // namespace

HGDIOBJ RegisterGdiObject(std::unique_ptr<GdiObject> object) {
    return Objects().add(std::move(object));
}

GdiObject* LiveGdiObject(HGDIOBJ handle) {
    return handle ? Objects().find(handle) : nullptr;
}

bool DestroyGdiObject(HGDIOBJ handle) {
    return Objects().take(handle) != nullptr;
}

HDC RegisterDC(std::unique_ptr<DeviceContext> dc) {
    return Contexts().add(std::move(dc));
}

DeviceContext* LiveDC(HDC hdc) {
    return hdc ? Contexts().find(hdc) : nullptr;
}

bool DestroyDC(HDC hdc) {
    return Contexts().take(hdc) != nullptr;
}
