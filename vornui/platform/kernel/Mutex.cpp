#include "vornui/platform/Mutex.h"

#include "vornui/platform/LastError.h"
#include "vornui/platform/internal/KernelWait.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

// Guarded by the kernel objects' lock.
struct MutexState {
    std::thread::id owner;
    int recursion = 0;
    bool abandoned = false;
};

// The mutexes the current thread owns. When the thread ends, the ones it still owns are
// abandoned, so that the next waiter learns the protected data may be half written.
class OwnedMutexes {
public:
    OwnedMutexes() = default;
    OwnedMutexes(const OwnedMutexes&) = delete;
    OwnedMutexes& operator=(const OwnedMutexes&) = delete;
    ~OwnedMutexes() {
        {
            std::unique_lock lock = LockKernelObjects();
            for (const auto& state : m_owned) {
                state->owner = {};
                state->recursion = 0;
                state->abandoned = true;
            }
        }
        WakeKernelWaiters();
    }
    void Add(std::shared_ptr<MutexState> state) { m_owned.push_back(std::move(state)); }
    void Remove(const MutexState* state) {
        std::erase_if(m_owned, [state](const auto& owned) { return owned.get() == state; });
    }

private:
    std::vector<std::shared_ptr<MutexState>> m_owned;
};

thread_local OwnedMutexes t_owned;

class MutexObject final : public KernelObject {
public:
    explicit MutexObject(std::shared_ptr<MutexState> state) : m_state(std::move(state)) {}

    bool IsSignalled() const override {
        return m_state->recursion == 0 || m_state->owner == std::this_thread::get_id();
    }

    bool Satisfy() override {
        if (m_state->recursion++ > 0)
            return false; // the owner again
        m_state->owner = std::this_thread::get_id();
        t_owned.Add(m_state);
        return std::exchange(m_state->abandoned, false);
    }

    BOOL Release() {
        {
            std::unique_lock lock = LockKernelObjects();
            if (m_state->recursion == 0 || m_state->owner != std::this_thread::get_id()) {
                SetLastError(ERROR_NOT_OWNER);
                return FALSE;
            }
            if (--m_state->recursion > 0)
                return TRUE;
            m_state->owner = {};
            t_owned.Remove(m_state.get());
        }
        WakeKernelWaiters();
        return TRUE;
    }

private:
    std::shared_ptr<MutexState> m_state;
};

// Named mutexes live as long as one handle to them does.
std::shared_ptr<MutexState> SharedState(const std::string& name, bool& existed) {
    static std::mutex registryGuard;
    static std::map<std::string, std::weak_ptr<MutexState>> registry;
    std::lock_guard lock(registryGuard);
    std::weak_ptr<MutexState>& entry = registry[name];
    std::shared_ptr<MutexState> state = entry.lock();
    existed = state != nullptr;
    if (!state) {
        state = std::make_shared<MutexState>();
        entry = state;
    }
    return state;
}

} // namespace

HANDLE CreateMutex(SECURITY_ATTRIBUTES*, BOOL initialOwner, LPCTSTR name) {
    bool existed = false;
    std::shared_ptr<MutexState> state =
        name && *name ? SharedState(name, existed) : std::make_shared<MutexState>();
    const HANDLE handle = AddKernelObject(std::make_shared<MutexObject>(std::move(state)));
    if (initialOwner && !existed)
        WaitForSingleObject(handle, INFINITE);
    SetLastError(existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return handle;
}

BOOL ReleaseMutex(HANDLE mutex) {
    const auto object = KernelObjectAs<MutexObject>(mutex);
    return object ? object->Release() : FALSE;
}
