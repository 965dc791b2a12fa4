#pragma once

// The template store, data files and stand-in editor that the template dialogs' tests
// share, inside the test's installation (tests/InstalledProgram.h), and the dialogs' texts
// read the way a person reads them off the screen.

#include "tests/InstalledProgram.h"

#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/FileSystem.h"
#include "vornui/platform/ListBoxControl.h"
#include "vornui/platform/ListCtrl.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/Window.h"
#include "vornui/templates/AsciiTemplate.h"
#include "vornui/templates/TemplateFiles_test.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

using Rows = std::vector<std::vector<std::string>>;

// A step that only looks: `look` runs in the dialog then open.
inline CScriptedUser::Step Look(std::function<void(HWND)> look) {
    return [look](HWND dialog) {
        look(dialog);
        return ModalAction::Acted;
    };
}

inline std::string TextOf(HWND dialog, int id) {
    char text[1024] = "";
    GetWindowText(GetDlgItem(dialog, id), text, sizeof text);
    return text;
}

inline std::vector<std::string> ListBoxEntries(HWND dialog, int id) {
    const HWND list = GetDlgItem(dialog, id);
    std::vector<std::string> entries;
    const int count = static_cast<int>(SendMessage(list, LB_GETCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        std::string text(static_cast<size_t>(SendMessage(list, LB_GETTEXTLEN, index, 0)), '\0');
        SendMessage(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
        entries.push_back(text);
    }
    return entries;
}

inline std::string SelectedEntry(HWND dialog, int id) {
    const HWND list = GetDlgItem(dialog, id);
    const int selected = static_cast<int>(SendMessage(list, LB_GETCURSEL, 0, 0));
    return selected < 0 ? "" : ListBoxEntries(dialog, id)[static_cast<size_t>(selected)];
}

inline std::string ColumnTitle(HWND list, int column) {
    char text[64] = "";
    LVCOLUMN info{};
    info.mask = LVCF_TEXT;
    info.pszText = text;
    info.cchTextMax = sizeof text;
    return SendMessage(list, LVM_GETCOLUMN, column, reinterpret_cast<LPARAM>(&info)) ? text : "";
}

// The preview as shown: every row, each cell of every column.
inline Rows PreviewRows(HWND dialog, int id) {
    const HWND list = GetDlgItem(dialog, id);
    int columns = 0;
    while (!ColumnTitle(list, columns).empty())
        ++columns;
    Rows rows(static_cast<size_t>(SendMessage(list, LVM_GETITEMCOUNT, 0, 0)));
    for (size_t row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < std::max(columns, 1); ++column) {
            char text[512] = "";
            LVITEM item{};
            item.iSubItem = column;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            SendMessage(list, LVM_GETITEMTEXT, row, reinterpret_cast<LPARAM>(&item));
            rows[row].push_back(text);
        }
    }
    return rows;
}

inline std::vector<std::string> ColumnTitles(HWND dialog, int id) {
    std::vector<std::string> titles;
    for (int column = 0; !ColumnTitle(GetDlgItem(dialog, id), column).empty(); ++column)
        titles.push_back(ColumnTitle(GetDlgItem(dialog, id), column));
    return titles;
}

inline bool IsEnabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

// A template of `module` whose record i reads column i as a number, scaled by `factor`;
// record `invalidRecord` reads no column at all.
inline void SaveNumberTemplate(const char* module, const char* name, double factor = 1.0,
                               int invalidRecord = -1) {
    AsciiTemplate templ(module);
    ASSERT_TRUE(templ.IsValid()) << module;
    for (int index = 0; index < templ.recordCount; ++index) {
        templ.records[index].sources[0] = index == invalidRecord ? -1 : index;
        templ.records[index].ConvFactor = factor;
    }
    ASSERT_TRUE(templ.Save(name));
}

inline void WriteTideMeta() {
    WriteMetaTemplate("TERRAL_TIDE", {{"TimeDate", 3}, {"Tide (m, up+)", 0}});
}

inline void WriteCtdMeta() {
    WriteMetaTemplate("TERRAL_CTD", {{"Depth", 0}, {"Temperature", 0}, {"Salinity", 0}});
}

inline void WriteSvpMeta() {
    WriteMetaTemplate("Terral_SVP", {{"Depth (m, down+)", 0}, {"soundvelocity (m/s)", 0}});
}

// `count` lines "day number,level" ten minutes apart from 29 February 2024 12:00, with
// levels 0.00, 0.01, ...
inline std::string TideLines(int count) {
    std::string text;
    for (int line = 0; line < count; ++line)
        text +=
            std::to_string(19782.5 + line / 144.0) + "," + std::to_string(line / 100.0) + "\r\n";
    return text;
}

// `count` lines of three numbers: i, 10 + i / 10, 35.
inline std::string ThreeNumberLines(int count) {
    std::string text;
    for (int line = 0; line < count; ++line)
        text += std::to_string(line) + "," + std::to_string(10 + line / 10.0) + ",35\n";
    return text;
}

// Writes `content` as `name` (which may hold folders) into the installation's folder
// "data files" and returns its path.
inline std::string WriteDataFile(const std::string& name, const std::string& content) {
    const std::filesystem::path path =
        std::filesystem::path(TestInstallationFolder()) / "data files" / name;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
    return path.string();
}

// The stand-in editor, copied into the installation (so that it finds the same template
// store) and found first on PATH as "FormatWizard". Returns its folder.
inline std::string InstallFormatWizard() {
    const std::filesystem::path folder =
        std::filesystem::path(TestInstallationFolder()) / "bin" / "editor";
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(VORNUI_FORMAT_WIZARD, folder / "FormatWizard",
                               std::filesystem::copy_options::overwrite_existing);
    const char* path = std::getenv("PATH");
    SetEnvironmentVariable("PATH", (folder.string() + ":" + (path ? path : "")).c_str());
    return folder.string();
}

// The arguments the stand-in editor was started with, as it wrote them, from argument
// `first` on (argv[0] is the program's path as found on PATH).
inline std::vector<std::string> EditorArguments(const std::string& file, size_t first) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> words;
    for (std::string word; std::getline(in, word, '\0');)
        words.push_back(word);
    words.erase(words.begin(), words.begin() + static_cast<long>(std::min(first, words.size())));
    return words;
}

// Waits up to five seconds for `path` to exist.
inline bool WaitForFile(const std::string& path) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!std::filesystem::exists(path)) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

inline std::string StoreFile(const char* module, const std::string& name) {
    return (std::filesystem::path(GetAsciiTemplateRoot()) / module / name).string();
}
