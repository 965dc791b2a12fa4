# Each file of SOURCES_DIR must fail to compile with exactly one error, the one that says
# why the Windows socket API cannot share a file with the system's socket headers.
file(GLOB sources "${SOURCES_DIR}/*.cpp")
if(NOT sources)
  message(FATAL_ERROR "no sources in ${SOURCES_DIR}")
endif()
foreach(source IN LISTS sources)
  execute_process(COMMAND ${COMPILER} -std=c++20 -fsyntax-only -I${INCLUDE_DIR} ${source}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  string(REGEX MATCHALL "error:" errors "${out}${err}")
  list(LENGTH errors count)
  if(rc EQUAL 0 OR NOT count EQUAL 1
     OR NOT err MATCHES "cannot share a file with the system's socket headers")
    message(FATAL_ERROR "${source}: expected one clear error, got (${rc}, ${count} errors):\n"
                        "${out}${err}")
  endif()
endforeach()
