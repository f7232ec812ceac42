# Writes the page's service worker, SITE/service_worker.js, from TEMPLATE
# (web/service_worker.js): the worker keeps every other file in SITE, each
# with its SHA-256 as its revision, and names its cache after all of them.
#
#   cmake -DSITE=build-web/site -DTEMPLATE=web/service_worker.js -P cmake/service-worker.cmake
#
# Run once the site's files are all there: a file changed after it goes
# unnoticed by the worker.

file(GLOB names RELATIVE ${SITE} LIST_DIRECTORIES false ${SITE}/*)
list(REMOVE_ITEM names service_worker.js)
list(SORT names)
set(entries)
foreach(name IN LISTS names)
  file(SHA256 ${SITE}/${name} revision)
  list(APPEND entries "  ['${name}', '${revision}'],")
endforeach()
list(JOIN entries "\n" entries)
string(SHA256 build "${entries}")
string(SUBSTRING ${build} 0 16 build)

file(READ ${TEMPLATE} worker)
foreach(placeholder IN ITEMS "const kSiteFiles = [];" "const kBuild = '';")
  string(FIND "${worker}" "${placeholder}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "${TEMPLATE} has no line `${placeholder}` to fill in")
  endif()
endforeach()
string(REPLACE "const kSiteFiles = [];" "const kSiteFiles = [\n${entries}\n];" worker "${worker}")
string(REPLACE "const kBuild = '';" "const kBuild = '${build}';" worker "${worker}")
file(WRITE ${SITE}/service_worker.js "${worker}")
