#pragma once

// Messages and the thread's message loop. Each thread that creates windows (or asks for
// messages) has its own queue. PostMessage and PostThreadMessage may be called from any
// thread; SendMessage to a window of another thread waits until that thread dispatches
// it, and meanwhile answers messages sent to the waiting thread.
//
// Retrieval order, as the system has it: messages sent from other threads, posted
// messages, input, WM_QUIT, WM_PAINT, WM_TIMER. While it waits, the loop sleeps in
// poll() on the queue's wake-up descriptor and on the descriptors of every wait source
// registered for the thread (see ILoopWaitSource), so that socket notifications can be
// turned into posted messages without a thread of their own.

#include "vornui/platform/Export.h"
#include "vornui/platform/WindowTypes.h"

#include <span>
#include <vector>

struct pollfd;

#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001
#define PM_NOYIELD 0x0002

VORNUI_API LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
VORNUI_API BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
VORNUI_API BOOL PostThreadMessage(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam);
VORNUI_API void PostQuitMessage(int exitCode);

VORNUI_API BOOL GetMessage(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax);
VORNUI_API BOOL PeekMessage(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT remove);
VORNUI_API BOOL WaitMessage();
VORNUI_API BOOL TranslateMessage(const MSG* msg);
VORNUI_API LRESULT DispatchMessage(const MSG* msg);
VORNUI_API DWORD GetMessageTime();
VORNUI_API DWORD GetMessagePos();
VORNUI_API DWORD GetTickCount();

// Timers of the calling thread; WM_TIMER comes through the loop when nothing else waits.
VORNUI_API UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc);
VORNUI_API BOOL KillTimer(HWND hwnd, UINT_PTR id);

// Something the message loop of one thread watches while it waits for messages. The loop
// asks each registered source for descriptors before it sleeps, polls them together with
// its own wake-up descriptor, and hands each source back its entries with their revents.
// The source then acts on its thread, typically by posting messages (WSAAsyncSelect
// posts its notification message to the window). Sources are consulted in GetMessage,
// PeekMessage and WaitMessage, never while the thread waits inside SendMessage.
class VORNUI_API ILoopWaitSource {
public:
    virtual ~ILoopWaitSource();
    // Appends this source's descriptors and the events it waits for.
    virtual void CollectPollFds(std::vector<pollfd>& fds) = 0;
    // The entries this source appended, after poll() returned (revents filled in).
    virtual void OnPollResult(std::span<const pollfd> fds) = 0;
};

// Registers a source with the calling thread's loop; it must stay alive until removed.
VORNUI_API void AddLoopWaitSource(ILoopWaitSource* source);
VORNUI_API void RemoveLoopWaitSource(ILoopWaitSource* source);
