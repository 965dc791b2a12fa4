#pragma once

// Pictures of pixel surfaces as files: BMP (24 bits, written here) and PNG (libpng).

#include "vornui/platform/internal/PixelSurface.h"

#include <string>

bool WriteBmpFile(const PixelSurface& surface, const std::string& path);
bool WritePngFile(const PixelSurface& surface, const std::string& path);
