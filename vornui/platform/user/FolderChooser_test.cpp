#include "tests/ChooserUser.h"
#include "tests/TempDir.h"

#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/FileSystem.h"
#include "vornui/platform/FolderChooser.h"
#include "vornui/platform/MessageLoop.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

struct CallbackLog {
    const char* initialFolder;
    std::vector<std::string> selections;
};

// Sets the first selection when the chooser opens, as the library's folder choosers do.
int SelectInitialFolder(HWND browser, UINT message, LPARAM lParam, LPARAM data) {
    auto* log = reinterpret_cast<CallbackLog*>(data);
    if (message == BFFM_INITIALIZED)
        SendMessage(browser, BFFM_SETSELECTION, TRUE, reinterpret_cast<LPARAM>(log->initialFolder));
    if (message == BFFM_SELCHANGED) {
        char path[MAX_PATH];
        if (SHGetPathFromIDList(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam), path))
            log->selections.emplace_back(path);
    }
    return 0;
}

} // namespace

TEST(FolderChooser, CallbackSetsTheFirstSelectionAndTheUserTakesIt) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "lines");
    const std::string start = dir.path().string();
    CallbackLog log{start.c_str(), {}};
    char displayName[MAX_PATH] = "";
    BROWSEINFO info{nullptr,
                    nullptr,
                    displayName,
                    "Choose the survey folder",
                    BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE,
                    SelectInitialFolder,
                    reinterpret_cast<LPARAM>(&log),
                    0};

    CScriptedUser user;
    user.AnswerNextFolderChooser(nullptr); // OK on what the callback selected
    EXPECT_EQ(ChosenFolderPath(SHBrowseForFolder(&info)), start);
    ASSERT_EQ(user.FolderChoosersShown().size(), 1u);
    EXPECT_EQ(user.FolderChoosersShown().front().selection, CString(start.c_str()));
    EXPECT_EQ(user.FolderChoosersShown().front().title, CString("Choose the survey folder"));
    EXPECT_EQ(log.selections, std::vector<std::string>{start});
    EXPECT_EQ(std::string(displayName), dir.path().filename().string());

    // The user picks a folder below; the callback hears of it.
    user.AnswerNextFolderChooser("lines");
    EXPECT_EQ(ChosenFolderPath(SHBrowseForFolder(&info)), start + "/lines");
    EXPECT_EQ(log.selections.back(), start + "/lines");
    EXPECT_STREQ(displayName, "lines");

    // A folder that is not there cannot be chosen; the user then cancels.
    user.AnswerNextFolderChooser("nowhere");
    user.CancelNextFolderChooser();
    EXPECT_EQ(SHBrowseForFolder(&info), nullptr);
    EXPECT_EQ(user.FolderChoosersShown().size(), 4u);
}

TEST(FolderChooser, WithoutAUserTheChooserCancelsAndSaysSo) {
    BROWSEINFO info{nullptr, nullptr, nullptr, "Pick", 0, nullptr, 0, 0};
    testing::internal::CaptureStderr();
    EXPECT_EQ(SHBrowseForFolder(&info), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "vornui: folder chooser \"Pick\": no one chooses -> Cancel\n");
    EXPECT_EQ(SHBrowseForFolder(nullptr), nullptr);
    char path[MAX_PATH];
    EXPECT_FALSE(SHGetPathFromIDList(nullptr, path));
}
