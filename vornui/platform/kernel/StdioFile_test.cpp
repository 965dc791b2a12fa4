#include "tests/TempDir.h"

#include "vornui/platform/LastError.h"
#include "vornui/platform/StdioFile.h"

#include <gtest/gtest.h>

TEST(StdioFile, LinesAreReadAndWrittenAsStrings) {
    TempDir dir;
    const std::string longLine(5000, 'k');
    const std::string path =
        dir.write("tide.txt", "time;level\r\n12:00;0.31\n" + longLine + "\nlast");
    CStdioFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CStdioFile::modeRead | CStdioFile::typeText));
    EXPECT_EQ(file.GetFilePath(), CString(path.c_str()));
    CString line;
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(line, CString("time;level")); // "\r\n" ends the line in text mode
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(line, CString("12:00;0.31"));
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(line.str(), longLine);
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(line, CString("last"));
    EXPECT_FALSE(file.ReadString(line));
    EXPECT_TRUE(line.IsEmpty());

    // Binary mode keeps the '\r'; a part of a line fits the buffer given.
    file.SeekToBegin();
    EXPECT_EQ(file.GetPosition(), 0u);
    char part[6];
    EXPECT_STREQ(file.ReadString(part, sizeof part), "time;");
    ASSERT_TRUE(file.Open(path.c_str(), CStdioFile::modeRead | CStdioFile::typeBinary));
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(line, CString("time;level\r"));

    CStdioFile written;
    ASSERT_TRUE(
        written.Open(dir.file("out.txt").c_str(), CStdioFile::modeCreate | CStdioFile::modeWrite));
    written.WriteString("1.5\n2.5\n");
    written.Close();
    EXPECT_EQ(TempDir::read(dir.file("out.txt")), "1.5\n2.5\n");

    CStdioFile missing;
    EXPECT_FALSE(missing.Open(dir.file("none.txt").c_str(), CStdioFile::modeRead));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(missing.ReadString(line));
    EXPECT_EQ(missing.ReadString(part, sizeof part), nullptr);
}
