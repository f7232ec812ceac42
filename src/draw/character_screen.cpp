#include "draw/editor_screen.h"

namespace {

// What presets 4-1 to 4-3 of the menu below ban: every class but one.
constexpr std::array<BanList, 3> kCharacterBans = {{
    {{{2, kWholeGroup}, {3, kWholeGroup}}},  // 4-1: light only
    {{{1, kWholeGroup}, {3, kWholeGroup}}},  // 4-2: medium only
    {{{1, kWholeGroup}, {2, kWholeGroup}}},  // 4-3: heavy only
}};

}  // namespace

// Classes 1-3 under their names, three entries a row; 4 presets, 5 vehicles.
constexpr ScreenDescription<CharacterRoster> kCharacterScreen = {
    .headings = {"軽量級\n", "\n中量級\n", "\n重量級\n"},
    .columns = 3,
    .entryFormat = "%d-%d:%17s",
    .gap = "　　 ",
    .menu =
        "\n4-1:軽量級のみ　4-2:中量級のみ　4-3:重量級のみ　4-4:すべて解禁　4-5:すべて禁止\n"
        "5:マシン縛りを設定する\n0:設定終了\n",
    .prompt =
        "\n□キャラの縛り選択\n"
        "(○-○の形式で選択、選択しなおせば戻る。「-」がついたキャラは出現しない):",
    .notice = "□その番号のキャラはありません\n",
    .presetKey = 4,
    .switchKey = 5,
    .other = EditorScreen::vehicles,
    .presets = {.bans = kCharacterBans, .allowAll = 4, .banAll = 5},
};
