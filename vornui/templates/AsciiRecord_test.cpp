#include "vornui/platform/CTime.h"
#include "vornui/templates/AsciiCalendar.h"
#include "vornui/templates/AsciiRecord.h"
#include "vornui/templates/TemplateFiles_test.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

AsciiRecord Parsed(const AsciiTemplate& templ, const char* line) {
    return AsciiRecord(line, templ);
}

TEST(AsciiRecord, DoubleRecordsOverEveryColumnType) {
    AsciiTemplate templ = MemoryTemplate({RecordOf("Time", AsciiEncodingDouble, {0}),
                                          RecordOf("Angle", AsciiEncodingDouble, {1}),
                                          RecordOf("Plain", AsciiEncodingDouble, {2})});
    templ.columnCount = 2;
    templ.columnTypes[0] = AsciiColumnTime;
    templ.columnTypes[1] = AsciiColumnAngle;
    const AsciiRecord record = Parsed(templ, "12:00:00,55:30:00,-1.5e2");
    EXPECT_TRUE(record.IsValid());
    EXPECT_EQ(record.GetValue("time").AsDouble(), 0.5);
    EXPECT_EQ(record.GetValue("ANGLE").AsDouble(), 55.5);
    EXPECT_EQ(record.GetValue("Plain").AsDouble(), -150.0);
    EXPECT_EQ(record.GetValue("Plain").GetType(), AsciiValueDouble);

    EXPECT_EQ(Parsed(templ, "0,-10:30:00,1").GetValue("Angle").AsDouble(), -9.5);
    EXPECT_EQ(Parsed(templ, "0,010:00:00,1").GetValue("Angle").AsDouble(), 8.0); // octal
    EXPECT_EQ(Parsed(templ, "0,0x1F:0:0,1").GetValue("Angle").AsDouble(), 31.0); // hexadecimal
    const AsciiRecord lettered = Parsed(templ, "0,N55:30,1");
    EXPECT_FALSE(lettered.IsValid());
    EXPECT_EQ(lettered.GetValue("Angle").AsDouble(), 0.0);
    EXPECT_FALSE(Parsed(templ, "0,55:30,1").IsValid()); // seconds missing
}

TEST(AsciiRecord, TooFewColumnsLeaveValuesButNoValidity) {
    const AsciiTemplate templ = MemoryTemplate(
        {RecordOf("A", AsciiEncodingDouble, {0}), RecordOf("B", AsciiEncodingDouble, {3}),
         RecordOf("C", AsciiEncodingInteger, {5}), RecordOf("None", AsciiEncodingDouble, {-1}),
         RecordOf("Odd", 7, {0})});
    const AsciiRecord record = Parsed(templ, "1.5");
    EXPECT_FALSE(record.IsValid());
    ASSERT_EQ(record.GetValueCount(), 5);
    EXPECT_EQ(record.GetValue("A").AsDouble(), 1.5);
    EXPECT_EQ(record.GetValue("B").GetType(), AsciiValueDouble);
    EXPECT_EQ(record.GetValue("B").AsDouble(), 0.0);
    EXPECT_EQ(record.GetValue("C").GetType(), AsciiValueInteger);
    EXPECT_FALSE(record.GetValue("None").IsValid());
    EXPECT_FALSE(record.GetValue("Odd").IsValid());
    EXPECT_FALSE(record.GetValue("absent").IsValid());
    EXPECT_EQ(record.GetValue("absent").AsDouble(), 0.0);
    EXPECT_FALSE(record.GetValueAt(5).IsValid());

    // A record without a column keeps the line valid.
    const AsciiTemplate unsourced = MemoryTemplate({RecordOf("None", AsciiEncodingDouble, {-1})});
    EXPECT_TRUE(Parsed(unsourced, "x").IsValid());
}

TEST(AsciiRecord, IntegerRecords) {
    const AsciiTemplate templ = MemoryTemplate({RecordOf("N", AsciiEncodingInteger, {0})});
    const auto integer = [&](const char* line, bool valid) {
        const AsciiRecord record = Parsed(templ, line);
        EXPECT_EQ(record.IsValid(), valid) << line;
        return record.GetValue("N").AsInt();
    };
    EXPECT_EQ(integer("42", true), 42);
    EXPECT_EQ(integer("4.7", true), 4);
    EXPECT_EQ(integer("x", false), 0);
    EXPECT_EQ(integer("-3", true), -3);
    EXPECT_EQ(integer(".5", false), 0);  // no %d; the number 0.5 rounded down
    EXPECT_EQ(integer("\t7", false), 7); // converts, but does not start like a number
}

