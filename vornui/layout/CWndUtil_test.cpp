#include "tests/ShellCommand.h"
#include "tests/TempDir.h"

#include "vornui/layout/CWndUtil.h"
#include "vornui/platform/Button.h"
#include "vornui/platform/Clipboard.h"
#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Dialog.h"
#include "vornui/platform/FileSystem.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/Static.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <thread>

namespace {

constexpr DialogItemTemplate kItems[] = {
    {"Static", "Sound velocity 1500 m/s", 300, WS_VISIBLE | SS_LEFT, 0, 7, 7, 100, 8},
    {"Button", "OK", IDOK, WS_VISIBLE | BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 60, 25, 50, 14},
};
constexpr DialogTemplate kCapture{DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION,
                                  0,
                                  10,
                                  10,
                                  120,
                                  45,
                                  "Capture",
                                  "MS Shell Dlg",
                                  8,
                                  kItems,
                                  static_cast<WORD>(std::size(kItems))};

template <typename Value>
Value Field(const std::string& bytes, std::size_t offset) {
    Value value{};
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

class ShownDialog : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dialog.CreateIndirect(&kCapture));
        m_dialog.ShowWindow(SW_SHOW);
        m_dialog.GetWindowRect(&m_window);
    }
    void TearDown() override {
        m_dialog.DestroyWindow();
        SetDisplayBitsPerPixel(32);
    }

    CDialog m_dialog;
    CRect m_window;
    TempDir m_dir;
};

} // namespace

TEST_F(ShownDialog, WritesATrueColourBitmapFileWithTheStandardHeaders) {
    const std::string path = m_dir.file("capture.bmp");
    ASSERT_TRUE(CWndUtil::WriteWindowToBMP(path.c_str(), &m_dialog));
    const std::string bytes = TempDir::read(path);
    ASSERT_GE(bytes.size(), 54u);
    const std::size_t stride = static_cast<std::size_t>(m_window.Width()) * 4;
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(Field<std::uint32_t>(bytes, 2), bytes.size());
    EXPECT_EQ(Field<std::uint32_t>(bytes, 6), 0u);   // two reserved words
    EXPECT_EQ(Field<std::uint32_t>(bytes, 10), 54u); // no colour table
    EXPECT_EQ(Field<std::uint32_t>(bytes, 14), 40u);
    EXPECT_EQ(Field<std::int32_t>(bytes, 18), m_window.Width());
    EXPECT_EQ(Field<std::int32_t>(bytes, 22), m_window.Height());
    EXPECT_EQ(Field<std::uint16_t>(bytes, 26), 1);
    EXPECT_EQ(Field<std::uint16_t>(bytes, 28), 32);
    EXPECT_EQ(Field<std::uint32_t>(bytes, 30), 0u); // BI_RGB
    EXPECT_EQ(bytes.size(), 54 + stride * m_window.Height());

    // A standard decoder reads it: the size, and the dialog's face colour inside.
    EXPECT_THAT(RunCommand("identify -format '%m %w %h' '" + path + "'"),
                testing::MatchesRegex("BMP3? " + std::to_string(m_window.Width()) + " " +
                                      std::to_string(m_window.Height())));
    const COLORREF face = GetSysColor(COLOR_3DFACE);
    char expected[64];
    std::snprintf(expected, sizeof expected, "srgb(%d,%d,%d)", GetRValue(face), GetGValue(face),
                  GetBValue(face));
    EXPECT_EQ(RunCommand("identify -format '%[pixel:p{3,3}]' '" + path + "'"), expected);
    // Writing goes wrong silently: the image was still made.
    EXPECT_TRUE(CWndUtil::WriteWindowToBMP(m_dir.file("missing/capture.bmp").c_str(), &m_dialog));
    EXPECT_FALSE(std::filesystem::exists(m_dir.file("missing/capture.bmp")));
}

TEST_F(ShownDialog, APaletteDisplayGivesAnEightBitFileWithAFullColourTable) {
    SetDisplayBitsPerPixel(8);
    const std::string path = m_dir.file("palette.bmp");
    ASSERT_TRUE(CWndUtil::WriteWindowToBMP(path.c_str(), &m_dialog));
    const std::string bytes = TempDir::read(path);
    ASSERT_GE(bytes.size(), 1078u);
    const std::size_t stride = (static_cast<std::size_t>(m_window.Width()) + 3) & ~std::size_t{3};
    EXPECT_EQ(Field<std::uint32_t>(bytes, 2), bytes.size());
    EXPECT_EQ(Field<std::uint32_t>(bytes, 10), 1078u); // 256 colours of 4 bytes
    EXPECT_EQ(Field<std::uint16_t>(bytes, 28), 8);
    EXPECT_EQ(bytes.size(), 1078 + stride * m_window.Height());
    EXPECT_THAT(RunCommand("identify -format '%m %w %h %[type]' '" + path + "'"),
                testing::MatchesRegex("BMP3? [0-9]+ [0-9]+ Palette"));
}

TEST_F(ShownDialog, CopiesTheWindowToTheClipboardWhichOwnsTheBitmap) {
    CWndUtil::CopyWndToClipboard(&m_dialog);
    ASSERT_TRUE(OpenClipboard(nullptr));
    HBITMAP bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    ASSERT_NE(bitmap, nullptr);
    BITMAP description{};
    ASSERT_TRUE(GetObject(bitmap, sizeof description, &description));
    EXPECT_EQ(description.bmWidth, m_window.Width());
    EXPECT_EQ(description.bmHeight, m_window.Height());
    EmptyClipboard();
    EXPECT_EQ(GetObjectType(bitmap), 0u);
    CloseClipboard();
}

TEST_F(ShownDialog, PrintsThroughATemporaryFile) {
    const std::string savedPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    const char* savedTemp = std::getenv("TEMP");
    const std::string previousTemp = savedTemp ? savedTemp : "";
    const std::string log = m_dir.file("printed");
    const std::string lp = m_dir.write("lp", "#!/bin/sh\ncp \"$1\" '" + log + ".tmp' && mv '" +
                                                 log + ".tmp' '" + log + "'\n");
    chmod(lp.c_str(), 0755);
    setenv("PATH", (m_dir.path().string() + ":" + savedPath).c_str(), 1);
    setenv("TEMP", m_dir.path().c_str(), 1);

    EXPECT_TRUE(CWndUtil::PrintWindow(&m_dialog));
    EXPECT_TRUE(std::filesystem::exists(m_dir.file("Tempbmpfile.bmp")));
    for (int i = 0; i < 500 && !std::filesystem::exists(log); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(TempDir::read(log), TempDir::read(m_dir.file("Tempbmpfile.bmp")));
    EXPECT_FALSE(CWndUtil::PrintWindow(nullptr));

    setenv("PATH", savedPath.c_str(), 1);
    if (savedTemp)
        setenv("TEMP", previousTemp.c_str(), 1);
    else
        unsetenv("TEMP");
}
