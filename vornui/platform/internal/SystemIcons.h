#pragma once

// The pictures of the system's icons (IDI_*) and of the shell's icons for files and
// folders, drawn at any size by this library.

#include "vornui/platform/internal/ArgbImage.h"

// The picture of system icon `id` at `size` pixels square; empty for an unknown id.
ArgbImage SystemIconImage(WORD id, int size);

// What the shell shows for an item, in the order of its system image list.
enum class ShellIcon { Document, Folder, Count };

// The shell's picture of `kind` at `size` pixels square; empty for a size out of range.
ArgbImage ShellIconImage(ShellIcon kind, int size);
