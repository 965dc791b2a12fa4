#include "tests/TempDir.h"

#include "vornui/platform/FileSystem.h"
#include "vornui/platform/LastError.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

std::vector<std::string> FindAll(const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATA found;
    HANDLE search = FindFirstFile(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
        names.emplace_back(found.cFileName);
    while (FindNextFile(search, &found));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_FILES));
    EXPECT_TRUE(FindClose(search));
    return names;
}

} // namespace

TEST(FileSystem, FindsFilesByWildcardInNameOrder) {
    TempDir dir;
    dir.write("TERRAL_TIDE/_meta_.aft", "");
    dir.write("TERRAL_TIDE/b.aft", "0123456789");
    dir.write("TERRAL_TIDE/A.AFT", "");
    dir.write("TERRAL_TIDE/a.b.aft", "");
    dir.write("TERRAL_TIDE/notes.txt", "");
    const std::string module = dir.file("TERRAL_TIDE");
    EXPECT_EQ(FindAll(module + "\\\\*.aft"),
              (std::vector<std::string>{"_meta_.aft", "A.AFT", "a.b.aft", "b.aft"}));
    EXPECT_EQ(FindAll(module + "/?.aft"), (std::vector<std::string>{"A.AFT", "b.aft"}));
    EXPECT_EQ(FindAll(module + "/*.*").size(), 7u); // with . and ..

    WIN32_FIND_DATA found;
    HANDLE one = FindFirstFile((module + "/b.aft").c_str(), &found);
    ASSERT_NE(one, INVALID_HANDLE_VALUE);
    EXPECT_EQ(found.nFileSizeLow, 10u);
    EXPECT_EQ(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
    FindClose(one);

    EXPECT_EQ(FindFirstFile((module + "/*.xyz").c_str(), &found), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(FindFirstFile(dir.file("missing/*.aft").c_str(), &found), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    EXPECT_FALSE(FindClose(one));
    EXPECT_TRUE(MatchesFilePattern("data.2024.csv", "*.*.csv"));
    EXPECT_FALSE(MatchesFilePattern("data.csv", "*.txt"));
}

TEST(FileSystem, FoldersFilesAndErrorsUseSystemCodes) {
    TempDir dir;
    const std::string folder = dir.file("Setup");
    EXPECT_EQ(GetFileAttributes(folder.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    ASSERT_TRUE(CreateDirectory(folder.c_str(), nullptr));
    EXPECT_FALSE(CreateDirectory(folder.c_str(), nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    EXPECT_FALSE(CreateDirectory(dir.file("a/b").c_str(), nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    EXPECT_NE(GetFileAttributes(folder.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);

    const std::string source = dir.write("Setup/_meta_.aft", "[Template]\n");
    const std::string copy = dir.file("Setup\\copy.aft");
    ASSERT_TRUE(CopyFile(source.c_str(), copy.c_str(), TRUE));
    EXPECT_FALSE(CopyFile(source.c_str(), copy.c_str(), TRUE));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_EXISTS));
    EXPECT_EQ(TempDir::read(dir.file("Setup/copy.aft")), "[Template]\n");
    EXPECT_FALSE(CopyFile(dir.file("none").c_str(), copy.c_str(), FALSE));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));

    EXPECT_FALSE(RemoveDirectory(folder.c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DIR_NOT_EMPTY));
    EXPECT_FALSE(DeleteFile(folder.c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    // A read-only file stays, even for root, until it may be written again.
    chmod(dir.file("Setup/copy.aft").c_str(), 0444);
    EXPECT_FALSE(DeleteFile(copy.c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    chmod(dir.file("Setup/copy.aft").c_str(), 0644);
    ASSERT_TRUE(DeleteFile(copy.c_str()) && DeleteFile(source.c_str()));
    EXPECT_TRUE(RemoveDirectory(folder.c_str()));

    if (geteuid() != 0) { // root may write anywhere
        const std::string locked = dir.write("locked/file", "x");
        chmod(dir.file("locked").c_str(), 0500);
        EXPECT_FALSE(DeleteFile(locked.c_str()));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
        chmod(dir.file("locked").c_str(), 0700);
    }
}

TEST(FileSystem, EnvironmentAndTempFolderFollowTheSystemsBufferRules) {
    ASSERT_TRUE(SetEnvironmentVariable("VORNUI_TEST_VAR", "abcdef"));
    char small[4];
    EXPECT_EQ(GetEnvironmentVariable("VORNUI_TEST_VAR", small, sizeof small), 7u);
    char fits[16];
    EXPECT_EQ(GetEnvironmentVariable("VORNUI_TEST_VAR", fits, sizeof fits), 6u);
    EXPECT_STREQ(fits, "abcdef");
    ASSERT_TRUE(SetEnvironmentVariable("VORNUI_TEST_VAR", nullptr));
    EXPECT_EQ(GetEnvironmentVariable("VORNUI_TEST_VAR", fits, sizeof fits), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ENVVAR_NOT_FOUND));

    TempDir dir;
    const std::string saved = getenv("TEMP") ? getenv("TEMP") : "";
    SetEnvironmentVariable("TEMP", dir.path().c_str());
    char temp[MAX_PATH];
    GetTempPath(sizeof temp, temp);
    EXPECT_EQ(std::string(temp), dir.path().string() + "/");
    SetEnvironmentVariable("TEMP", nullptr);
    SetEnvironmentVariable("TMPDIR", "/var/tmp");
    GetTempPath(sizeof temp, temp);
    EXPECT_STREQ(temp, "/var/tmp/");
    SetEnvironmentVariable("TMPDIR", nullptr);
    if (!saved.empty())
        SetEnvironmentVariable("TEMP", saved.c_str());
}
