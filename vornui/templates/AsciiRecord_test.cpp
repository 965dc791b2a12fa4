#include "vornui/platform/CTime.h"
#include "vornui/templates/AsciiCalendar.h"
#include "vornui/templates/AsciiRecord.h"
#include "vornui/templates/TemplateFiles_test.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <vector>

namespace {

// The value of record `name` and the record's validity for one line.
std::pair<AsciiValue, bool> Read(const AsciiTemplate& templ, const char* line, const char* name) {
    const AsciiRecord record(line, templ);
    return {record.GetValue(name), record.IsValid()};
}

TEST(AsciiRecord, DoubleRecordsOverEveryColumnType) {
    AsciiTemplate templ = MemoryTemplate({RecordOf("Time", AsciiEncodingDouble, {0}),
                                          RecordOf("Angle", AsciiEncodingDouble, {1}),
                                          RecordOf("Plain", AsciiEncodingDouble, {2})});
    templ.columnCount = 2;
    templ.columnTypes[0] = AsciiColumnTime;
    templ.columnTypes[1] = AsciiColumnAngle;
    const AsciiRecord record("12:00:00,55:30:00,-1.5e2", templ);
    EXPECT_TRUE(record.IsValid());
    EXPECT_EQ(record.GetValue("time").AsDouble(), 0.5); // names match in any case
    EXPECT_EQ(record.GetValue("ANGLE").AsDouble(), 55.5);
    EXPECT_EQ(record.GetValue("Plain").GetType(), AsciiValueDouble);
    EXPECT_EQ(record.GetValue("Plain").AsDouble(), -150.0);
    const std::pair<const char*, double> angles[] = {{"0,-10:30:00,1", -9.5},
                                                     {"0,010:00:00,1", 8.0} /* octal */,
                                                     {"0,0x1F:0:0,1", 31.0} /* hexadecimal */};
    for (const auto& [line, degrees] : angles)
        EXPECT_EQ(Read(templ, line, "Angle").first.AsDouble(), degrees) << line;
    EXPECT_EQ(Read(templ, "0,N55:30,1", "Angle"), std::pair(AsciiValue::Double(0.0), false));
    EXPECT_FALSE(Read(templ, "0,55:30,1", "Angle").second); // seconds missing
}

TEST(AsciiRecord, TooFewColumnsLeaveValuesButNoValidity) {
    const AsciiTemplate templ = MemoryTemplate(
        {RecordOf("A", AsciiEncodingDouble, {0}), RecordOf("B", AsciiEncodingDouble, {3}),
         RecordOf("C", AsciiEncodingInteger, {5}), RecordOf("None", AsciiEncodingDouble, {-1}),
         RecordOf("Odd", 7, {0})});
    const AsciiRecord record("1.5", templ);
    EXPECT_FALSE(record.IsValid());
    ASSERT_EQ(record.GetValueCount(), 5);
    EXPECT_EQ(record.GetValue("A").AsDouble(), 1.5);
    EXPECT_EQ(record.GetValue("B"), AsciiValue::Double(0.0));
    EXPECT_EQ(record.GetValue("C"), AsciiValue::Integer(0));
    for (const char* invalid : {"None", "Odd", "absent"})
        EXPECT_FALSE(record.GetValue(invalid).IsValid()) << invalid;
    EXPECT_FALSE(record.GetValueAt(5).IsValid());
    // A record without a column keeps the line valid.
    EXPECT_TRUE(Read(MemoryTemplate({RecordOf("N", AsciiEncodingDouble, {-1})}), "x", "N").second);
}

TEST(AsciiRecord, IntegerRecords) {
    const AsciiTemplate templ = MemoryTemplate({RecordOf("N", AsciiEncodingInteger, {0})});
    const std::pair<const char*, std::pair<int, bool>> lines[] = {
        {"42", {42, true}},  {"4.7", {4, true}}, {"x", {0, false}},
        {"-3", {-3, true}},  {".5", {0, false}}, // no %d: 0.5 rounded down
        {"\t7", {7, false}},                     // converts, but does not start like a number
    };
    for (const auto& [line, expected] : lines) {
        const auto [value, valid] = Read(templ, line, "N");
        EXPECT_EQ(value, AsciiValue::Integer(expected.first)) << line;
        EXPECT_EQ(valid, expected.second) << line;
    }
}

TEST(AsciiRecord, StackedRecords) {
    AsciiTemplate templ = MemoryTemplate({RecordOf("S", AsciiEncodingStacked, {1})});
    templ.columnCount = 3;
    templ.columnTypes[2] = AsciiColumnTime;
    EXPECT_EQ(Read(templ, "9,1.5,06:00:00,x", "S"),
              std::pair(AsciiValue::Stacked({1.5, 0.25, 0.0}), true));
    EXPECT_EQ(Read(templ, "9", "S").first, AsciiValue::Stacked({}));
    templ.records[0].sources[0] = -4; // counts as the first column
    EXPECT_EQ(Read(templ, "9,1", "S").first, AsciiValue::Stacked({9, 1}));
}

TEST(AsciiRecord, DateRecords) {
    const auto date = [](std::vector<int> sources, const char* line) {
        return Read(MemoryTemplate({RecordOf("TimeDate", AsciiEncodingDate, std::move(sources))}),
                    line, "TimeDate");
    };
    EXPECT_EQ(date({1, 2, 3}, "2024,2,29"), std::pair(AsciiValue::Double(19782), true));
    EXPECT_EQ(date({3, 2, 1, 4, 5, 6}, "29,2,2024,12,30,45.5").first.AsDouble(),
              19782.0 + ((45.5 / 60 + 30) / 60 + 12) / 24);
    EXPECT_EQ(date({1}, "24").first.AsDouble(), 19723.0); // 2024-01-01
    // Zeros and values beyond range fall back to 1970-01-01, which is no date at all.
    EXPECT_EQ(date({1, 2, 3, 4}, "3001,13,32,6").first.AsDouble(), 0.25);
    for (const char* epoch : {"1970,1,1", "0,0,0", "3001,13,32"})
        EXPECT_EQ(date({1, 2, 3}, epoch), std::pair(AsciiValue(), false)) << epoch;
    const std::pair<std::vector<int>, const char*> unreadable[] = {{{1, 2, 3}, "2024,2"},
                                                                   {{1, 2, 3}, "2024,Feb,1"},
                                                                   {{}, "2024,2,1"},
                                                                   {{-2}, "2024"},
                                                                   {{1, 0, 0, 0, 0, 2}, "2024,x"}};
    for (const auto& [sources, line] : unreadable)
        EXPECT_EQ(date(sources, line), std::pair(AsciiValue(), false)) << line;
}

TEST(AsciiRecord, JulianDates) {
    AsciiTemplate templ = MemoryTemplate({RecordOf("J", AsciiEncodingDouble, {0})});
    templ.columnCount = 1;
    templ.columnTypes[0] = AsciiColumnJulianDate;
    const int year = CTime::GetCurrentTime().GetYear();
    const std::pair<const char*, double> dates[] = {
        {"032120000.5", AsciiDayNumber(year, 2, 1) + 0.5 + 0.5 / 86400},
        {"001235960", AsciiDayNumber(year, 1, 2)}, // seconds carry into minutes, hours, day
        {"10", AsciiDayNumber(year, 1, 10)},
        {"0321200x0", AsciiDayNumber(year, 2, 1) + 0.5}}; // unreadable seconds count as 0
    for (const auto& [text, dayNumber] : dates)
        EXPECT_DOUBLE_EQ(Read(templ, text, "J").first.AsDouble(), dayNumber) << text;
    EXPECT_TRUE(Read(templ, "032120000.5", "J").second);
}

TEST(AsciiRecord, ConversionWhenFetchedAndReuse) {
    const AsciiTemplate templ =
        MemoryTemplate({RecordOf("D", AsciiEncodingDouble, {0}, 2.0, -1.0),
                        RecordOf("I", AsciiEncodingInteger, {1}, 0.5),
                        RecordOf("S", AsciiEncodingStacked, {0}, 10.0, 1.0)});
    AsciiRecord record("10,7", templ);
    EXPECT_EQ(record.GetValue("D").AsDouble(), 19.0);
    EXPECT_EQ(record.GetValueUnconverted("D").AsDouble(), 10.0);
    EXPECT_EQ(record.GetValue("I").AsInt(), 3);
    EXPECT_EQ(record.GetValueUnconverted("I").AsInt(), 7);
    EXPECT_EQ(record.GetValue("S"), AsciiValue::Stacked({101, 71}));
    for (int index = -1; index <= record.GetValueCount(); ++index)
        EXPECT_EQ(record.GetDouble(index), record.GetValue(index).AsDouble()) << index;
    record.Parse("-0,7");
    EXPECT_TRUE(std::signbit(record.GetValueUnconverted("D").AsDouble()));
    EXPECT_EQ(record.GetDouble(0), -1.0);
    record.Parse("4");
    EXPECT_EQ(record.GetValueUnconverted("S"), AsciiValue::Stacked({4}));
    record.Release();
    EXPECT_EQ(record.GetValueCount(), 0);
    EXPECT_FALSE(record.GetValue("D").IsValid());
}

TEST(AsciiValue, Access) {
    EXPECT_EQ(AsciiValue::Integer(-7).AsDouble(), -7.0);
    EXPECT_EQ(AsciiValue::Integer(-7).GetCount(), 0);
    EXPECT_EQ(AsciiValue::Double(-2.9).AsInt(), -2);
    EXPECT_EQ(AsciiValue::Double(1e20).AsInt(), INT_MIN);
    EXPECT_EQ(AsciiValue::Double(3.5).GetAt(0) + AsciiValue::Double(3.5).GetAt(1), 3.5);
    EXPECT_EQ(AsciiValue::Stacked({}).AsDouble(), 0.0);
    EXPECT_EQ(AsciiValue::Stacked({2.5, 3}).AsInt(), 2);
    EXPECT_EQ(AsciiValue::Stacked({2.5, 3}).GetAt(-1), 0.0);
    AsciiValue value = AsciiValue::Integer(5);
    value.Scale(-1.0, 0.5);
    EXPECT_EQ(value.AsInt(), -5); // floor(-4.5)
    AsciiValue copy = AsciiValue::Stacked({1, 2});
    const AsciiValue original = copy;
    copy.Scale(2, 0);
    EXPECT_EQ(original.GetAt(1), 2.0);
    copy.Release();
    EXPECT_EQ(copy, AsciiValue());
}

TEST(AsciiField, HemispheresAndEmptyTexts) {
    const std::pair<AsciiField, int> signs[] = {
        {{"north", AsciiColumnNorthSouth}, 1}, {{"S", AsciiColumnNorthSouth}, -1},
        {{"E", AsciiColumnNorthSouth}, 0},     {{"e", AsciiColumnEastWest}, 1},
        {{"W", AsciiColumnEastWest}, -1},      {{"N", AsciiColumnNone}, 0},
        {{nullptr, AsciiColumnEastWest}, 0}};
    for (const auto& [field, sign] : signs)
        EXPECT_EQ(field.GetHemisphereSign(), sign) << (field.GetText() ? field.GetText() : "");
    EXPECT_EQ(AsciiField("", 0).GetFirstChar(), '\0');
    EXPECT_FALSE(AsciiField("N", AsciiColumnNorthSouth).IsDouble());
    EXPECT_FALSE(AsciiField("", 0).IsDouble() || AsciiField(nullptr, 0).IsInt());
    EXPECT_EQ(AsciiField(nullptr, 0).GetDouble(), 0.0);
}

} // namespace
