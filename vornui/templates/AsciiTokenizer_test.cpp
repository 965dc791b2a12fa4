#include "tests/TempDir.h"

#include "vornui/templates/AsciiColumnList.h"
#include "vornui/templates/AsciiFileReader.h"
#include "vornui/templates/AsciiTokenizer.h"
#include "vornui/templates/TemplateFiles_test.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

Strings Tokens(const std::string& text, const char* separators, const char* hitlist) {
    AsciiChopSettings chop{};
    std::memcpy(chop.separators, separators, std::min(std::strlen(separators), size_t{15}));
    std::memcpy(chop.hitlist, hitlist, std::min(std::strlen(hitlist), size_t{15}));
    AsciiTokenizer tokenizer(text, chop);
    Strings tokens;
    while (std::optional<std::string> token = tokenizer.NextToken())
        tokens.push_back(*token);
    EXPECT_TRUE(tokenizer.IsEnd());
    return tokens;
}

TEST(AsciiTokenizer, SeparatorsAndDroppedCharacters) {
    const std::string longToken(100000, 'x');
    const std::pair<std::string, Strings> columns[] = {
        {"a,,b", {"a", "b"}}, // runs of separators act as one
        {",a", {"a"}},
        {",, ,", {}},
        {"", {}},
        {"12.5, 3", {"12.5", "3"}},
        {"1 2,3", {"12", "3"}},              // dropped inside a token too
        {"\"a,b\",,c", {"\"a", "b\"", "c"}}, // no quoting
        {longToken + ",\xB0\xFF", {longToken, "\xB0\xFF"}}};
    for (const auto& [text, tokens] : columns)
        EXPECT_EQ(Tokens(text, ",", " "), tokens) << text.substr(0, 20);
    // A character in both sets is dropped, not a separator; so is a zero byte.
    EXPECT_EQ(Tokens("a;b,c", ",;", ";"), (Strings{"ab", "c"}));
    EXPECT_EQ(Tokens(std::string("x\0y,z", 5), ",", ""), (Strings{"xy", "z"}));
    // A set without terminator fills its whole field.
    EXPECT_EQ(Tokens("a,b#c", "##############,", ""), (Strings{"a", "b", "c"}));
}

TEST(AsciiTokenizer, TokensIntoBuffersAndInPlace) {
    AsciiChopSettings chop{};
    std::strcpy(chop.separators, ",");
    std::strcpy(chop.hitlist, " ");
    AsciiTokenizer copying("a b,c", chop);
    std::string token = "old";
    EXPECT_TRUE(copying.NextToken(token));
    EXPECT_EQ(token, "ab");
    AsciiTokenizer cutting("a b,c", chop);
    std::string_view cut;
    EXPECT_TRUE(cutting.CutNextToken(cut));
    EXPECT_EQ(cut, "ab");
    EXPECT_EQ(cut.data()[cut.size()], '\0');
    EXPECT_TRUE(cutting.CutNextToken(cut) && copying.NextToken(token));
    EXPECT_EQ(cut, token);
    EXPECT_FALSE(cutting.CutNextToken(cut) || copying.NextToken(token));
    EXPECT_EQ(token, "");
}

TEST(AsciiFileReader, LinesWithoutEmptyOnesOrCarriageReturns) {
    TempDir folder;
    AsciiTemplate templ = MemoryTemplate({});
    const auto lines = [&](const std::string& content) {
        AsciiFileReader reader(folder.write("data.txt", content).c_str(), templ);
        Strings read;
        for (; !reader.IsEnd(); reader.Next())
            read.push_back(reader.GetLine());
        EXPECT_EQ(reader.GetLine(), nullptr);
        return read;
    };
    EXPECT_EQ(lines("12.5, 3\r\n\r\n7\n"), (Strings{"12.5, 3", "7"}));
    EXPECT_EQ(lines("a\nlast"), (Strings{"a", "last"}));
    EXPECT_EQ(lines("\n\n"), Strings{});
    EXPECT_EQ(lines(std::string("bin\0ary\n\xFF", 9)), (Strings{"binary", "\xFF"}));
    std::strcpy(templ.fileChop.separators, ";");
    std::strcpy(templ.fileChop.hitlist, "\n");
    EXPECT_EQ(lines("a;b\nc;;d"), (Strings{"a", "bc", "d"}));

    for (const std::string& unreadable : {folder.file("absent.txt"), folder.path().string()})
        EXPECT_TRUE(AsciiFileReader(unreadable.c_str(), templ).IsEnd()) << unreadable;
    AsciiFileReader reader(folder.write("two.txt", "1;2").c_str(), templ);
    EXPECT_STREQ(reader.GetLine(), "1");
    reader.Close();
    reader.Next();
    EXPECT_TRUE(reader.IsEnd());
}

TEST(AsciiColumnList, ColumnsAndTheirTypes) {
    AsciiTemplate templ = MemoryTemplate({});
    templ.columnCount = 2;
    templ.columnTypes[0] = AsciiColumnTime;
    templ.columnTypes[1] = AsciiColumnAngle;
    templ.columnTypes[2] = AsciiColumnJulianDate; // beyond the count: not used
    AsciiColumnList columns("12:00:00, 55:30:00 ,7", templ);
    ASSERT_EQ(columns.GetCount(), 3);
    EXPECT_STREQ(columns.GetText(1), "55:30:00");
    EXPECT_EQ(columns.GetField(1).GetType(), AsciiColumnAngle);
    EXPECT_EQ(columns.GetField(2).GetType(), 0);
    for (int outside : {-1, 3}) {
        EXPECT_FALSE(columns.GetField(outside).HasText());
        EXPECT_EQ(columns.GetField(outside).GetType(), 0);
    }
    columns.Split("a");
    EXPECT_EQ(columns.GetCount(), 1);
    EXPECT_STREQ(columns.GetText(0), "a");
}

} // namespace
