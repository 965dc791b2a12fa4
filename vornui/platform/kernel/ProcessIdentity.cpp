#include "vornui/platform/ProcessIdentity.h"

#include "vornui/platform/LastError.h"

#include <cstring>
#include <pthread.h>
#include <pwd.h>
#include <string>
#include <sys/types.h>
#include <unistd.h>
#include <vector>

namespace {
// The account of the effective user, as the system's user database names it.
std::string LoginName() {
    long bufferSize = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(bufferSize > 0 ? static_cast<size_t>(bufferSize) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return found->pw_name;
    return {};
}
} // namespace

DWORD GetCurrentProcessId() {
    return static_cast<DWORD>(getpid());
}

namespace {

// The id is asked for on every message; each thread keeps its own. A forked child's only
// thread is a new one and asks the system again.
thread_local DWORD t_threadId = 0;

void ForgetThreadIdInChild() {
    t_threadId = 0;
}

[[maybe_unused]] const int g_forgetOnFork = pthread_atfork(nullptr, nullptr, ForgetThreadIdInChild);

} // namespace

DWORD GetCurrentThreadId() {
    if (t_threadId == 0)
        t_threadId = static_cast<DWORD>(gettid());
    return t_threadId;
}

BOOL GetUserName(LPTSTR buffer, LPDWORD size) {
    const std::string name = LoginName();
    if (name.empty()) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return FALSE;
    }
    const DWORD needed = static_cast<DWORD>(name.size() + 1);
    if (!buffer || *size < needed) {
        *size = needed;
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    std::memcpy(buffer, name.c_str(), needed);
    *size = needed;
    return TRUE;
}
