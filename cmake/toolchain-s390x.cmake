# Cross-builds for 64-bit IBM Z, big-endian, with Debian's cross compiler
# against the s390x root of tools/target-root; programs built for the
# target, the tests among them, run under qemu-user.
set(CMAKE_SYSTEM_PROCESSOR s390x)
set(CMAKE_C_COMPILER s390x-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER s390x-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE s390x-linux-gnu)
set(SORVANTA_QEMU qemu-s390x)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE s390x)
include(${CMAKE_CURRENT_LIST_DIR}/cross-root.cmake)
