# Writes the manual page of orva-cli from its template and the program's own help texts: the
# synopsis from `orva-cli --help`, and for each command a part with its description, arguments,
# options and exit status from `orva-cli COMMAND --help`, so the page and the program cannot
# drift apart.
# Run as: cmake -DPROGRAM=<orva-cli> -DTEMPLATE=<orva-cli.1.in> -DOUTPUT=<orva-cli.1>
#   -DPROJECT_VERSION=<x.y> -DORVA_RELEASE_DATE=<YYYY-MM-DD> -P HelpToMan.cmake

function(run_help out)
  execute_process(COMMAND ${PROGRAM} ${ARGN} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} ${ARGN} --help failed: ${status}")
  endif()
  # Lines as a list: a semicolon of the text must not split it.
  string(REPLACE ";" "\\;" help "${help}")
  string(REPLACE "\n" ";" lines "${help}")
  set(${out} "${lines}" PARENT_SCOPE)
endfunction()

# roff: a backslash is written \e, a hyphen \-, and a line may not begin with a full stop or an
# apostrophe (they start requests).
function(roff_text text out)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The part of one command: its synopsis as a subheading, the description, a tagged paragraph
# per argument and option, then its exit status.
function(command_part name out)
  run_help(lines ${name})
  set(part "")
  set(paragraph "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^Usage: orva-cli (.*)$")
      roff_text("${CMAKE_MATCH_1}" synopsis)
      string(APPEND part ".SS \"${synopsis}\"\n")
    elseif(line MATCHES "^  ([^ ]+( [^ ]+)?)  +(.*)$")
      if(NOT CMAKE_MATCH_1 STREQUAL "--help")
        roff_text("${CMAKE_MATCH_1}" term)
        roff_text("${CMAKE_MATCH_3}" help)
        string(APPEND part ".TP\n.B ${term}\n${help}\n")
      endif()
    elseif(line STREQUAL "")
      if(NOT paragraph STREQUAL "")
        string(APPEND part ".PP\n${paragraph}")
        set(paragraph "")
      endif()
    else()
      roff_text("${line}" text)
      string(APPEND paragraph "${text}\n")
    endif()
  endforeach()
  if(NOT paragraph STREQUAL "")
    string(APPEND part ".PP\n${paragraph}")
  endif()
  set(${out} "${part}" PARENT_SCOPE)
endfunction()

run_help(usage)
set(synopsis "")
set(commands "")
set(in_usage FALSE)
foreach(line IN LISTS usage)
  if(line STREQUAL "Usage:")
    set(in_usage TRUE)
  elseif(in_usage AND line MATCHES "^  orva-cli (.*)$")
    roff_text("orva-cli ${CMAKE_MATCH_1}" usage_line)
    string(APPEND synopsis "${usage_line}\n")
    # Each command's own line: its name is a word, not an option or the placeholder.
    if(CMAKE_MATCH_1 MATCHES "^([a-z][a-z-]*) ")
      command_part(${CMAKE_MATCH_1} part)
      string(APPEND commands "${part}")
    endif()
  else()
    set(in_usage FALSE)
  endif()
endforeach()

set(SYNOPSIS "${synopsis}")
set(COMMANDS "${commands}")
file(READ ${TEMPLATE} page)
string(CONFIGURE "${page}" page @ONLY)
file(WRITE ${OUTPUT} "${page}")
