#include "tests/ChooserUser.h"
#include "tests/TempDir.h"

#include "vornui/platform/ChooserDialogItems.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/DialogManager.h"
#include "vornui/platform/FolderChooser.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/TreeView.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPosition.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct CallbackLog {
    std::string initialFolder;
    std::vector<std::string> selections;
    bool refuseLines = false; // keeps OK disabled on folders named "lines"
};

int Callback(HWND browser, UINT message, LPARAM lParam, LPARAM data) {
    auto* log = reinterpret_cast<CallbackLog*>(data);
    if (message == BFFM_INITIALIZED && !log->initialFolder.empty())
        SendMessage(browser, BFFM_SETSELECTION, TRUE,
                    reinterpret_cast<LPARAM>(log->initialFolder.c_str()));
    if (message == BFFM_SELCHANGED) {
        char path[MAX_PATH] = "";
        SHGetPathFromIDList(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam), path);
        log->selections.emplace_back(path);
        const bool refused = log->refuseLines && fs::path(path).filename() == "lines";
        SendMessage(browser, BFFM_ENABLEOK, 0, refused ? 0 : 1);
    }
    return 0;
}

std::string TextOf(HTREEITEM item, HWND tree) {
    char text[MAX_PATH] = {};
    TVITEM fields{};
    fields.mask = TVIF_TEXT | TVIF_HANDLE;
    fields.hItem = item;
    fields.pszText = text;
    fields.cchTextMax = sizeof text;
    SendMessage(tree, TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&fields));
    return text;
}

HTREEITEM Next(HWND tree, UINT relation, HTREEITEM item) {
    return reinterpret_cast<HTREEITEM>(
        SendMessage(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

// The folders the tree shows, top to bottom.
std::vector<std::string> VisibleFolders(HWND dialog) {
    const HWND tree = GetDlgItem(dialog, IDC_FOLDERCHOOSER_TREE);
    std::vector<std::string> shown;
    for (HTREEITEM item = Next(tree, TVGN_ROOT, nullptr); item;
         item = Next(tree, TVGN_NEXTVISIBLE, item))
        shown.push_back(TextOf(item, tree));
    return shown;
}

// The middle of the visible folder `name` on the screen.
POINT FolderPoint(HWND dialog, const std::string& name) {
    const HWND tree = GetDlgItem(dialog, IDC_FOLDERCHOOSER_TREE);
    HTREEITEM item = Next(tree, TVGN_ROOT, nullptr);
    while (item && TextOf(item, tree) != name)
        item = Next(tree, TVGN_NEXTVISIBLE, item);
    RECT place{}; // in: the item's handle
    std::memcpy(&place, &item, sizeof item);
    SendMessage(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&place));
    POINT middle = CRect(place).CenterPoint();
    ClientToScreen(tree, &middle);
    return middle;
}

CScriptedUser::Step ClickFolder(const std::string& name, int clicks = 1) {
    return ClickWhere([name](HWND dialog) { return FolderPoint(dialog, name); }, clicks);
}

} // namespace

TEST(FolderChooserWindow, TheTreeOpensAtTheCallersFolderAndOkGivesTheOneClicked) {
    TempDir dir;
    const fs::path top = fs::weakly_canonical(dir.path());
    fs::create_directories(top / "survey" / "lines");
    fs::create_directories(top / "survey" / "tide");
    fs::create_directories(top / "archive");
    dir.write("survey/readme.txt", "not a folder\n");
    ChooserWindowsOn windows;

    CallbackLog log{(top / "survey" / "tide").string(), {}, true};
    char displayName[MAX_PATH] = "";
    PIDLIST_ABSOLUTE root = ILCreateFromPath(top.string().c_str());
    BROWSEINFO info{nullptr,
                    root,
                    displayName,
                    "Choose the line folder",
                    BIF_STATUSTEXT,
                    Callback,
                    reinterpret_cast<LPARAM>(&log),
                    0};
    std::vector<std::string> shown;
    std::string title;
    CScriptedUser user;
    user.Then([&](HWND dialog) {
            shown = VisibleFolders(dialog);
            title = [&] {
                char text[MAX_PATH] = {};
                GetDlgItemText(dialog, IDC_FOLDERCHOOSER_TITLE, text, sizeof text);
                return std::string(text);
            }();
            return ModalAction::Acted;
        })
        .Then(ClickFolder("lines"))
        .Click(IDOK) // refused by the callback: nothing happens
        .Then(ClickFolder("archive"))
        .Click(IDOK);

    EXPECT_EQ(ChosenFolderPath(SHBrowseForFolder(&info)), (top / "archive").string());
    CoTaskMemFree(root);
    EXPECT_STREQ(displayName, "archive");
    EXPECT_EQ(title, "Choose the line folder");
    EXPECT_EQ(user.DialogsShown(), std::vector<CString>{CString("Browse For Folder")});
    EXPECT_TRUE(user.FolderChoosersShown().empty());
    // Opened down to the caller's folder, folders only, by name.
    EXPECT_EQ(shown,
              (std::vector<std::string>{top.string(), "archive", "survey", "lines", "tide"}));
    EXPECT_EQ(log.selections, (std::vector<std::string>{(top / "survey" / "tide").string(),
                                                        (top / "survey" / "lines").string(),
                                                        (top / "archive").string()}));
}

TEST(FolderChooserWindow, DoubleClickOpensABranchAndCancelChoosesNothing) {
    TempDir dir;
    const fs::path top = fs::weakly_canonical(dir.path());
    fs::create_directories(top / "survey" / "lines");
    ChooserWindowsOn windows;
    PIDLIST_ABSOLUTE root = ILCreateFromPath(top.string().c_str());
    CallbackLog log; // selects nothing itself: it hears of the root, then of the click
    BROWSEINFO info{nullptr, root, nullptr, "", 0, Callback, reinterpret_cast<LPARAM>(&log), 0};
    std::vector<std::string> shown;
    CScriptedUser user;
    user.Then(ClickFolder("survey", 2))
        .Then([&](HWND dialog) {
            shown = VisibleFolders(dialog);
            return ModalAction::Acted;
        })
        .Click(IDCANCEL);
    EXPECT_EQ(SHBrowseForFolder(&info), nullptr);
    CoTaskMemFree(root);
    EXPECT_EQ(shown, (std::vector<std::string>{top.string(), "survey", "lines"}));
    EXPECT_EQ(log.selections, (std::vector<std::string>{top.string(), (top / "survey").string()}));
}
