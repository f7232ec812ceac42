#include "app/dialogue.h"
#include "console/console.h"
#include "console/platform.h"
#include "draw/generator.h"

int main() {
  Terminal terminal = openTerminal();
  SeededGenerator generator(clockSeed());
  Console console(terminal.in, terminal.out, terminal.err, terminal.encoding);
  return runDialogue(console, generator);
}
