#pragma once

// The framework's worker threads. AfxBeginThread runs a function on a new thread and
// hands back its CWinThread, whose m_hThread the caller may wait on. With m_bAutoDelete
// (the default) the object deletes itself, and closes the handle, when the thread ends;
// a caller that wants to wait starts it suspended, clears m_bAutoDelete, resumes it and
// deletes the object after the wait.

#include "vornui/platform/Export.h"
#include "vornui/platform/Thread.h"
#include "vornui/platform/WinTypes.h"

using AFX_THREADPROC = UINT (*)(LPVOID parameter);

class VORNUI_API CWinThread {
public:
    CWinThread(AFX_THREADPROC function, LPVOID parameter);
    virtual ~CWinThread();
    CWinThread(const CWinThread&) = delete;
    CWinThread& operator=(const CWinThread&) = delete;

    BOOL CreateThread(DWORD flags = 0, UINT stackSize = 0, SECURITY_ATTRIBUTES* security = nullptr);
    DWORD ResumeThread();
    BOOL SetThreadPriority(int priority);

    HANDLE m_hThread = nullptr;
    DWORD m_nThreadID = 0;
    BOOL m_bAutoDelete = TRUE;

private:
    static DWORD Run(LPVOID self);

    AFX_THREADPROC m_pfnThreadProc;
    LPVOID m_pThreadParams;
};

// The new thread, or null when it could not be started.
VORNUI_API CWinThread* AfxBeginThread(AFX_THREADPROC function, LPVOID parameter,
                                      int priority = THREAD_PRIORITY_NORMAL, UINT stackSize = 0,
                                      DWORD flags = 0, SECURITY_ATTRIBUTES* security = nullptr);
