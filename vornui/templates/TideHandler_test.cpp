#include "tests/InstalledProgram.h"
#include "tests/ScopedTimeZone.h"

#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/FileSystem.h"
#include "vornui/templates/AsciiFileReader.h"
#include "vornui/templates/AsciiRecord.h"
#include "vornui/templates/AsciiTemplate.h"
#include "vornui/templates/TemplateFiles_test.h"
#include "vornui/templates/TideHandler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> Block(int32_t count, const char* name,
                                 const std::vector<CTideHandler::Sample>& samples) {
    std::vector<unsigned char> block(96 + 8 * samples.size());
    std::memcpy(block.data(), &count, 4);
    std::strncpy(reinterpret_cast<char*>(block.data() + 16), name, 80);
    for (size_t i = 0; i < samples.size(); ++i)
        std::memcpy(block.data() + 96 + 8 * i, &samples[i], 8);
    return block;
}

CTideHandler TwoSamples() {
    CTideHandler tide;
    const auto block = Block(2, "Harbour", {{1000, 1.0f}, {2000, 3.0f}});
    EXPECT_EQ(tide.LoadEmbeddedTide(block.data()), 2);
    return tide;
}

TEST(CTideHandler, LookupsAtAndBetweenSamplesAndOutside) {
    const CTideHandler tide = TwoSamples();
    const std::pair<long, std::pair<int, float>> lookups[] = {
        {1500, {0, 2.0f}},
        {2000, {0, 3.0f}},
        {1000, {0, 1.0f}},
        {1250, {0, 1.5f}},
        {900, {-100, 0.0f}},
        {2600, {600, 0.0f}},
        {1L << 40, {INT32_MAX, 0.0f}}, // distances beyond int saturate
    };
    for (const auto& [time, expected] : lookups) {
        float level = -1;
        EXPECT_EQ(tide.GetTide(level, time), expected.first) << time;
        EXPECT_EQ(level, expected.second) << time;
    }
    EXPECT_TRUE(tide.ContainsTime(1000) && tide.ContainsTime(2000));
    EXPECT_FALSE(tide.ContainsTime(999) || tide.ContainsTime(2001));
}

TEST(CTideHandler, EmptySeries) {
    CTideHandler tide;
    float level = -1;
    EXPECT_EQ(tide.GetTide(level, 1500), 0);
    EXPECT_EQ(level, 0.0f);
    EXPECT_FALSE(tide.ContainsTime(0));
    CTideHandler loaded = TwoSamples();
    loaded.Clear();
    EXPECT_EQ(loaded.GetCount(), 0);
    EXPECT_TRUE(loaded.GetName().IsEmpty());
}

TEST(CTideHandler, TimeZeroMeansNow) {
    const int32_t now = static_cast<int32_t>(time(nullptr));
    const auto block = Block(2, "", {{now - 3600, 1.0f}, {now + 3600, 1.0f}});
    CTideHandler tide;
    tide.LoadEmbeddedTide(block.data());
    float level = 0;
    EXPECT_EQ(tide.GetTide(level, 0), 0);
    EXPECT_EQ(level, 1.0f);
}

TEST(CTideHandler, EmbeddedBlocks) {
    CTideHandler tide = TwoSamples();
    EXPECT_STREQ(tide.GetName(), "Harbour");
    EXPECT_EQ(tide.GetSample(1).time, 2000);
    EXPECT_EQ(tide.GetSample(1).tide, 3.0f);
    EXPECT_EQ(tide.GetSample(2).time, 0);

    const auto negative = Block(-5, "None", {});
    EXPECT_EQ(tide.LoadEmbeddedTide(negative.data()), 0);
    EXPECT_STREQ(tide.GetName(), "None");

    // An unterminated name stops at its 80 bytes; a sized block never reads past its end.
    auto block = Block(1000, "", {{1, 2.0f}, {3, 4.0f}});
    std::memset(block.data() + 16, 'n', 80);
    EXPECT_EQ(tide.LoadEmbeddedTide(block.data(), block.size()), 2);
    EXPECT_EQ(tide.GetName().GetLength(), 80);
    EXPECT_EQ(tide.LoadEmbeddedTide(block.data(), 50), 0);
    EXPECT_EQ(tide.LoadEmbeddedTide(nullptr), 0);
}

