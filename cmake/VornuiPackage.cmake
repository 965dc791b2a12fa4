# Debian packages, made with `cpack -G DEB` in the build folder: libvornui0 holds the shared
# library a survey program needs to run, libvornui-dev the headers, the CMake package and
# the pkg-config file needed to build one. Both install into /usr.
set(CPACK_PACKAGE_NAME vornui)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "User-interface components and support classes for marine survey programs")
set(CPACK_PACKAGE_CONTACT "vornui developers <vornui@localhost>")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL runtime dev)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://localhost/vornui")

set(vornui_runtime_package libvornui${PROJECT_VERSION_MAJOR})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME ${vornui_runtime_package})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION
    "vornui shared library\n The unit handling, data-file templates, tide series, sockets and\n dialog layout of vornui, with its headless window platform.")
# The libraries it links (C and C++ runtimes, FreeType, libpng) come from dpkg-shlibdeps;
# the dialog font is read at run time, so it is named here.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS "fonts-dejavu-core")

set(CPACK_DEBIAN_DEV_PACKAGE_NAME libvornui-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_COMPONENT_DEV_DESCRIPTION
    "vornui development files\n Headers, CMake package (find_package(vornui CONFIG)) and pkg-config\n file for building programs against vornui.")
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS "${vornui_runtime_package} (= ${PROJECT_VERSION})")

include(CPack)
