#pragma once

// Pictures of pixel surfaces as files: BMP (24 bits, written here) and PNG (libpng).

#include "vornui/platform/internal/ArgbImage.h"
#include "vornui/platform/internal/PixelSurface.h"

#include <string>
#include <vector>

bool WriteBmpFile(const PixelSurface& surface, const std::string& path);
bool WritePngFile(const PixelSurface& surface, const std::string& path);
// The picture as the bytes of a PNG file, its colours without their alpha; empty for an
// empty picture or when libpng fails.
std::vector<BYTE> PngBytes(const ArgbImage& image);
