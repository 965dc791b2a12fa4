#include "vornui/platform/internal/KernelWait.h"

#include "vornui/platform/LastError.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <map>
#include <optional>
#include <vector>

namespace {

struct KernelObjects {
    std::mutex lock;
    std::condition_variable changed;
    std::mutex tableLock; // the handle table only, never held while waiting
    std::map<HANDLE, std::shared_ptr<KernelObject>> table;
};

// Never destroyed: threads and timers may still touch it while the process ends.
KernelObjects& Objects() {
    static KernelObjects* const objects = new KernelObjects;
    return *objects;
}

using Clock = std::chrono::steady_clock;

std::optional<Clock::time_point> DeadlineAfter(DWORD milliseconds) {
    if (milliseconds == INFINITE)
        return std::nullopt;
    return Clock::now() + std::chrono::milliseconds(milliseconds);
}

// Takes the objects a satisfied wait takes; the result names the first abandoned one.
DWORD SatisfyAll(const std::vector<std::shared_ptr<KernelObject>>& objects) {
    std::optional<DWORD> abandoned;
    for (DWORD index = 0; index < objects.size(); ++index)
        if (objects[index]->Satisfy() && !abandoned)
            abandoned = index;
    return abandoned ? WAIT_ABANDONED_0 + *abandoned : WAIT_OBJECT_0;
}

// The wait's result when it is satisfied now, with the lock held.
std::optional<DWORD> TrySatisfy(const std::vector<std::shared_ptr<KernelObject>>& objects,
                                bool all) {
    if (all) {
        const bool ready = std::all_of(objects.begin(), objects.end(),
                                       [](const auto& object) { return object->IsSignalled(); });
        return ready ? std::optional<DWORD>(SatisfyAll(objects)) : std::nullopt;
    }
    for (DWORD index = 0; index < objects.size(); ++index)
        if (objects[index]->IsSignalled())
            return (objects[index]->Satisfy() ? WAIT_ABANDONED_0 : WAIT_OBJECT_0) + index;
    return std::nullopt;
}

bool HasDuplicates(const HANDLE* handles, DWORD count) {
    std::vector<HANDLE> sorted(handles, handles + count);
    std::sort(sorted.begin(), sorted.end());
    return std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end();
}

} // namespace

KernelObject::~KernelObject() = default;

bool KernelObject::Satisfy() {
    return false;
}

std::unique_lock<std::mutex> LockKernelObjects() {
    return std::unique_lock(Objects().lock);
}

void WakeKernelWaiters() {
    Objects().changed.notify_all();
}

void AwaitKernelChange(std::unique_lock<std::mutex>& lock) {
    Objects().changed.wait(lock);
}

void ReportInvalidHandle() {
    SetLastError(ERROR_INVALID_HANDLE);
}

HANDLE AddKernelObject(std::shared_ptr<KernelObject> object) {
    const HANDLE handle = object.get();
    std::lock_guard guard(Objects().tableLock);
    Objects().table.emplace(handle, std::move(object));
    return handle;
}

std::shared_ptr<KernelObject> KernelObjectOf(HANDLE handle) {
    {
        std::lock_guard guard(Objects().tableLock);
        const auto found = Objects().table.find(handle);
        if (found != Objects().table.end())
            return found->second;
    }
    ReportInvalidHandle();
    return nullptr;
}

DWORD WaitForSingleObject(HANDLE object, DWORD milliseconds) {
    return WaitForMultipleObjects(1, &object, FALSE, milliseconds);
}

DWORD WaitForMultipleObjects(DWORD count, const HANDLE* handles, BOOL waitAll, DWORD milliseconds) {
    if (count == 0 || count > MAXIMUM_WAIT_OBJECTS || !handles ||
        (waitAll && HasDuplicates(handles, count))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return WAIT_FAILED;
    }
    std::vector<std::shared_ptr<KernelObject>> objects;
    for (DWORD index = 0; index < count; ++index) {
        objects.push_back(KernelObjectOf(handles[index]));
        if (!objects.back())
            return WAIT_FAILED;
    }
    const std::optional<Clock::time_point> deadline = DeadlineAfter(milliseconds);
    std::unique_lock lock = LockKernelObjects();
    for (;;) {
        if (const std::optional<DWORD> result = TrySatisfy(objects, waitAll != FALSE))
            return *result;
        if (!deadline) {
            Objects().changed.wait(lock);
        } else if (Objects().changed.wait_until(lock, *deadline) == std::cv_status::timeout) {
            return TrySatisfy(objects, waitAll != FALSE).value_or(WAIT_TIMEOUT);
        }
    }
}

BOOL CloseHandle(HANDLE handle) {
    std::shared_ptr<KernelObject> closed;
    {
        std::lock_guard guard(Objects().tableLock);
        const auto found = Objects().table.find(handle);
        if (found != Objects().table.end()) {
            closed = std::move(found->second);
            Objects().table.erase(found);
        }
    }
    if (!closed) {
        ReportInvalidHandle();
        return FALSE;
    }
    return TRUE;
}
