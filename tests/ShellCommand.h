#pragma once

// Runs a shell command for a test, such as a standard image decoder, and collects what it
// prints on standard output.

#include <array>
#include <cstdio>
#include <memory>
#include <string>

inline std::string RunCommand(const std::string& command) {
    std::string output;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::array<char, 256> buffer{};
    while (pipe && fgets(buffer.data(), buffer.size(), pipe.get()))
        output += buffer.data();
    return output;
}
