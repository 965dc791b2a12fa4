// Guessing the delimiter of a 100 MB delimited file whose candidates all keep their counts
// (fixed commas and one space, no tabs or ';': the common case, read to the end) beside a
// plain fread + memchr line count of the same file.

#include "vornui/util/CSVDelimiter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr size_t kFileSize = 100u * 1024 * 1024;

// Written once per run; removed at exit.
const std::string& DataFile() {
    static const std::string path = [] {
        std::string name = "/tmp/vornui-csv-bench-XXXXXX";
        const int fd = mkstemp(name.data());
        std::unique_ptr<FILE, int (*)(FILE*)> out(fdopen(fd, "wb"), std::fclose);
        std::fputs("time,easting,northing,depth,tide\n", out.get());
        char line[96];
        size_t written = 0;
        for (unsigned i = 0; written < kFileSize; ++i) {
            const int length = std::snprintf(
                line, sizeof line, "2024-03-15 %02u:%02u:%02u,%u.%02u,%u.%02u,%u.%02u,0.%02u\n",
                i / 3600 % 24, i / 60 % 60, i % 60, 400000 + i % 9999, i % 100, 6000000 + i % 99999,
                i % 97, 10 + i % 40, i % 89, i % 50);
            std::fwrite(line, 1, static_cast<size_t>(length), out.get());
            written += static_cast<size_t>(length);
        }
        std::atexit([] { std::remove(DataFile().c_str()); });
        return name;
    }();
    return path;
}

void FindCSVDelimiterOnTheFile(benchmark::State& state) {
    CStdioFile file;
    if (!file.Open(DataFile().c_str(), CStdioFile::modeRead)) {
        state.SkipWithError("the data file cannot be opened");
        return;
    }
    for (auto _ : state) {
        const CString delimiter = FindCSVDelimiter(file);
        benchmark::DoNotOptimize(delimiter.GetString());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(kFileSize));
}

// The baseline: the same bytes read with fread and their lines counted with memchr.
void FreadMemchrLineCount(benchmark::State& state) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(DataFile().c_str(), "rb"), std::fclose);
    std::vector<char> buffer(64 * 1024);
    for (auto _ : state) {
        std::rewind(file.get());
        size_t lines = 0;
        size_t filled = 0;
        while ((filled = std::fread(buffer.data(), 1, buffer.size(), file.get())) > 0) {
            const char* at = buffer.data();
            const char* const end = at + filled;
            while ((at = static_cast<const char*>(std::memchr(at, '\n', end - at)))) {
                ++lines;
                ++at;
            }
        }
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(kFileSize));
}

BENCHMARK(FindCSVDelimiterOnTheFile)->Unit(benchmark::kMillisecond);
BENCHMARK(FreadMemchrLineCount)->Unit(benchmark::kMillisecond);

} // namespace
