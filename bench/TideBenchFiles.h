#pragma once

// The million-line tide file and the tide template of the store that the benchmarks of
// tide loading share, inside the benchmark's installation (bench/BenchInstallation.h).

#include "bench/BenchInstallation.h"

#include "vornui/templates/AsciiTemplate.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

inline constexpr int kLines = 1000000;
inline constexpr char kTemplateName[] = "Gauge";

// Argument 0 runs without a zone (glibc reads /etc/localtime), 1 in a zone with daylight
// saving.
inline void UseTimeZone(const benchmark::State& state) {
    if (state.range(0) == 0)
        unsetenv("TZ");
    else
        setenv("TZ", "Europe/Amsterdam", 1);
    tzset();
}

inline void SetRecordCounter(benchmark::State& state, int64_t records) {
    state.counters["records/s"] =
        benchmark::Counter(static_cast<double>(records), benchmark::Counter::kIsRate);
}

// "dd/mm/yyyy hh:mm:ss level" lines, one per minute through 2024 (both daylight-saving
// changes included), written once per run into the installation.
inline const std::string& TideFile() {
    static const std::string path = [] {
        const std::string file = BenchInstallationFolder() + "/tide.txt";
        std::ofstream out(file, std::ios::binary);
        std::mt19937 random(7);
        char line[64];
        for (int i = 0; i < kLines; ++i) {
            const int minutes = i % 1440;
            const int day = 1 + (i / 1440) % 28;
            const int month = 1 + (i / (1440 * 28)) % 12;
            const double level = (static_cast<int>(random() % 600) - 200) / 100.0;
            std::snprintf(line, sizeof line, "%02d/%02d/2024 %02d:%02d:00 %.3f\r\n", day, month,
                          minutes / 60, minutes % 60, level);
            out << line;
        }
        return file;
    }();
    return path;
}

inline std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

inline int64_t FileSize(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    return static_cast<int64_t>(in.tellg());
}

// A tide template of the store for that file: date and time columns, then the level.
inline void WriteTideTemplate() {
    static const bool written = [] {
        const std::string module = std::string(GetAsciiTemplateRoot()) + "/TERRAL_TIDE";
        std::filesystem::create_directories(module);
        std::ofstream(module + "/_meta_.aft", std::ios::binary)
            << "[Template]\nmetatemplatename=meta\n[RecordTemplate]\ncount=2\n"
               "[RecordTemplate_0]\nname=TimeDate\ntype=3\n"
               "[RecordTemplate_1]\nname=Tide (m, up+)\ntype=0\n";
        AsciiTemplate templ("TERRAL_TIDE");
        std::strcpy(templ.columnChop.separators, " /:");
        std::strcpy(templ.columnChop.hitlist, "\t");
        templ.records[0].encoding = AsciiEncodingDate;
        const int dateSources[] = {3, 2, 1, 4, 5, 6};
        std::memcpy(templ.records[0].sources, dateSources, sizeof dateSources);
        templ.records[1].sources[0] = 6;
        return templ.Save(kTemplateName);
    }();
    if (!written)
        std::abort();
}
