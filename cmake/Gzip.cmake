# orva_gzip(TARGET FILE): a target of the default build that compresses FILE (made in the build
# folder) into FILE.gz beside it, as Debian wants manual pages and changelogs: best compression,
# and no name or time in the header, so that the same input always gives the same package.
find_program(ORVA_GZIP gzip REQUIRED)
function(orva_gzip target file)
  add_custom_command(OUTPUT ${file}.gz
    COMMAND ${ORVA_GZIP} -9nkf ${file}
    DEPENDS ${file}
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${file}.gz)
endfunction()
