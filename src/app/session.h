#pragma once

#include "draw/editor_state.h"
#include "draw/rosters.h"
#include "participants/participant_table.h"
#include "tally/score_sheet.h"

// Everything the dialogue keeps from start to exit, in fixed-size tables
// owned by the main loop and handed to the screens by reference.
struct Session {
  int mode = -1;    // the job: 0 random draw, 1 points tally, 2 update history
  int phase = 1;    // 1 enter participants, 2 set up, 3 result shown, 4 change participants
  int answer = -1;  // the last answer to a result menu or to "change done?"
  ParticipantTable participants;
  CharacterRoster characters = startingCharacterRoster();  // with the ban flags
  VehicleRoster vehicles = startingVehicleRoster();        // with the ban flags
  EditorState editor;
  ScoreSheet scores;  // the tally's scores and totals
};
