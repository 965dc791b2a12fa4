#pragma once

// Inside the kernel objects: the table of open handles and the lock and wake-up that every
// waitable object shares. An object's state changes only with the lock held; whoever
// changes it wakes the waiters, who look again.

#include "vornui/platform/KernelObject.h"

#include <memory>
#include <mutex>

std::unique_lock<std::mutex> LockKernelObjects();
// Call after a change of state, with the lock released or held.
void WakeKernelWaiters();
// Sleeps with `lock` (from LockKernelObjects) released until some object changes.
void AwaitKernelChange(std::unique_lock<std::mutex>& lock);

// Opens a handle to `object`.
HANDLE AddKernelObject(std::shared_ptr<KernelObject> object);
// The object behind an open handle; null, with ERROR_INVALID_HANDLE, for any other value.
std::shared_ptr<KernelObject> KernelObjectOf(HANDLE handle);

// The object behind `handle` when it is a T; null with ERROR_INVALID_HANDLE otherwise.
template <class T>
std::shared_ptr<T> KernelObjectAs(HANDLE handle);
void ReportInvalidHandle();

template <class T>
std::shared_ptr<T> KernelObjectAs(HANDLE handle) {
    std::shared_ptr<T> object = std::dynamic_pointer_cast<T>(KernelObjectOf(handle));
    if (!object)
        ReportInvalidHandle();
    return object;
}
