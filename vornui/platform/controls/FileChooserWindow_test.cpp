#include "tests/ChooserUser.h"
#include "tests/TempDir.h"

#include "vornui/platform/ChooserDialogItems.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/DialogManager.h"
#include "vornui/platform/FileDialog.h"
#include "vornui/platform/ListCtrl.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/Window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr const char* kTideFilter = "Tide files (*.aft)|*.aft|All files (*.*)|*.*||";

std::string Canonical(const fs::path& path) {
    return fs::weakly_canonical(path).string();
}

std::string TextOf(HWND window) {
    char text[MAX_PATH] = {};
    GetWindowText(window, text, sizeof text);
    return text;
}

std::vector<std::string> ListedNames(HWND dialog) {
    const HWND list = GetDlgItem(dialog, lst1);
    std::vector<std::string> names;
    const int count = static_cast<int>(SendMessage(list, LVM_GETITEMCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        char name[MAX_PATH] = {};
        LVITEM item{};
        item.pszText = name;
        item.cchTextMax = sizeof name;
        SendMessage(list, LVM_GETITEMTEXT, static_cast<WPARAM>(index),
                    reinterpret_cast<LPARAM>(&item));
        names.emplace_back(name);
    }
    return names;
}

// The middle of the listed entry `name` on the screen.
POINT EntryPoint(HWND dialog, const std::string& name) {
    const std::vector<std::string> names = ListedNames(dialog);
    const auto index = std::find(names.begin(), names.end(), name) - names.begin();
    const HWND list = GetDlgItem(dialog, lst1);
    RECT item{LVIR_LABEL, 0, 0, 0};
    SendMessage(list, LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    POINT middle = CRect(item).CenterPoint();
    ClientToScreen(list, &middle);
    return middle;
}

// A step that clicks on the listed entry `name`: twice for a double click, with Ctrl held
// to add it to the selection.
CScriptedUser::Step ClickEntry(const std::string& name, int clicks = 1, bool control = false) {
    return ClickWhere([name](HWND dialog) { return EntryPoint(dialog, name); }, clicks, control);
}

// A step that writes down what the window shows.
struct Seen {
    std::string folder;
    std::vector<std::string> names;
    std::string fileName;
};

CScriptedUser::Step Look(std::vector<Seen>& seen) {
    return [&seen](HWND dialog) {
        seen.push_back(Seen{TextOf(GetDlgItem(dialog, edt2)), ListedNames(dialog),
                            TextOf(GetDlgItem(dialog, edt1))});
        return ModalAction::Acted;
    };
}

// Survey files in a folder of their own, with a folder of lines beside them.
struct SurveyFolder {
    TempDir dir;
    SurveyFolder() {
        fs::create_directory(dir.path() / "lines");
        dir.write("lines/line1.aft", "[Template]\n");
        dir.write("tide.aft", "[Template]\n");
        dir.write("Bravo.AFT", std::string(2000, 'x'));
        dir.write("notes.txt", "soundings\n");
        dir.write(".hidden.aft", "");
    }
    std::string folder() const { return Canonical(dir.path()); }
};

} // namespace

TEST(FileChooserWindow, APersonBrowsesFiltersEntersAFolderAndChoosesAFile) {
    SurveyFolder survey;
    ChooserWindowsOn windows;
    std::vector<Seen> seen;
    CScriptedUser user;
    user.Then(Look(seen))
        .Choose(cmb1, "All files (*.*)")
        .Then(Look(seen))
        .Then(ClickEntry("lines", 2))
        .Then(Look(seen))
        .Click(psh1)
        .Then(ClickEntry("notes.txt"))
        .Then(Look(seen))
        .TypeInto(edt1, "tide\n");

    CFileDialog dialog(TRUE, "aft", nullptr, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, kTideFilter);
    const std::string start = survey.folder();
    dialog.m_ofn.lpstrInitialDir = start.c_str();
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetPathName(), (fs::path(start) / "tide.aft").string().c_str());
    EXPECT_EQ(user.DialogsShown(), std::vector<CString>{CString("Open")});
    EXPECT_TRUE(user.FileChoosersShown().empty()); // the window answered, not the queue

    ASSERT_EQ(seen.size(), 4u);
    // Folders first, then the files of the filter, by name whatever the case; no hidden ones.
    EXPECT_EQ(seen[0].folder, start);
    EXPECT_EQ(seen[0].names, (std::vector<std::string>{"lines", "Bravo.AFT", "tide.aft"}));
    EXPECT_EQ(seen[1].names,
              (std::vector<std::string>{"lines", "Bravo.AFT", "notes.txt", "tide.aft"}));
    EXPECT_EQ(seen[2].folder, (fs::path(start) / "lines").string());
    EXPECT_EQ(seen[2].names, std::vector<std::string>{"line1.aft"});
    EXPECT_EQ(seen[3].folder, start); // up again
    EXPECT_EQ(seen[3].fileName, "notes.txt");
}

