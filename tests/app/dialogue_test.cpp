#include "app/dialogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <sstream>
#include <utility>
#include <vector>

#include "app/program.h"
#include "console/console.h"
#include "draw/editor_screen.h"
#include "support/bans.h"
#include "support/dialogue_runner.h"
#include "support/expected_screens.h"
#include "support/pairing_lines.h"

namespace {

const std::string PB = kPageBreak;
const std::string kCounts = "\n" + kPeoplePrompt + kRacesPrompt + "\n";
const std::string kDrawEntry = kDrawHeader + kCounts;
const std::string kTallyEntry = kTallyHeader + kCounts;
// The restriction editor's first question, answered 2 (no bans changed).
const std::string kEditorLeft = kEditorQuestion + PB + PB;

// The name prompts for participants 1 to `count`.
std::string namePrompts(int count) {
  std::string prompts;
  for (int i = 1; i <= count; ++i) {
    prompts += namePrompt(i);
  }
  return prompts;
}

// The score questions of the tally for `names` over `races` races.
std::string scoreQuestions(std::initializer_list<const char*> names, int races) {
  std::string questions;
  for (const char* name : names) {
    for (int r = 1; r <= races; ++r) {
      questions += scoreQuestion(name, r);
    }
  }
  return questions;
}

// The tally's result screen around the given result lines.
std::string results(const std::string& lines) {
  return PB + kResultsHead + lines + kResultsTail;
}

// The draw as the default generator, which always answers 0, makes it: the
// first light character on the first light kart while karts are owed, then on
// the first light bike.
std::string zeroDraw(std::initializer_list<const char*> names, int races) {
  std::string text = kDrawOpen;
  for (const char* name : names) {
    if (races == 1) {
      text += std::string(" ") + name + ":  チビポロンタ / ベーシック・マシーンS\n";
      continue;
    }
    text += std::string(name) + ":\n";
    for (int r = 1; r <= races; ++r) {
      text += std::to_string(r) + ":  チビポロンタ / " +
              (r <= (races + 1) / 2 ? "ベーシック・マシーンS\n" : "ベーシック・ライダーS\n");
    }
  }
  return text + kDrawClose;
}

// Runs `script` as typed in UTF-8 and, converted, in CP932: expects the CP932
// run to write the CP932 form of the same screens and both to finish.
// Returns the UTF-8 run.
Transcript expectTheSameInCp932(const std::string& script) {
  Transcript utf8 = runScript(script);
  Transcript cp932 = runScript(toCp932(script), Encoding::cp932);
  EXPECT_EQ(cp932.output, toCp932(utf8.output));
  EXPECT_EQ(cp932.status, ExitStatus::finished);
  EXPECT_EQ(utf8.status, ExitStatus::finished);
  return utf8;
}

// A platform that cannot open a converter between UTF-8 and CP932.
Converter* openNoConverter(const char* /*to*/, const char* /*from*/) {
  errno = EINVAL;
  return nullptr;
}

}  // namespace

TEST(Dialogue, HistoryIsFollowedDirectlyByTheTitleMenu) {
  Transcript t = runScript("2\n2\n");
  EXPECT_EQ(t.output,
            kTitle + times(4, PB) + kHistory + kTitle + times(4, PB) + kHistory + kTitle + "\n");
  EXPECT_EQ(t.status, ExitStatus::inputEnded);  // the input ran out
}

TEST(Dialogue, AfterDrawRepeatAnswersComeBackToTheMenu) {
  // 0 and an unlisted 9 draw again; 1 opens the editor at its question first.
  Transcript t = runScript("0\n1 1\nA\n2\n0\n9\n1\n2\n5\n");
  std::string draw = zeroDraw({"A"}, 1) + kAfterDraw;
  EXPECT_EQ(t.output, kTitle + PB + kDrawEntry + namePrompts(1) + PB + kEditorLeft + draw +
                          times(2, times(4, PB) + draw) + times(4, PB) + kEditorLeft + draw);
  EXPECT_EQ(t.status, ExitStatus::finished);
}

