#include "tests/TempDir.h"
#include "tests/x11/X11DisplayFixture.h"

#include "vornui/platform/ChooserDialogItems.h"
#include "vornui/platform/ChooserWindows.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/FileDialog.h"
#include "vornui/platform/ListCtrl.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPosition.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr uint32_t kEscape = 0xFF1B; // XK_Escape

class X11Choosers : public X11DisplayFixture {};

// Where the listed entry `name` lies, from the window's top-left corner.
CPoint EntryOffset(HWND dialog, const char* name) {
    const HWND list = GetDlgItem(dialog, lst1);
    LVFINDINFO find{LVFI_STRING, name, 0, {}, 0};
    const auto index =
        SendMessage(list, LVM_FINDITEM, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find));
    RECT item{LVIR_LABEL, 0, 0, 0};
    SendMessage(list, LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    POINT middle = CRect(item).CenterPoint();
    ClientToScreen(list, &middle);
    CRect window;
    GetWindowRect(dialog, &window);
    return CPoint(middle.x - window.left, middle.y - window.top);
}

bool Changed(XPerson& hands, xcb_window_t window, const std::vector<uint32_t>& before) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    int width = 0;
    int height = 0;
    while (std::chrono::steady_clock::now() < deadline) {
        if (hands.Picture(window, width, height) != before)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

void DoubleClick(XPerson& hands, const std::vector<int>& window, CPoint offset) {
    hands.Click(window[0] + offset.x, window[1] + offset.y);
    hands.Click(window[0] + offset.x, window[1] + offset.y);
}

} // namespace

TEST_F(X11Choosers, APersonAtTheServerOpensAFolderAndPicksAFileInTheChoosersWindow) {
    EXPECT_TRUE(GetChooserWindows()); // the display shows choosers as windows
    TempDir dir;
    const fs::path top = fs::weakly_canonical(dir.path());
    fs::create_directory(top / "lines");
    dir.write("lines/line1.aft", "[Template]\n");
    dir.write("tide.aft", "[Template]\n");
    const std::string start = top.string();
    const char* filter = "Tide files (*.aft)|*.aft|All files (*.*)|*.*||";

    // A scripted rehearsal in the same window finds where the person will click.
    CPoint lines;
    CPoint line1;
    {
        CScriptedUser user;
        user.Then([&](HWND dialog) {
                lines = EntryOffset(dialog, "lines");
                return ModalAction::Acted;
            })
            .TypeInto(edt1, "lines\n")
            .Then([&](HWND dialog) {
                line1 = EntryOffset(dialog, "line1.aft");
                return ModalAction::Acted;
            })
            .Click(IDCANCEL);
        CFileDialog rehearsal(TRUE, "aft", nullptr, OFN_FILEMUSTEXIST, filter);
        rehearsal.m_ofn.lpstrInitialDir = start.c_str();
        ASSERT_EQ(rehearsal.DoModal(), IDCANCEL);
    }

    // The person double-clicks the folder, waits to see its files and double-clicks one;
    // a person who cannot go on presses Escape, so the chooser always ends.
    std::atomic<bool> ended{false};
    std::thread person([&, display = m_server->display()] {
        XPerson hands(display);
        if (const xcb_window_t shown = hands.AwaitWindow("Open")) {
            const std::vector<int> place = hands.Geometry(shown);
            int width = 0;
            int height = 0;
            const std::vector<uint32_t> before = hands.Picture(shown, width, height);
            DoubleClick(hands, place, lines);
            if (Changed(hands, shown, before)) {
                hands.MoveTo(place[0] + 4, place[1] + 4); // no double click across the two
                std::this_thread::sleep_for(std::chrono::milliseconds(600));
                DoubleClick(hands, place, line1);
            }
        }
        const auto patience = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!ended && std::chrono::steady_clock::now() < patience)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (!ended) {
            hands.Key(kEscape, true);
            hands.Key(kEscape, false);
        }
    });
    CFileDialog dialog(TRUE, "aft", nullptr, OFN_FILEMUSTEXIST, filter);
    dialog.m_ofn.lpstrInitialDir = start.c_str();
    const INT_PTR result = dialog.DoModal();
    ended = true;
    person.join();
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.GetPathName(), (top / "lines" / "line1.aft").string().c_str());
}
