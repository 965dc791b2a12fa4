#include "tests/TempDir.h"

#include "vornui/log/VornErr.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/FileSystem.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/ProcessIdentity.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>

using ::testing::HasSubstr;
using ::testing::MatchesRegex;
using ::testing::Not;
using ::testing::StartsWith;

namespace {

class VornErrReport : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directory(m_home.path() / "log");
        SetEnvironmentVariable("VORNHOME", m_home.path().c_str());
        errno = 0;
    }
    void TearDown() override { SetEnvironmentVariable("VORNHOME", nullptr); }
    std::string ErrorFile() const { return TempDir::read(m_home.file("log/error")); }

    TempDir m_home;
};

std::string LoginName() {
    char name[256] = "";
    DWORD size = sizeof name;
    return GetUserName(name, &size) ? std::string(name).substr(0, 19) : std::string();
}

} // namespace

TEST_F(VornErrReport, LogMessageIsWrittenLineByLineWithoutABox) {
    CScriptedUser user;
    VornErrSource("vornsocket/VornSOCKET", 42);
    VORNERR(VORNERR_LOG_MESSAGE, g_lpszVornErrMsg[VORNMSG_UNIX_SOCKET], "socket");

    EXPECT_TRUE(user.MessageBoxesShown().empty());
    const std::string report = ErrorFile();
    EXPECT_THAT(report, StartsWith("##VORN - LOG MESSAGE: VornCtrl CComPortDlg\n"
                                   "Error message: Unix domain socket function error: socket\n"
                                   "Source file  : \"vornsocket/VornSOCKET\" at line 42\n"
                                   "Date         : "));
    EXPECT_THAT(report, MatchesRegex(".*Date         : [A-Z][a-z]{2} [A-Z][a-z]{2} [ 0-9][0-9] "
                                     "[0-9]{2}:[0-9]{2}:[0-9]{2} [0-9]{4}\n.*"));
    EXPECT_THAT(report, HasSubstr("\nUser         : " + LoginName() + "\n\n"));
    EXPECT_THAT(report, Not(HasSubstr("Win32 err.")));
}

TEST_F(VornErrReport, RuntimeErrorIsNamedOnceAndReportsAreSeparatedByAnEmptyLine) {
    EXPECT_EQ(std::fopen(m_home.file("missing/file").c_str(), "r"), nullptr);
    VornErrAt("templates/AsciiTemplate", 7, VORNERR_LOG_MESSAGE,
              g_lpszVornErrMsg[VORNMSG_OPEN_FILE], "missing/file");
    EXPECT_EQ(errno, 0);
    VORNERR(VORNERR_LOG_MESSAGE, "second");
    errno = 5000;
    VORNERR(VORNERR_LOG_MESSAGE, "third");
    errno = -3;
    VORNERR(VORNERR_LOG_MESSAGE, "fourth");

    const std::string text = ErrorFile();
    EXPECT_THAT(text, HasSubstr("Could not open file: missing/file\n"
                                "Win32 err.2   : No such file or directory\n"
                                "Source file  : \"templates/AsciiTemplate\" at line 7\n"));
    EXPECT_THAT(text, HasSubstr("\n\n##VORN - LOG MESSAGE: VornCtrl CComPortDlg\n"
                                "Error message: second\nSource file  : "));
    EXPECT_THAT(text, HasSubstr("third\nWin32 err.5000: Unknown\n"));
    EXPECT_THAT(text, HasSubstr("fourth\nWin32 err.-3  : Unknown\n"));
}

TEST_F(VornErrReport, WarningsAndWorseAreShownInAnErrorBox) {
    CScriptedUser user;
    VORNERR(VORNERR_WARNING, "low battery %d%%", 5);
    VORNERR(VORNERR_ERROR, "broken");
    VORNERR(9, "odd");

    const auto& boxes = user.MessageBoxesShown();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].caption, "Error");
    EXPECT_EQ(boxes[0].type, MB_OK | MB_ICONERROR);
    EXPECT_EQ(boxes[0].owner, nullptr);
    EXPECT_THAT(boxes[0].text.str(), StartsWith("##VORN - WARNING    : VornCtrl CComPortDlg\n"
                                                "Error message: low battery 5%\n"));
    EXPECT_THAT(boxes[1].text.str(), StartsWith("##VORN - ERROR      : "));
    EXPECT_THAT(boxes[2].text.str(), StartsWith("##VORN - ?ERROR?    : "));
    EXPECT_THAT(ErrorFile(), HasSubstr(boxes[2].text.str() + "\n"));
}

TEST_F(VornErrReport, FixedBuffersCutLongMessagesAndReports) {
    CScriptedUser user;
    VornErrSource(std::string(400, 's').c_str(), 1);
    VORNERR(VORNERR_WARNING, "%s", std::string(300, 'm').c_str());

    const std::string& report = user.MessageBoxesShown().at(0).text.str();
    EXPECT_EQ(report.size(), 511u);
    EXPECT_THAT(report, HasSubstr("Error message: " + std::string(255, 'm') + "\n"));
    EXPECT_EQ(ErrorFile(), report + "\n");
}

TEST_F(VornErrReport, FatalErrorEndsTheProcessAfterBothBoxes) {
    EXPECT_EXIT(VORNERR(VORNERR_FATAL, "listen"), ::testing::ExitedWithCode(255),
                "##VORN - FATAL ERROR.*Program terminated\\.\\.\\. -> OK");
    EXPECT_THAT(ErrorFile(), HasSubstr("##VORN - FATAL ERROR: VornCtrl CComPortDlg\n"
                                       "Error message: listen\n"));
}

TEST(VornErrHome, WithoutVornHomeTheReportGoesToTheFixedFolder) {
    SetEnvironmentVariable("VORNHOME", nullptr);
    const std::filesystem::path home = "/tmp/vorn";
    const bool made = !std::filesystem::exists(home);
    std::filesystem::create_directories(home / "log");
    const std::string marker = "no home " + std::to_string(GetCurrentProcessId());
    VORNERR(VORNERR_LOG_MESSAGE, "%s", marker.c_str());
    const std::string text = TempDir::read((home / "log/error").string());
    if (made)
        std::filesystem::remove_all(home);
    EXPECT_THAT(text, HasSubstr("Error message: " + marker + "\n"));
}
