#pragma once

#include <array>
#include <string_view>

// The characters number, pair and word reads give a meaning of their own, in
// both console encodings: the blanks that separate answers, and what a
// Japanese input method types in place of the ASCII characters a number or a
// pair is written with. Number and pair reads take each for its `meaning`; a
// name keeps the wide ones as typed and ends only at an ASCII blank.

struct TypedAlike {
  std::string_view utf8;  // the character, whose UTF-8 bytes these are
  unsigned cp932;         // its CP932 code: one byte, or lead byte * 256 + trail byte
  char meaning;           // what a read takes it for: ' ' for a blank
};

inline constexpr std::array<TypedAlike, 22> kTypedAlikes = {{
    {" ", 0x20, ' '},
    {"\t", 0x09, ' '},
    {"\n", 0x0A, ' '},  // a line end separates answers like a blank
    {"\v", 0x0B, ' '},
    {"\f", 0x0C, ' '},
    {"\r", 0x0D, ' '},
    {"０", 0x824F, '0'},
    {"１", 0x8250, '1'},
    {"２", 0x8251, '2'},
    {"３", 0x8252, '3'},
    {"４", 0x8253, '4'},
    {"５", 0x8254, '5'},
    {"６", 0x8255, '6'},
    {"７", 0x8256, '7'},
    {"８", 0x8257, '8'},
    {"９", 0x8258, '9'},
    {"＋", 0x817B, '+'},
    {"－", 0x817C, '-'},
    {"−", 0x817C, '-'},   // CP932 has no code of its own for it and writes it as "－"
    {"ー", 0x815B, '-'},  // the long vowel mark, which the minus key gives in kana input
    {"ｰ", 0xB0, '-'},     // the same in half-width kana input
    {"　", 0x8140, ' '},  // the wide blank: a blank, except inside a name
}};
