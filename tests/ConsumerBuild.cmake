# The consumer program built against an installed vornui under `prefix`, once through the
# CMake package and once by hand with the flags pkg-config gives, and run each time.
# Used by the install and the Debian package checks.

function(run_step)
  execute_process(COMMAND ${ARGV} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "step failed (${rc}): ${ARGV}\n${out}\n${err}")
  endif()
  set(step_output "${out}" PARENT_SCOPE)
endfunction()

function(build_and_run_consumer prefix work_dir)
  run_step(${CMAKE_COMMAND} -S "${CONSUMER_DIR}" -B "${work_dir}/build" -G "${GENERATOR}"
           "-DCMAKE_PREFIX_PATH=${prefix}" "-DCMAKE_CXX_FLAGS=${CONSUMER_FLAGS}"
           "-DCMAKE_EXE_LINKER_FLAGS=${CONSUMER_FLAGS}")
  run_step(${CMAKE_COMMAND} --build "${work_dir}/build")
  run_step("${work_dir}/build/consumer")
  if(NOT step_output MATCHES "consumer ok")
    message(FATAL_ERROR "the consumer did not report success:\n${step_output}")
  endif()

  file(GLOB pc_dirs "${prefix}/lib/pkgconfig" "${prefix}/lib/*/pkgconfig")
  # Only the installed package: nothing of the machine's own pkg-config folders.
  set(ENV{PKG_CONFIG_LIBDIR} "${pc_dirs}")
  set(ENV{PKG_CONFIG_PATH} "")
  run_step(pkg-config --cflags --libs vornui)
  string(STRIP "${step_output}" pc_flags)
  separate_arguments(pc_flags UNIX_COMMAND "${pc_flags}")
  separate_arguments(extra_flags UNIX_COMMAND "${CONSUMER_FLAGS}")
  find_library(libdir_probe NAMES vornui PATHS "${prefix}" PATH_SUFFIXES lib lib/x86_64-linux-gnu
               NO_DEFAULT_PATH NO_CACHE)
  get_filename_component(libdir "${libdir_probe}" DIRECTORY)
  run_step(c++ ${extra_flags} "${CONSUMER_DIR}/main.cpp" ${pc_flags} "-Wl,-rpath,${libdir}"
           -o "${work_dir}/consumer_pc")
  run_step("${work_dir}/consumer_pc")
  if(NOT step_output MATCHES "consumer ok")
    message(FATAL_ERROR "the pkg-config consumer did not report success:\n${step_output}")
  endif()
endfunction()
