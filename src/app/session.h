#pragma once

#include "draw/characters_and_vehicles.h"
#include "draw/editor_state.h"
#include "participants/participant_table.h"
#include "tally/score_sheet.h"

// The jobs the title menu lists, by the number typed for each. `mode` holds
// whatever number was typed there: an unlisted one is kept too, and runs the
// entry under the tally's header before the title menu is asked again (the
// tool's behaviour, kept on purpose).
inline constexpr int kDrawMode = 0;     // random character and vehicle draw
inline constexpr int kTallyMode = 1;    // points tally
inline constexpr int kHistoryMode = 2;  // update history
inline constexpr int kNoModeYet = -1;   // before the title menu is first answered

// Where the job stands; each pass of the main loop acts on it.
enum class Phase {
  enterParticipants,   // ask the counts and the names
  setUp,               // the draw's restriction editor, or the tally's scores
  showResult,          // draw (again), or show the tally's menu
  changeParticipants,  // the draw's change screen
};

// Everything the dialogue keeps from start to exit, in fixed-size tables
// owned by the main loop and handed to the screens by reference.
struct Session {
  int mode = kNoModeYet;  // the title menu's answer, listed or not
  Phase phase = Phase::enterParticipants;
  ParticipantTable participants;
  CharacterRoster characters = startingCharacterRoster();  // with the ban flags
  VehicleRoster vehicles = startingVehicleRoster();        // with the ban flags
  EditorState editor;
  ScoreSheet scores;  // the tally's scores and totals
};
