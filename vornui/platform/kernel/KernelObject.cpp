#include "vornui/platform/KernelObject.h"

#include "vornui/platform/LastError.h"

KernelObject::~KernelObject() = default;

KernelObject* KernelObjectOf(HANDLE handle) {
    if (!handle || handle == INVALID_HANDLE_VALUE) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return static_cast<KernelObject*>(handle);
}

DWORD WaitForSingleObject(HANDLE object, DWORD milliseconds) {
    KernelObject* target = KernelObjectOf(object);
    return target ? target->Wait(milliseconds) : WAIT_FAILED;
}

BOOL CloseHandle(HANDLE object) {
    KernelObject* target = KernelObjectOf(object);
    delete target;
    return target != nullptr;
}