TEST(AsciiRecord, StackedRecords) {
    AsciiTemplate templ = MemoryTemplate({RecordOf("S", AsciiEncodingStacked, {1})});
    templ.columnCount = 3;
    templ.columnTypes[2] = AsciiColumnTime;
    const AsciiValue value = Parsed(templ, "9,1.5,06:00:00,x").GetValue("S");
    ASSERT_EQ(value.GetType(), AsciiValueStacked);
    ASSERT_EQ(value.GetCount(), 3);
    EXPECT_EQ(value.GetAt(0), 1.5);
    EXPECT_EQ(value.GetAt(1), 0.25);
    EXPECT_EQ(value.GetAt(2), 0.0);
    EXPECT_EQ(value.AsDouble(), 1.5);
    EXPECT_TRUE(Parsed(templ, "9,1.5,06:00:00,x").IsValid());
    EXPECT_EQ(Parsed(templ, "9").GetValue("S").GetCount(), 0);

    templ.records[0].sources[0] = -4;
    EXPECT_EQ(Parsed(templ, "9,1").GetValue("S").GetCount(), 2);
}

class DateRecord : public ::testing::Test {
protected:
    AsciiRecord Date(std::vector<int> sources, const char* line) {
        templ = MemoryTemplate({RecordOf("TimeDate", AsciiEncodingDate, std::move(sources))});
        return AsciiRecord(line, templ);
    }
    AsciiTemplate templ = MemoryTemplate({});
};

TEST_F(DateRecord, DayNumbersFromColumns) {
    const AsciiRecord leapDay = Date({1, 2, 3}, "2024,2,29");
    EXPECT_TRUE(leapDay.IsValid());
    EXPECT_EQ(leapDay.GetValue("TimeDate").AsDouble(), 19782.0);

    const AsciiRecord full = Date({3, 2, 1, 4, 5, 6}, "29,2,2024,12,30,45.5");
    EXPECT_DOUBLE_EQ(full.GetValue("TimeDate").AsDouble(),
                     19782.0 + ((45.5 / 60 + 30) / 60 + 12) / 24);
    // Zeros and values beyond range fall back to the start of the period.
    EXPECT_EQ(Date({1, 2, 3}, "0,0,0,").GetValue("TimeDate").GetType(), AsciiValueInvalid);
    EXPECT_EQ(Date({1, 2, 3}, "3001,13,32").GetValue("TimeDate").GetType(), AsciiValueInvalid);
    EXPECT_EQ(Date({1, 2, 3, 4}, "3001,13,32,6").GetValue("TimeDate").AsDouble(), 0.25);
    EXPECT_EQ(Date({1}, "24").GetValue("TimeDate").AsDouble(), 19723.0); // 2024-01-01
}

TEST_F(DateRecord, TheEpochItselfIsNoDate) {
    const AsciiRecord epoch = Date({1, 2, 3}, "1970,1,1");
    EXPECT_FALSE(epoch.IsValid());
    EXPECT_FALSE(epoch.GetValue("TimeDate").IsValid());
}

TEST_F(DateRecord, MissingOrUnreadablePartsInvalidate) {
    EXPECT_FALSE(Date({1, 2, 3}, "2024,2").IsValid());
    EXPECT_FALSE(Date({1, 2, 3}, "2024,Feb,1").IsValid());
    EXPECT_FALSE(Date({}, "2024,2,1").IsValid());
    EXPECT_FALSE(Date({-2}, "2024").IsValid());
    EXPECT_FALSE(Date({1, 0, 0, 0, 0, 2}, "2024,x").IsValid());
}

TEST(AsciiRecord, JulianDates) {
    AsciiTemplate templ = MemoryTemplate({RecordOf("J", AsciiEncodingDouble, {0})});
    templ.columnCount = 1;
    templ.columnTypes[0] = AsciiColumnJulianDate;
    const int year = CTime::GetCurrentTime().GetYear();
    const AsciiRecord record = Parsed(templ, "032120000.5");
    EXPECT_TRUE(record.IsValid());
    EXPECT_DOUBLE_EQ(record.GetValue("J").AsDouble(),
                     AsciiDayNumber(year, 2, 1) + 0.5 + 0.5 / 86400);
    // 60 seconds carry into the minutes, those into the hours, those into the day.
    EXPECT_DOUBLE_EQ(Parsed(templ, "001235960").GetValue("J").AsDouble(),
                     AsciiDayNumber(year, 1, 2));
    EXPECT_DOUBLE_EQ(Parsed(templ, "10").GetValue("J").AsDouble(), AsciiDayNumber(year, 1, 10));
    EXPECT_DOUBLE_EQ(Parsed(templ, "0321200x0").GetValue("J").AsDouble(),
                     AsciiDayNumber(year, 2, 1) + 0.5); // unreadable seconds count as 0
}

