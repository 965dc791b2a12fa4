#pragma once

// How DrawText arranges text before painting it: prefix characters, line breaks, word
// wrapping, tab expansion and ellipses. Pure layout over a font's advances.

#include "vornui/platform/internal/FontEngine.h"

#include <string>
#include <string_view>
#include <vector>

struct TextLine {
    std::string text;
    int width = 0;
    int underline = -1; // index of the character a prefix '&' marks, or -1
};

struct TextLayout {
    std::vector<TextLine> lines;
    int lineHeight = 0;
    int widest = 0;
    bool ellipsized = false; // some line was shortened
};

// Pixels of one tab stop for the DrawText flags (0: tabs are not expanded).
int TabStopWidth(UINT format, const FontInstance& font);
// The pen position after `ch` drawn at x.
int AdvancePast(const FontInstance& font, int x, char ch, int tabWidth);
int LineWidth(const FontInstance& font, std::string_view text, int tabWidth);

// `format` with the tab-stop byte already taken out when DT_TABSTOP is set.
TextLayout LayOutText(std::string_view text, UINT format, int width, const FontInstance& font,
                      int tabWidth);
