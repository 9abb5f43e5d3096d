# Installs the public headers, the library, a CMake package (Lumenbox::lumenbox)
# and a pkg-config file.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(DIRECTORY include/lumenbox DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(TARGETS lumenbox EXPORT LumenboxTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT LumenboxTargets NAMESPACE Lumenbox::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Lumenbox)

set(LUMENBOX_WITH_SDL_VALUE ${LUMENBOX_WITH_SDL})
configure_package_config_file(cmake/LumenboxConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/LumenboxConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Lumenbox)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/LumenboxConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/LumenboxConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/LumenboxConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Lumenbox)

if(LUMENBOX_WITH_SDL)
  set(LUMENBOX_PC_REQUIRES "fontconfig sdl2")
else()
  set(LUMENBOX_PC_REQUIRES "fontconfig")
endif()
# Recordings link giflib.
string(APPEND LUMENBOX_PC_REQUIRES " libgif")
# The pkg-config file finds the prefix from its own place, so the package can
# be installed anywhere.
file(RELATIVE_PATH LUMENBOX_PC_TO_PREFIX /root/${CMAKE_INSTALL_LIBDIR}/pkgconfig /root)
configure_file(cmake/lumenbox.pc.in ${CMAKE_CURRENT_BINARY_DIR}/lumenbox.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/lumenbox.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
