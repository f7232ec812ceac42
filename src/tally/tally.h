#pragma once

#include "console/console.h"
#include "participants/participant_table.h"
#include "tally/score_sheet.h"

// The points tally: asks every participant's score in every race, sorts the
// participants by total (their names move with them) and writes the ranked
// result table behind a page break.
void runTally(Console& console, ParticipantTable& table, ScoreSheet& sheet);
