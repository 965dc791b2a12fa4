#include "tests/ScopedNumericLocale.h"

#include "vornui/templates/AsciiField.h"
#include "vornui/templates/AsciiTemplate.h"

#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

namespace {

constexpr int kTypes[] = {AsciiColumnNone, AsciiColumnAngle, AsciiColumnTime};

// The field rules written plainly with the C library's sscanf, to hold the fast readers to.
struct Reference {
    double value = 0.0;
    bool validDouble = false;
    int integer = 0;
    bool validInt = false;
};

bool StartsLikeNumber(const char* text) {
    return std::isdigit(static_cast<unsigned char>(text[0])) || text[0] == '+' || text[0] == '-';
}

Reference ReferenceReading(const char* text, int type) {
    Reference reference;
    if (text[0] == '\0')
        return reference;
    if (type == AsciiColumnAngle || type == AsciiColumnTime) {
        int whole = 0, minutes = 0;
        char separator = 0;
        double seconds = 0.0;
        const int parts =
            std::sscanf(text, "%i%c%i%c%lf", &whole, &separator, &minutes, &separator, &seconds);
        reference.value = whole + (minutes + seconds / 60) / 60;
        if (type == AsciiColumnTime)
            reference.value /= 24;
        reference.validDouble = parts == 5 && StartsLikeNumber(text);
    } else {
        double number = 0.0;
        reference.validDouble = std::sscanf(text, "%lf", &number) == 1;
        reference.value = reference.validDouble ? number : 0.0;
    }
    if (std::sscanf(text, "%d", &reference.integer) == 1) {
        reference.validInt = StartsLikeNumber(text);
    } else {
        const double floored = std::floor(reference.value);
        reference.integer =
            floored > -2147483649.0 && floored < 2147483648.0 ? static_cast<int>(floored) : INT_MIN;
    }
    return reference;
}

void ExpectSameAsReference(const std::string& text, int type) {
    const Reference expected = ReferenceReading(text.c_str(), type);
    const AsciiField field(text.c_str(), type);
    const double value = field.GetDouble();
    EXPECT_TRUE(std::memcmp(&value, &expected.value, sizeof value) == 0 ||
                (std::isnan(value) && std::isnan(expected.value)))
        << "\"" << text << "\" type " << type << ": " << value << " vs " << expected.value;
    EXPECT_EQ(field.IsDouble(), expected.validDouble) << "\"" << text << "\" type " << type;
    EXPECT_EQ(field.GetInt(), expected.integer) << "\"" << text << "\" type " << type;
    EXPECT_EQ(field.IsInt(), expected.validInt) << "\"" << text << "\" type " << type;
}

TEST(AsciiField, ReadsExactlyAsTheCLibrary) {
    const char* samples[] = {"1e",
                             "1e+",
                             "1.2.3",
                             "-",
                             ".",
                             " 5",
                             "0x",
                             "0x1p3",
                             "inf",
                             "-nan",
                             "infinity",
                             "1e999",
                             "1e-400",
                             "4.9e-324",
                             "100ergs",
                             "5.",
                             "+.5",
                             "0x1g",
                             "1E5x",
                             "-0",
                             "1,5",
                             "99999999999",
                             "4294967297",
                             "-4294967297",
                             "99999999999999999999",
                             "-99999999999999999999",
                             "-9223372036854775808",
                             "9223372036854775807",
                             "9223372036854775808",
                             "-9223372036854775809",
                             "922337203685477581",
                             "9223372036854775809",
                             "000000000000000000000042",
                             "+",
                             "- 5",
                             " -5",
                             "0x10",
                             "010",
                             "08:30:00",
                             "0x1F:2:3",
                             "-10:30:00",
                             "12:00",
                             "12:00:",
                             "0x:1:2",
                             "1 :2:3",
                             "1: 2:3",
                             "9999999999:1:1",
                             "0xg:1:1",
                             "1:2: 3",
                             "1:2:x",
                             "+1:+2:+3e1",
                             "00x5",
                             "0.x",
                             "12.5",
                             "-0.000001",
                             "123456789012345678901234567890",
                             "0.1000000000000000055511151231257827",
                             "2.2250738585072011e-308",
                             "1:2:3.5e",
                             "\t7",
                             "0:-1:-1",
                             "--1:2:3",
                             ":1:2",
                             "1::2",
                             "7:08:09"};
    for (const char* text : samples)
        for (int type : kTypes)
            ExpectSameAsReference(text, type);
}

TEST(AsciiField, RandomTextsReadExactlyAsTheCLibrary) {
    const std::string alphabet = "0123456789000111+-..eExXaAfFiInN :\t";
    std::mt19937 random(20240229);
    for (int round = 0; round < 20000; ++round) {
        std::string text(random() % 12, ' ');
        for (char& ch : text)
            ch = alphabet[random() % alphabet.size()];
        for (int type : kTypes)
            ExpectSameAsReference(text, type);
        if (::testing::Test::HasFailure())
            return;
    }
}

TEST(AsciiField, DecimalPointsInAnyLocale) {
    const ScopedCommaLocale comma;
    if (!comma.IsActive())
        GTEST_SKIP() << "no decimal-comma locale is installed";
    EXPECT_EQ(AsciiField("1.5", AsciiColumnNone).GetDouble(), 1.5);
    EXPECT_EQ(AsciiField("0x1.8p1", AsciiColumnNone).GetDouble(), 3.0);
    EXPECT_EQ(AsciiField("1,5", AsciiColumnNone).GetDouble(), 1.0);
    EXPECT_EQ(AsciiField("010:30:1.5", AsciiColumnAngle).GetDouble(), 8 + (30 + 1.5 / 60) / 60);
}

} // namespace
