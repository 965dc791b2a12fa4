#pragma once

// The record behind an image list handle, shared by its drawing and its dragging.

#include "vornui/platform/ImageList.h"
#include "vornui/platform/internal/ArgbImage.h"

#include <array>
#include <vector>

struct ImageListObject {
    int width = 0;
    int height = 0;
    UINT flags = 0;
    COLORREF background = CLR_NONE;
    std::vector<ArgbImage> images;
    std::array<int, 16> overlays{}; // overlay number to image index + 1 (0: none)

    bool masked() const { return (flags & ILC_MASK) != 0; }
    bool valid(int index) const { return index >= 0 && index < static_cast<int>(images.size()); }
};

ImageListObject* LiveImageList(HIMAGELIST list);
