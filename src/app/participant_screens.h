#pragma once

#include "console/console.h"
#include "participants/participant_table.h"

// Asks the participant count, the race count and every name, under the
// draw's header and limits when `forDraw`, else under the tally's.
void enterParticipants(Console& console, ParticipantTable& table, bool forDraw);

// Writes the numbered list of participants between dashed lines.
void writeParticipantList(Console& console, const ParticipantTable& table);

// Lets one participant leave or join, shows the new list and returns the
// answer to "change done?" (0 means done).
int changeParticipants(Console& console, ParticipantTable& table);
