#include "tests/InstalledProgram.h"
#include "tests/ScopedTimeZone.h"

#include "vornui/platform/DesktopUser.h"
#include "vornui/templates/AsciiTemplate.h"
#include "vornui/templates/TemplateFiles_test.h"
#include "vornui/templates/TideHandler.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <ctime>
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

TEST(CTideHandler, InvalidTemplateIsReported) {
    RunInInstallation([] {
        WriteTideStore();
        CScriptedUser user;
        CTideHandler tide = TwoSamples();
        EXPECT_EQ(tide.LoadTide("No such template", "/dev/null"), 0);
        EXPECT_EQ(tide.GetCount(), 0);
        EXPECT_TRUE(tide.GetName().IsEmpty());
        ASSERT_EQ(user.MessageBoxesShown().size(), 1u);
        EXPECT_STREQ(user.MessageBoxesShown()[0].text, "template is invalid!\n");
    });
}

} // namespace
