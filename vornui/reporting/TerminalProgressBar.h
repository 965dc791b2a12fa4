#pragma once

// A bar for a person watching a terminal: one line of the terminal, redrawn in place with
// a carriage return whenever the whole percentage changes, fitted to the terminal's width.

#include <cstdio>

class TerminalProgressBar {
public:
    // Draws on `stream`.
    explicit TerminalProgressBar(std::FILE* stream);
    ~TerminalProgressBar();
    TerminalProgressBar(const TerminalProgressBar&) = delete;
    TerminalProgressBar& operator=(const TerminalProgressBar&) = delete;

    // True when `stream` goes to a terminal that can redraw a line.
    static bool CanDrawOn(std::FILE* stream);

    // Shows `percent` (clamped to 0..100); at 100 the line is ended.
    void Show(long long percent);
    // Ends the line if one is being drawn.
    void Finish();

private:
    int Width() const;

    std::FILE* m_stream;
    int m_shown = -1; // the percentage on the line now, -1 when no line is open
};
