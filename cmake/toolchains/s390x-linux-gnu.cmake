# Cross build for IBM Z (big-endian, unsigned char) with Debian's
# g++-s390x-linux-gnu; tests run under qemu-s390x.
set(CMAKE_SYSTEM_PROCESSOR s390x)
set(MORVEK_TRIPLE s390x-linux-gnu)
set(MORVEK_QEMU_CPU s390x)
include(${CMAKE_CURRENT_LIST_DIR}/linux-gnu-cross.cmake)
