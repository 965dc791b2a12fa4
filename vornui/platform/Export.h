#pragma once

// Everything a host may call carries VORNUI_API; the rest of the library stays hidden
// inside libvornui.so.
#define VORNUI_API __attribute__((visibility("default")))
