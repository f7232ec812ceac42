#pragma once

// What the page does for the program, written in JavaScript
// (web/page_library.js) and linked in by Emscripten.

// The streams zepiro_page_write shows, numbered as their file descriptors are.
inline constexpr int kPageStandardOutput = 1;
inline constexpr int kPageStandardError = 2;

extern "C" {

// Waits for what the user types in the page and copies up to `capacity` of its
// bytes to `bytes`; returns how many. The page's input has no end, so a read
// that returns 0 means the page has stopped this run.
int zepiro_page_read(char* bytes, int capacity);

// Shows `count` bytes of the program's standard output or standard error
// (`stream`: kPageStandardOutput or kPageStandardError) in the page; returns
// `count`, or -1 once the page takes no more from this run (it stopped or
// replaced the session), and the program's output has failed.
int zepiro_page_write(int stream, const char* bytes, int count);

// Tells the page what the next read waits for: an InputKind's number.
void zepiro_page_expect(int kind);

// 1 if the browser can give CP932 (it has a Shift_JIS decoder), else 0.
int zepiro_page_has_cp932();

// Converts `count` bytes at `in` from UTF-8 to CP932 into `out`; returns the
// number of bytes made, or -1 when a character has no CP932 form, the bytes
// are broken, or more than `capacity` bytes would be made.
int zepiro_page_convert(const char* in, int count, char* out, int capacity);
}
