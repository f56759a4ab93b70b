# SPDX-License-Identifier: Apache-2.0
# The Windows build's run-time needs: the mingw-w64 compiler's own DLLs that every program of
# this build loads (the C++ library, the GCC support library, POSIX threads), and a way to run
# the programs and tests under Wine with those and Qt's DLLs found.

# ORVA_WINDOWS_RUNTIME_DLLS: the compiler's DLLs, shipped beside the programs.
set(ORVA_WINDOWS_RUNTIME_DLLS "")
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  get_filename_component(found "${found}" REALPATH)
  if(NOT EXISTS "${found}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} has no ${dll}")
  endif()
  list(APPEND ORVA_WINDOWS_RUNTIME_DLLS ${found})
endforeach()

# build/wine-run PROGRAM ARGS...: runs a Windows program under Wine, in the build's own Wine
# prefix unless WINEPREFIX names another, with the DLL folders on Wine's search path. It is the
# emulator CTest runs every Windows test program with.
if(ORVA_WINE)
  set(dll_folders "")
  foreach(dll IN LISTS ORVA_WINDOWS_RUNTIME_DLLS)
    get_filename_component(folder ${dll} DIRECTORY)
    list(APPEND dll_folders "Z:${folder}")
  endforeach()
  if(ORVA_MINGW_QT)
    list(APPEND dll_folders "Z:${ORVA_MINGW_QT}/bin")
  endif()
  list(REMOVE_DUPLICATES dll_folders)
  # Qt's offscreen platform on Windows reads fonts from one folder instead of asking Windows:
  # the build's fonts folder holds the fonts the Linux tests see (DejaVu for the windows,
  # Liberation and EB Garamond for the printed report).
  set(ORVA_TEST_FONTS ${CMAKE_BINARY_DIR}/fonts)
  file(GLOB font_files /usr/share/fonts/truetype/dejavu/*.ttf /usr/share/fonts/truetype/liberation2/*.ttf
       /usr/share/fonts/opentype/ebgaramond/*.otf)
  file(REMOVE_RECURSE ${ORVA_TEST_FONTS})
  file(MAKE_DIRECTORY ${ORVA_TEST_FONTS})
  foreach(font IN LISTS font_files)
    get_filename_component(name ${font} NAME)
    file(CREATE_LINK ${font} ${ORVA_TEST_FONTS}/${name} SYMBOLIC)
  endforeach()
  string(REPLACE "/" "\\" ORVA_TEST_FONTS_WINDOWS "Z:${ORVA_TEST_FONTS}")
  list(JOIN dll_folders ";" ORVA_WINEPATH)
  string(REPLACE "/" "\\" ORVA_WINEPATH "${ORVA_WINEPATH}")
  set(ORVA_WINE_RUN ${CMAKE_BINARY_DIR}/wine-run)
  file(CONFIGURE OUTPUT ${ORVA_WINE_RUN} CONTENT [[#!/bin/sh
# Made by cmake/WindowsRuntime.cmake.
export WINEPREFIX="${WINEPREFIX:-@CMAKE_BINARY_DIR@/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEPATH='@ORVA_WINEPATH@'
# Wine keeps the QT_ variables of Linux from Windows programs; one named WINEQT_X reaches them
# as QT_X. Qt would send its messages, and QtTest its results, to the debugger when there is
# no console.
for name in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
  export "WINE$name=$(printenv "$name")"
done
export WINEQT_FORCE_STDERR_LOGGING=1
export WINEQT_QPA_FONTDIR="${WINEQT_QPA_FONTDIR:-@ORVA_TEST_FONTS_WINDOWS@}"
exec "@ORVA_WINE@" "$@"
]] @ONLY)
  file(CHMOD ${ORVA_WINE_RUN} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
       WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ORVA_WINE_RUN})
endif()
