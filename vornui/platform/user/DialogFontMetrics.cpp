#include "vornui/platform/internal/DialogFontMetrics.h"

#include "vornui/platform/Screen.h"
#include "vornui/platform/internal/FontEngine.h"

#include <cstring>
#include <optional>
#include <string>

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
    // Controls ask for the same font at every row they lay out; measuring its letters each
    // time would cost more than the rows.
    struct Measured {
        std::string faceName;
        int pointSize = 0;
        int dpi = 0;
        FontCharMetrics metrics{};
    };
    thread_local std::optional<Measured> last;
    if (!last || last->pointSize != pointSize || last->dpi != dpi || last->faceName != faceName) {
        const CharCellSize size = MeasureDialogFont(faceName, pointSize, dpi);
        last = Measured{faceName, pointSize, dpi, FontCharMetrics{size.averageWidth, size.height}};
    }
    return last->metrics;
}

// Dialog units follow the glyphs the dialogs are drawn with.
[[maybe_unused]] const bool g_measuresDialogFonts = (SetFontMetricsProvider(MeasuredFont), true);

} // namespace