TEST(CTideHandler, CopiesAreIndependent) {
    CTideHandler original = TwoSamples();
    CTideHandler copy(original);
    original.Clear();
    EXPECT_EQ(copy.GetCount(), 2);
    EXPECT_STREQ(copy.GetName(), "Harbour");
    original = copy;
    EXPECT_EQ(original.GetCount(), 2);
}

TEST(CTideHandler, DayNumbersBecomeLocalTimes) {
    ScopedTimeZone zone("XST-2");
    EXPECT_EQ(CTideHandler::AsciiTime2CTime(0.5, 1970).GetTime(), 10 * 3600);
    EXPECT_EQ(CTideHandler::AsciiTime2CTime(19782.5, 1970).GetTime(), 1709200800);
    const CTime fallback = CTideHandler::AsciiTime2CTime(-1.0, 1970);
    EXPECT_EQ(fallback.GetTime(), CTime(1970, 12, 12, 12, 12, 12, 0).GetTime());
    EXPECT_EQ(fallback.GetHour(), 12);
    EXPECT_EQ(fallback.GetDay(), 12);
    // Midnight of 1 January 1970 lies before the epoch east of Greenwich.
    EXPECT_EQ(CTideHandler::AsciiTime2CTime(0.0, 1970), fallback);
}

// A tide file of date, time and level columns, through a template of the store.
void WriteTideStore() {
    WriteMetaTemplate("TERRAL_TIDE", {{"TimeDate", 3}, {"Tide (m, up+)", 0}});
    AsciiTemplate templ("TERRAL_TIDE");
    std::strcpy(templ.columnChop.separators, " /:");
    std::strcpy(templ.columnChop.hitlist, "\t");
    templ.records[0].encoding = AsciiEncodingDate;
    const int dateSources[] = {3, 2, 1, 4, 5, 6};
    std::memcpy(templ.records[0].sources, dateSources, sizeof dateSources);
    templ.records[1].sources[0] = 6;
    templ.records[1].ConvFactor = 0.01; // centimetres
    ASSERT_TRUE(templ.Save("Gauge"));
}

TEST(CTideHandler, LoadsTideFilesThroughTemplates) {
    RunInInstallation([] {
        ScopedTimeZone zone("UTC0");
        WriteTideStore();
        const std::string data = TestInstallationFolder() + "/tide.txt";
        std::ofstream(data) << "29/02/2024 12:00:00 150\r\n"
                               "header line\n"
                               "29/02/2024 12:10:00 170\n"
                               "29/02/2024 12:20:00\n"
                               "01/03/2024 00:00:00 -20\n";
        CTideHandler tide;
        ASSERT_EQ(tide.LoadTide("Gauge", data.c_str()), 3);
        EXPECT_EQ(tide.GetSample(0).time, 1709208000);
        EXPECT_FLOAT_EQ(tide.GetSample(0).tide, 1.5f);
        EXPECT_FLOAT_EQ(tide.GetSample(2).tide, -0.2f);
        float level = 0;
        EXPECT_EQ(tide.GetTide(level, 1709208300), 0);
        EXPECT_FLOAT_EQ(level, 1.6f);

        std::ofstream(data) << "29/02/2024 12:20:00\n";
        EXPECT_EQ(tide.LoadTide("Gauge", data.c_str()), 0);
        EXPECT_EQ(tide.LoadTide("Gauge", (data + ".absent").c_str()), 0);
    });
}

