#pragma once

// An X server of the test's own: Xvfb on a display number it picks itself (-displayfd), so
// tests running side by side never meet, stopped when the object goes.

#include <string>
#include <sys/types.h>
#include <vector>

class XvfbServer {
public:
    // Whether an Xvfb program is on the PATH.
    static bool Installed();

    // Starts Xvfb with `arguments` (such as "-screen", "0", "1280x1024x24") and waits up to
    // ten seconds for it to name its display.
    explicit XvfbServer(const std::vector<std::string>& arguments);
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // ":N" once the server is ready; empty if it never came up (failure() says why).
    const std::string& display() const { return m_display; }
    const std::string& failure() const { return m_failure; }
    // Ends the server at once, as a crash would.
    void Kill();

private:
    void AwaitDisplayNumber(int readEnd);

    pid_t m_pid = -1;
    std::string m_display;
    std::string m_failure;
};
