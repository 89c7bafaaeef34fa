# Cross-builds for 32-bit ARM (hard float, unsigned char) with Debian's
# cross compiler against the armhf root of tools/target-root; programs built
# for the target, the tests among them, run under qemu-user.
set(CMAKE_SYSTEM_PROCESSOR armv7l)
set(CMAKE_C_COMPILER arm-linux-gnueabihf-gcc)
set(CMAKE_CXX_COMPILER arm-linux-gnueabihf-g++)
set(CMAKE_LIBRARY_ARCHITECTURE arm-linux-gnueabihf)
set(SORVANTA_QEMU qemu-arm)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE armhf)
include(${CMAKE_CURRENT_LIST_DIR}/cross-root.cmake)