TEST(FileChooserWindow, TypedFoldersPatternsKeysAndSeveralFilesGoWhereAPersonMeans) {
    SurveyFolder survey;
    ChooserWindowsOn windows;
    const std::string start = survey.folder();
    const std::string lines = (fs::path(start) / "lines").string();
    std::vector<Seen> seen;
    CScriptedUser user;
    user.TypeInto(edt1, "lines\n")
        .Then(Look(seen))
        .Then(ClickEntry("line1.aft"))
        .Press(VK_BACK) // up from the list
        .Then(Look(seen))
        .TypeInto(edt2, (lines + "\n").c_str())
        .Then(Look(seen))
        .TypeInto(edt2, (start + "\n").c_str())
        .TypeInto(edt1, "*.txt\n")
        .Then(Look(seen))
        .Choose(cmb1, "Tide files (*.aft)") // a filter chosen forgets the typed pattern
        .Then(ClickEntry("Bravo.AFT"))
        .Then(ClickEntry("tide.aft", 1, true))
        .Then(Look(seen))
        .Press(VK_RETURN);

    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT,
                       kTideFilter);
    dialog.m_ofn.lpstrInitialDir = start.c_str();
    ASSERT_EQ(dialog.DoModal(), IDOK);
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(seen[0].folder, lines);
    EXPECT_EQ(seen[0].fileName, ""); // the folder's name was taken as a place to go
    EXPECT_EQ(seen[1].folder, start);
    EXPECT_EQ(seen[1].fileName, "line1.aft");
    EXPECT_EQ(seen[2].folder, lines);
    EXPECT_EQ(seen[3].folder, start);
    EXPECT_EQ(seen[3].names, (std::vector<std::string>{"lines", "notes.txt"}));
    EXPECT_EQ(seen[4].names, (std::vector<std::string>{"lines", "Bravo.AFT", "tide.aft"}));
    EXPECT_EQ(seen[4].fileName, "\"Bravo.AFT\" \"tide.aft\"");

    POSITION position = dialog.GetStartPosition();
    std::vector<CString> chosen;
    while (position)
        chosen.push_back(dialog.GetNextPathName(position));
    EXPECT_EQ(chosen, (std::vector<CString>{(fs::path(start) / "Bravo.AFT").string().c_str(),
                                            (fs::path(start) / "tide.aft").string().c_str()}));
}

TEST(FileChooserWindow, AMissingFileIsRefusedAReplacedOneAskedForAndCancelEndsIt) {
    SurveyFolder survey;
    ChooserWindowsOn windows;
    const std::string start = survey.folder();
    const std::string tide = (fs::path(start) / "tide.aft").string();
    {
        CScriptedUser user; // the refusal's box is answered, then the person gives up
        user.TypeInto(edt1, "missing.aft\n").Click(IDCANCEL);
        CFileDialog dialog(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST, kTideFilter);
        dialog.m_ofn.lpstrInitialDir = start.c_str();
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        ASSERT_EQ(user.MessageBoxesShown().size(), 1u);
        EXPECT_EQ(user.MessageBoxesShown()[0].text,
                  ((fs::path(start) / "missing.aft").string() +
                   "\nFile not found.\nCheck the file name and try again.")
                      .c_str());
        EXPECT_EQ(user.MessageBoxesShown()[0].caption, "Open");
    }
    {
        CScriptedUser user; // No keeps the window open; Yes replaces the file
        user.AnswerNextMessageBox(IDNO);
        user.AnswerNextMessageBox(IDYES);
        std::string okText;
        user.Then([&okText](HWND dialog) {
                okText = TextOf(GetDlgItem(dialog, IDOK));
                return ModalAction::Acted;
            })
            .TypeInto(edt1, "tide\n")
            .Click(IDOK);
        CFileDialog dialog(FALSE, "aft", "new", OFN_OVERWRITEPROMPT, kTideFilter);
        dialog.m_ofn.lpstrInitialDir = start.c_str();
        ASSERT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(okText, "&Save");
        EXPECT_EQ(dialog.GetPathName(), tide.c_str());
        ASSERT_EQ(user.MessageBoxesShown().size(), 2u);
        EXPECT_EQ(user.MessageBoxesShown()[1].text,
                  (tide + " already exists.\nDo you want to replace it?").c_str());
        EXPECT_EQ(user.DialogsShown(), std::vector<CString>{CString("Save As")});
    }
    {
        CScriptedUser user; // the proposed name is there to be taken
        std::string proposed;
        user.Then([&proposed](HWND dialog) {
                proposed = TextOf(GetDlgItem(dialog, edt1));
                return ModalAction::Acted;
            })
            .Press(VK_ESCAPE);
        CFileDialog dialog(FALSE, "aft", "new", OFN_OVERWRITEPROMPT, kTideFilter);
        dialog.m_ofn.lpstrInitialDir = start.c_str();
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_EQ(proposed, "new");
        EXPECT_EQ(CommDlgExtendedError(), 0u);
    }
}
