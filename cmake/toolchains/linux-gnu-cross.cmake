# Shared part of the Debian cross toolchain files: a GNU/Linux target whose
# compilers are ${MORVEK_TRIPLE}-gcc / -g++ (packages g++-<arch>-linux-gnu)
# and whose programs run under qemu-user (package qemu-user) with the
# target's libraries in /usr/${MORVEK_TRIPLE}.

set(CMAKE_SYSTEM_NAME Linux)

find_program(MORVEK_CROSS_CXX ${MORVEK_TRIPLE}-g++)
find_program(MORVEK_CROSS_QEMU qemu-${MORVEK_QEMU_CPU})
if(NOT MORVEK_CROSS_CXX OR NOT MORVEK_CROSS_QEMU)
  message(
    FATAL_ERROR
      "The ${CMAKE_SYSTEM_PROCESSOR} cross build needs ${MORVEK_TRIPLE}-g++ "
      "and qemu-${MORVEK_QEMU_CPU}, which this machine lacks. Install them "
      "and run the suite with: bash .ci/cross.sh ${CMAKE_SYSTEM_PROCESSOR} "
      "(or apt-get install g++-${MORVEK_TRIPLE} qemu-user).")
endif()

set(CMAKE_C_COMPILER ${MORVEK_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${MORVEK_TRIPLE}-g++)
set(CMAKE_NM ${MORVEK_TRIPLE}-nm)
set(CMAKE_READELF ${MORVEK_TRIPLE}-readelf)

set(CMAKE_FIND_ROOT_PATH /usr/${MORVEK_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Test programs (and gtest_discover_tests' listing) run under the emulator.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-${MORVEK_QEMU_CPU} -L
                                  /usr/${MORVEK_TRIPLE})
