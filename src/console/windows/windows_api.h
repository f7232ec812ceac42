#pragma once

// The Windows API as the console layer uses it: without the rarely used parts
// of the headers, and without the min and max macros that clash with the
// standard library.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
