#include "app/participant_screens.h"

#include "console/format.h"
#include "console/input.h"

void enterParticipants(Console& console, ParticipantTable& table, bool forDraw) {
  write(console,
        forDraw ? "\n\n-= ランダムキャラ・マシン抽選 =-\n\n" : "\n\n-= 大会用ポイント集計 =-\n\n");
  write(console, "\n");
  NumberRange people{0, forDraw ? kMaxParticipants : kMaxTallyParticipants};
  NumberRange races = forDraw ? NumberRange{0, kMaxDrawRaces} : NumberRange{1, kMaxTallyRaces};
  table.count = askNumber(console, "□参加人数:", {}, people);
  table.races = askNumber(console, "□レース数:", {}, races);
  write(console, "\n");
  for (int i = 0; i < table.count; ++i) {
    askWord(console, table.names[static_cast<size_t>(i)], kNameWidth, "□%d人目の名前:", {i + 1});
  }
}

void writeParticipantList(Console& console, const ParticipantTable& table) {
  write(console, "-------------------\n");
  for (int i = 0; i < table.count; ++i) {
    write(console, "%d人目 %s\n", {i + 1, nameAt(table, i)});
  }
  write(console, "-------------------\n\n");
}

bool changeParticipants(Console& console, ParticipantTable& table) {
  writeParticipantList(console, table);
  const int joining = table.count + 1;
  int chosen = 0;
  for (;;) {
    chosen = askNumber(console, "□何人目の人が抜けた？(人数が増える場合,%d):", {joining},
                       NumberRange{1, joining});
    if (chosen != joining || table.count < kMaxParticipants) {
      break;
    }
    discardLine(console);
    write(console, "□参加者は%d人までです\n", {kMaxParticipants});
  }
  if (chosen == joining) {
    askWord(console, table.names[static_cast<size_t>(table.count)], kNameWidth,
            "□新たに参加する人を入力:");
    ++table.count;
  } else {
    removeParticipant(table, chosen - 1);
  }
  pageBreak(console);
  writeParticipantList(console, table);
  const bool done = askNumber(console, "■□変更完了□■\n0:変更完了\n1:まだ変更点がある\n") == 0;
  write(console, "\n");
  return done;
}
