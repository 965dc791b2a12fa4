#include "vornui/log/LogState.h"
#include "vornui/log/VornTrace.h"
#include "vornui/platform/KernelObject.h"
#include "vornui/platform/Mutex.h"
#include "vornui/platform/ProcessIdentity.h"

using namespace vornlog;

namespace {
constexpr DWORD kTraceWait = 555;
constexpr DWORD kDetailTraceWait = 111;
constexpr int kDetailKind = 3;
} // namespace

CVornTraceLock::CVornTraceLock(int kind) : m_hLock(g_traceLock.load()) {
    const PreservedErrors preserved;
    const int traceLevel = g_traceLevel.load();
    if (traceLevel < 1 || !m_hLock)
        return;
    if (kind == kDetailKind && traceLevel < 2)
        return;
    switch (WaitForSingleObject(m_hLock, kind == kDetailKind ? kDetailTraceWait : kTraceWait)) {
    case WAIT_OBJECT_0:
        g_traceThread = GetCurrentThreadId();
        m_bHeld = true;
        break;
    case WAIT_ABANDONED:
        m_bHeld = true;
        break;
    default:
        break;
    }
}

CVornTraceLock::~CVornTraceLock() {
    Release();
}

void CVornTraceLock::Release() {
    const PreservedErrors preserved;
    if (m_bHeld)
        m_bHeld = !ReleaseMutex(m_hLock);
}

HANDLE VornSetTraceLock(HANDLE mutex) {
    return g_traceLock.exchange(mutex);
}
