# Run by CPack on its staging tree before it makes a package, so the package
# holds its files as Debian's packages do. A plain `cmake --install` is not
# affected and installs the files as they are.
#
# - In a .deb the changelog (NEWS.md, installed as share/doc/zepiro/changelog)
#   is rewritten in the form Debian reads a native package's changelog in:
#   one entry per "## VERSION (YYYY-MM-DD)" heading, its "- " items as "*"
#   items in plain text (without Markdown's backticks), signed by the
#   package's maintainer.
# - Manual pages and the changelog are compressed with gzip -9n (-n leaves the
#   name and time out, so the same file always gives the same bytes).
# - A .deb carries a lintian override for the one note that does not apply to
#   the program, with the reason above it.
# - Programs lose their .comment section, the compiler's version notes, which
#   `strip` keeps and the program never uses.

# The day of a YYYY-MM-DD date in the form Debian's changelog dates take,
# "Tue, 08 Dec 2026 00:00:00 +0000".
function(zepiro_changelog_date iso out)
  if(NOT iso MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
    message(FATAL_ERROR "NEWS.md: '${iso}' is not a date written YYYY-MM-DD")
  endif()
  set(year ${CMAKE_MATCH_1})
  math(EXPR month "1${CMAKE_MATCH_2} - 100")
  set(day ${CMAKE_MATCH_3})
  # Day of the week by Sakamoto's method; 0 is a Sunday.
  set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
  math(EXPR index "${month} - 1")
  list(GET offsets ${index} offset)
  set(y ${year})
  if(month LESS 3)
    math(EXPR y "${y} - 1")
  endif()
  math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + 1${day} - 100) % 7")
  set(weekdays Sun Mon Tue Wed Thu Fri Sat)
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  list(GET weekdays ${weekday} weekday_name)
  list(GET months ${index} month_name)
  set(${out} "${weekday_name}, ${day} ${month_name} ${year} 00:00:00 +0000" PARENT_SCOPE)
endfunction()

# Appends one "*" item, its words wrapped so no line passes 80 columns.
function(zepiro_changelog_item text out)
  string(REPLACE "`" "" text "${text}")
  string(REGEX REPLACE "[ \t]+" " " text "${text}")
  string(STRIP "${text}" text)
  string(REPLACE " " ";" words "${text}")
  set(result "${${out}}")
  set(line "  *")
  foreach(word IN LISTS words)
    string(LENGTH "${line} ${word}" length)
    if(length GREATER 78 AND NOT line STREQUAL "    ")
      string(APPEND result "${line}\n")
      set(line "    ")
    endif()
    if(line STREQUAL "    ")
      string(APPEND line "${word}")
    else()
      string(APPEND line " ${word}")
    endif()
  endforeach()
  string(APPEND result "${line}\n")
  set(${out} "${result}" PARENT_SCOPE)
endfunction()

function(zepiro_debian_changelog file)
  file(READ "${file}" news)
  # List separators and brackets in the text stand in as single control
  # characters while it is a CMake list, so lines keep their lengths.
  string(ASCII 1 semicolon)
  string(ASCII 2 open)
  string(ASCII 3 close)
  string(REPLACE ";" "${semicolon}" news "${news}")
  string(REPLACE "[" "${open}" news "${news}")
  string(REPLACE "]" "${close}" news "${news}")
  string(REPLACE "\n" ";" lines "${news}")
  set(trailer " -- ${CPACK_PACKAGE_CONTACT}  ")
  set(result "")
  set(item "")
  set(date "")
  foreach(line IN LISTS lines ITEMS "## end")
    if(line MATCHES "^(## |- )" AND NOT item STREQUAL "")
      zepiro_changelog_item("${item}" result)
      set(item "")
    endif()
    if(line MATCHES "^## ")
      if(NOT date STREQUAL "")
        string(APPEND result "\n${trailer}${date}\n\n")
        set(date "")
      endif()
      if(line MATCHES "^## ([^ ]+) \\(([^)]+)\\)$")
        string(APPEND result "${CPACK_PACKAGE_NAME} (${CMAKE_MATCH_1}) unstable; urgency=medium\n\n")
        zepiro_changelog_date("${CMAKE_MATCH_2}" date)
      elseif(NOT line STREQUAL "## end")
        message(FATAL_ERROR "NEWS.md: a heading that is not '## VERSION (YYYY-MM-DD)': ${line}")
      endif()
    elseif(line MATCHES "^- (.*)$")
      set(item "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^  +(.*)$" AND NOT item STREQUAL "")
      string(APPEND item " ${CMAKE_MATCH_1}")
    endif()
  endforeach()
  string(REGEX REPLACE "\n\n$" "\n" result "${result}")
  string(REPLACE "${semicolon}" ";" result "${result}")
  string(REPLACE "${open}" "[" result "${result}")
  string(REPLACE "${close}" "]" result "${result}")
  file(WRITE "${file}" "${result}")
endfunction()

file(GLOB changelogs "${CPACK_TEMPORARY_DIRECTORY}/*/share/doc/*/changelog"
     "${CPACK_TEMPORARY_DIRECTORY}/share/doc/*/changelog")
if(CPACK_GENERATOR STREQUAL "DEB")
  foreach(changelog IN LISTS changelogs)
    zepiro_debian_changelog("${changelog}")
  endforeach()
  # lintian notes a program that calls no fortified function at all; the
  # comment lines above the override say why that is so here.
  file(WRITE
       "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/share/lintian/overrides/${CPACK_PACKAGE_NAME}"
       "# Built with -D_FORTIFY_SOURCE=2: the compiler calls a checked function only\n"
       "# where it knows a buffer's size and cannot tell that a call stays within\n"
       "# it. No call in zepiro is of that kind, so it links none.\n"
       "${CPACK_PACKAGE_NAME}: hardening-no-fortify-functions [usr/bin/zepiro]\n")
endif()

file(GLOB_RECURSE pages "${CPACK_TEMPORARY_DIRECTORY}/*.[1-9]")
list(FILTER pages INCLUDE REGEX "/man/man[1-9]/[^/]+$")
foreach(file IN LISTS pages changelogs)
  execute_process(COMMAND gzip -9nf "${file}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()

if(CPACK_ZEPIRO_OBJCOPY)
  file(GLOB programs "${CPACK_TEMPORARY_DIRECTORY}/*/bin/*" "${CPACK_TEMPORARY_DIRECTORY}/bin/*")
  foreach(program IN LISTS programs)
    execute_process(COMMAND "${CPACK_ZEPIRO_OBJCOPY}" --remove-section=.comment "${program}"
                    COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
endif()
