// The bitmap and icon readers over any file content: BMP files with every loading flag,
// icon files at several sizes, and the same bytes as bitmap and icon resources.
#include "FuzzFile.h"

#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/Icons.h"
#include "vornui/platform/Images.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* path = WriteFuzzFile(data, size);
    for (const UINT flags : {0u, static_cast<UINT>(LR_CREATEDIBSECTION),
                             static_cast<UINT>(LR_LOADTRANSPARENT | LR_LOADMAP3DCOLORS),
                             static_cast<UINT>(LR_MONOCHROME)})
        if (HANDLE bitmap = LoadImage(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | flags))
            DeleteObject(static_cast<HBITMAP>(bitmap));
    for (const int side : {0, 16, 48})
        if (HANDLE icon = LoadImage(nullptr, path, IMAGE_ICON, side, side, LR_LOADFROMFILE))
            DestroyIcon(static_cast<HICON>(icon));

    static const HMODULE module = CreateResourceModule("fuzz-images");
    const auto name = MAKEINTRESOURCE(1);
    // Resources are referenced, not copied: keep this round's bytes until the next.
    static std::string bytes;
    bytes.assign(reinterpret_cast<const char*>(data), size);
    AddResource(module, RT_BITMAP, name, bytes.data(), static_cast<DWORD>(bytes.size()));
    AddResource(module, RT_GROUP_ICON, name, bytes.data(), static_cast<DWORD>(bytes.size()));
    AddResource(module, RT_ICON, MAKEINTRESOURCE(1), bytes.data(),
                static_cast<DWORD>(bytes.size()));
    if (HBITMAP bitmap = LoadBitmap(module, name))
        DeleteObject(bitmap);
    if (HANDLE icon = LoadImage(module, name, IMAGE_ICON, 32, 32, 0))
        DestroyIcon(static_cast<HICON>(icon));
    return 0;
}
