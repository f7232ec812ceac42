#pragma once

// What the restriction editor remembers between inputs and between visits.
struct EditorState {
  int screen = -1;  // 0 vehicle screen, 1 character screen, 2 leave; anything else asks
  int group = 0;    // first number of the last pair typed; 0 ends the visit
  int entry = 0;    // second number of the last pair typed
  int preset = -1;  // preset chosen by the current input, -1 for none
};
