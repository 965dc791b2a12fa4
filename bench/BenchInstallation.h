#pragma once

// Runs a benchmark program from a copy placed two folders below a fresh installation
// folder, so that what the library derives from the program's own location (the ASCII
// template store under "Setup/AsciiFileTemplates") lands in a temporary installation and
// not beside the build. The copy gets the same arguments; the folder goes when it ends.

#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

inline constexpr char kBenchInstallationVariable[] = "VORNUI_BENCH_INSTALLATION";

inline std::string BenchInstallationFolder() {
    const char* folder = std::getenv(kBenchInstallationVariable);
    return folder ? folder : "";
}

// Returns in the copy; in the original program, runs the copy and exits with its status.
inline void EnterBenchInstallation(char** argv) {
    if (!BenchInstallationFolder().empty())
        return;
    char pattern[] = "/tmp/vornui-bench-XXXXXX";
    if (!mkdtemp(pattern))
        std::exit(1);
    const std::filesystem::path installation(pattern);
    const std::filesystem::path program = installation / "bin" / "bench" / "program";
    std::filesystem::create_directories(program.parent_path());
    std::filesystem::create_directories(installation / "Setup" / "AsciiFileTemplates");
    std::filesystem::copy_file(std::filesystem::read_symlink("/proc/self/exe"), program);
    setenv(kBenchInstallationVariable, pattern, 1);

    const std::string path = program.string();
    std::vector<char*> arguments{const_cast<char*>(path.c_str())};
    for (char** argument = argv + 1; *argument; ++argument)
        arguments.push_back(*argument);
    arguments.push_back(nullptr);
    pid_t child = 0;
    int status = 1;
    if (posix_spawn(&child, path.c_str(), nullptr, nullptr, arguments.data(), environ) == 0)
        waitpid(child, &status, 0);
    std::filesystem::remove_all(installation);
    std::exit(WIFEXITED(status) ? WEXITSTATUS(status) : 1);
}
