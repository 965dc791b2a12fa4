#include "vornui/platform/CodePage.h"

#include <gtest/gtest.h>

TEST(CodePage, Utf8TextBecomesCodePage1252AndBackWhereTheCodePageHasIt) {
    EXPECT_EQ(Cp1252FromUtf8("KP 12+345"), "KP 12+345");
    EXPECT_EQ(Cp1252FromUtf8("17.5\xC2\xB0 \xE2\x82\xAC \xC5\x92"), "17.5\xB0 \x80 \x8C"); // ° € Œ
    // A root sign and an emoji have no byte; neither have broken or cut sequences.
    EXPECT_EQ(Cp1252FromUtf8("\xE2\x88\x9A \xF0\x9F\x8C\x8A"), "? ?");
    EXPECT_EQ(Cp1252FromUtf8("a\x80z \xC3 \xE2\x82"), "a?z ? ?");
    EXPECT_EQ(Cp1252FromUtf8("\xE2\x88\x9A", '\0'), std::string(1, '\0'));

    std::string everyByte;
    for (int byte = 1; byte < 256; ++byte)
        everyByte += static_cast<char>(byte);
    EXPECT_EQ(Cp1252FromUtf8(Utf8From1252(everyByte)), everyByte);
    EXPECT_EQ(Cp1252FromCodePoint(0x20AC), '\x80');
    EXPECT_EQ(Cp1252FromCodePoint(0x221A), 0);
}
