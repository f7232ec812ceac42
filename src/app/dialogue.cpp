#include "app/dialogue.h"

#include "app/console_job.h"
#include "app/menus.h"
#include "app/participant_screens.h"
#include "app/session.h"
#include "console/input.h"
#include "draw/draw.h"
#include "draw/restriction_editor.h"
#include "tally/tally.h"

namespace {

// One pass over the loop's blocks. Each block is guarded by `mode` and
// `phase` and sees what the blocks before it in the same pass have set.
// Returns true when the user chose to end the program.
bool runPass(Console& console, Session& s, Generator& generator) {
  if (s.mode != 0 && s.mode != 1) {
    askTitleMenu(console, s);
  }
  pageBreak(console);
  if (s.phase == 1 && s.mode != 2) {
    enterParticipants(console, s.participants, s.mode == 0);
    s.phase = 2;
    s.editor.screen = -1;
  }
  pageBreak(console);
  if (s.mode == 0 && s.phase == 2) {
    editRestrictions(console, s.editor, s.characters, s.vehicles);
    s.phase = 3;
  }
  if (s.mode == 0 && s.phase == 3) {
    drawPairings(console, s.participants, s.characters, s.vehicles, generator);
  }
  if (s.mode == 0 && s.phase != 4 && askAfterDrawMenu(console, s)) {
    return true;
  }
  pageBreak(console);
  if (s.mode == 0 && s.phase == 4) {
    s.answer = changeParticipants(console, s.participants);
    if (s.answer == 0) {
      s.phase = 3;
    }
  }
  pageBreak(console);
  if (s.mode == 1 && s.phase == 2) {
    runTally(console, s.participants, s.scores);
    s.phase = 3;
  }
  if (s.mode == 1 && s.phase == 3 && askAfterTallyMenu(console, s)) {
    return true;
  }
  if (s.mode == 2) {
    writeHistory(console);
  }
  return false;
}

}  // namespace

ExitStatus runDialogue(Console& console, Generator& generator) {
  return runOnConsole(console, [&] {
    Session session;
    ExitStatus status = ExitStatus::finished;
    try {
      while (!runPass(console, session, generator)) {
      }
    } catch (const InputEnded&) {
      // A script that ran out of answers did not finish: end on a fresh line.
      writeText(console, "\n");
      status = ExitStatus::inputEnded;
    }
    flush(console);
    return status;
  });
}
