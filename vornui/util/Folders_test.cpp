#include "tests/TempDir.h"
#include "tests/TestWindowClass.h"

#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/FolderChooser.h"
#include "vornui/platform/Wnd.h"
#include "vornui/util/Folders.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(Folders, FoldersAreTestedAndCreatedWithTheirParents) {
    TempDir dir;
    const std::string file = dir.write("depths.txt", "1\n");
    EXPECT_EQ(dirExist(dir.path().c_str()), 1);
    EXPECT_EQ(dirExist(file.c_str()), 0);
    EXPECT_EQ(dirExist(dir.file("none").c_str()), 0);
    EXPECT_EQ(dirExist(""), 0);

    const std::string deep = dir.file("survey/2024/lines");
    EXPECT_TRUE(CreateDirectoryRecursively(deep.c_str()));
    EXPECT_TRUE(std::filesystem::is_directory(deep));
    // Already there: false.
    EXPECT_FALSE(CreateDirectoryRecursively(deep.c_str()));
    EXPECT_FALSE(CreateDirectoryRecursively(dir.path().c_str()));
    // Either separator, and a trailing one.
    EXPECT_TRUE(CreateDirectoryRecursively((dir.path().string() + "\\raw\\sonar\\").c_str()));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("raw/sonar")));
    // A file in the way.
    EXPECT_FALSE(CreateDirectoryRecursively((file + "/below").c_str()));
    EXPECT_FALSE(CreateDirectoryRecursively(""));
}

TEST(Folders, TheFolderBrowserOpensOnTheInitialFolderAndIsAnsweredOrCancelled) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "lines");
    CScriptedUser user;
    user.AnswerNextFolderChooser("lines");
    EXPECT_EQ(ChooseDirectory(dir.path().c_str()), CString(dir.file("lines").c_str()));
    ASSERT_EQ(user.FolderChoosersShown().size(), 1u);
    const FolderChooserRequest& first = user.FolderChoosersShown()[0];
    EXPECT_EQ(first.selection, CString(dir.path().c_str()));
    EXPECT_TRUE(first.title.IsEmpty());
    EXPECT_TRUE(first.flags & BIF_RETURNONLYFSDIRS);
    EXPECT_FALSE(first.flags & BIF_NONEWFOLDERBUTTON);

    user.AnswerNextFolderChooser(nullptr); // OK on the initial folder
    EXPECT_EQ(ChooseDirectory2(dir.file("lines").c_str(), "Raw data folder"),
              CString(dir.file("lines").c_str()));
    const FolderChooserRequest& second = user.FolderChoosersShown()[1];
    EXPECT_EQ(second.title, CString("Raw data folder"));
    EXPECT_TRUE(second.flags & BIF_NONEWFOLDERBUTTON);

    // The parent window owns the browser.
    const HWND parent = CreateWindowEx(0, TestWindowClass("FolderParent"), "Survey", WS_POPUP, 0, 0,
                                       200, 100, nullptr, nullptr, nullptr, nullptr);
    user.CancelNextFolderChooser();
    EXPECT_TRUE(ChooseDirectory2(dir.path().c_str(), "", CWnd::FromHandle(parent)).IsEmpty());
    EXPECT_TRUE(user.FolderChoosersShown()[2].title.IsEmpty());
    EXPECT_EQ(user.FolderChoosersShown()[2].owner, parent);
    DestroyWindow(parent);
}
