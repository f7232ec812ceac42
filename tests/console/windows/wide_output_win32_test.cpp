#include "console/windows/wide_output_win32.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "console/windows/codepage_win32.h"

namespace {

// Keeps every piece written, as the console would show it.
struct Screen {
  std::vector<std::wstring> pieces;
  WideWriter writer() {
    return [this](std::wstring_view wide) {
      pieces.emplace_back(wide);
      return true;
    };
  }
};

}  // namespace

TEST(WideOutputBuffer, SendsWhatEachFlushGatheredAsOnePieceOfUtf16) {
  for (unsigned codePage : {kUtf8CodePage, kCp932CodePage}) {
    Screen screen;
    WideOutputBuffer buffer(screen.writer(), codePage);
    std::ostream out(&buffer);
    std::string prompt;
    std::string name;
    wideToBytes(L"□1人目の名前:", codePage, prompt);
    wideToBytes(L"ゼピロ", codePage, name);
    out << prompt;
    out.flush();
    out.write(name.data(), static_cast<std::streamsize>(name.size()));
    out.put('\n');
    EXPECT_EQ(screen.pieces.size(), 1U) << "nothing is sent before the flush";
    out.flush();
    out.flush();
    EXPECT_EQ(screen.pieces, (std::vector<std::wstring>{L"□1人目の名前:", L"ゼピロ\n"}))
        << codePage;
  }
}

TEST(WideOutputBuffer, SendsLongTextInPiecesThatKeepSurrogatePairsWhole) {
  Screen screen;
  WideOutputBuffer buffer(screen.writer(), kUtf8CodePage);
  std::ostream out(&buffer);
  out << std::string(kWidePieceLength - 1, 'a') << "😀" << std::string(kWidePieceLength, 'b');
  out.flush();
  ASSERT_EQ(screen.pieces.size(), 3U);
  EXPECT_EQ(screen.pieces[0], std::wstring(kWidePieceLength - 1, L'a'));
  EXPECT_EQ(screen.pieces[1], L"😀" + std::wstring(kWidePieceLength - 2, L'b'));
  EXPECT_EQ(screen.pieces[2], L"bb");
}

TEST(WideOutputBuffer, ReportsAWriterThatFailsAndBytesThatAreNotText) {
  WideOutputBuffer buffer([](std::wstring_view) { return false; }, kUtf8CodePage);
  std::ostream out(&buffer);
  out << "x";
  out.flush();
  EXPECT_TRUE(out.bad());

  Screen screen;
  WideOutputBuffer broken(screen.writer(), kUtf8CodePage);
  std::ostream brokenOut(&broken);
  brokenOut << "a\xFF";
  brokenOut.flush();
  EXPECT_TRUE(brokenOut.bad());
  EXPECT_TRUE(screen.pieces.empty());
}
