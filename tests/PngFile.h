#pragma once

// Reads a PNG file back with libpng, the way any picture viewer would, so tests check
// what a person would see.

#include <cstdint>
#include <string>
#include <vector>

struct PngPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb; // rows top-down, three bytes a pixel
    bool read(const std::string& path);
    bool write(const std::string& path) const;
    std::uint32_t color(int x, int y) const; // as a COLORREF: 0x00BBGGRR
};
