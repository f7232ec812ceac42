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
// `phase` and sees what the blocks before it in the same pass have set. The
// page breaks between the blocks are written whether a block ran or not, so
// some screens follow several of them: the tool's behaviour, kept on purpose.
// Returns true when the user chose to end the program.
bool runPass(Console& console, Session& s, Generator& generator) {
  if (s.mode != kDrawMode && s.mode != kTallyMode) {
    askTitleMenu(console, s);
  }
  pageBreak(console);
  if (s.phase == Phase::enterParticipants && s.mode != kHistoryMode) {
    enterParticipants(console, s.participants, s.mode == kDrawMode);
    s.phase = Phase::setUp;
    s.editor.screen = EditorScreen::ask;
  }
  pageBreak(console);
  if (s.mode == kDrawMode && s.phase == Phase::setUp) {
    editRestrictions(console, s.editor, s.characters, s.vehicles);
    s.phase = Phase::showResult;
  }
  if (s.mode == kDrawMode && s.phase == Phase::showResult) {
    drawPairings(console, s.participants, s.characters, s.vehicles, generator);
  }
  if (s.mode == kDrawMode && s.phase != Phase::changeParticipants && askAfterDrawMenu(console, s)) {
    return true;
  }
  pageBreak(console);
  if (s.mode == kDrawMode && s.phase == Phase::changeParticipants &&
      changeParticipants(console, s.participants)) {
    s.phase = Phase::showResult;
  }
  pageBreak(console);
  if (s.mode == kTallyMode && s.phase == Phase::setUp) {
    runTally(console, s.participants, s.scores);
    s.phase = Phase::showResult;
  }
  if (s.mode == kTallyMode && s.phase == Phase::showResult && askAfterTallyMenu(console, s)) {
    return true;
  }
  if (s.mode == kHistoryMode) {
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
