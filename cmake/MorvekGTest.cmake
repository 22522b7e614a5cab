# GoogleTest for the test suite: GTest::gtest and GTest::gtest_main.
#
# A native build with the system's standard library uses the installed
# package (libgtest-dev). A cross build, or a build against another standard
# library (clang's -stdlib=libc++), cannot link the host's prebuilt
# libgtest, so GoogleTest is compiled with the project's own toolchain and
# flags from Debian's sources (package googletest, /usr/src/googletest).

set(_morvek_gtest_from_source OFF)
if(CMAKE_CROSSCOMPILING OR CMAKE_CXX_FLAGS MATCHES "-stdlib=libc\\+\\+")
  set(_morvek_gtest_from_source ON)
endif()
option(MORVEK_GTEST_FROM_SOURCE
       "Compile GoogleTest from MORVEK_GTEST_SOURCE_DIR instead of using the installed one"
       ${_morvek_gtest_from_source})
set(MORVEK_GTEST_SOURCE_DIR
    /usr/src/googletest
    CACHE PATH "GoogleTest sources (Debian package googletest)")

if(NOT MORVEK_GTEST_FROM_SOURCE)
  find_package(GTest REQUIRED)
elseif(NOT TARGET GTest::gtest_main)
  if(NOT EXISTS ${MORVEK_GTEST_SOURCE_DIR}/CMakeLists.txt)
    message(
      FATAL_ERROR
        "GoogleTest sources not found in ${MORVEK_GTEST_SOURCE_DIR}: "
        "install Debian's googletest package or set MORVEK_GTEST_SOURCE_DIR")
  endif()
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(${MORVEK_GTEST_SOURCE_DIR}
                   ${CMAKE_BINARY_DIR}/_deps/googletest EXCLUDE_FROM_ALL)
  # Third-party code: its warnings are not the project's to fix.
  set_target_properties(gtest gtest_main PROPERTIES COMPILE_WARNING_AS_ERROR
                                                    OFF)
  # GoogleTest's own build names them GTest::gtest / GTest::gtest_main.
endif()
