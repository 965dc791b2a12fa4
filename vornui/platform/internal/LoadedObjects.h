#pragma once

// The shared objects the dynamic linker has loaded into the program, found by name the way
// the system's GetModuleHandle finds a loaded library by its file name.

#include <string_view>

// An address inside the loaded shared object called `name`, or null when none is. A name
// matches an object's file name whole or up to a version suffix ("libvornui.so" finds
// libvornui.so.1), in any case; a name without ".so" has it added, as the system adds
// ".dll".
const void* LoadedObjectAddress(std::string_view name);
