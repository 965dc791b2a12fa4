#include "vornui/reporting/CProgressStdOut.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdio>
#include <iostream>

namespace {

// p × 100 ÷ maximum, truncated toward zero, for any int p and nonzero maximum.
long long PercentOf(int pos, int maximum) {
    return static_cast<long long>(pos) * 100 / maximum;
}

// Least and greatest q >= 0 with q × 100 ÷ m (m > 0) truncating to `percent` >= 0.
long long FirstWith(long long percent, long long m) {
    return (percent * m + 99) / 100;
}
long long LastWith(long long percent, long long m) {
    return ((percent + 1) * m - 1) / 100;
}

struct PosInterval {
    long long from;
    long long to;
};

// Every position whose percentage is `percent` for `maximum` (nonzero).
PosInterval PositionsWith(long long percent, int maximum) {
    // With a negative maximum, p has the percentage that -p has for -maximum.
    const long long m = maximum > 0 ? maximum : -static_cast<long long>(maximum);
    PosInterval interval;
    if (percent > 0)
        interval = {FirstWith(percent, m), LastWith(percent, m)};
    else if (percent < 0)
        interval = {-LastWith(-percent, m), -FirstWith(-percent, m)};
    else
        interval = {-LastWith(0, m), LastWith(0, m)};
    if (maximum < 0)
        interval = {-interval.to, -interval.from};
    return interval;
}

void WriteProgressLine(long long percent) {
    // The number in the stream's default format (six significant digits, no trailing
    // zeros), with a point whatever the locale: other programs parse these lines.
    char line[64] = "progress:";
    constexpr size_t kPrefix = sizeof "progress:" - 1;
    const auto [end, error] =
        std::to_chars(line + kPrefix, line + sizeof line - 1, static_cast<double>(percent) / 100.0,
                      std::chars_format::general, 6);
    *end = '\n';
    std::cout.write(line, end + 1 - line);
    std::cout.flush();
}

} // namespace

CProgressStdOut::CProgressStdOut(int cancelAllowed) : IProgressIndicator(cancelAllowed) {}

CProgressStdOut::CProgressStdOut(int cancelAllowed, unsigned int titleId)
    : IProgressIndicator(cancelAllowed, titleId) {}

CProgressStdOut::~CProgressStdOut() = default;

int CProgressStdOut::Create(CWnd*) {
    return 1;
}

int CProgressStdOut::DestroyWindow() {
    if (m_terminalBar)
        m_terminalBar->Finish();
    return 1;
}

int CProgressStdOut::IsCancelled() {
    return 0;
}

void CProgressStdOut::SetStatus(const char*) {}

void CProgressStdOut::SetRange(int, int upper) {
    m_nMaximum = upper;
    if (upper == 0) {
        m_nSameFrom = INT_MIN;
        m_nSameTo = INT_MAX;
    } else {
        m_nSameFrom = 1; // nothing known until the next position
        m_nSameTo = 0;
    }
}

void CProgressStdOut::SetTerminalBar(int show) {
    if (show && TerminalProgressBar::CanDrawOn(stderr))
        m_terminalBar.emplace(stderr);
    else
        m_terminalBar.reset();
}

int CProgressStdOut::WriteChangedPos(int pos) {
    const long long percent = PercentOf(pos, m_nMaximum);
    const PosInterval same = PositionsWith(percent, m_nMaximum);
    m_nSameFrom = static_cast<int>(std::max<long long>(same.from, INT_MIN));
    m_nSameTo = static_cast<int>(std::min<long long>(same.to, INT_MAX));
    if (percent == m_nLastPrinted)
        return pos;
    WriteProgressLine(percent);
    m_nLastPrinted = percent;
    if (m_terminalBar)
        m_terminalBar->Show(percent);
    return pos;
}
