#include "tests/PngFile.h"
#include "tests/TempDir.h"

#include "vornui/platform/Button.h"
#include "vornui/platform/Dialog.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/Static.h"
#include "vornui/platform/WindowPicture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

namespace {

constexpr int kLabel = 100;

constexpr DialogItemTemplate kItems[] = {
    {"Static", "Tide gauge", kLabel, WS_VISIBLE | SS_LEFT, 0, 7, 7, 60, 8},
    {"Button", "OK", IDOK, WS_VISIBLE | BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 60, 30, 50, 14},
};

constexpr DialogTemplate kGauge{DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION,
                                0,
                                10,
                                10,
                                117,
                                51,
                                "Gauge",
                                "MS Shell Dlg",
                                8,
                                kItems,
                                static_cast<WORD>(std::size(kItems))};

// The label's rectangle in the dialog's window coordinates.
CRect LabelInWindow(const CDialog& dialog) {
    CRect window, label;
    dialog.GetWindowRect(&window);
    dialog.GetDlgItem(kLabel)->GetWindowRect(&label);
    label.OffsetRect(-window.left, -window.top);
    return label;
}

int DarkPixelsIn(const PngPicture& picture, const CRect& area) {
    int dark = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            const COLORREF color = picture.color(x, y);
            dark += GetRValue(color) + GetGValue(color) + GetBValue(color) < 3 * 128;
        }
    return dark;
}

class WindowPicture : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dialog.CreateIndirect(&kGauge)); }
    void TearDown() override {
        if (m_dialog.GetSafeHwnd())
            m_dialog.DestroyWindow();
    }

    TempDir m_dir;
    CDialog m_dialog;
};

} // namespace

TEST_F(WindowPicture, AVisibleWindowIsWrittenAsThePictureAPersonSees) {
    m_dialog.ShowWindow(SW_SHOW);
    const std::string path = m_dir.file("gauge.png");

    ASSERT_TRUE(RenderWindowToPng(m_dialog.GetSafeHwnd(), path.c_str()));

    PngPicture picture;
    ASSERT_TRUE(picture.read(path));
    CRect window;
    m_dialog.GetWindowRect(&window);
    EXPECT_EQ(picture.width, window.Width());
    EXPECT_EQ(picture.height, window.Height());
    // The label's text is drawn, and the client area around the controls is the face colour.
    const CRect label = LabelInWindow(m_dialog);
    EXPECT_GT(DarkPixelsIn(picture, label), 20);
    EXPECT_EQ(picture.color(label.left + 2, label.bottom + 3), GetSysColor(COLOR_3DFACE));
}

TEST_F(WindowPicture, TheFileIsPngWhateverItsExtension) {
    m_dialog.ShowWindow(SW_SHOW);
    const std::string path = m_dir.file("gauge.bmp");

    ASSERT_TRUE(RenderWindowToPng(m_dialog.GetSafeHwnd(), path.c_str()));

    EXPECT_EQ(TempDir::read(path).substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
}

TEST_F(WindowPicture, AHiddenWindowWritesNothing) {
    const std::string path = m_dir.file("hidden.png");

    EXPECT_FALSE(RenderWindowToPng(m_dialog.GetSafeHwnd(), path.c_str()));

    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(WindowPicture, AWindowThatIsGoneWritesNothing) {
    m_dialog.ShowWindow(SW_SHOW);
    const HWND gone = m_dialog.GetSafeHwnd();
    m_dialog.DestroyWindow();
    const std::string path = m_dir.file("gone.png");

    EXPECT_FALSE(RenderWindowToPng(gone, path.c_str()));
    EXPECT_FALSE(RenderWindowToPng(nullptr, path.c_str()));

    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(WindowPicture, AFileThatCannotBeWrittenFails) {
    m_dialog.ShowWindow(SW_SHOW);

    EXPECT_FALSE(
        RenderWindowToPng(m_dialog.GetSafeHwnd(), m_dir.file("no such folder/gauge.png").c_str()));
    EXPECT_FALSE(RenderWindowToPng(m_dialog.GetSafeHwnd(), nullptr));
}