// Lines every five minutes over the days of both daylight-saving changes of 2024 in Amsterdam
// and St. John's, loaded in four zones: each sample is the time mktime gives for its line,
// and in a repeated hour the first occurrence.
TEST(CTideHandler, LoadedTimesAreMktimesAcrossDaylightSavingChanges) {
    RunInInstallation([] {
        WriteTideStore();
        struct Line {
            std::tm local;
            int level;
        };
        std::vector<Line> lines;
        std::string text;
        const int days[][2] = {{3, 9},   {3, 10},  {3, 30}, {3, 31},
                               {10, 26}, {10, 27}, {11, 2}, {11, 3}};
        for (const auto& [month, day] : days) {
            for (int minute = 0; minute < 1440; minute += 5) {
                std::tm local{};
                local.tm_year = 2024 - 1900;
                local.tm_mon = month - 1;
                local.tm_mday = day;
                local.tm_hour = minute / 60;
                local.tm_min = minute % 60;
                const int level = minute % 97;
                char line[64];
                std::snprintf(line, sizeof line, "%02d/%02d/2024 %02d:%02d:00 %d\n", day, month,
                              minute / 60, minute % 60, level);
                text += line;
                lines.push_back({local, level});
            }
        }
        const std::string data = TestInstallationFolder() + "/changes.txt";
        std::ofstream(data, std::ios::binary) << text;
        for (const char* zone :
             {static_cast<const char*>(nullptr), "UTC", "Europe/Amsterdam", "America/St_Johns"}) {
            ScopedTimeZone scoped(zone);
            CTideHandler tide;
            ASSERT_EQ(tide.LoadTide("Gauge", data.c_str()), static_cast<int>(lines.size()));
            int repeated = 0;
            for (size_t i = 0; i < lines.size(); ++i) {
                std::tm standard = lines[i].local;
                std::tm daylight = lines[i].local;
                std::tm undecided = lines[i].local;
                standard.tm_isdst = 0;
                daylight.tm_isdst = 1;
                undecided.tm_isdst = -1;
                const time_t asStandard = mktime(&standard);
                const time_t asDaylight = mktime(&daylight);
                // Both instants real and showing the line's clock time: a repeated hour.
                const bool twice = asStandard != asDaylight &&
                                   standard.tm_hour == lines[i].local.tm_hour &&
                                   daylight.tm_hour == lines[i].local.tm_hour;
                repeated += twice ? 1 : 0;
                const time_t expected =
                    twice ? std::min(asStandard, asDaylight) : mktime(&undecided);
                ASSERT_EQ(tide.GetSample(static_cast<int>(i)).time, expected)
                    << (zone ? zone : "(TZ unset)") << " line " << i;
                EXPECT_FLOAT_EQ(tide.GetSample(static_cast<int>(i)).tide, lines[i].level * 0.01f);
            }
            EXPECT_EQ(repeated, zone && std::string(zone) != "UTC" ? 12 : 0)
                << (zone ? zone : "(TZ unset)");
        }
    });
}

