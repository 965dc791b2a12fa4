#pragma once

// The records behind icon handles.

#include "vornui/platform/Icons.h"
#include "vornui/platform/internal/ArgbImage.h"

struct IconObject {
    ArgbImage image;
    bool shared = false; // loaded by LoadIcon or LR_SHARED: never destroyed
};

HICON RegisterIcon(ArgbImage image, bool shared);
// The record of a live icon; null for a destroyed or unknown handle.
const IconObject* LiveIcon(HICON icon);
