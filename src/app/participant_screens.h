#pragma once

#include "console/console.h"
#include "participants/participant_table.h"

// Asks the participant count, the race count and every name, under the
// draw's header and limits when `forDraw`, else under the tally's.
void enterParticipants(Console& console, ParticipantTable& table, bool forDraw);

// Writes the numbered list of participants between dashed lines.
void writeParticipantList(Console& console, const ParticipantTable& table);

// Lets one participant leave or join, shows the new list and asks whether
// the change is done. True for 0 ("done"); any other answer, listed or not,
// means another change, as the tool has always taken it.
bool changeParticipants(Console& console, ParticipantTable& table);
