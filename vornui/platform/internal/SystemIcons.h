#pragma once

// The pictures of the system's icons (IDI_*), drawn at any size by this library.

#include "vornui/platform/internal/ArgbImage.h"

// The picture of system icon `id` at `size` pixels square; empty for an unknown id.
ArgbImage SystemIconImage(WORD id, int size);
