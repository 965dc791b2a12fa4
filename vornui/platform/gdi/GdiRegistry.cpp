#include "vornui/platform/internal/GdiRecords.h"
#include "vornui/platform/internal/HandleTable.h"

#include <algorithm>

namespace {

// Handles may be used from any user-interface thread, so the tables are guarded. They are
// never destroyed: objects held by statics are deleted after every static table is gone.
HandleTable<GdiObject>& Objects() {
    static auto* const table = new HandleTable<GdiObject>;
    return *table;
}

HandleTable<DeviceContext>& Contexts() {
    static auto* const table = new HandleTable<DeviceContext>;
    return *table;
}

template <typename Handle>
std::uintptr_t ValueOf(Handle handle) {
    return reinterpret_cast<std::uintptr_t>(handle);
}

} // namespace

HGDIOBJ RegisterGdiObject(std::shared_ptr<GdiObject> object) {
    return reinterpret_cast<HGDIOBJ>(Objects().add(std::move(object)));
}

std::shared_ptr<GdiObject> LiveGdiObject(HGDIOBJ handle) {
    return handle ? Objects().find(ValueOf(handle)) : nullptr;
}

bool HoldGdiObject(HGDIOBJ handle) {
    return Objects().with(ValueOf(handle), false, [](GdiObject& object) {
        ++object.selections;
        return true;
    });
}

void ReleaseGdiObject(HGDIOBJ handle) {
    Objects().with(ValueOf(handle), false, [](GdiObject& object) {
        object.selections = std::max(object.selections - 1, 0);
        return true;
    });
}

bool DeleteGdiObject(HGDIOBJ handle) {
    bool stock = false;
    const bool deleted = Objects().takeIf(ValueOf(handle), [&stock](const GdiObject& object) {
        stock = object.stock;
        return !object.stock && object.selections == 0;
    }) != nullptr;
    return deleted || stock;
}

HDC RegisterDC(std::shared_ptr<DeviceContext> dc) {
    return reinterpret_cast<HDC>(Contexts().add(std::move(dc)));
}

std::shared_ptr<DeviceContext> LiveDC(HDC hdc) {
    return hdc ? Contexts().find(ValueOf(hdc)) : nullptr;
}

bool DestroyDC(HDC hdc) {
    return Contexts().take(ValueOf(hdc)) != nullptr;
}
