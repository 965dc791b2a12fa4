# Helpers that let every folder of the library add its code and tests without
# touching a shared list: sources and tests are found by name.

# Test files of a folder and its sub-folders become one test program named after the folder.
# VORNUI_LOCKED_TESTS lists the tests that need a CTest RESOURCE_LOCK, each as
# "<folder>|<gtest filter>|<lock>".
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
  vornui_configure_test_program(${target})
  # Tests that hold what only one test at a time can have are found by their own filter and
  # get its lock; the folder's other tests are found without them.
  set(locked_filters "")
  foreach(entry IN LISTS VORNUI_LOCKED_TESTS)
    string(REPLACE "|" ";" fields "${entry}")
    list(GET fields 0 locked_folder)
    list(GET fields 1 filter)
    list(GET fields 2 lock)
    if(locked_folder STREQUAL folder)
      gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST TEST_FILTER "${filter}"
                           TEST_LIST ${target}_${lock}
                           PROPERTIES ENVIRONMENT "VORNUI_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
                                      RESOURCE_LOCK ${lock})
      list(APPEND locked_filters "${filter}")
    endif()
  endforeach()
  set(unlocked_filter "")
  if(locked_filters)
    list(JOIN locked_filters ":" joined)
    set(unlocked_filter "-${joined}")
  endif()
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST TEST_FILTER "${unlocked_filter}"
                       PROPERTIES ENVIRONMENT "VORNUI_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()

# Most files of the library and of its tests spend more time reading the standard and
# framework headers than compiling their own lines; a precompiled set makes a cold build
# about twice as fast. Off by default, so that a developer's build checks that every file
# includes what it uses; the test command turns it on.
set(vornui_shared_headers <algorithm> <cstring> <functional> <map> <memory> <mutex> <optional>
    <string> <string_view> <vector> "${PROJECT_SOURCE_DIR}/vornui/platform/Wnd.h")

function(vornui_precompile_shared_headers target)
  if(VORNUI_PRECOMPILE_HEADERS)
    target_precompile_headers(${target} PRIVATE ${vornui_shared_headers} ${ARGN})
  endif()
endfunction()

# Every test program is compiled with the same flags, so the first one precompiles the
# headers the tests share and the others reuse its set.
function(vornui_configure_test_program target)
  target_compile_options(${target} PRIVATE ${VORNUI_TEST_COMPILE_OPTIONS})
  if(NOT VORNUI_PRECOMPILE_HEADERS)
    return()
  endif()
  get_property(first GLOBAL PROPERTY vornui_first_test_program)
  if(first)
    target_precompile_headers(${target} REUSE_FROM ${first})
  else()
    set_property(GLOBAL PROPERTY vornui_first_test_program ${target})
    vornui_precompile_shared_headers(${target} <gtest/gtest.h>
                                     "${PROJECT_SOURCE_DIR}/vornui/platform/DesktopUser.h"
                                     "${PROJECT_SOURCE_DIR}/vornui/platform/MessageLoop.h")
  endif()
endfunction()
