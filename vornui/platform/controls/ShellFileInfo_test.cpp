#include "tests/TempDir.h"

#include "vornui/platform/Bitmaps.h"
#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/FileSystem.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/ShellFileInfo.h"
#include "vornui/platform/SystemSettings.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The pixels an icon or an image list's image leaves on white, row by row.
class Canvas {
public:
    explicit Canvas(int size) : m_size(size) {
        m_dc = CreateCompatibleDC(nullptr);
        m_bitmap = CreateBitmap(size, size, 1, 32, nullptr);
        m_old = SelectObject(m_dc, m_bitmap);
    }
    ~Canvas() {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    template <typename Draw> std::vector<COLORREF> Pixels(Draw draw) {
        for (int y = 0; y < m_size; ++y)
            for (int x = 0; x < m_size; ++x)
                SetPixel(m_dc, x, y, RGB(255, 255, 255));
        draw(m_dc);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < m_size; ++y)
            for (int x = 0; x < m_size; ++x)
                pixels.push_back(GetPixel(m_dc, x, y));
        return pixels;
    }

private:
    int m_size;
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
};

int IconWidth(HICON icon) {
    ICONINFO parts{};
    if (!GetIconInfo(icon, &parts))
        return 0;
    BITMAP bitmap{};
    GetObject(parts.hbmColor, sizeof bitmap, &bitmap);
    DeleteObject(parts.hbmColor);
    DeleteObject(parts.hbmMask);
    return bitmap.bmWidth;
}

} // namespace

TEST(ShellFileInfo, NamesTheItemAndItsKind) {
    TempDir dir;
    const std::string file = dir.write("tide.aft", "[template]\n");
    SHFILEINFO info{};
    ASSERT_NE(SHGetFileInfo(file.c_str(), 0, &info, sizeof info,
                            SHGFI_DISPLAYNAME | SHGFI_TYPENAME | SHGFI_ATTRIBUTES),
              0u);
    EXPECT_STREQ(info.szDisplayName, "tide.aft");
    EXPECT_STREQ(info.szTypeName, "AFT File");
    EXPECT_EQ(info.dwAttributes & SFGAO_FOLDER, 0u);
    ASSERT_NE(
        SHGetFileInfo(dir.path().c_str(), 0, &info, sizeof info, SHGFI_TYPENAME | SHGFI_ATTRIBUTES),
        0u);
    EXPECT_STREQ(info.szTypeName, "File folder");
    EXPECT_NE(info.dwAttributes & SFGAO_FOLDER, 0u);
    EXPECT_EQ(
        SHGetFileInfo((dir.path() / "gone.txt").c_str(), 0, &info, sizeof info, SHGFI_DISPLAYNAME),
        0u);
    // Told what it is, the shell does not look.
    ASSERT_NE(SHGetFileInfo("/nowhere/.hidden", FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                            SHGFI_USEFILEATTRIBUTES | SHGFI_TYPENAME | SHGFI_ATTRIBUTES),
              0u);
    EXPECT_STREQ(info.szTypeName, "File"); // a leading dot hides; it starts no extension
    EXPECT_NE(info.dwAttributes & SFGAO_HIDDEN, 0u);
}

TEST(ShellFileInfo, GivesFilesAndFoldersTheirOwnIconsAndPlacesInTheSystemImageList) {
    TempDir dir;
    const std::string file = dir.write("line.csv", "1,2\n");
    SHFILEINFO fileInfo{};
    SHFILEINFO folderInfo{};
    ASSERT_NE(SHGetFileInfo(file.c_str(), 0, &fileInfo, sizeof fileInfo,
                            SHGFI_ICON | SHGFI_SMALLICON),
              0u);
    ASSERT_NE(SHGetFileInfo(dir.path().c_str(), 0, &folderInfo, sizeof folderInfo,
                            SHGFI_ICON | SHGFI_SMALLICON),
              0u);
    ASSERT_NE(fileInfo.hIcon, nullptr);
    ASSERT_NE(folderInfo.hIcon, nullptr);
    EXPECT_EQ(IconWidth(fileInfo.hIcon), GetSystemMetrics(SM_CXSMICON));
    EXPECT_NE(fileInfo.iIcon, folderInfo.iIcon);

    // The icon handed out is the image the system image list holds at its place.
    const auto list = reinterpret_cast<HIMAGELIST>(SHGetFileInfo(
        file.c_str(), 0, &fileInfo, sizeof fileInfo, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SHGetFileInfo(dir.path().c_str(), 0, nullptr, 0,
                                                         SHGFI_SYSICONINDEX | SHGFI_SMALLICON)),
              list);
    int width = 0;
    int height = 0;
    ASSERT_TRUE(ImageList_GetIconSize(list, &width, &height));
    EXPECT_EQ(width, GetSystemMetrics(SM_CXSMICON));
    Canvas canvas(width);
    const auto drawnFile = canvas.Pixels(
        [&](HDC dc) { DrawIconEx(dc, 0, 0, fileInfo.hIcon, 0, 0, 0, nullptr, DI_NORMAL); });
    const auto drawnFolder = canvas.Pixels(
        [&](HDC dc) { DrawIconEx(dc, 0, 0, folderInfo.hIcon, 0, 0, 0, nullptr, DI_NORMAL); });
    const auto listed = canvas.Pixels(
        [&](HDC dc) { ImageList_Draw(list, fileInfo.iIcon, dc, 0, 0, ILD_NORMAL); });
    EXPECT_EQ(listed, drawnFile);
    EXPECT_NE(drawnFile, drawnFolder);
    EXPECT_NE(drawnFile, canvas.Pixels([](HDC) {})); // something was drawn

    // A large icon is the system's icon size; each handle is the caller's to destroy.
    SHFILEINFO large{};
    ASSERT_NE(SHGetFileInfo(file.c_str(), 0, &large, sizeof large, SHGFI_ICON), 0u);
    EXPECT_EQ(IconWidth(large.hIcon), GetSystemMetrics(SM_CXICON));
    EXPECT_NE(reinterpret_cast<HIMAGELIST>(
                  SHGetFileInfo(file.c_str(), 0, nullptr, 0, SHGFI_SYSICONINDEX)),
              list);
    for (HICON icon : {fileInfo.hIcon, folderInfo.hIcon, large.hIcon})
        EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_EQ(SHGetFileInfo((dir.path() / "gone.txt").c_str(), 0, &large, sizeof large,
                            SHGFI_ICON),
              0u);
}
