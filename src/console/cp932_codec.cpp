#include "console/cp932_codec.h"

Cp932Codec::Cp932Codec(ConverterOpener open, Encoding typed) {
  const bool readsCp932 = typed == Encoding::cp932;
  for (const char* name : kCp932Names) {
    clearSystemError();
    Converter* toCp932 = open(name, "UTF-8");
    Converter* toUtf8 = toCp932 != nullptr && readsCp932 ? open("UTF-8", name) : nullptr;
    if (toCp932 != nullptr && (toUtf8 != nullptr || !readsCp932)) {
      toCp932_ = toCp932;
      toUtf8_ = toUtf8;
      return;
    }
    openFailure_ = describeSystemError();
    if (toCp932 != nullptr) {
      closeConverter(toCp932);
    }
  }
}

Cp932Codec::~Cp932Codec() {
  if (toCp932_ != nullptr) {
    closeConverter(toCp932_);
  }
  if (toUtf8_ != nullptr) {
    closeConverter(toUtf8_);
  }
}

bool Cp932Codec::toCp932(std::string_view utf8, std::string& out) const {
  return toCp932_ != nullptr && convert(*toCp932_, utf8, out);
}

bool Cp932Codec::toUtf8(std::string_view cp932, std::string& out) const {
  return toUtf8_ != nullptr && convert(*toUtf8_, cp932, out);
}
