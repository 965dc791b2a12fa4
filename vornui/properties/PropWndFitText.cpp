// Shortening a value text to the width of its row.

#include "vornui/properties/KPropWnd.h"

namespace {

int WidthOf(CDC* dc, const CString& text) {
    return dc->GetTextExtent(text).cx;
}

} // namespace

// Shortening one step at a time (the last four characters giving way to "..." while four
// are left, then one dot after another) ends at the longest of those texts that fits.
// Widths grow with the kept prefix, so that prefix is found by halving instead of one
// measurement per step.
void KPropWnd::FitTextToWidth(CDC* dc, CString& text, int width) {
    if (width < 1) {
        text.Empty();
        return;
    }
    if (WidthOf(dc, text) <= width)
        return;
    const int length = text.GetLength();
    if (length >= 4) {
        // The prefix kept before "..." after each step: length - 4 down to 0.
        int fits = -1;
        for (int low = 0, high = length - 4; low <= high;) {
            const int middle = low + (high - low) / 2;
            if (WidthOf(dc, text.Left(middle) + "...") <= width) {
                fits = middle;
                low = middle + 1;
            } else {
                high = middle - 1;
            }
        }
        if (fits >= 0) {
            text = text.Left(fits) + "...";
            return;
        }
    }
    // Only dots are left, one fewer each step, from "..." (or from one fewer than a short
    // text's length).
    for (int dots = length >= 4 ? 2 : length - 1; dots > 0; --dots)
        if (WidthOf(dc, CString('.', dots)) <= width) {
            text = CString('.', dots);
            return;
        }
    text.Empty();
}
