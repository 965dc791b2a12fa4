#include "vornui/platform/internal/TextLayout.h"

#include <algorithm>

namespace {

constexpr std::string_view kEllipsis = "...";

struct PrefixedText {
    std::string text;
    int underline = -1;
};

// '&' marks the next character as the mnemonic and disappears; "&&" is one '&'.
PrefixedText StripPrefixes(std::string_view text) {
    PrefixedText result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            result.text += text[i];
            continue;
        }
        if (i + 1 >= text.size())
            break;
        if (text[i + 1] != '&' && result.underline < 0)
            result.underline = static_cast<int>(result.text.size());
        result.text += text[++i];
    }
    return result;
}

struct Piece {
    std::size_t start;
    std::size_t length;
};

std::vector<Piece> Paragraphs(std::string_view text) {
    std::vector<Piece> pieces;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        pieces.push_back({start, i - start});
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    pieces.push_back({start, text.size() - start});
    return pieces;
}

std::size_t TrimmedLength(std::string_view text, std::size_t start, std::size_t end) {
    while (end > start && text[end - 1] == ' ')
        --end;
    return end - start;
}

// Splits a paragraph into lines no wider than `width` where spaces allow; a word wider
// than the line stands alone (or, for edit controls, is cut between characters).
std::vector<Piece> WrapParagraph(std::string_view text, Piece paragraph, int width,
                                 const FontInstance& font, int tabWidth, bool breakWords) {
    std::vector<Piece> lines;
    std::size_t pos = paragraph.start;
    const std::size_t end = paragraph.start + paragraph.length;
    do {
        int x = 0;
        std::size_t lastSpace = std::string_view::npos;
        std::size_t i = pos;
        for (; i < end; ++i) {
            if (text[i] == ' ' && i > pos)
                lastSpace = i;
            x = AdvancePast(font, x, text[i], tabWidth);
            if (x > width)
                break;
        }
        std::size_t lineEnd = i;
        if (i < end) {
            if (lastSpace != std::string_view::npos) {
                lineEnd = lastSpace;
            } else if (breakWords) {
                lineEnd = std::max(i, pos + 1);
            } else {
                lineEnd = i;
                while (lineEnd < end && text[lineEnd] != ' ')
                    ++lineEnd;
            }
        }
        if (lineEnd <= pos && pos < end)
            lineEnd = pos + 1; // a line always takes at least one character
        lines.push_back({pos, TrimmedLength(text, pos, lineEnd)});
        pos = lineEnd;
        while (pos < end && text[pos] == ' ')
            ++pos;
    } while (pos < end);
    return lines;
}

// The longest head of `text` that fits in `width` together with `tail`.
std::string FitWithEllipsis(const FontInstance& font, std::string_view head, std::string_view tail,
                            int width, int tabWidth) {
    const int tailWidth = LineWidth(font, tail, tabWidth);
    std::size_t keep = head.size();
    while (keep > 0 && LineWidth(font, head.substr(0, keep), tabWidth) + tailWidth > width)
        --keep;
    return std::string(head.substr(0, keep)) + std::string(tail);
}

std::string Ellipsize(const FontInstance& font, std::string_view line, UINT format, int width,
                      int tabWidth) {
    if (format & DT_PATH_ELLIPSIS) {
        const std::size_t slash = line.find_last_of("\\/");
        if (slash != std::string_view::npos && slash > 0) {
            const std::string tail = std::string(kEllipsis) + std::string(line.substr(slash));
            if (LineWidth(font, tail, tabWidth) <= width)
                return FitWithEllipsis(font, line.substr(0, slash), tail, width, tabWidth);
            return FitWithEllipsis(font, tail, "", width, tabWidth);
        }
    }
    return FitWithEllipsis(font, line, kEllipsis, width, tabWidth);
}

} // namespace

int TabStopWidth(UINT format, const FontInstance& font) {
    if (!(format & DT_EXPANDTABS))
        return 0;
    const int characters = (format & DT_TABSTOP) ? static_cast<int>((format >> 8) & 0xFF) : 8;
    return std::max(characters, 1) * std::max<int>(font.metrics().tmAveCharWidth, 1);
}

int AdvancePast(const FontInstance& font, int x, char ch, int tabWidth) {
    if (ch == '\t' && tabWidth > 0)
        return (x / tabWidth + 1) * tabWidth;
    return x + font.advance(static_cast<unsigned char>(ch));
}

int LineWidth(const FontInstance& font, std::string_view text, int tabWidth) {
    if (tabWidth == 0)
        return font.textWidth(text.data(), static_cast<int>(text.size()));
    int x = 0;
    for (char ch : text)
        x = AdvancePast(font, x, ch, tabWidth);
    return x;
}

TextLayout LayOutText(std::string_view source, UINT format, int width, const FontInstance& font,
                      int tabWidth) {
    const PrefixedText prefixed =
        (format & DT_NOPREFIX) ? PrefixedText{std::string(source), -1} : StripPrefixes(source);
    const std::string_view text = prefixed.text;
    const bool singleLine = format & DT_SINGLELINE;
    std::vector<Piece> pieces;
    if (singleLine) {
        pieces.push_back({0, text.size()});
    } else {
        for (const Piece& paragraph : Paragraphs(text)) {
            if (!(format & DT_WORDBREAK)) {
                pieces.push_back(paragraph);
                continue;
            }
            const auto wrapped =
                WrapParagraph(text, paragraph, width, font, tabWidth, format & DT_EDITCONTROL);
            pieces.insert(pieces.end(), wrapped.begin(), wrapped.end());
        }
    }

    TextLayout layout;
    const TEXTMETRIC& tm = font.metrics();
    layout.lineHeight = tm.tmHeight + ((format & DT_EXTERNALLEADING) ? tm.tmExternalLeading : 0);
    const bool ellipsis = format & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS);
    for (const Piece& piece : pieces) {
        TextLine line;
        line.text = std::string(text.substr(piece.start, piece.length));
        const int mark = prefixed.underline - static_cast<int>(piece.start);
        if (!(format & DT_HIDEPREFIX) && mark >= 0 && mark < static_cast<int>(piece.length))
            line.underline = mark;
        line.width = LineWidth(font, line.text, tabWidth);
        if (ellipsis && line.width > width) {
            line.text = Ellipsize(font, line.text, format, width, tabWidth);
            line.width = LineWidth(font, line.text, tabWidth);
            if (line.underline >= static_cast<int>(line.text.size()) - 3)
                line.underline = -1;
            layout.ellipsized = true;
        }
        layout.widest = std::max(layout.widest, line.width);
        layout.lines.push_back(std::move(line));
    }
    return layout;
}
