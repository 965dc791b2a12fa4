#include "vornui/platform/internal/X11LoopLink.h"

#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/internal/X11Display.h"

#include <mutex>

namespace {

std::mutex g_currentLock;
std::weak_ptr<X11Display> g_current;

class X11LoopLink final : public ILoopWaitSource {
public:
    X11LoopLink() { AddLoopWaitSource(this); }
    ~X11LoopLink() override {
        if (const std::shared_ptr<X11Display> display = CurrentX11Display())
            display->ThreadEnded();
        RemoveLoopWaitSource(this);
    }
    X11LoopLink(const X11LoopLink&) = delete;
    X11LoopLink& operator=(const X11LoopLink&) = delete;

    void CollectPollFds(std::vector<pollfd>& fds) override {
        if (const std::shared_ptr<X11Display> display = CurrentX11Display())
            display->BeforeWait(fds);
    }
    void OnPollResult(std::span<const pollfd>) override {
        if (const std::shared_ptr<X11Display> display = CurrentX11Display())
            display->AfterWait();
    }
};

} // namespace

std::shared_ptr<X11Display> CurrentX11Display() {
    std::lock_guard lock(g_currentLock);
    return g_current.lock();
}

void SetCurrentX11Display(const std::shared_ptr<X11Display>& display) {
    std::lock_guard lock(g_currentLock);
    g_current = display;
}

void LinkThreadToX11Display() {
    thread_local X11LoopLink link;
}
