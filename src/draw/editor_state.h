#pragma once

// Which screen the restriction editor shows next.
enum class EditorScreen {
  ask,         // none chosen: the editor asks its first question
  vehicles,    // answer 0, or 5 on the character screen
  characters,  // answer 1, or 8 on the vehicle screen
  leave,       // answer 2, or any unlisted answer: the visit ends
};

// What the restriction editor keeps between the inputs of a visit, and the
// numbers it keeps from one visit to the next.
struct EditorState {
  EditorScreen screen = EditorScreen::ask;  // set back to ask before every visit
  int group = 0;                            // first number of the last pair typed; 0 ends the visit
  int entry = 0;  // second number of the last pair typed; a single number keeps it
};
