#include "tests/TempDir.h"

#include "vornui/platform/KernelObject.h"
#include "vornui/platform/LastError.h"
#include "vornui/platform/Process.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr DWORD kGuard = 10000; // no wait in these tests may hang

std::string Probe() {
    return VORNUI_PROCESS_PROBE;
}

struct Child {
    PROCESS_INFORMATION info{};
    bool started = false;

    explicit Child(std::string commandLine, LPVOID environment = nullptr, LPCSTR folder = nullptr) {
        STARTUPINFO startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USEFILLATTRIBUTE;
        startup.lpTitle = const_cast<LPSTR>("Running console program");
        started = CreateProcess(nullptr, commandLine.data(), nullptr, nullptr, FALSE,
                                CREATE_NEW_CONSOLE, environment, folder, &startup, &info) != 0;
    }
    ~Child() {
        if (started) {
            CloseHandle(info.hThread);
            CloseHandle(info.hProcess);
        }
    }
    DWORD ExitCode() const {
        DWORD code = 0;
        return GetExitCodeProcess(info.hProcess, &code) ? code : 0xDEAD;
    }
};

// The zero-ended words the probe wrote.
std::vector<std::string> Words(const std::string& bytes) {
    std::vector<std::string> words;
    for (size_t start = 0; start < bytes.size();) {
        const size_t end = bytes.find('\0', start);
        words.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

} // namespace

TEST(Process, ChildIsWaitedForWithATimeOutAndItsExitCodeRead) {
    Child child("\"" + Probe() + "\" sleep 300");
    ASSERT_TRUE(child.started);
    EXPECT_GT(child.info.dwProcessId, 0u);
    EXPECT_EQ(GetProcessId(child.info.hProcess), child.info.dwProcessId);
    EXPECT_EQ(child.ExitCode(), static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_EQ(WaitForSingleObject(child.info.hProcess, 10), WAIT_TIMEOUT);
    EXPECT_EQ(WaitForSingleObject(child.info.hProcess, kGuard), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(child.info.hThread, 0), WAIT_OBJECT_0);
    EXPECT_EQ(child.ExitCode(), 0u);

    Child quick(Probe() + " exit 42");
    ASSERT_TRUE(quick.started);
    EXPECT_EQ(WaitForSingleObject(quick.info.hProcess, kGuard), WAIT_OBJECT_0);
    EXPECT_EQ(quick.ExitCode(), 42u);
    EXPECT_FALSE(TerminateProcess(quick.info.hProcess, 1)); // it has ended
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
}

TEST(Process, ATerminatedChildEndsWithTheCodeGiven) {
    Child never(Probe() + " sleep 600000");
    ASSERT_TRUE(never.started);
    const HANDLE both[] = {never.info.hProcess, never.info.hThread};
    EXPECT_EQ(WaitForMultipleObjects(2, both, FALSE, 10), WAIT_TIMEOUT);
    EXPECT_TRUE(TerminateProcess(never.info.hProcess, 137));
    EXPECT_EQ(WaitForMultipleObjects(2, both, TRUE, kGuard), WAIT_OBJECT_0);
    EXPECT_EQ(never.ExitCode(), 137u);
}

TEST(Process, CommandLineReachesTheChildsArgumentsExactly) {
    TempDir dir;
    const std::string report = dir.file("args");
    Child child(Probe() + " args " + report +
                R"( plain "two words" a\\b "c:\dir\\" \"q\" x"y z"w "in ""quotes""" "open end)");
    ASSERT_TRUE(child.started);
    ASSERT_EQ(WaitForSingleObject(child.info.hProcess, kGuard), WAIT_OBJECT_0);
    EXPECT_EQ(Words(TempDir::read(report)),
              (std::vector<std::string>{"plain", "two words", R"(a\\b)", R"(c:\dir\)", "\"q\"",
                                        "xy zw", "in \"quotes\"", "open end"}));
}

TEST(Process, ChildGetsOnlyTheStandardDescriptorsItsFolderAndEnvironment) {
    TempDir dir;
    const int stray = open(dir.file("stray").c_str(), O_CREAT | O_WRONLY, 0600); // no CLOEXEC
    ASSERT_GE(stray, 3);
    Child fds(Probe() + " fds " + dir.file("fds"));
    close(stray);
    ASSERT_TRUE(fds.started);
    ASSERT_EQ(WaitForSingleObject(fds.info.hProcess, kGuard), WAIT_OBJECT_0);
    EXPECT_EQ(TempDir::read(dir.file("fds")), "0\n1\n2\n");

    char environment[] = "VORNUI_PROBE=seen\0OTHER=1\0";
    Child env(Probe() + " env " + dir.file("env") + " VORNUI_PROBE", environment);
    Child cwd(Probe() + " cwd " + dir.file("cwd"), nullptr, dir.path().c_str());
    ASSERT_TRUE(env.started && cwd.started);
    const HANDLE both[] = {env.info.hProcess, cwd.info.hProcess};
    ASSERT_EQ(WaitForMultipleObjects(2, both, TRUE, kGuard), WAIT_OBJECT_0);
    EXPECT_EQ(TempDir::read(dir.file("env")), "seen");
    EXPECT_EQ(TempDir::read(dir.file("cwd")), dir.path().string());
}

TEST(Process, FailuresReportTheSystemsCodes) {
    TempDir dir;
    PROCESS_INFORMATION info{};
    char missing[] = "no-such-program-anywhere --flag";
    EXPECT_FALSE(CreateProcess(nullptr, missing, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               nullptr, &info));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));

    const std::string notRunnable = dir.write("data.txt", "just text\n");
    std::string denied = notRunnable;
    EXPECT_FALSE(CreateProcess(nullptr, denied.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               nullptr, &info));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));

    const std::string garbage = dir.write("garbage", "\x7f"
                                                     "ELF nonsense");
    chmod(garbage.c_str(), 0755);
    std::string badFormat = garbage;
    EXPECT_FALSE(CreateProcess(nullptr, badFormat.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, nullptr, &info));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_BAD_EXE_FORMAT));

    char empty[] = "   ";
    EXPECT_FALSE(CreateProcess(nullptr, empty, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               nullptr, &info));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));

    std::string inNowhere = Probe() + " exit 0";
    EXPECT_FALSE(CreateProcess(nullptr, inNowhere.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               dir.file("no-folder").c_str(), nullptr, &info));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DIRECTORY));

    DWORD code = 0;
    EXPECT_FALSE(GetExitCodeProcess(nullptr, &code));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));

    // With the program named apart, the command line is only its arguments.
    std::string arguments = "ignored exit 3";
    ASSERT_TRUE(CreateProcess(Probe().c_str(), arguments.data(), nullptr, nullptr, FALSE,
                              DETACHED_PROCESS, nullptr, nullptr, nullptr, &info));
    EXPECT_EQ(WaitForSingleObject(info.hProcess, kGuard), WAIT_OBJECT_0);
    EXPECT_TRUE(GetExitCodeProcess(info.hProcess, &code));
    EXPECT_EQ(code, 3u);
    EXPECT_FALSE(GetExitCodeProcess(info.hThread, &code)); // a thread is no process
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
}
