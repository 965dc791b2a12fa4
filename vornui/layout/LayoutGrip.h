#pragma once

// The status bar the dialog and the property sheet hosts show as a size grip.

class CStatusBar;
class CWnd;

// Makes `bar` a grip at the bottom of `host` (one empty pane, stretched without borders
// when `stretchPane`), and lays the host's control bars out. False, after telling the user
// "Error - Statusbar", when the bar cannot be made.
bool CreateGripBar(CWnd& host, CStatusBar& bar, bool stretchPane);
// Lays the host's control bars out along its edges.
void RepositionGripBar(CWnd& host);
