#include "vornui/platform/WinThread.h"

CWinThread::CWinThread(AFX_THREADPROC function, LPVOID parameter)
    : m_pfnThreadProc(function), m_pThreadParams(parameter) {}

CWinThread::~CWinThread() {
    if (m_hThread)
        CloseHandle(m_hThread);
}

DWORD CWinThread::Run(LPVOID self) {
    auto* thread = static_cast<CWinThread*>(self);
    const DWORD exitCode = thread->m_pfnThreadProc(thread->m_pThreadParams);
    if (thread->m_bAutoDelete)
        delete thread;
    return exitCode;
}

BOOL CWinThread::CreateThread(DWORD flags, UINT stackSize, SECURITY_ATTRIBUTES* security) {
    // Started suspended, so that the handle and id are in place before the thread runs
    // (and perhaps deletes this object).
    m_hThread =
        ::CreateThread(security, stackSize, Run, this, flags | CREATE_SUSPENDED, &m_nThreadID);
    if (!m_hThread)
        return FALSE;
    if (!(flags & CREATE_SUSPENDED))
        ::ResumeThread(m_hThread);
    return TRUE;
}

DWORD CWinThread::ResumeThread() {
    return ::ResumeThread(m_hThread);
}

BOOL CWinThread::SetThreadPriority(int priority) {
    return ::SetThreadPriority(m_hThread, priority);
}

CWinThread* AfxBeginThread(AFX_THREADPROC function, LPVOID parameter, int priority, UINT stackSize,
                           DWORD flags, SECURITY_ATTRIBUTES* security) {
    if (!function)
        return nullptr;
    auto* thread = new CWinThread(function, parameter);
    if (!thread->CreateThread(flags | CREATE_SUSPENDED, stackSize, security)) {
        delete thread;
        return nullptr;
    }
    thread->SetThreadPriority(priority);
    if (!(flags & CREATE_SUSPENDED))
        thread->ResumeThread();
    return thread;
}
