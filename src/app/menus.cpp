#include "app/menus.h"

#include "console/format.h"
#include "console/input.h"

namespace {

// Starts `mode` afresh, from the entry of the participants.
void startOver(Session& session, int mode) {
  session.mode = mode;
  session.phase = Phase::enterParticipants;
}

}  // namespace

void askTitleMenu(Console& console, Session& session) {
  session.mode =
      askNumber(console,
                "- ゼピロレースソフトウェア  -\n\n"
                "□モード選択(0:ランダムキャラマシン抽選,1:大会用ポイント集計,2:更新履歴):");
}

bool askAfterDrawMenu(Console& console, Session& session) {
  switch (askNumber(console,
                    "■□キャラ・マシン抽選終了□■\n"
                    "0:同条件で繰り返す\n"
                    "1:縛りキャラ・マシンを変える\n"
                    "2:参加者を変える\n"
                    "3:最初から\n"
                    "4:大会用得点計算へ\n"
                    "5:終了する\n")) {
    case 0:
      session.phase = Phase::showResult;
      break;
    case 1:  // opens the restriction editor at its first question
      session.phase = Phase::setUp;
      session.editor.screen = EditorScreen::ask;
      break;
    case 2:
      session.phase = Phase::changeParticipants;
      break;
    case 3:
      startOver(session, kDrawMode);
      break;
    case 4:
      startOver(session, kTallyMode);
      break;
    case 5:
      return true;
    default:  // any other answer draws again, as 0 does: kept on purpose
      break;
  }
  return false;
}

bool askAfterTallyMenu(Console& console, Session& session) {
  switch (askNumber(console,
                    "■□計算終了□■\n"
                    "0:マシン抽選へ\n"
                    "1:最初から\n"
                    "2:終了する\n"
                    ":")) {
    case 0:
      startOver(session, kDrawMode);
      break;
    case 1:
      startOver(session, kTallyMode);
      break;
    case 2:
      return true;
    default:  // any other answer asks this menu again: kept on purpose
      break;
  }
  return false;
}

void writeHistory(Console& console) {
  write(console,
        "\n更新履歴\n"
        "----------------------------------------------\n"
        "ver2.2　7/30\n"
        "抽選機能において、キャラの縛りが自由に選択できるようになった\n"
        "ver2.1　7/27\n"
        "得点計算機能において各レースの小計を表示するようにした\n"
        "ver2.0　7/27\n"
        "一から一新！抽選機能において、マシンの縛りが自由にできるようになった\n"
        "得点計算機能において、ポイントが高い順にソートしてくれるようにした\n"
        "ver1.1　7/3\n"
        "抽選機能において、抽選終了後、参加者や参加人数を変更できるようにした\n"
        "ver1.0\n"
        "とりあえず公開、抽選機能と得点計算機能を実装\n"
        "----------------------------------------------\n\n");
}
