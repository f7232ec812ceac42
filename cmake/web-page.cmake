# The program as a web page (Emscripten): build-web/site/ holds the page, its
# scripts and the program, zepiro.js with its WebAssembly beside it,
# zepiro.wasm, which the page fetches over http(s). A browser lets a page
# opened from the disk (file://) fetch nothing, so there the page loads
# file/zepiro.js, the same program with its WebAssembly embedded (base64).
# The folder works as it is from file:// or any static host. Over http(s) its
# service worker keeps the folder for offline use (the top of it: file/ is
# never asked for there), and its manifest lets a phone install it.

# Emscripten optimises the whole program again when it links, at the level the
# build type compiles with.
string(APPEND CMAKE_EXE_LINKER_FLAGS_RELEASE " -O3")
string(APPEND CMAKE_EXE_LINKER_FLAGS_MINSIZEREL " -Os")
string(APPEND CMAKE_EXE_LINKER_FLAGS_RELWITHDEBINFO " -O2")

set(ZEPIRO_WEB_DIR ${PROJECT_SOURCE_DIR}/web)
# The rules the page takes from the program (a character's cells, a page
# break's line ends) are exported functions; in the program itself, not the
# library, so that the linker keeps them.
target_sources(zepiro PRIVATE src/console/web/page_rules_web.cpp)
# What a read may have on its stack when it waits for the page's input line:
# Asyncify, which unwinds the stack there and rewinds it once a line comes,
# instruments just these functions. They are main, every function of the
# program handed the console or named for input (its name holds "Console" or
# "Input": the page's input buffer is one), and the members of the standard
# stream buffer and input stream through which the console's reads reach
# that buffer. Instrumenting every function an indirect call might reach
# instead makes the WebAssembly half as large again. A read that reached the
# buffer another way (a stream's >>, through the locale's facets) would need
# its functions listed: one left out runs on past the read as if it had
# returned, and the page's tests, which hold every session to the Linux
# program's output, fail.
set(ZEPIRO_READ_PATH
  "main"
  "*Console*"
  "*Input*"
  "std::__2::basic_streambuf<char, std::__2::char_traits<char> >::*"
  "std::__2::basic_istream<char, std::__2::char_traits<char> >::*")
list(JOIN ZEPIRO_READ_PATH "\n" read_path)
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/read_path.txt CONTENT "${read_path}\n")

# - Each session is a fresh instance of the module (createZepiro), started by
#   the page with its own arguments (Module.start, web/program_start.js).
# - A read waits for the page's input line through Asyncify.
# - The program's C++ exceptions are not caught in the page (Emscripten's
#   default; the compiler is not asked to catch them either): the program
#   throws only once the page has stopped its session (its input ended, its
#   output refused), and the throw, a JavaScript one, ends the instance, which
#   the page drops. Catching them would wrap every call that may throw in
#   JavaScript. A catch that the program needed to go on would not work here.
set(ZEPIRO_PROGRAM_LINK_OPTIONS
  -sMODULARIZE=1
  -sEXPORT_NAME=createZepiro
  -sINVOKE_RUN=0
  -sENVIRONMENT=web
  -sFILESYSTEM=0
  -sALLOW_MEMORY_GROWTH=1
  -sASYNCIFY=1
  "-sASYNCIFY_IMPORTS=['zepiro_page_read']"
  -sASYNCIFY_ONLY=@${PROJECT_BINARY_DIR}/read_path.txt
  "-sEXPORTED_FUNCTIONS=['_main','_malloc']"
  --js-library=${ZEPIRO_WEB_DIR}/page_library.js
  --post-js=${ZEPIRO_WEB_DIR}/program_start.js)
set(ZEPIRO_PROGRAM_LINK_DEPENDS ${ZEPIRO_WEB_DIR}/page_library.js
    ${ZEPIRO_WEB_DIR}/program_start.js ${PROJECT_BINARY_DIR}/read_path.txt)
target_link_options(zepiro PRIVATE ${ZEPIRO_PROGRAM_LINK_OPTIONS})
set_property(TARGET zepiro APPEND PROPERTY LINK_DEPENDS ${ZEPIRO_PROGRAM_LINK_DEPENDS})
# The same program in one script for file://: Emscripten embeds the
# WebAssembly as base64 and decodes it itself.
add_executable(zepiro_embedded src/app/main.cpp src/console/web/page_rules_web.cpp)
target_link_libraries(zepiro_embedded PRIVATE zepiro_core)
target_link_options(zepiro_embedded PRIVATE ${ZEPIRO_PROGRAM_LINK_OPTIONS} -sSINGLE_FILE=1)
set_property(TARGET zepiro_embedded APPEND PROPERTY LINK_DEPENDS ${ZEPIRO_PROGRAM_LINK_DEPENDS})
set_target_properties(zepiro_embedded PROPERTIES OUTPUT_NAME zepiro
                      RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/embedded)

