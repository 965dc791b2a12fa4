#include "vornui/platform/internal/DialogFontMetrics.h"

#include "vornui/platform/Screen.h"
#include "vornui/platform/internal/FontEngine.h"

#include <cstring>

CharCellSize MeasureDialogFont(const char* faceName, int pointSize, int dpi) {
    LOGFONT log{};
    // The point size at the resolution, rounded to whole pixels.
    log.lfHeight = -((pointSize * dpi + 36) / 72);
    log.lfWeight = FW_NORMAL;
    if (faceName)
        std::strncpy(log.lfFaceName, faceName, LF_FACESIZE - 1);
    const auto font = FontInstanceFor(log);
    if (!font)
        return {(pointSize * dpi * 6 + 384) / 768, (pointSize * dpi * 13 + 384) / 768};
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    const int letters = font->textWidth(kLetters, static_cast<int>(std::strlen(kLetters)));
    return {(letters / 26 + 1) / 2, static_cast<int>(font->metrics().tmHeight)};
}

namespace {

FontCharMetrics MeasuredFont(const char* faceName, int pointSize, int dpi) {
    const CharCellSize size = MeasureDialogFont(faceName, pointSize, dpi);
    return FontCharMetrics{size.averageWidth, size.height};
}

// Dialog units follow the glyphs the dialogs are drawn with.
[[maybe_unused]] const bool g_measuresDialogFonts = (SetFontMetricsProvider(MeasuredFont), true);

} // namespace
