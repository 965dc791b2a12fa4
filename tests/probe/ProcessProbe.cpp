// A child program for the process tests: it reports what it was started with.
//   args FILE ARG...   writes each ARG to FILE, each ended by a zero byte
//   fds FILE           writes the numbers of its open descriptors to FILE, one a line
//   cwd FILE           writes its working folder to FILE
//   env FILE NAME      writes the value of environment variable NAME to FILE
//   exit CODE          ends with CODE
//   sleep MS           sleeps MS milliseconds, then ends with 0
//   session FILE MS    sleeps MS milliseconds, then writes its process id, session id,
//                      process group and where its input comes from to FILE, one a line,
//                      then its open descriptors

#include <chrono>
#include <cstdio>
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
    } else if (command == "session" && argc > 3) {
        std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(argv[3])));
        char input[4096] = "";
        const ssize_t length = readlink("/proc/self/fd/0", input, sizeof input - 1);
        report = std::to_string(getpid()) + "\n" + std::to_string(getsid(0)) + "\n" +
                 std::to_string(getpgrp()) + "\n" +
                 std::string(input, length > 0 ? static_cast<size_t>(length) : 0) + "\n" +
                 OpenDescriptors();
    } else if (command == "env" && argc > 3) {
        const char* value = std::getenv(argv[3]);
        report = value ? value : "(none)";
    } else {
        return 101;
    }
    // Written whole under another name first, so that a reader never sees half of it.
    const std::string partial = std::string(argv[2]) + ".partial";
    std::ofstream(partial, std::ios::binary) << report;
    return std::rename(partial.c_str(), argv[2]) == 0 ? 0 : 102;
}
