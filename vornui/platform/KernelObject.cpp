#include "vornui/platform/KernelObject.h"

#include "vornui/platform/LastError.h"

KernelObject::~KernelObject() = default;

namespace {
KernelObject* ObjectOf(HANDLE handle) {
    if (!handle || handle == INVALID_HANDLE_VALUE) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return static_cast<KernelObject*>(handle);
}
} // namespace

DWORD WaitForSingleObject(HANDLE object, DWORD milliseconds) {
    KernelObject* target = ObjectOf(object);
    return target ? target->Wait(milliseconds) : WAIT_FAILED;
}

BOOL CloseHandle(HANDLE object) {
    KernelObject* target = ObjectOf(object);
    delete target;
    return target != nullptr;
}
