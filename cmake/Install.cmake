# Installs the public headers, the library, a CMake package (Lumenbox::lumenbox)
# and a pkg-config file, for either kind of library. Each file belongs to a
# component, which becomes a Debian package (cmake/Package.cmake): the shared
# library itself is "runtime", what building against it needs is "development".
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(DIRECTORY include/lumenbox DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT development)
install(FILES ${PROJECT_BINARY_DIR}/include/lumenbox/export.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/lumenbox COMPONENT development)
install(TARGETS lumenbox EXPORT LumenboxTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT development
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT LumenboxTargets NAMESPACE Lumenbox::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Lumenbox COMPONENT development)

set(LUMENBOX_WITH_SDL_VALUE ${LUMENBOX_WITH_SDL})
configure_package_config_file(cmake/LumenboxConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/LumenboxConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Lumenbox)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/LumenboxConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/LumenboxConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/LumenboxConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Lumenbox COMPONENT development)

# The libraries the library itself links. A program linking the static
# library links them too (pkg-config --static); the shared one has them as its
# own dependencies, so a program needs none of them.
set(LUMENBOX_PC_PRIVATE_REQUIRES "fontconfig freetype2 libpng libgif")
if(LUMENBOX_WITH_SDL)
  string(APPEND LUMENBOX_PC_PRIVATE_REQUIRES " sdl2")
endif()
if(LUMENBOX_SHARED)
  set(LUMENBOX_PC_REQUIRES_PRIVATE_LINE "")
  set(LUMENBOX_PC_LIBS_PRIVATE_LINE "")
else()
  set(LUMENBOX_PC_REQUIRES_PRIVATE_LINE "Requires.private: ${LUMENBOX_PC_PRIVATE_REQUIRES}")
  set(LUMENBOX_PC_LIBS_PRIVATE_LINE "Libs.private: -ldl")
endif()
# The pkg-config file finds the prefix from its own place, so the package can
# be installed anywhere.
file(RELATIVE_PATH LUMENBOX_PC_TO_PREFIX /root/${CMAKE_INSTALL_LIBDIR}/pkgconfig /root)
configure_file(cmake/lumenbox.pc.in ${CMAKE_CURRENT_BINARY_DIR}/lumenbox.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/lumenbox.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
  COMPONENT development)
