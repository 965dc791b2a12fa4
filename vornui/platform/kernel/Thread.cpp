#include "vornui/platform/Thread.h"

#include "vornui/platform/LastError.h"
#include "vornui/platform/ProcessIdentity.h"
#include "vornui/platform/internal/KernelWait.h"

#include <memory>
#include <system_error>
#include <thread>

namespace {

// Guarded by the kernel objects' lock.
struct ThreadState {
    DWORD id = 0;
    DWORD suspendCount = 0;
    bool ended = false;
    DWORD exitCode = STILL_ACTIVE;
};

class ThreadObject final : public KernelObject {
public:
    explicit ThreadObject(std::shared_ptr<ThreadState> state) : m_state(std::move(state)) {}
    bool IsSignalled() const override { return m_state->ended; }
    ThreadState& State() const { return *m_state; }

private:
    std::shared_ptr<ThreadState> m_state;
};

void RunThread(const std::shared_ptr<ThreadState>& state, LPTHREAD_START_ROUTINE start,
               LPVOID parameter) {
    {
        std::unique_lock lock = LockKernelObjects();
        state->id = GetCurrentThreadId();
        WakeKernelWaiters();
        while (state->suspendCount > 0)
            AwaitKernelChange(lock);
    }
    const DWORD exitCode = start(parameter);
    {
        std::unique_lock lock = LockKernelObjects();
        state->exitCode = exitCode;
        state->ended = true;
    }
    WakeKernelWaiters();
}

} // namespace

HANDLE CreateThread(SECURITY_ATTRIBUTES*, SIZE_T, LPTHREAD_START_ROUTINE start, LPVOID parameter,
                    DWORD flags, LPDWORD threadId) {
    if (!start) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto state = std::make_shared<ThreadState>();
    state->suspendCount = (flags & CREATE_SUSPENDED) ? 1 : 0;
    try {
        std::thread(RunThread, state, start, parameter).detach();
    } catch (const std::system_error&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    {
        std::unique_lock lock = LockKernelObjects();
        while (state->id == 0)
            AwaitKernelChange(lock);
        if (threadId)
            *threadId = state->id;
    }
    return AddKernelObject(std::make_shared<ThreadObject>(std::move(state)));
}

DWORD ResumeThread(HANDLE thread) {
    const auto object = KernelObjectAs<ThreadObject>(thread);
    if (!object)
        return static_cast<DWORD>(-1);
    DWORD previous = 0;
    {
        std::unique_lock lock = LockKernelObjects();
        previous = object->State().suspendCount;
        if (previous > 0)
            --object->State().suspendCount;
    }
    WakeKernelWaiters();
    return previous;
}

BOOL GetExitCodeThread(HANDLE thread, LPDWORD exitCode) {
    const auto object = KernelObjectAs<ThreadObject>(thread);
    if (!object || !exitCode) {
        SetLastError(object ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return FALSE;
    }
    std::unique_lock lock = LockKernelObjects();
    *exitCode = object->State().exitCode;
    return TRUE;
}

BOOL SetThreadPriority(HANDLE thread, int) {
    return KernelObjectAs<ThreadObject>(thread) ? TRUE : FALSE;
}
