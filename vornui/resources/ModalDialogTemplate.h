#pragma once

#include "vornui/platform/DialogTemplate.h"
#include "vornui/platform/WindowStyles.h"

#include <cstddef>

// The shape every modal dialog of the library shares: a captioned pop-up with a system
// menu, in "MS Shell Dlg" 8, placed by its owner.
constexpr DialogTemplate ModalDialogTemplate(short width, short height, LPCTSTR caption,
                                             const DialogItemTemplate* items, size_t count) {
    return DialogTemplate{DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                          0,
                          0,
                          0,
                          width,
                          height,
                          caption,
                          "MS Shell Dlg",
                          8,
                          items,
                          static_cast<WORD>(count)};
}
