# Fails when a file of the platform includes a header of a layer above its own.
#
# The layers, lowest first; each may include only its own headers and those below it:
#   kernel     the base types, strings, files, profiles, time, memory, resources, system
#              settings
#   gdi        device contexts, GDI objects, regions, raster, text, images
#   user       window records, messages and loop, window manager, desktop, screen, input,
#              dialog manager, message boxes of the system
#   net        sockets and their notifications (posted through the message loop)
#   framework  CWnd, CDialog, CWinApp, data exchange, the framework's message boxes
#   controls   the standard controls and their framework classes
#   x11        the display on an X server (built only when its libraries are found)
#
# A file in a layer's folder belongs to that layer. A header belongs to the layer of the
# source file with its name; a header without one is named in the table below.
#
# Run with: cmake -DPLATFORM_DIR=<repo>/vornui/platform -P CheckPlatformLayers.cmake

set(layers kernel gdi user net framework controls x11)

set(header_only_kernel Export Forward WinTypes Collections GdiTypes WindowTypes WindowMessages
                       WindowStyles HandleTable InputCodes OwnerDraw ClockSteps KernelObject
                       TextPieces ThreadStore)
set(header_only_gdi GdiRecords SystemColors TemporaryWrappers IconRecords)
set(header_only_user DialogTemplate WindowRecord WindowInternals ButtonControl ComboBoxControl
                     MenuRecord ScriptedInput DisplayClipboard
                     CursorShapes EditControl ListBoxControl ScrollBarControl
                     ChooserDialogItems ChooserWindowHooks)
set(header_only_net WinSockErrors AsyncSelectHooks)
set(header_only_framework ControlBars)
set(header_only_controls CommonControls ControlFont ControlProcedure ImageListRecord ReflectedItems
                          CustomDraw GapVector ListCell ListViewData PropertySheetState TreeView)

if(NOT PLATFORM_DIR)
  message(FATAL_ERROR "PLATFORM_DIR is not set")
endif()

# The rank of every header, from the source files' folders and the table.
foreach(layer IN LISTS layers)
  list(FIND layers ${layer} rank)
  file(GLOB sources "${PLATFORM_DIR}/${layer}/*.cpp")
  foreach(source IN LISTS sources)
    get_filename_component(name "${source}" NAME_WE)
    set(rank_of_${name} ${rank})
  endforeach()
  foreach(name IN LISTS header_only_${layer})
    set(rank_of_${name} ${rank})
  endforeach()
endforeach()

set(failures "")
file(GLOB headers "${PLATFORM_DIR}/*.h" "${PLATFORM_DIR}/internal/*.h")
foreach(header IN LISTS headers)
  get_filename_component(name "${header}" NAME_WE)
  if(NOT DEFINED rank_of_${name})
    string(APPEND failures "${header}: belongs to no layer (add it to the table)\n")
  endif()
endforeach()

# Checks the platform includes of `file`, which sits in layer rank `rank`.
function(check_includes file rank)
  file(STRINGS "${file}" lines REGEX "^#include \"vornui/")
  foreach(line IN LISTS lines)
    if(NOT line MATCHES "^#include \"vornui/platform/(internal/)?([A-Za-z0-9_]+)\\.h\"")
      string(APPEND failures "${file}: includes the library above the platform: ${line}\n")
      continue()
    endif()
    set(name ${CMAKE_MATCH_2})
    if(DEFINED rank_of_${name} AND rank_of_${name} GREATER rank)
      list(GET layers ${rank_of_${name}} higher)
      list(GET layers ${rank} own)
      string(APPEND failures "${file}: ${own} includes ${name}.h of ${higher}\n")
    endif()
  endforeach()
  set(failures "${failures}" PARENT_SCOPE)
endfunction()

foreach(header IN LISTS headers)
  get_filename_component(name "${header}" NAME_WE)
  if(DEFINED rank_of_${name})
    check_includes("${header}" ${rank_of_${name}})
  endif()
endforeach()
foreach(layer IN LISTS layers)
  list(FIND layers ${layer} rank)
  file(GLOB sources "${PLATFORM_DIR}/${layer}/*.cpp")
  list(FILTER sources EXCLUDE REGEX "_test\\.cpp$")
  foreach(source IN LISTS sources)
    check_includes("${source}" ${rank})
  endforeach()
endforeach()

if(failures)
  message(NOTICE "${failures}")
  message(FATAL_ERROR "The platform's layers do not hold (above)")
endif()
message(STATUS "The platform's layers hold")
