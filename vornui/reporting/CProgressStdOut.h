#pragma once

// Progress for command-line and batch runs: standard output gets a line "progress:"
// followed by the fraction done (0, 0.05, 0.5, 1) each time the whole percentage changes.
// Other programs read those lines, so standard output gets nothing else. A person at a
// terminal can be shown a bar on standard error as well (SetTerminalBar).

#include "vornui/reporting/IProgressIndicator.h"
#include "vornui/reporting/TerminalProgressBar.h"

#include <optional>

class VORNUI_API CProgressStdOut : public IProgressIndicator {
public:
    // The arguments are unused, as the interface's; the bar on standard error starts off.
    explicit CProgressStdOut(int cancelAllowed = 0);
    CProgressStdOut(int cancelAllowed, unsigned int titleId);
    ~CProgressStdOut() override;
    CProgressStdOut(const CProgressStdOut&) = delete;
    CProgressStdOut& operator=(const CProgressStdOut&) = delete;

    int Create(CWnd* parent) override;
    // Ends the terminal bar's line; the "progress:" lines need no ending.
    int DestroyWindow() override;
    int IsCancelled() override;
    void SetStatus(const char* text) override;
    // Keeps the upper bound as the maximum; the lower bound is not used. With a maximum of
    // 0 no percentage can be formed and SetPos writes nothing.
    void SetRange(int lower, int upper) override;
    // Writes a line when the percentage (p × 100 ÷ maximum, truncated) differs from the
    // last one written; returns `pos`.
    int SetPos(int pos) override {
        if (pos >= m_nSameFrom && pos <= m_nSameTo)
            return pos; // the line would be the last one again
        return WriteChangedPos(pos);
    }

    // Nonzero: also draw a bar on standard error, when standard error is a terminal that
    // can redraw a line (TERM is not "dumb"). Off by default.
    void SetTerminalBar(int show);

private:
    int WriteChangedPos(int pos);

    long long m_nLastPrinted = -1; // p × 100 ÷ maximum need not fit an int
    int m_nMaximum = 100;
    // The positions that give m_nLastPrinted again, so that SetPos needs no division.
    int m_nSameFrom = 1;
    int m_nSameTo = 0;
    std::optional<TerminalProgressBar> m_terminalBar;
};
