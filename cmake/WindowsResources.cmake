# SPDX-License-Identifier: Apache-2.0
# The Windows programs' icon and version resources.

# orva.ico, every size of the program's icon in one file: the programs, the Start-menu entry,
# the installer and the record files' type show it.
set(ORVA_ICO ${CMAKE_BINARY_DIR}/orva.ico)
set(ORVA_ICON_PNGS "")
foreach(size 16 24 32 48 64 128)
  list(APPEND ORVA_ICON_PNGS ${PROJECT_SOURCE_DIR}/resources/icon/orva_${size}.png)
endforeach()
find_program(ORVA_ICOTOOL icotool)
if(NOT ORVA_ICOTOOL)
  message(STATUS "icotool (icoutils) not found: the Windows programs are built without icon and version")
  function(orva_windows_resources)
  endfunction()
  return()
endif()
# The largest size is kept as PNG inside the icon, as Windows expects of 256 pixels.
add_custom_command(OUTPUT ${ORVA_ICO}
  COMMAND ${ORVA_ICOTOOL} --create --output=${ORVA_ICO} ${ORVA_ICON_PNGS}
          --raw=${PROJECT_SOURCE_DIR}/resources/icon/orva_256.png
  DEPENDS ${ORVA_ICON_PNGS} ${PROJECT_SOURCE_DIR}/resources/icon/orva_256.png
  COMMENT "Making orva.ico")
add_custom_target(orva-ico DEPENDS ${ORVA_ICO})

# orva_windows_resources(target description): the icon and a version resource naming the
# program, its maker and the version.
function(orva_windows_resources target description)
  set(ORVA_RC_NAME ${target})
  set(ORVA_RC_DESCRIPTION "${description}")
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/program.rc.in ${rc} @ONLY)
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${ORVA_ICO})
  target_sources(${target} PRIVATE ${rc})
  add_dependencies(${target} orva-ico)
endfunction()
