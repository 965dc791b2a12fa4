#include "tests/TempDir.h"

#include "vornui/util/CSVDelimiter.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace {

// The guess for a file of `content`, and whether the file stood at its start afterwards.
std::pair<CString, bool> Guess(const std::string& content, bool readHeaderFirst = false) {
    TempDir dir;
    const std::string path = dir.write("data.csv", content);
    CStdioFile file;
    EXPECT_TRUE(file.Open(path.c_str(), CStdioFile::modeRead | CStdioFile::typeText));
    if (readHeaderFirst) {
        CString header;
        file.ReadString(header);
    }
    const CString delimiter = FindCSVDelimiter(file);
    return {delimiter, file.GetPosition() == 0};
}

CString Delimiter(const std::string& content) {
    return Guess(content).first;
}

} // namespace

TEST(CSVDelimiter, TheOneCandidateThatKeepsItsCountOnEveryLineWins) {
    // Three ';' on every line and varying spaces, tabs and commas.
    EXPECT_EQ(Delimiter("head\na;b c;d,e;f\na b c;d\t;e;f,g,h\n1;2;3;4 ,,\t\t\n"), CString(";"));
    EXPECT_EQ(Delimiter("h\na\tb c\td\ne\tf\tg,h;i\n"), CString("\t"));
    EXPECT_EQ(Delimiter("h\na b;c,d\ta\na b;;c,,d\t\ta\n"), CString(" "));
    // Absent candidates keep their count 0 and stay too: with ';' that is the default.
    EXPECT_EQ(Delimiter("time;depth;tide\n12:00;17.5;0.3\n12:01;17.6;0.3\n"), CString(","));
    // One data line leaves every candidate in the running.
    EXPECT_EQ(Delimiter("head\na;b c\n"), CString(","));
    // All dropped: the default.
    EXPECT_EQ(Delimiter("h\na;b c,d\te\na;;b  c,,d\t\te\n"), CString(","));
    // A last line without its end counts, and "\r\n" ends lines as "\n" does.
    EXPECT_EQ(Delimiter("h\r\n1 2;\r\n3 4;;\r\n5 6\t,"), CString(" "));
}

TEST(CSVDelimiter, AnyContentGivesAClearAnswerAndTheFileIsRewound) {
    for (const std::string& content : {""s, "header only"s, "header only\n"s, "\r\n"s, "\n\n\n"s,
                                       "h\n\0;\0\n\0;\0;\n"s, std::string(10000, ';')}) {
        const auto [delimiter, rewound] = Guess(content);
        EXPECT_EQ(delimiter.GetLength(), 1);
        EXPECT_TRUE(rewound);
    }
    // NUL is a byte like any other.
    EXPECT_EQ(Delimiter("h\na;\0b\n\0;\0 ,\t\n"s), CString(";"));
    // Read from where the file stands: past the header here, so the first data line is
    // taken for the header.
    const auto [delimiter, rewound] = Guess("h\na b\n1;2 3,\t\n4;5  6\n", true);
    EXPECT_EQ(delimiter, CString(";"));
    EXPECT_TRUE(rewound);

    // Lines far longer than the reading buffer are counted through.
    std::string first;
    std::string second;
    for (int field = 0; field < 300000; ++field) {
        first += "12.345;";
        second += "1.5;";
    }
    EXPECT_EQ(Delimiter("h\n" + first + " \t,\n" + second + "  \t\t,,\n"), CString(";"));
}
