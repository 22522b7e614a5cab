# Cross build for 64-bit ARM (little-endian, unsigned char) with Debian's
# g++-aarch64-linux-gnu; tests run under qemu-aarch64.
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(MORVEK_TRIPLE aarch64-linux-gnu)
set(MORVEK_QEMU_CPU aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-gnu-cross.cmake)
