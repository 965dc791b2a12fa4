#include "vornui/platform/Process.h"

#include "vornui/platform/LastError.h"
#include "vornui/platform/SystemPrograms.h"
#include "vornui/platform/internal/KernelWait.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// Guarded by the kernel objects' lock.
struct ProcessState {
    pid_t pid = 0;
    bool ended = false;
    DWORD exitCode = STILL_ACTIVE;
    std::optional<DWORD> terminatedWith;
};

// The process handle, or the handle of its main thread (signalled together).
class ProcessObject final : public KernelObject {
public:
    ProcessObject(std::shared_ptr<ProcessState> state, bool isThread)
        : m_state(std::move(state)), m_isThread(isThread) {}
    bool IsSignalled() const override { return m_state->ended; }
    ProcessState& State() const { return *m_state; }
    bool IsThread() const { return m_isThread; }

private:
    std::shared_ptr<ProcessState> m_state;
    const bool m_isThread;
};

DWORD ExitCodeOf(const siginfo_t& info, const ProcessState& state) {
    if (info.si_code == CLD_EXITED)
        return static_cast<DWORD>(info.si_status);
    return state.terminatedWith.value_or(128u + static_cast<DWORD>(info.si_status));
}

// Waits for this one child. The child stays a zombie until its end is recorded, so that
// TerminateProcess, which checks under the same lock, never signals a reused id.
void WatchChild(const std::shared_ptr<ProcessState>& state) {
    siginfo_t info{};
    int result = 0;
    while ((result = waitid(P_PID, static_cast<id_t>(state->pid), &info, WEXITED | WNOWAIT)) != 0 &&
           errno == EINTR) {
    }
    {
        std::unique_lock lock = LockKernelObjects();
        // Without a status (the host ignores SIGCHLD, so the system reaped it) the child
        // counts as having ended well.
        state->exitCode = result == 0 ? ExitCodeOf(info, *state) : 0;
        state->ended = true;
        while (result == 0 && waitpid(state->pid, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
    WakeKernelWaiters();
}

BOOL Fail(DWORD code) {
    SetLastError(code);
    return FALSE;
}

DWORD SpawnError(int error) {
    switch (error) {
    case ENOEXEC:
        return ERROR_BAD_EXE_FORMAT;
    case ENOENT:
        return ERROR_FILE_NOT_FOUND;
    case EACCES:
    case EPERM:
        return ERROR_ACCESS_DENIED;
    default:
        return SystemErrorFromErrno(error);
    }
}

// Why a program could not be found: a file that is there but cannot run is denied.
DWORD NotFoundError(const std::string& program) {
    const bool named = program.find('/') != std::string::npos;
    return named && access(program.c_str(), F_OK) == 0 ? ERROR_ACCESS_DENIED : ERROR_FILE_NOT_FOUND;
}

bool IsFolder(const char* path) {
    struct stat info {};
    return stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

std::vector<char*> PointersTo(std::vector<std::string>& words) {
    std::vector<char*> pointers;
    for (std::string& word : words)
        pointers.push_back(word.data());
    pointers.push_back(nullptr);
    return pointers;
}

std::vector<std::string> EnvironmentBlock(const char* block) {
    std::vector<std::string> entries;
    for (const char* entry = block; *entry; entry += entries.back().size() + 1)
        entries.emplace_back(entry);
    return entries;
}

// Spawning, with its attributes released on every path.
class Spawn {
public:
    Spawn() {
        posix_spawn_file_actions_init(&m_actions);
        posix_spawnattr_init(&m_attributes);
        // The child starts with no signal blocked and the usual ones at their defaults.
        sigset_t none;
        sigemptyset(&none);
        posix_spawnattr_setsigmask(&m_attributes, &none);
        sigset_t defaults;
        sigemptyset(&defaults);
        for (int signal :
             {SIGPIPE, SIGINT, SIGQUIT, SIGTERM, SIGHUP, SIGCHLD, SIGUSR1, SIGUSR2, SIGALRM})
            sigaddset(&defaults, signal);
        posix_spawnattr_setsigdefault(&m_attributes, &defaults);
        posix_spawnattr_setflags(&m_attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
        posix_spawn_file_actions_addclosefrom_np(&m_actions, 3);
    }
    ~Spawn() {
        posix_spawn_file_actions_destroy(&m_actions);
        posix_spawnattr_destroy(&m_attributes);
    }
    Spawn(const Spawn&) = delete;
    Spawn& operator=(const Spawn&) = delete;

    void ChangeDirectory(const char* folder) {
        posix_spawn_file_actions_addchdir_np(&m_actions, folder);
    }
    // A session of its own, with nothing to read: neither the host's terminal nor its
    // Ctrl+C reaches the child, and the child outlives the host.
    void Detach() {
        short flags = 0;
        posix_spawnattr_getflags(&m_attributes, &flags);
        posix_spawnattr_setflags(&m_attributes, static_cast<short>(flags | POSIX_SPAWN_SETSID));
        posix_spawn_file_actions_addopen(&m_actions, 0, "/dev/null", O_RDONLY, 0);
    }
    int Run(pid_t& pid, std::vector<std::string> argv, char** environment) {
        std::vector<char*> pointers = PointersTo(argv);
        return posix_spawn(&pid, pointers.front(), &m_actions, &m_attributes, pointers.data(),
                           environment);
    }

private:
    posix_spawn_file_actions_t m_actions;
    posix_spawnattr_t m_attributes;
};

// The program first, then its arguments, from the caller's two ways of naming them.
std::vector<std::string> WindowsCommand(LPCSTR applicationName, LPCSTR commandLine) {
    std::vector<std::string> words = SplitCommandLine(commandLine ? commandLine : "");
    if (applicationName && *applicationName) {
        if (words.empty())
            words.emplace_back();
        words.front() = applicationName;
    }
    return words;
}

std::shared_ptr<ProcessState> Start(const std::vector<std::string>& command, LPVOID environment,
                                    LPCSTR currentDirectory, bool detached) {
    std::vector<std::string> environmentEntries;
    std::vector<char*> environmentPointers;
    if (environment) {
        environmentEntries = EnvironmentBlock(static_cast<const char*>(environment));
        environmentPointers = PointersTo(environmentEntries);
    }
    Spawn spawn;
    if (currentDirectory)
        spawn.ChangeDirectory(currentDirectory);
    if (detached)
        spawn.Detach();
    auto state = std::make_shared<ProcessState>();
    if (const int error =
            spawn.Run(state->pid, command, environment ? environmentPointers.data() : environ)) {
        SetLastError(SpawnError(error));
        return nullptr;
    }
    try {
        std::thread(WatchChild, state).detach();
    } catch (const std::system_error&) {
        kill(state->pid, SIGKILL);
        waitpid(state->pid, nullptr, 0);
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    return state;
}

std::shared_ptr<ProcessObject> ProcessOf(HANDLE process) {
    auto object = KernelObjectAs<ProcessObject>(process);
    if (object && object->IsThread()) {
        ReportInvalidHandle();
        return nullptr;
    }
    return object;
}

} // namespace

BOOL CreateProcess(LPCSTR applicationName, LPSTR commandLine, SECURITY_ATTRIBUTES*,
                   SECURITY_ATTRIBUTES*, BOOL, DWORD creationFlags, LPVOID environment,
                   LPCSTR currentDirectory, LPSTARTUPINFO,
                   LPPROCESS_INFORMATION processInformation) {
    const std::vector<std::string> windowsCommand = WindowsCommand(applicationName, commandLine);
    if (windowsCommand.empty() || windowsCommand.front().empty() || !processInformation)
        return Fail(ERROR_INVALID_PARAMETER);
    if (currentDirectory && !IsFolder(currentDirectory))
        return Fail(ERROR_DIRECTORY);
    const auto command = LinuxCommandFor(windowsCommand);
    if (!command)
        return Fail(NotFoundError(windowsCommand.front()));
    const bool detached = (creationFlags & (CREATE_NEW_CONSOLE | DETACHED_PROCESS)) != 0;
    std::shared_ptr<ProcessState> state = Start(*command, environment, currentDirectory, detached);
    if (!state)
        return FALSE;
    processInformation->dwProcessId = static_cast<DWORD>(state->pid);
    processInformation->dwThreadId = static_cast<DWORD>(state->pid);
    processInformation->hThread = AddKernelObject(std::make_shared<ProcessObject>(state, true));
    processInformation->hProcess = AddKernelObject(std::make_shared<ProcessObject>(state, false));
    return TRUE;
}

BOOL GetExitCodeProcess(HANDLE process, LPDWORD exitCode) {
    const auto object = ProcessOf(process);
    if (!object)
        return FALSE;
    if (!exitCode)
        return Fail(ERROR_INVALID_PARAMETER);
    std::unique_lock lock = LockKernelObjects();
    *exitCode = object->State().exitCode;
    return TRUE;
}

BOOL TerminateProcess(HANDLE process, UINT exitCode) {
    const auto object = ProcessOf(process);
    if (!object)
        return FALSE;
    std::unique_lock lock = LockKernelObjects();
    ProcessState& state = object->State();
    if (state.ended)
        return Fail(ERROR_ACCESS_DENIED);
    if (!state.terminatedWith)
        state.terminatedWith = exitCode;
    kill(state.pid, SIGKILL);
    return TRUE;
}

DWORD GetProcessId(HANDLE process) {
    const auto object = ProcessOf(process);
    return object ? static_cast<DWORD>(object->State().pid) : 0;
}
