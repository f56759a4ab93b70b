# SPDX-License-Identifier: Apache-2.0
# Cross-building the core, its tests and orva-cli for 64-bit Windows with mingw-w64; the tests
# run under Wine. Used by `make windows-test`.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
# Libraries Debian ships no mingw build of (libsodium, nlohmann-json) are put into this folder by
# scripts/build-windows-deps.sh and found there, through pkg-config too.
set(ORVA_MINGW_DEPS "" CACHE PATH "Prefix of the libraries built for Windows here")
if(ORVA_MINGW_DEPS)
  list(APPEND CMAKE_FIND_ROOT_PATH ${ORVA_MINGW_DEPS})
  set(ENV{PKG_CONFIG_LIBDIR} ${ORVA_MINGW_DEPS}/lib/pkgconfig)
  set(ENV{PKG_CONFIG_SYSROOT_DIR} "")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Self-contained programs: Wine (and a clinic's PC) need no mingw run-time libraries beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
find_program(ORVA_WINE NAMES wine wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(ORVA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ORVA_WINE})
endif()
