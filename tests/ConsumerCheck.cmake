# Installs the built library into a fresh prefix, checks that each installed header compiles
# alone, then configures, builds and runs a small program that knows nothing but that prefix.
file(REMOVE_RECURSE "${WORK_DIR}")
set(prefix "${WORK_DIR}/prefix")

function(run_step)
  execute_process(COMMAND ${ARGV} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "step failed (${rc}): ${ARGV}\n${out}\n${err}")
  endif()
  set(step_output "${out}" PARENT_SCOPE)
endfunction()

run_step(${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}")
# Every installed header compiles alone, as the first include of a consumer's file.
set(headers_dir "${WORK_DIR}/headers")
file(GLOB_RECURSE installed_headers RELATIVE "${prefix}/include" "${prefix}/include/vornui/*.h")
set(header_sources "")
foreach(header IN LISTS installed_headers)
  string(MAKE_C_IDENTIFIER "${header}" stem)
  file(WRITE "${headers_dir}/${stem}.cpp" "#include \"${header}\"\n")
  list(APPEND header_sources "${stem}.cpp")
endforeach()
file(WRITE "${headers_dir}/CMakeLists.txt"
     "cmake_minimum_required(VERSION 3.25)\n"
     "project(vornui_headers LANGUAGES CXX)\n"
     "find_package(vornui CONFIG REQUIRED)\n"
     "add_library(headers OBJECT ${header_sources})\n"
     "target_compile_options(headers PRIVATE -Wall -Wextra -Werror)\n"
     "target_link_libraries(headers PRIVATE vornui::vornui)\n")
run_step(${CMAKE_COMMAND} -S "${headers_dir}" -B "${headers_dir}/build" -G "${GENERATOR}"
         "-DCMAKE_PREFIX_PATH=${prefix}")
run_step(${CMAKE_COMMAND} --build "${headers_dir}/build")

run_step(${CMAKE_COMMAND} -S "${CONSUMER_DIR}" -B "${WORK_DIR}/build" -G "${GENERATOR}"
         "-DCMAKE_PREFIX_PATH=${prefix}" "-DCMAKE_CXX_FLAGS=${CONSUMER_FLAGS}"
         "-DCMAKE_EXE_LINKER_FLAGS=${CONSUMER_FLAGS}")
run_step(${CMAKE_COMMAND} --build "${WORK_DIR}/build")
run_step("${WORK_DIR}/build/consumer")
if(NOT step_output MATCHES "consumer ok")
  message(FATAL_ERROR "the consumer did not report success:\n${step_output}")
endif()

# The same program built by hand with the flags pkg-config gives.
set(ENV{PKG_CONFIG_PATH} "${prefix}/lib/pkgconfig:${prefix}/lib/x86_64-linux-gnu/pkgconfig")
run_step(pkg-config --cflags --libs vornui)
string(STRIP "${step_output}" pc_flags)
separate_arguments(pc_flags UNIX_COMMAND "${pc_flags}")
separate_arguments(extra_flags UNIX_COMMAND "${CONSUMER_FLAGS}")
find_library(libdir_probe NAMES vornui PATHS "${prefix}" PATH_SUFFIXES lib lib/x86_64-linux-gnu
             NO_DEFAULT_PATH)
get_filename_component(libdir "${libdir_probe}" DIRECTORY)
run_step(c++ ${extra_flags} "${CONSUMER_DIR}/main.cpp" ${pc_flags} "-Wl,-rpath,${libdir}"
         -o "${WORK_DIR}/consumer_pc")
run_step("${WORK_DIR}/consumer_pc")
if(NOT step_output MATCHES "consumer ok")
  message(FATAL_ERROR "the pkg-config consumer did not report success:\n${step_output}")
endif()
