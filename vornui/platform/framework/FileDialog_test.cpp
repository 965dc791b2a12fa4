#include "tests/TempDir.h"

#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/FileDialog.h"
#include "vornui/platform/MessageBox.h"

#include <gtest/gtest.h>

TEST(FileDialog, OpenIsAnsweredWithAPathAndCancelled) {
    TempDir dir;
    const std::string tide = dir.write("harbour.tid", "12:00 1.5\n");
    CScriptedUser user;
    user.AnswerNextFileChooser("harbour.tid"); // a name in the folder shown
    user.CancelNextFileChooser();

    CFileDialog open(TRUE, "tid", nullptr, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                     "Tide files (*.tid)|*.tid|All files (*.*)|*.*||");
    open.m_ofn.lpstrInitialDir = dir.path().c_str();
    open.m_ofn.lpstrTitle = "Choose a tide file";
    ASSERT_EQ(open.DoModal(), IDOK);
    EXPECT_EQ(open.GetPathName(), CString(tide.c_str()));
    EXPECT_EQ(open.GetFileName(), CString("harbour.tid"));
    EXPECT_EQ(open.GetFileExt(), CString("tid"));
    EXPECT_EQ(open.GetFileTitle(), CString("harbour"));
    EXPECT_EQ(open.GetFolderPath(), CString(dir.path().c_str()));

    ASSERT_EQ(user.FileChoosersShown().size(), 1u);
    const FileChooserRequest& shown = user.FileChoosersShown().front();
    EXPECT_FALSE(shown.save);
    EXPECT_EQ(shown.title, CString("Choose a tide file"));
    EXPECT_EQ(shown.folder, CString(dir.path().c_str()));
    ASSERT_EQ(shown.filters.size(), 2u);
    EXPECT_EQ(shown.filters[0].first, CString("Tide files (*.tid)"));
    EXPECT_EQ(shown.filters[1].second, CString("*.*"));

    EXPECT_EQ(open.DoModal(), IDCANCEL);
    EXPECT_EQ(CommDlgExtendedError(), 0u);
}

TEST(FileDialog, AFileThatMustExistIsCheckedAndTheUserAskedAgain) {
    TempDir dir;
    const std::string real = dir.write("real.txt", "x");
    CScriptedUser user;
    user.AnswerNextFileChooser((dir.path() / "missing.txt").c_str());
    user.AnswerNextFileChooser(real.c_str());
    CFileDialog open(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST);
    ASSERT_EQ(open.DoModal(), IDOK);
    EXPECT_EQ(open.GetPathName(), CString(real.c_str()));
    ASSERT_EQ(user.MessageBoxesShown().size(), 1u);
    EXPECT_EQ(user.MessageBoxesShown().front().text,
              CString((dir.path() / "missing.txt").string().c_str()) +
                  "\nFile not found.\nCheck the file name and try again.");
    EXPECT_EQ(user.FileChoosersShown().size(), 2u);
}

TEST(FileDialog, OverwriteIsConfirmedBothWays) {
    TempDir dir;
    const std::string existing = dir.write("survey.csv", "old");
    CScriptedUser user;
    user.AnswerNextFileChooser("survey"); // the default extension is added
    user.AnswerNextMessageBox(IDNO);      // not replaced: asked again
    user.AnswerNextFileChooser("survey.csv");
    user.AnswerNextMessageBox(IDYES);

    CFileDialog save(FALSE, "csv", "survey.csv", OFN_OVERWRITEPROMPT, "CSV (*.csv)|*.csv||");
    save.m_ofn.lpstrInitialDir = dir.path().c_str();
    ASSERT_EQ(save.DoModal(), IDOK);
    EXPECT_EQ(save.GetPathName(), CString(existing.c_str()));
    ASSERT_EQ(user.MessageBoxesShown().size(), 2u);
    const MessageBoxRequest& asked = user.MessageBoxesShown().front();
    EXPECT_EQ(asked.text,
              CString(existing.c_str()) + " already exists.\nDo you want to replace it?");
    EXPECT_EQ(asked.caption, CString("Save As"));
    EXPECT_EQ(asked.type & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
    EXPECT_EQ(user.FileChoosersShown().size(), 2u);
    EXPECT_TRUE(user.FileChoosersShown().front().save);
    EXPECT_EQ(user.FileChoosersShown().front().fileName, CString("survey.csv"));

    // A new name needs no confirmation.
    user.AnswerNextFileChooser("fresh");
    ASSERT_EQ(save.DoModal(), IDOK);
    EXPECT_EQ(save.GetFileName(), CString("fresh.csv"));
    EXPECT_EQ(user.MessageBoxesShown().size(), 2u);
}

TEST(FileDialog, SeveralFilesAreWalkedOneByOne) {
    TempDir dir;
    dir.write("a.svp", "1");
    dir.write("b.svp", "2");
    CScriptedUser user;
    user.AnswerNextFileChooser({"a.svp", "b.svp"});
    CFileDialog open(TRUE, nullptr, nullptr, OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST);
    open.m_ofn.lpstrInitialDir = dir.path().c_str();
    ASSERT_EQ(open.DoModal(), IDOK);
    std::vector<CString> paths;
    for (POSITION position = open.GetStartPosition(); position;)
        paths.push_back(open.GetNextPathName(position));
    EXPECT_EQ(paths, (std::vector<CString>{(dir.path() / "a.svp").c_str(),
                                           (dir.path() / "b.svp").c_str()}));
    EXPECT_EQ(open.GetFolderPath(), CString(dir.path().c_str()));

    // Files chosen in the root folder have one separator before their names, not two.
    user.AnswerNextFileChooser({"a.svp", "b.svp"});
    CFileDialog atRoot(TRUE, nullptr, nullptr, OFN_ALLOWMULTISELECT);
    atRoot.m_ofn.lpstrInitialDir = "/";
    ASSERT_EQ(atRoot.DoModal(), IDOK);
    POSITION position = atRoot.GetStartPosition();
    EXPECT_EQ(atRoot.GetNextPathName(position), CString("/a.svp"));
    EXPECT_EQ(atRoot.GetNextPathName(position), CString("/b.svp"));

    // A buffer too small for the answer.
    char tiny[4] = "";
    open.m_ofn.lpstrFile = tiny;
    open.m_ofn.nMaxFile = sizeof tiny;
    user.AnswerNextFileChooser("a.svp");
    EXPECT_EQ(open.DoModal(), IDCANCEL);
    EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(FNERR_BUFFERTOOSMALL));
}

TEST(FileDialog, WithoutAUserTheChooserCancelsAndSaysSo) {
    testing::internal::CaptureStderr();
    CFileDialog open(TRUE);
    EXPECT_EQ(open.DoModal(), IDCANCEL);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "vornui: file chooser \"Open\": no one chooses -> Cancel\n");
    EXPECT_EQ(open.GetPathName(), CString());
}
