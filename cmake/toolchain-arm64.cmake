# Cross-builds for 64-bit ARM with Debian's cross compiler against the arm64
# root of tools/target-root; programs built for the target, the tests among
# them, run under qemu-user.
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(SORVANTA_QEMU qemu-aarch64)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
include(${CMAKE_CURRENT_LIST_DIR}/cross-root.cmake)
