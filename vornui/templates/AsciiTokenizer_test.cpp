#include "tests/TempDir.h"

#include "vornui/templates/AsciiColumnList.h"
#include "vornui/templates/AsciiFileReader.h"
#include "vornui/templates/AsciiTokenizer.h"
#include "vornui/templates/TemplateFiles_test.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

AsciiChopSettings Chop(const char* separators, const char* hitlist) {
    AsciiChopSettings chop{};
    std::strncpy(chop.separators, separators, sizeof chop.separators - 1);
    std::strncpy(chop.hitlist, hitlist, sizeof chop.hitlist - 1);
    return chop;
}

std::vector<std::string> Tokens(const std::string& text, const AsciiChopSettings& chop) {
    AsciiTokenizer tokenizer(text, chop);
    std::vector<std::string> tokens;
    while (std::optional<std::string> token = tokenizer.NextToken())
        tokens.push_back(*token);
    EXPECT_TRUE(tokenizer.IsEnd());
    return tokens;
}

using Strings = std::vector<std::string>;

TEST(AsciiTokenizer, RunsOfSeparatorsActAsOne) {
    const AsciiChopSettings columns = Chop(",", " ");
    EXPECT_EQ(Tokens("a,,b", columns), (Strings{"a", "b"}));
    EXPECT_EQ(Tokens(",a", columns), (Strings{"a"}));
    EXPECT_EQ(Tokens(",, ,", columns), Strings{});
    EXPECT_EQ(Tokens("", columns), Strings{});
    EXPECT_EQ(Tokens("12.5, 3", columns), (Strings{"12.5", "3"}));
    EXPECT_EQ(Tokens("a , , b,", columns), (Strings{"a", "b"}));
}

TEST(AsciiTokenizer, DroppedCharactersVanishInsideTokens) {
    EXPECT_EQ(Tokens("1 2,3", Chop(",", " ")), (Strings{"12", "3"}));
    // A character in both sets is dropped, not a separator; so is a zero byte.
    EXPECT_EQ(Tokens("a;b,c", Chop(",;", ";")), (Strings{"ab", "c"}));
    EXPECT_EQ(Tokens(std::string("x\0y,z", 5), Chop(",", "")), (Strings{"xy", "z"}));
    EXPECT_EQ(Tokens(std::string("\0\0", 2), Chop(",", "")), Strings{});
    // Quote settings have no effect.
    AsciiChopSettings quoted = Chop(",", "");
    std::strcpy(quoted.quotestart, "\"");
    std::strcpy(quoted.quoteend, "\"");
    quoted.ignoremulti = 0;
    EXPECT_EQ(Tokens("\"a,b\",,c", quoted), (Strings{"\"a", "b\"", "c"}));
}

TEST(AsciiTokenizer, SetsWithoutTerminatorUseTheWholeField) {
    AsciiChopSettings chop{};
    std::memset(chop.separators, '#', sizeof chop.separators);
    chop.separators[14] = ',';
    EXPECT_EQ(Tokens("a,b#c", chop), (Strings{"a", "b", "c"}));
}

TEST(AsciiTokenizer, LongTokensAndHighBytes) {
    const std::string longToken(100000, 'x');
    EXPECT_EQ(Tokens(longToken + ",\xB0\xFF", Chop(",", "")), (Strings{longToken, "\xB0\xFF"}));
    AsciiTokenizer tokenizer("a,b", Chop(",", ""));
    std::string token = "old";
    EXPECT_TRUE(tokenizer.NextToken(token));
    EXPECT_EQ(token, "a");
    EXPECT_TRUE(tokenizer.NextToken(token));
    EXPECT_EQ(token, "b");
    EXPECT_FALSE(tokenizer.NextToken(token));
    EXPECT_EQ(token, "");
}

class AsciiFileReaderTest : public ::testing::Test {
protected:
    std::vector<std::string> Lines(const std::string& content) {
        AsciiFileReader reader(folder.write("data.txt", content).c_str(), templ);
        std::vector<std::string> lines;
        for (; !reader.IsEnd(); reader.Next())
            lines.push_back(reader.GetLine());
        EXPECT_EQ(reader.GetLine(), nullptr);
        return lines;
    }

    TempDir folder;
    AsciiTemplate templ = MemoryTemplate({});
};

TEST_F(AsciiFileReaderTest, LinesWithoutEmptyOnesOrCarriageReturns) {
    EXPECT_EQ(Lines("12.5, 3\r\n\r\n7\n"), (Strings{"12.5, 3", "7"}));
    EXPECT_EQ(Lines("a\nlast"), (Strings{"a", "last"}));
    EXPECT_EQ(Lines("\n\n"), Strings{});
    EXPECT_EQ(Lines(""), Strings{});
    EXPECT_EQ(Lines(std::string("bin\0ary\n\xFF", 9)), (Strings{"binary", "\xFF"}));
}

TEST_F(AsciiFileReaderTest, LinesFollowTheFileChopSettings) {
    std::strcpy(templ.fileChop.separators, ";");
    std::strcpy(templ.fileChop.hitlist, "\n");
    EXPECT_EQ(Lines("a;b\nc;;d"), (Strings{"a", "bc", "d"}));
}

TEST_F(AsciiFileReaderTest, UnreadableFilesGiveNoLines) {
    AsciiFileReader missing(folder.file("absent.txt").c_str(), templ);
    EXPECT_TRUE(missing.IsEnd());
    AsciiFileReader folderItself(folder.path().c_str(), templ);
    EXPECT_TRUE(folderItself.IsEnd());
    AsciiFileReader none(nullptr, templ);
    EXPECT_TRUE(none.IsEnd());

    AsciiFileReader reader(folder.write("two.txt", "1\n2\n").c_str(), templ);
    EXPECT_STREQ(reader.GetLine(), "1");
    reader.Close();
    EXPECT_TRUE(reader.IsEnd());
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
    EXPECT_EQ(columns.GetField(0).GetType(), AsciiColumnTime);
    EXPECT_EQ(columns.GetField(1).GetType(), AsciiColumnAngle);
    EXPECT_EQ(columns.GetField(2).GetType(), 0);
    EXPECT_FALSE(columns.GetField(3).HasText());
    EXPECT_EQ(columns.GetField(3).GetType(), 0);
    EXPECT_FALSE(columns.GetField(-1).HasText());
    EXPECT_EQ(columns.GetText(-1), nullptr);
    columns.Split("a");
    EXPECT_EQ(columns.GetCount(), 1);
    EXPECT_STREQ(columns.GetText(0), "a");
}

} // namespace
