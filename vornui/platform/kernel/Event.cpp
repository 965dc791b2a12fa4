#include "vornui/platform/Event.h"

#include "vornui/platform/LastError.h"
#include "vornui/platform/internal/KernelWait.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace {

// Guarded by the kernel objects' lock.
struct EventState {
    bool manualReset = false;
    bool signalled = false;
};

class EventObject final : public KernelObject {
public:
    explicit EventObject(std::shared_ptr<EventState> state) : m_state(std::move(state)) {}

    bool IsSignalled() const override { return m_state->signalled; }
    bool Satisfy() override {
        if (!m_state->manualReset)
            m_state->signalled = false;
        return false;
    }
    void Set(bool signalled) {
        {
            std::unique_lock lock = LockKernelObjects();
            m_state->signalled = signalled;
        }
        if (signalled)
            WakeKernelWaiters();
    }

private:
    std::shared_ptr<EventState> m_state;
};

// Named events live as long as one handle to them does.
std::shared_ptr<EventState> NamedState(const std::string& name, bool& existed) {
    static std::mutex registryGuard;
    static std::map<std::string, std::weak_ptr<EventState>> registry;
    std::lock_guard lock(registryGuard);
    std::weak_ptr<EventState>& entry = registry[name];
    std::shared_ptr<EventState> state = entry.lock();
    existed = state != nullptr;
    if (!state)
        entry = state = std::make_shared<EventState>();
    return state;
}

BOOL SetState(HANDLE event, bool signalled) {
    const auto object = KernelObjectAs<EventObject>(event);
    if (!object)
        return FALSE;
    object->Set(signalled);
    return TRUE;
}

} // namespace

HANDLE CreateEvent(SECURITY_ATTRIBUTES*, BOOL manualReset, BOOL initialState, LPCTSTR name) {
    bool existed = false;
    std::shared_ptr<EventState> state =
        name && *name ? NamedState(name, existed) : std::make_shared<EventState>();
    if (!existed) {
        std::unique_lock lock = LockKernelObjects();
        state->manualReset = manualReset != FALSE;
        state->signalled = initialState != FALSE;
    }
    const HANDLE handle = AddKernelObject(std::make_shared<EventObject>(std::move(state)));
    SetLastError(existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return handle;
}

BOOL SetEvent(HANDLE event) {
    return SetState(event, true);
}

BOOL ResetEvent(HANDLE event) {
    return SetState(event, false);
}
