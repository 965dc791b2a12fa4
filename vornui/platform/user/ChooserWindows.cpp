#include "vornui/platform/ChooserWindows.h"

#include "vornui/platform/internal/ChooserWindowHooks.h"

#include <atomic>

namespace {

std::atomic<bool> g_showWindows{false};
std::atomic<FileChooserWindow> g_fileWindow{nullptr};
std::atomic<FolderChooserWindow> g_folderWindow{nullptr};

} // namespace

BOOL SetChooserWindows(BOOL show) {
    return g_showWindows.exchange(show != FALSE) ? TRUE : FALSE;
}

BOOL GetChooserWindows() {
    return g_showWindows.load() ? TRUE : FALSE;
}

bool RegisterFileChooserWindow(FileChooserWindow window) {
    g_fileWindow = window;
    return true;
}

bool RegisterFolderChooserWindow(FolderChooserWindow window) {
    g_folderWindow = window;
    return true;
}

FileChooserWindow FileChooserWindowShown() {
    return g_showWindows ? g_fileWindow.load() : nullptr;
}

FolderChooserWindow FolderChooserWindowShown() {
    return g_showWindows ? g_folderWindow.load() : nullptr;
}
