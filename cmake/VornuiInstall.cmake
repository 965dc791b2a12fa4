include(CMakePackageConfigHelpers)

# Two components, one per Debian package: "runtime" is the shared library a survey program
# needs to run, "dev" everything needed to build one.
install(TARGETS vornui EXPORT vornuiTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT dev
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/vornui/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vornui
        COMPONENT dev FILES_MATCHING PATTERN "*.h" PATTERN "*_test.h" EXCLUDE PATTERN "internal"
        EXCLUDE)
install(EXPORT vornuiTargets NAMESPACE vornui:: FILE vornuiTargets.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/vornui COMPONENT dev)

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/vornuiConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/vornuiConfig.cmake
                              INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/vornui)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/vornuiConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/vornuiConfig.cmake
              ${PROJECT_BINARY_DIR}/vornuiConfigVersion.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/vornui COMPONENT dev)

# The pkg-config file finds its prefix from its own place, so the package can be moved.
file(RELATIVE_PATH VORNUI_PC_TO_PREFIX "/prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/prefix")
configure_file(${PROJECT_SOURCE_DIR}/cmake/vornui.pc.in ${PROJECT_BINARY_DIR}/vornui.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/vornui.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
        COMPONENT dev)
