# Run by CPack on its staging tree before it makes a package: compresses the
# manual pages with gzip -9n as Debian's packages carry them (-n leaves the
# name and time out, so the same page always gives the same bytes). A plain
# `cmake --install` is not affected and installs the pages as they are.
file(GLOB_RECURSE pages "${CPACK_TEMPORARY_DIRECTORY}/*.[1-9]")
list(FILTER pages INCLUDE REGEX "/man/man[1-9]/[^/]+$")
foreach(page IN LISTS pages)
  execute_process(COMMAND gzip -9nf "${page}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
