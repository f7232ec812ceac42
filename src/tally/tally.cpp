#include "tally/tally.h"

#include "console/format.h"
#include "console/input.h"
#include "tally/ranking.h"

namespace {

// All races of one participant before the next; each total starts at 0.
void enterScores(Console& console, const ParticipantTable& table, ScoreSheet& sheet) {
  const int rows = sheetRows(table);
  const int races = sheetRaces(table);
  for (int i = 0; i < rows; ++i) {
    auto row = static_cast<size_t>(i);
    sheet.totals[row] = 0;
    for (int r = 0; r < races; ++r) {
      int score = askNumber(console, "%sさんの第%dレースの得点を入力:", {nameAt(table, i), r + 1});
      sheet.scores[row][static_cast<size_t>(r)] = score;
      sheet.totals[row] += score;
    }
  }
}

// One line per participant in sheet order, e.g. " 1st　[10+ 8+15]  33pts　A".
void writeResults(Console& console, const ParticipantTable& table, const ScoreSheet& sheet) {
  write(console,
        "\n計算結果\n"
        "------------------------------------\n"
        "■○○杯　結果\n");
  const int rows = sheetRows(table);
  const auto last = static_cast<size_t>(sheetRaces(table) - 1);
  for (int i = 0; i < rows; ++i) {
    const auto& scores = sheet.scores[static_cast<size_t>(i)];
    const int rank = rankOf(sheet, i);
    write(console, "%2d%s[", {rank, rankSuffix(rank)});
    for (size_t r = 0; r < last; ++r) {
      write(console, "%2d+", {scores[r]});
    }
    write(console, "%2d] %3dpts　%s\n",
          {scores[last], sheet.totals[static_cast<size_t>(i)], nameAt(table, i)});
  }
  write(console,
        "------------------------------------\n"
        "※そのままコピペするとずれまくってるので各自調整してください\n");
}

}  // namespace

void runTally(Console& console, ParticipantTable& table, ScoreSheet& sheet) {
  enterScores(console, table, sheet);
  sortByTotal(sheet, table);
  pageBreak(console);
  writeResults(console, table, sheet);
}
