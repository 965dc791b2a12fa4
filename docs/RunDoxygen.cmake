# Runs Doxygen on the configured Doxyfile and reports its warnings about the library's own
# folders and the guide pages. The framework's stand-ins under vornui/platform/ follow the
# framework's documented meaning and are counted, not listed. With -DSTRICT=ON any
# reported warning fails the run (the test suite's check).
#
#   cmake -DDOXYFILE=... -DOUTPUT_DIR=... -DSOURCE_DIR=... [-DSTRICT=ON] -P RunDoxygen.cmake
file(READ "${DOXYFILE}" settings)
file(MAKE_DIRECTORY "${OUTPUT_DIR}")
set(log "${OUTPUT_DIR}/warnings.log")
file(WRITE "${OUTPUT_DIR}/Doxyfile.run"
     "${settings}\nOUTPUT_DIRECTORY = \"${OUTPUT_DIR}\"\nWARN_LOGFILE = \"${log}\"\n")
file(REMOVE "${log}")
execute_process(COMMAND ${DOXYGEN} "${OUTPUT_DIR}/Doxyfile.run" RESULT_VARIABLE rc
                ERROR_VARIABLE errors)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "doxygen failed (${rc}):\n${errors}")
endif()

set(own "")
set(platform 0)
if(EXISTS "${log}")
  file(STRINGS "${log}" warnings)
  foreach(warning IN LISTS warnings)
    if(warning MATCHES "^${SOURCE_DIR}/vornui/platform/")
      math(EXPR platform "${platform} + 1")
    elseif(warning MATCHES "^${SOURCE_DIR}/(vornui|docs)/")
      string(REPLACE "${SOURCE_DIR}/" "" warning "${warning}")
      string(APPEND own "${warning}\n")
    endif()
  endforeach()
endif()
message(STATUS "reference written to ${OUTPUT_DIR}/html/index.html")
message(STATUS "${platform} notes on the framework's stand-ins under vornui/platform/")
if(own)
  if(STRICT)
    message(FATAL_ERROR "the reference has warnings for the library:\n${own}")
  endif()
  message(WARNING "the reference has warnings for the library:\n${own}")
endif()
