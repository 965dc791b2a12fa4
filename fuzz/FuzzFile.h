#pragma once

// One temporary file per fuzz process, rewritten with each input, for parsers that read
// files by path.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

inline const std::string& FuzzFilePath() {
    static const std::string path = [] {
        std::string pattern = "/tmp/vornui-fuzz-XXXXXX";
        const int fd = mkstemp(pattern.data());
        if (fd >= 0)
            close(fd);
        std::atexit([] { std::remove(FuzzFilePath().c_str()); });
        return pattern;
    }();
    return path;
}

inline const char* WriteFuzzFile(const uint8_t* data, size_t size) {
    const std::string& path = FuzzFilePath();
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        if (size > 0)
            std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    return path.c_str();
}
