# The reference documentation (Doxygen HTML of the public headers, with the guide pages):
# `cmake --build build --target docs` writes build/docs/html/index.html. The public headers
# are the ones the umbrella header includes.
find_program(VORNUI_DOXYGEN doxygen)

file(STRINGS ${PROJECT_SOURCE_DIR}/vornui/vornui.h umbrella REGEX "^#include \"vornui/")
# A header added to the umbrella joins the reference at the next build.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/vornui/vornui.h)
set(VORNUI_DOCS_INPUT "${PROJECT_SOURCE_DIR}/vornui/vornui.h")
foreach(line IN LISTS umbrella)
  string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
  string(APPEND VORNUI_DOCS_INPUT " \\\n    ${PROJECT_SOURCE_DIR}/${header}")
endforeach()
string(APPEND VORNUI_DOCS_INPUT " \\\n    ${PROJECT_SOURCE_DIR}/docs")
set(VORNUI_DOCS_OUTPUT ${PROJECT_BINARY_DIR}/docs)
configure_file(${PROJECT_SOURCE_DIR}/docs/Doxyfile.in ${PROJECT_BINARY_DIR}/docs/Doxyfile @ONLY)

if(VORNUI_DOXYGEN)
  add_custom_target(docs
                    COMMAND ${CMAKE_COMMAND} -DDOXYGEN=${VORNUI_DOXYGEN}
                            -DDOXYFILE=${PROJECT_BINARY_DIR}/docs/Doxyfile
                            -DOUTPUT_DIR=${VORNUI_DOCS_OUTPUT}
                            -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
                            -P ${PROJECT_SOURCE_DIR}/docs/RunDoxygen.cmake
                    COMMENT "Writing the reference documentation" VERBATIM)
endif()

# Every public symbol of the library's own folders documented, every guide page sound.
if(VORNUI_BUILD_TESTS AND NOT VORNUI_SANITIZE)
  add_test(NAME docs.reference_documents_every_public_symbol
           COMMAND ${CMAKE_COMMAND} -DDOXYGEN=${VORNUI_DOXYGEN}
                   -DDOXYFILE=${PROJECT_BINARY_DIR}/docs/Doxyfile
                   -DOUTPUT_DIR=${PROJECT_BINARY_DIR}/docs-check
                   -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DSTRICT=ON
                   -P ${PROJECT_SOURCE_DIR}/docs/RunDoxygen.cmake)
endif()
