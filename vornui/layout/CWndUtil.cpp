#include "vornui/layout/CWndUtil.h"

#include "vornui/platform/CDC.h"
#include "vornui/platform/Clipboard.h"
#include "vornui/platform/FileSystem.h"
#include "vornui/platform/SystemPrograms.h"
#include "vornui/platform/WindowDC.h"
#include "vornui/platform/WindowStyles.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// The window's outer size, copied from its client area's origin, as a bitmap compatible
// with the window's client DC.
HBITMAP CaptureWindow(CWnd* wnd) {
    CRect rect;
    wnd->GetWindowRect(&rect);
    CClientDC dc(wnd);
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    CBitmap bitmap;
    if (!bitmap.CreateCompatibleBitmap(&dc, rect.Width(), rect.Height()))
        return nullptr;
    CBitmap* old = memory.SelectObject(&bitmap);
    memory.BitBlt(0, 0, rect.Width(), rect.Height(), &dc, 0, 0, SRCCOPY);
    memory.SelectObject(old);
    return static_cast<HBITMAP>(bitmap.Detach());
}

// A palette of the first 255 system colours when the display has a palette, else none.
HPALETTE DisplayPalette() {
    CClientDC screen(nullptr);
    if (!(screen.GetDeviceCaps(RASTERCAPS) & RC_PALETTE))
        return nullptr;
    constexpr WORD kEntries = 255;
    std::vector<BYTE> storage(sizeof(LOGPALETTE) + kEntries * sizeof(PALETTEENTRY));
    auto* palette = reinterpret_cast<LOGPALETTE*>(storage.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = kEntries;
    GetSystemPaletteEntries(screen, 0, kEntries, palette->palPalEntry);
    return CreatePalette(palette);
}

// The colour table's size behind a device-independent bitmap's information header.
std::size_t ColorTableBytes(WORD bitCount) {
    return bitCount <= 8 ? (std::size_t{1} << bitCount) * sizeof(RGBQUAD) : 0;
}

// The bitmap as a device-independent block: information header, colour table, pixels.
std::vector<BYTE> DeviceIndependentBlock(HBITMAP bitmap, DWORD compression, HPALETTE palette) {
    if (compression == BI_BITFIELDS)
        return {};
    if (!palette)
        palette = static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
    BITMAP description{};
    if (!GetObject(bitmap, sizeof description, &description))
        return {};
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = description.bmWidth;
    header.biHeight = description.bmHeight;
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(description.bmPlanes * description.bmBitsPixel);
    header.biCompression = compression;
    const std::size_t headerBytes = header.biSize + ColorTableBytes(header.biBitCount);

    CClientDC screen(nullptr);
    HPALETTE previous = SelectPalette(screen, palette, FALSE);
    RealizePalette(screen);
    std::vector<BYTE> block(headerBytes);
    std::memcpy(block.data(), &header, sizeof header);
    auto* info = reinterpret_cast<BITMAPINFO*>(block.data());
    GetDIBits(screen, bitmap, 0, static_cast<UINT>(header.biHeight), nullptr, info, DIB_RGB_COLORS);
    DWORD imageSize = info->bmiHeader.biSizeImage;
    if (imageSize == 0) {
        imageSize = static_cast<DWORD>(((header.biWidth * header.biBitCount + 31) & ~31) / 8 *
                                       header.biHeight);
        if (compression != BI_RGB)
            imageSize = imageSize * 3 / 2;
    }
    block.resize(headerBytes + imageSize);
    info = reinterpret_cast<BITMAPINFO*>(block.data());
    const int lines = GetDIBits(screen, bitmap, 0, static_cast<UINT>(header.biHeight),
                                block.data() + headerBytes, info, DIB_RGB_COLORS);
    SelectPalette(screen, previous, FALSE);
    if (lines == 0)
        return {};
    return block;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

void WriteBitmapFile(LPCTSTR path, const std::vector<BYTE>& block) {
    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(block.data());
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfSize = static_cast<DWORD>(block.size() + sizeof file);
    file.bfOffBits =
        static_cast<DWORD>(sizeof file + header->biSize + ColorTableBytes(header->biBitCount));
    std::unique_ptr<std::FILE, FileCloser> out(std::fopen(path, "wb"));
    if (!out)
        return;
    std::fwrite(&file, sizeof file, 1, out.get());
    std::fwrite(block.data(), 1, block.size(), out.get());
}

} // namespace

void CWndUtil::CopyWndToClipboard(CWnd* wnd) {
    if (!wnd)
        return;
    CBitmap bitmap;
    bitmap.Attach(CaptureWindow(wnd));
    if (!::OpenClipboard(wnd->GetSafeHwnd()))
        return;
    EmptyClipboard();
    if (SetClipboardData(CF_BITMAP, static_cast<HANDLE>(bitmap.m_hObject)))
        bitmap.Detach(); // the clipboard's now
    CloseClipboard();
}

bool CWndUtil::WriteWindowToBMP(LPCTSTR path, CWnd* wnd) {
    if (!wnd || !path)
        return false;
    CBitmap bitmap;
    bitmap.Attach(CaptureWindow(wnd));
    CPalette palette;
    palette.Attach(DisplayPalette());
    const std::vector<BYTE> block =
        DeviceIndependentBlock(bitmap, BI_RGB, static_cast<HPALETTE>(palette.m_hObject));
    if (block.empty())
        return false;
    WriteBitmapFile(path, block);
    return true;
}

bool CWndUtil::PrintWindow(CWnd* wnd) {
    char folder[MAX_PATH] = {};
    GetTempPath(MAX_PATH, folder);
    CString file;
    file.Format("%sTempbmpfile.bmp", folder);
    if (!WriteWindowToBMP(file, wnd))
        return false;
    CString command;
    command.Format("mspaint.exe -p %s", file.GetString());
    WinExec(command, SW_HIDE);
    return true;
}
