// Reading a tide file through a template beside a plain split-and-strtod loop over the same
// file, and tide lookups beside std::lower_bound over the same samples.
#include "vornui/templates/AsciiFileReader.h"
#include "vornui/templates/AsciiRecord.h"
#include "vornui/templates/AsciiTemplate.h"
#include "vornui/templates/TideHandler.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kLines = 1000000;
constexpr char kColumnSeparators[] = " /:";

// "dd/mm/yyyy hh:mm:ss level" lines, one per minute, written once per run.
const std::string& TideFile() {
    static const std::string path = [] {
        const std::string file = "/tmp/vornui-tide-bench-" + std::to_string(getpid()) + ".txt";
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
        std::atexit([] { std::remove(TideFile().c_str()); });
        return file;
    }();
    return path;
}

int64_t FileSize(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    return static_cast<int64_t>(in.tellg());
}

AsciiTemplate TideTemplate() {
    AsciiTemplate templ("BENCH");
    std::strcpy(templ.fileChop.separators, "\n");
    std::strcpy(templ.fileChop.hitlist, "\r");
    std::strcpy(templ.columnChop.separators, kColumnSeparators);
    std::strcpy(templ.columnChop.hitlist, "\t");
    templ.recordCount = 2;
    AsciiRecordTemplate& time = templ.records[0];
    std::strcpy(time.name, "TimeDate");
    time.encoding = AsciiEncodingDate;
    const int sources[] = {3, 2, 1, 4, 5, 6};
    std::memcpy(time.sources, sources, sizeof sources);
    time.ConvFactor = 1.0;
    AsciiRecordTemplate& tide = templ.records[1];
    std::strcpy(tide.name, "Tide (m, up+)");
    tide.sources[0] = 6;
    tide.ConvFactor = 1.0;
    return templ;
}

void SetFileCounters(benchmark::State& state, int64_t records) {
    state.counters["records/s"] =
        benchmark::Counter(static_cast<double>(records), benchmark::Counter::kIsRate);
    state.SetBytesProcessed(state.iterations() * FileSize(TideFile()));
}

void TemplateParser(benchmark::State& state) {
    const AsciiTemplate templ = TideTemplate();
    const std::string& file = TideFile();
    int64_t records = 0;
    for (auto _ : state) {
        double sum = 0;
        AsciiFileReader reader(file.c_str(), templ);
        AsciiRecord record(templ);
        for (; !reader.IsEnd(); reader.Next()) {
            record.Parse(reader.GetLineView());
            if (!record.IsValid())
                continue;
            sum += record.GetValue("TimeDate").AsDouble() +
                   record.GetValue("Tide (m, up+)").AsDouble();
            ++records;
        }
        benchmark::DoNotOptimize(sum);
    }
    SetFileCounters(state, records);
}
BENCHMARK(TemplateParser)->Unit(benchmark::kMillisecond);

// The plain way: the whole file in memory, lines split at '\n', fields at the separators,
// every field converted with strtod.
void PlainSplitAndStrtod(benchmark::State& state) {
    const std::string& file = TideFile();
    int64_t records = 0;
    for (auto _ : state) {
        std::ifstream in(file, std::ios::binary | std::ios::ate);
        std::string content(static_cast<size_t>(in.tellg()), '\0');
        in.seekg(0);
        in.read(content.data(), static_cast<std::streamsize>(content.size()));
        double sum = 0;
        std::string line;
        size_t start = 0;
        while (start < content.size()) {
            size_t end = content.find('\n', start);
            if (end == std::string::npos)
                end = content.size();
            line.assign(content, start, end - start);
            start = end + 1;
            double fields[8] = {};
            int count = 0;
            for (char* token = std::strtok(line.data(), " /:\r"); token && count < 8;
                 token = std::strtok(nullptr, " /:\r"))
                fields[count++] = std::strtod(token, nullptr);
            if (count < 7)
                continue;
            sum +=
                fields[0] + fields[1] + fields[2] + fields[3] + fields[4] + fields[5] + fields[6];
            ++records;
        }
        benchmark::DoNotOptimize(sum);
    }
    SetFileCounters(state, records);
}
BENCHMARK(PlainSplitAndStrtod)->Unit(benchmark::kMillisecond);

// What LoadTide does per line after parsing: the day number to a local time.
void DayNumberToLocalTime(benchmark::State& state) {
    double dayNumber = 19782.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CTideHandler::AsciiTime2CTime(dayNumber, 1970).GetTime());
        dayNumber += 1.0 / 1440;
    }
}
BENCHMARK(DayNumberToLocalTime);

struct Series {
    CTideHandler handler;
    std::vector<CTideHandler::Sample> samples;
    std::vector<long> queries;
};

const Series& TideSeries() {
    static const Series series = [] {
        Series s;
        std::vector<unsigned char> block(96 + 8 * size_t{kLines});
        const int32_t count = kLines;
        std::memcpy(block.data(), &count, 4);
        for (int i = 0; i < kLines; ++i) {
            const CTideHandler::Sample sample{1700000000 + 60 * i, static_cast<float>(i % 500)};
            s.samples.push_back(sample);
            std::memcpy(block.data() + 96 + 8 * size_t(i), &sample, 8);
        }
        s.handler.LoadEmbeddedTide(block.data(), block.size());
        std::mt19937 random(11);
        for (int i = 0; i < 4096; ++i)
            s.queries.push_back(1700000000 + static_cast<long>(random() % (60u * kLines)));
        return s;
    }();
    return series;
}

void GetTide(benchmark::State& state) {
    const Series& series = TideSeries();
    size_t next = 0;
    for (auto _ : state) {
        float tide = 0;
        benchmark::DoNotOptimize(series.handler.GetTide(tide, series.queries[next++ & 4095]));
        benchmark::DoNotOptimize(tide);
    }
}
BENCHMARK(GetTide);

void LowerBoundBaseline(benchmark::State& state) {
    const Series& series = TideSeries();
    size_t next = 0;
    for (auto _ : state) {
        const long t = series.queries[next++ & 4095];
        const auto found = std::lower_bound(
            series.samples.begin(), series.samples.end(), t,
            [](const CTideHandler::Sample& sample, long time) { return sample.time < time; });
        float tide = 0;
        if (found != series.samples.begin() && found != series.samples.end()) {
            const double f = double(t - (found - 1)->time) / (found->time - (found - 1)->time);
            tide = static_cast<float>((found - 1)->tide * (1 - f) + found->tide * f);
        }
        benchmark::DoNotOptimize(tide);
    }
}
BENCHMARK(LowerBoundBaseline);

} // namespace
