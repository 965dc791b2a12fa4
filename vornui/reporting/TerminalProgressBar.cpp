#include "vornui/reporting/TerminalProgressBar.h"

#include "vornui/platform/Console.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int kUnknownWidth = 80;
// "[" + bar + "] 100%": the brackets and the widest percentage.
constexpr int kFrameWidth = 7;

} // namespace

TerminalProgressBar::TerminalProgressBar(std::FILE* stream) : m_stream(stream) {}

TerminalProgressBar::~TerminalProgressBar() {
    Finish();
}

bool TerminalProgressBar::CanDrawOn(std::FILE* stream) {
    if (!_isatty(_fileno(stream)))
        return false;
    const char* term = std::getenv("TERM");
    return !term || std::strcmp(term, "dumb") != 0;
}

int TerminalProgressBar::Width() const {
    const int columns = ConsoleColumns(_fileno(m_stream));
    return columns > 0 ? columns : kUnknownWidth;
}

void TerminalProgressBar::Show(long long percent) {
    const int whole = static_cast<int>(std::clamp(percent, 0LL, 100LL));
    if (whole == m_shown)
        return;
    // The last column stays free: writing into it makes some terminals wrap at once.
    const int barWidth = std::max(0, Width() - 1 - kFrameWidth);
    const int filled = barWidth * whole / 100;
    std::string line = "\r[";
    line.append(filled, '#');
    line.append(barWidth - filled, '.');
    const std::string shown = std::to_string(whole) + '%';
    line += "] ";
    line += shown;
    line.append(4 - shown.size(), ' '); // a shorter percentage covers a longer one's end
    std::fwrite(line.data(), 1, line.size(), m_stream);
    m_shown = whole;
    if (whole == 100)
        Finish();
    else
        std::fflush(m_stream);
}

void TerminalProgressBar::Finish() {
    if (m_shown < 0)
        return;
    std::fputc('\n', m_stream);
    std::fflush(m_stream);
    m_shown = -1;
}
