# Reads CHANGELOG.md, the one list of the versions: checks that its newest section is the
# version being built, and gives the release date, the metainfo's release list and the text of
# the Debian changelog. Include it after project().
#
# Sets ORVA_RELEASE_DATE (YYYY-MM-DD), ORVA_METAINFO_RELEASES (XML lines) and
# ORVA_DEBIAN_CHANGELOG (the changelog of package version ${PROJECT_VERSION}-REVISION, where the
# revision is ORVA_DEBIAN_REVISION).

set(ORVA_CHANGELOG ${PROJECT_SOURCE_DIR}/CHANGELOG.md)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ORVA_CHANGELOG})
# The file as a list of lines. A semicolon or a square bracket of the text would split or join
# list entries, so they stand in as markers until the texts are made.
file(READ ${ORVA_CHANGELOG} orva_changelog_text)
string(REPLACE ";" "@ORVA_SEMICOLON@" orva_changelog_text "${orva_changelog_text}")
string(REPLACE "[" "@ORVA_OPEN@" orva_changelog_text "${orva_changelog_text}")
string(REPLACE "]" "@ORVA_CLOSE@" orva_changelog_text "${orva_changelog_text}")
string(REPLACE "\n" ";" orva_changelog_lines "${orva_changelog_text}")

# The text with its markers back as the characters they stand for.
function(orva_unmarked text out)
  string(REPLACE "@ORVA_SEMICOLON@" ";" text "${text}")
  string(REPLACE "@ORVA_OPEN@" "[" text "${text}")
  string(REPLACE "@ORVA_CLOSE@" "]" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The day of the week of a date (0 Sunday), as an RFC 2822 date needs it: Zeller's congruence.
function(orva_weekday year month day out)
  if(month LESS 3)
    math(EXPR month "${month} + 12")
    math(EXPR year "${year} - 1")
  endif()
  math(EXPR k "${year} % 100")
  math(EXPR j "${year} / 100")
  math(EXPR h "(${day} + (13 * (${month} + 1)) / 5 + ${k} + ${k} / 4 + ${j} / 4 + 5 * ${j}) % 7")
  # Zeller counts from Saturday.
  math(EXPR weekday "(${h} + 6) % 7")
  set(${out} ${weekday} PARENT_SCOPE)
endfunction()

# One change as Debian changelog lines: "  * " and the text wrapped at 80 columns.
function(orva_debian_item text out)
  string(REGEX REPLACE "[ \t]+" " " text "${text}")
  string(REPLACE " " ";" words "${text}")
  set(result "")
  set(line "  *")
  foreach(word IN LISTS words)
    # A marker counts as the one character it stands for.
    string(REGEX REPLACE "@ORVA_[A-Z]+@" "x" measured "${line} ${word}")
    string(LENGTH "${measured}" length)
    if(length GREATER 80 AND NOT line STREQUAL "  *")
      string(APPEND result "${line}\n")
      set(line "   ")
    endif()
    string(APPEND line " ${word}")
  endforeach()
  set(${out} "${result}${line}\n" PARENT_SCOPE)
endfunction()

set(orva_weekdays Sun Mon Tue Wed Thu Fri Sat)
set(orva_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
set(orva_versions "")
set(ORVA_METAINFO_RELEASES "")
set(ORVA_DEBIAN_CHANGELOG "")
set(orva_item "")
set(orva_entry "")

# Ends the change being read, and the section with `close_section`.
macro(orva_flush_item)
  if(NOT orva_item STREQUAL "")
    orva_debian_item("${orva_item}" orva_lines)
    string(APPEND orva_entry "${orva_lines}")
    set(orva_item "")
  endif()
endmacro()
macro(orva_flush_section)
  orva_flush_item()
  if(DEFINED orva_section_version)
    string(APPEND ORVA_DEBIAN_CHANGELOG
      "orva (${orva_section_version}-${ORVA_DEBIAN_REVISION}) unstable; urgency=medium\n\n"
      "${orva_entry}\n -- ${ORVA_MAINTAINER}  ${orva_section_rfc2822}\n\n")
    set(orva_entry "")
  endif()
endmacro()

foreach(line IN LISTS orva_changelog_lines)
  if(line MATCHES "^## ([0-9]+(\\.[0-9]+)*) \\(([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])\\)$")
    orva_flush_section()
    set(orva_section_version ${CMAKE_MATCH_1})
    set(year ${CMAKE_MATCH_3})
    set(month_text ${CMAKE_MATCH_4})
    set(day_text ${CMAKE_MATCH_5})
    math(EXPR month "${month_text}")
    math(EXPR day "${day_text}")
    orva_weekday(${year} ${month} ${day} weekday)
    list(GET orva_weekdays ${weekday} weekday_name)
    math(EXPR month_index "${month} - 1")
    list(GET orva_months ${month_index} month_name)
    set(orva_section_rfc2822 "${weekday_name}, ${day_text} ${month_name} ${year} 12:00:00 +0000")
    set(orva_section_date "${year}-${month_text}-${day_text}")
    if(orva_versions STREQUAL "")
      set(ORVA_RELEASE_DATE ${orva_section_date})
    endif()
    list(APPEND orva_versions ${orva_section_version})
    string(APPEND ORVA_METAINFO_RELEASES
      "    <release version=\"${orva_section_version}\" date=\"${orva_section_date}\"/>\n")
  elseif(line MATCHES "^## ")
    orva_unmarked("${line}" line)
    message(FATAL_ERROR "CHANGELOG.md: a section is headed \"## VERSION (YYYY-MM-DD)\", not \"${line}\"")
  elseif(DEFINED orva_section_version AND line MATCHES "^- (.*)$")
    orva_flush_item()
    set(orva_item "${CMAKE_MATCH_1}")
  elseif(DEFINED orva_section_version AND line MATCHES "^  +(.*)$" AND NOT orva_item STREQUAL "")
    string(APPEND orva_item " ${CMAKE_MATCH_1}")
  endif()
endforeach()
orva_flush_section()

list(LENGTH orva_versions orva_version_count)
if(orva_version_count EQUAL 0)
  message(FATAL_ERROR "CHANGELOG.md holds no section \"## VERSION (YYYY-MM-DD)\"")
endif()
list(GET orva_versions 0 orva_newest)
if(NOT orva_newest STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "CHANGELOG.md's newest section is ${orva_newest}, but CMakeLists.txt builds "
                      "version ${PROJECT_VERSION}: add a section for ${PROJECT_VERSION}, newest first")
endif()
string(REGEX REPLACE "\n+$" "\n" ORVA_DEBIAN_CHANGELOG "${ORVA_DEBIAN_CHANGELOG}")
orva_unmarked("${ORVA_DEBIAN_CHANGELOG}" ORVA_DEBIAN_CHANGELOG)
string(REGEX REPLACE "\n$" "" ORVA_METAINFO_RELEASES "${ORVA_METAINFO_RELEASES}")