TEST(Dialogue, SwitchingJobsStartsANewEntryEachTime) {
  Transcript t = runScript(
      "0\n1 1\nA\n2\n3\n1 2\nB\n2\n4\n1 1\nC\n5\n7\n1\n1 1\nD\n6\n0\n0 0\n2\n4\n0 1\n2\n");
  std::string drawEntry = kDrawEntry + namePrompts(1) + PB + kEditorLeft;
  std::string tallyC = kTallyEntry + namePrompts(1) + times(3, PB) + scoreQuestions({"C"}, 1) +
                       results(" 1st　[ 5]   5pts　C\n") + kAfterTally;
  std::string tallyD = kTallyEntry + namePrompts(1) + times(3, PB) + scoreQuestions({"D"}, 1) +
                       results(" 1st　[ 6]   6pts　D\n") + kAfterTally;
  std::string expected = kTitle + PB + drawEntry + zeroDraw({"A"}, 1) + kAfterDraw;
  expected += times(3, PB) + drawEntry + zeroDraw({"B"}, 2) + kAfterDraw;  // 3: start over
  expected += times(3, PB) + tallyC;                                       // 4: to the tally
  expected += times(4, PB) + kAfterTally;                                  // 7: only the menu again
  expected += PB + tallyD;                                                 // 1: a new tally
  expected += PB + kDrawEntry + PB + kEditorLeft + zeroDraw({}, 0) + kAfterDraw;  // 0: nobody
  expected += times(3, PB) + kTallyEntry + times(3, PB) + results("") + kAfterTally;
  EXPECT_EQ(t.output, expected);
  EXPECT_EQ(t.status, ExitStatus::finished);
}

TEST(Dialogue, DrawAgainGivesFreshPairingsAndAChangeIsDrawnNext) {
  // Three attempts in turn: a heavy kart or bike, a medium and a light one.
  ReplayGenerator generator({2, 0, 7, 5, 1, 3, 4, 0, 0, 1, 2, 3});
  Transcript t = runScript("0\n2 2\nA B\n2\n0\n2\n3\nC\n0\n5\n", generator);
  const std::string heavyKart = ":  クロゴルバ / ジョーカー\n";
  const std::string mediumBike = ":  ドラッピ / ベーシック・ライダーM\n";
  const std::string lightBike = ":  チビミルフィ / ホワイトヘロン\n";
  const std::string lightKart = ":  チビミルフィ / スイスイフロート\n";
  std::string expected = kTitle + PB + kDrawEntry + namePrompts(2) + PB + kEditorLeft;
  expected += kDrawOpen + "A:\n1" + heavyKart + "2" + mediumBike + "B:\n1" + lightBike + "2" +
              heavyKart + kDrawClose + kAfterDraw;
  expected += times(4, PB);  // 0: the same again, with the next numbers
  expected += kDrawOpen + "A:\n1" + mediumBike + "2" + lightKart + "B:\n1" + heavyKart + "2" +
              mediumBike + kDrawClose + kAfterDraw;
  expected += PB + participantList({"A", "B"}) + leaveQuestion(3) + kJoinPrompt + PB +
              participantList({"A", "B", "C"}) + kDone + "\n" + times(3, PB);
  expected += kDrawOpen + "A:\n1" + lightBike + "2" + heavyKart + "B:\n1" + mediumBike + "2" +
              lightKart + "C:\n1" + heavyKart + "2" + mediumBike + kDrawClose + kAfterDraw;
  EXPECT_EQ(t.output, expected);
  EXPECT_EQ(t.status, ExitStatus::finished);
  EXPECT_EQ(generator.used(), 56u);  // 14 races, 4 numbers each
}

TEST(Dialogue, TitleNumberOutsideTheMenuStillEntersParticipants) {
  // 7 runs the entry under the tally header, then the title menu comes back and
  // the job chosen there starts after the entry.
  Transcript t = runScript("7\n1 1\nA\n1\n4\n2\n");
  EXPECT_EQ(t.output, kTitle + PB + kTallyEntry + namePrompts(1) + times(3, PB) + kTitle +
                          times(4, PB) + scoreQuestions({"A"}, 1) +
                          results(" 1st　[ 4]   4pts　A\n") + kAfterTally);
  EXPECT_EQ(t.status, ExitStatus::finished);
}