// Lines of every kind a tide file holds, from plain ones to odd ones, loaded in a zone with
// daylight saving and without a zone: the samples are those that reading the file record
// by record and converting each day number gives.
TEST(CTideHandler, LoadsTheSamplesThatReadingRecordByRecordGives) {
    RunInInstallation([] {
        WriteTideStore();
        std::string text = "\xEF\xBB\xBF"
                           "Gauge Harbour, levels in cm\r\n"
                           "31/03/2024 02:30:00 12\r\n" // skipped by the change to summer time
                           "27/10/2024 02:30:00 -7\r\n" // repeated by the change back
                           "01/01/1969 00:00:00 1\r\n"  // before 1970
                           "1/2/24 3:4:5.75 -0\n"
                           "01/01/2024 00:00:00 1e2\n"
                           "01/01/2024 00:00:00 12a\n"
                           "01/01/2024\t00:00:00 1\t5\n"
                           "01/01/2024 00:00 9\n";
        std::mt19937 random(1803);
        const auto draw = [&random](unsigned count) {
            return static_cast<unsigned>(random() % count);
        };
        for (int i = 0; i < 3000; ++i) {
            char line[64];
            std::snprintf(line, sizeof line, "%02u/%02u/%04u %02u:%02u:%02u %d.%02u\r\n",
                          1 + draw(31), 1 + draw(12), 1970 + draw(130), draw(24), draw(60),
                          draw(60), static_cast<int>(draw(900)) - 300, draw(100));
            text += line;
        }
        text += "15/06/2024 12:00:00 42"; // no line end
        const std::string data = TestInstallationFolder() + "/tide.txt";
        std::ofstream(data, std::ios::binary) << text;
        AsciiTemplate templ("TERRAL_TIDE");
        ASSERT_TRUE(templ.Load("Gauge"));
        for (const char* zone : {static_cast<const char*>(nullptr), "Europe/Amsterdam"}) {
            ScopedTimeZone scoped(zone);
            std::vector<CTideHandler::Sample> expected;
            AsciiRecord record(templ);
            for (AsciiFileReader reader(data.c_str(), templ); !reader.IsEnd(); reader.Next()) {
                record.Parse(reader.GetLineView());
                if (!record.IsValid())
                    continue;
                const CTime time =
                    CTideHandler::AsciiTime2CTime(record.GetValue("TimeDate").AsDouble(), 1970);
                expected.push_back(
                    {static_cast<int32_t>(time.GetTime()),
                     static_cast<float>(record.GetValue("Tide (m, up+)").AsDouble())});
            }
            CTideHandler tide;
            ASSERT_EQ(tide.LoadTide("Gauge", data.c_str()), static_cast<int>(expected.size()));
            EXPECT_GT(expected.size(), 3000u);
            for (size_t i = 0; i < expected.size(); ++i) {
                const CTideHandler::Sample sample = tide.GetSample(static_cast<int>(i));
                ASSERT_EQ(sample.time, expected[i].time) << i;
                ASSERT_EQ(std::memcmp(&sample.tide, &expected[i].tide, sizeof sample.tide), 0) << i;
            }
        }
    });
}

TEST(CTideHandler, InvalidTemplateIsReportedAndTheLogNamesTheFiles) {
    RunInInstallation([] {
        WriteTideStore();
        const std::string home = TestInstallationFolder();
        std::filesystem::create_directories(home + "/log");
        SetEnvironmentVariable("VORNHOME", home.c_str());
        CScriptedUser user;
        CTideHandler tide = TwoSamples();
        EXPECT_EQ(tide.LoadTide("No such template", "/dev/null"), 0);
        EXPECT_EQ(tide.GetCount(), 0);
        EXPECT_TRUE(tide.GetName().IsEmpty());
        ASSERT_EQ(user.MessageBoxesShown().size(), 1u);
        EXPECT_STREQ(user.MessageBoxesShown()[0].text, "template is invalid!\n");
        std::ifstream log(home + "/log/error");
        const std::string errors{std::istreambuf_iterator<char>(log), {}};
        const std::string store = home + "/Setup/AsciiFileTemplates/TERRAL_TIDE/";
        EXPECT_NE(errors.find("Tide template " + store +
                              "No such template.aft is invalid (meta "
                              "template " +
                              store + "_meta_.aft)"),
                  std::string::npos)
            << errors;
    });
}

TEST(CTideHandler, AByteOrderMarkStartsNoSampleAway) {
    RunInInstallation([] {
        ScopedTimeZone zone("UTC0");
        WriteTideStore();
        const std::string store = std::string(GetAsciiTemplateRoot()) + "/TERRAL_TIDE/";
        for (const char* name : {"_meta_.aft", "Gauge.aft"}) {
            std::ifstream in(store + name, std::ios::binary);
            const std::string text{std::istreambuf_iterator<char>(in), {}};
            std::ofstream(store + name, std::ios::binary) << "\xEF\xBB\xBF" << text;
        }
        const std::string data = TestInstallationFolder() + "/tide.txt";
        std::ofstream(data, std::ios::binary) << "\xEF\xBB\xBF"
                                                 "29/02/2024 12:00:00 150\r\n"
                                                 "29/02/2024 12:10:00 170\r\n";
        CTideHandler tide;
        ASSERT_EQ(tide.LoadTide("Gauge", data.c_str()), 2);
        EXPECT_EQ(tide.GetSample(0).time, 1709208000);
        EXPECT_FLOAT_EQ(tide.GetSample(0).tide, 1.5f);
    });
}

} // namespace
