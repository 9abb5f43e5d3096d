# Debian packages through CPack (cpack -G DEB in the build folder), one per
# component: liblumenbox1 (the shared library), liblumenbox-dev (headers, the
# CMake package, lumenbox.pc, and the static library when that is the kind
# built) and vyr (the fire, with its manual page). Their dependencies on
# system libraries are computed by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME lumenbox)
set(CPACK_PACKAGE_VENDOR "Lumenbox")
set(CPACK_PACKAGE_CONTACT "Lumenbox maintainers <lumenbox@localhost>")
# No summary shared by all three (CPack's own default summary is the one it
# leaves out): each package's description starts with its own.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_NAME} built using CMake")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)

set(CPACK_DEB_COMPONENT_INSTALL ON)
if(LUMENBOX_SHARED)
  set(CPACK_COMPONENTS_ALL runtime development vyr)
else()
  set(CPACK_COMPONENTS_ALL development vyr)
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(lumenbox_runtime_package liblumenbox${PROJECT_VERSION_MAJOR})
set(lumenbox_exact_version "${PROJECT_VERSION}")

# The shared library, named after its SONAME's major version as Debian
# names libraries, so that two major versions can be installed side by side.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME ${lumenbox_runtime_package})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION
    "Immediate-mode palette graphics: the shared library\nOne graphics window with an off-screen palette canvas, drawn through\nplain calls that report through a status word.")
# The library opens EGL (and through it Mesa's software OpenGL) at run time,
# which dpkg-shlibdeps cannot see; without them windows open without OpenGL.
# The standard fonts are looked up through fontconfig.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_RECOMMENDS "libegl1, libegl-mesa0, libgl1-mesa-dri, fonts-liberation2")
# Tells dpkg-shlibdeps which package provides liblumenbox.so.1, for the
# packages of programs built against it.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME liblumenbox-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION
    "Immediate-mode palette graphics: development files\nHeaders, the CMake package Lumenbox::lumenbox and the pkg-config file lumenbox.pc.")
# The CMake package finds OpenGL for the programs that call it; the static
# library needs the development files of what it links.
if(LUMENBOX_SHARED)
  set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "${lumenbox_runtime_package} (= ${lumenbox_exact_version}), libopengl-dev")
else()
  set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS
      "libfontconfig-dev, libfreetype-dev, libsdl2-dev, libegl-dev, libopengl-dev, pkg-config")
endif()

set(CPACK_DEBIAN_VYR_PACKAGE_NAME vyr)
set(CPACK_DEBIAN_VYR_PACKAGE_SECTION games)
set(CPACK_COMPONENT_VYR_DESCRIPTION
    "A fire in a graphics window\nThe first program of the Lumenbox graphics library: a fire rises from a\nflickering row in a 640 x 480, 256-colour window until Escape is pressed.")
if(LUMENBOX_SHARED)
  # dpkg-shlibdeps finds the library vyr links in the build folder, but no
  # installed package that provides it: vyr's dependency on it is named here.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR})
  set(CPACK_DEBIAN_VYR_PACKAGE_DEPENDS "${lumenbox_runtime_package} (= ${lumenbox_exact_version})")
endif()

include(CPack)