TEST(Dialogue, ChangeScreenLetsParticipantsLeaveAndJoin) {
  Transcript t = runScript("0\n3 1\nA B C\n2\n2\n2\n1\n3\nD\n0\n5\n");
  EXPECT_EQ(t.output, kTitle + PB + kDrawEntry + namePrompts(3) + PB + kEditorLeft +
                          zeroDraw({"A", "B", "C"}, 1) + kAfterDraw + PB +
                          participantList({"A", "B", "C"}) + leaveQuestion(4) + PB +
                          participantList({"A", "C"}) + kDone + "\n" +
                          // 1: the change screen again on the next pass
                          times(4, PB) + participantList({"A", "C"}) + leaveQuestion(3) +
                          kJoinPrompt + PB + participantList({"A", "C", "D"}) + kDone + "\n" +
                          times(3, PB) + zeroDraw({"A", "C", "D"}, 1) + kAfterDraw);
  EXPECT_EQ(t.status, ExitStatus::finished);
}

TEST(Dialogue, CountsAndNamesOutsideTheJobsLimitsAreAskedAgain) {
  // A name takes five full-width characters and one ASCII one, not six.
  Transcript t = runScript("1\n13\n2 0\n10\n9\nＡＢＣＤＥＦ\nＡＢＣＤＥa B\n" + times(9, "1 ") +
                           times(9, "2 ") + "\n2\n");
  const std::string& people = kPeoplePrompt;
  const std::string& races = kRacesPrompt;
  EXPECT_EQ(t.output, kTitle + PB + kTallyHeader + "\n" + people + outOfRange(0, 12) + people +
                          races + outOfRange(1, 9) + races + outOfRange(1, 9) + races + "\n" +
                          namePrompt(1) + kNameTooLong + namePrompts(2) + times(3, PB) +
                          scoreQuestions({"ＡＢＣＤＥa", "B"}, 9) +
                          results(" 1st　[ 2+ 2+ 2+ 2+ 2+ 2+ 2+ 2+ 2]  18pts　B\n"
                                  " 2nd　[ 1+ 1+ 1+ 1+ 1+ 1+ 1+ 1+ 1]   9pts　ＡＢＣＤＥa\n") +
                          kAfterTally);

  Transcript draw = runScript("0\n16\n15 100\n0\n" + times(15, "x ") + "\n2\n5\n");
  EXPECT_NE(draw.output.find(outOfRange(0, 15) + kPeoplePrompt), std::string::npos);
  EXPECT_NE(draw.output.find(outOfRange(0, 99) + kRacesPrompt), std::string::npos);
  EXPECT_EQ(draw.status, ExitStatus::finished);
}

TEST(Dialogue, ChangeScreenRefusesNumbersOutsideTheListAndAJoinBeyondFifteen) {
  Transcript t = runScript("0\n15 1\n" + times(15, "x ") + "\n2\n2\n0\n16 9\n17\n1\n0\n5\n");
  std::string question = leaveQuestion(16);
  EXPECT_NE(t.output.find(question + outOfRange(1, 16) + question + "□参加者は15人までです\n" +
                          question + outOfRange(1, 16) + question + PB),
            std::string::npos);
  EXPECT_NE(t.output.find("14人目 x\n-------------------\n\n" + kDone), std::string::npos);
  EXPECT_EQ(t.status, ExitStatus::finished);
}

