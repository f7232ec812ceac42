#pragma once

#include <initializer_list>
#include <span>
#include <string_view>

#include "console/console.h"
#include "console/format.h"

// The three reads: a number ("%d"), a pair of numbers ("%d-%d") and a word
// ("%s"). Each writes its prompt, sends all output, and takes tokens from the
// input stream, so "3 2" typed at one prompt answers the next one too. Input
// that does not answer the question (no number, a number beyond 32 bits or
// outside the range, a word that is too long or not text) is refused: the
// rest of that line is dropped, a notice and the prompt are written again and
// the read waits for a new answer.
//
// Every read skips blanks and line ends before its answer, and the wide blank
// "　" with them. A number ends at any of them; a number or pair also takes
// what is typed with a Japanese input method on (full-width digits, "＋",
// "－", "ー" and the like; the table is typed_alikes.h) for the ASCII character
// it stands for. A name ends only at an ASCII blank or a line end, so a wide
// blank inside or after it is kept. A UTF-8 byte order mark at the very start
// of the input is skipped.

// Thrown by a read that finds the input ended; the dialogue ends with it.
struct InputEnded {};

// Inclusive bounds on a number the question accepts.
struct NumberRange {
  int low;
  int high;
};

// Any 32-bit number.
inline constexpr NumberRange kAnyNumber{-2147483647 - 1, 2147483647};

// Asks for one number within `range`.
int askNumber(Console& console, std::string_view prompt, std::initializer_list<FormatArg> args = {},
              NumberRange range = kAnyNumber);

// Asks for "first-second". A number with no hyphen right after it sets only
// `first` and leaves the rest of the line for the next read; blanks and line
// ends may follow the hyphen.
void askPair(Console& console, int& first, int& second, std::string_view prompt);

// Asks for one word (up to the next blank or line end) and stores it, as
// UTF-8 with a closing NUL, in `slot`. The word must be text in the console's
// encoding, hold no control characters, be at most `maxWidth` CP932 bytes
// wide and fit in the slot.
void askWord(Console& console, std::span<char> slot, int maxWidth, std::string_view prompt,
             std::initializer_list<FormatArg> args = {});

// Drops what is left of the current input line, line end included.
void discardLine(Console& console);
