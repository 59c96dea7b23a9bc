# Run by cpack on the staged package, before it is archived: every ELF file
# is stripped as Debian strips its packages, the symbols and the compiler's
# notes (.comment, .note) out; a shared object keeps what linking needs.
# With SOURCE_DATE_EPOCH set, every file and folder then carries that time,
# so that the archive does not depend on when it was built.
file(GLOB_RECURSE files LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(file IN LISTS files)
  if(IS_SYMLINK ${file})
    continue()
  endif()
  file(READ ${file} magic LIMIT 4 HEX)
  if(NOT magic STREQUAL "7f454c46")
    continue()
  endif()
  set(how --remove-section=.comment --remove-section=.note)
  if(file MATCHES "\\.so$")
    list(APPEND how --strip-unneeded)
  endif()
  execute_process(COMMAND ${CPACK_ZERDO_STRIP} ${how} ${file} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${CPACK_ZERDO_STRIP} failed on ${file}")
  endif()
endforeach()

if(DEFINED ENV{SOURCE_DATE_EPOCH})
  file(GLOB_RECURSE entries LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
  execute_process(COMMAND touch -h -d @$ENV{SOURCE_DATE_EPOCH} ${entries}
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the staged files keep their times")
  endif()
endif()