TEST(Dialogue, Cp932ModeWritesTheCp932FormOfEveryScreen) {
  const std::string script =
      "2\n0\n3 1\nゼピロ ﾐｻｲﾙ 名　前\n2\n2\n1\n0\n4\n3 2\nＡＢＣＤＥＦ\nゼピロ ﾐｻｲﾙ 名　前\n"
      "-3 x\n5\n2000000000 2000000000\n1 1\n7\n2\n";
  Transcript utf8 = expectTheSameInCp932(script);
  EXPECT_NE(utf8.output.find(participantList({"ﾐｻｲﾙ", "名　前"})), std::string::npos);
  EXPECT_NE(utf8.output.find(namePrompt(1) + kNameTooLong + namePrompt(1)), std::string::npos);
  // "x" is refused and its line dropped, so ゼピロ's scores are -3 and 5.
  EXPECT_NE(utf8.output.find(results(" 1st　[2000000000+2000000000] 4000000000pts　ﾐｻｲﾙ\n"
                                     " 2nd　[-3+ 5]   2pts　ゼピロ\n"
                                     " 2nd　[ 1+ 1]   2pts　名　前\n") +
                             kAfterTally + times(4, PB) + kAfterTally),
            std::string::npos);
}

TEST(Dialogue, EndOfInputEndsWithStatusOneOnAFreshLine) {
  for (const char* script : {"", "  \n\t\n", "0\n", "0\n2 2\nA", "0\n1 1\nA\n2\n2\n",
                             "0\n1 1\nA\n0\n", "1\n1 1\nA\n9\n"}) {
    Transcript t = runScript(script);
    EXPECT_EQ(t.status, ExitStatus::inputEnded) << script;
    EXPECT_EQ(t.output.back(), '\n') << script;
  }
  // Refused input at the end does not loop: it ends too.
  EXPECT_EQ(runScript("0\nx").output,
            kTitle + PB + kDrawHeader + "\n" + kPeoplePrompt + kNotNumber + kPeoplePrompt + "\n");
  EXPECT_EQ(runScript("0\n1 1\n\x01").status, ExitStatus::inputEnded);
}

namespace {

// Output that takes `room` bytes and then fails, as a full disk or a reader
// that went away does. It notes how much input had been read by then.
class FailingOutput : public std::streambuf {
 public:
  FailingOutput(size_t room, std::istream& in) : room_(room), in_(in) {}
  std::streamoff readAtFailure = -1;

 protected:
  std::streamsize xsputn(const char* /*bytes*/, std::streamsize count) override {
    auto taken = std::min(static_cast<size_t>(count), room_);
    room_ -= taken;
    if (taken < static_cast<size_t>(count) && readAtFailure < 0) {
      readAtFailure = in_.rdbuf()->pubseekoff(0, std::ios::cur, std::ios::in);
    }
    return static_cast<std::streamsize>(taken);
  }
  int_type overflow(int_type c) override {
    char byte = traits_type::to_char_type(c);
    return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
  }

 private:
  size_t room_;
  std::istream& in_;
};

}  // namespace

TEST(Dialogue, OutputThatCannotBeWrittenEndsWithStatusTwoAndReadsNoMore) {
  const std::string script = "2\n0\n15 9\n" + times(15, "ゼピロ ") + "\n2\n" + times(20, "0\n") +
                             "4\n2 1\nA B\n10\n20\n2\n";
  for (Encoding encoding : {Encoding::utf8, Encoding::cp932}) {
    for (size_t room : {0, 1, 700, 5000, 70000, 100000}) {
      std::istringstream in(encoding == Encoding::cp932 ? toCp932(script) : script);
      FailingOutput sink(room, in);
      std::ostream out(&sink);
      std::ostringstream err;
      Console console(in, out, err, encoding);
      ReplayGenerator generator({0});
      EXPECT_EQ(runDialogue(console, generator), ExitStatus::cannotWork) << room;
      ASSERT_GE(sink.readAtFailure, 0) << room;
      EXPECT_EQ(in.rdbuf()->pubseekoff(0, std::ios::cur, std::ios::in), sink.readAtFailure)
          << "input read after the failure, room " << room;
      std::string expected = kOutputFailed;
      if (encoding == Encoding::cp932) {
        expected = toCp932(expected);
      }
      EXPECT_EQ(err.str().rfind(expected, 0), 0U) << err.str();
      EXPECT_EQ(err.str().find('\n'), err.str().size() - 1) << "one line";
    }
  }
}

