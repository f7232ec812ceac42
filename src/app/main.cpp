#include <iostream>

#include "app/dialogue.h"
#include "console/console.h"
#include "console/platform.h"
#include "draw/generator.h"

int main() {
  Encoding encoding = encodingOfTerminal();
  SeededGenerator generator(clockSeed());
  Console console(std::cin, std::cout, encoding);
  return runDialogue(console, generator);
}
