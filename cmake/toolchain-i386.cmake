# Builds for 32-bit x86 (32-bit long, size_t and pointers) with Debian's
# i686 cross compiler. Two homes for the target's libraries:
# - the host's :i386 packages (tools/deps i386 installs them, for
#   tools/package i386);
# - with -DSORVANTA_I386_ROOT=<dir>, a Debian i386 system unpacked there
#   (tools/i386-root --unpacked makes it) whose programs are never run
#   natively: tools/cross-test i386 builds so where the kernel cannot run
#   32-bit programs, and the tests then run under qemu-i386 in that root.
# Whether an x86-64 kernel runs 32-bit programs depends on its build and
# boot options (IA32 emulation), so nothing here assumes it does.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER i686-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE i386)
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES SORVANTA_I386_ROOT)
if(NOT SORVANTA_I386_ROOT)
  set(CMAKE_FIND_ROOT_PATH /usr/i686-linux-gnu)
  set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/i386-linux-gnu/pkgconfig:/usr/share/pkgconfig)
  return()
endif()
set(root ${SORVANTA_I386_ROOT})
set(CMAKE_SYSROOT ${root})
# The compiler's own C and C++ headers first, the root's after them: the
# root's libc headers never hide the C++ library's wrappers of them.
set(headers "-idirafter ${root}/usr/include/i386-linux-gnu -idirafter ${root}/usr/include")
set(CMAKE_C_FLAGS_INIT ${headers})
set(CMAKE_CXX_FLAGS_INIT ${headers})
set(ENV{PKG_CONFIG_LIBDIR} ${root}/usr/lib/i386-linux-gnu/pkgconfig:${root}/usr/share/pkgconfig)
set(ENV{PKG_CONFIG_SYSROOT_DIR} ${root})
# The root's own loader and libraries; QEMU_CPU picks the CPU model.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-i386 -L ${root})
