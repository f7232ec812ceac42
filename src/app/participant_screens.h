#pragma once

#include "app/participant_table.h"
#include "console/console.h"

// Limits of each job: the draw takes up to 15 participants and 99 races, the
// tally's score sheet up to 12 participants and 1 to 9 races.
inline constexpr int kMaxTallyParticipants = 12;
inline constexpr int kMaxDrawRaces = 99;
inline constexpr int kMaxTallyRaces = 9;

// Asks the participant count, the race count and every name, under the
// draw's header and limits when `forDraw`, else under the tally's.
void enterParticipants(Console& console, ParticipantTable& table, bool forDraw);

// Writes the numbered list of participants between dashed lines.
void writeParticipantList(Console& console, const ParticipantTable& table);

// Lets one participant leave or join, shows the new list and returns the
// answer to "change done?" (0 means done).
int changeParticipants(Console& console, ParticipantTable& table);
