#include "draw/editor_screen.h"

// Classes 1-3 under their names, three entries a row; 4 presets, 5 vehicles.
constexpr ScreenDescription<CharacterRoster> kCharacterScreen = {
    // In the order of ScreenDescription: layout, texts, keys, presets.
    {"軽量級\n", "\n中量級\n", "\n重量級\n"},
    3,
    "%d-%d:%17s",
    "　　 ",
    "\n4-1:軽量級のみ　4-2:中量級のみ　4-3:重量級のみ　4-4:すべて解禁　4-5:すべて禁止\n"
    "5:マシン縛りを設定する\n0:設定終了\n",
    "\n□キャラの縛り選択\n(○-○の形式で選択、選択しなおせば戻る。「-」がついたキャラは出現しない):",
    "□その番号のキャラはありません\n",
    4,
    5,
    EditorScreen::vehicles,
    {kCharacterBans, 4, 5}};
