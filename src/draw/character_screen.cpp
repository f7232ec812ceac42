#include "draw/character_screen.h"

#include "console/format.h"
#include "console/input.h"
#include "draw/presets.h"
#include "draw/toggle.h"

namespace {

void writeClass(Console& console, const CharacterRoster& characters, int c, std::string_view end) {
  for (int e = 1; e <= 4; e += 3) {
    write(console, "%d-%d:%17s　　 %d-%d:%17s　　 %d-%d:%17s\n",
          {c, e, entryText(characters, c, e), c, e + 1, entryText(characters, c, e + 1), c, e + 2,
           entryText(characters, c, e + 2)});
  }
  write(console, "%d-%d:%17s　　 %d-%d:%17s%s",
        {c, 7, entryText(characters, c, 7), c, 8, entryText(characters, c, 8), end});
}

void writeCharacters(Console& console, const CharacterRoster& characters) {
  write(console, "軽量級\n");
  writeClass(console, characters, 1, "\n\n");
  write(console, "中量級\n");
  writeClass(console, characters, 2, "\n\n");
  write(console, "重量級\n");
  writeClass(console, characters, 3, "\n");
  write(console,
        "\n4-1:軽量級のみ　4-2:中量級のみ　4-3:重量級のみ　4-4:すべて解禁　4-5:すべて禁止\n");
  write(console, "5:マシン縛りを設定する\n0:設定終了\n");
}

}  // namespace

void runCharacterScreen(Console& console, EditorState& state, CharacterRoster& characters) {
  writeCharacters(console, characters);
  readChoice(console, state, characters,
             "\n□キャラの縛り選択\n(○-○の形式で選択、選択しなおせば戻る。「-"
             "」がついたキャラは出現しない):",
             "□その番号のキャラはありません\n");
  if (state.group >= 1 && state.group <= CharacterRoster::kGroups) {
    toggle(characters, state.group, state.entry);
  } else if (state.group == 5) {
    state.screen = EditorScreen::vehicles;
  } else if (state.group == 4) {
    applyCharacterPreset(characters, state.entry);
  }
}
