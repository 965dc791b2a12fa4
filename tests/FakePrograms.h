#pragma once

// A folder of stand-in programs first on PATH (before /usr/bin and /bin), each of which
// writes the line "<name> <arguments>" to a file when it runs: what the desktop's programs
// (xdg-open, lp) were handed.

#include "tests/TempDir.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <thread>

class FakePrograms {
public:
    FakePrograms() : m_savedPath(std::getenv("PATH") ? std::getenv("PATH") : "") {
        setenv("PATH", (m_dir.path().string() + ":/usr/bin:/bin").c_str(), 1);
    }
    ~FakePrograms() { setenv("PATH", m_savedPath.c_str(), 1); }
    FakePrograms(const FakePrograms&) = delete;
    FakePrograms& operator=(const FakePrograms&) = delete;

    void add(const std::string& name) {
        const std::string path =
            m_dir.write(name, "#!/bin/sh\necho \"" + name + " $*\" > '" + record(name) +
                                  ".tmp'\nmv '" + record(name) + ".tmp' '" + record(name) + "'\n");
        chmod(path.c_str(), 0755);
    }
    std::string record(const std::string& name) const { return m_dir.file(name + ".ran"); }
    // What the program was started with, once it has run (five seconds at most; empty if
    // it has not run by then).
    std::string awaitRun(const std::string& name) const {
        for (int i = 0; i < 500 && !std::filesystem::exists(record(name)); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return std::filesystem::exists(record(name)) ? TempDir::read(record(name)) : "";
    }

private:
    TempDir m_dir;
    std::string m_savedPath;
};
