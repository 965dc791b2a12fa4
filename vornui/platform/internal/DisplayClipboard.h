#pragma once

// Inside the desktop: the clipboard of a real display, shared with the other programs on it.
// The clipboard offers what it holds once it is closed after being emptied, and reads
// another program's when that program holds the display's clipboard.

#include "vornui/platform/WinTypes.h"
#include "vornui/platform/internal/ArgbImage.h"

#include <optional>
#include <string>
#include <vector>

// What the clipboard holds, in the forms other programs can take.
struct ClipboardContents {
    std::optional<std::string> text; // CF_TEXT in code page 1252, without its zero
    ArgbImage picture;               // CF_BITMAP, opaque; empty for none
};

class IDisplayClipboard {
public:
    virtual ~IDisplayClipboard() = default;
    // The program's clipboard holds `contents` from now on; other programs may take them.
    virtual void Offer(ClipboardContents contents) = 0;
    // Whether another program holds the display's clipboard now.
    virtual bool HeldElsewhere() = 0;
    // The formats (CF_TEXT, CF_BITMAP) the other program's clipboard can give.
    virtual std::vector<UINT> FormatsElsewhere() = 0;
    // The other program's text; none when it has none or does not answer in time.
    virtual std::optional<std::string> FetchText() = 0;
};

// Installs the display's clipboard (null: none, the clipboard is the process's alone).
void SetDisplayClipboard(IDisplayClipboard* clipboard);
