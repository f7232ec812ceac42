#include "draw/vehicle_screen.h"

#include "console/format.h"
#include "console/input.h"
#include "draw/presets.h"
#include "draw/toggle.h"

namespace {

void writeVehicles(Console& console, const VehicleRoster& vehicles) {
  for (int g = 1; g <= VehicleRoster::kGroups; ++g) {
    for (int e = 1; e <= VehicleRoster::kEntries; e += 2) {
      write(console, "%d-%d:%23s　　　 %d-%d:%23s\n",
            {g, e, entryText(vehicles, g, e), g, e + 1, entryText(vehicles, g, e + 1)});
    }
  }
  write(console,
        "\n7-1:ﾐｻｲﾙﾊﾞｰﾄﾞ、ｲﾅｽﾞﾏｾﾞﾛ、ｷﾞｶﾞﾝﾄﾎｲｰﾙ、ﾘﾄﾙﾌﾞｰｽﾀｰ禁止\n"
        "7-2:ﾑｰﾝﾗｲﾄﾜﾙﾂ、ﾏｰﾒｲﾄﾞﾃｰﾙ、ｽﾄｰﾑﾗｲﾅｰ禁止\n"
        "7-3:[7-1]+[7-2]\n"
        "7-4:ﾘﾄﾙﾌﾞｰｽﾀｰ、ｻﾝﾀﾞｰﾎｰﾝ、ｼﾞｮｰｶｰ禁止\n"
        "7-5:カート限定　7-6:バイク限定　7-7:すべて解禁\n"
        "　7-8:すべて禁止");
  // No line end before "8:": the tool's behaviour, kept on purpose.
  write(console, "8:キャラ縛りを設定する\n0:設定終了\n");
}

}  // namespace

void runVehicleScreen(Console& console, EditorState& state, VehicleRoster& vehicles) {
  writeVehicles(console, vehicles);
  readChoice(console, state, vehicles,
             "\n□マシンの縛り選択\n(○-○の形式で選択、選択しなおせば戻る。「-"
             "」がついたマシンは出現しない):",
             "□その番号のマシンはありません\n");
  if (state.group >= 1 && state.group <= VehicleRoster::kGroups) {
    toggle(vehicles, state.group, state.entry);
  } else if (state.group == 8) {
    state.screen = EditorScreen::characters;
  } else if (state.group == 7) {
    applyVehiclePreset(vehicles, state.entry);
  }
}
