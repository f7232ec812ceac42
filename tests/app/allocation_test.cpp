// Proves that the screens allocate nothing: once the console is built, a
// whole session (entry, editor with presets, draws, change screen, tally)
// runs without a single call to operator new. Its own executable, since it
// replaces the global allocation functions.

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <sstream>
#include <string>

#include "app/dialogue.h"
#include "console/console.h"
#include "support/dialogue_runner.h"
#include "support/null_buffer.h"

namespace {

bool counting = false;
long allocations = 0;

}  // namespace

void* operator new(std::size_t size) {
  if (counting) {
    ++allocations;
  }
  void* memory = std::malloc(size == 0 ? 1 : size);
  if (memory == nullptr) {
    throw std::bad_alloc();
  }
  return memory;
}

void operator delete(void* memory) noexcept {
  std::free(memory);
}

void operator delete(void* memory, std::size_t /*size*/) noexcept {
  std::free(memory);
}

TEST(Allocation, AWholeSessionAllocatesNothingAfterTheConsoleIsBuilt) {
  std::string script = "2\n0\n15 9\n" + times(15, "名前 ") + "\n0\n7-3\n8\n4-1\n4-9\n0\n" +
                       times(20, "0\n") + "2\n3\n新人\n0\n1\n1\n4-4\n0\n" + "4\n12 9\n" +
                       times(12, "選手 ") + "\n" + times(108, "-7 ") + "\n9\n0\n0 0\n2\n5\n";
  std::istringstream in(script);
  NullBuffer sink;
  std::ostream out(&sink);
  Console console(in, out, Encoding::utf8);
  SeededGenerator generator(1);
  counting = true;
  ExitStatus status = runDialogue(console, generator);
  counting = false;
  EXPECT_EQ(status, ExitStatus::finished);
  EXPECT_EQ(allocations, 0);
}
