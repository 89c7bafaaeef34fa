# What every cross toolchain of ours shares, included by
# cmake/toolchain-<arch>.cmake once it has named the compilers, the
# multiarch triplet (CMAKE_LIBRARY_ARCHITECTURE), the emulator (SORVANTA_QEMU)
# and Debian's name of the architecture (CPACK_DEBIAN_PACKAGE_ARCHITECTURE).
# The target's libraries and headers are the root that tools/target-root
# unpacks, $SORVANTA_TARGET_ROOTS/<arch>-root (/var/cache/sorvanta by
# default): the sysroot, and qemu-user's -L, so that the loader and libc the
# tests run with are the root's own pair.
set(CMAKE_SYSTEM_NAME Linux)
if(DEFINED ENV{SORVANTA_TARGET_ROOTS})
  set(SORVANTA_TARGET_ROOT "$ENV{SORVANTA_TARGET_ROOTS}/${CPACK_DEBIAN_PACKAGE_ARCHITECTURE}-root")
else()
  set(SORVANTA_TARGET_ROOT "/var/cache/sorvanta/${CPACK_DEBIAN_PACKAGE_ARCHITECTURE}-root")
endif()
set(CMAKE_SYSROOT "${SORVANTA_TARGET_ROOT}")
set(CMAKE_CROSSCOMPILING_EMULATOR ${SORVANTA_QEMU} -L "${SORVANTA_TARGET_ROOT}")
set(CMAKE_FIND_ROOT_PATH "${SORVANTA_TARGET_ROOT}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(ENV{PKG_CONFIG_LIBDIR}
    "${SORVANTA_TARGET_ROOT}/usr/lib/${CMAKE_LIBRARY_ARCHITECTURE}/pkgconfig:${SORVANTA_TARGET_ROOT}/usr/share/pkgconfig")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "${SORVANTA_TARGET_ROOT}")
# dpkg-shlibdeps finds the game's libraries in the root (tools/package gives
# it the root's dpkg database).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS
    "${SORVANTA_TARGET_ROOT}/usr/lib/${CMAKE_LIBRARY_ARCHITECTURE}" "${SORVANTA_TARGET_ROOT}/lib/${CMAKE_LIBRARY_ARCHITECTURE}")
# GCC notes every pair passed by value that an older GCC laid out otherwise;
# all of the program is built by one compiler, so the old layout never meets it.
set(CMAKE_CXX_FLAGS_INIT -Wno-psabi)
