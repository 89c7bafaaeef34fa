# Cross-builds for 64-bit ARM with Debian's cross compiler and the :arm64
# libraries (tools/cross-test arm64 installs them); programs built for the
# target, the tests among them, run under qemu-user.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
# The loader and libc must come from one build: with -L /usr/aarch64-linux-gnu
# qemu takes the cross compiler's loader but the :arm64 package's libc, and
# the first thread started loops for ever in the mismatched pair.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64 -L /)
# The target's libraries and headers live in the host's multiarch folders.
set(CMAKE_FIND_ROOT_PATH /usr/aarch64-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/aarch64-linux-gnu/pkgconfig:/usr/share/pkgconfig)
# Debian's package tools name the architecture so.
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
# GCC notes every pair passed by value that GCC 10 laid out otherwise; all of
# the program is built by one compiler, so the old layout never meets it.
set(CMAKE_CXX_FLAGS_INIT -Wno-psabi)
