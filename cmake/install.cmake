# Install rules: the shared object, the public headers (in include/morvek,
# so consumers write #include <istring.hpp>), a CMake package giving
# morvek::morvek, and a pkg-config file.

include(CMakePackageConfigHelpers)

set(MORVEK_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/morvek)

install(
  TARGETS morvek
  EXPORT morvekTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime
  PUBLIC_HEADER DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/morvek
                COMPONENT development)

# The {fmt} formatter: a header-only addition for programs that use {fmt}
# (they link {fmt} themselves); morvek.so does not depend on it.
install(FILES ${PROJECT_SOURCE_DIR}/src/lex/istring_format.hpp
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/morvek
        COMPONENT development)

install(
  EXPORT morvekTargets
  NAMESPACE morvek::
  DESTINATION ${MORVEK_CMAKE_DIR}
  COMPONENT development)

configure_package_config_file(
  ${PROJECT_SOURCE_DIR}/cmake/morvekConfig.cmake.in
  ${PROJECT_BINARY_DIR}/morvekConfig.cmake
  INSTALL_DESTINATION ${MORVEK_CMAKE_DIR})
write_basic_package_version_file(
  ${PROJECT_BINARY_DIR}/morvekConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/morvekConfig.cmake
              ${PROJECT_BINARY_DIR}/morvekConfigVersion.cmake
        DESTINATION ${MORVEK_CMAKE_DIR}
        COMPONENT development)

# The file is morvek.so, which -lmorvek does not find: link it by name with
# -l:morvek.so. Outside the linker's default directories consumers also get
# an rpath, so that their programs find the library at run time.
# Paths are relative to the .pc file, so that a copy installed with
# cmake --install --prefix elsewhere still describes itself.
file(RELATIVE_PATH MORVEK_PC_TO_PREFIX
     "${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/pkgconfig"
     "${CMAKE_INSTALL_PREFIX}")
string(REGEX REPLACE "/$" "" MORVEK_PC_TO_PREFIX "${MORVEK_PC_TO_PREFIX}")
if(IS_ABSOLUTE "${CMAKE_INSTALL_LIBDIR}")
  set(MORVEK_PC_LIBDIR "${CMAKE_INSTALL_LIBDIR}")
  set(MORVEK_FULL_LIBDIR "${CMAKE_INSTALL_LIBDIR}")
else()
  set(MORVEK_PC_LIBDIR "\${prefix}/${CMAKE_INSTALL_LIBDIR}")
  set(MORVEK_FULL_LIBDIR "${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}")
endif()
if(IS_ABSOLUTE "${CMAKE_INSTALL_INCLUDEDIR}")
  set(MORVEK_PC_INCLUDEDIR "${CMAKE_INSTALL_INCLUDEDIR}/morvek")
else()
  set(MORVEK_PC_INCLUDEDIR "\${prefix}/${CMAKE_INSTALL_INCLUDEDIR}/morvek")
endif()
list(FIND CMAKE_C_IMPLICIT_LINK_DIRECTORIES "${MORVEK_FULL_LIBDIR}"
     MORVEK_LIBDIR_IS_SYSTEM)
if(MORVEK_LIBDIR_IS_SYSTEM EQUAL -1)
  set(MORVEK_PC_RPATH " -Wl,-rpath,\${libdir}")
else()
  set(MORVEK_PC_RPATH "")
endif()
configure_file(${PROJECT_SOURCE_DIR}/cmake/morvek.pc.in
               ${PROJECT_BINARY_DIR}/morvek.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/morvek.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
        COMPONENT development)
