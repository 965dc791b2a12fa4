# Installs the built library into a fresh prefix, checks that each installed header compiles
# alone, then configures, builds and runs a small program that knows nothing but that prefix.
include(${CMAKE_CURRENT_LIST_DIR}/ConsumerBuild.cmake)

file(REMOVE_RECURSE "${WORK_DIR}")
set(prefix "${WORK_DIR}/prefix")
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

build_and_run_consumer("${prefix}" "${WORK_DIR}")
