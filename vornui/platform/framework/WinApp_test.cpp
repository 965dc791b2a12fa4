#include "tests/TempDir.h"

#include "vornui/platform/MessageBox.h"
#include "vornui/platform/WinApp.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

void RoundTripProfile(CWinApp& app) {
    EXPECT_TRUE(app.WriteProfileString("Dialog", "Name", "Port settings"));
    EXPECT_TRUE(app.WriteProfileInt("Dialog", "Top", -12));
    BYTE placement[] = {0x00, 0x01, 0x7F, 0x80, 0xFF};
    EXPECT_TRUE(app.WriteProfileBinary("Dialog", "Placement", placement, sizeof placement));

    EXPECT_EQ(app.GetProfileString("dialog", "name"), "Port settings");
    EXPECT_EQ(app.GetProfileString("dialog", "absent", "fallback"), "fallback");
    EXPECT_EQ(app.GetProfileInt("Dialog", "Top", 5), 4294967284u); // two's complement
    EXPECT_TRUE(app.WriteProfileInt("Dialog", "Top", -5000));
    EXPECT_EQ(static_cast<int>(app.GetProfileInt("Dialog", "Top", 5)), -5000);
    EXPECT_TRUE(app.WriteProfileInt("Dialog", "Top", 250));
    EXPECT_EQ(app.GetProfileInt("Dialog", "Top", 5), 250u);
    EXPECT_EQ(app.GetProfileInt("Dialog", "Left", 5), 5u);

    LPBYTE data = nullptr;
    UINT bytes = 0;
    ASSERT_TRUE(app.GetProfileBinary("Dialog", "Placement", &data, &bytes));
    std::unique_ptr<BYTE[]> owned(data);
    ASSERT_EQ(bytes, sizeof placement);
    EXPECT_TRUE(std::equal(placement, placement + bytes, data));
    EXPECT_FALSE(app.GetProfileBinary("Dialog", "Name", &data, &bytes)); // not binary text
    EXPECT_EQ(data, nullptr);
}

} // namespace

TEST(WinApp, ProfileLivesInMemoryUntilAFileIsSet) {
    CWinApp app("Survey");
    EXPECT_EQ(AfxGetApp(), &app);
    EXPECT_STREQ(AfxGetAppName(), "Survey");
    EXPECT_EQ(app.m_pszProfileName, nullptr);
    RoundTripProfile(app);
}

TEST(WinApp, ProfileInAFileKeepsTheFrameworksEncoding) {
    TempDir dir;
    CWinApp app("Survey");
    const std::string file = dir.file("survey.ini");
    app.SetProfileFile(file.c_str());
    RoundTripProfile(app);
    const std::string content = TempDir::read(file);
    EXPECT_NE(content.find("Placement=AABAPHAIPP"), std::string::npos);

    CWinApp reopened("Survey");
    reopened.SetProfileFile(file.c_str());
    EXPECT_EQ(reopened.GetProfileInt("Dialog", "Top", 0), 250u);
}

TEST(WinApp, DefaultApplicationStandsInWhenTheHostMadeNone) {
    CWinApp* fallback = AfxGetApp();
    ASSERT_NE(fallback, nullptr);
    {
        CWinApp host("Host");
        EXPECT_EQ(AfxGetApp(), &host);
    }
    EXPECT_EQ(AfxGetApp(), fallback);
    EXPECT_TRUE(fallback->WriteProfileString("s", "k", "v"));
}

TEST(MessageBoxes, ScriptedUserAnswersAndHeadlessUserPressesTheDefault) {
    CWinApp app("Survey");
    {
        CScriptedUser user;
        user.AnswerNextMessageBox(IDNO);
        EXPECT_EQ(AfxMessageBox("Overwrite?", MB_YESNO), IDNO);
        EXPECT_EQ(MessageBox(nullptr, "Retry?", nullptr, MB_RETRYCANCEL | MB_DEFBUTTON2), IDCANCEL);
        ASSERT_EQ(user.MessageBoxesShown().size(), 2u);
        const MessageBoxRequest& first = user.MessageBoxesShown()[0];
        EXPECT_EQ(first.caption, "Survey");
        EXPECT_EQ(first.type, MB_YESNO | MB_ICONQUESTION);
        EXPECT_EQ(user.MessageBoxesShown()[1].caption, "Error");
    }
    testing::internal::CaptureStderr();
    EXPECT_EQ(AfxMessageBox("line one\nline two", MB_YESNOCANCEL | MB_DEFBUTTON3), IDCANCEL);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "vornui: message box \"Survey\": line one\\nline two -> Cancel\n");
    EXPECT_EQ(DefaultMessageBoxButton(MB_OK | MB_DEFBUTTON4), IDOK);
    EXPECT_EQ(DefaultMessageBoxButton(MB_CANCELTRYCONTINUE | MB_DEFBUTTON2), IDTRYAGAIN);
}
