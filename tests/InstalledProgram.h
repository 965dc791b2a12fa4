#pragma once

// Runs a test's body inside a copy of the test program placed two folders below a fresh
// installation folder, so that everything the library derives from the program's own
// location (such as the ASCII template store under "Setup/AsciiFileTemplates") lands in a
// temporary installation. The copy runs only the current test, as a child process.

#include "tests/ChildWait.h"
#include "tests/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

inline constexpr char kInstallationVariable[] = "VORNUI_TEST_INSTALLATION";

// The installation folder of the running copy; empty in the parent test program.
inline std::string TestInstallationFolder() {
    const char* folder = std::getenv(kInstallationVariable);
    return folder ? folder : "";
}

inline void RunInInstallation(const std::function<void()>& body, bool withTemplateStore = true) {
    if (!TestInstallationFolder().empty()) {
        body();
        return;
    }
    const TempDir installation;
    const std::filesystem::path program = installation.path() / "bin" / "tests" / "program";
    std::filesystem::create_directories(program.parent_path());
    std::filesystem::copy_file(std::filesystem::read_symlink("/proc/self/exe"), program);
    if (withTemplateStore)
        std::filesystem::create_directories(installation.path() / "Setup" / "AsciiFileTemplates");

    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string filter =
        std::string("--gtest_filter=") + test->test_suite_name() + "." + test->name();
    const std::string variable =
        std::string(kInstallationVariable) + "=" + installation.path().string();
    std::vector<char*> environment{const_cast<char*>(variable.c_str())};
    for (char** entry = environ; *entry; ++entry)
        environment.push_back(*entry);
    environment.push_back(nullptr);

    const std::string output = installation.file("output.txt");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    const std::string path = program.string();
    char* arguments[] = {const_cast<char*>(path.c_str()), const_cast<char*>(filter.c_str()),
                         nullptr};
    pid_t child = 0;
    const int spawned =
        posix_spawn(&child, path.c_str(), &actions, nullptr, arguments, environment.data());
    posix_spawn_file_actions_destroy(&actions);
    ASSERT_EQ(spawned, 0) << "cannot start " << path;
    int status = 0;
    ASSERT_TRUE(WaitForChild(child, status)) << "the installed copy did not end";
    const std::string log = TempDir::read(output);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the installed copy failed:\n"
                                                               << log;
    EXPECT_NE(log.find("[  PASSED  ] 1 test."), std::string::npos) << log;
}
