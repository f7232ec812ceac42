#include <emscripten.h>

#include "console/console.h"
#include "console/cp932_width.h"

// The console's rules that the page lays its screen out by, and the version
// it names its links by, exported so that the page asks the program instead
// of keeping copies of its own.

// The cells a character takes on the screen: the width the console pads it by.
extern "C" EMSCRIPTEN_KEEPALIVE int zepiro_cell_width(unsigned codePoint) {
  return cp932Width(static_cast<char32_t>(codePoint));
}

// How many line ends in a row push the screen before them out of sight.
extern "C" EMSCRIPTEN_KEEPALIVE int zepiro_page_break_line_ends() {
  return static_cast<int>(kPageBreakLineEnds);
}

// The program's version, as --version writes it: the page shows it, and
// writes it into every link, since a seed draws the same only on one version.
extern "C" EMSCRIPTEN_KEEPALIVE const char* zepiro_version() {
  return ZEPIRO_VERSION;
}
