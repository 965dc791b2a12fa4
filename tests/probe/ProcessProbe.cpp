// A child program for the process tests: it reports what it was started with.
//   args FILE ARG...   writes each ARG to FILE, each ended by a zero byte
//   fds FILE           writes the numbers of its open descriptors to FILE, one a line
//   cwd FILE           writes its working folder to FILE
//   env FILE NAME      writes the value of environment variable NAME to FILE
//   exit CODE          ends with CODE
//   sleep MS           sleeps MS milliseconds, then ends with 0

#include <chrono>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

std::string OpenDescriptors() {
    std::string list;
    DIR* folder = opendir("/proc/self/fd");
    if (!folder)
        return list;
    const int own = dirfd(folder);
    while (const dirent* entry = readdir(folder)) {
        const std::string name = entry->d_name;
        if (name != "." && name != ".." && std::stoi(name) != own)
            list += name + "\n";
    }
    closedir(folder);
    return list;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return 100;
    const std::string command = argv[1];
    if (command == "exit")
        return std::atoi(argv[2]);
    if (command == "sleep") {
        std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(argv[2])));
        return 0;
    }
    std::string report;
    if (command == "args") {
        for (int index = 3; index < argc; ++index)
            report.append(argv[index]).push_back('\0');
    } else if (command == "fds") {
        report = OpenDescriptors();
    } else if (command == "cwd") {
        char folder[4096];
        report = getcwd(folder, sizeof folder) ? folder : "";
    } else if (command == "env" && argc > 3) {
        const char* value = std::getenv(argv[3]);
        report = value ? value : "(none)";
    } else {
        return 101;
    }
    std::ofstream(argv[2], std::ios::binary) << report;
    return 0;
}
