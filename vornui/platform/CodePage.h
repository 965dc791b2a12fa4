#pragma once

// All text inside the library is code page 1252; these convert at the edges (glyph
// lookup, a terminal that wants UTF-8).

#include "vornui/platform/Export.h"

#include <string>
#include <string_view>

// The Unicode code point of a code page 1252 byte; bytes the code page leaves undefined
// map to themselves, as the system's conversion does.
VORNUI_API char32_t CodePointFrom1252(unsigned char byte);
VORNUI_API std::string Utf8From1252(std::string_view text);
// The code page 1252 byte of a code point; 0 when the code page has none.
VORNUI_API char Cp1252FromCodePoint(char32_t codePoint);
// UTF-8 text in code page 1252: a character the code page lacks, or a malformed sequence,
// becomes `unmappable`.
VORNUI_API std::string Cp1252FromUtf8(std::string_view text, char unmappable = '?');
