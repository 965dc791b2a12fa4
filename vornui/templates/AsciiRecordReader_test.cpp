#include "tests/TempDir.h"

#include "vornui/templates/AsciiFileReader.h"
#include "vornui/templates/AsciiRecord.h"
#include "vornui/templates/AsciiRecordReader.h"
#include "vornui/templates/TemplateFiles_test.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

// A record as text: its validity, then each value's type, number (to the bit, so that -0
// differs from 0) and integer.
std::string Describe(const AsciiRecord& record) {
    std::string text = record.IsValid() ? "valid" : "invalid";
    for (int i = 0; i < record.GetValueCount(); ++i) {
        const AsciiValue& value = record.GetValueAt(i);
        const double number = value.AsDouble();
        uint64_t bits = 0;
        std::memcpy(&bits, &number, sizeof bits);
        char part[96];
        std::snprintf(part, sizeof part, " [%d %.17g/%016llx %d]", value.GetType(), number,
                      static_cast<unsigned long long>(bits), value.AsInt());
        text += part;
    }
    return text;
}

// Every line of the file as the line reader cuts it and the record parses it.
std::vector<std::string> GeneralRecords(const std::string& path, const AsciiTemplate& templ) {
    std::vector<std::string> records;
    AsciiRecord record(templ);
    for (AsciiFileReader reader(path.c_str(), templ); !reader.IsEnd(); reader.Next()) {
        record.Parse(reader.GetLineView());
        records.push_back(Describe(record));
    }
    return records;
}

std::vector<std::string> ReaderRecords(const std::string& path, const AsciiTemplate& templ) {
    std::vector<std::string> records;
    AsciiRecordReader reader(path.c_str(), templ);
    AsciiRecord record(templ);
    while (reader.ReadNext(record))
        records.push_back(Describe(record));
    return records;
}

// "dd/mm/yyyy hh:mm:ss level" lines, the level in centimetres.
AsciiTemplate TideTemplate() {
    AsciiTemplate templ =
        MemoryTemplate({RecordOf("TimeDate", AsciiEncodingDate, {3, 2, 1, 4, 5, 6}),
                        RecordOf("Tide (m, up+)", AsciiEncodingDouble, {6}, 0.01)});
    std::strcpy(templ.columnChop.separators, " /:");
    std::strcpy(templ.columnChop.hitlist, "\t");
    return templ;
}

// Every encoding a line can be read plainly with, one column read both ways.
AsciiTemplate MixedTemplate() {
    return MemoryTemplate({RecordOf("Count", AsciiEncodingInteger, {0}),
                           RecordOf("Level", AsciiEncodingDouble, {1}, 2.0, -1.0),
                           RecordOf("None", AsciiEncodingDouble, {-1}),
                           RecordOf("Year", AsciiEncodingDate, {1}),
                           RecordOf("Date", AsciiEncodingDate, {3, 4, 5, 0, 0, 2}),
                           RecordOf("Odd", 9, {0}), RecordOf("Again", AsciiEncodingDouble, {3})});
}

// Columns stepped over between and after the columns read.
AsciiTemplate GapTemplate() {
    AsciiTemplate templ = MemoryTemplate({RecordOf("First", AsciiEncodingInteger, {0}),
                                          RecordOf("Third", AsciiEncodingDouble, {2})});
    std::strcpy(templ.columnChop.separators, ",/");
    std::strcpy(templ.columnChop.hitlist, " \t");
    return templ;
}

// Templates that every line of goes the general way.
std::vector<AsciiTemplate> GeneralTemplates() {
    AsciiTemplate stacked = MixedTemplate();
    stacked.records[2] = RecordOf("Rest", AsciiEncodingStacked, {2});
    AsciiTemplate times = TideTemplate();
    times.columnCount = 7;
    times.columnTypes[6] = AsciiColumnTime;
    AsciiTemplate pointSeparates = TideTemplate();
    std::strcpy(pointSeparates.columnChop.separators, " /:.");
    AsciiTemplate negativeSource = MixedTemplate();
    negativeSource.records[4].sources[1] = -2;
    return {stacked, times, pointSeparates, negativeSource};
}

TEST(AsciiRecordReader, ReadsTheLinesAndValuesOfATideFile) {
    const TempDir dir;
    // Windows line ends, a blank line, a header, a line short of its level, a last line
    // without a line end.
    const std::string path = dir.write("tide.txt", "29/02/2024 12:00:00 150\r\n"
                                                   "\r\n"
                                                   "Date Time Level\r\n"
                                                   "29/02/2024 12:10:00\r\n"
                                                   "01/03/2024 00:00:30.5 -20");
    const AsciiTemplate templ = TideTemplate();
    AsciiRecordReader reader(path.c_str(), templ);
    AsciiRecord record(templ);
    // The header gives no date; the short line gives its date but is no valid line.
    const std::pair<bool, double> expected[] = {{true, 19782 + 12.0 / 24},
                                                {false, 0.0},
                                                {false, 19782 + (10.0 / 60 + 12) / 24},
                                                {true, 19783 + 30.5 / 60 / 60 / 24}};
    for (const auto& [valid, dayNumber] : expected) {
        ASSERT_TRUE(reader.ReadNext(record));
        EXPECT_EQ(record.IsValid(), valid);
        EXPECT_EQ(record.GetDouble(0), dayNumber);
    }
    EXPECT_DOUBLE_EQ(record.GetDouble(1), -0.2);
    EXPECT_FALSE(reader.ReadNext(record));
    EXPECT_FALSE(reader.ReadNext(record));
    EXPECT_EQ(ReaderRecords(path, templ), GeneralRecords(path, templ));

    EXPECT_TRUE(ReaderRecords(dir.file("absent.txt"), templ).empty());
    EXPECT_TRUE(ReaderRecords(dir.write("empty.txt", ""), templ).empty());
    EXPECT_TRUE(ReaderRecords(dir.write("blank.txt", "\r\n\n\r"), templ).empty());
}

