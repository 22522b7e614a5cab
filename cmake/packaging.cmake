# A Debian package of the installed files (cpack -G DEB, or the "package"
# workflow preset): morvek.so, the headers, the CMake package and the
# pkg-config file, all under /usr. Its dependencies come from dpkg-shlibdeps
# (package dpkg-dev), which reads them off the shared object.
#
# Configure with -DCMAKE_INSTALL_PREFIX=/usr, as the "package" preset does:
# the library directory (lib/<multiarch> on Debian) and the choice to leave
# the rpath out of morvek.pc are made for the configured prefix.

set(CPACK_PACKAGE_NAME morvek)
set(CPACK_PACKAGE_VENDOR "morvek developers")
set(CPACK_PACKAGE_CONTACT "morvek developers <morvek@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "morvek.so gives C++ programs IString, a value class for 8-bit text with 1-based positions and a null string distinct from the empty one, and gives C and C++ programs seven helpers for NUL-terminated strings (lexcext.h). This package holds the library, its headers, a CMake package (find_package(morvek)) and a pkg-config file."
)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
