# Writes the manual page of orva-cli from its own --help text, so the two cannot drift apart.
# Run as: cmake -DPROGRAM=<orva-cli> -DVERSION=<x.y> -DOUTPUT=<orva-cli.1> -P HelpToMan.cmake
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help failed: ${status}")
endif()

# roff: a backslash is written \e, a hyphen \-, and a line may not begin with a full stop or an
# apostrophe (they start requests).
function(roff_text text out)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

string(REPLACE ";" "\\;" help "${help}")
string(REPLACE "\n" ";" lines "${help}")
set(synopsis "")
set(description "")
set(in_usage FALSE)
foreach(line IN LISTS lines)
  if(line STREQUAL "Usage:")
    set(in_usage TRUE)
    continue()
  endif()
  if(in_usage AND line MATCHES "^  (.*)$")
    roff_text("${CMAKE_MATCH_1}" usage_line)
    string(APPEND synopsis "${usage_line}\n.br\n")
    continue()
  endif()
  set(in_usage FALSE)
  if(line STREQUAL "")
    string(APPEND description ".PP\n")
  else()
    roff_text("${line}" text_line)
    string(APPEND description "${text_line}\n")
  endif()
endforeach()
string(REGEX REPLACE "^(\\.PP\n)+" "" description "${description}")

file(WRITE ${OUTPUT} ".TH ORVA\\-CLI 1 \"\" \"ORVA ${VERSION}\" \"User Commands\"
.SH NAME
orva\\-cli \\- work on ORVA record files from the command line
.SH SYNOPSIS
.nf
${synopsis}.fi
.SH DESCRIPTION
${description}.SH SEE ALSO
The README and admin.md of ORVA, installed with the package.
")