set(ZEPIRO_SITE_DIR ${PROJECT_BINARY_DIR}/site)

# The page's tools (the bundler, and for its tests the type checker, the
# linter and the test runner) come from npm, as package-lock.json pins them.
find_program(ZEPIRO_NPM npm)
if(NOT ZEPIRO_NPM)
  message(FATAL_ERROR "The page is bundled by esbuild from npm: install Node.js and npm "
                      "(Debian: nodejs npm).")
endif()
set(ZEPIRO_NODE_MODULES ${PROJECT_SOURCE_DIR}/node_modules)
add_custom_command(
  OUTPUT ${ZEPIRO_NODE_MODULES}/.package-lock.json
  COMMAND ${ZEPIRO_NPM} ci --no-audit --no-fund
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  DEPENDS ${PROJECT_SOURCE_DIR}/package.json ${PROJECT_SOURCE_DIR}/package-lock.json
  COMMENT "Installing the page's tools from package-lock.json")

# The page's modules, bundled into one script: browsers refuse module
# scripts from file://.
file(GLOB page_modules CONFIGURE_DEPENDS ${ZEPIRO_WEB_DIR}/src/*.js)
add_custom_command(
  OUTPUT ${ZEPIRO_SITE_DIR}/page.js
  COMMAND ${ZEPIRO_NODE_MODULES}/.bin/esbuild ${ZEPIRO_WEB_DIR}/src/main.js --bundle
          --format=iife --target=es2020 --log-level=warning --outfile=${ZEPIRO_SITE_DIR}/page.js
  DEPENDS ${page_modules} ${ZEPIRO_NODE_MODULES}/.package-lock.json
  COMMENT "Bundling the page's modules into ${ZEPIRO_SITE_DIR}/page.js")

set(ZEPIRO_PAGE_FILES index.html page.css manifest.webmanifest icon.svg robots.txt)
set(site_files ${ZEPIRO_SITE_DIR}/zepiro.js ${ZEPIRO_SITE_DIR}/zepiro.wasm
               ${ZEPIRO_SITE_DIR}/file/zepiro.js)
set(page_sources)
foreach(file IN LISTS ZEPIRO_PAGE_FILES)
  list(APPEND site_files ${ZEPIRO_SITE_DIR}/${file})
  list(APPEND page_sources ${ZEPIRO_WEB_DIR}/${file})
endforeach()
add_custom_command(
  OUTPUT ${site_files}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ZEPIRO_SITE_DIR}/file
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:zepiro> $<TARGET_FILE_DIR:zepiro>/zepiro.wasm
          ${page_sources} ${ZEPIRO_SITE_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:zepiro_embedded> ${ZEPIRO_SITE_DIR}/file
  DEPENDS zepiro zepiro_embedded ${page_sources}
  COMMENT "Gathering the page in ${ZEPIRO_SITE_DIR}")
list(APPEND site_files ${ZEPIRO_SITE_DIR}/page.js)

# The icons a phone puts on its home screen, rendered from the page's own
# icon.svg at the two sizes an installable page must have.
find_program(ZEPIRO_RSVG_CONVERT rsvg-convert)
if(NOT ZEPIRO_RSVG_CONVERT)
  message(FATAL_ERROR "The page's icons are rendered by rsvg-convert (Debian: librsvg2-bin).")
endif()
foreach(size IN ITEMS 192 512)
  set(icon ${ZEPIRO_SITE_DIR}/icon-${size}.png)
  add_custom_command(
    OUTPUT ${icon}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ZEPIRO_SITE_DIR}
    COMMAND ${ZEPIRO_RSVG_CONVERT} --width=${size} --height=${size} --output=${icon}
            ${ZEPIRO_WEB_DIR}/icon.svg
    DEPENDS ${ZEPIRO_WEB_DIR}/icon.svg
    COMMENT "Rendering the page's icon at ${size} px")
  list(APPEND site_files ${icon})
endforeach()

# The service worker that keeps the site for offline use (Workbox's
# precaching), written last, as it lists every other file in the site folder
# with its SHA-256, whichever files the steps above put there.
find_program(ZEPIRO_NODE node)
add_custom_command(
  OUTPUT ${ZEPIRO_SITE_DIR}/service_worker.js
  COMMAND ${ZEPIRO_NODE} ${ZEPIRO_WEB_DIR}/write_service_worker.js ${ZEPIRO_SITE_DIR}
  DEPENDS zepiro ${site_files} ${ZEPIRO_WEB_DIR}/service_worker.js
          ${ZEPIRO_WEB_DIR}/write_service_worker.js ${ZEPIRO_NODE_MODULES}/.package-lock.json
  COMMENT "Writing the page's service worker")
add_custom_target(site ALL DEPENDS ${site_files} ${ZEPIRO_SITE_DIR}/service_worker.js)
