# Run by CPack on each package's staged files before it packs them: gzips the manual pages as Debian
# keeps them. -n leaves the name and time out of the gzip header, so the same page packs to the same bytes.
file(GLOB_RECURSE pages LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*")
list(FILTER pages INCLUDE REGEX "/man/man[1-9]/[^/]+\\.[1-9]$")
if(NOT pages)
  message(FATAL_ERROR "no manual page among the files staged in ${CPACK_TEMPORARY_DIRECTORY}")
endif()
foreach(page IN LISTS pages)
  execute_process(COMMAND gzip -9nf "${page}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip failed (${status}) on ${page}")
  endif()
endforeach()
