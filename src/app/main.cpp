#include <span>

#include "app/program.h"
#include "console/console.h"
#include "console/platform.h"
#include "draw/generator.h"

int main(int argc, char** argv) {
  Terminal terminal = openTerminal();
  Console console(terminal.in, terminal.out, terminal.err, terminal.encoding);
  std::span<const char* const> args(argv + 1, static_cast<size_t>(argc > 0 ? argc - 1 : 0));
  return static_cast<int>(runProgram(args, console, clockSeed()));
}
