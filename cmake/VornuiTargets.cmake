# Helpers that let every folder of the library add its code and tests without
# touching a shared list: sources and tests are found by name.

# Test files of a folder and its sub-folders become one test program named after the folder.
function(vornui_add_folder_tests folder)
  file(GLOB_RECURSE test_sources CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/vornui/${folder}/*_test.cpp")
  # The X11 display's tests need a server and a program of their own (tests/CMakeLists.txt).
  list(FILTER test_sources EXCLUDE REGEX "/platform/x11/")
  if(NOT test_sources)
    return()
  endif()
  set(target "${folder}_tests")
  add_executable(${target} ${test_sources})
  target_link_libraries(${target} PRIVATE vornui GTest::gtest GTest::gmock GTest::gtest_main
                                          vornui_test_support)
  vornui_precompile_shared_headers(${target} <gtest/gtest.h>
                                   "${PROJECT_SOURCE_DIR}/vornui/platform/DesktopUser.h"
                                   "${PROJECT_SOURCE_DIR}/vornui/platform/MessageLoop.h")
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST
                       PROPERTIES ENVIRONMENT "VORNUI_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()

# Most files of the library and of its tests spend more time reading the standard and
# framework headers than compiling their own lines; a precompiled set makes a cold build of
# the sanitizer suites about twice as fast. Off in the normal build, which then checks that
# every file includes what it uses.
set(vornui_shared_headers <algorithm> <cstring> <functional> <map> <memory> <mutex> <optional>
    <string> <string_view> <vector> "${PROJECT_SOURCE_DIR}/vornui/platform/Wnd.h")

function(vornui_precompile_shared_headers target)
  if(VORNUI_PRECOMPILE_HEADERS)
    target_precompile_headers(${target} PRIVATE ${vornui_shared_headers} ${ARGN})
  endif()
endfunction()
