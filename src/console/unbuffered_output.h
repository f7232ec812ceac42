#pragma once

#include <streambuf>

// An output stream buffer that keeps no bytes of its own: a single byte goes
// the way of every write, through xsputn, which each platform's stream
// implements. The console gathers its output itself and writes it at once.
class UnbufferedOutput : public std::streambuf {
 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) {
      return traits_type::not_eof(c);
    }
    const char byte = traits_type::to_char_type(c);
    return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
  }
};
