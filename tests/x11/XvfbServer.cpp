#include "tests/x11/XvfbServer.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

constexpr int kDisplayFd = 3; // where the server writes its display number
constexpr int kReadyTimeoutMs = 10000;

// Waits up to `timeoutMs` for the child to end; false if it is still running.
bool Reap(pid_t pid, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        const pid_t ended = waitpid(pid, nullptr, WNOHANG);
        if (ended == pid || (ended < 0 && errno == ECHILD))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

} // namespace

bool XvfbServer::Installed() {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "/usr/bin");
    for (std::string folder; std::getline(folders, folder, ':');)
        if (!folder.empty() && access((folder + "/Xvfb").c_str(), X_OK) == 0)
            return true;
    return false;
}

XvfbServer::XvfbServer(const std::vector<std::string>& arguments) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        m_failure = "no pipe for the display number";
        return;
    }
    std::vector<std::string> words{"Xvfb", "-displayfd", std::to_string(kDisplayFd), "-nolisten",
                                   "tcp"};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], kDisplayFd);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const int spawned = posix_spawnp(&m_pid, "Xvfb", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(ends[1]);
    if (spawned != 0) {
        m_pid = -1;
        m_failure = "Xvfb cannot be started";
    } else {
        AwaitDisplayNumber(ends[0]);
    }
    close(ends[0]);
}

void XvfbServer::AwaitDisplayNumber(int readEnd) {
    std::string number;
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kReadyTimeoutMs);
    while (number.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd ready{readEnd, POLLIN, 0};
        char buffer[16];
        ssize_t got = 0;
        if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) <= 0 ||
            (got = read(readEnd, buffer, sizeof buffer)) <= 0) {
            m_failure = "Xvfb did not name its display within ten seconds";
            return;
        }
        number.append(buffer, static_cast<size_t>(got));
    }
    m_display = ":" + number.substr(0, number.find('\n'));
}

void XvfbServer::Kill() {
    if (m_pid <= 0)
        return;
    kill(m_pid, SIGKILL);
    Reap(m_pid, kReadyTimeoutMs);
    m_pid = -1;
}

XvfbServer::~XvfbServer() {
    if (m_pid <= 0)
        return;
    kill(m_pid, SIGTERM);
    if (!Reap(m_pid, kReadyTimeoutMs))
        Kill();
}
