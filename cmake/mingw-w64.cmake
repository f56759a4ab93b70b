# SPDX-License-Identifier: Apache-2.0
# Cross-building ORVA for 64-bit Windows with mingw-w64; the tests run under Wine. Used by
# `make windows-test` and `make windows-installer`.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-compilers.cmake)

# Libraries Debian ships no mingw build of (libsodium, nlohmann-json) are put into this folder by
# scripts/build-windows-deps.sh and found there, through pkg-config too.
set(ORVA_MINGW_DEPS "" CACHE PATH "Prefix of the libraries built for Windows here")
if(ORVA_MINGW_DEPS)
  list(APPEND CMAKE_FIND_ROOT_PATH ${ORVA_MINGW_DEPS})
  set(ENV{PKG_CONFIG_LIBDIR} ${ORVA_MINGW_DEPS}/lib/pkgconfig)
  set(ENV{PKG_CONFIG_SYSROOT_DIR} "")
endif()

# Qt for Windows, built by scripts/build-windows-qt.sh; its moc, rcc and uic are the host's.
# Without it only the core, its tests and orva-cli are built.
set(ORVA_MINGW_QT "" CACHE PATH "Prefix of Qt built for Windows here")
if(ORVA_MINGW_QT)
  list(APPEND CMAKE_FIND_ROOT_PATH ${ORVA_MINGW_QT})
  set(QT_HOST_PATH /usr CACHE PATH "Where the host's Qt tools are")
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "Where the host Qt's CMake files are")
endif()

find_program(ORVA_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