TEST(Dialogue, AMissingConverterEndsWithStatusTwoBeforeAnythingIsWritten) {
  for (Encoding encoding : {Encoding::utf8, Encoding::cp932}) {
    std::istringstream in("2\n");
    std::ostringstream out;
    std::ostringstream err;
    Console console(in, out, err, encoding, openNoConverter);
    ReplayGenerator generator({0});
    EXPECT_EQ(runDialogue(console, generator), ExitStatus::cannotWork);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(in.tellg(), 0);
    EXPECT_EQ(err.str(), "zepiro: CP932の変換器を開けません: Invalid argument\n");
    // --help needs none: its text goes out as its UTF-8 bytes.
    EXPECT_EQ(runProgram(std::vector<const char*>{"--help"}, console, 0), ExitStatus::finished);
    EXPECT_EQ(out.str().rfind("使い方: zepiro [--seed N]", 0), 0U);
  }
}

TEST(Dialogue, TwoRunsInOneProcessAreIdentical) {
  const std::string script = "0\n2 1\nA B\n2\n2\n3\nC\n0\n4\n2 1\nC D\n1 2\n2\n";
  EXPECT_EQ(runScript(script).output, runScript(script).output);
}

TEST(Dialogue, BansLastAcrossStartingOverAndSwitchingJobs) {
  // Ban 1-1, start over, switch to the tally and back: the vehicle screen still
  // shows the ban, and answer 1 reopens the editor at its first question.
  SeededGenerator generator(7);
  Transcript t = runScript(
      "0\n1 1\nA\n0\n1-1\n0\n3\n1 1\nB\n2\n4\n1 1\nC\n5\n0\n1 1\nD\n2\n1\n0\n0\n5\n", generator);
  const std::string banned = "1-1: -ベーシック・マシーンS";
  size_t first = t.output.find(banned);
  ASSERT_NE(first, std::string::npos);
  size_t second = t.output.find(banned, first + 1);
  ASSERT_NE(second, std::string::npos);
  EXPECT_NE(t.output.rfind(kAfterDraw + times(4, PB) + kEditorLeft.substr(0, 20)),
            std::string::npos);
  EXPECT_EQ(t.status, ExitStatus::finished);
}

namespace {

// Every pairing line of a transcript ("1:  name /vehicle").
std::vector<Pairing> pairingsIn(const std::string& output) {
  std::vector<Pairing> found;
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);) {
    std::optional<Pairing> pairing = pairingOn(line);
    if (pairing && line.find('-') != 0) {
      found.push_back(*pairing);
    }
  }
  return found;
}

}  // namespace

TEST(Dialogue, EveryDrawHonoursTheBansSetInTheEditor) {
  // Preset 7-3 and forty draws; then 4-3 as well and forty more.
  SeededGenerator generator(2026);
  std::string script =
      "0\n3 9\nA B C\n0\n7-3\n0\n" + times(39, "0\n") + "1\n1\n4-3\n0\n" + times(39, "0\n") + "5\n";
  Transcript t = runScript(script, generator);
  ASSERT_EQ(t.status, ExitStatus::finished);
  size_t split = t.output.rfind("□キャラの縛り選択");  // the second visit's only screen
  std::vector<Pairing> before = pairingsIn(t.output.substr(0, split));
  std::vector<Pairing> after = pairingsIn(t.output.substr(split));
  ASSERT_EQ(before.size(), 40u * 27u);
  ASSERT_EQ(after.size(), 40u * 27u);
  VehicleRoster sevenThree = startingVehicleRoster();
  applyPreset(sevenThree, kVehicleScreen.presets, 3);
  const Banned banned = bannedIn(sevenThree);
  for (const Pairing& d : before) {
    ASSERT_NE(d.group, 0);
    EXPECT_EQ(banned.count({d.group, d.vehicle}), 0u);
    EXPECT_TRUE(d.linked());
  }
  for (const Pairing& d : after) {
    EXPECT_EQ(d.cls, 3);
    EXPECT_TRUE(d.group == 3 || d.group == 6);
    EXPECT_EQ(banned.count({d.group, d.vehicle}), 0u);
  }
}
