// Loading a tide file through a template of the store beside the plain program that splits
// each line and calls strtod and mktime, and beside a loop that only converts the numbers;
// saving a template beside writing its text once; tide lookups beside std::lower_bound.
//
// The program runs from a copy inside a temporary installation (bench/BenchInstallation.h),
// which holds the template store. Arguments of the load benchmarks: 0 with TZ unset, 1 with
// TZ set to a zone with daylight saving.
#include "bench/BenchInstallation.h"
#include "bench/TideBenchFiles.h"

#include "vornui/templates/AsciiTemplate.h"
#include "vornui/templates/TideHandler.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

void SetFileCounters(benchmark::State& state, int64_t records) {
    SetRecordCounter(state, records);
    state.SetBytesProcessed(state.iterations() * FileSize(TideFile()));
}

void TideLoad(benchmark::State& state) {
    UseTimeZone(state);
    WriteTideTemplate();
    const std::string& file = TideFile();
    int64_t records = 0;
    for (auto _ : state) {
        CTideHandler tide;
        records += tide.LoadTide(kTemplateName, file.c_str());
        benchmark::DoNotOptimize(tide.GetSample(kLines / 2));
    }
    SetFileCounters(state, records);
}
BENCHMARK(TideLoad)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The plain way: the whole file in memory, lines split at '\n', fields at the separators,
// every field converted with strtod, the date and time made a point in time with mktime.
void PlainSplitStrtodMktime(benchmark::State& state) {
    UseTimeZone(state);
    const std::string& file = TideFile();
    int64_t records = 0;
    for (auto _ : state) {
        std::ifstream in(file, std::ios::binary | std::ios::ate);
        std::string content(static_cast<size_t>(in.tellg()), '\0');
        in.seekg(0);
        in.read(content.data(), static_cast<std::streamsize>(content.size()));
        std::vector<CTideHandler::Sample> samples;
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
            std::tm local{};
            local.tm_mday = static_cast<int>(fields[0]);
            local.tm_mon = static_cast<int>(fields[1]) - 1;
            local.tm_year = static_cast<int>(fields[2]) - 1900;
            local.tm_hour = static_cast<int>(fields[3]);
            local.tm_min = static_cast<int>(fields[4]);
            local.tm_sec = static_cast<int>(fields[5]);
            local.tm_isdst = -1;
            const time_t time = std::mktime(&local);
            samples.push_back({static_cast<int32_t>(time), static_cast<float>(fields[6])});
        }
        records += static_cast<int64_t>(samples.size());
        benchmark::DoNotOptimize(samples.data());
    }
    SetFileCounters(state, records);
}
BENCHMARK(PlainSplitStrtodMktime)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The floor: std::from_chars over every number of the file already in memory, nothing else.
void FromCharsOverTheNumbers(benchmark::State& state) {
    const std::string content = ReadWhole(TideFile());
    for (auto _ : state) {
        double sum = 0;
        const char* p = content.data();
        const char* const end = p + content.size();
        while (p < end) {
            if ((*p >= '0' && *p <= '9') || *p == '-') {
                double value = 0;
                p = std::from_chars(p, end, value).ptr;
                sum += value;
            } else {
                ++p;
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(content.size()));
}
BENCHMARK(FromCharsOverTheNumbers)->Unit(benchmark::kMillisecond);

// A template of 2 records and 6 column types: about 160 keys.
AsciiTemplate TemplateToSave() {
    AsciiTemplate templ("BENCH");
    std::strcpy(templ.moduleName, "TERRAL_TIDE");
    std::strcpy(templ.exampleFile, "/data/tide/example.txt");
    std::strcpy(templ.fileChop.separators, "\n");
    std::strcpy(templ.fileChop.hitlist, "\r");
    std::strcpy(templ.columnChop.separators, " /:");
    std::strcpy(templ.columnChop.hitlist, "\t");
    templ.columnCount = 6;
    templ.recordCount = 2;
    std::strcpy(templ.records[0].name, "TimeDate");
    templ.records[0].type = 3;
    templ.records[0].encoding = AsciiEncodingDate;
    const int dateSources[] = {3, 2, 1, 4, 5, 6};
    std::memcpy(templ.records[0].sources, dateSources, sizeof dateSources);
    templ.records[0].ConvFactor = 1.0;
    std::strcpy(templ.records[1].name, "Tide (m, up+)");
    templ.records[1].sources[0] = 6;
    templ.records[1].ConvFactor = 0.01;
    return templ;
}

// Every save changes the example file, so that each one replaces the file as the plain
// write does: a save that finds the file's text unchanged leaves it alone.
void TemplateSave(benchmark::State& state) {
    AsciiTemplate templ = TemplateToSave();
    const std::string path = BenchInstallationFolder() + "/saved.aft";
    int64_t saves = 0;
    for (auto _ : state) {
        std::strcpy(templ.exampleFile, ++saves % 2 ? "/data/tide/a.txt" : "/data/tide/b.txt");
        if (!templ.SaveToPath(path.c_str()))
            state.SkipWithError("save failed");
    }
}
BENCHMARK(TemplateSave)->Unit(benchmark::kMicrosecond);

// The plain way: every key formatted into one text, written to a new file that is renamed
// over the old one.
void AppendKey(std::string& text, const char* key, const char* value) {
    text += key;
    text += '=';
    text += value;
    text += '\n';
}

void AppendInt(std::string& text, const char* key, int value) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%d", value);
    AppendKey(text, key, digits);
}

void AppendChop(std::string& text, const char* section, const AsciiChopSettings& chop) {
    text += '[';
    text += section;
    text += "]\n";
    const std::pair<const char*, const char*> sets[] = {{"seperator", chop.separators},
                                                        {"hitlist", chop.hitlist},
                                                        {"quotestart", chop.quotestart},
                                                        {"quoteend", chop.quoteend}};
    for (const auto& [name, set] : sets) {
        for (int i = 0; i < kAsciiChopSetSize; ++i) {
            char key[32];
            std::snprintf(key, sizeof key, "%s_%d", name, i);
            AppendInt(text, key, static_cast<signed char>(set[i]));
        }
    }
    AppendInt(text, "ignoremulti", chop.ignoremulti);
}

std::string PlainTemplateText(const AsciiTemplate& templ) {
    std::string text = "[template]\n";
    AppendKey(text, "metatemplatename", templ.moduleName);
    AppendKey(text, "ExampleFile", templ.exampleFile);
    AppendChop(text, "chopfile", templ.fileChop);
    AppendChop(text, "chopColumns", templ.columnChop);
    text += "[coltypes]\n";
    AppendInt(text, "count", templ.columnCount);
    for (int i = 0; i < templ.columnCount; ++i) {
        char key[16];
        std::snprintf(key, sizeof key, "col%d", i);
        AppendInt(text, key, templ.columnTypes[i]);
    }
    text += "[RecordTemplate]\n";
    AppendInt(text, "count", templ.recordCount);
    for (int r = 0; r < templ.recordCount; ++r) {
        const AsciiRecordTemplate& record = templ.records[r];
        char line[64];
        std::snprintf(line, sizeof line, "[RecordTemplate_%d]\n", r);
        text += line;
        AppendKey(text, "name", record.name);
        AppendInt(text, "type", record.type);
        AppendInt(text, "AsciiFieldEncoding", record.encoding);
        std::snprintf(line, sizeof line, "%f", record.ConvFactor);
        AppendKey(text, "ConvFactor", line);
        std::snprintf(line, sizeof line, "%f", record.ConvOffset);
        AppendKey(text, "ConvOffset", line);
        for (int s = 0; s < kAsciiRecordSources; ++s) {
            char key[16];
            std::snprintf(key, sizeof key, "src%i", s);
            AppendInt(text, key, record.sources[s]);
        }
    }
    text += "[header]\n";
    AppendKey(text, "matchposition", templ.matchposition);
    AppendKey(text, "matchdate", templ.matchdate);
    AppendKey(text, "matchtime", templ.matchtime);
    return text;
}

bool WriteAndRename(const std::string& path, const std::string& text) {
    const std::string temporary = path + ".new";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written && std::rename(temporary.c_str(), path.c_str()) == 0;
}

void PlainTemplateWrite(benchmark::State& state) {
    const AsciiTemplate templ = TemplateToSave();
    const std::string path = BenchInstallationFolder() + "/plain.aft";
    // The same bytes as the library's save, or the comparison means nothing.
    AsciiTemplate saved = templ;
    const std::string libraryPath = BenchInstallationFolder() + "/compared.aft";
    if (!saved.SaveToPath(libraryPath.c_str()) ||
        ReadWhole(libraryPath) != PlainTemplateText(templ)) {
        state.SkipWithError("the plain text differs from the library's file");
        return;
    }
    for (auto _ : state) {
        if (!WriteAndRename(path, PlainTemplateText(templ)))
            state.SkipWithError("write failed");
    }
}
BENCHMARK(PlainTemplateWrite)->Unit(benchmark::kMicrosecond);

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

int main(int argc, char** argv) {
    EnterBenchInstallation(argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
