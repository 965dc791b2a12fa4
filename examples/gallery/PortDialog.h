#pragma once

// The port settings dialog on a real display: the dialog as its template builds it, and
// beside it the same dialog laid out by the pane engine, which follows the frame when the
// person sizes it. Runs until the person has closed both (or the display goes); returns 0
// then, 1 when no display could be opened.
int ShowPortDialogs();
