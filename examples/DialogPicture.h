#pragma once

// The demo's sample dialog, rendered as a person would see it and written to a PNG file.

// Returns 0 when the picture was written.
int WriteDialogPicture(const char* path);

// The same dialog laid out by a pane tree at two sizes, one picture each.
int WriteLayoutPictures(const char* smallPath, const char* largePath);
