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
