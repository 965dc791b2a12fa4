#pragma once

// The measure dialog units come from: a font's average character width as the system
// takes it (the width of the 52 letters over 26, halved and rounded: (w / 26 + 1) / 2)
// and its character height, in pixels at a resolution.

struct CharCellSize {
    int averageWidth;
    int height;
};

CharCellSize MeasureDialogFont(const char* faceName, int pointSize, int dpi);
