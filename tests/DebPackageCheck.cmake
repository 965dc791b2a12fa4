# Makes the Debian packages of the build, checks their names and dependencies, unpacks
# them into an empty folder (as dpkg would install them under /) and builds the consumer
# program against what they hold.
include(${CMAKE_CURRENT_LIST_DIR}/ConsumerBuild.cmake)

file(REMOVE_RECURSE "${WORK_DIR}")
run_step(cpack -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${WORK_DIR}/packages")

function(package_field deb field out)
  run_step(dpkg-deb --field "${deb}" ${field})
  string(STRIP "${step_output}" value)
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

file(GLOB runtime_deb "${WORK_DIR}/packages/libvornui0_*.deb")
file(GLOB dev_deb "${WORK_DIR}/packages/libvornui-dev_*.deb")
if(NOT runtime_deb OR NOT dev_deb)
  file(GLOB made "${WORK_DIR}/packages/*.deb")
  message(FATAL_ERROR "expected libvornui0 and libvornui-dev packages, made: ${made}")
endif()

package_field("${runtime_deb}" Depends runtime_depends)
foreach(dependency libfreetype6 libpng16-16 fonts-dejavu-core libstdc\\+\\+6 libc6)
  if(NOT runtime_depends MATCHES "(^|, )${dependency}( |,|$)")
    message(FATAL_ERROR "libvornui0 does not depend on ${dependency}: ${runtime_depends}")
  endif()
endforeach()
package_field("${runtime_deb}" Version version)
package_field("${dev_deb}" Depends dev_depends)
if(NOT dev_depends STREQUAL "libvornui0 (= ${version})")
  message(FATAL_ERROR "libvornui-dev should depend on libvornui0 (= ${version}): ${dev_depends}")
endif()

set(root "${WORK_DIR}/root")
foreach(deb "${runtime_deb}" "${dev_deb}")
  run_step(dpkg -x "${deb}" "${root}")
endforeach()
foreach(file include/vornui/vornui.h ${LIBDIR}/libvornui.so
             ${LIBDIR}/cmake/vornui/vornuiConfig.cmake
             ${LIBDIR}/pkgconfig/vornui.pc)
  if(NOT EXISTS "${root}/usr/${file}")
    message(FATAL_ERROR "the packages do not install /usr/${file}")
  endif()
endforeach()
# The runtime package alone holds the library, the development package only its link.
run_step(dpkg-deb --contents "${dev_deb}")
if(step_output MATCHES "(^|\n)-[^\n]*libvornui\\.so\\.[0-9]")
  message(FATAL_ERROR "libvornui-dev holds the shared library itself:\n${step_output}")
endif()

build_and_run_consumer("${root}/usr" "${WORK_DIR}")
