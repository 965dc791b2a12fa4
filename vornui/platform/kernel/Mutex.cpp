#include "vornui/platform/Mutex.h"

#include "vornui/platform/LastError.h"

#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

struct MutexState {
    std::mutex guard;
    std::condition_variable released;
    std::thread::id owner;
    int recursion = 0;
    bool abandoned = false;
};

void Abandon(MutexState& state) {
    {
        std::lock_guard lock(state.guard);
        state.owner = {};
        state.recursion = 0;
        state.abandoned = true;
    }
    state.released.notify_one();
}

// The mutexes the current thread owns. When the thread ends, the ones it still owns are
// abandoned, so that the next waiter learns the protected data may be half written.
class OwnedMutexes {
public:
    OwnedMutexes() = default;
    OwnedMutexes(const OwnedMutexes&) = delete;
    OwnedMutexes& operator=(const OwnedMutexes&) = delete;
    ~OwnedMutexes() {
        for (const auto& state : m_owned)
            Abandon(*state);
    }
    void Add(std::shared_ptr<MutexState> state) { m_owned.push_back(std::move(state)); }
    void Remove(const MutexState* state) {
        std::erase_if(m_owned, [state](const auto& owned) { return owned.get() == state; });
    }

private:
    std::vector<std::shared_ptr<MutexState>> m_owned;
};

thread_local OwnedMutexes t_owned;

class MutexHandle final : public KernelObject {
public:
    explicit MutexHandle(std::shared_ptr<MutexState> state) : m_state(std::move(state)) {}

    DWORD Wait(DWORD milliseconds) override {
        std::unique_lock lock(m_state->guard);
        const std::thread::id self = std::this_thread::get_id();
        if (m_state->owner == self) {
            ++m_state->recursion;
            return WAIT_OBJECT_0;
        }
        const auto isFree = [this] { return m_state->recursion == 0; };
        if (milliseconds == INFINITE)
            m_state->released.wait(lock, isFree);
        else if (!m_state->released.wait_for(lock, std::chrono::milliseconds(milliseconds), isFree))
            return WAIT_TIMEOUT;
        m_state->owner = self;
        m_state->recursion = 1;
        const bool wasAbandoned = std::exchange(m_state->abandoned, false);
        lock.unlock();
        t_owned.Add(m_state);
        return wasAbandoned ? WAIT_ABANDONED : WAIT_OBJECT_0;
    }

    BOOL Release() {
        {
            std::lock_guard lock(m_state->guard);
            if (m_state->owner != std::this_thread::get_id()) {
                SetLastError(ERROR_NOT_OWNER);
                return FALSE;
            }
            if (--m_state->recursion > 0)
                return TRUE;
            m_state->owner = {};
        }
        m_state->released.notify_one();
        t_owned.Remove(m_state.get());
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
    auto* handle = new MutexHandle(std::move(state));
    if (initialOwner && !existed)
        handle->Wait(INFINITE);
    SetLastError(existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return static_cast<KernelObject*>(handle);
}

BOOL ReleaseMutex(HANDLE mutex) {
    auto* handle = dynamic_cast<MutexHandle*>(KernelObjectOf(mutex));
    if (!handle) { // not a handle at all, or not a mutex's
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return handle->Release();
}
