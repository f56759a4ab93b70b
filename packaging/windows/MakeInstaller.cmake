# SPDX-License-Identifier: Apache-2.0
# Makes the Windows installer: installs the build into STAGE, strips the programs and DLLs,
# lists the installed files for the uninstaller, and runs makensis on SCRIPT.
# cmake -DBUILD_DIR= -DSTAGE= -DSTRIP= -DMAKENSIS= -DSCRIPT= -DVERSION= -DPUBLISHER= -DICON= -DOUTPUT= -P MakeInstaller.cmake
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE} COMMAND_ERROR_IS_FATAL ANY
                OUTPUT_QUIET)

file(GLOB_RECURSE binaries ${STAGE}/*.exe ${STAGE}/*.dll)
foreach(binary IN LISTS binaries)
  execute_process(COMMAND ${STRIP} --strip-unneeded ${binary} COMMAND_ERROR_IS_FATAL ANY)
endforeach()

# The uninstaller removes exactly the files installed, and then the folders only when empty,
# so that nothing a user put into the program folder (a record file, say) is ever removed.
file(GLOB_RECURSE installed RELATIVE ${STAGE} ${STAGE}/*)
list(SORT installed)
set(remove "")
set(folders "")
set(bytes 0)
foreach(path IN LISTS installed)
  file(SIZE ${STAGE}/${path} size)
  math(EXPR bytes "${bytes} + ${size}")
  string(REPLACE "/" "\\" windows_path "${path}")
  string(APPEND remove "Delete \"$INSTDIR\\${windows_path}\"\n")
  get_filename_component(folder ${path} DIRECTORY)
  if(folder)
    list(APPEND folders ${folder})
  endif()
endforeach()
list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING)
foreach(folder IN LISTS folders)
  string(REPLACE "/" "\\" windows_folder "${folder}")
  string(APPEND remove "RMDir \"$INSTDIR\\${windows_folder}\"\n")
endforeach()
set(files_nsh ${STAGE}-files.nsh)
file(WRITE ${files_nsh} "${remove}")
math(EXPR kilobytes "(${bytes} + 1023) / 1024")

# Windows wants four numbers in a file version.
string(REPLACE "." ";" numbers "${VERSION}.0.0.0")
list(SUBLIST numbers 0 4 numbers)
list(JOIN numbers "." file_version)

execute_process(COMMAND ${MAKENSIS} -V2 -WX -NOCD -DVERSION=${VERSION} -DFILE_VERSION=${file_version} -DPUBLISHER=${PUBLISHER} -DSTAGE=${STAGE}
                        -DUNINSTALL_FILES=${files_nsh} -DICON=${ICON} -DSIZE_KB=${kilobytes} -DOUTFILE=${OUTPUT}
                        ${SCRIPT}
                COMMAND_ERROR_IS_FATAL ANY)
file(SIZE ${OUTPUT} size)
math(EXPR megabytes "${size} / 1048576")
message(STATUS "${OUTPUT}: ${megabytes} MB, installs ${kilobytes} KB")
