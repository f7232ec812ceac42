#pragma once

#include <streambuf>

// An output stream buffer that takes every byte and keeps none, for runs
// whose output only has to go somewhere.
class NullBuffer : public std::streambuf {
 protected:
  std::streamsize xsputn(const char* /*text*/, std::streamsize count) override { return count; }
  int overflow(int c) override { return traits_type::not_eof(c); }
};