// Lines that test where a plain reading must stop and leave the line to the general way:
// odd numbers, dates and column separators, characters dropped inside and beside numbers.
TEST(AsciiRecordReader, OddLinesGiveTheRecordsOfTheGeneralWay) {
    const TempDir dir;
    const std::string tideLines = "\xEF\xBB\xBF"
                                  "1/2/24 3:4:5 6\n"         // two-digit year, one-digit parts
                                  "00/00/0000 00:00:00 0\n"  // the first of January 1970: no date
                                  "31/13/3001 25:61:61 1\n"  // parts beyond their range
                                  "+1/-2/1990 -1:+2:-3 +4\n" // signs
                                  "01/01/2024 00:00:00.25 1.\n"
                                  "01/01/2024 00:00:.5 -.5\n"
                                  "01/01/2024 00:00:00 -0\n"
                                  "01/01/2024 00:00:00 1e2\n"
                                  "01/01/2024 00:00:00 0x10\n"
                                  "01/01/2024 00:00:00 12a\n"
                                  "01/01/2024 00:00:00 -\n"
                                  "01/01/2024 00:00:00 .\n"
                                  "01/01/2024 00:00:00 1234567890123456789012\n"
                                  "01/01/2024 00:00:00 0.1234567890123456\n"
                                  "99999999999/01/2024 00:00:00 1\n"
                                  "-2147483649/01/2024 00:00:00 1\n"
                                  "01/01/20\t24 00:00:00 1\t5\n" // dropped inside a number
                                  "\t01/01/2024\t00:00:00\t15\t\n"
                                  "01/01/2024 00:00:00 1\r5\n"
                                  "01/01/2024 00:00:00 1\r\n"
                                  "01/01/2024 00:00:00 1 extra columns 2 3\n"
                                  "01/01/2024 00:00:00 1\0 2\n"
                                  "01/01/2024   00::00:00    7   \n"
                                  "  /  : \n"
                                  "01/01/2024"s;
    const std::string mixedLines = "7, 1.5, 3, 2024, 2, 29\n"
                                   "7,1.5,3,2024,2\n"
                                   "4.7, 2, 3, 2024, 2, 29\n"
                                   "x, 2, 3, 2024, 2, 29\n"
                                   "1 2, 3 4, 5, 2024, 12, 31\n"
                                   "7, 2024, 3, 0, 0, 0\n"
                                   ",,,7,,1.5,,3,2024,2,29,,\n"
                                   " , \n"
                                   "5, n 1\t, 9, 1 1\n";
    const std::string tidePath = dir.write("tide.txt", tideLines);
    const std::string mixedPath = dir.write("mixed.txt", mixedLines);
    std::vector<AsciiTemplate> templates = GeneralTemplates();
    templates.push_back(TideTemplate());
    templates.push_back(MixedTemplate());
    templates.push_back(GapTemplate());
    for (const AsciiTemplate& templ : templates) {
        for (const std::string& path : {tidePath, mixedPath}) {
            const std::vector<std::string> general = GeneralRecords(path, templ);
            EXPECT_FALSE(general.empty());
            EXPECT_EQ(ReaderRecords(path, templ), general) << path;
        }
    }
}

// Any line a tide or survey file might hold, built from numbers of every form, words,
// separators and dropped characters: every record is the general way's.
TEST(AsciiRecordReader, RandomLinesGiveTheRecordsOfTheGeneralWay) {
    const char* const pieces[] = {
        "12",   "-3", "+4",   "0",        "2024", "1.5",  "-0",
        ".5",   "5.", "1e3",  "0x1F",     "007",  "29",   "31",
        "-0.0", "1e", "N55",  "a",        "-",    "+",    ".",
        "23",   "59", "60.5", "99999999", "1970", "2099", "12345678901234567"};
    const char* const gaps[] = {" ", "/", ":", ",", "  ", "\t", " \t ", "\r", ", "};
    std::mt19937 random(18);
    const auto pick = [&random](const auto& list) {
        return std::string(list[random() % std::size(list)]);
    };
    const TempDir dir;
    std::vector<AsciiTemplate> templates = GeneralTemplates();
    templates.push_back(TideTemplate());
    templates.push_back(MixedTemplate());
    templates.push_back(GapTemplate());
    for (int file = 0; file < 40; ++file) {
        std::string text;
        for (int line = 0; line < 200; ++line) {
            const int columns = static_cast<int>(random() % 9);
            for (int column = 0; column < columns; ++column) {
                if (column > 0 || random() % 4 == 0)
                    text += random() % 8 == 0 ? std::string(1, '\0') : pick(gaps);
                text += pick(pieces);
            }
            text += random() % 3 == 0 ? "\r\n" : "\n";
        }
        if (file % 2 == 1)
            text.pop_back();
        const std::string path = dir.write("random.txt", text);
        for (const AsciiTemplate& templ : templates)
            ASSERT_EQ(ReaderRecords(path, templ), GeneralRecords(path, templ)) << text;
    }
}

} // namespace
