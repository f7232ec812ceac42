#pragma once

#include <string>
#include <string_view>

#include "console/encoding.h"
#include "console/platform.h"

// The conversions between the tool's UTF-8 and CP932: output on its way to a
// CP932 console, typed names on their way in from one, and the test that a
// name holds only characters CP932 can hold. Opened once, before anything is
// written, so a platform without them is found out at start.
class Cp932Codec {
 public:
  // Tries each name the platform's converter may know CP932 by (kCp932Names).
  // The converter to UTF-8 is opened only where typed bytes are CP932
  // (`typed`): UTF-8 typed at a UTF-8 console is never converted.
  explicit Cp932Codec(ConverterOpener open = openConverter, Encoding typed = Encoding::cp932);
  ~Cp932Codec();
  Cp932Codec(const Cp932Codec&) = delete;
  Cp932Codec& operator=(const Cp932Codec&) = delete;

  // True if every converter `typed` needs is open.
  [[nodiscard]] bool isOpen() const { return toCp932_ != nullptr; }

  // The system's reason when the converters could not be opened.
  [[nodiscard]] const std::string& openFailure() const { return openFailure_; }

  // UTF-8 text to CP932 bytes; false if a character has no CP932 form.
  bool toCp932(std::string_view utf8, std::string& out) const;

  // CP932 bytes to UTF-8 text; false if the bytes are not valid CP932, or
  // typed bytes are not CP932.
  bool toUtf8(std::string_view cp932, std::string& out) const;

 private:
  Converter* toCp932_ = nullptr;
  Converter* toUtf8_ = nullptr;
  std::string openFailure_;
};