TEST(AsciiRecord, ConversionWhenFetched) {
    const AsciiTemplate templ =
        MemoryTemplate({RecordOf("D", AsciiEncodingDouble, {0}, 2.0, -1.0),
                        RecordOf("I", AsciiEncodingInteger, {1}, 0.5),
                        RecordOf("S", AsciiEncodingStacked, {0}, 10.0, 1.0)});
    const AsciiRecord record = Parsed(templ, "10,7");
    EXPECT_EQ(record.GetValue("D").AsDouble(), 19.0);
    EXPECT_EQ(record.GetValueUnconverted("D").AsDouble(), 10.0);
    EXPECT_EQ(record.GetValue("I").AsInt(), 3);
    EXPECT_EQ(record.GetValueUnconverted("I").AsInt(), 7);
    const AsciiValue stacked = record.GetValue("S");
    EXPECT_EQ(stacked.GetAt(0), 101.0);
    EXPECT_EQ(stacked.GetAt(1), 71.0);
}

TEST(AsciiRecord, ReparsingAndRelease) {
    const AsciiTemplate templ = MemoryTemplate(
        {RecordOf("S", AsciiEncodingStacked, {0}), RecordOf("D", AsciiEncodingDouble, {0})});
    AsciiRecord record(templ);
    EXPECT_FALSE(record.IsValid());
    record.Parse("1,2,3");
    EXPECT_EQ(record.GetValue("S").GetCount(), 3);
    record.Parse("4");
    EXPECT_EQ(record.GetValue("S").GetCount(), 1);
    EXPECT_EQ(record.GetValue("D").AsDouble(), 4.0);
    record.Release();
    EXPECT_EQ(record.GetValueCount(), 0);
    EXPECT_FALSE(record.GetValue("D").IsValid());
}

TEST(AsciiValue, Access) {
    EXPECT_EQ(AsciiValue::Integer(-7).AsDouble(), -7.0);
    EXPECT_EQ(AsciiValue::Integer(-7).GetCount(), 0);
    EXPECT_EQ(AsciiValue::Double(-2.9).AsInt(), -2);
    EXPECT_EQ(AsciiValue::Double(1e20).AsInt(), INT_MIN);
    EXPECT_EQ(AsciiValue::Double(3.5).GetAt(0), 3.5);
    EXPECT_EQ(AsciiValue::Double(3.5).GetAt(1), 0.0);
    EXPECT_EQ(AsciiValue::Stacked({}).AsDouble(), 0.0);
    EXPECT_EQ(AsciiValue::Stacked({2.5, 3}).AsInt(), 2);
    EXPECT_EQ(AsciiValue::Stacked({2.5, 3}).GetAt(-1), 0.0);
    AsciiValue value = AsciiValue::Integer(5);
    value.Scale(-1.0, 0.5);
    EXPECT_EQ(value.AsInt(), -5); // floor(-4.5)
    AsciiValue copy = AsciiValue::Stacked({1, 2});
    AsciiValue original = copy;
    copy.Scale(2, 0);
    EXPECT_EQ(original.GetAt(1), 2.0);
    copy.Release();
    EXPECT_FALSE(copy.IsValid());
    EXPECT_EQ(copy.GetCount(), 0);
}

TEST(AsciiField, HemispheresAndFirstCharacters) {
    EXPECT_EQ(AsciiField("north", AsciiColumnNorthSouth).GetHemisphereSign(), 1);
    EXPECT_EQ(AsciiField("S", AsciiColumnNorthSouth).GetHemisphereSign(), -1);
    EXPECT_EQ(AsciiField("E", AsciiColumnNorthSouth).GetHemisphereSign(), 0);
    EXPECT_EQ(AsciiField("e", AsciiColumnEastWest).GetHemisphereSign(), 1);
    EXPECT_EQ(AsciiField("W", AsciiColumnEastWest).GetHemisphereSign(), -1);
    EXPECT_EQ(AsciiField("N", 0).GetHemisphereSign(), 0);
    EXPECT_EQ(AsciiField(nullptr, AsciiColumnEastWest).GetHemisphereSign(), 0);
    EXPECT_EQ(AsciiField("", 0).GetFirstChar(), '\0');
    EXPECT_FALSE(AsciiField("N", AsciiColumnNorthSouth).IsDouble());
    EXPECT_FALSE(AsciiField("", 0).IsDouble());
    EXPECT_FALSE(AsciiField(nullptr, 0).IsInt());
    EXPECT_EQ(AsciiField(nullptr, 0).GetDouble(), 0.0);
}

} // namespace
