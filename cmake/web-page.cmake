# The program as a web page (Emscripten): build-web/site/ holds the page, its
# scripts and the program, whose WebAssembly is embedded in zepiro.js, so the
# folder works as it is from file:// or any static host and asks the network
# for nothing.

# Emscripten optimises the whole program again when it links, at the level the
# build type compiles with.
string(APPEND CMAKE_EXE_LINKER_FLAGS_RELEASE " -O3")
string(APPEND CMAKE_EXE_LINKER_FLAGS_MINSIZEREL " -Os")
string(APPEND CMAKE_EXE_LINKER_FLAGS_RELWITHDEBINFO " -O2")

set(ZEPIRO_WEB_DIR ${PROJECT_SOURCE_DIR}/web)
# - Each session is a fresh instance of the module (createZepiro), started by
#   the page with its own arguments (Module.start, web/program_start.js).
# - A read waits for the page's input line through Asyncify.
target_link_options(zepiro PRIVATE
  -sMODULARIZE=1
  -sEXPORT_NAME=createZepiro
  -sINVOKE_RUN=0
  -sENVIRONMENT=web
  -sSINGLE_FILE=1
  -sFILESYSTEM=0
  -sALLOW_MEMORY_GROWTH=1
  -sASYNCIFY=1
  "-sASYNCIFY_IMPORTS=['zepiro_page_read']"
  "-sEXPORTED_FUNCTIONS=['_main','_malloc']"
  --js-library=${ZEPIRO_WEB_DIR}/page_library.js
  --post-js=${ZEPIRO_WEB_DIR}/program_start.js)
set_property(TARGET zepiro APPEND PROPERTY LINK_DEPENDS
             ${ZEPIRO_WEB_DIR}/page_library.js ${ZEPIRO_WEB_DIR}/program_start.js)

set(ZEPIRO_SITE_DIR ${PROJECT_BINARY_DIR}/site)
set(ZEPIRO_PAGE_FILES index.html page.css screen.js share_link.js session.js results.js page.js)
set(site_files ${ZEPIRO_SITE_DIR}/zepiro.js)
set(page_sources)
foreach(file IN LISTS ZEPIRO_PAGE_FILES)
  list(APPEND site_files ${ZEPIRO_SITE_DIR}/${file})
  list(APPEND page_sources ${ZEPIRO_WEB_DIR}/${file})
endforeach()
add_custom_command(
  OUTPUT ${site_files}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ZEPIRO_SITE_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:zepiro> ${page_sources} ${ZEPIRO_SITE_DIR}
  DEPENDS zepiro ${page_sources}
  COMMENT "Gathering the page in ${ZEPIRO_SITE_DIR}")
add_custom_target(site ALL DEPENDS ${site_files})
