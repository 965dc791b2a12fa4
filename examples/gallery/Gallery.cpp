#include "Gallery.h"

#include "vornui/vornui.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

std::vector<const GalleryPicture*>& Registered() {
    static std::vector<const GalleryPicture*> pictures;
    return pictures;
}

// Draws `window` into `dc` where it lies on the screen, relative to `origin`.
void DrawWindowAt(CDC& dc, CWnd& window, CPoint origin) {
    CRect rect;
    window.GetWindowRect(&rect);
    CDC part;
    part.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.Attach(CreateBitmap(rect.Width(), rect.Height(), 1, 32, nullptr));
    CBitmap* previous = part.SelectObject(&bitmap);
    PrintWindow(window, part, 0);
    dc.BitBlt(rect.left - origin.x, rect.top - origin.y, rect.Width(), rect.Height(), &part, 0, 0,
              SRCCOPY);
    part.SelectObject(previous);
}

} // namespace

GalleryPicture::GalleryPicture(const char* fileName, const char* caption, Writer write)
    : fileName(fileName), caption(caption), write(write) {
    Registered().push_back(this);
}

std::vector<const GalleryPicture*> GalleryPictures() {
    std::vector<const GalleryPicture*> pictures = Registered();
    std::sort(pictures.begin(), pictures.end(), [](const auto* lhs, const auto* rhs) {
        return std::strcmp(lhs->fileName, rhs->fileName) < 0;
    });
    return pictures;
}

int WriteGallery(int count, char** fileNames) {
    const std::vector<const GalleryPicture*> pictures = GalleryPictures();
    const auto named = [&](const GalleryPicture* picture) {
        return count == 0 || std::any_of(fileNames, fileNames + count, [&](const char* name) {
                   return std::strcmp(name, picture->fileName) == 0;
               });
    };
    int failed = 0;
    int written = 0;
    for (const GalleryPicture* picture : pictures) {
        if (!named(picture))
            continue;
        failed |= picture->write(picture->fileName);
        ++written;
    }
    if (written == 0) {
        std::fprintf(stderr, "no such picture; the gallery has:\n");
        for (const GalleryPicture* picture : pictures)
            std::fprintf(stderr, "  %s  %s\n", picture->fileName, picture->caption);
        return 2;
    }
    return failed;
}

int SaveWindowPicture(CWnd& window, const char* path) {
    if (!RenderWindowToPng(window, path)) {
        std::fprintf(stderr, "could not write %s\n", path);
        return 1;
    }
    CRect rect;
    window.GetWindowRect(&rect);
    std::printf("wrote %s (%d x %d pixels)\n", path, rect.Width(), rect.Height());
    return 0;
}

int SaveWindowsPicture(CWnd& window, CWnd& over, const char* path) {
    CRect area;
    window.GetWindowRect(&area);
    CRect overRect;
    over.GetWindowRect(&overRect);
    area.UnionRect(&area, &overRect);
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    CImage image;
    image.Attach(CreateBitmap(area.Width(), area.Height(), 1, 32, nullptr));
    HGDIOBJ previous = memory.SelectObject(static_cast<HGDIOBJ>(static_cast<HBITMAP>(image)));
    memory.FillSolidRect(0, 0, area.Width(), area.Height(), GetSysColor(COLOR_BACKGROUND));
    DrawWindowAt(memory, window, area.TopLeft());
    DrawWindowAt(memory, over, area.TopLeft());
    memory.SelectObject(previous);
    if (image.Save(path) != S_OK) {
        std::fprintf(stderr, "could not write %s\n", path);
        return 1;
    }
    std::printf("wrote %s (%d x %d pixels)\n", path, area.Width(), area.Height());
    return 0;
}
